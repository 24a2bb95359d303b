// Castling: king and rook move together. Short castling puts the king on the
// g-file and the rook on f; long castling puts the king three files over on
// the b-file and the rook on c.
#pragma once

#include <cstdint>

constexpr int32_t kCastlePlay = 1;    // a castling drag: pictures and board
constexpr int32_t kCastleSearch = 2;  // the computer's trial: pending layers only

// Castles side 1 or 2 with code 9 (short) or 10 (long). Needs the king and
// the rook unmoved and at rest on their start squares, the squares between
// them empty, the king's destination empty and the king's path not attacked.
// Returns 1 when castling was made (play) or set up (search), 0 otherwise; a
// refused castling leaves king and rook exactly as they were.
int32_t castle(int32_t code, int32_t side, int32_t mode);

// The squares of a castling on the home rank.
struct CastlingSquares {
  int32_t kingTo;
  int32_t rookIndex;
  int32_t rookFrom;
  int32_t rookTo;
  int32_t rookCode;    // rook generator code for its move
  int32_t rookParity;  // colour of the rook's destination (white's rank)
};
constexpr CastlingSquares kShortCastlingSquares{6, 1, 7, 5, 23, 1};
constexpr CastlingSquares kLongCastlingSquares{1, 0, 0, 2, 16, 0};
inline const CastlingSquares& castlingSquares(int32_t code) {
  return code == 9 ? kShortCastlingSquares : kLongCastlingSquares;
}
