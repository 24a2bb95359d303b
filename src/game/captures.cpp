#include "game/captures.h"

#include "controls/controls.h"
#include "game/board.h"
#include "game/pictures.h"

void initialiseCaptureState() {
  resetLostPiecePlacement();
  capturedMovedWhite = 0;
  capturedMovedBlack = 0;
}

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

void resetLostPiecePlacement() {
  whiteLost = kWhiteLostStart;
  blackLost = kBlackLostStart;
}

namespace {

void hideBoardPicture(int32_t side, int32_t kind, int32_t index) {
  const int n = boardPictureOf(side, kind, index);
  if (n == 0) return;
  form1.image[n].visible = false;
  form1.image[n].enabled = false;
}

// Shows a really captured piece in the captured-pieces window.
void showLostPiece(int32_t kind, int32_t side, int32_t index) {
  const bool white = side == kWhite;
  LostPiecePlacement& p = white ? whiteLost : blackLost;
  advancePlacement(p, white ? kWhiteLostRowLeft : kBlackLostRowLeft);
  const int n = lostPictureOf(side, kind, index);
  if (n != 0) {
    form3.image[n].visible = true;
    form3.image[n].left = p.x;
    form3.image[n].top = p.y;
  }
  if (kind == kKing) form1.label20Visible = true;
  form3.visible = true;
  form3.timesShown += 1;
}

}  // namespace

void takePiece(int32_t pendingKind, int32_t kind, int32_t pendingSide, int32_t side, int32_t pendingIndex,
               int32_t index, int32_t show, int32_t stillOnBoard, int32_t layer) {
  const bool committed = layer == kCommittedLayer;
  const int32_t k = committed ? kind : pendingKind;
  const int32_t s = committed ? side : pendingSide;
  const int32_t i = committed ? index : pendingIndex;
  Piece* p = pieceOf(k, s, i);
  if (p != nullptr) {
    markCaptured(*p, layer, stillOnBoard);
    if (k == kPawn || k == kRook || k == kKing) {
      (s == kWhite ? capturedMovedWhite : capturedMovedBlack) = p->moved;
    }
  }
  if (show != kShowCapture) return;
  // A piece really taken leaves the board in every mode, whoever took it.
  hideBoardPicture(side, kind, index);
  if (playMode != kPlayComputer) return;
  if (side == kWhite || side == kBlack) showLostPiece(kind, side, index);
}

void hideBlackPicture(int32_t kind, int32_t index) { hideBoardPicture(kBlack, kind, index); }
