#include <gtest/gtest.h>

#include <sstream>

#include "controls/controls.h"
#include "fixtures.h"
#include "game/board.h"
#include "game/castling.h"
#include "game/game.h"
#include "input/move_driver.h"
#include "test_support.h"
#include "ui/handlers.h"
#include "ui/program.h"
#include "ui/projection.h"

namespace {

// Kings and rooks on their start squares and nothing else, pictures on their
// pieces, two players.
void setUpKingsAndRooks() {
  startProgram();
  secenek2Click();
  setUpPosition("K9e1 Ra1 Rh1 k9e8 ra8 rh8");
  showGame(game, windows);
}

// A drag that must change nothing at all.
void expectRefused(const std::string& from, const std::string& to) {
  SCOPED_TRACE("drag " + from + "-" + to);
  const GameState before = gameState();
  ASSERT_TRUE(drag(from, to));
  EXPECT_EQ(stateDifference(before, gameState()), "");
}

// A drag that must make a move (some line appears in the list).
void expectMade(const std::string& from, const std::string& to) {
  SCOPED_TRACE("drag " + from + "-" + to);
  const size_t lines = listTexts().size();
  ASSERT_TRUE(drag(from, to));
  EXPECT_GT(listTexts().size(), lines);
}

}  // namespace

TEST(Castling, BothWaysOnBothSides) {
  // White castles by the move request itself, which answers 0 (castling
  // carries itself out); Black by a drag. Each case: a new two-player game
  // with the opening (or "" to go on), the king's move, then what is shown:
  // the king's and the rook's pictures, the back rank, the move number and
  // count, and the list lines the castling added.
  const struct {
    const char* opening;
    const char* king;
    const char* shown;
  } cases[] = {
      {"e2e4 e7e5 g1f3 g8f6 f1c4 f8c5", "e1g1", "240,280 38|200,280 47|RNBQ.RK.|4 3|4-       KÜÇÜK ROK"},
      {"", "e8g8", "240,0 56|200,0 40|rnbq.rk.|4 4|      KÜÇÜK ROK|    "},
      {"d2d4 d7d5 b1c3 b8c6 c1f4 c8f5 d1d2 d8d7", "e1b1", "40,280 55|80,280 34|.KR..BNR|5 4|5-       BÜYÜK ROK"},
      {"", "e8b8", "40,0 44|80,0 48|.kr..bnr|5 5|      BÜYÜK ROK|    "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.king);
    if (*c.opening != '\0') {
      startProgram();
      secenek2Click();
      playMoves(c.opening);
    }
    const std::string from(c.king, 2), to(c.king + 2, 2);
    const bool white = from[1] == '1', kingside = to[0] == 'g';
    const Side side = white ? kWhite : kBlack;
    const int rank = homeRank(side);
    const std::string rookFrom = (kingside ? "h" : "a") + from.substr(1),
                      rookTo = (kingside ? "f" : "c") + from.substr(1);
    const int32_t selection = game.listSelection;
    const size_t linesBefore = listTexts().size();
    if (white) {
      Image1MouseDown(13, MouseButton::Left);
      EXPECT_EQ(requestMove(game, MoveRequest{kKing, kWhite, 0, game.dragFromX, game.dragFromY, fileOf(to), rank}),
                MoveOutcome::Castled);
    } else {
      expectMade(from, to);
    }
    EXPECT_EQ(layers(to), white ? "1 K99 .99" : "1 k99 .99");
    EXPECT_EQ(layers(rookTo), std::string(white ? "1 R" : "1 r") + (kingside ? "1" : "0") + " .99");
    for (const std::string& empty : {from, rookFrom, kingside ? from : "d" + from.substr(1)}) {
      EXPECT_EQ(layers(empty), "1 .99 .99") << empty;
    }
    EXPECT_EQ(pieceState(game.pieces.kings[side - 1]), to + " rest 1 moved 1");
    EXPECT_EQ(pieceState(game.pieces.rooks[side - 1][kingside ? 1 : 0]), rookTo + " rest 1 moved 1");
    const std::vector<std::string> all = listTexts();
    std::string shown = pictureState(white ? 13 : 29) + "|" + pictureState((white ? 0 : 16) + (kingside ? 16 : 9)) +
                        "|" + boardRows()[white ? 7 : 0] + "|" + std::to_string(game.moveNumber) + " " +
                        std::to_string(game.moveCount);
    for (size_t i = linesBefore; i < all.size(); ++i) shown += "|" + all[i];
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(game.sideToMove, white ? kBlackToMove : kWhiteToMove);
    EXPECT_EQ(game.listSelection, selection);
    EXPECT_EQ(game.gameSaved, 0);
    const HalfMoveRecord& h = white ? game.history[game.moveNumber - 1].white : game.history[game.moveNumber - 1].black;
    EXPECT_EQ((std::vector<int32_t>{h.kind, h.index, h.fromX, h.fromY, h.toX, h.toY}),
              (std::vector<int32_t>{kKing, kNoIndex, 4, rank, fileOf(to), rank}));
    EXPECT_EQ(consistencyFault(), "");
    EXPECT_EQ(windowsFault(game, windows), "");
    if (!white) {
      EXPECT_EQ(all.size(), 2u + 3u * static_cast<size_t>(game.moveCount));
    }
  }
  // Every full move is one history entry and three lines.
  playMoves("e2e3 e7e6");
  const std::vector<std::string> all = listTexts();
  EXPECT_EQ(std::vector<std::string>(all.end() - 3, all.end()),
            (std::vector<std::string>{"6- piyon(5)     E2-E3", "    piyon(5)     E7-E6", "    "}));
  EXPECT_EQ(game.moveCount, 6);
  EXPECT_EQ(game.history[5].white.fromX, 4);
  EXPECT_EQ(all.size(), 2u + 3u * 6u);
}

