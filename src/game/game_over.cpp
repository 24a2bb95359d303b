#include "game/game_over.h"

#include "controls/controls.h"
#include "controls/dialogs.h"
#include "game/board.h"
#include "game/game.h"

const char* const kYouWonMessage = "Kazandınız";
const char* const kYouLostMessage = "Kaybettiniz";

namespace {

bool kingOnBoard(Side side) { return game.pieces.kings[side - 1].onBoard; }

}  // namespace

bool gameIsOver() { return !kingOnBoard(kWhite) || !kingOnBoard(kBlack); }

int32_t winnerSide() {
  const bool white = kingOnBoard(kWhite);
  const bool black = kingOnBoard(kBlack);
  if (white == black) return kNoSide;
  return white ? kWhite : kBlack;
}

void announceGameEnd(KingTaker taker) {
  windows.form2.visible = false;
  // Nothing is left for the computer to play.
  windows.form1.timer1Enabled = false;
  windows.form1.label19Visible = false;
  dialogs().message(taker == KingTaker::Player ? kYouWonMessage : kYouLostMessage);
}
