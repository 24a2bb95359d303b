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

void resetLostPiecePlacement(GameRecord& record) {
  record.whiteLost = kWhiteLostStart;
  record.blackLost = kBlackLostStart;
  record.lostOrder = LostPieceOrder{};
}

namespace {

// Queens and kings are found by side alone, whatever index a caller passes.
bool samePiece(const LostPiece& p, PieceKind kind, Side side, int32_t index) {
  return p.kind == kind && p.side == side && (kind == kQueen || kind == kKing || p.index == index);
}

}  // namespace

bool isLostPieceShown(const GameRecord& record, PieceKind kind, Side side, int32_t index) {
  for (int i = 0; i < record.lostOrder.count; ++i) {
    if (samePiece(record.lostOrder.piece[i], kind, side, index)) return true;
  }
  return false;
}

int lostPiecesOf(const GameRecord& record, Side side) {
  int n = 0;
  for (int i = 0; i < record.lostOrder.count; ++i) n += record.lostOrder.piece[i].side == side ? 1 : 0;
  return n;
}

void removeLostPiece(GameRecord& record, PieceKind kind, Side side, int32_t index) {
  LostPieceOrder& order = record.lostOrder;
  int kept = 0;
  for (int i = 0; i < order.count; ++i) {
    if (!samePiece(order.piece[i], kind, side, index)) order.piece[kept++] = order.piece[i];
  }
  // The list reads as if the piece had never been taken.
  for (int i = kept; i < order.count; ++i) order.piece[i] = LostPiece{};
  order.count = kept;
}

void takePiece(Position& position, PieceKind pendingKind, PieceKind kind, Side pendingSide, Side side,
               int32_t pendingIndex, int32_t index, bool stillOnBoard, Layer layer) {
  const bool committed = layer == kCommittedLayer;
  const PieceKind k = committed ? kind : pendingKind;
  const Side s = committed ? side : pendingSide;
  const int32_t i = committed ? index : pendingIndex;
  Piece* p = pieceOf(position, k, s, i);
  if (p == nullptr) return;
  markCaptured(*p, layer, stillOnBoard);
  if (k == kPawn || k == kRook || k == kKing) {
    (s == kWhite ? position.capturedMovedWhite : position.capturedMovedBlack) = p->moved;
  }
}

void showLostPiece(Game& game, PieceKind kind, Side side, int32_t index) {
  if (game.playMode != kPlayComputer || (side != kWhite && side != kBlack)) return;
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