TEST(Castling, AttackedSquares) {
  // One enemy knight on each square of the list in turn, "-" when castling
  // is then refused: it attacks the king's start, a square it passes or its
  // destination (e, f, g; or b, c, d, e). The last knight attacks only the
  // rook's square and one outside the way; the other side's rooks attack a1
  // and h1 (open files) throughout. Neither ever refuses castling.
  const struct {
    const char* king;
    const char* knights;
  } cases[] = {{"e1g1", "c2- e3- h3- f2+"},
               {"e1b1", "a3- a2- b2- c2- g3+"},
               {"e8g8", "c7- e6- h6- f7+"},
               {"e8b8", "a6- a7- b7- c7- g6+"}};
  for (const auto& c : cases) {
    const std::string from(c.king, 2), to(c.king + 2, 2);
    const Side side = from[1] == '1' ? kWhite : kBlack;
    std::istringstream in(c.knights);
    std::string knight;
    while (in >> knight) {
      SCOPED_TRACE(from + "-" + to + " with a knight on " + knight);
      setUpKingsAndRooks();
      placePiece(kKnight, otherSide(side), 0, knight.substr(0, 2));
      showGame(game, windows);
      if (side == kBlack) game.sideToMove = kBlackToMove;
      if (knight[2] == '+') {
        expectMade(from, to);
        EXPECT_EQ(game.pieces.kings[side - 1].x, fileOf(to));
      } else {
        expectRefused(from, to);
      }
    }
  }
}

