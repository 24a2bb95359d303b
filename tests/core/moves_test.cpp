#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "fixtures.h"
#include "game/board.h"
#include "game/game.h"
#include "game/moves.h"
#include "test_support.h"
#include "ui/handlers.h"
#include "ui/program.h"

namespace {

using Generator = MoveResult (*)(Position&, Piece&, int32_t);

int32_t trial(Generator generator, Piece& p, int32_t code) {
  game.trialMode = 1;
  const int32_t result = generator(game, p, code);
  game.trialMode = 0;
  return result;
}

// Squares and pieces as they were apart from targets (a trial success
// leaves the mover's target on the destination).
std::string changedButTargets(GameState before) {
  for (int id = 0; id < kPieceCount; ++id) {
    pieceById(before.pieces, id).targetX = pieceById(game.pieces, id).targetX;
    pieceById(before.pieces, id).targetY = pieceById(game.pieces, id).targetY;
  }
  return stateDifference(before, gameState(), Compare::Position);
}

void expectLastTry(int tx, int ty, int sx, int sy) {
  EXPECT_EQ((std::vector<int>{game.lastTry.targetX, game.lastTry.targetY, game.lastTry.startX, game.lastTry.startY}),
            (std::vector<int>{tx, ty, sx, sy}));
}

// A probe value no square holds, to see whether a square was read.
constexpr PieceKind kUnreadKind = static_cast<PieceKind>(-5);
constexpr Side kUnreadSide = static_cast<Side>(-5);
constexpr SquareProbe kUnreadProbe{kUnreadKind, kUnreadSide, -5, static_cast<Layer>(-5),
                                   kUnreadKind, kUnreadSide, -5, -5};
bool probeUnread() { return std::memcmp(&game.probe, &kUnreadProbe, sizeof game.probe) == 0; }

void startTwoPlayerGame() {
  startProgram();
  secenek2Click();
}

// The piece on a square.
Piece& pieceOn(const std::string& square) {
  const Square& s = squareNamed(square);
  return *pieceOf(game, s.kind, s.side, s.index);
}

// Each "<code><answer>" of the list for the piece on `from`: a square is a
// move there (asked in trial mode), "-" a refusal (asked for real; nothing
// may change) and "!" a refusal made without even reading the square.
void expectCodes(const std::string& from, const std::string& codes) {
  Piece& p = pieceOn(from);
  const PieceKind kind = squareNamed(from).kind;
  std::istringstream in(codes);
  std::string word;
  while (in >> word) {
    size_t digits = word[0] == '-' ? 1 : 0;
    while (std::isdigit(static_cast<unsigned char>(word[digits]))) ++digits;
    const int32_t code = std::stoi(word.substr(0, digits));
    const std::string answer = word.substr(digits);
    SCOPED_TRACE(from + " code " + std::to_string(code));
    if (answer == "-" || answer == "!") {
      const GameState before = gameState();
      game.probe = kUnreadProbe;
      EXPECT_EQ(generateMove(game, kind, p, code), kMoveRefused);
      EXPECT_EQ(stateDifference(before, gameState(), Compare::Position), "");
      EXPECT_TRUE(answer == "-" || probeUnread());
    } else {
      game.trialMode = 1;
      const int32_t result = generateMove(game, kind, p, code);
      game.trialMode = 0;
      EXPECT_EQ(result, kMovePossible);
      EXPECT_EQ(squareName(game.lastTry.targetX, game.lastTry.targetY), answer);
      EXPECT_EQ(squareName(game.lastTry.startX, game.lastTry.startY), from);
      cancelMove(p);
    }
  }
}

}  // namespace

