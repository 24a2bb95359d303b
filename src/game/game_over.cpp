#include "game/game_over.h"

#include "controls/controls.h"
#include "controls/dialogs.h"
#include "game/board.h"
#include "game/game.h"

const char* const kYouWonMessage = "Kazandınız";
const char* const kYouLostMessage = "Kaybettiniz";

namespace {

bool kingOnBoard(const Game& game, Side side) { return game.pieces.kings[side - 1].onBoard; }

}  // namespace

bool gameIsOver(const Game& game) { return !kingOnBoard(game, kWhite) || !kingOnBoard(game, kBlack); }

int32_t winnerSide(const Game& game) {
  const bool white = kingOnBoard(game, kWhite);
  const bool black = kingOnBoard(game, kBlack);
  if (white == black) return kNoSide;
  return white ? kWhite : kBlack;
}

void announceGameEnd(Game& game, KingTaker taker) {
  game.checkNoticesClosed += 1;
  // Nothing is left for the computer to play.
  game.computerTurnPending = false;
  game.thinkingShown = false;
  dialogs().message(taker == KingTaker::Player ? kYouWonMessage : kYouLostMessage);
}
