#include "game/game_over.h"

#include "game/board.h"

namespace {

bool kingOnBoard(int32_t side) { return pieces.kings[side - 1].onBoard == 1; }

}  // namespace

bool gameIsOver() { return !kingOnBoard(kWhite) || !kingOnBoard(kBlack); }

int32_t winnerSide() {
  const bool white = kingOnBoard(kWhite);
  const bool black = kingOnBoard(kBlack);
  if (white == black) return kNoSide;
  return white ? kWhite : kBlack;
}
