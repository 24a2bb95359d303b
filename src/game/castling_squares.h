// Where castling moves king and rook on the home rank: short castling takes
// the king from the e-file to the g-file and the h-file rook to f; long
// castling takes the king three files over to the b-file and the a-file rook
// to c. Every part of the game that knows castling reads it from here.
#pragma once

#include <cstdint>

#include "game/records.h"
#include "game/types.h"

constexpr int kKingStartFile = 4;  // e

struct CastlingSquares {
  int32_t code;       // the king's move code: kShortCastling or kLongCastling
  int32_t kingTo;     // file of the king's destination
  int32_t rookIndex;  // which rook: 1 on the king's side, 0 on the queen's
  int32_t rookFrom;   // files of the rook's start and destination
  int32_t rookTo;
  int32_t rookCode;    // the rook generator's code for its move
  int32_t rookParity;  // colour of the rook's destination on White's rank
};
constexpr CastlingSquares kShortCastlingSquares{kShortCastling, 6, 1, 7, 5, 23, 1};
constexpr CastlingSquares kLongCastlingSquares{kLongCastling, 1, 0, 0, 2, 16, 0};
constexpr CastlingSquares kCastlings[2] = {kShortCastlingSquares, kLongCastlingSquares};

constexpr bool isCastlingCode(int32_t code) { return code == kShortCastling || code == kLongCastling; }
constexpr bool isCastlingMove(PieceKind kind, int32_t code) { return kind == kKing && isCastlingCode(code); }

// The squares of a castling code (long castling for any other code).
constexpr const CastlingSquares& castlingSquares(int32_t code) {
  return code == kShortCastling ? kShortCastlingSquares : kLongCastlingSquares;
}

// The castling whose king goes from the e-file to file `kingTo`; 0 for none.
constexpr int32_t castlingCodeForKingTo(int kingTo) {
  for (const CastlingSquares& c : kCastlings) {
    if (c.kingTo == kingTo) return c.code;
  }
  return 0;
}

// The castling a recorded half-move made: the history keeps it as the king's
// move from the e-file along its home rank to castling's square; 0 for any
// other half-move.
constexpr int32_t castlingOfHalfMove(const HalfMoveRecord& h, Side side) {
  const int32_t r = homeRank(side);
  if (h.kind != kKing || h.fromX != kKingStartFile || h.fromY != r || h.toY != r) return 0;
  return castlingCodeForKingTo(h.toX);
}
