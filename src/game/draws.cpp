#include "game/draws.h"

#include "game/board.h"
#include "game/list_lines.h"

namespace {

// Half-moves in the history: every full move, and White's move that Black has
// not answered yet.
int32_t halfMoveCount(const Game& game) { return game.moveCount * 2 + (unansweredWhiteMove(game) ? 1 : 0); }

bool irreversible(const HalfMoveRecord& h) {
  if (h.captureFlag != 0 || h.kind == kPawn) return true;
  if (h.kind == kKing && (h.toX - h.fromX > 1 || h.fromX - h.toX > 1)) return true;
  return (h.kind == kKing || h.kind == kRook) && h.movedBefore == 0;
}

// Half-moves back from the newest while `keeps` holds.
template <class Keeps>
int32_t halfMovesWhile(const Game& game, Keeps keeps) {
  int32_t back = 0;
  for (const HalfMoveRecord* h = halfMoveBack(game, 0); h != nullptr && h->kind != kEmpty && keeps(*h);
       h = halfMoveBack(game, ++back)) {
  }
  return back;
}

// Who stands on each square: kind and side.
struct Occupants {
  int32_t square[kSquareCount];
  bool operator==(const Occupants&) const = default;
};

Occupants occupantsOf(const Game& game) {
  Occupants o{};
  for (int i = 0; i < kSquareCount; ++i) {
    const Square& s = game.board.squares[i];
    o.square[i] = s.side == kNoSide ? 0 : s.kind * 4 + s.side;
  }
  return o;
}

// Earlier positions with the same side to move that equal the present one,
// found by walking the reversible moves back.
int32_t earlierOccurrences(const Game& game) {
  const Occupants now = occupantsOf(game);
  Occupants walked = now;
  int32_t found = 0;
  const int32_t reversible = reversibleHalfMoves(game);
  for (int32_t back = 0; back < reversible; ++back) {
    const HalfMoveRecord& h = *halfMoveBack(game, back);
    const int from = squareIndex(h.fromX, h.fromY);
    const int to = squareIndex(h.toX, h.toY);
    walked.square[from] = walked.square[to];
    walked.square[to] = 0;
    if (back % 2 == 1 && walked == now) ++found;
  }
  return found;
}

bool onlyKingsLeft(const Game& game) {
  for (int id = 0; id < kPieceCount; ++id) {
    if (pieceById(game.pieces, id).onBoard != (pieceKindOf(id) == kKing)) return false;
  }
  return true;
}

}  // namespace

const HalfMoveRecord* halfMoveBack(const Game& game, int32_t back) {
  const int32_t ply = halfMoveCount(game) - 1 - back;
  if (back < 0 || ply < 0) return nullptr;
  const FullMoveRecord& entry = game.history[ply / 2];
  return ply % 2 == 0 ? &entry.white : &entry.black;
}

int32_t quietHalfMoves(const Game& game) {
  return halfMovesWhile(game, [](const HalfMoveRecord& h) { return h.captureFlag == 0 && h.kind != kPawn; });
}

int32_t reversibleHalfMoves(const Game& game) {
  return halfMovesWhile(game, [](const HalfMoveRecord& h) { return !irreversible(h); });
}

DrawReason drawReasonOf(const Game& game) {
  if (earlierOccurrences(game) >= 2) return DrawReason::Repetition;
  if (quietHalfMoves(game) >= kFiftyMoveHalfMoves) return DrawReason::FiftyMoves;
  if (onlyKingsLeft(game)) return DrawReason::BareKings;
  return DrawReason::None;
}
