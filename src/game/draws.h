// Draws: a game also ends, without a king taken, when the same position comes
// a third time (the same side to move, the same castling rights), when each
// side has made 50 moves with no capture and no pawn move, or when only the
// two kings are left. Judged on the position and the history alone, so a take
// back that leaves the draw undoes it.
#pragma once

#include <cstdint>

#include "game/game.h"

enum class DrawReason : int32_t {
  None,
  Repetition,  // the same position a third time
  FiftyMoves,  // 50 moves by each side with no capture and no pawn move
  BareKings,   // only the two kings on the board
};

// Half-moves with no capture and no pawn move that make a draw.
constexpr int32_t kFiftyMoveHalfMoves = 100;

DrawReason drawReasonOf(const Game& game);

// Half-move `back` of the history counted from the newest (0); none past the
// first move of the game.
const HalfMoveRecord* halfMoveBack(const Game& game, int32_t back);
// Half-moves since the last capture or pawn move.
int32_t quietHalfMoves(const Game& game);
// Half-moves since the last one that no later move can undo: a capture, a
// pawn move, a castling, or a king's or rook's first move (a castling right
// given up). Only positions within them can come again.
int32_t reversibleHalfMoves(const Game& game);
