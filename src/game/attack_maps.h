// Attack maps: for each side and square, the sum of the values of that side's
// pieces that attack the square and the attackers one by one, cheapest first.
// Rebuilt in full by the rules; the computer's search reads them as one
// starting position changed by a step. They stand for check and for the
// exchanges the computer weighs.
#pragma once

#include <cstdint>

#include "game/board.h"
#include "game/game.h"
#include "game/records.h"
#include "game/types.h"

// Side index s (0 White, 1 Black) at board index sq after the step.
inline uint64_t steppedMapAt(const AttackMaps& a, int s, int sq) {
  uint64_t p = a.attackBasePacked[s][sq];
  for (int i = 0; i < a.attackChangeCount[s]; ++i) {
    const AttackChange& c = a.attackChanges[s][i];
    p += (((c.after >> sq) & 1) - ((c.before >> sq) & 1)) * c.increment;
  }
  return p;
}
// The compact map of side index s at board index sq, whichever way it is kept.
inline uint64_t attackMapAt(const AttackMaps& a, int s, int sq) {
  return a.attackStepActive ? steppedMapAt(a, s, sq) : a.attackPacked[s][sq];
}

// Scans every piece on the board, a pending piece from its target square.
void buildAttackMaps(Position& position);
// The same scan filling only the compact maps and totals, for the computer's
// many positions.
void buildAttackSummary(Position& position);
// The squares `side` attacks in the position on the board (bit x * 8 + y),
// worked out without touching the maps.
uint64_t squaresAttackedBy(Position& position, Side side);

// The computer judges many positions that differ from one starting position
// by a single step: saveAttackBase scans the starting position, and
// updateAttackSummary gives the compact maps after one piece's step from
// `fromSquare` to `toSquare` (board indexes) that took the piece
// `capturedId` (-1 for none), with the step set up on the board. Pieces are
// named by their number (pieceIdOf).
void saveAttackBase(Position& position);
void updateAttackSummary(Position& position, int moverId, int fromSquare, int toSquare, int capturedId);

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

inline int32_t attackValue(const AttackMaps& a, Side side, int sq, int k) {
  return packedValue(attackMapAt(a, side - 1, sq), k);
}
// The list length: at most seven.
inline int32_t attackListCount(const AttackMaps& a, Side side, int sq) {
  const int32_t n = packedCount(attackMapAt(a, side - 1, sq));
  return n < kAttackListLength ? n : kAttackListLength;
}
inline int32_t attackSumAt(const AttackMaps& a, Side side, int sq) { return packedSum(attackMapAt(a, side - 1, sq)); }

// Side `side` attacks (x, y) in the last build.
inline bool isAttackedBy(const AttackMaps& a, Side side, int x, int y) {
  return attackMapAt(a, side - 1, squareIndex(x, y)) != 0;
}
