#include <gtest/gtest.h>

#include <cstring>

#include "fixtures.h"
#include "game/board.h"
#include "game/moves.h"
#include "test_support.h"
#include "ui/main_window.h"

namespace {

constexpr int32_t kUnset = 77;  // a result the generator has not written

int32_t run(void (*generator)(Piece&, int32_t, int32_t&), Piece& p, int32_t code) {
  int32_t result = kUnset;
  generator(p, code, result);
  return result;
}

int32_t trial(void (*generator)(Piece&, int32_t, int32_t&), Piece& p, int32_t code) {
  trialMode = 1;
  const int32_t result = run(generator, p, code);
  trialMode = 0;
  return result;
}

bool sameBoard(const GameState& a) { return std::memcmp(&a.board, &board, sizeof board) == 0; }

// Pieces equal apart from targets (a trial success leaves the mover's
// target on the destination).
bool samePiecesButTargets(const GameState& a) {
  for (int id = 0; id < kPieceCount; ++id) {
    const Piece& p = pieceById(a.pieces, id);
    const Piece& q = pieceById(pieces, id);
    if (p.x != q.x || p.y != q.y || p.atRest != q.atRest || p.onBoard != q.onBoard || p.moved != q.moved ||
        p.side != q.side) {
      return false;
    }
  }
  return true;
}

void expectLastTry(int tx, int ty, int sx, int sy) {
  EXPECT_EQ(lastTry.targetX, tx);
  EXPECT_EQ(lastTry.targetY, ty);
  EXPECT_EQ(lastTry.startX, sx);
  EXPECT_EQ(lastTry.startY, sy);
}

void expectPending(const std::string& square, int32_t kind, int32_t side, int32_t index) {
  const Square& s = squareNamed(square);
  EXPECT_EQ(s.stable, 0) << square;
  EXPECT_EQ(s.pendingKind, kind) << square;
  EXPECT_EQ(s.pendingSide, side) << square;
  EXPECT_EQ(s.pendingIndex, index) << square;
}

std::string squareName(int x, int y) {
  return std::string(1, static_cast<char>('a' + x)) + std::string(1, static_cast<char>('1' + y));
}

// The destination a trial reached, or "refused".
std::string trialDestination(void (*generator)(Piece&, int32_t, int32_t&), Piece& p, int32_t code) {
  if (trial(generator, p, code) != kMovePossible) return "refused";
  return squareName(lastTry.targetX, lastTry.targetY);
}

// A probe value no square holds, to see whether a square was read.
constexpr SquareProbe kUnreadProbe{-5, -5, -5, -5, -5, -5, -5, -5};
bool probeUnread() { return std::memcmp(&probe, &kUnreadProbe, sizeof probe) == 0; }

void startTwoPlayerGame() {
  startProgram();
  secenek2Click();
}

}  // namespace

