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

// Scans every piece on the board, a pending piece from its target square.
void buildAttackMaps();

// Side `side` attacks (x, y) in the last build.
inline bool isAttackedBy(int32_t side, int x, int y) { return attackers[side - 1][x][y].values[0] > 0; }
