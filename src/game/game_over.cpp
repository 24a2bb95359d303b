#include "game/game_over.h"

#include "game/board.h"
#include "game/draws.h"
#include "game/game.h"

namespace {

bool kingOnBoard(const Position& position, Side side) { return position.pieces.kings[side - 1].onBoard; }

}  // namespace

bool kingTaken(const Position& position) { return !kingOnBoard(position, kWhite) || !kingOnBoard(position, kBlack); }

bool gameIsOver(const Game& game) { return kingTaken(game) || drawReasonOf(game) != DrawReason::None; }

Side winnerSide(const Position& position) {
  const bool white = kingOnBoard(position, kWhite);
  const bool black = kingOnBoard(position, kBlack);
  if (white == black) return kNoSide;
  return white ? kWhite : kBlack;
}

void endGame(Game& game) {
  game.checkNoticesClosed += 1;
  // Nothing is left for the computer to play.
  game.computerTurnPending = false;
  game.thinkingShown = false;
}
