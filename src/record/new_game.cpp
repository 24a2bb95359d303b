#include "record/new_game.h"

#include "controls/controls.h"
#include "game/board.h"
#include "game/captures.h"
#include "game/game.h"
#include "game/list_lines.h"
#include "input/move_targets.h"

namespace {

constexpr int32_t kHeaderLineCount = 2;

}  // namespace

void startNewGame(Game& game) {
  game.mateShown = false;
  resetLostPiecePlacement(game);
  resetGameState(game);    // squares, pieces, side to move, counters, and so the list
  game.chosenPicture = 0;  // a piece chosen in the old game is let go
  game.justOpened = false;
  refreshSelection(game);
}

// A game just opened loses nothing: it is in its file.
bool hasUnsavedMoves(const Game& game) {
  return !game.gameSaved && !game.justOpened && listLineCount(game) > kHeaderLineCount;
}
