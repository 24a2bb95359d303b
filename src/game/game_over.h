// The game is over once a king has been taken, or drawn (game/draws). It is
// read from the position and the history themselves, so a take back, a new
// game or an open that gives the king back or leaves the draw ends it without
// any flag to reset.
#pragma once

#include "game/game.h"
#include "game/types.h"

// True while a king is off the board.
bool kingTaken(const Position& position);
// True while a king is off the board or the game is drawn.
bool gameIsOver(const Game& game);

// The side whose king still stands once the game is over; kNoSide while the
// game goes on, or when both kings have been taken (a replayed file may go on
// after the first).
Side winnerSide(const Position& position);

// Once a move has taken a king or drawn the game: the check notice closes and
// the computer's turn stops. The windows then say how the game ended.
void endGame(Game& game);
