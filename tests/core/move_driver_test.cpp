#include <gtest/gtest.h>

#include "controls/controls.h"
#include "fixtures.h"
#include "game/board.h"
#include "game/captures.h"
#include "input/move_driver.h"
#include "test_support.h"
#include "ui/main_window.h"

namespace {

void startTwoPlayerGame() {
  startProgram();
  secenek2Click();
}

// The drag variables for the piece on `from`, then the driver itself.
int32_t request(const std::string& from, const std::string& to) {
  const int picture = pictureOn(from);
  Image1MouseDown(picture, MouseButton::Left);
  dragToX = fileOf(to);
  dragToY = rankOf(to);
  dropLeft = squareLeft(dragToX);
  dropTop = squareTop(dragToY);
  return requestMove(movingKind, movingSide, movingIndex);
}

std::vector<int> selectedLines() {
  std::vector<int> out;
  for (size_t i = 0; i < form1.listBox1.size(); ++i) {
    if (form1.listBox1[i].selected) out.push_back(static_cast<int>(i));
  }
  return out;
}

void expectUnchangedBy(const std::string& from, const std::string& to) {
  SCOPED_TRACE(from + "-" + to);
  const GameState before = gameState();
  EXPECT_EQ(request(from, to), 0);
  EXPECT_EQ(stateDifference(before, gameState()), "");
}

}  // namespace

TEST(MoveDriver, TurnsListLinesAndSelection) {
  startTwoPlayerGame();
  EXPECT_EQ(request("e2", "e4"), 1);
  EXPECT_EQ(listTexts().back(), "1- piyon(5)     E2-E4");
  EXPECT_EQ(sideToMove, kBlackToMove);
  EXPECT_EQ(moveCount, 0);
  EXPECT_EQ(moveNumber, 1);
  EXPECT_EQ(gameSaved, 0);
  EXPECT_EQ(listSelection, 0);
  EXPECT_TRUE(selectedLines().empty());  // a white pawn move leaves the selection

  // Out of turn and displacements that name no step change nothing.
  expectUnchangedBy("d2", "d4");
  expectUnchangedBy("g1", "f3");

  EXPECT_EQ(request("e7", "e5"), 1);
  ASSERT_EQ(listTexts().size(), 5u);
  EXPECT_EQ(listTexts()[3], "    piyon(5)     E7-E5");
  EXPECT_EQ(listTexts()[4], "    ");
  EXPECT_EQ(moveCount, 1);
  EXPECT_EQ(moveNumber, 1);
  EXPECT_EQ(sideToMove, kWhiteToMove);
  EXPECT_EQ(listSelection, 4);
  EXPECT_EQ(selectedLines(), std::vector<int>{4});
  expectUnchangedBy("d7", "d5");

  EXPECT_EQ(request("g1", "f3"), 1);
  EXPECT_EQ(listTexts().back(), "2-      at(2)     G1-F3");
  EXPECT_EQ(listSelection, 5);
  EXPECT_EQ(selectedLines(), std::vector<int>{5});
  EXPECT_EQ(request("b8", "c6"), 1);
  EXPECT_EQ(selectedLines(), std::vector<int>{7});
  EXPECT_EQ(request("d2", "d4"), 1);  // white pawn: the selection stays
  EXPECT_EQ(selectedLines(), std::vector<int>{7});
  EXPECT_EQ(listSelection, 7);

  expectUnchangedBy("e5", "f5");  // pawn sideways
  expectUnchangedBy("e5", "e3");  // pawn two squares, not from its first move
  expectUnchangedBy("c6", "f7");  // knight (3, 1)
  expectUnchangedBy("e8", "c8");  // king two files toward a
  expectUnchangedBy("f8", "f6");  // bishop straight
  expectUnchangedBy("d8", "b7");  // queen, neither straight nor diagonal
  expectUnchangedBy("c6", "c6");  // no displacement
}

