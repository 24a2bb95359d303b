#include "game/lost_pieces.h"

#include "controls/controls.h"
#include "game/captures.h"
#include "game/game.h"
#include "game/pictures.h"

void showLostPieces(Game& game, Windows& windows) {
  bool shown[kLostPictureSlots] = {};
  LostPiecePlacement white = kWhiteLostStart;
  LostPiecePlacement black = kBlackLostStart;
  int newlyShown = 0;
  for (int i = 0; i < game.lostOrder.count; ++i) {
    const LostPiece& lost = game.lostOrder.piece[i];
    const bool isWhite = lost.side == kWhite;
    LostPiecePlacement& p = isWhite ? white : black;
    advancePlacement(p, isWhite ? kWhiteLostRowLeft : kBlackLostRowLeft);
    const int n = lostPictureOf(lost.side, lost.kind, lost.index);
    if (n == 0) continue;
    PictureControl& pic = windows.form3.image[n];
    if (!pic.visible) {
      newlyShown += 1;
      if (lost.kind == kKing) windows.form1.label20Visible = true;
    }
    pic.visible = true;
    pic.left = p.x;
    pic.top = p.y;
    shown[n] = true;
  }
  for (int n = 0; n < kLostPictureSlots; ++n) {
    if (!shown[n]) windows.form3.image[n].visible = false;
  }
  if (newlyShown > 0) {
    windows.form3.visible = true;
    windows.form3.timesShown += newlyShown;
  }
}
