// The file commands of the menu, with their questions and messages: saving
// under a chosen name, opening a chosen file or one named on the command
// line, and the question asked before a game with unsaved moves is left.
#pragma once

#include <string>

// Asks for a file name and saves the game there; a failed write is told.
void saveGameAs();

// Before a new game or an opened one replaces the game on the board: when it
// has moves that were not saved, asks whether to save it (Evet/Hayır/İptal)
// and on Evet saves it. True when the game may be replaced: nothing to lose,
// saved, or Hayır; false keeps it (İptal, or a save cancelled or failed).
bool mayReplaceGame();

// Asks before an unsaved game is left, then for a file, and opens it.
void openGameFile();

// Opens the saved game `path` and tells what went wrong, if anything.
void openGameNamed(const std::string& path);
