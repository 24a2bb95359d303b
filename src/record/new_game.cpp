#include "record/new_game.h"

#include "controls/controls.h"
#include "controls/dialogs.h"
#include "game/board.h"
#include "game/captures.h"
#include "game/game.h"
#include "game/list_lines.h"
#include "input/move_targets.h"

const char* const kSaveQuestion = "Oyunu kaydetmek istiyormusunuz?";
const char* const kSaveQuestionCaption = "Uyarı";

namespace {

constexpr int32_t kHeaderLineCount = 2;

}  // namespace

void startNewGame(Game& game) {
  game.mateShown = false;
  resetLostPiecePlacement(game);
  resetGameState(game);    // squares, pieces, side to move, counters, and so the list
  game.chosenPicture = 0;  // a piece chosen in the old game is let go
  refreshSelection(game);
}

bool mayReplaceGame(Game& game, void (*save)(Game&)) {
  if (game.gameSaved || listLineCount(game) <= kHeaderLineCount) return true;
  switch (dialogs().ask(kSaveQuestion, kSaveQuestionCaption, true)) {
    case Answer::Yes: save(game); return game.gameSaved;
    case Answer::No: return true;
    case Answer::Cancel: break;
  }
  return false;
}
