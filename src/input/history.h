// The move history: every half-move made in play, as take back, the saved
// game and the last-move mark need it. The move driver writes it.
#pragma once

#include <cstdint>

#include "game/types.h"

// One half-move as take back and the saved game need it. It keeps squares
// only: the pictures' places follow from them.
struct HalfMoveRecord {
  PieceKind kind;       // kind moved; 9 for castling; 0: no move recorded
  int32_t movedBefore;  // the pawn's, rook's or king's moved flag before the move
  int32_t index;        // index argument of the move; 99 for castling
  int32_t fromX;
  int32_t fromY;
  int32_t toX;
  int32_t toY;
  int32_t captureFlag;  // 1 when the move captured
  PieceKind capturedKind;
  int32_t capturedMoved;  // the captured pawn's, rook's or king's moved flag
  int32_t capturedIndex;
  int32_t captureX;
  int32_t captureY;
};

// One full move: White's half and Black's reply.
struct FullMoveRecord {
  HalfMoveRecord white;
  HalfMoveRecord black;
};

// Room for far more moves than any real game; a move that finds no room is
// refused with a message.
constexpr int32_t kHistoryCapacity = 1000;
inline FullMoveRecord history[kHistoryCapacity];
