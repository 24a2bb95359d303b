// The computer's turn, the levels and the hint.
#pragma once

#include <cstdint>

#include "computer/level_four.h"
#include "game/types.h"

// ---- the state -----------------------------------------------------------

// ---- the turns -----------------------------------------------------------

void computerTurn();  // every tick of the 100 ms timer: Black's reply at the chosen level
void requestHint();   // hint: the computer plays a White move
void playLevelOne();
void playLevelTwo();
void playLevelThree();
void playHint();
// Level 4 on the timer: starts thinking, or plays the move once thought out.
// False while the engine still thinks (the timer keeps running).
bool playLevelFour();
// The engine's move for the side to move, thought out for `moveTimeMs` on
// this thread and played; when the driver refuses it (counted in
// levelFourRefusals) level 3's move for Black, the hint's for White. False
// when the side had no move at all.
bool playEngineMove(int moveTimeMs);
