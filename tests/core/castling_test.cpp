#include <gtest/gtest.h>

#include "controls/controls.h"
#include "fixtures.h"
#include "game/board.h"
#include "game/castling.h"
#include "input/move_driver.h"
#include "test_support.h"
#include "ui/main_window.h"

namespace {

// Kings and rooks on their start squares and nothing else, pictures on their
// pieces, two players.
void setUpKingsAndRooks() {
  startProgram();
  secenek2Click();
  setUpPosition("K9e1 Ra1 Rh1 k9e8 ra8 rh8");
  syncPictures();
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
  // carries itself out); Black by a drag.
  struct Case {
    const char* opening;  // a new two-player game with these moves, or "" to go on
    int32_t side;
    const char* king[2];  // from, to
    const char* rook[2];
    const char* between;  // the square the long way passes, "" for the short way
    int32_t rookIndex;
    int kingPicture;
    const char* kingShown;
    int rookPicture;
    const char* rookShown;
    std::vector<std::string> lastLines;
    int32_t moveNumber;
    int32_t moveCount;
    const char* backRank;
  };
  const Case cases[] = {
      {"e2e4 e7e5 g1f3 g8f6 f1c4 f8c5",
       kWhite,
       {"e1", "g1"},
       {"h1", "f1"},
       "",
       1,
       13,
       "240,280 38",
       16,
       "200,280 47",
       {"4-       KÜÇÜK ROK"},
       4,
       3,
       "RNBQ.RK."},
      {"",
       kBlack,
       {"e8", "g8"},
       {"h8", "f8"},
       "",
       1,
       29,
       "240,0 56",
       32,
       "200,0 40",
       {"      KÜÇÜK ROK", "    "},
       4,
       4,
       "rnbq.rk."},
      {"d2d4 d7d5 b1c3 b8c6 c1f4 c8f5 d1d2 d8d7",
       kWhite,
       {"e1", "b1"},
       {"a1", "c1"},
       "d1",
       0,
       13,
       "40,280 55",
       9,
       "80,280 34",
       {"5-       BÜYÜK ROK"},
       5,
       4,
       ".KR..BNR"},
      {"",
       kBlack,
       {"e8", "b8"},
       {"a8", "c8"},
       "d8",
       0,
       29,
       "40,0 44",
       25,
       "80,0 48",
       {"      BÜYÜK ROK", "    "},
       5,
       5,
       ".kr..bnr"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.king[0]) + "-" + c.king[1]);
    if (*c.opening != '\0') {
      startProgram();
      secenek2Click();
      playMoves(c.opening);
    }
    const int32_t selection = listSelection;
    const int rank = homeRank(c.side);
    if (c.side == kWhite) {
      Image1MouseDown(13, MouseButton::Left);
      dragToX = fileOf(c.king[1]);
      dragToY = rank;
      dropLeft = 40 * dragToX;
      dropTop = 280;
      EXPECT_EQ(requestMove(kKing, kWhite, 0), 0);
    } else {
      expectMade(c.king[0], c.king[1]);
    }
    const bool white = c.side == kWhite;
    EXPECT_EQ(layers(c.king[1]), white ? "1 K99 .99" : "1 k99 .99");
    EXPECT_EQ(layers(c.rook[1]), std::string(white ? "1 R" : "1 r") + std::to_string(c.rookIndex) + " .99");
    for (const char* empty : {c.king[0], c.rook[0], c.between}) {
      if (*empty != '\0') {
        EXPECT_EQ(layers(empty), "1 .99 .99") << empty;
      }
    }
    EXPECT_EQ(boardRows()[white ? 7 : 0], c.backRank);
    EXPECT_EQ(pieceState(pieces.kings[c.side - 1]), std::string(c.king[1]) + " rest 1 moved 1");
    EXPECT_EQ(pieceState(pieces.rooks[c.side - 1][c.rookIndex]), std::string(c.rook[1]) + " rest 1 moved 1");
    EXPECT_EQ(pictureState(c.kingPicture), c.kingShown);
    EXPECT_EQ(pictureState(c.rookPicture), c.rookShown);
    const std::vector<std::string> all = listTexts();
    EXPECT_EQ(std::vector<std::string>(all.end() - static_cast<long>(c.lastLines.size()), all.end()), c.lastLines);
    EXPECT_EQ(sideToMove, white ? kBlackToMove : kWhiteToMove);
    EXPECT_EQ(moveNumber, c.moveNumber);
    EXPECT_EQ(moveCount, c.moveCount);
    EXPECT_EQ(listSelection, selection);
    EXPECT_EQ(gameSaved, 0);
    const HalfMoveRecord& h = white ? history[c.moveNumber - 1].white : history[c.moveNumber - 1].black;
    EXPECT_EQ((std::vector<int32_t>{h.kind, h.index, h.fromX, h.fromY, h.toX, h.toY}),
              (std::vector<int32_t>{kKing, kNoIndex, 4, rank, fileOf(c.king[1]), rank}));
    EXPECT_EQ(consistencyFault(), "");
    EXPECT_EQ(pictureFault(), "");
    if (!white) {
      EXPECT_EQ(all.size(), 2u + 3u * static_cast<size_t>(c.moveCount));
    }
  }
  // Every full move is one history entry and three lines.
  playMoves("e2e3 e7e6");
  const std::vector<std::string> all = listTexts();
  EXPECT_EQ(std::vector<std::string>(all.end() - 3, all.end()),
            (std::vector<std::string>{"6- piyon(5)     E2-E3", "    piyon(5)     E7-E6", "    "}));
  EXPECT_EQ(moveCount, 6);
  EXPECT_EQ(history[5].white.fromX, 4);
  EXPECT_EQ(all.size(), 2u + 3u * 6u);
}