TEST(PawnMoves, StepsDoubleStepAndCaptures) {
  startTwoPlayerGame();
  Piece& e2 = pieces.pawns[0][4];
  movingIndex = 4;
  EXPECT_EQ(run(generatePawnMove, e2, 2), kMovePossible);
  expectPending("e4", kPawn, kWhite, 4);
  expectPending("e2", kEmpty, kNoSide, 99);
  EXPECT_EQ(squareNamed("e2").kind, kPawn);  // committed layers untouched until the commit
  EXPECT_EQ(squareNamed("e4").kind, kEmpty);
  EXPECT_EQ(e2.atRest, 0);
  EXPECT_EQ(e2.targetX, 4);
  EXPECT_EQ(e2.targetY, 3);
  EXPECT_EQ(e2.moved, 1);
  expectLastTry(4, 3, 4, 1);
  commitMove(e2);
  EXPECT_EQ(trial(generatePawnMove, e2, 2), kMoveRefused);  // the double step only from the first move
  EXPECT_EQ(trialDestination(generatePawnMove, e2, 1), "e5");

  // Black steps toward rank 1; its captures are (-1, -1) for code 3 and
  // (+1, -1) for code 4.
  Piece& d7 = pieces.pawns[1][3];
  EXPECT_EQ(trialDestination(generatePawnMove, d7, 1), "d6");
  EXPECT_EQ(trialDestination(generatePawnMove, d7, 2), "d5");
  placePiece(kKnight, kWhite, 0, "c6");
  placePiece(kKnight, kWhite, 1, "e6");
  EXPECT_EQ(trialDestination(generatePawnMove, d7, 3), "c6");
  EXPECT_EQ(trialDestination(generatePawnMove, d7, 4), "e6");
  // White: (+1, +1) for code 3 and (-1, +1) for code 4.
  placePiece(kBishop, kBlack, 0, "e3");
  placePiece(kBishop, kBlack, 1, "c3");
  Piece& d2 = pieces.pawns[0][3];
  EXPECT_EQ(trialDestination(generatePawnMove, d2, 3), "e3");
  EXPECT_EQ(trialDestination(generatePawnMove, d2, 4), "c3");

  // Never straight onto a piece, never diagonally onto an empty square or an
  // own piece; codes outside 1..4 name no step.
  const GameState before = gameState();
  Piece& c2 = pieces.pawns[0][2];
  EXPECT_EQ(run(generatePawnMove, c2, 1), kMoveRefused);  // black bishop on c3
  EXPECT_EQ(run(generatePawnMove, c2, 2), kMoveRefused);
  EXPECT_EQ(run(generatePawnMove, c2, 3), kMoveRefused);  // d3 empty
  EXPECT_EQ(run(generatePawnMove, c2, 4), kMoveRefused);  // b3 empty
  Piece& f2 = pieces.pawns[0][5];
  EXPECT_EQ(run(generatePawnMove, f2, 3), kMoveRefused);  // g3 empty
  EXPECT_EQ(run(generatePawnMove, f2, 0), kMoveRefused);
  EXPECT_EQ(run(generatePawnMove, f2, 5), kMoveRefused);
  EXPECT_EQ(f2.targetX, 5);
  EXPECT_EQ(f2.targetY, 1);
  EXPECT_TRUE(sameState(before, gameState()));

  // On the last rank a pawn has no step left; nothing beyond the edge is read.
  clearBoard();
  Piece& last = placePiece(kPawn, kWhite, 0, "a8");
  for (int32_t code : {1, 3, 4}) {
    probe = kUnreadProbe;
    EXPECT_EQ(run(generatePawnMove, last, code), kMoveRefused) << "code " << code;
    EXPECT_TRUE(probeUnread()) << "code " << code;
  }
}

TEST(PawnMoves, DoubleStepOverAnOccupiedSquare) {
  // The square passed over: White counts a piece in either layer, Black
  // only in the active layer.
  struct Case {
    int32_t side;
    int32_t committedSide;
    int32_t pendingSide;
    int32_t stable;
    int32_t expected;
  };
  const Case cases[] = {
      {kWhite, kBlack, 0, 1, kMoveRefused},  {kWhite, kWhite, 0, 1, kMoveRefused},
      {kWhite, 0, kBlack, 1, kMoveRefused},  {kWhite, kBlack, 0, 0, kMoveRefused},
      {kWhite, 0, kWhite, 0, kMoveRefused},  {kWhite, 0, 0, 0, kMovePossible},
      {kBlack, kWhite, 0, 1, kMoveRefused},  {kBlack, kBlack, 0, 1, kMoveRefused},
      {kBlack, kWhite, 0, 0, kMovePossible}, {kBlack, 0, kWhite, 1, kMovePossible},
      {kBlack, 0, kWhite, 0, kMoveRefused},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("side " + std::to_string(c.side) + " committed " + std::to_string(c.committedSide) + " pending " +
                 std::to_string(c.pendingSide) + " stable " + std::to_string(c.stable));
    startTwoPlayerGame();
    const bool white = c.side == kWhite;
    Square& passed = squareNamed(white ? "e3" : "e6");
    passed.side = c.committedSide;
    passed.kind = c.committedSide != 0 ? kKnight : kEmpty;
    passed.pendingSide = c.pendingSide;
    passed.pendingKind = c.pendingSide != 0 ? kKnight : kEmpty;
    passed.stable = c.stable;
    Piece& pawn = pieces.pawns[c.side - 1][4];
    movingIndex = 4;
    const GameState before = gameState();
    EXPECT_EQ(run(generatePawnMove, pawn, 2), c.expected);
    if (c.expected == kMoveRefused) {
      EXPECT_TRUE(sameState(before, gameState()));
      expectLastTry(4, white ? 1 : 6, 4, white ? 1 : 6);  // the target stayed on the start square
    } else {
      expectPending(white ? "e4" : "e5", kPawn, c.side, 4);
    }
  }

  // A free passed square but a held destination.
  startTwoPlayerGame();
  placePiece(kKnight, kBlack, 0, "e4");
  const GameState before = gameState();
  EXPECT_EQ(run(generatePawnMove, pieces.pawns[0][4], 2), kMoveRefused);
  EXPECT_TRUE(sameState(before, gameState()));
}

