#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <sstream>
#include <tuple>

#include "fixtures.h"
#include "game/board.h"
#include "game/game.h"
#include "game/pictures.h"
#include "test_support.h"
#include "ui/program.h"
#include "ui/projection.h"
#include "ui/windows.h"

namespace {

// Each piece ("R1": a white rook of index 1, lower case Black) with its
// board picture and the stock pictures for a dark and a light destination.
std::string pictureTable() {
  std::string table =
      "R0 9 34 47 R1 16 34 47 N0 10 35 49 N1 15 35 49 B0 11 36 51 B1 14 36 51 Q0 12 37 53 K0 13 38 55 "
      "r0 25 40 48 r1 32 40 48 n0 26 41 50 n1 31 41 50 b0 27 42 52 b1 30 42 52 q0 28 43 54 k0 29 44 56";
  for (int i = 0; i < 8; ++i) {
    table += " P" + std::to_string(i) + " " + std::to_string(1 + i) + " 33 45";
    table += " p" + std::to_string(i) + " " + std::to_string(17 + i) + " 39 46";
  }
  return table;
}

// Puts a piece on (x, y) of the piece records alone, as a move leaves it.
void putPiece(Side side, PieceKind kind, int32_t index, int x, int y) {
  Piece& p = *pieceOf(game, kind, side, index);
  p.x = p.targetX = x;
  p.y = p.targetY = y;
  p.onBoard = true;
}

}  // namespace

TEST(Pictures, BoardPicturesFollowTheirPieces) {
  startProgram();
  // The examples: pawn e2-e4 onto a light square, knight g8-f6 onto a dark one.
  putPiece(kWhite, kPawn, 4, 4, 3);
  putPiece(kBlack, kKnight, 1, 5, 5);
  showGame(game, windows);
  EXPECT_EQ(pictureState(5), "160,160 45");
  EXPECT_EQ(pictureState(31), "200,80 41");

  std::istringstream table(pictureTable());
  std::string piece;
  int picture = 0, dark = 0, light = 0, rows = 0;
  while (table >> piece >> picture >> dark >> light) {
    ++rows;
    const Side side = piece[0] >= 'a' ? kBlack : kWhite;
    const PieceKind kind = kKindOrder[std::string("PRNBQK").find(static_cast<char>(std::toupper(piece[0])))];
    const int32_t index = piece[1] - '0';
    for (int32_t parity : {0, 1}) {
      SCOPED_TRACE(piece + " parity " + std::to_string(parity));
      startProgram();
      windows.form1.image[picture] = PictureControl{11, 22, 0, false, false};
      PictureControl others[kLastStockPicture + 1];
      std::memcpy(others, windows.form1.image, sizeof others);
      // d3 is dark, e3 light.
      putPiece(side, kind, index, parity == 0 ? 3 : 4, 5);
      showGame(game, windows);
      EXPECT_EQ(pictureState(picture),
                (parity == 0 ? "120,80 " : "160,80 ") + std::to_string(parity == 0 ? dark : light));
      for (int n = 1; n <= kLastStockPicture; ++n) {
        if (n != picture) {
          EXPECT_TRUE(samePicture(others[n], windows.form1.image[n])) << "Image" << n;
        }
      }
      const PictureOwner owner = pictureOwner(picture);
      EXPECT_EQ((std::tuple{owner.side, owner.kind, owner.index}),
                (std::tuple{side, kind, kind == kQueen || kind == kKing ? 0 : index}));
    }
  }
  EXPECT_EQ(rows, kBoardPictureCount);
}

TEST(Pictures, PiecesOffTheBoardOrNoPicture) {
  // A piece off the board: its picture hidden and disabled where it stood,
  // with its bitmap; the stock pictures never change.
  startProgram();
  PictureControl before[kLastStockPicture + 1];
  std::memcpy(before, windows.form1.image, sizeof before);
  game.pieces.bishops[1][1].onBoard = false;
  showGame(game, windows);
  EXPECT_EQ(pictureState(30), "200,0 42 hidden");
  for (int n = 1; n <= kLastStockPicture; ++n) {
    EXPECT_TRUE(n == 30 || samePicture(before[n], windows.form1.image[n])) << "Image" << n;
  }
  // Numbers that are no board picture stand for no piece.
  for (int n : {0, kBoardPictureCount + 1}) EXPECT_EQ(pictureOwner(n).side, kNoSide) << n;
}
