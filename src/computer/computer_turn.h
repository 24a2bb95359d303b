// The computer's turn, the levels and the hint.
#pragma once

#include <cstdint>

#include "computer/computer_state.h"
#include "computer/level_four.h"
#include "controls/controls.h"
#include "game/game.h"
#include "game/types.h"

// ---- the state -----------------------------------------------------------

// ---- the turns -----------------------------------------------------------

void computerTurn(Game& game,
                  ComputerState& computer);  // every tick of the 100 ms timer: Black's reply at the chosen level
void requestHint(Game& game, ComputerState& computer);  // hint: the computer plays a White move
void playLevelOne(Game& game, ComputerState& computer);
void playLevelTwo(Game& game, ComputerState& computer);
void playLevelThree(Game& game, ComputerState& computer);
void playHint(Game& game, ComputerState& computer);
// Level 4 on the timer: starts thinking, or plays the move once thought out.
// False while the engine still thinks (the timer keeps running).
bool playLevelFour(Game& game, ComputerState& computer);
// The engine's move for the side to move, thought out for `moveTimeMs` on
// this thread and played; when the driver refuses it (counted in
// levelFourRefusals) level 3's move for Black, the hint's for White. False
// when the side had no move at all.
bool playEngineMove(Game& game, ComputerState& computer, int moveTimeMs);
