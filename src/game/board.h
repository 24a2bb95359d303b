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

// The square operations and the piece lookups below are the generators' and
// the search's innermost steps, so they are defined here, where the
// compiler can inline them.

// No bounds check: 0 <= x, y <= 7.
inline SquareProbe probeSquare(const Position& position, int x, int y) {
  const Square& s = position.board.squares[squareIndex(x, y)];
  return SquareProbe{s.kind, s.side, s.index, s.stable, s.pendingKind, s.pendingSide, s.pendingIndex, s.weight};
}

inline void setPending(Square& s, PieceKind kind, Side side, int32_t index, Layer inForce) {
  s.pendingKind = kind;
  s.pendingSide = side;
  s.pendingIndex = index;
  s.stable = inForce;
}

inline void commitSquare(Square& s) {
  s.kind = s.pendingKind;
  s.side = s.pendingSide;
  s.index = s.pendingIndex;
  s.pendingKind = kEmpty;
  s.pendingSide = kNoSide;
  s.pendingIndex = kNoIndex;
  s.stable = kCommittedLayer;
}

inline void clearSquare(Square& s) {
  s.kind = kEmpty;
  s.pendingKind = kEmpty;
  s.side = kNoSide;
  s.pendingSide = kNoSide;
  s.index = kNoIndex;
  s.stable = kCommittedLayer;
}

// Active layer of a square.
inline Side activeSide(const Square& s) { return s.stable == kCommittedLayer ? s.side : s.pendingSide; }

// The piece of (kind, side, index); queen and king by side alone. nullptr when
// no such piece exists.
inline Piece* pieceOf(Position& position, PieceKind kind, Side side, int32_t index) {
  if ((side != kWhite && side != kBlack) || kindOrder(kind) < 0) return nullptr;
  const bool royal = kind == kQueen || kind == kKing;
  if (!royal && (index < 0 || index >= pieceCountOf(kind))) return nullptr;
  return &gamePiece(position, pieceIdOf(kind, side, index));
}

void commitMove(Position& position, Piece& p);

inline void cancelMove(Piece& p) {
  p.targetX = p.x;
  p.targetY = p.y;
  p.atRest = 1;
}

// The piece's at-rest flag takes the layer it stood in (1 committed).
inline void markCaptured(Piece& p, Layer layer, bool stillOnBoard) {
  p.atRest = layer;
  p.onBoard = stillOnBoard;
}

inline void setTarget(Piece& p, int32_t tx, int32_t ty, int32_t atRestFlag) {
  p.targetX = tx;
  p.targetY = ty;
  p.atRest = atRestFlag;
}
// Finds the piece like pieceOf and calls setTarget; unknown pieces do nothing.
void setTargetOf(Position& position, PieceKind kind, int32_t index, int32_t tx, int32_t ty, int32_t atRestFlag,
                 Side side);

// "A".."H" for 0..7, "m" for anything else.
const char* fileLetter(int32_t x);
