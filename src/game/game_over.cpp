#include "game/game_over.h"

#include "game/board.h"
#include "game/draws.h"
#include "game/game.h"

namespace {

bool kingOnBoard(const Game& game, Side side) { return game.pieces.kings[side - 1].onBoard; }

}  // namespace

bool kingTaken(const Game& game) { return !kingOnBoard(game, kWhite) || !kingOnBoard(game, kBlack); }

bool gameIsOver(const Game& game) { return kingTaken(game) || drawReasonOf(game) != DrawReason::None; }

Side winnerSide(const Game& game) {
  const bool white = kingOnBoard(game, kWhite);
  const bool black = kingOnBoard(game, kBlack);
  if (white == black) return kNoSide;
  return white ? kWhite : kBlack;
}

void endGame(Game& game) {
  game.checkNoticesClosed += 1;
  // Nothing is left for the computer to play.
  game.computerTurnPending = false;
  game.thinkingShown = false;
}
