// What the main window's handlers do beyond the game's own operations: its
// creation, a new game, the play mode and the level, exit and close.
// The handlers themselves are in ui/handlers.h.
#pragma once

#include <cstdint>

// The window's start: play mode and level 1, the list headers.
void setUpMainWindow();

// A new game; a game with unsaved moves is kept unless the player lets it go.
void newGame();

void playAgainstComputer();
void playTwoPlayers();

// A level change, like a new game, a mode change and closing, stops level
// 4's thinking.
void chooseLevel(int32_t newLevel);

// "Çıkış": asks whether to save, then asks the window to close
// (form1.closeRequested); that answer stands for the close question too.
void exitGame();
// The window is closing: asks once whether to save an unsaved game
// (Evet/Hayır/İptal). Returns false when the window must stay open: İptal or
// Escape, or the player wanted the game saved and it was not.
bool mayCloseWindow();
