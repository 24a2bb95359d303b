// The engine's piece numbers, kinds, colours and squares.
#pragma once

#include <cstdint>

#include "game/records.h"

namespace engine {

// Piece numbers are the game's (pieceById): 0..15 pawns, 16..19 knights,
// 20..23 bishops, 24..27 rooks, 28..29 queens, 30..31 kings.
constexpr int kPieces = 32;
constexpr int8_t kNone = -1;

// Kinds inside the engine, in order of value.
enum Kind : int8_t { kP = 0, kN = 1, kB = 2, kR = 3, kQ = 4, kK = 5 };
constexpr int kKinds = 6;

// By piece number, from the game's numbering, as tables for the inner loops.
struct PieceFacts {
  int8_t kind[kPieces];
  int8_t colour[kPieces];  // 0 White, 1 Black
};
inline constexpr PieceFacts kPieceFacts = [] {
  PieceFacts f{};
  for (int id = 0; id < kPieces; ++id) {
    const int32_t k = pieceKindOf(id);
    f.kind[id] = k == kPawn ? kP : k == kKnight ? kN : k == kBishop ? kB : k == kRook ? kR : k == kQueen ? kQ : kK;
    f.colour[id] = int8_t(pieceSideOf(id) - 1);
  }
  return f;
}();
constexpr int8_t kindOfPiece(int id) { return kPieceFacts.kind[id]; }
constexpr int8_t colourOfPiece(int id) { return kPieceFacts.colour[id]; }
constexpr int kingOf(int colour) { return 30 + colour; }

// Squares: y * 8 + x (a1 0, h1 7, a8 56).
constexpr int sq(int x, int y) { return y * 8 + x; }
constexpr int fileOf(int s) { return s & 7; }
constexpr int rankOf(int s) { return s >> 3; }

}  // namespace engine
