#include "game/attack_maps.h"

#include <array>
#include <cstring>

#include "game/board.h"

namespace {

// Target squares of a piece from each square, precomputed so that the build
// does no bounds checks: the search builds the maps for every candidate.
struct Targets {
  uint8_t count;
  uint8_t squares[8];
};

// The squares of one ray from a square, nearest first.
struct Ray {
  uint8_t length;
  uint8_t squares[7];
};

struct Offset {
  int dx;
  int dy;
};

constexpr Offset kKnightOffsets[8] = {{1, 2}, {2, 1}, {2, -1}, {-2, 1}, {-1, -2}, {-2, -1}, {1, -2}, {-1, 2}};
constexpr Offset kKingOffsets[8] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
constexpr Offset kWhitePawnOffsets[2] = {{1, 1}, {-1, 1}};
constexpr Offset kBlackPawnOffsets[2] = {{-1, -1}, {1, -1}};
// Rook directions first, then the bishop's: the queen uses all eight.
constexpr Offset kRayDirections[8] = {{0, 1}, {1, 0}, {0, -1}, {-1, 0}, {1, 1}, {-1, 1}, {-1, -1}, {1, -1}};

template <int N>
constexpr std::array<Targets, kSquareCount> targetTable(const Offset (&offsets)[N]) {
  std::array<Targets, kSquareCount> table{};
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) {
      Targets& t = table[squareIndex(x, y)];
      for (const Offset& o : offsets) {
        if (onBoardCoord(x + o.dx, y + o.dy)) t.squares[t.count++] = static_cast<uint8_t>(squareIndex(x + o.dx, y + o.dy));
      }
    }
  }
  return table;
}

constexpr std::array<std::array<Ray, 8>, kSquareCount> rayTable() {
  std::array<std::array<Ray, 8>, kSquareCount> table{};
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) {
      for (int d = 0; d < 8; ++d) {
        Ray& r = table[squareIndex(x, y)][d];
        for (int k = 1; k <= 7 && onBoardCoord(x + k * kRayDirections[d].dx, y + k * kRayDirections[d].dy); ++k) {
          r.squares[r.length++] = static_cast<uint8_t>(squareIndex(x + k * kRayDirections[d].dx, y + k * kRayDirections[d].dy));
        }
      }
    }
  }
  return table;
}

constexpr auto kKnightTargets = targetTable(kKnightOffsets);
constexpr auto kKingTargets = targetTable(kKingOffsets);
constexpr auto kWhitePawnTargets = targetTable(kWhitePawnOffsets);
constexpr auto kBlackPawnTargets = targetTable(kBlackPawnOffsets);
constexpr auto kRays = rayTable();

// Marking for one side. With full lists the attackers are also written one
// by one into `attackers`.
template <bool kFullLists>
struct SideMarks {
  int32_t* sums;
  int32_t* counts;
  int32_t (*cheapest)[4];
  AttackList* lists;
  int32_t total;

  inline void mark(int sq, int32_t v) {
    const int32_t c = counts[sq];
    sums[sq] += v;
    total += v;
    cheapest[sq][c < 3 ? c : 3] = v;
    counts[sq] = c + 1;
    if constexpr (kFullLists) {
      if (c < kAttackListLength) {
        lists[sq].values[c] = v;
        lists[sq].count = c + 1;
      }
    }
  }

  inline void markTargets(const Targets& t, int32_t v) {
    for (int i = 0; i < t.count; ++i) mark(t.squares[i], v);
  }

  // Every square of the ray up to and including the first occupied one.
  inline void markRays(int origin, int firstDirection, int lastDirection, int32_t v) {
    for (int d = firstDirection; d <= lastDirection; ++d) {
      const Ray& r = kRays[origin][d];
      for (int k = 0; k < r.length; ++k) {
        const int sq = r.squares[k];
        mark(sq, v);
        if (activeSide(board.squares[sq]) != kNoSide) break;
      }
    }
  }
};

// A piece attacks from its target when it has a pending move; -1 when it
// attacks nothing (off the board or in an unknown state).
inline int originOf(const Piece& p) {
  if (p.onBoard != 1) return -1;
  if (p.atRest == 1) return squareIndex(p.x, p.y);
  if (p.atRest == 0) return squareIndex(p.targetX, p.targetY);
  return -1;
}

constexpr int kRookFirst = 0, kRookLast = 3, kBishopFirst = 4, kBishopLast = 7;

template <bool kFullLists>
void scanPieces() {
  std::memset(attackSum, 0, sizeof attackSum);
  std::memset(attackCount, 0, sizeof attackCount);
  if constexpr (kFullLists) std::memset(attackers, 0, sizeof attackers);
  SideMarks<kFullLists> side[kSideCount] = {
      {&attackSum[0][0][0], attackCount[0], cheapestAttack[0], &attackers[0][0][0], 0},
      {&attackSum[1][0][0], attackCount[1], cheapestAttack[1], &attackers[1][0][0], 0},
  };
  // Kinds in the order pawn, king, knight, bishop, rook, queen keep every
  // list cheapest first.
  for (int n = 0; n < 8; ++n) {
    int o = originOf(pieces.pawns[0][n]);
    if (o >= 0) side[0].markTargets(kWhitePawnTargets[o], materialValueTable[0]);
    o = originOf(pieces.pawns[1][n]);
    if (o >= 0) side[1].markTargets(kBlackPawnTargets[o], materialValueTable[0]);
  }
  for (int s = 0; s < kSideCount; ++s) {
    const int o = originOf(pieces.kings[s]);
    if (o >= 0) side[s].markTargets(kKingTargets[o], materialValueTable[5]);
  }
  for (int n = 0; n < 2; ++n) {
    for (int s = 0; s < kSideCount; ++s) {
      const int o = originOf(pieces.knights[s][n]);
      if (o >= 0) side[s].markTargets(kKnightTargets[o], materialValueTable[2]);
    }
  }
  for (int n = 0; n < 2; ++n) {
    for (int s = 0; s < kSideCount; ++s) {
      const int o = originOf(pieces.bishops[s][n]);
      if (o >= 0) side[s].markRays(o, kBishopFirst, kBishopLast, materialValueTable[3]);
    }
  }
  for (int n = 0; n < 2; ++n) {
    for (int s = 0; s < kSideCount; ++s) {
      const int o = originOf(pieces.rooks[s][n]);
      if (o >= 0) side[s].markRays(o, kRookFirst, kRookLast, materialValueTable[1]);
    }
  }
  for (int s = 0; s < kSideCount; ++s) {
    const int o = originOf(pieces.queens[s]);
    if (o >= 0) side[s].markRays(o, kRookFirst, kBishopLast, materialValueTable[4]);
  }
  attackTotal[0] = side[0].total;
  attackTotal[1] = side[1].total;
}

}  // namespace

void buildAttackMaps() { scanPieces<true>(); }

void buildAttackSummary() { scanPieces<false>(); }
