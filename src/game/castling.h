// Castling: king and rook move together. Short castling puts the king on the
// g-file and the rook on f; long castling puts the king three files over on
// the b-file and the rook on c.
#pragma once

#include <cstdint>

#include "game/castling_squares.h"
#include "game/game.h"

// What a castling writes.
enum CastleMode : int32_t {
  kCastlePlay = 1,    // a castling drag: the board and the pieces
  kCastleSearch = 2,  // the computer's trial: pending layers only
};

// Castles side 1 or 2 with code 9 (short) or 10 (long). Needs the king and
// the rook unmoved and at rest on their start squares, the squares between
// them empty, the king's destination empty and the king's path not attacked.
// Returns 1 when castling was made (play) or set up (search), 0 otherwise; a
// refused castling leaves king and rook exactly as they were.
int32_t castle(Position& position, int32_t code, Side side, CastleMode mode);

// Whether castle(code, side, kCastlePlay) would castle now. Called in trial
// mode; it leaves king, rook, squares and attack maps as they were, so that
// the next square can be tried; the generators' scratch (probe, last try,
// captured) it writes in passing, which is why moveTargets asks on a copy.
bool castlingAllowed(Position& position, int32_t code, Side side);
