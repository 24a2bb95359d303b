// The computer's one-ply move finder: every move of one side is tried on the
// pending layers, judged, undone exactly, and the ten best are kept.
#pragma once

#include <cstdint>

#include "computer/computer_state.h"
#include "game/game.h"
#include "game/types.h"

// Number of candidates judged since the process started (for the bench
// signature); no reset touches it.
inline int64_t evaluationCount = 0;

// Fills the side's working list, copies it into result list `slot` when the
// slot keeps that side's lists (even slots Black's, odd slots White's; any
// other slot keeps nothing) and resets both working lists. Leaves trialMode
// at 1 and the position as it was.
void searchSide(Position& position, ComputerState& computer, Side side, int32_t slot);

// The score of the candidate just judged (its destination in candidateToX
// and candidateToY, its position's value in positionValue); kRejectedScore
// when it is worse than the fifth entry of the side's working list.
int32_t scoreCandidate(const Position& position, ComputerState& computer, Side side, int32_t mobilityValue);

inline bool isEmptyCandidate(const Candidate& c) { return c.kind == 0; }
inline bool capturesKing(const Candidate& c) { return c.captures == 1 && c.capturedKind == kKing; }
