#include <gtest/gtest.h>

#include <cstring>

#include "controls/controls.h"
#include "fixtures.h"
#include "game/board.h"
#include "game/pictures.h"
#include "test_support.h"

namespace {

// Board picture and the stock pictures for a dark and a light destination.
struct PictureRow {
  int32_t side;
  int32_t kind;
  int32_t index;
  int picture;
  int dark;
  int light;
};

std::vector<PictureRow> pictureTable() {
  std::vector<PictureRow> rows;
  for (int i = 0; i < 8; ++i) {
    rows.push_back({kWhite, kPawn, i, 1 + i, 33, 45});
    rows.push_back({kBlack, kPawn, i, 17 + i, 39, 46});
  }
  const PictureRow backRank[] = {
      {kWhite, kRook, 0, 9, 34, 47},    {kWhite, kRook, 1, 16, 34, 47},   {kWhite, kKnight, 0, 10, 35, 49},
      {kWhite, kKnight, 1, 15, 35, 49}, {kWhite, kBishop, 0, 11, 36, 51}, {kWhite, kBishop, 1, 14, 36, 51},
      {kWhite, kQueen, 0, 12, 37, 53},  {kWhite, kKing, 0, 13, 38, 55},   {kBlack, kRook, 0, 25, 40, 48},
      {kBlack, kRook, 1, 32, 40, 48},   {kBlack, kKnight, 0, 26, 41, 50}, {kBlack, kKnight, 1, 31, 41, 50},
      {kBlack, kBishop, 0, 27, 42, 52}, {kBlack, kBishop, 1, 30, 42, 52}, {kBlack, kQueen, 0, 28, 43, 54},
      {kBlack, kKing, 0, 29, 44, 56},
  };
  rows.insert(rows.end(), std::begin(backRank), std::end(backRank));
  return rows;
}

void setMoving(int32_t side, int32_t kind, int32_t index, int32_t parity) {
  movingSide = side;
  movingKind = kind;
  movingIndex = index;
  targetParity = parity;
}

}  // namespace

TEST(Pictures, PlacePictureMovesTheRightPictureWithTheRightBitmap) {
  startProgram();
  // The examples: pawn e2-e4 onto a light square, knight g8-f6 onto a dark one.
  setMoving(kWhite, kPawn, 4, 1);
  int32_t oldLeft = -1;
  int32_t oldTop = -1;
  placePicture(160, 160, oldLeft, oldTop);
  EXPECT_EQ(form1.image[5].bitmap, 45);
  EXPECT_EQ(form1.image[5].left, 160);
  EXPECT_EQ(form1.image[5].top, 160);
  EXPECT_EQ(oldLeft, 160);
  EXPECT_EQ(oldTop, 240);
  EXPECT_EQ(sideToMove, kBlackToMove);
  setMoving(kBlack, kKnight, 1, 0);
  placePicture(200, 80, oldLeft, oldTop);
  EXPECT_EQ(form1.image[31].bitmap, 41);
  EXPECT_EQ(oldLeft, 240);
  EXPECT_EQ(oldTop, 0);
  EXPECT_EQ(sideToMove, kWhiteToMove);

  for (const PictureRow& row : pictureTable()) {
    for (int32_t parity : {0, 1}) {
      SCOPED_TRACE("side " + std::to_string(row.side) + " kind " + std::to_string(row.kind) + " index " +
                   std::to_string(row.index) + " parity " + std::to_string(parity));
      startProgram();
      form1.image[row.picture] = PictureControl{11, 22, 0, false, false};
      PictureControl others[kLastStockPicture + 1];
      std::memcpy(others, form1.image, sizeof others);
      // Queens and kings are found whatever index the caller passes.
      const int32_t index = row.kind == kQueen || row.kind == kKing ? 5 : row.index;
      setMoving(row.side, row.kind, index, parity);
      int32_t left = -1;
      int32_t top = -1;
      placePicture(123, 45, left, top);
      const PictureControl& pic = form1.image[row.picture];
      EXPECT_EQ(pic.bitmap, parity == 0 ? row.dark : row.light);
      EXPECT_EQ(pic.left, 123);
      EXPECT_EQ(pic.top, 45);
      EXPECT_TRUE(pic.visible);
      EXPECT_TRUE(pic.enabled);
      EXPECT_EQ(left, 11);
      EXPECT_EQ(top, 22);
      EXPECT_EQ(sideToMove, row.side == kWhite ? kBlackToMove : kWhiteToMove);
      for (int n = 1; n <= kLastStockPicture; ++n) {
        if (n != row.picture) {
          EXPECT_TRUE(samePicture(others[n], form1.image[n])) << "Image" << n;
        }
      }
    }
  }
}

TEST(Pictures, NoSideOrNoPicture) {
  startProgram();
  PictureControl before[kLastStockPicture + 1];
  std::memcpy(before, form1.image, sizeof before);
  int32_t left = -1;
  int32_t top = -1;
  // No side: nothing at all, not even the turn.
  setMoving(kNoSide, kPawn, 0, 1);
  placePicture(0, 0, left, top);
  EXPECT_EQ(sideToMove, kWhiteToMove);
  setMoving(3, kPawn, 0, 1);
  placePicture(0, 0, left, top);
  EXPECT_EQ(sideToMove, kWhiteToMove);
  // A combination that names no picture: no picture changes, the turn does.
  setMoving(kWhite, 6, 0, 1);
  placePicture(0, 0, left, top);
  EXPECT_EQ(sideToMove, kBlackToMove);
  setMoving(kBlack, kRook, 2, 1);
  placePicture(0, 0, left, top);
  EXPECT_EQ(sideToMove, kWhiteToMove);
  setMoving(kWhite, kPawn, 8, 0);
  placePicture(0, 0, left, top);
  EXPECT_EQ(left, -1);
  EXPECT_EQ(top, -1);
  for (int n = 1; n <= kLastStockPicture; ++n) EXPECT_TRUE(samePicture(before[n], form1.image[n])) << "Image" << n;
}
