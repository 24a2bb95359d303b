#include "record/new_game.h"

#include "controls/controls.h"
#include "controls/dialogs.h"
#include "game/board.h"
#include "game/captures.h"
#include "game/game.h"
#include "input/game_marks.h"
#include "input/move_list.h"

const char* const kSaveQuestion = "Oyunu kaydetmek istiyormusunuz?";
const char* const kSaveQuestionCaption = "Uyarı";

namespace {

constexpr int32_t kHeaderLineCount = 2;

}  // namespace

void writeListHeaders(Windows& windows) {
  appendListLine(windows, kListHeader1);
  appendListLine(windows, kListHeader2);
}

void startNewGame(Game& game, Windows& windows) {
  windows.form1.label20Visible = false;
  resetLostPiecePlacement(game);
  resetGameState(game);  // squares, pieces, side to move, counters
  windows.form1.listBox1.clear();
  writeListHeaders(windows);
  windows.form1.selectedPicture = 0;  // a piece chosen in the old game is let go
  updateGameMarks(game, windows);
}

bool mayReplaceGame(Game& game, Windows& windows, void (*save)(Game&, Windows&)) {
  if (game.gameSaved || listLineCount(windows) <= kHeaderLineCount) return true;
  switch (dialogs().ask(kSaveQuestion, kSaveQuestionCaption, true)) {
    case Answer::Yes: save(game, windows); return game.gameSaved;
    case Answer::No: return true;
    case Answer::Cancel: break;
  }
  return false;
}