// Every move code of every kind: where it leads from a square, and where it
// is refused. Positions are "start" plus pieces placed, or pieces on an empty
// board.
TEST(Moves, DestinationsByCode) {
  const struct {
    const char* position;
    const char* from;
    const char* codes;
  } cases[] = {
      // Pawns: Black steps toward rank 1, its captures (-1, -1) for code 3
      // and (+1, -1) for code 4; White's (+1, +1) and (-1, +1). Never
      // straight onto a piece, never diagonally onto an empty square or an
      // own piece; codes outside 1..4 name no step.
      {"start N0c6 N1e6 b0e3 b1c3", "d7", "1d6 2d5 3c6 4e6"},
      {"start N0c6 N1e6 b0e3 b1c3", "d2", "3e3 4c3"},
      {"start N0c6 N1e6 b0e3 b1c3", "c2", "1- 2- 3- 4-"},
      {"start N0c6 N1e6 b0e3 b1c3", "f2", "3- 0- 5-"},
      // On the last rank a pawn has no step left; nothing beyond the edge is read.
      {"P0a8", "a8", "1! 3! 4!"},
      // The knight jumps over the pawns but may not land on its own pawn.
      {"start", "b1", "3- 1c3"},
      {"Nd4", "d4", "1e6 2c6 3f5 4b5 5c2 6b3 7f3 8e2 9-"},
      {"Kd4", "d4", "1e4 2e5 3d5 4c5 5c4 6c3 7d3 8e3 11-"},
      // Off the board: refused before the destination is read.
      {"n1a1", "a1", "6!"},
      {"k9h8", "h8", "2!"},
      // The sliders count out from the piece, direction by direction; a
      // destination off the board is not read, nor one behind an off-board
      // path square; codes that name no step are refused.
      {"Qd4", "d4",
       "1e5 2f6 3g7 4h8 5! 6! 7- 8c3 10a1 11- 15e3 17g1 18- 22c5 25- 29d5 31d7 32d8 33- 36d3 38d1 39- 43e4 46h4 "
       "47- 50c4 52a4 53- 56! 57- 0-"},
      // The rook and the bishop share the queen's directions and numbering.
      {"r1d4 b0f6", "d4", "3d7 10d1 16f4 24a4 25- 0- -1- 29- 100-"},
      {"r1d4 b0f6", "f6", "2h8 8e5 9- 16h4 23d8 24- 0- -1- 29- 100-"},
      // An own piece on a4 ends the file; an enemy on a7 is taken, nothing
      // behind it.
      {"Ra1 N0a4", "a1", "2a3 3- 4- 22!"},
      {"Ra1 p0a7", "a1", "6a7 7-"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.position);
    startTwoPlayerGame();
    const std::string position = c.position;
    if (position.rfind("start", 0) == 0) {
      placePieces(position.substr(5));
    } else {
      setUpPosition(position);
    }
    expectCodes(c.from, c.codes);
  }
}

// What a refusal leaves in lastTry: the target of a square that was read,
// nothing of a path square that stopped the way, the own square for codes
// that name no step.
TEST(Moves, LastTryOfARefusal) {
  startTwoPlayerGame();
  setUpPosition("Ra1 N0a4");
  Piece& rook = game.pieces.rooks[0][0];
  game.lastTry = LastTry{9, 9, 9, 9};
  EXPECT_EQ(generateRookMove(game, rook, 3), kMoveRefused);  // own piece on a4
  expectLastTry(0, 3, 0, 0);
  game.lastTry = LastTry{9, 9, 9, 9};
  EXPECT_EQ(generateRookMove(game, rook, 4), kMoveRefused);  // a4 on the path
  expectLastTry(9, 9, 0, 0);

  setUpPosition("n1a1");
  EXPECT_EQ(generateKnightMove(game, game.pieces.knights[1][1], 6), kMoveRefused);
  expectLastTry(-2, -1, 0, 0);

  // Code 5 lands off the board: lastTry written in full. Codes 6 and 56 meet
  // an off-board path square: only the start written.
  setUpPosition("Qd4");
  Piece& queen = game.pieces.queens[0];
  for (const auto& [code, x] : {std::pair{5, 8}, std::pair{6, 9}, std::pair{56, 9}}) {
    game.lastTry = LastTry{9, 9, 9, 9};
    EXPECT_EQ(generateQueenMove(game, queen, code), kMoveRefused);
    expectLastTry(x, x, 3, 3);
  }
  setUpPosition("r1d4");
  for (int32_t code : {0, -1, 29, 100}) {
    EXPECT_EQ(generateRookMove(game, game.pieces.rooks[1][1], code), kMoveRefused) << code;
    expectLastTry(3, 3, 3, 3);
  }
}

