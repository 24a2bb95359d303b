#include "game/captures.h"

#include "controls/controls.h"
#include "game/board.h"
#include "game/game.h"

void advancePlacement(LostPiecePlacement& p, int32_t rowLeft) {
  if (p.odd == 1) {
    p.x += kLostColumnStep;
  } else {
    p.y = p.row * kLostRowStep;
    p.x = rowLeft;
    p.row += 1;
    p.count = 0;
  }
  p.count += 1;
  p.odd = p.count % 2;
}

void resetLostPiecePlacement(Game& game) {
  game.whiteLost = kWhiteLostStart;
  game.blackLost = kBlackLostStart;
  game.lostOrder = LostPieceOrder{};
}

namespace {

// Queens and kings are found by side alone, whatever index a caller passes.
bool samePiece(const LostPiece& p, PieceKind kind, Side side, int32_t index) {
  return p.kind == kind && p.side == side && (kind == kQueen || kind == kKing || p.index == index);
}

}  // namespace

bool isLostPieceShown(const Game& game, PieceKind kind, Side side, int32_t index) {
  for (int i = 0; i < game.lostOrder.count; ++i) {
    if (samePiece(game.lostOrder.piece[i], kind, side, index)) return true;
  }
  return false;
}

int lostPiecesOf(const Game& game, Side side) {
  int n = 0;
  for (int i = 0; i < game.lostOrder.count; ++i) n += game.lostOrder.piece[i].side == side ? 1 : 0;
  return n;
}

void removeLostPiece(Game& game, PieceKind kind, Side side, int32_t index) {
  int kept = 0;
  for (int i = 0; i < game.lostOrder.count; ++i) {
    if (!samePiece(game.lostOrder.piece[i], kind, side, index)) game.lostOrder.piece[kept++] = game.lostOrder.piece[i];
  }
  // The list reads as if the piece had never been taken.
  for (int i = kept; i < game.lostOrder.count; ++i) game.lostOrder.piece[i] = LostPiece{};
  game.lostOrder.count = kept;
}

namespace {

// Adds a really captured piece to the lost pieces, in the next place.
void addLostPiece(Game& game, PieceKind kind, Side side, int32_t index) {
  const bool white = side == kWhite;
  LostPiecePlacement& p = white ? game.whiteLost : game.blackLost;
  advancePlacement(p, white ? kWhiteLostRowLeft : kBlackLostRowLeft);
  if (game.lostOrder.count < kLostPieceCapacity && !isLostPieceShown(game, kind, side, index)) {
    const bool royal = kind == kQueen || kind == kKing;
    game.lostOrder.piece[game.lostOrder.count++] = LostPiece{kind, side, royal ? 0 : index};
    game.lostPiecesShown += 1;  // the captured-pieces window comes up with it
    if (kind == kKing) game.mateShown = true;
  }
}

}  // namespace

void takePiece(Game& game, PieceKind pendingKind, PieceKind kind, Side pendingSide, Side side, int32_t pendingIndex,
               int32_t index, int32_t show, bool stillOnBoard, int32_t layer) {
  const bool committed = layer == kCommittedLayer;
  const PieceKind k = committed ? kind : pendingKind;
  const Side s = committed ? side : pendingSide;
  const int32_t i = committed ? index : pendingIndex;
  Piece* p = pieceOf(game, k, s, i);
  if (p != nullptr) {
    markCaptured(*p, layer, stillOnBoard);
    if (k == kPawn || k == kRook || k == kKing) {
      (s == kWhite ? game.capturedMovedWhite : game.capturedMovedBlack) = p->moved;
    }
  }
  if (show != kShowCapture || game.playMode != kPlayComputer) return;
  if (side == kWhite || side == kBlack) addLostPiece(game, kind, side, index);
}
