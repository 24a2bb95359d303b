#include <gtest/gtest.h>

#include "game/board.h"
#include "input/move_list.h"

namespace {

// Squares by name for the line builder.
std::string line(PieceKind kind, Side side, int32_t index, const char* move, int32_t number) {
  return formatMoveLine(kind, side, index, move[0] - 'a', move[1] - '1', move[3] - 'a', move[4] - '1', move[2], number);
}

}  // namespace

TEST(MoveList, LinesByteForByte) {
  EXPECT_STREQ(kListHeader1, "     TAŞ        ILK SON ");
  EXPECT_STREQ(kListHeader2, "    --------       ------ -------- ");
  EXPECT_STREQ(kBlankListLine, "    ");

  // The examples of the move list.
  EXPECT_EQ(line(kPawn, kWhite, 4, "e2-e4", 1), "1- piyon(5)     E2-E4");
  EXPECT_EQ(line(kPawn, kBlack, 4, "e7-e5", 1), "    piyon(5)     E7-E5");
  EXPECT_EQ(line(kKnight, kWhite, 1, "g1-f3", 2), "2-      at(2)     G1-F3");
  EXPECT_EQ(line(kQueen, kWhite, 0, "d1xh5", 3), "3-     vezir      D1xH5");
  EXPECT_EQ(line(kKing, kBlack, 0, "e8-f7", 4), "         sah       E8-F7");
  EXPECT_EQ(formatCastlingLine(kShortCastling, kWhite, 5), "5-       KÜÇÜK ROK");

  // Every kind for both sides; the number is the index + 1, none for the
  // queen and the king whatever index they carry.
  EXPECT_EQ(line(kRook, kWhite, 0, "a1-a4", 6), "6-   kale(1)     A1-A4");
  EXPECT_EQ(line(kRook, kBlack, 1, "h8xh2", 6), "      kale(2)     H8xH2");
  EXPECT_EQ(line(kKnight, kBlack, 0, "b8-c6", 2), "         at(1)     B8-C6");
  EXPECT_EQ(line(kBishop, kWhite, 1, "f1-c4", 3), "3-       fil(2)     F1-C4");
  EXPECT_EQ(line(kBishop, kBlack, 0, "c8xg4", 4), "          fil(1)     C8xG4");
  EXPECT_EQ(line(kQueen, kBlack, 9, "d8xd5", 2), "        vezir      D8xD5");
  EXPECT_EQ(line(kKing, kWhite, 99, "e1-f1", 7), "7-      sah       E1-F1");
  EXPECT_EQ(line(kPawn, kBlack, 0, "a7xb6", 9), "    piyon(1)     A7xB6");
  EXPECT_EQ(line(kPawn, kWhite, 7, "h2-h3", 8), "8- piyon(8)     H2-H3");

  // Move numbers are written in full.
  EXPECT_EQ(line(kPawn, kWhite, 0, "a2-a3", 9), "9- piyon(1)     A2-A3");
  EXPECT_EQ(line(kPawn, kWhite, 0, "a2-a3", 10), "10- piyon(1)     A2-A3");
  EXPECT_EQ(line(kQueen, kWhite, 0, "d1-d2", 100), "100-     vezir      D1-D2");
  EXPECT_EQ(formatCastlingLine(kLongCastling, kWhite, 12), "12-       BÜYÜK ROK");

  // Black's castling lines carry no number.
  EXPECT_EQ(formatCastlingLine(kShortCastling, kBlack, 7), "      KÜÇÜK ROK");
  EXPECT_EQ(formatCastlingLine(kLongCastling, kBlack, 7), "      BÜYÜK ROK");
}