TEST(ShortRangeMoves, KnightAndKingSteps) {
  startTwoPlayerGame();
  // The knight jumps over the pawns; it may not land on its own pawn.
  Piece& b1 = pieces.knights[0][0];
  movingIndex = 0;
  const GameState start = gameState();
  EXPECT_EQ(run(generateKnightMove, b1, 3), kMoveRefused);
  EXPECT_TRUE(sameState(start, gameState()));
  EXPECT_EQ(run(generateKnightMove, b1, 1), kMovePossible);
  expectPending("c3", kKnight, kWhite, 0);
  expectPending("b1", kEmpty, kNoSide, 99);
  EXPECT_EQ(b1.moved, 0);  // knights have no moved flag

  // A piece with a pending move steps on from its pending square.
  EXPECT_EQ(trial(generateKnightMove, b1, 1), kMovePossible);
  expectLastTry(3, 4, 2, 2);

  clearBoard();
  Piece& knight = placePiece(kKnight, kWhite, 0, "d4");
  const char* knightTargets[9] = {"", "e6", "c6", "f5", "b5", "c2", "b3", "f3", "e2"};
  for (int code = 1; code <= 8; ++code) {
    EXPECT_EQ(trialDestination(generateKnightMove, knight, code), knightTargets[code]) << "knight code " << code;
  }
  EXPECT_EQ(trialDestination(generateKnightMove, knight, 9), "refused");
  clearBoard();
  Piece& king = placePiece(kKing, kWhite, 0, "d4");
  king.moved = 1;
  const char* kingTargets[9] = {"", "e4", "e5", "d5", "c5", "c4", "c3", "d3", "e3"};
  for (int code = 1; code <= 8; ++code) {
    EXPECT_EQ(trialDestination(generateKingMove, king, code), kingTargets[code]) << "king code " << code;
  }
  EXPECT_EQ(trialDestination(generateKingMove, king, 11), "refused");

  // Off the board: refused before the destination is read.
  clearBoard();
  Piece& corner = placePiece(kKnight, kBlack, 1, "a1");
  probe = kUnreadProbe;
  const GameState empty = gameState();
  EXPECT_EQ(run(generateKnightMove, corner, 6), kMoveRefused);
  EXPECT_TRUE(probeUnread());
  expectLastTry(-2, -1, 0, 0);
  EXPECT_TRUE(sameState(empty, gameState()));
  Piece& edgeKing = placePiece(kKing, kBlack, 0, "h8");
  probe = kUnreadProbe;
  EXPECT_EQ(run(generateKingMove, edgeKing, 2), kMoveRefused);
  EXPECT_TRUE(probeUnread());

  // The king's real moves set its moved flag.
  clearBoard();
  Piece& walker = placePiece(kKing, kWhite, 0, "e1");
  placePiece(kPawn, kBlack, 3, "d2");
  movingIndex = 0;
  EXPECT_EQ(run(generateKingMove, walker, 4), kMovePossible);
  EXPECT_EQ(walker.moved, 1);
  EXPECT_EQ(captureMade, 1);
  EXPECT_EQ(pieces.pawns[1][3].onBoard, 0);
  expectPending("d2", kKing, kWhite, 0);
}

