// The board of two-layer squares, the 32 piece records and the value tables.
#pragma once

#include <cstdint>

#include "game/game.h"
#include "game/records.h"
#include "game/types.h"

// ---- operations ----------------------------------------------------------

// The board's part of a new game: squares, pieces, side to move and counters
// back to the start (see record/new_game.h for the whole reset).
void resetGameState(Game& game);

SquareProbe probeSquare(const Position& position, int x, int y);  // no bounds check: 0 <= x, y <= 7
void setPending(Square& s, PieceKind kind, Side side, int32_t index, int32_t stableFlag);
void commitSquare(Square& s);
void clearSquare(Square& s);

// Active layer of a square.
inline Side activeSide(const Square& s) { return s.stable == kCommittedLayer ? s.side : s.pendingSide; }

// The piece of (kind, side, index); queen and king by side alone. nullptr when
// no such piece exists.
Piece* pieceOf(Position& position, PieceKind kind, Side side, int32_t index);

void commitMove(Position& position, Piece& p);
void cancelMove(Piece& p);
void markCaptured(Piece& p, int32_t layerFlag, bool stillOnBoard);
void setTarget(Piece& p, int32_t tx, int32_t ty, int32_t atRestFlag);
// Finds the piece like pieceOf and calls setTarget; unknown pieces do nothing.
void setTargetOf(Position& position, PieceKind kind, int32_t index, int32_t tx, int32_t ty, int32_t atRestFlag,
                 Side side);

// "A".."H" for 0..7, "m" for anything else.
const char* fileLetter(int32_t x);