TEST(Castling, AttackedSquares) {
  // One enemy knight attacks the named square. The rooks of the other side
  // already attack a1 and h1 (open files), which never refuses castling.
  struct Case {
    int32_t side;
    const char* from;
    const char* to;
    const char* knight;
    bool made;
  };
  const Case cases[] = {
      {kWhite, "e1", "g1", "c2", false},  // e1
      {kWhite, "e1", "g1", "e3", false},  // f1
      {kWhite, "e1", "g1", "h3", false},  // g1
      {kWhite, "e1", "g1", "f2", true},   // h1 and d1 only
      {kWhite, "e1", "b1", "a3", false},  // b1
      {kWhite, "e1", "b1", "a2", false},  // c1
      {kWhite, "e1", "b1", "b2", false},  // d1
      {kWhite, "e1", "b1", "c2", false},  // e1
      {kWhite, "e1", "b1", "g3", true},   // f1 and h1 only
      {kBlack, "e8", "g8", "c7", false},  // e8
      {kBlack, "e8", "g8", "e6", false},  // f8
      {kBlack, "e8", "g8", "h6", false},  // g8
      {kBlack, "e8", "g8", "f7", true},   // h8 and d8 only
      {kBlack, "e8", "b8", "a6", false},  // b8
      {kBlack, "e8", "b8", "a7", false},  // c8
      {kBlack, "e8", "b8", "b7", false},  // d8
      {kBlack, "e8", "b8", "c7", false},  // e8
      {kBlack, "e8", "b8", "g6", true},   // f8 and h8 only
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.from) + "-" + c.to + " with a knight on " + c.knight);
    setUpKingsAndRooks();
    placePiece(kKnight, otherSide(c.side), 0, c.knight);
    syncPictures();
    if (c.side == kBlack) sideToMove = kBlackToMove;
    if (c.made) {
      expectMade(c.from, c.to);
      EXPECT_EQ(pieces.kings[c.side - 1].x, fileOf(c.to));
    } else {
      expectRefused(c.from, c.to);
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
  EXPECT_EQ(pieces.kings[0].moved, 1);
  EXPECT_EQ(pieces.kings[1].moved, 1);
  expectRefused("g1", "d1");
  playMoves("a1a2");
  expectRefused("b8", "d8");

  // Not this side's turn.
  setUpKingsAndRooks();
  expectRefused("e8", "g8");
  expectRefused("e8", "b8");
  sideToMove = kBlackToMove;
  expectRefused("e1", "g1");
  expectRefused("e1", "b1");

  // A square between king and rook, or the king's destination, held by an
  // own or an enemy piece; castling never captures.
  struct Held {
    const char* from;
    const char* to;
    const char* square;
  };
  const Held held[] = {{"e1", "g1", "f1"}, {"e1", "g1", "g1"}, {"e1", "b1", "d1"}, {"e1", "b1", "c1"},
                       {"e1", "b1", "b1"}, {"e8", "g8", "f8"}, {"e8", "g8", "g8"}, {"e8", "b8", "d8"},
                       {"e8", "b8", "c8"}, {"e8", "b8", "b8"}};
  for (const Held& h : held) {
    for (int32_t holder : {kWhite, kBlack}) {
      SCOPED_TRACE(std::string(h.square) + " held by side " + std::to_string(holder));
      setUpKingsAndRooks();
      placePiece(kBishop, holder, 1, h.square);
      syncPictures();
      if (h.from[1] == '8') sideToMove = kBlackToMove;
      expectRefused(h.from, h.to);
    }
  }
}

