// The move request driver: every real move (a drag, the computer's choice, a
// replayed line) passes through requestMove, which tests it, makes it and
// records it in the history (the move list is drawn from it).
#pragma once

#include <cstdint>

#include "game/types.h"

#include "controls/controls.h"
#include "game/game.h"
#include "game/records.h"
#include "input/move_codes.h"

// Makes the move of the piece (kind, side, index) described by the drag
// variables. Returns 1 when the move was made, 0 otherwise; castling drags
// are carried out by castling and also return 0.
int32_t requestMove(Game& game, PieceKind kind, Side side, int32_t index);

// The history half of the move being made by `side` now.
HalfMoveRecord& currentHalfMove(Game& game, Side side);

extern const char* const kHistoryFullMessage;
