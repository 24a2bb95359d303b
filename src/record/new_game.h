// A new game: the one reset behind the "Başlat" button and the opening of a
// saved game.
#pragma once

#include "game/game.h"

// The two header lines every move list starts with.
void writeListHeaders(Game& game);

// Pieces, squares, counters, captured pieces and move list back to the start
// of a game. Play mode and level stay as chosen, and so do the side windows'
// request counts, which run from the start of the program.
void startNewGame(Game& game);

// True when leaving the game would lose moves that were not saved.
bool hasUnsavedMoves(const Game& game);
