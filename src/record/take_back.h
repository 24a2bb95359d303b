// Take back of full moves from the history.
#pragma once

#include <cstdint>

// Takes back the full moves from line `line` of the move list on; line 0
// takes back the last full move, or only White's move Black has not answered.
void takeBackTo(int32_t line);
inline void takeBackLastMove() { takeBackTo(0); }
