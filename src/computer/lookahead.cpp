#include "computer/lookahead.h"

#include "computer/computer_state.h"
#include "game/board.h"
#include "game/captures.h"
#include "game/castling.h"
#include "game/game.h"

int lookaheadDepth(ComputerState& computer) { return computer.appliedCount; }

void applyCandidate(Game& game, ComputerState& computer, const Candidate& c, Side side) {
  if (computer.appliedCount >= kLookaheadDepth) return;
  AppliedCandidate& a = computer.applied[computer.appliedCount++];
  a = AppliedCandidate{};
  if (isCastlingMove(c.kind, c.code)) {
    a.castling = true;
    a.rank = homeRank(side);
    for (int x = 0; x < kBoardSize; ++x) a.rankSquares[x] = squareAt(game, x, a.rank);
    a.movedPieces[0] = &game.pieces.kings[side - 1];
    a.movedPieces[1] = &game.pieces.rooks[side - 1][castlingSquares(c.code).rookIndex];
    a.movedBefore[0] = *a.movedPieces[0];
    a.movedBefore[1] = *a.movedPieces[1];
    castle(game, c.code, side, kCastleSearch);
    return;
  }
  const Side enemy = otherSide(side);
  a.squareIndexes[0] = squareIndex(c.toX, c.toY);
  a.squareIndexes[1] = squareIndex(c.fromX, c.fromY);
  a.squares[0] = game.board.squares[a.squareIndexes[0]];
  a.squares[1] = game.board.squares[a.squareIndexes[1]];
  a.movedPieces[0] = pieceOf(game, c.kind, side, c.index);
  if (a.movedPieces[0] != nullptr) a.movedBefore[0] = *a.movedPieces[0];
  if (c.captures == 1) {
    a.movedPieces[1] = pieceOf(game, c.capturedKind, enemy, c.capturedIndex);
    if (a.movedPieces[1] != nullptr) a.movedBefore[1] = *a.movedPieces[1];
    takePiece(game, c.capturedKind, c.capturedKind, enemy, enemy, c.capturedIndex, c.capturedIndex, kSearchOnly, false,
              c.capturedLayer);
    game.captureFound = false;
  }
  setTargetOf(game, c.kind, c.index, c.toX, c.toY, 0, side);
  setPending(game.board.squares[a.squareIndexes[0]], c.kind, side, c.index, kPendingLayer);
  setPending(game.board.squares[a.squareIndexes[1]], kEmpty, kNoSide, 0, kPendingLayer);
}

void undoCandidate(Game& game, ComputerState& computer, const Candidate&, Side) {
  if (computer.appliedCount == 0) return;
  AppliedCandidate& a = computer.applied[--computer.appliedCount];
  if (a.castling) {
    for (int x = 0; x < kBoardSize; ++x) squareAt(game, x, a.rank) = a.rankSquares[x];
  } else {
    game.board.squares[a.squareIndexes[1]] = a.squares[1];
    game.board.squares[a.squareIndexes[0]] = a.squares[0];
  }
  for (int i = 1; i >= 0; --i) {
    if (a.movedPieces[i] != nullptr) *a.movedPieces[i] = a.movedBefore[i];
  }
}
