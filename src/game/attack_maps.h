// Attack maps: for each side and square, the sum of the values of that side's
// pieces that attack the square and the attackers one by one, cheapest first.
// Rebuilt in full by every user; they stand for check and for the exchanges
// the computer weighs.
#pragma once

#include <cstdint>

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
// The squares each side attacks (bit x * 8 + y): those whose compact map is
// not zero.
inline uint64_t attackAny[kSideCount];
// After updateAttackSummary: the squares where either side's compact map
// differs from the starting position's saved by saveAttackBase.
inline uint64_t attackChanged = 0;

// Scans every piece on the board, a pending piece from its target square.
void buildAttackMaps();
// The same scan filling only the compact maps and totals, for the computer's
// many positions.
void buildAttackSummary();

// The computer judges many positions that differ from one starting position
// by a single step: saveAttackBase scans the starting position, and
// updateAttackSummary gives the compact maps after one piece's step from
// `fromSquare` to `toSquare` (board indexes) that took the piece
// `capturedId` (-1 for none), with the step set up on the board. Pieces are
// named by attackPieceId.
struct Piece;
void saveAttackBase();
void updateAttackSummary(int moverId, int fromSquare, int toSquare, int capturedId);
int attackPieceId(const Piece& p);

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

inline int32_t attackValue(int32_t side, int sq, int k) { return packedValue(attackPacked[side - 1][sq], k); }
// The list length: at most seven.
inline int32_t attackListCount(int32_t side, int sq) {
  const int32_t n = packedCount(attackPacked[side - 1][sq]);
  return n < kAttackListLength ? n : kAttackListLength;
}
inline int32_t attackSumAt(int32_t side, int sq) { return packedSum(attackPacked[side - 1][sq]); }

// Side `side` attacks (x, y) in the last build.
inline bool isAttackedBy(int32_t side, int x, int y) { return attackPacked[side - 1][squareIndex(x, y)] != 0; }