TEST(MoveDriver, HistoryRecordsWhatTakeBackNeeds) {
  startTwoPlayerGame();
  playMoves("e2e4 d7d5");
  const HalfMoveRecord& w1 = history[0].white;
  EXPECT_EQ(w1.kind, 1);
  EXPECT_EQ(w1.movedBefore, 0);
  EXPECT_EQ(w1.index, 4);
  EXPECT_EQ(w1.fromX, 4);
  EXPECT_EQ(w1.fromY, 1);
  EXPECT_EQ(w1.toX, 4);
  EXPECT_EQ(w1.toY, 3);
  EXPECT_EQ(w1.oldLeft, 160);
  EXPECT_EQ(w1.oldTop, 240);
  const HalfMoveRecord& b1 = history[0].black;
  EXPECT_EQ(b1.kind, 1);
  EXPECT_EQ(b1.index, 3);
  EXPECT_EQ(b1.fromY, 6);
  EXPECT_EQ(b1.toY, 4);
  EXPECT_EQ(b1.oldLeft, 120);
  EXPECT_EQ(b1.oldTop, 40);

  // White's pawn takes the pawn d5; the black queen takes back.
  playMoves("e4d5");
  const HalfMoveRecord& w2 = history[1].white;
  EXPECT_EQ(w2.kind, 1);
  EXPECT_EQ(w2.movedBefore, 1);
  EXPECT_EQ(w2.fromX, 4);
  EXPECT_EQ(w2.fromY, 3);
  EXPECT_EQ(w2.toX, 3);
  EXPECT_EQ(w2.toY, 4);
  EXPECT_EQ(w2.captureFlag, 1);
  EXPECT_EQ(w2.capturedKind, 1);
  EXPECT_EQ(w2.capturedIndex, 3);
  EXPECT_EQ(w2.capturedMoved, 1);
  EXPECT_EQ(w2.captureX, 3);
  EXPECT_EQ(w2.captureY, 4);
  EXPECT_EQ(w2.newLeft, 120);
  EXPECT_EQ(w2.newTop, 120);
  EXPECT_EQ(capturedMovedBlack, 0);
  EXPECT_EQ(listTexts().back(), "2- piyon(5)     E4xD5");
  playMoves("d8d5");
  const HalfMoveRecord& b2 = history[1].black;
  EXPECT_EQ(b2.kind, 5);
  EXPECT_EQ(b2.index, 0);
  EXPECT_EQ(b2.fromX, 3);
  EXPECT_EQ(b2.fromY, 7);
  EXPECT_EQ(b2.oldLeft, 120);
  EXPECT_EQ(b2.oldTop, 0);
  EXPECT_EQ(b2.captureFlag, 1);
  EXPECT_EQ(b2.capturedKind, 1);
  EXPECT_EQ(b2.capturedIndex, 4);
  EXPECT_EQ(b2.capturedMoved, 1);
  EXPECT_EQ(capturedMovedWhite, 0);
  EXPECT_EQ(listTexts()[listTexts().size() - 2], "        vezir      D8xD5");
  EXPECT_EQ(squareNamed("d5").index, 0);  // the queen carries the index board input gave it

  // A captured knight leaves the variable as it was: that value is recorded.
  playMoves("g1f3");
  capturedMovedWhite = 1;
  playMoves("d5f3");
  const HalfMoveRecord& b3 = history[2].black;
  EXPECT_EQ(b3.capturedKind, 3);
  EXPECT_EQ(b3.capturedIndex, 1);
  EXPECT_EQ(b3.capturedMoved, 1);
  EXPECT_EQ(b3.captureX, 5);
  EXPECT_EQ(b3.captureY, 2);
  EXPECT_EQ(capturedMovedWhite, 0);

  // The rook's and the king's moved flags before their moves.
  playMoves("h2h4 a7a6 h1h3 a6a5 h3h1 a5a4 e1e2 a4a3 e2e1");
  EXPECT_EQ(history[4].white.kind, 2);
  EXPECT_EQ(history[4].white.index, 1);
  EXPECT_EQ(history[4].white.movedBefore, 0);
  EXPECT_EQ(history[5].white.movedBefore, 1);
  EXPECT_EQ(history[6].white.kind, 9);
  EXPECT_EQ(history[6].white.movedBefore, 0);
  EXPECT_EQ(history[7].white.movedBefore, 1);
  EXPECT_EQ(history[7].white.fromY, 1);
  EXPECT_EQ(history[7].white.toY, 0);
  EXPECT_EQ(moveCount, 7);
  EXPECT_EQ(consistencyFault(), "");
}

