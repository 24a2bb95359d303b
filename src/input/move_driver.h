// The move request driver: every real move (a drag, the computer's choice, a
// replayed line) passes through requestMove, which tests it, makes it and
// records it in the history (the move list is drawn from it).
#pragma once

#include <cstdint>

#include "game/types.h"

#include "controls/controls.h"
#include "game/game.h"
#include "game/records.h"
#include "input/move_codes.h"

// A move asked of the driver, whoever asks: the piece (kind, side, index; the
// index is not read for a queen or a king) and the squares it goes from and to.
struct MoveRequest {
  PieceKind kind;
  Side side;
  int32_t index;
  int32_t fromX;
  int32_t fromY;
  int32_t toX;
  int32_t toY;
};

// What became of a move request.
enum class MoveOutcome : int32_t {
  Refused,      // not this piece's move, not its side's turn, or against the rules
  Made,         // made and recorded; the other side is to move
  Castled,      // a castling, made and recorded
  KingTaken,    // made, and it took the other king: the game is over
  Drawn,        // made, and the game is drawn (game/draws)
  HistoryFull,  // refused: the history has no room for another move
  NoMove,       // the computer's side had no move at all: nothing was played
};
constexpr bool moveMade(MoveOutcome o) {
  return o == MoveOutcome::Made || o == MoveOutcome::Castled || o == MoveOutcome::KingTaken || o == MoveOutcome::Drawn;
}

// Tests the move, makes it, records it in the history and the move list, and
// hands over the turn. The generators write the pending index of the piece
// from `game.movingIndex`, which the caller sets.
MoveOutcome requestMove(Game& game, const MoveRequest& request);

// The history half of the move being made by `side` now.
HalfMoveRecord& currentHalfMove(Game& game, Side side);
