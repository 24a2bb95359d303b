#include "computer/lookahead.h"

#include "computer/computer_state.h"
#include "game/board.h"
#include "game/captures.h"
#include "game/castling.h"
#include "game/game.h"

namespace {

// The number of the piece (kind, side, index), -1 when there is none.
int8_t idOf(Position& position, PieceKind kind, Side side, int32_t index) {
  return pieceOf(position, kind, side, index) == nullptr ? -1 : static_cast<int8_t>(pieceIdOf(kind, side, index));
}

void keep(Position& position, AppliedCandidate& a, int slot, int8_t id) {
  a.movedIds[slot] = id;
  if (id >= 0) a.movedBefore[slot] = gamePiece(position, id);
}

}  // namespace

int lookaheadDepth(const ComputerState& computer) { return computer.appliedCount; }

void applyCandidate(Position& position, ComputerState& computer, const Candidate& c, Side side) {
  if (computer.appliedCount >= kLookaheadDepth) return;
  AppliedCandidate& a = computer.applied[computer.appliedCount++];
  a = AppliedCandidate{};
  a.movedIds[0] = a.movedIds[1] = -1;
  if (isCastlingMove(c.kind, c.code)) {
    a.castling = true;
    a.rank = homeRank(side);
    for (int x = 0; x < kBoardSize; ++x) a.rankSquares[x] = squareAt(position, x, a.rank);
    keep(position, a, 0, idOf(position, kKing, side, 0));
    keep(position, a, 1, idOf(position, kRook, side, castlingSquares(c.code).rookIndex));
    castle(position, c.code, side, kCastleSearch);
    return;
  }
  const Side enemy = otherSide(side);
  a.squareIndexes[0] = squareIndex(c.toX, c.toY);
  a.squareIndexes[1] = squareIndex(c.fromX, c.fromY);
  a.squares[0] = position.board.squares[a.squareIndexes[0]];
  a.squares[1] = position.board.squares[a.squareIndexes[1]];
  keep(position, a, 0, idOf(position, c.kind, side, c.index));
  if (c.captures == 1) {
    keep(position, a, 1, idOf(position, c.capturedKind, enemy, c.capturedIndex));
    takePiece(position, c.capturedKind, c.capturedKind, enemy, enemy, c.capturedIndex, c.capturedIndex, false,
              c.capturedLayer);
    position.captureFound = false;
  }
  setTargetOf(position, c.kind, c.index, c.toX, c.toY, 0, side);
  setPending(position.board.squares[a.squareIndexes[0]], c.kind, side, c.index, kPendingLayer);
  setPending(position.board.squares[a.squareIndexes[1]], kEmpty, kNoSide, 0, kPendingLayer);
}

void undoCandidate(Position& position, ComputerState& computer) {
  if (computer.appliedCount == 0) return;
  AppliedCandidate& a = computer.applied[--computer.appliedCount];
  if (a.castling) {
    for (int x = 0; x < kBoardSize; ++x) squareAt(position, x, a.rank) = a.rankSquares[x];
  } else {
    position.board.squares[a.squareIndexes[1]] = a.squares[1];
    position.board.squares[a.squareIndexes[0]] = a.squares[0];
  }
  for (int i = 1; i >= 0; --i) {
    if (a.movedIds[i] >= 0) gamePiece(position, a.movedIds[i]) = a.movedBefore[i];
  }
}
