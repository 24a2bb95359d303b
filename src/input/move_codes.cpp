#include "input/move_codes.h"

#include <cstdlib>

#include "game/board.h"
#include "game/castling_squares.h"
#include "game/game.h"
#include "game/moves.h"

namespace {

int32_t pawnCode(Side side, int32_t dx, int32_t dy) {
  const int32_t dir = side == kWhite ? 1 : -1;
  if (dx == 0 && dy == dir) return 1;
  if (dx == 0 && dy == 2 * dir) return 2;
  if (dy == dir && dx == dir) return 3;
  if (dy == dir && dx == -dir) return 4;
  return 0;
}

int32_t stepCode(const Step* steps, int n, int32_t dx, int32_t dy) {
  for (int i = 0; i < n; ++i) {
    if (steps[i].dx == dx && steps[i].dy == dy) return i + 1;
  }
  return 0;
}

// Code of a sliding move along one of four directions, or 0.
int32_t slideCode(const Step* dirs, int32_t dx, int32_t dy) {
  const int32_t k = std::abs(dx) > std::abs(dy) ? std::abs(dx) : std::abs(dy);
  if (k == 0 || k > 7) return 0;
  if (dx % k != 0 || dy % k != 0) return 0;
  for (int d = 0; d < 4; ++d) {
    if (dirs[d].dx * k == dx && dirs[d].dy * k == dy) return d * kCodesPerDirection + k;
  }
  return 0;
}

int32_t kingCode(int32_t dx, int32_t dy) {
  for (const CastlingSquares& c : kCastlings) {
    if (dy == 0 && dx == c.kingTo - kKingStartFile) return c.code;
  }
  return stepCode(kKingSteps, 8, dx, dy);
}

}  // namespace

int32_t moveCodeFor(PieceKind kind, Side side, int32_t dx, int32_t dy) {
  switch (kind) {
    case kPawn: return pawnCode(side, dx, dy);
    case kKnight: return stepCode(kKnightSteps, 8, dx, dy);
    case kKing: return kingCode(dx, dy);
    case kRook: return slideCode(kRookDirections, dx, dy);
    case kBishop: return slideCode(kBishopDirections, dx, dy);
    case kQueen: {
      const int32_t diagonal = slideCode(kBishopDirections, dx, dy);
      if (diagonal != 0) return diagonal;
      const int32_t straight = slideCode(kRookDirections, dx, dy);
      return straight == 0 ? 0 : 28 + straight;
    }
    default: return 0;
  }
}

bool sidesTurn(const Position& position, Side side) { return side != kNoSide && sideToPlay(position) == side; }
