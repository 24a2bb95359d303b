#include <gtest/gtest.h>

#include "controls/controls.h"
#include "fixtures.h"
#include "game/board.h"
#include "game/castling.h"
#include "input/move_driver.h"
#include "test_support.h"
#include "ui/main_window.h"

namespace {

void expectOccupant(const std::string& square, int32_t kind, int32_t side, int32_t index) {
  const Square& s = squareNamed(square);
  EXPECT_EQ(s.stable, 1) << square;
  EXPECT_EQ(s.kind, kind) << square;
  EXPECT_EQ(s.side, side) << square;
  EXPECT_EQ(s.index, index) << square;
  EXPECT_EQ(s.pendingSide, 0) << square;
}

void expectPicture(int n, int left, int top, int bitmap) {
  EXPECT_EQ(form1.image[n].left, left) << "Image" << n;
  EXPECT_EQ(form1.image[n].top, top) << "Image" << n;
  EXPECT_EQ(form1.image[n].bitmap, bitmap) << "Image" << n;
  EXPECT_TRUE(form1.image[n].visible) << "Image" << n;
}

void expectAt(const Piece& p, const std::string& square) {
  EXPECT_EQ(p.x, fileOf(square));
  EXPECT_EQ(p.y, rankOf(square));
  EXPECT_EQ(p.targetX, fileOf(square));
  EXPECT_EQ(p.targetY, rankOf(square));
  EXPECT_EQ(p.atRest, 1);
}

void expectHistory(const HalfMoveRecord& h, int toX, int rank) {
  EXPECT_EQ(h.kind, 9);
  EXPECT_EQ(h.index, 99);
  EXPECT_EQ(h.fromX, 4);
  EXPECT_EQ(h.fromY, rank);
  EXPECT_EQ(h.toX, toX);
  EXPECT_EQ(h.toY, rank);
}

std::vector<std::string> lastLines(size_t n) {
  const std::vector<std::string> all = listTexts();
  return std::vector<std::string>(all.end() - static_cast<long>(n), all.end());
}

// Kings and rooks on their start squares and nothing else, pictures on their
// pieces, two players.
void setUpKingsAndRooks() {
  startProgram();
  secenek2Click();
  clearBoard();
  placePiece(kKing, kWhite, 9, "e1");
  placePiece(kRook, kWhite, 0, "a1");
  placePiece(kRook, kWhite, 1, "h1");
  placePiece(kKing, kBlack, 9, "e8");
  placePiece(kRook, kBlack, 0, "a8");
  placePiece(kRook, kBlack, 1, "h8");
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

TEST(Castling, ShortOnBothSides) {
  startProgram();
  secenek2Click();
  playMoves("e2e4 e7e5 g1f3 g8f6 f1c4 f8c5");
  const int32_t selection = listSelection;
  // The drag itself answers 0: castling carries itself out.
  Image1MouseDown(13, MouseButton::Left);
  dragToX = 6;
  dragToY = 0;
  dropLeft = 240;
  dropTop = 280;
  EXPECT_EQ(requestMove(kKing, kWhite, 0), 0);
  expectOccupant("g1", kKing, kWhite, 99);
  expectOccupant("f1", kRook, kWhite, 1);
  expectOccupant("e1", kEmpty, kNoSide, 99);
  expectOccupant("h1", kEmpty, kNoSide, 99);
  expectAt(pieces.kings[0], "g1");
  expectAt(pieces.rooks[0][1], "f1");
  EXPECT_EQ(pieces.kings[0].moved, 1);
  EXPECT_EQ(pieces.rooks[0][1].moved, 1);
  expectPicture(13, 240, 280, 38);
  expectPicture(16, 200, 280, 47);
  EXPECT_EQ(listTexts().back(), "4-       KÜÇÜK ROK");
  EXPECT_EQ(sideToMove, kBlackToMove);
  EXPECT_EQ(moveNumber, 4);
  EXPECT_EQ(moveCount, 3);
  EXPECT_EQ(listSelection, selection);
  EXPECT_EQ(gameSaved, 0);
  expectHistory(history[3].white, 6, 0);
  EXPECT_EQ(consistencyFault(), "");

  expectMade("e8", "g8");
  expectOccupant("g8", kKing, kBlack, 99);
  expectOccupant("f8", kRook, kBlack, 1);
  expectOccupant("e8", kEmpty, kNoSide, 99);
  expectOccupant("h8", kEmpty, kNoSide, 99);
  expectAt(pieces.kings[1], "g8");
  expectAt(pieces.rooks[1][1], "f8");
  EXPECT_EQ(pieces.kings[1].moved, 1);
  expectPicture(29, 240, 0, 56);
  expectPicture(32, 200, 0, 40);
  EXPECT_EQ(lastLines(2), (std::vector<std::string>{"      KÜÇÜK ROK", "    "}));
  EXPECT_EQ(sideToMove, kWhiteToMove);
  EXPECT_EQ(moveNumber, 4);
  EXPECT_EQ(moveCount, 4);
  EXPECT_EQ(listSelection, selection);
  expectHistory(history[3].black, 6, 7);
  EXPECT_EQ(consistencyFault(), "");

  // Every full move is one history entry and three lines.
  playMoves("d2d3 d7d6");
  EXPECT_EQ(lastLines(3), (std::vector<std::string>{"5- piyon(4)     D2-D3", "    piyon(4)     D7-D6", "    "}));
  EXPECT_EQ(moveCount, 5);
  EXPECT_EQ(history[4].white.fromX, 3);
  EXPECT_EQ(listTexts().size(), 2u + 3u * 5u);
}

TEST(Castling, LongOnBothSides) {
  startProgram();
  secenek2Click();
  playMoves("d2d4 d7d5 b1c3 b8c6 c1f4 c8f5 d1d2 d8d7");
  expectMade("e1", "b1");
  expectOccupant("b1", kKing, kWhite, 99);
  expectOccupant("c1", kRook, kWhite, 0);
  expectOccupant("a1", kEmpty, kNoSide, 99);
  expectOccupant("d1", kEmpty, kNoSide, 99);
  expectOccupant("e1", kEmpty, kNoSide, 99);
  expectAt(pieces.kings[0], "b1");
  expectAt(pieces.rooks[0][0], "c1");
  EXPECT_EQ(pieces.kings[0].moved, 1);
  expectPicture(13, 40, 280, 55);
  expectPicture(9, 80, 280, 34);
  EXPECT_EQ(listTexts().back(), "5-       BÜYÜK ROK");
  EXPECT_EQ(moveNumber, 5);
  EXPECT_EQ(moveCount, 4);
  expectHistory(history[4].white, 1, 0);

  expectMade("e8", "b8");
  expectOccupant("b8", kKing, kBlack, 99);
  expectOccupant("c8", kRook, kBlack, 0);
  expectOccupant("a8", kEmpty, kNoSide, 99);
  expectOccupant("e8", kEmpty, kNoSide, 99);
  expectAt(pieces.kings[1], "b8");
  expectAt(pieces.rooks[1][0], "c8");
  expectPicture(29, 40, 0, 44);
  expectPicture(25, 80, 0, 48);
  EXPECT_EQ(lastLines(2), (std::vector<std::string>{"      BÜYÜK ROK", "    "}));
  EXPECT_EQ(moveNumber, 5);
  EXPECT_EQ(moveCount, 5);
  expectHistory(history[4].black, 1, 7);
  EXPECT_EQ(consistencyFault(), "");
  EXPECT_EQ(listTexts().size(), 2u + 3u * 5u);
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
  // Pending kind / side / index and layer flag of king destination, king
  // start, rook destination and rook start.
  struct Cell {
    const char* square;
    int32_t kind, side, index, stable;
  };
  struct Case {
    int32_t code;
    int32_t side;
    Cell cells[4];
  };
  const Case cases[] = {
      {9, kWhite, {{"g1", 9, 1, 99, 1}, {"e1", 0, 0, 99, 1}, {"f1", 2, 1, 1, 1}, {"h1", 0, 0, 99, 1}}},
      {10, kWhite, {{"b1", 9, 1, 99, 1}, {"e1", 0, 0, 99, 0}, {"c1", 2, 1, 0, 1}, {"a1", 0, 0, 99, 0}}},
      {9, kBlack, {{"g8", 9, 2, 99, 0}, {"e8", 0, 0, 99, 0}, {"f8", 2, 2, 1, 0}, {"h8", 0, 0, 99, 0}}},
      {10, kBlack, {{"b8", 9, 2, 99, 0}, {"e8", 0, 0, 99, 0}, {"c8", 2, 2, 0, 0}, {"a8", 0, 0, 99, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("code " + std::to_string(c.code) + " side " + std::to_string(c.side));
    setUpKingsAndRooks();
    GameState before = gameState();
    trialMode = 1;  // as the search runs it
    EXPECT_EQ(castle(c.code, c.side, kCastleSearch), 1);
    trialMode = 0;
    for (const Cell& cell : c.cells) {
      const Square& s = squareNamed(cell.square);
      EXPECT_EQ(s.pendingKind, cell.kind) << cell.square;
      EXPECT_EQ(s.pendingSide, cell.side) << cell.square;
      EXPECT_EQ(s.pendingIndex, cell.index) << cell.square;
      EXPECT_EQ(s.stable, cell.stable) << cell.square;
    }
    const Piece& king = pieces.kings[c.side - 1];
    const Piece& rook = pieces.rooks[c.side - 1][c.code == 9 ? 1 : 0];
    EXPECT_EQ(king.targetX, c.code == 9 ? 6 : 1);
    EXPECT_EQ(rook.targetX, c.code == 9 ? 5 : 2);
    EXPECT_EQ(king.atRest + rook.atRest + king.moved + rook.moved, 0);
    // Committed layers, pictures, list, history and turn untouched.
    for (const Cell& cell : c.cells) {
      const int i = squareIndex(fileOf(cell.square), rankOf(cell.square));
      EXPECT_EQ(board.squares[i].kind, before.board.squares[i].kind) << cell.square;
      before.board.squares[i] = board.squares[i];
    }
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