// A real move writes the pending layers (the committed ones wait for the
// commit), puts the piece on its way and sets its moved flag (knights have
// none); a capture takes the other piece off at once.
TEST(Moves, RealMovesSetThePendingLayers) {
  startTwoPlayerGame();
  Piece& e2 = game.pieces.pawns[0][4];
  game.movingIndex = 4;
  EXPECT_EQ(generatePawnMove(game, e2, 2), kMovePossible);
  EXPECT_EQ(layers("e4"), "0 .99 P4");
  EXPECT_EQ(layers("e2"), "0 P4 .99");
  EXPECT_EQ(pieceState(e2), "e2->e4 rest 0 moved 1");
  expectLastTry(4, 3, 4, 1);
  commitMove(game, e2);
  expectCodes("e4", "2- 1e5");  // the double step only from the first move

  Piece& b1 = game.pieces.knights[0][0];
  game.movingIndex = 0;
  EXPECT_EQ(generateKnightMove(game, b1, 1), kMovePossible);
  EXPECT_EQ(layers("c3"), "0 .99 N0");
  EXPECT_EQ(layers("b1"), "0 N0 .99");
  EXPECT_EQ(pieceState(b1), "b1->c3 rest 0 moved 0");
  // A piece with a pending move steps on from its pending square.
  EXPECT_EQ(trial(generateKnightMove, b1, 1), kMovePossible);
  expectLastTry(3, 4, 2, 2);

  setUpPosition("K0e1 p3d2");
  game.movingIndex = 0;
  EXPECT_EQ(generateKingMove(game, game.pieces.kings[0], 4), kMovePossible);
  EXPECT_EQ(pieceState(game.pieces.kings[0]), "e1->d2 rest 0 moved 1");
  EXPECT_EQ(game.captureMade, 1);
  EXPECT_EQ(pieceState(game.pieces.pawns[1][3]), "d2 rest 1 moved 0 off");
  EXPECT_EQ(layers("d2"), "0 p3 K0");

  setUpPosition("Ra1 p0a7");
  Piece& rook = game.pieces.rooks[0][0];
  game.captureFound = 0;
  EXPECT_EQ(trial(generateRookMove, rook, 6), kMovePossible);
  EXPECT_EQ(game.captureFound, 1);
  EXPECT_EQ(generateRookMove(game, rook, 6), kMovePossible);
  EXPECT_EQ(pieceState(game.pieces.pawns[1][0]), "a7 rest 1 moved 0 off");
  EXPECT_EQ(pieceState(rook), "a1->a7 rest 0 moved 1");
  EXPECT_EQ(layers("a7"), "0 p0 R0");
  EXPECT_EQ(layers("a1"), "0 R0 .99");

  // The same move in trial mode changes nothing but the target.
  setUpPosition("Ra1");
  rook.moved = false;
  const GameState before = gameState();
  EXPECT_EQ(trial(generateRookMove, rook, 16), kMovePossible);
  EXPECT_EQ(pieceState(rook), "a1->c1 rest 1 moved 0");
  EXPECT_EQ(changedButTargets(before), "");
  EXPECT_EQ(generateRookMove(game, rook, 16), kMovePossible);
  EXPECT_EQ(pieceState(rook), "a1->c1 rest 0 moved 1");
  EXPECT_EQ(layers("c1"), "0 .99 R0");
}

