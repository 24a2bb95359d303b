// The texts of the turn mark (whose turn it is, or how the game ended), and
// the one step every command that changes the position takes when it is
// done: the piece chosen by a click is kept in step with the position.
#pragma once

#include "game/game.h"

extern const char* const kWhiteTurnText;
extern const char* const kBlackTurnText;
extern const char* const kWhiteWonText;
extern const char* const kBlackWonText;
extern const char* const kGameOverText;

// Lets go of a chosen piece that can no longer move and works out again
// where it can go.
void updateGameMarks(Game& game);
