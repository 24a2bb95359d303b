// A new game: the one reset behind the "Başlat" button and the opening of a
// saved game.
#pragma once

#include "game/game.h"

// Pieces, squares, counters (and with them the move list) and captured pieces
// back to the start of a game. Play mode and level stay as chosen, and so do
// the side windows' request counts, which run from the start of the program.
void startNewGame(Game& game);

// True when leaving the game would lose moves that were not saved.
bool hasUnsavedMoves(const Game& game);