TEST(PawnMoves, DoubleStepOverAnOccupiedSquare) {
  // The square passed over: White counts a piece in either layer, Black
  // only in the active layer.
  struct Case {
    Side side;
    Side committedSide;
    Side pendingSide;
    int32_t stable;
    int32_t expected;
  };
  const Case cases[] = {
      {kWhite, kBlack, kNoSide, 1, kMoveRefused},  {kWhite, kWhite, kNoSide, 1, kMoveRefused},
      {kWhite, kNoSide, kBlack, 1, kMoveRefused},  {kWhite, kBlack, kNoSide, 0, kMoveRefused},
      {kWhite, kNoSide, kWhite, 0, kMoveRefused},  {kWhite, kNoSide, kNoSide, 0, kMovePossible},
      {kBlack, kWhite, kNoSide, 1, kMoveRefused},  {kBlack, kBlack, kNoSide, 1, kMoveRefused},
      {kBlack, kWhite, kNoSide, 0, kMovePossible}, {kBlack, kNoSide, kWhite, 1, kMovePossible},
      {kBlack, kNoSide, kWhite, 0, kMoveRefused},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("side " + std::to_string(c.side) + " committed " + std::to_string(c.committedSide) + " pending " +
                 std::to_string(c.pendingSide) + " stable " + std::to_string(c.stable));
    startTwoPlayerGame();
    const bool white = c.side == kWhite;
    Square& passed = squareNamed(white ? "e3" : "e6");
    passed.side = c.committedSide;
    passed.kind = c.committedSide != kNoSide ? kKnight : kEmpty;
    passed.pendingSide = c.pendingSide;
    passed.pendingKind = c.pendingSide != kNoSide ? kKnight : kEmpty;
    passed.stable = static_cast<Layer>(c.stable);
    Piece& pawn = game.pieces.pawns[c.side - 1][4];
    game.movingIndex = 4;
    const GameState before = gameState();
    EXPECT_EQ(generatePawnMove(game, pawn, 2), c.expected);
    if (c.expected == kMoveRefused) {
      EXPECT_TRUE(sameState(before, gameState()));
      expectLastTry(4, white ? 1 : 6, 4, white ? 1 : 6);  // the target stayed on the start square
    } else {
      EXPECT_EQ(layers(white ? "e4" : "e5"), white ? "0 .99 P4" : "0 .99 p4");
    }
  }

  // A free passed square but a held destination.
  startTwoPlayerGame();
  placePiece(kKnight, kBlack, 0, "e4");
  const GameState before = gameState();
  EXPECT_EQ(generatePawnMove(game, game.pieces.pawns[0][4], 2), kMoveRefused);
  EXPECT_TRUE(sameState(before, gameState()));
}

TEST(ShortRangeMoves, KingNeverTakesItsOwnPieceOverACommittedEnemy) {
  // Inside the lookahead a white knight has just taken the black pawn on e2:
  // e2 shows the knight (pending) over the pawn (committed). The white king
  // next to it may not take there: that would be its own knight.
  startProgram();
  clearBoard();
  Piece& king = placePiece(kKing, kWhite, 0, "e1");
  placePiece(kPawn, kBlack, 4, "e2");
  setPending(squareNamed("e2"), kKnight, kWhite, 0, kPendingLayer);
  game.captureFound = 0;
  EXPECT_EQ(trial(generateKingMove, king, 3), kMoveRefused);
  EXPECT_EQ(game.captureFound, 0);
  EXPECT_EQ(game.pieces.knights[0][0].onBoard, 0);  // untouched: still off as cleared
  EXPECT_EQ(game.pieces.pawns[1][4].onBoard, 1);
}