TEST(ShortRangeMoves, KingNeverTakesItsOwnPieceOverACommittedEnemy) {
  // Inside the lookahead a white knight has just taken the black pawn on e2:
  // e2 shows the knight (pending) over the pawn (committed). The white king
  // next to it may not take there: that would be its own knight.
  startProgram();
  clearBoard();
  Piece& king = placePiece(kKing, kWhite, 0, "e1");
  placePiece(kPawn, kBlack, 4, "e2");
  setPending(squareNamed("e2"), kKnight, kWhite, 0, 0);
  captureFound = 0;
  EXPECT_EQ(trial(generateKingMove, king, 3), kMoveRefused);
  EXPECT_EQ(captureFound, 0);
  EXPECT_EQ(pieces.knights[0][0].onBoard, 0);  // untouched: still off as cleared
  EXPECT_EQ(pieces.pawns[1][4].onBoard, 1);
}

TEST(ShortRangeMoves, CastlingTests) {
  startTwoPlayerGame();
  Piece& king = pieces.kings[0];
  const GameState start = gameState();
  EXPECT_EQ(run(generateKingMove, king, 9), kMoveRefused);  // f1 held
  EXPECT_EQ(run(generateKingMove, king, 10), kMoveRefused);
  EXPECT_TRUE(sameState(start, gameState()));

  // Free squares: the test answers 1 and writes nothing; castling itself
  // moves the pieces.
  for (const char* sq : {"b1", "c1", "d1", "f1", "g1"}) clearSquare(squareNamed(sq));
  pieces.knights[0][0].onBoard = pieces.knights[0][1].onBoard = 0;
  pieces.bishops[0][0].onBoard = pieces.bishops[0][1].onBoard = 0;
  pieces.queens[0].onBoard = 0;
  const GameState free = gameState();
  for (int32_t code : {9, 10}) {
    EXPECT_EQ(run(generateKingMove, king, code), kMovePossible) << "code " << code;
    EXPECT_TRUE(sameBoard(free));
    EXPECT_TRUE(samePiecesButTargets(free));
    EXPECT_EQ(captureMade, 0);
  }
  // An enemy on the destination is not captured.
  for (const char* sq : {"g1", "b1"}) {
    Piece& knight = placePiece(kKnight, kBlack, 0, sq);
    EXPECT_EQ(run(generateKingMove, king, sq[0] == 'g' ? 9 : 10), kMoveRefused) << sq;
    EXPECT_EQ(knight.onBoard, 1);
    knight.onBoard = 0;
    clearSquare(squareNamed(sq));
  }
  king.moved = 1;
  EXPECT_EQ(run(generateKingMove, king, 10), kMoveRefused);
}

