#include "game/game_over.h"

#include "controls/controls.h"
#include "controls/dialogs.h"
#include "game/board.h"
#include "game/game.h"

const char* const kYouWonMessage = "Kazandınız";
const char* const kYouLostMessage = "Kaybettiniz";

namespace {

bool kingOnBoard(Game& game, Side side) { return game.pieces.kings[side - 1].onBoard; }

}  // namespace

bool gameIsOver(Game& game) { return !kingOnBoard(game, kWhite) || !kingOnBoard(game, kBlack); }

int32_t winnerSide(Game& game) {
  const bool white = kingOnBoard(game, kWhite);
  const bool black = kingOnBoard(game, kBlack);
  if (white == black) return kNoSide;
  return white ? kWhite : kBlack;
}

void announceGameEnd(Windows& windows, KingTaker taker) {
  windows.form2.visible = false;
  // Nothing is left for the computer to play.
  windows.form1.timer1Enabled = false;
  windows.form1.label19Visible = false;
  dialogs().message(taker == KingTaker::Player ? kYouWonMessage : kYouLostMessage);
}
