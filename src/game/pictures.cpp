#include "game/pictures.h"

#include "game/board.h"
#include "ui/controls.h"

namespace {

// Board pictures of the back-rank pieces by kind and index (0 / 1), White;
// Black's are 16 higher.
int whiteBackRankPicture(int32_t kind, int32_t index) {
  switch (kind) {
    case kRook: return index == 0 ? 9 : index == 1 ? 16 : 0;
    case kKnight: return index == 0 ? 10 : index == 1 ? 15 : 0;
    case kBishop: return index == 0 ? 11 : index == 1 ? 14 : 0;
    case kQueen: return 12;
    case kKing: return 13;
    default: return 0;
  }
}

// Position of a kind in the stock order pawn, rook, knight, bishop, queen, king.
int stockOrder(int32_t kind) {
  switch (kind) {
    case kPawn: return 0;
    case kRook: return 1;
    case kKnight: return 2;
    case kBishop: return 3;
    case kQueen: return 4;
    case kKing: return 5;
    default: return -1;
  }
}

}  // namespace

int boardPictureOf(int32_t side, int32_t kind, int32_t index) {
  if (side != kWhite && side != kBlack) return 0;
  const int offset = side == kWhite ? 0 : 16;
  if (kind == kPawn) return index >= 0 && index < 8 ? 1 + index + offset : 0;
  const int white = whiteBackRankPicture(kind, index);
  return white == 0 ? 0 : white + offset;
}

int stockPictureOf(int32_t side, int32_t kind, int32_t parity) {
  const int order = stockOrder(kind);
  if (order < 0 || (side != kWhite && side != kBlack)) return 0;
  if (parity == 0) return (side == kWhite ? 33 : 39) + order;
  return 45 + 2 * order + (side == kWhite ? 0 : 1);
}

int lostPictureOf(int32_t side, int32_t kind, int32_t index) {
  const bool white = side == kWhite;
  if (side != kWhite && side != kBlack) return 0;
  switch (kind) {
    case kPawn:
      if (index == 0) return white ? 33 : 39;
      return index > 0 && index < 8 ? (white ? 0 : 10) + index : 0;
    case kRook: return index == 0 ? (white ? 34 : 40) : index == 1 ? (white ? 9 : 18) : 0;
    case kKnight: return index == 0 ? (white ? 35 : 41) : index == 1 ? (white ? 8 : 19) : 0;
    case kBishop: return index == 0 ? (white ? 10 : 42) : index == 1 ? (white ? 36 : 20) : 0;
    case kQueen: return white ? 37 : 43;
    case kKing: return white ? 38 : 44;
    default: return 0;
  }
}

void placePicture(int32_t left, int32_t top, int32_t& oldLeft, int32_t& oldTop) {
  if (movingSide != kWhite && movingSide != kBlack) return;
  const int n = boardPictureOf(movingSide, movingKind, movingIndex);
  if (n != 0) {
    PictureControl& pic = form1.image[n];
    pic.bitmap = stockPictureOf(movingSide, movingKind, targetParity);
    pic.visible = true;
    pic.enabled = true;
    oldLeft = pic.left;
    oldTop = pic.top;
    pic.left = left;
    pic.top = top;
  }
  sideToMove = movingSide == kWhite ? kBlackToMove : kWhiteToMove;
}