TEST(GeneratorContract, TrialModeAndPiecesOffTheBoard) {
  startTwoPlayerGame();
  placePiece(kKnight, kBlack, 1, "f3");
  placePiece(kQueen, kBlack, 9, "h3");
  for (const char* sq : {"g2", "h2"}) clearSquare(squareNamed(sq));
  pieces.pawns[0][6].onBoard = pieces.pawns[0][7].onBoard = 0;
  // Each kind's capture in trial mode: answered, recorded in captureFound
  // and captured, nothing else written.
  struct Case {
    void (*generator)(Piece&, int32_t, int32_t&);
    Piece* piece;
    int32_t code;
    int32_t capturedKind;
    int32_t capturedIndex;
  };
  const Case cases[] = {
      {generatePawnMove, &pieces.pawns[0][4], 3, kKnight, 1},      // e2xf3
      {generateKnightMove, &pieces.knights[0][1], 2, kKnight, 1},  // g1xf3
      {generateRookMove, &pieces.rooks[0][1], 2, kQueen, 9},       // h1xh3
      {generateBishopMove, &pieces.bishops[0][1], 2, kQueen, 9},   // f1xh3
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("captured kind " + std::to_string(c.capturedKind) + " code " + std::to_string(c.code));
    const GameState before = gameState();
    captureFound = 0;
    captureMade = 0;
    captured = CapturedPiece{};
    EXPECT_EQ(trial(c.generator, *c.piece, c.code), kMovePossible);
    EXPECT_EQ(captureFound, 1);
    EXPECT_EQ(captured.kind, c.capturedKind);
    EXPECT_EQ(captured.layer, 1);
    EXPECT_EQ(captured.index, c.capturedIndex);
    EXPECT_EQ(captureMade, 0);
    EXPECT_TRUE(sameBoard(before));
    EXPECT_TRUE(samePiecesButTargets(before));
  }

  // A capture of a piece standing in the pending layer names that layer.
  Square& f3 = squareNamed("f3");
  f3.stable = 0;
  f3.pendingKind = kBishop;
  f3.pendingSide = kBlack;
  f3.pendingIndex = 0;
  EXPECT_EQ(trial(generateKnightMove, pieces.knights[0][1], 2), kMovePossible);
  EXPECT_EQ(captured.kind, kBishop);
  EXPECT_EQ(captured.layer, 0);
  EXPECT_EQ(captured.index, 0);
  f3.stable = 1;

  // The same capture made for real takes the piece off and marks the move.
  movingIndex = 1;
  Piece& g1 = pieces.knights[0][1];
  EXPECT_EQ(run(generateKnightMove, g1, 2), kMovePossible);
  EXPECT_EQ(captureMade, 1);
  EXPECT_EQ(captureFound, 1);
  EXPECT_EQ(pieces.knights[1][1].onBoard, 0);
  EXPECT_EQ(pieces.knights[1][1].atRest, 1);
  expectPending("f3", kKnight, kWhite, 1);
  expectPending("g1", kEmpty, kNoSide, 99);
  EXPECT_EQ(g1.atRest, 0);
  commitMove(g1);
  captureMade = 0;

  // A piece off the board: no result, nothing read or written.
  Piece& taken = pieces.knights[1][1];
  const GameState before = gameState();
  probe = kUnreadProbe;
  lastTry = LastTry{1, 2, 3, 4};
  for (auto generator : {generatePawnMove, generateKnightMove, generateKingMove, generateRookMove, generateBishopMove,
                         generateQueenMove}) {
    EXPECT_EQ(run(generator, taken, 1), kUnset);
  }
  EXPECT_TRUE(probeUnread());
  expectLastTry(1, 2, 3, 4);
  EXPECT_TRUE(sameState(before, gameState()));
}

TEST(SlidingMoves, StartPositionRefusesEverything) {
  startTwoPlayerGame();
  const GameState before = gameState();
  struct Slider {
    void (*generator)(Piece&, int32_t, int32_t&);
    Piece* piece;
    int32_t codes;
  };
  std::vector<Slider> sliders;
  for (int s = 0; s < 2; ++s) {
    for (int i = 0; i < 2; ++i) {
      sliders.push_back({generateRookMove, &pieces.rooks[s][i], 28});
      sliders.push_back({generateBishopMove, &pieces.bishops[s][i], 28});
    }
    sliders.push_back({generateQueenMove, &pieces.queens[s], 56});
  }
  for (const Slider& s : sliders) {
    for (int32_t code = 1; code <= s.codes; ++code) {
      EXPECT_EQ(run(s.generator, *s.piece, code), kMoveRefused) << "code " << code;
    }
  }
  EXPECT_TRUE(sameState(before, gameState()));
}

