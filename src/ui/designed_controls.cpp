#include "ui/designed_controls.h"

#include "game/board.h"
#include "game/pictures.h"
#include "ui/help_window.h"
#include "ui/program.h"
#include "ui/window_layout.h"
#include "ui/windows.h"

namespace {

constexpr int kStockLeft = 536;

// Designed place of a captured-pieces picture: four columns of eight.
void placeLostPictureAsDesigned(Side side, PieceKind kind, int32_t index, int column, int row) {
  const int n = lostPictureOf(side, kind, index);
  if (n == 0) return;
  const DesignedRect cell = lostPictureCell(column, row);
  windows.form3.image[n] = PictureControl{cell.left, cell.top, stockPictureOf(side, kind, 0), false, true};
}

void designLostPictures() {
  for (int s = 0; s < kSideCount; ++s) {
    const Side side = sideOfSlot(s);
    const int pawnColumn = s * 2;
    for (int i = 0; i < 8; ++i) placeLostPictureAsDesigned(side, kPawn, i, pawnColumn, i);
    const PieceKind kinds[8] = {kKnight, kKnight, kRook, kRook, kBishop, kBishop, kQueen, kKing};
    for (int r = 0; r < 8; ++r) placeLostPictureAsDesigned(side, kinds[r], r % 2, pawnColumn + 1, r);
  }
}

}  // namespace

void initialiseControls() {
  windows = Windows{};
  for (int n = 1; n <= kBoardPictureCount; ++n) {
    const PictureOwner o = pictureOwner(n);
    const int x = n <= 16 ? (n <= 8 ? n - 1 : n - 9) : (n <= 24 ? n - 17 : n - 25);
    const int y = n <= 8 ? 1 : n <= 16 ? 0 : n <= 24 ? 6 : 7;
    // As stored in the window definition every board picture shows a white
    // background.
    windows.form1.image[n] = PictureControl{squareLeft(x), squareTop(y), stockPictureOf(o.side, o.kind, 1), true, true};
  }
  for (int n = kFirstStockPicture; n <= kLastStockPicture; ++n) {
    windows.form1.image[n] = PictureControl{kStockLeft + 40 * ((n - kFirstStockPicture) / 12),
                                            40 * ((n - kFirstStockPicture) % 12), n, true, true};
  }
  windows.form1.secenek1Checked = true;
  windows.form1.baslaChecked = true;
  windows.form1.radioSelected = 1;
  windows.form2.label1Visible = true;
  designLostPictures();
  Form4Initialise();
}
