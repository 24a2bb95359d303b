// Take back of full moves from the history.
#pragma once

#include <cstdint>

#include "computer/computer_state.h"
#include "controls/controls.h"
#include "game/game.h"

// Takes back the full moves from line `line` of the move list on; line 0
// takes back the last full move, or only White's move Black has not answered.
// Level 4 is stopped first by the caller: its search is about a position
// that is no more.
void takeBackTo(Game& game, ComputerState& computer, int32_t line);
inline void takeBackLastMove(Game& game, ComputerState& computer) { takeBackTo(game, computer, 0); }
