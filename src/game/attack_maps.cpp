#include "game/attack_maps.h"

#include <cstring>

#include "game/board.h"
#include "game/moves.h"

namespace {

inline void mark(int s, int x, int y, int32_t v) {
  attackSum[s][x][y] += v;
  AttackList& list = attackers[s][x][y];
  if (list.count < kAttackListLength) {
    list.values[list.count] = v;
    list.count += 1;
  }
}

inline void markIfOnBoard(int s, int x, int y, int32_t v) {
  if (onBoardCoord(x, y)) mark(s, x, y, v);
}

// A piece attacks from its target when it has a pending move; 0 when it
// attacks nothing (off the board or in an unknown state).
inline bool originOf(const Piece& p, int& ox, int& oy) {
  if (p.onBoard != 1) return false;
  if (p.atRest == 1) {
    ox = p.x;
    oy = p.y;
    return true;
  }
  if (p.atRest == 0) {
    ox = p.targetX;
    oy = p.targetY;
    return true;
  }
  return false;
}

void markSteps(int s, const Piece& p, const Step* steps, int n, int32_t v) {
  int ox = 0;
  int oy = 0;
  if (!originOf(p, ox, oy)) return;
  for (int i = 0; i < n; ++i) markIfOnBoard(s, ox + steps[i].dx, oy + steps[i].dy, v);
}

// One ray per direction: every square up to and including the first occupied
// one, whatever its side.
void markRays(int s, const Piece& p, const Step* dirs, int n, int32_t v) {
  int ox = 0;
  int oy = 0;
  if (!originOf(p, ox, oy)) return;
  for (int d = 0; d < n; ++d) {
    int x = ox;
    int y = oy;
    for (int k = 1; k <= 7; ++k) {
      x += dirs[d].dx;
      y += dirs[d].dy;
      if (!onBoardCoord(x, y)) break;
      mark(s, x, y, v);
      if (activeSide(board.squares[squareIndex(x, y)]) != kNoSide) break;
    }
  }
}

void markPawn(int s, const Piece& p) {
  int ox = 0;
  int oy = 0;
  if (!originOf(p, ox, oy)) return;
  const int32_t v = materialValueTable[0];
  if (s == 0) {
    markIfOnBoard(s, ox + 1, oy + 1, v);
    markIfOnBoard(s, ox - 1, oy + 1, v);
  } else {
    markIfOnBoard(s, ox - 1, oy - 1, v);
    markIfOnBoard(s, ox + 1, oy - 1, v);
  }
}

constexpr Step kAttackKnightSteps[8] = {{1, 2}, {2, 1}, {2, -1}, {-2, 1}, {-1, -2}, {-2, -1}, {1, -2}, {-1, 2}};
constexpr Step kRookRays[4] = {{0, 1}, {1, 0}, {0, -1}, {-1, 0}};
constexpr Step kBishopRays[4] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
constexpr Step kQueenRays[8] = {{0, 1}, {1, 0}, {0, -1}, {-1, 0}, {1, 1}, {-1, 1}, {-1, -1}, {1, -1}};

}  // namespace

void buildAttackMaps() {
  std::memset(attackSum, 0, sizeof attackSum);
  std::memset(attackers, 0, sizeof attackers);
  // Kinds in the order pawn, king, knight, bishop, rook, queen keep every
  // list cheapest first.
  for (int n = 0; n < 8; ++n) {
    markPawn(0, pieces.pawns[0][n]);
    markPawn(1, pieces.pawns[1][n]);
  }
  const int32_t king = materialValueTable[5];
  markSteps(0, pieces.kings[0], kKingSteps, 8, king);
  markSteps(1, pieces.kings[1], kKingSteps, 8, king);
  for (int n = 0; n < 2; ++n) {
    markSteps(0, pieces.knights[0][n], kAttackKnightSteps, 8, materialValueTable[2]);
    markSteps(1, pieces.knights[1][n], kAttackKnightSteps, 8, materialValueTable[2]);
  }
  for (int n = 0; n < 2; ++n) {
    markRays(0, pieces.bishops[0][n], kBishopRays, 4, materialValueTable[3]);
    markRays(1, pieces.bishops[1][n], kBishopRays, 4, materialValueTable[3]);
  }
  for (int n = 0; n < 2; ++n) {
    markRays(0, pieces.rooks[0][n], kRookRays, 4, materialValueTable[1]);
    markRays(1, pieces.rooks[1][n], kRookRays, 4, materialValueTable[1]);
  }
  markRays(0, pieces.queens[0], kQueenRays, 8, materialValueTable[4]);
  markRays(1, pieces.queens[1], kQueenRays, 8, materialValueTable[4]);
}