TEST(ShortRangeMoves, CastlingTests) {
  startTwoPlayerGame();
  Piece& king = game.pieces.kings[0];
  const GameState start = gameState();
  EXPECT_EQ(generateKingMove(game, king, 9), kMoveRefused);  // f1 held
  EXPECT_EQ(generateKingMove(game, king, 10), kMoveRefused);
  EXPECT_TRUE(sameState(start, gameState()));

  // Free squares: the test answers 1 and writes nothing; castling itself
  // moves the pieces.
  for (const char* sq : {"b1", "c1", "d1", "f1", "g1"}) clearSquare(squareNamed(sq));
  game.pieces.knights[0][0].onBoard = game.pieces.knights[0][1].onBoard = false;
  game.pieces.bishops[0][0].onBoard = game.pieces.bishops[0][1].onBoard = false;
  game.pieces.queens[0].onBoard = false;
  const GameState free = gameState();
  for (int32_t code : {9, 10}) {
    EXPECT_EQ(generateKingMove(game, king, code), kMovePossible) << "code " << code;
    EXPECT_EQ(changedButTargets(free), "");
    EXPECT_EQ(game.captureMade, 0);
  }
  // An enemy on the destination is not captured.
  for (const char* sq : {"g1", "b1"}) {
    Piece& knight = placePiece(kKnight, kBlack, 0, sq);
    EXPECT_EQ(generateKingMove(game, king, sq[0] == 'g' ? 9 : 10), kMoveRefused) << sq;
    EXPECT_EQ(knight.onBoard, 1);
    knight.onBoard = false;
    clearSquare(squareNamed(sq));
  }
  king.moved = true;
  EXPECT_EQ(generateKingMove(game, king, 10), kMoveRefused);
}

TEST(GeneratorContract, TrialModeAndPiecesOffTheBoard) {
  startTwoPlayerGame();
  placePiece(kKnight, kBlack, 1, "f3");
  placePiece(kQueen, kBlack, 9, "h3");
  for (const char* sq : {"g2", "h2"}) clearSquare(squareNamed(sq));
  game.pieces.pawns[0][6].onBoard = game.pieces.pawns[0][7].onBoard = false;
  // Each kind's capture in trial mode: answered, recorded in captureFound
  // and captured, nothing else written.
  struct Case {
    Generator generator;
    Piece* piece;
    int32_t code;
    PieceKind capturedKind;
    int32_t capturedIndex;
  };
  const Case cases[] = {
      {generatePawnMove, &game.pieces.pawns[0][4], 3, kKnight, 1},      // e2xf3
      {generateKnightMove, &game.pieces.knights[0][1], 2, kKnight, 1},  // g1xf3
      {generateRookMove, &game.pieces.rooks[0][1], 2, kQueen, 9},       // h1xh3
      {generateBishopMove, &game.pieces.bishops[0][1], 2, kQueen, 9},   // f1xh3
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("captured kind " + std::to_string(c.capturedKind) + " code " + std::to_string(c.code));
    const GameState before = gameState();
    game.captureFound = 0;
    game.captureMade = 0;
    game.captured = CapturedPiece{};
    EXPECT_EQ(trial(c.generator, *c.piece, c.code), kMovePossible);
    EXPECT_EQ((std::vector<int32_t>{game.captureFound, game.captured.kind, game.captured.layer, game.captured.index,
                                    game.captureMade}),
              (std::vector<int32_t>{1, c.capturedKind, 1, c.capturedIndex, 0}));
    EXPECT_EQ(changedButTargets(before), "");
  }

  // A capture of a piece standing in the pending layer names that layer.
  Square& f3 = squareNamed("f3");
  setPending(f3, kBishop, kBlack, 0, kPendingLayer);
  EXPECT_EQ(trial(generateKnightMove, game.pieces.knights[0][1], 2), kMovePossible);
  EXPECT_EQ((std::vector<int32_t>{game.captured.kind, game.captured.layer, game.captured.index}),
            (std::vector<int32_t>{kBishop, 0, 0}));
  f3.stable = kCommittedLayer;

  // The same capture made for real takes the piece off and marks the move.
  game.movingIndex = 1;
  Piece& g1 = game.pieces.knights[0][1];
  EXPECT_EQ(generateKnightMove(game, g1, 2), kMovePossible);
  EXPECT_EQ((std::vector<int32_t>{game.captureMade, game.captureFound}), (std::vector<int32_t>{1, 1}));
  EXPECT_EQ(pieceState(game.pieces.knights[1][1]), "f3 rest 1 moved 0 off");
  EXPECT_EQ(pieceState(g1), "g1->f3 rest 0 moved 0");
  EXPECT_EQ(layers("f3"), "0 n1 N1");
  EXPECT_EQ(layers("g1"), "0 N1 .99");
  commitMove(game, g1);
  game.captureMade = 0;

  // A piece off the board: refused, nothing read or written.
  Piece& taken = game.pieces.knights[1][1];
  const GameState before = gameState();
  game.probe = kUnreadProbe;
  game.lastTry = LastTry{1, 2, 3, 4};
  for (auto generator : {generatePawnMove, generateKnightMove, generateKingMove, generateRookMove, generateBishopMove,
                         generateQueenMove}) {
    EXPECT_EQ(generator(game, taken, 1), kMoveRefused);
  }
  EXPECT_TRUE(probeUnread());
  expectLastTry(1, 2, 3, 4);
  EXPECT_TRUE(sameState(before, gameState()));
}

