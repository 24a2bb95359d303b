#include "record/take_back.h"

#include "computer/computer_state.h"
#include "computer/evaluation.h"
#include "controls/controls.h"
#include "game/board.h"
#include "game/captures.h"
#include "game/castling_squares.h"
#include "game/game.h"
#include "game/list_lines.h"
#include "input/move_driver.h"
#include "input/move_targets.h"

namespace {

constexpr int32_t kRestoreMove = 1;
constexpr int32_t kRestoreCaptured = 2;

// Puts the piece on its target square, committing the square's pending layer.
void restorePiece(Game& game, PieceKind kind, int32_t index, Side side, bool moved, int32_t mode) {
  Piece* p = pieceOf(game, kind, side, index);
  if (p == nullptr) return;
  p->x = p->targetX;
  p->y = p->targetY;
  commitSquare(squareAt(game, p->x, p->y));
  p->atRest = 1;
  p->onBoard = true;
  if (kind == kPawn || kind == kRook || kind == kKing) p->moved = moved;
  if (mode == kRestoreCaptured) removeLostPiece(game, kind, side, index);
}

// Writes an occupant into a square's pending layer with the committed layer in
// force; restorePiece then commits it.
void prepareSquare(Game& game, int x, int y, PieceKind kind, Side side, int32_t index) {
  setPending(squareAt(game, x, y), kind, side, index, kCommittedLayer);
}

void undoCastlingPiece(Game& game, Side side, PieceKind kind, int32_t index, int fromX, int toX, int r) {
  prepareSquare(game, fromX, r, kind, side, kind == kKing ? kNoIndex : index);
  clearSquare(squareAt(game, toX, r));
  setTargetOf(game, kind, index, fromX, r, 1, side);
  restorePiece(game, kind, index, side, false, kRestoreMove);
}

void undoHalfMove(Game& game, const HalfMoveRecord& h, Side side) {
  if (h.kind == kEmpty) return;  // no move recorded in this half
  const int r = homeRank(side);
  const int32_t castling = castlingOfHalfMove(h, side);
  if (castling != 0) {
    const CastlingSquares& c = castlingSquares(castling);
    undoCastlingPiece(game, side, kKing, kNoIndex, kKingStartFile, c.kingTo, r);
    undoCastlingPiece(game, side, kRook, c.rookIndex, c.rookFrom, c.rookTo, r);
    return;
  }
  prepareSquare(game, h.fromX, h.fromY, h.kind, side, h.index);
  clearSquare(squareAt(game, h.toX, h.toY));
  setTargetOf(game, h.kind, h.index, h.fromX, h.fromY, 1, side);
  restorePiece(game, h.kind, h.index, side, h.movedBefore, kRestoreMove);
}

// The captured-pieces window's placement after `placed` pieces of one side.
LostPiecePlacement placementAfter(int placed, bool white) {
  LostPiecePlacement p = white ? kWhiteLostStart : kBlackLostStart;
  for (int i = 0; i < placed; ++i) advancePlacement(p, white ? kWhiteLostRowLeft : kBlackLostRowLeft);
  return p;
}

// Gives a captured piece back to the board. Its place in the captured-pieces
// window is freed only when it was shown there, and the placement then goes
// on exactly as if the piece had never been taken.
void returnCapturedPiece(Game& game, const HalfMoveRecord& h, Side side) {
  const bool wasShown = isLostPieceShown(game, h.capturedKind, side, h.capturedIndex);
  prepareSquare(game, h.captureX, h.captureY, h.capturedKind, side, h.capturedIndex);
  setTargetOf(game, h.capturedKind, h.capturedIndex, h.captureX, h.captureY, 1, side);
  restorePiece(game, h.capturedKind, h.capturedIndex, side, h.capturedMoved, kRestoreCaptured);
  if (wasShown) {
    (side == kWhite ? game.whiteLost : game.blackLost) = placementAfter(lostPiecesOf(game, side), side == kWhite);
  }
}

void clearHalf(HalfMoveRecord& h) {
  h.kind = kEmpty;
  h.movedBefore = h.index = h.fromX = h.fromY = h.toX = h.toY = h.captureFlag = 0;
}

void undoHalfWithCapture(Game& game, HalfMoveRecord& h, Side side) {
  undoHalfMove(game, h, side);
  if (h.captureFlag == 1 && h.kind != kEmpty) returnCapturedPiece(game, h, otherSide(side));
  clearHalf(h);
}

void takeBackUnansweredWhiteMove(Game& game) {
  undoHalfWithCapture(game, game.history[game.moveCount].white, kWhite);
  game.moveNumber -= 1;
  giveTurnTo(game, kWhite);
}

bool takeBackFullMove(Game& game) {
  if (game.moveCount == 0) return false;
  FullMoveRecord& entry = game.history[game.moveCount - 1];
  undoHalfWithCapture(game, entry.black, kBlack);
  undoHalfWithCapture(game, entry.white, kWhite);
  game.moveNumber -= 1;
  game.moveCount -= 1;
  giveTurnTo(game, kWhite);
  return true;
}

// The highlighted line as the moves left set it when they were made: every
// move but a White pawn move and a castling highlights the list's last line
// (after Black's move the blank line). Castlings leave the highlight where it
// was, so it cannot simply step back three lines.
void restoreSelection(Game& game) {
  int32_t selected = 0;  // a header line: nothing highlighted
  for (int32_t k = 0; k < game.moveCount; ++k) {
    const HalfMoveRecord& w = game.history[k].white;
    const HalfMoveRecord& b = game.history[k].black;
    if (w.kind != kEmpty && w.kind != kPawn && castlingOfHalfMove(w, kWhite) == 0) selected = 3 * k + 2;
    if (b.kind != kEmpty && castlingOfHalfMove(b, kBlack) == 0) selected = 3 * k + 4;
  }
  game.listSelection = selected;
}

}  // namespace

void takeBackTo(Game& game, ComputerState& computer, int32_t line) {
  const bool pendingWhite = unansweredWhiteMove(game);
  int32_t count = 0;
  if (line == 0) {
    count = pendingWhite ? 0 : 1;
  } else {
    count = game.moveCount - (line + 2) / 3 + 1;
  }
  game.mateShown = false;
  bool changed = pendingWhite;
  if (pendingWhite) takeBackUnansweredWhiteMove(game);
  for (int32_t k = 0; k < count; ++k) changed = takeBackFullMove(game) || changed;
  // With nothing taken back nothing changes but the mate label.
  if (changed) {
    game.justOpened = false;
    restoreSelection(game);
    countMaterial(game, computer);
    computer.lastMaterialBalance = computer.whiteMaterial - computer.blackMaterial;
  }
  refreshSelection(game);
}
