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

// Marking for one side: a mark adds one to the piece's value class.
struct SideMarks {
  uint64_t* packed;
  int32_t total;

  inline void mark(int sq, uint64_t increment, int32_t v) {
    packed[sq] += increment;
    total += v;
  }

  inline void markTargets(const Targets& t, uint64_t increment, int32_t v) {
    for (int i = 0; i < t.count; ++i) mark(t.squares[i], increment, v);
  }

  // Every square of the ray up to and including the first occupied one.
  inline void markRays(int origin, int firstDirection, int lastDirection, uint64_t increment, int32_t v) {
    for (int d = firstDirection; d <= lastDirection; ++d) {
      const Ray& r = kRays[origin][d];
      for (int k = 0; k < r.length; ++k) {
        const int sq = r.squares[k];
        mark(sq, increment, v);
        if (activeSide(board.squares[sq]) != kNoSide) break;
      }
    }
  }
};

constexpr uint64_t kPawnClass = 1ULL;
constexpr uint64_t kKingClass = 1ULL << 8;
constexpr uint64_t kMinorClass = 1ULL << 16;
constexpr uint64_t kRookClass = 1ULL << 24;
constexpr uint64_t kQueenClass = 1ULL << 32;

// A piece attacks from its target when it has a pending move; -1 when it
// attacks nothing (off the board or in an unknown state).
inline int originOf(const Piece& p) {
  if (p.onBoard != 1) return -1;
  if (p.atRest == 1) return squareIndex(p.x, p.y);
  if (p.atRest == 0) return squareIndex(p.targetX, p.targetY);
  return -1;
}

constexpr int kRookFirst = 0, kRookLast = 3, kBishopFirst = 4, kBishopLast = 7;

void scanPieces() {
  std::memset(attackPacked, 0, sizeof attackPacked);
  SideMarks side[kSideCount] = {{attackPacked[0], 0}, {attackPacked[1], 0}};
  const int32_t pawn = materialValueTable[0];
  for (int n = 0; n < 8; ++n) {
    int o = originOf(pieces.pawns[0][n]);
    if (o >= 0) side[0].markTargets(kWhitePawnTargets[o], kPawnClass, pawn);
    o = originOf(pieces.pawns[1][n]);
    if (o >= 0) side[1].markTargets(kBlackPawnTargets[o], kPawnClass, pawn);
  }
  for (int s = 0; s < kSideCount; ++s) {
    const int o = originOf(pieces.kings[s]);
    if (o >= 0) side[s].markTargets(kKingTargets[o], kKingClass, materialValueTable[5]);
  }
  for (int s = 0; s < kSideCount; ++s) {
    for (int n = 0; n < 2; ++n) {
      const int o = originOf(pieces.knights[s][n]);
      if (o >= 0) side[s].markTargets(kKnightTargets[o], kMinorClass, materialValueTable[2]);
      const int b = originOf(pieces.bishops[s][n]);
      if (b >= 0) side[s].markRays(b, kBishopFirst, kBishopLast, kMinorClass, materialValueTable[3]);
      const int r = originOf(pieces.rooks[s][n]);
      if (r >= 0) side[s].markRays(r, kRookFirst, kRookLast, kRookClass, materialValueTable[1]);
    }
    const int q = originOf(pieces.queens[s]);
    if (q >= 0) side[s].markRays(q, kRookFirst, kBishopLast, kQueenClass, materialValueTable[4]);
  }
  attackTotal[0] = side[0].total;
  attackTotal[1] = side[1].total;
}

}  // namespace

// The full lists follow from the class counts: the cheaper kinds are scanned
// first, so a list holds the class values in order, seven at most.
void buildAttackMaps() {
  scanPieces();
  for (int s = 0; s < kSideCount; ++s) {
    for (int sq = 0; sq < kSquareCount; ++sq) {
      const uint64_t p = attackPacked[s][sq];
      AttackList& list = attackers[s][sq / kBoardSize][sq % kBoardSize];
      list = AttackList{};
      attackSum[s][sq / kBoardSize][sq % kBoardSize] = packedSum(p);
      for (int c = 0; c < 5; ++c) {
        const int n = static_cast<int>((p >> (8 * c)) & 0xFF);
        for (int k = 0; k < n && list.count < kAttackListLength; ++k) list.values[list.count++] = kAttackClassValue[c];
      }
    }
  }
}

void buildAttackSummary() { scanPieces(); }
