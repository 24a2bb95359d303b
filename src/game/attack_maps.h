// Attack maps: for each side and square, the sum of the values of that side's
// pieces that attack the square and the attackers one by one, cheapest first.
// Rebuilt in full by the rules; the computer's search reads them as one
// starting position changed by a step. They stand for check and for the
// exchanges the computer weighs.
#pragma once

#include <cstdint>

#include "game/board.h"
#include "game/types.h"

constexpr int kAttackListLength = 7;

// Up to seven attacker values in scan order (non-decreasing); later attackers
// of a crowded square count in the sum only.
struct AttackList {
  int32_t values[kAttackListLength];
  int32_t count;
};

inline int32_t attackSum[kSideCount][kBoardSize][kBoardSize];
inline AttackList attackers[kSideCount][kBoardSize][kBoardSize];

// The same maps kept compactly by board index (x * 8 + y), as the computer
// reads them: one byte per value class counts the square's attackers of that
// class. The pieces are scanned cheapest kind first, so a list is exactly
// the class values repeated by their counts.
//   byte 0: pawns (1)   byte 1: king (2)   byte 2: knights and bishops (3)
//   byte 3: rooks (4)   byte 4: queen (8)
inline uint64_t attackPacked[kSideCount][kSquareCount];
constexpr int32_t kAttackClassValue[5] = {1, 2, 3, 4, 8};
// Sum of attackSum over the whole board, per side.
inline int32_t attackTotal[kSideCount];

// Every map back to its program-start value (nothing attacked).
void resetAttackMaps();
// After updateAttackSummary the compact maps are the starting position's
// (saved by saveAttackBase) changed by a few pieces whose attacked squares
// differ; a square's map is worked out when read (attackMapAt). A full scan
// ends that state.
struct AttackChange {
  uint64_t before;  // the piece's attacked squares in the starting position
  uint64_t after;   // and after the step
  uint64_t increment;
};
constexpr int kMaxAttackChanges = 16;
inline bool attackStepActive = false;
inline uint64_t attackBasePacked[kSideCount][kSquareCount];
inline AttackChange attackChanges[kSideCount][kMaxAttackChanges];
inline int attackChangeCount[kSideCount];
// The squares where either side's map may differ from the starting position's.
inline uint64_t attackChanged = 0;
// Per side: the squares attacked in the starting position, and those the
// changed pieces attack after the step and did not before. A square the side
// attacks after the step is in one of the two.
inline uint64_t attackBaseAny[kSideCount];
inline uint64_t attackGained[kSideCount];

// Side index s (0 White, 1 Black) at board index sq after the step.
inline uint64_t steppedMapAt(int s, int sq) {
  uint64_t p = attackBasePacked[s][sq];
  for (int i = 0; i < attackChangeCount[s]; ++i) {
    const AttackChange& c = attackChanges[s][i];
    p += (((c.after >> sq) & 1) - ((c.before >> sq) & 1)) * c.increment;
  }
  return p;
}
// The compact map of side index s at board index sq, whichever way it is kept.
inline uint64_t attackMapAt(int s, int sq) { return attackStepActive ? steppedMapAt(s, sq) : attackPacked[s][sq]; }

// Scans every piece on the board, a pending piece from its target square.
void buildAttackMaps();
// The same scan filling only the compact maps and totals, for the computer's
// many positions.
void buildAttackSummary();
// The squares `side` attacks in the position on the board (bit x * 8 + y),
// worked out without touching the maps.
uint64_t squaresAttackedBy(Side side);

// The computer judges many positions that differ from one starting position
// by a single step: saveAttackBase scans the starting position, and
// updateAttackSummary gives the compact maps after one piece's step from
// `fromSquare` to `toSquare` (board indexes) that took the piece
// `capturedId` (-1 for none), with the step set up on the board. Pieces are
// named by their number (pieceIdOf).
void saveAttackBase();
void updateAttackSummary(int moverId, int fromSquare, int toSquare, int capturedId);

// Number of attackers (uncapped).
inline int32_t packedCount(uint64_t p) { return static_cast<int32_t>(((p * 0x0101010101ULL) >> 32) & 0xFF); }
// Sum of the attackers' values.
inline int32_t packedSum(uint64_t p) { return static_cast<int32_t>(((p * 0x0102030408ULL) >> 32) & 0xFF); }
// The k-th cheapest attacker value (k 0 or 1), 0 when there are fewer.
inline int32_t packedValue(uint64_t p, int k) {
  if (p == 0) return 0;
  const int c0 = __builtin_ctzll(p) >> 3;
  if (k == 0) return kAttackClassValue[c0];
  if (((p >> (8 * c0)) & 0xFF) >= 2) return kAttackClassValue[c0];
  const uint64_t rest = p & ~(0xFFULL << (8 * c0));
  return rest == 0 ? 0 : kAttackClassValue[__builtin_ctzll(rest) >> 3];
}

inline int32_t attackValue(Side side, int sq, int k) { return packedValue(attackMapAt(side - 1, sq), k); }
// The list length: at most seven.
inline int32_t attackListCount(Side side, int sq) {
  const int32_t n = packedCount(attackMapAt(side - 1, sq));
  return n < kAttackListLength ? n : kAttackListLength;
}
inline int32_t attackSumAt(Side side, int sq) { return packedSum(attackMapAt(side - 1, sq)); }

// Side `side` attacks (x, y) in the last build.
inline bool isAttackedBy(Side side, int x, int y) { return attackMapAt(side - 1, squareIndex(x, y)) != 0; }
