#include "ui/main_window.h"

#include "computer/level_four.h"
#include "controls/controls.h"
#include "game/game.h"
#include "game/game_over.h"
#include "input/board_input.h"
#include "record/new_game.h"
#include "ui/dialogs.h"
#include "ui/file_commands.h"
#include "ui/messages.h"
#include "ui/program.h"

// Level 4 has no radio button that fits in the window: none is selected.
void chooseLevel(int32_t newLevel) {
  levelFour.stop(game);  // a search for the old level is dropped; the timer thinks again
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
  if (!mayReplaceGame()) return;
  levelFour.stop(game);
  startNewGame(game);
}

// With Black to move the computer answers at once, as after an open.
void playAgainstComputer() {
  levelFour.stop(game);
  windows.form1.secenek1Checked = true;
  windows.form1.secenek2Checked = false;
  game.playMode = kPlayComputer;
  if (game.sideToMove == kBlackToMove && !gameIsOver(game)) startComputerTurn(game);
}

void playTwoPlayers() {
  levelFour.stop(game);
  windows.form1.secenek2Checked = true;
  windows.form1.secenek1Checked = false;
  game.playMode = kPlayTwoPlayers;
}

// The player's answer here is the close question's answer too: closing after
// it asks nothing more.
void exitGame() {
  switch (dialogs().ask(kSaveQuestion, kSaveQuestionCaption, true)) {
    case Answer::Yes:
      saveGameAs();
      // The window closes only when the game is safe.
      if (game.gameSaved) windows.form1.closeRequested = true;
      break;
    case Answer::No: windows.form1.closeRequested = true; break;
    case Answer::Cancel: break;
  }
  if (windows.form1.closeRequested) {
    windows.closeAnswered = 1;
    levelFour.stop(game);  // the reply that was being thought out never lands
  }
}

bool mayCloseWindow() {
  if (hasUnsavedMoves(game) && windows.closeAnswered != 1) {
    switch (dialogs().ask(kSaveQuestion, kSaveQuestionCaption, true)) {
      case Answer::Yes:
        saveGameAs();
        if (game.gameSaved) break;
        [[fallthrough]];  // cancelled or failed: the window and the game stay
      case Answer::Cancel: windows.form1.closeRequested = false; return false;
      case Answer::No: break;
    }
  }
  windows.closeAnswered = 1;
  levelFour.stop(game);  // the reply being thought out never lands
  return true;
}
