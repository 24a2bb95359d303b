// Attack maps: for each side and square, the sum of the values of that side's
// pieces that attack the square and the attackers one by one, cheapest first.
// Rebuilt in full by every user; they stand for check and for the exchanges
// the computer weighs.
#pragma once

#include <algorithm>
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

// What the computer reads of the maps, kept compactly by board index
// (x * 8 + y): the number of attackers and the two cheapest values. Both
// builds fill it; only buildAttackMaps fills the full lists above.
inline int32_t attackCount[kSideCount][kSquareCount];
inline int32_t cheapestAttack[kSideCount][kSquareCount][4];  // slots 0, 1; 2 and 3 catch later ones
// Sum of attackSum over the whole board, per side.
inline int32_t attackTotal[kSideCount];

// Scans every piece on the board, a pending piece from its target square.
void buildAttackMaps();
// The same scan without the full lists, for the computer's many positions.
void buildAttackSummary();

// The k-th cheapest attacker value (k 0 or 1) of side s (1 or 2) on a board
// index, 0 when there are fewer attackers; and the list length (at most 7).
inline int32_t attackValue(int32_t side, int sq, int k) {
  return attackCount[side - 1][sq] > k ? cheapestAttack[side - 1][sq][k] : 0;
}
inline int32_t attackListCount(int32_t side, int sq) {
  return std::min(attackCount[side - 1][sq], static_cast<int32_t>(kAttackListLength));
}

// Side `side` attacks (x, y) in the last build.
inline bool isAttackedBy(int32_t side, int x, int y) { return attackCount[side - 1][squareIndex(x, y)] > 0; }
