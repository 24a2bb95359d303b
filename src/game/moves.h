// Move generators, one per kind, with one contract: given a piece and a move
// code, return kMovePossible or kMoveRefused. Outside trial mode a possible move
// is also made tentatively: the destination and start squares get pending
// layers and the piece's target is set, awaiting commitMove; a piece taken is
// taken off (captureMade), and the move driver shows it among the lost pieces.
// In trial mode the generator only answers (and leaves the target on the
// destination). Either way it works on the position alone.
//
// Move codes:
//   pawn    1 one step, 2 double step, 3 and 4 the two captures
//   knight  1..8 the eight jumps
//   king    1..8 the eight neighbours, 9 short castling test, 10 long
//   rook, bishop: 28 codes, 7 per direction in increasing distance;
//   queen: 56 codes, bishop's 1..28 then rook's as 29..56.
// A generator refuses, touching nothing, for a piece that is not on the board.
#pragma once

#include <cstdint>

#include "game/board.h"
#include "game/game.h"

MoveResult generatePawnMove(Position& position, Piece& p, int32_t code);
MoveResult generateKnightMove(Position& position, Piece& p, int32_t code);
MoveResult generateKingMove(Position& position, Piece& p, int32_t code);
MoveResult generateRookMove(Position& position, Piece& p, int32_t code);
MoveResult generateBishopMove(Position& position, Piece& p, int32_t code);
MoveResult generateQueenMove(Position& position, Piece& p, int32_t code);

// The generator of a kind.
MoveResult generateMove(Position& position, PieceKind kind, Piece& p, int32_t code);

// Number of move codes of a kind (the search walks 1..count).
int32_t moveCodeCount(PieceKind kind);

// Unit steps of the sliding directions, seven codes each.
struct Step {
  int32_t dx;
  int32_t dy;
};
constexpr Step kRookDirections[4] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
constexpr Step kBishopDirections[4] = {{1, 1}, {-1, -1}, {1, -1}, {-1, 1}};
constexpr Step kKnightSteps[8] = {{1, 2}, {-1, 2}, {2, 1}, {-2, 1}, {-1, -2}, {-2, -1}, {2, -1}, {1, -2}};
constexpr Step kKingSteps[8] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
constexpr int32_t kCodesPerDirection = 7;
