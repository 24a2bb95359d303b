// The marks that tell the player how the game stands: whose turn it is (or
// that the game is over) and which move was made last. Both are derived from
// the game's state, so every command that changes it simply calls
// updateGameMarks() when it is done.
#pragma once

#include "controls/controls.h"
#include "game/game.h"

extern const char* const kWhiteTurnText;
extern const char* const kBlackTurnText;
extern const char* const kWhiteWonText;
extern const char* const kBlackWonText;
extern const char* const kGameOverText;

// Draws the board pictures from the pieces, writes form1.turnMark and
// form1.lastMove from the position and the history, keeps the chosen piece and
// its dots in step with the position, and draws the captured-pieces window
// from the order of captures.
void updateGameMarks(Game& game, Windows& windows);
