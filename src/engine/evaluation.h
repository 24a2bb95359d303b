// Level 4's judgement of a quiet position, in hundredths of a pawn from the
// side to move's view: material, piece-square tables, mobility and the
// king's safety, blended between middle game and end game.
#pragma once

#include "engine/position.h"

namespace engine {

constexpr int kPieceValue[kKinds] = {100, 320, 330, 500, 900, 0};

int evaluate(const Position& p);

}  // namespace engine
