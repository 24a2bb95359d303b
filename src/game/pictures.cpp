#include "game/pictures.h"

#include "controls/controls.h"
#include "game/board.h"

namespace {

constexpr int kFirstBackRankPicture = 9;  // a-file rook; Black's pictures are 16 higher
constexpr int kBlackPictureOffset = 16;

// Index of the back-rank piece on a file: the queen's side has index 0, the
// king's side 1 (queen and king themselves 0).
constexpr int32_t backRankIndex(int file) { return file <= 4 ? 0 : 1; }

}  // namespace

PictureOwner pictureOwner(int picture) {
  if (picture < 1 || picture > kBoardPictureCount) return {kEmpty, kNoSide, 0};
  const Side side = picture <= 16 ? kWhite : kBlack;
  const int n = (picture - 1) % kBlackPictureOffset;  // 0..15 within the side
  if (n < kBoardSize) return {kPawn, side, n};
  const int file = n - kBoardSize;
  return {backRankKinds[file], side, backRankIndex(file)};
}

int stockPictureOf(Side side, PieceKind kind, int32_t parity) {
  for (int i = 0; i < kStockPictureCount; ++i) {
    const StockPicture& s = kStockPictures[i];
    if (s.kind == kind && s.side == side && s.parity == parity) return kFirstStockPicture + i;
  }
  return 0;
}

int lostPictureOf(Side side, PieceKind kind, int32_t index) {
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
