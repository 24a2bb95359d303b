// The game is over once a king has been taken. It is read from the position
// itself (a king off the board), so a take back, a new game or an open that
// gives the king back ends it without any flag to reset.
#pragma once

#include "game/game.h"
#include "game/types.h"

// True while a king is off the board.
bool gameIsOver(const Position& position);

// The side whose king still stands once the game is over; kNoSide while the
// game goes on, or when both kings have been taken (a replayed file may go on
// after the first).
Side winnerSide(const Position& position);

// Once a move has taken a king: the check notice closes and the computer's
// turn stops. The windows then say how the game ended.
void endGame(Game& game);
