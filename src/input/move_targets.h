// Where a piece can go, for the dots on the board while a piece is held or
// chosen: the squares a drop would make a move on.
#pragma once

#include <cstdint>

#include "controls/controls.h"
#include "game/game.h"
#include "game/types.h"

// Every square (bit x * 8 + y) on which a drop of the piece (kind, side,
// index) would be played by the move driver, castling included (the king's
// two-square step and long castling's square). None when the piece is off
// the board, not of the side to move, or the game is over. The driver's own
// tests answer, on a copy of the position.
uint64_t moveTargets(const Game& game, PieceKind kind, Side side, int32_t index);

// The dots of a board picture's piece (1..32).
uint64_t pictureTargets(const Game& game, int picture);

// The chosen piece stays chosen while it may move; its dots follow the
// position. Called whenever the game's state changes.
void refreshSelection(Game& game);