TEST(MoveDriver, CheckNoticeAfterBlackMoves) {
  startTwoPlayerGame();
  playMoves("f2f3 e7e5 g2g4");
  EXPECT_FALSE(form2.visible);
  playMoves("d8h4");
  EXPECT_TRUE(form2.visible);
  // White may leave its king attacked; no check test follows White's move.
  form2.visible = false;
  EXPECT_EQ(request("a2", "a3"), 1);
  EXPECT_FALSE(form2.visible);
  // Every check shows the notice again, and counts, so that the screen brings
  // it forward even when it is still open.
  playMoves("b7b6 a3a4 b6b5");
  EXPECT_TRUE(form2.visible);
  EXPECT_EQ(form2.timesShown, 3);

  // Not while a saved game is replayed.
  startTwoPlayerGame();
  replaying = 1;
  playMoves("f2f3 e7e5 g2g4 d8h4");
  replaying = 0;
  EXPECT_FALSE(form2.visible);

  // A black king move that uncovers the rook shows nothing; another piece
  // uncovering it does.
  for (int32_t kind : {kKing, kKnight}) {
    SCOPED_TRACE("kind " + std::to_string(kind));
    startTwoPlayerGame();
    clearBoard();
    placePiece(kKing, kWhite, 9, "e1");
    placePiece(kRook, kBlack, 0, "e8");
    if (kind == kKnight) placePiece(kKing, kBlack, 9, "a8");
    placePiece(kind, kBlack, 0, "e5");
    syncPictures();
    sideToMove = kBlackToMove;
    EXPECT_EQ(request("e5", kind == kKing ? "d5" : "c4"), 1);
    EXPECT_EQ(form2.visible, kind != kKing);
  }
}

TEST(MoveDriver, FullHistoryRefusesWithAMessage) {
  startTwoPlayerGame();
  playMoves("e2e4 e7e5 g1f3 g8f6 f1c4 f8c5");
  ScriptedDialogs scripted;
  moveCount = kHistoryCapacity - 1;
  EXPECT_EQ(request("d2", "d3"), 1);
  EXPECT_EQ(request("d7", "d6"), 1);
  EXPECT_EQ(moveCount, kHistoryCapacity);
  EXPECT_EQ(history[kHistoryCapacity - 1].white.index, 3);
  EXPECT_EQ(history[kHistoryCapacity - 1].black.fromY, 6);
  EXPECT_TRUE(scripted.messages.empty());
  expectUnchangedBy("b1", "c3");
  ASSERT_EQ(scripted.messages.size(), 1u);
  EXPECT_FALSE(scripted.messages[0].empty());
  expectUnchangedBy("e1", "g1");  // castling finds no room either
  EXPECT_EQ(scripted.messages.size(), 2u);
}

TEST(MoveDriver, NoCheckNoticeForAKingAlreadyTaken) {
  // The white king has been taken on e1; a black rook now sweeps the first
  // rank. There is no king to warn.
  startProgram();
  secenek2Click();
  clearBoard();
  placePiece(kKing, kBlack, 0, "e8");
  placePiece(kRook, kBlack, 0, "a8");
  Piece& whiteKing = placePiece(kKing, kWhite, 0, "e1");
  clearSquare(squareNamed("e1"));
  whiteKing.onBoard = 0;
  syncPictures();
  sideToMove = kBlackToMove;
  dragFromX = 0;
  dragFromY = 7;
  dragToX = 0;
  dragToY = 0;
  movingKind = kRook;
  movingSide = kBlack;
  movingIndex = 0;
  ASSERT_EQ(requestMove(kRook, kBlack, 0), 1);
  EXPECT_FALSE(form2.visible);
}
