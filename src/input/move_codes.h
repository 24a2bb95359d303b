// How the move driver reads a drag: the move code of a displacement, and
// whose turn it is.
#pragma once

#include <cstdint>

#include "game/game.h"
#include "game/types.h"

// The move code of a displacement for a kind and side; 0 when none.
int32_t moveCodeFor(PieceKind kind, Side side, int32_t dx, int32_t dy);

// Whether `side` (kWhite or kBlack) is to move.
bool sidesTurn(const Position& position, Side side);