TEST(SlidingMoves, StartPositionRefusesEverything) {
  startTwoPlayerGame();
  for (const char* square : {"a1", "c1", "d1", "f1", "h1", "a8", "c8", "d8", "f8", "h8"}) {
    std::string codes;
    for (int code = 1; code <= (square[0] == 'd' ? 56 : 28); ++code) codes += std::to_string(code) + "- ";
    expectCodes(square, codes);
  }
}

TEST(SlidingMoves, PendingLayersOnThePath) {
  startTwoPlayerGame();
  clearBoard();
  Piece& rook = placePiece(kRook, kWhite, 0, "a1");
  Piece& bishop = placePiece(kBishop, kWhite, 0, "c1");
  Piece& queen = placePiece(kQueen, kBlack, 0, "h8");
  // A piece that stands on the path only in the pending layer blocks it.
  Square& a2 = squareNamed("a2");
  setPending(a2, kKnight, kBlack, 0, kPendingLayer);
  EXPECT_EQ(trial(generateRookMove, rook, 2), kMoveRefused);
  EXPECT_EQ(trial(generateRookMove, rook, 1), kMovePossible);  // a capture on a2 itself
  // A piece in the committed layer under an empty active pending layer
  // does not.
  a2 = Square{kPendingLayer, kKnight, kEmpty, kBlack, kNoSide, 0, kNoIndex, a2.weight};
  EXPECT_EQ(trial(generateRookMove, rook, 2), kMovePossible);
  game.captureFound = 0;
  EXPECT_EQ(trial(generateRookMove, rook, 1), kMovePossible);  // the square counts as empty
  EXPECT_EQ(game.captureFound, 0);

  Square& d2 = squareNamed("d2");
  setPending(d2, kPawn, kWhite, 3, kPendingLayer);
  EXPECT_EQ(trial(generateBishopMove, bishop, 2), kMoveRefused);
  d2 = Square{kPendingLayer, kPawn, kEmpty, kWhite, kNoSide, 3, kNoIndex, d2.weight};
  EXPECT_EQ(trial(generateBishopMove, bishop, 2), kMovePossible);

  Square& g7 = squareNamed("g7");
  setPending(g7, kPawn, kBlack, 6, kPendingLayer);
  EXPECT_EQ(trial(generateQueenMove, queen, 9), kMoveRefused);  // two squares toward a1
  g7 = Square{kPendingLayer, kPawn, kEmpty, kBlack, kNoSide, 6, kNoIndex, g7.weight};
  EXPECT_EQ(trial(generateQueenMove, queen, 9), kMovePossible);
}
