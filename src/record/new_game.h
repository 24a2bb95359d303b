// A new game: the one reset behind the "Başlat" button and the opening of a
// saved game, and the question asked before a game is replaced.
#pragma once

#include "controls/controls.h"
#include "game/game.h"

// Pieces, squares, counters (and with them the move list) and captured pieces
// back to the start of a game. Play mode and level stay as chosen, and so do
// the side windows' request counts, which run from the start of the program.
void startNewGame(Game& game);

// The question asked before a game with unsaved moves is left.
extern const char* const kSaveQuestion;         // "Oyunu kaydetmek istiyormusunuz?"
extern const char* const kSaveQuestionCaption;  // "Uyarı"

// Before a new game or an opened one replaces the game on the board: when it
// has moves that were not saved, asks whether to save it (Evet/Hayır/İptal)
// and on Evet runs `save` (the save command). True when the game may be
// replaced: nothing to lose, saved, or Hayır; false keeps it (İptal, or a save
// cancelled or failed).
bool mayReplaceGame(Game& game, void (*save)(Game&));