TEST(Castling, SearchModeSetsUpPendingLayers) {
  // The layers of king destination, king start, rook destination and rook
  // start.
  struct Case {
    int32_t code;
    int32_t side;
    const char* squares[4];
    const char* layers[4];
  };
  const Case cases[] = {
      {9, kWhite, {"g1", "e1", "f1", "h1"}, {"1 .99 K99", "1 K9 .99", "1 .99 R1", "1 R1 .99"}},
      {10, kWhite, {"b1", "e1", "c1", "a1"}, {"1 .99 K99", "0 K9 .99", "1 .99 R0", "0 R0 .99"}},
      {9, kBlack, {"g8", "e8", "f8", "h8"}, {"0 .99 k99", "0 k9 .99", "0 .99 r1", "0 r1 .99"}},
      {10, kBlack, {"b8", "e8", "c8", "a8"}, {"0 .99 k99", "0 k9 .99", "0 .99 r0", "0 r0 .99"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("code " + std::to_string(c.code) + " side " + std::to_string(c.side));
    setUpKingsAndRooks();
    GameState before = gameState();
    trialMode = 1;  // as the search runs it
    EXPECT_EQ(castle(c.code, c.side, kCastleSearch), 1);
    trialMode = 0;
    for (int k = 0; k < 4; ++k) EXPECT_EQ(layers(c.squares[k]), c.layers[k]) << c.squares[k];
    const Piece& king = pieces.kings[c.side - 1];
    const Piece& rook = pieces.rooks[c.side - 1][c.code == 9 ? 1 : 0];
    EXPECT_EQ(king.targetX, c.code == 9 ? 6 : 1);
    EXPECT_EQ(rook.targetX, c.code == 9 ? 5 : 2);
    EXPECT_EQ(king.atRest + rook.atRest + king.moved + rook.moved, 0);
    // Pictures, list, history and turn untouched.
    for (const char* square : c.squares)
      before.board.squares[squareIndex(fileOf(square), rankOf(square))] =
          board.squares[squareIndex(fileOf(square), rankOf(square))];
    before.pieces = pieces;
    EXPECT_EQ(stateDifference(before, gameState()), "");
  }

  // Refused inside the search: king and rook exactly as before, also for a
  // king that has a pending move.
  setUpKingsAndRooks();
  placePiece(kKnight, kBlack, 0, "h3");  // attacks g1
  trialMode = 1;
  GameState before = gameState();
  EXPECT_EQ(castle(9, kWhite, kCastleSearch), 0);
  EXPECT_TRUE(sameState(before, gameState()));
  EXPECT_EQ(castle(10, kWhite, kCastleSearch), 1);  // the long way is free
  setUpKingsAndRooks();
  setPending(squareNamed("e1"), kEmpty, kNoSide, kNoIndex, 0);
  setPending(squareNamed("f2"), kKing, kWhite, 0, 0);
  setTarget(pieces.kings[0], 5, 1, 0);
  before = gameState();
  EXPECT_EQ(castle(9, kWhite, kCastleSearch), 0);
  EXPECT_EQ(castle(10, kWhite, kCastleSearch), 0);
  EXPECT_TRUE(sameState(before, gameState()));
  trialMode = 0;
}