TEST(SlidingMoves, RookOnA1) {
  startTwoPlayerGame();
  clearBoard();
  Piece& rook = placePiece(kRook, kWhite, 0, "a1");
  placePiece(kKnight, kWhite, 0, "a4");
  EXPECT_EQ(trial(generateRookMove, rook, 2), kMovePossible);
  expectLastTry(0, 2, 0, 0);
  lastTry = LastTry{9, 9, 9, 9};
  EXPECT_EQ(run(generateRookMove, rook, 3), kMoveRefused);  // own piece on a4
  expectLastTry(0, 3, 0, 0);
  lastTry = LastTry{9, 9, 9, 9};
  EXPECT_EQ(run(generateRookMove, rook, 4), kMoveRefused);  // a4 on the path
  expectLastTry(9, 9, 0, 0);
  EXPECT_EQ(rook.targetX, 0);
  EXPECT_EQ(rook.targetY, 0);

  // Capture on a7, and not beyond it.
  clearBoard();
  placePiece(kRook, kWhite, 0, "a1");
  Piece& pawn = placePiece(kPawn, kBlack, 0, "a7");
  captureFound = 0;
  EXPECT_EQ(trial(generateRookMove, rook, 6), kMovePossible);
  EXPECT_EQ(captureFound, 1);
  EXPECT_EQ(trial(generateRookMove, rook, 7), kMoveRefused);
  movingIndex = 0;
  EXPECT_EQ(run(generateRookMove, rook, 6), kMovePossible);
  EXPECT_EQ(pawn.onBoard, 0);
  EXPECT_EQ(rook.moved, 1);
  expectPending("a7", kRook, kWhite, 0);
  expectPending("a1", kEmpty, kNoSide, 99);
  commitMove(rook);

  // Off the board at distance 1: refused, nothing read.
  clearBoard();
  placePiece(kRook, kWhite, 0, "a1");
  const GameState before = gameState();
  probe = kUnreadProbe;
  EXPECT_EQ(run(generateRookMove, rook, 22), kMoveRefused);
  EXPECT_TRUE(probeUnread());
  EXPECT_TRUE(sameState(before, gameState()));

  // A real move sets moved; the same move in trial mode changes nothing.
  rook.moved = 0;
  EXPECT_EQ(trial(generateRookMove, rook, 16), kMovePossible);
  EXPECT_EQ(rook.moved, 0);
  EXPECT_EQ(rook.atRest, 1);
  EXPECT_EQ(rook.targetX, 2);  // a trial leaves the target on the destination
  EXPECT_TRUE(sameBoard(before));
  EXPECT_EQ(run(generateRookMove, rook, 16), kMovePossible);
  EXPECT_EQ(rook.moved, 1);
  EXPECT_EQ(rook.atRest, 0);
  expectPending("c1", kRook, kWhite, 0);
}

