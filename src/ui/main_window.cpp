#include "ui/main_window.h"

#include "computer/level_four.h"
#include "controls/controls.h"
#include "controls/dialogs.h"
#include "game/board.h"
#include "game/game.h"
#include "record/new_game.h"
#include "record/saved_game.h"
#include "ui/program.h"

// Level 4 has no radio button that fits in the window: none is selected.
void chooseLevel(int32_t newLevel) {
  stopLevelFour(game);  // a search for the old level is dropped; the timer thinks again
  game.level = newLevel;
  windows.form1.radioSelected = newLevel == kLevel4 ? 0 : newLevel;
  windows.form1.baslaChecked = newLevel == kLevel1;
  windows.form1.seviye1Checked = newLevel == kLevel2;
  windows.form1.seviye2Checked = newLevel == kLevel3;
  windows.form1.seviye3Checked = newLevel == kLevel4;
}

void setUpMainWindow() {
  game.playMode = kPlayComputer;
  game.level = kLevel1;
}

void newGame() {
  if (!mayReplaceGame(game, saveGame)) return;
  stopLevelFour(game);
  startNewGame(game);
}

void playAgainstComputer() {
  stopLevelFour(game);
  windows.form1.secenek1Checked = true;
  windows.form1.secenek2Checked = false;
  game.playMode = kPlayComputer;
}

void playTwoPlayers() {
  stopLevelFour(game);
  windows.form1.secenek2Checked = true;
  windows.form1.secenek1Checked = false;
  game.playMode = kPlayTwoPlayers;
}

// The player's answer here is the close question's answer too: closing after
// it asks nothing more.
void exitGame() {
  stopLevelFour(game);
  switch (dialogs().ask(kSaveQuestion, kSaveQuestionCaption, true)) {
    case Answer::Yes:
      saveGame(game);
      // The window closes only when the game is safe.
      if (game.gameSaved) windows.form1.closeRequested = true;
      break;
    case Answer::No: windows.form1.closeRequested = true; break;
    case Answer::Cancel: break;
  }
  if (windows.form1.closeRequested) windows.closeAnswered = 1;
}

bool mayCloseWindow() {
  stopLevelFour(game);
  if (game.gameSaved || windows.closeAnswered == 1) return true;
  if (dialogs().ask(kSaveQuestion, kSaveQuestionCaption, false) == Answer::Yes) {
    saveGame(game);
    if (!game.gameSaved) {
      // Cancelled or failed: keep the window and the game.
      windows.form1.closeRequested = false;
      return false;
    }
  }
  windows.closeAnswered = 1;
  return true;
}
