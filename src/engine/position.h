// Level 4's own position: a compact board of piece numbers with the 32 pieces'
// squares, the castling rights and a Zobrist key, and pure functions over it.
// It plays this game's rules: no en passant, no promotion (a pawn on the last
// rank stays), long castling takes the king to the b-file, the castling path
// must not be attacked, a move may leave its own king attacked and a king
// taken ends the game.
#pragma once

#include <cstdint>

#include "engine/squares.h"
#include "game/types.h"

namespace engine {

// Castling rights.
constexpr uint8_t kWhiteShort = 1, kWhiteLong = 2, kBlackShort = 4, kBlackLong = 8;

// A move: from, to and a flag for castling (the king's squares).
using Move = uint16_t;
constexpr Move kNoMove = 0;
constexpr int kPlain = 0, kCastleShort = 1, kCastleLong = 2;
constexpr Move makeMove(int from, int to, int flag = kPlain) { return Move(from | to << 6 | flag << 12); }
constexpr int moveFrom(Move m) { return m & 63; }
constexpr int moveTo(Move m) { return (m >> 6) & 63; }
constexpr int moveFlag(Move m) { return m >> 12; }

struct Position {
  int8_t board[64];        // piece number on each square, kNone when empty
  int8_t square[kPieces];  // square of each piece, kNone when taken
  uint8_t castling;        // rights still open
  uint8_t colour;          // side to move: 0 White, 1 Black
  uint64_t key;            // Zobrist key of all of the above
  uint8_t quiet;           // half-moves since a capture or a pawn move (at most 255; not in the key)
};

// Half-moves with no capture and no pawn move that make a draw.
constexpr int kDrawQuietHalfMoves = 100;

// What make() changes that unmake() cannot work out.
struct Undo {
  int8_t captured;
  uint8_t castling;
  uint8_t quiet;
  uint64_t key;
};

constexpr int kMaxMoves = 256;
struct MoveList {
  Move moves[kMaxMoves];
  int count = 0;
  void add(Move m) { moves[count++] = m; }
};

// A position from a piece layout: `squares` gives each piece's square
// (kNone when taken); rights and side as given. Key computed.
Position positionFromSquares(const int8_t (&squares)[kPieces], uint8_t castling, int colour);

uint64_t computeKey(const Position& p);

bool attacked(const Position& p, int s, int byColour);
// The side to move can take the other king at once.
bool canTakeKing(const Position& p);
bool kingAttacked(const Position& p, int colour);

// Every move the side to move may make; with capturesOnly, only captures.
void generateMoves(const Position& p, MoveList& list, bool capturesOnly = false);

void make(Position& p, Move m, Undo& u);
void unmake(Position& p, Move m, const Undo& u);
// A pass: no earlier position can come again across it. Returns what
// unmakeNull needs.
uint8_t makeNull(Position& p);
void unmakeNull(Position& p, uint8_t quiet);

// Leaf count of the move tree to `depth` plies; a position in which a king
// has been taken is a leaf.
uint64_t perft(Position& p, int depth);

}  // namespace engine