TEST(SlidingMoves, DirectionsFromD4) {
  startTwoPlayerGame();
  clearBoard();
  Piece& queen = placePiece(kQueen, kWhite, 0, "d4");
  struct Expect {
    int32_t code;
    const char* destination;
  };
  const Expect queenCodes[] = {
      {1, "e5"},       {2, "f6"},  {3, "g7"},       {4, "h8"},       {5, "refused"},  {6, "refused"},
      {7, "refused"},  {8, "c3"},  {10, "a1"},      {11, "refused"}, {15, "e3"},      {17, "g1"},
      {18, "refused"}, {22, "c5"}, {25, "refused"}, {29, "d5"},      {31, "d7"},      {32, "d8"},
      {33, "refused"}, {36, "d3"}, {38, "d1"},      {39, "refused"}, {43, "e4"},      {46, "h4"},
      {47, "refused"}, {50, "c4"}, {52, "a4"},      {53, "refused"}, {56, "refused"},
  };
  for (const Expect& e : queenCodes) {
    EXPECT_EQ(trialDestination(generateQueenMove, queen, e.code), e.destination) << "queen code " << e.code;
  }

  // Code 5 lands off the board: lastTry written in full, the square not read.
  // Codes 6 and 56 meet an off-board path square: only the start written.
  probe = kUnreadProbe;
  lastTry = LastTry{9, 9, 9, 9};
  EXPECT_EQ(run(generateQueenMove, queen, 5), kMoveRefused);
  expectLastTry(8, 8, 3, 3);
  EXPECT_TRUE(probeUnread());
  lastTry = LastTry{9, 9, 9, 9};
  EXPECT_EQ(run(generateQueenMove, queen, 6), kMoveRefused);
  expectLastTry(9, 9, 3, 3);
  lastTry = LastTry{9, 9, 9, 9};
  EXPECT_EQ(run(generateQueenMove, queen, 56), kMoveRefused);
  expectLastTry(9, 9, 3, 3);
  EXPECT_TRUE(probeUnread());
  EXPECT_EQ(run(generateQueenMove, queen, 57), kMoveRefused);
  EXPECT_EQ(run(generateQueenMove, queen, 0), kMoveRefused);

  // The rook and the bishop share the queen's directions and numbering.
  clearBoard();
  Piece& rook = placePiece(kRook, kBlack, 1, "d4");
  Piece& bishop = placePiece(kBishop, kBlack, 0, "f6");
  for (const Expect& e :
       {Expect{3, "d7"}, Expect{10, "d1"}, Expect{16, "f4"}, Expect{24, "a4"}, Expect{25, "refused"}}) {
    EXPECT_EQ(trialDestination(generateRookMove, rook, e.code), e.destination) << "rook code " << e.code;
  }
  for (const Expect& e : {Expect{2, "h8"}, Expect{8, "e5"}, Expect{9, "refused"}, Expect{16, "h4"}, Expect{23, "d8"},
                          Expect{24, "refused"}}) {
    EXPECT_EQ(trialDestination(generateBishopMove, bishop, e.code), e.destination) << "bishop code " << e.code;
  }

  // Codes that name no step: the own square, refused.
  for (int32_t code : {0, -1, 29, 100}) {
    EXPECT_EQ(run(generateRookMove, rook, code), kMoveRefused) << "rook code " << code;
    expectLastTry(3, 3, 3, 3);
    EXPECT_EQ(run(generateBishopMove, bishop, code), kMoveRefused) << "bishop code " << code;
  }
  EXPECT_EQ(rook.moved, 0);
  EXPECT_EQ(rook.targetX, 3);
}

TEST(SlidingMoves, PendingLayersOnThePath) {
  startTwoPlayerGame();
  clearBoard();
  Piece& rook = placePiece(kRook, kWhite, 0, "a1");
  Piece& bishop = placePiece(kBishop, kWhite, 0, "c1");
  Piece& queen = placePiece(kQueen, kBlack, 0, "h8");
  // A piece that stands on the path only in the pending layer blocks it.
  Square& a2 = squareNamed("a2");
  setPending(a2, kKnight, kBlack, 0, 0);
  EXPECT_EQ(trial(generateRookMove, rook, 2), kMoveRefused);
  EXPECT_EQ(trial(generateRookMove, rook, 1), kMovePossible);  // a capture on a2 itself
  // A piece in the committed layer under an empty active pending layer
  // does not.
  a2 = Square{0, kKnight, kEmpty, kBlack, kNoSide, 0, kNoIndex, a2.weight};
  EXPECT_EQ(trial(generateRookMove, rook, 2), kMovePossible);
  captureFound = 0;
  EXPECT_EQ(trial(generateRookMove, rook, 1), kMovePossible);  // the square counts as empty
  EXPECT_EQ(captureFound, 0);

  Square& d2 = squareNamed("d2");
  setPending(d2, kPawn, kWhite, 3, 0);
  EXPECT_EQ(trial(generateBishopMove, bishop, 2), kMoveRefused);
  d2 = Square{0, kPawn, kEmpty, kWhite, kNoSide, 3, kNoIndex, d2.weight};
  EXPECT_EQ(trial(generateBishopMove, bishop, 2), kMovePossible);

  Square& g7 = squareNamed("g7");
  setPending(g7, kPawn, kBlack, 6, 0);
  EXPECT_EQ(trial(generateQueenMove, queen, 9), kMoveRefused);  // two squares toward a1
  g7 = Square{0, kPawn, kEmpty, kBlack, kNoSide, 6, kNoIndex, g7.weight};
  EXPECT_EQ(trial(generateQueenMove, queen, 9), kMovePossible);
}
