#include "ui/main_window.h"

#include "computer/level_four.h"
#include "controls/controls.h"
#include "controls/dialogs.h"
#include "game/board.h"
#include "input/game_marks.h"
#include "record/new_game.h"
#include "record/saved_game.h"

// Level 4 has no radio button that fits in the window: none is selected.
void chooseLevel(int32_t newLevel) {
  stopLevelFour();  // a search for the old level is dropped; the timer thinks again
  level = newLevel;
  form1.radioSelected = newLevel == kLevel4 ? 0 : newLevel;
  form1.baslaChecked = newLevel == kLevel1;
  form1.seviye1Checked = newLevel == kLevel2;
  form1.seviye2Checked = newLevel == kLevel3;
  form1.seviye3Checked = newLevel == kLevel4;
}

void setUpMainWindow() {
  playMode = kPlayComputer;
  level = kLevel1;
  writeListHeaders();
  updateGameMarks();  // pieces on dark squares get their silver-background bitmaps
}

void newGame() {
  if (!mayReplaceGame(saveGame)) return;
  stopLevelFour();
  startNewGame();
}

void playAgainstComputer() {
  stopLevelFour();
  form1.secenek1Checked = true;
  form1.secenek2Checked = false;
  playMode = kPlayComputer;
}

void playTwoPlayers() {
  stopLevelFour();
  form1.secenek2Checked = true;
  form1.secenek1Checked = false;
  playMode = kPlayTwoPlayers;
}

// The player's answer here is the close question's answer too: closing after
// it asks nothing more.
void exitGame() {
  stopLevelFour();
  switch (dialogs().ask(kSaveQuestion, kSaveQuestionCaption, true)) {
    case Answer::Yes:
      saveGame();
      // The window closes only when the game is safe.
      if (gameSaved) form1.closeRequested = true;
      break;
    case Answer::No: form1.closeRequested = true; break;
    case Answer::Cancel: break;
  }
  if (form1.closeRequested) closeAnswered = 1;
}

bool mayCloseWindow() {
  stopLevelFour();
  if (gameSaved || closeAnswered == 1) return true;
  if (dialogs().ask(kSaveQuestion, kSaveQuestionCaption, false) == Answer::Yes) {
    saveGame();
    if (!gameSaved) {
      // Cancelled or failed: keep the window and the game.
      form1.closeRequested = false;
      return false;
    }
  }
  closeAnswered = 1;
  return true;
}
