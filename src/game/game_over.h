// The game is over once a king has been taken. It is read from the position
// itself (a king off the board), so a take back, a new game or an open that
// gives the king back ends it without any flag to reset.
#pragma once

#include <cstdint>

#include "controls/controls.h"
#include "game/game.h"

// True while a king is off the board.
bool gameIsOver(const Position& position);

// The side whose king still stands once the game is over; kNoSide while the
// game goes on, or when both kings have been taken (a replayed file may go on
// after the first).
int32_t winnerSide(const Position& position);

// Who made the move that took a king: the player (a drop, or the hint played
// for him) or the computer.
enum class KingTaker { Player, Computer };

// Once a move has taken a king: closes the check notice, stops the computer's
// turn and tells the player how the game ended ("Kazandınız" or
// "Kaybettiniz", one OK button).
void announceGameEnd(Game& game, KingTaker taker);