TEST(Castling, RefusedWhenRightsAreGoneOrTheWayIsHeld) {
  // A rook that has moved and come back.
  setUpKingsAndRooks();
  playMoves("h1h2 a8a7 h2h1 a7a8");
  expectRefused("e1", "g1");
  expectMade("e1", "b1");
  expectRefused("e8", "b8");
  expectMade("e8", "g8");

  // A king that has castled does not castle again from its new square.
  setUpKingsAndRooks();
  playMoves("e1g1 e8b8 f1f5 c8c4");
  EXPECT_EQ(game.pieces.kings[0].moved, 1);
  EXPECT_EQ(game.pieces.kings[1].moved, 1);
  expectRefused("g1", "d1");
  playMoves("a1a2");
  expectRefused("b8", "d8");

  // Not this side's turn.
  setUpKingsAndRooks();
  expectRefused("e8", "g8");
  expectRefused("e8", "b8");
  game.sideToMove = kBlackToMove;
  expectRefused("e1", "g1");
  expectRefused("e1", "b1");

  // A square between king and rook, or the king's destination, held by an
  // own or an enemy piece; castling never captures.
  for (const char* way : {"e1g1 f1 g1", "e1b1 d1 c1 b1", "e8g8 f8 g8", "e8b8 d8 c8 b8"}) {
    std::istringstream in(way);
    std::string king, square;
    in >> king;
    while (in >> square) {
      for (Side holder : {kWhite, kBlack}) {
        SCOPED_TRACE(square + " held by side " + std::to_string(holder));
        setUpKingsAndRooks();
        placePiece(kBishop, holder, 1, square);
        showGame(game, windows);
        if (king[1] == '8') game.sideToMove = kBlackToMove;
        expectRefused(king.substr(0, 2), king.substr(2));
      }
    }
  }
}

TEST(Castling, SearchModeSetsUpPendingLayers) {
  // The layers of king destination, king start, rook destination and rook
  // start.
  const struct {
    int32_t code;
    Side side;
    const char* layers;
  } cases[] = {
      {9, kWhite, "1 .99 K99|1 K9 .99|1 .99 R1|1 R1 .99"},
      {10, kWhite, "1 .99 K99|0 K9 .99|1 .99 R0|0 R0 .99"},
      {9, kBlack, "0 .99 k99|0 k9 .99|0 .99 r1|0 r1 .99"},
      {10, kBlack, "0 .99 k99|0 k9 .99|0 .99 r0|0 r0 .99"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("code " + std::to_string(c.code) + " side " + std::to_string(c.side));
    setUpKingsAndRooks();
    GameState before = gameState();
    game.trialMode = 1;  // as the search runs it
    EXPECT_EQ(castle(game, c.code, c.side, kCastleSearch), 1);
    game.trialMode = 0;
    const std::string rank = c.side == kWhite ? "1" : "8";
    const bool kingside = c.code == 9;
    std::string shown;
    for (const char* file : {kingside ? "g" : "b", "e", kingside ? "f" : "c", kingside ? "h" : "a"}) {
      shown += (shown.empty() ? "" : "|") + layers(file + rank);
      // Pictures, list, history and turn untouched.
      const int i = squareIndex(fileOf(file + rank), rankOf(file + rank));
      before.board.squares[i] = game.board.squares[i];
    }
    EXPECT_EQ(shown, c.layers);
    const Piece& king = game.pieces.kings[c.side - 1];
    const Piece& rook = game.pieces.rooks[c.side - 1][kingside ? 1 : 0];
    EXPECT_EQ(king.targetX, kingside ? 6 : 1);
    EXPECT_EQ(rook.targetX, kingside ? 5 : 2);
    EXPECT_EQ(king.atRest + rook.atRest + king.moved + rook.moved, 0);
    before.pieces = game.pieces;
    EXPECT_EQ(stateDifference(before, gameState()), "");
  }

  // Refused inside the search: king and rook exactly as before, also for a
  // king that has a pending move.
  setUpKingsAndRooks();
  placePiece(kKnight, kBlack, 0, "h3");  // attacks g1
  game.trialMode = 1;
  GameState before = gameState();
  EXPECT_EQ(castle(game, 9, kWhite, kCastleSearch), 0);
  EXPECT_TRUE(sameState(before, gameState()));
  EXPECT_EQ(castle(game, 10, kWhite, kCastleSearch), 1);  // the long way is free
  setUpKingsAndRooks();
  setPending(squareNamed("e1"), kEmpty, kNoSide, kNoIndex, kPendingLayer);
  setPending(squareNamed("f2"), kKing, kWhite, 0, kPendingLayer);
  setTarget(game.pieces.kings[0], 5, 1, 0);
  before = gameState();
  EXPECT_EQ(castle(game, 9, kWhite, kCastleSearch), 0);
  EXPECT_EQ(castle(game, 10, kWhite, kCastleSearch), 0);
  EXPECT_TRUE(sameState(before, gameState()));
  game.trialMode = 0;
}
