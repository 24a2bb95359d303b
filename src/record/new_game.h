// A new game: the one reset behind the "Başlat" button and the opening of a
// saved game.
#pragma once

// The two header lines every move list starts with.
void writeListHeaders();

// Pieces, squares, counters, pictures, captured pieces and move list back to
// the start of a game. Play mode and level stay as chosen.
void startNewGame();
