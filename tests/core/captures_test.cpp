#include <gtest/gtest.h>

#include <cstring>

#include "controls/controls.h"
#include "fixtures.h"
#include "game/board.h"
#include "game/captures.h"
#include "test_support.h"
#include "ui/main_window.h"

namespace {

// A real capture of the committed occupant (kind, side, index).
void capture(int32_t kind, int32_t side, int32_t index) {
  takePiece(kEmpty, kind, kNoSide, side, kNoIndex, index, kShowCapture, 0, kCommittedLayer);
}

void expectLost(int picture, int left, int top) {
  EXPECT_TRUE(form3.image[picture].visible) << "Form3 Image" << picture;
  EXPECT_EQ(form3.image[picture].left, left) << "Form3 Image" << picture;
  EXPECT_EQ(form3.image[picture].top, top) << "Form3 Image" << picture;
}

void expectBoardPictureGone(int picture) {
  EXPECT_FALSE(form1.image[picture].visible) << "Image" << picture;
  EXPECT_FALSE(form1.image[picture].enabled) << "Image" << picture;
}

}  // namespace

TEST(Captures, LostPiecesFillTheCapturedPiecesWindow) {
  startProgram();
  pieces.pawns[0][3].moved = 1;
  capture(kPawn, kWhite, 3);
  EXPECT_EQ(pieces.pawns[0][3].onBoard, 0);
  EXPECT_EQ(pieces.pawns[0][3].atRest, 1);
  EXPECT_EQ(capturedMovedWhite, 1);
  expectLost(3, 15, 34);
  expectBoardPictureGone(4);
  EXPECT_TRUE(form3.visible);
  EXPECT_FALSE(form1.label20Visible);

  capturedMovedWhite = 5;
  capture(kKnight, kWhite, 1);
  EXPECT_EQ(capturedMovedWhite, 5);  // knights leave it alone
  expectLost(8, 50, 34);
  expectBoardPictureGone(15);
  capture(kBishop, kWhite, 0);
  expectLost(10, 15, 68);
  capture(kPawn, kWhite, 0);
  expectLost(33, 50, 68);
  capture(kQueen, kWhite, 9);
  expectLost(37, 15, 102);

  capture(kRook, kBlack, 1);
  expectLost(18, 90, 34);
  expectBoardPictureGone(32);
  EXPECT_EQ(form3.timesShown, 6);  // every capture brings the window forward again
  EXPECT_EQ(capturedMovedBlack, 0);
  capture(kQueen, kBlack, 99);
  expectLost(43, 125, 34);
  expectBoardPictureGone(28);
  EXPECT_FALSE(form1.label20Visible);
  capture(kKing, kBlack, 0);
  expectLost(44, 90, 68);
  EXPECT_TRUE(form1.label20Visible);
  EXPECT_EQ(pieces.kings[1].onBoard, 0);
}

TEST(Captures, TwoPlayersAndSearchCalls) {
  // Two players: flags and board picture, no captured-pieces window.
  startProgram();
  secenek2Click();
  const Form3Controls lostBefore = form3;
  capture(kRook, kWhite, 0);
  capture(kKing, kBlack, 0);
  EXPECT_EQ(pieces.rooks[0][0].onBoard, 0);
  EXPECT_EQ(pieces.kings[1].onBoard, 0);
  expectBoardPictureGone(9);
  expectBoardPictureGone(29);
  EXPECT_FALSE(form3.visible);
  for (int n = 0; n < kLostPictureSlots; ++n) EXPECT_TRUE(samePicture(lostBefore.image[n], form3.image[n]));
  EXPECT_FALSE(form1.label20Visible);
  EXPECT_EQ(whiteLost.count, 0);
  EXPECT_EQ(blackLost.count, 0);

  // The search takes a piece off and puts it back through the layer it
  // stood in; no picture and no placement counter moves.
  startProgram();
  PictureControl board[kLastStockPicture + 1];
  std::memcpy(board, form1.image, sizeof board);
  pieces.rooks[1][1].moved = 1;
  takePiece(kRook, kEmpty, kBlack, kNoSide, 1, kNoIndex, kSearchOnly, 0, kPendingLayer);
  EXPECT_EQ(pieces.rooks[1][1].onBoard, 0);
  EXPECT_EQ(pieces.rooks[1][1].atRest, 0);
  EXPECT_EQ(capturedMovedBlack, 1);
  takePiece(kRook, kEmpty, kBlack, kNoSide, 1, kNoIndex, kSearchOnly, 1, kPendingLayer);
  EXPECT_EQ(pieces.rooks[1][1].onBoard, 1);
  takePiece(kEmpty, kKnight, kNoSide, kWhite, kNoIndex, 0, kSearchOnly, 0, kCommittedLayer);
  EXPECT_EQ(pieces.knights[0][0].onBoard, 0);
  EXPECT_EQ(pieces.knights[0][0].atRest, 1);
  for (int n = 1; n <= kLastStockPicture; ++n) EXPECT_TRUE(samePicture(board[n], form1.image[n])) << "Image" << n;
  EXPECT_FALSE(form3.visible);
  EXPECT_EQ(whiteLost.count, 0);
  EXPECT_EQ(blackLost.count, 0);

  hideBlackPicture(kBishop, 1);
  expectBoardPictureGone(30);
  hideBlackPicture(7, 0);
  EXPECT_TRUE(form1.image[1].visible);
}
