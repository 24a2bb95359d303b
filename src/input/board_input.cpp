#include "input/board_input.h"

#include "controls/controls.h"
#include "controls/dialogs.h"
#include "game/board.h"
#include "game/game_over.h"
#include "game/pictures.h"
#include "input/move_driver.h"

const char* const kYouWonMessage = "Kazandınız";

namespace {

constexpr int kWhiteKingPicture = 13;
constexpr int kBlackKingPicture = 29;

// Against the computer every drop hands the turn to the timer, which decides
// whether Black has to move.
void startComputerTurn() {
  if (playMode != kPlayComputer) return;
  form1.timer1Enabled = true;
  form1.label19Visible = true;
}

}  // namespace

bool Image1MouseDown(int picture, MouseButton button) {
  const PictureOwner owner = pictureOwner(picture);
  const Piece* p = pieceOf(owner.kind, owner.side, owner.index);
  if (p == nullptr) return false;
  dragFromX = p->x;
  dragFromY = p->y;
  movingKind = owner.kind;
  movingSide = owner.side;
  movingIndex = owner.index;
  return button == MouseButton::Left;
}

bool Image4DragOver() { return true; }

// Once a king is taken every drop is refused and the computer is not asked to
// move: the dragged picture goes back to its square.
void Shape41DragDrop(int shape) {
  if (shape < 1 || shape > kSquareCount || gameIsOver() || dropsRefused) return;
  dragToX = shapeFile(shape);
  dragToY = shapeRank(shape);
  dropLeft = squareLeft(dragToX);
  dropTop = squareTop(dragToY);
  requestMove(movingKind, movingSide, movingIndex);
  startComputerTurn();
}

void ImageDragDrop(int picture) {
  const PictureOwner owner = pictureOwner(picture);
  const Piece* target = pieceOf(owner.kind, owner.side, owner.index);
  if (target == nullptr || gameIsOver() || dropsRefused) return;
  dragToX = target->x;
  dragToY = target->y;
  dropLeft = form1.image[picture].left;
  dropTop = form1.image[picture].top;
  const int32_t made = requestMove(movingKind, movingSide, movingIndex);
  if (made != 0) {
    form1.image[picture].enabled = false;
    form1.image[picture].visible = false;
  }
  if (picture == kWhiteKingPicture || picture == kBlackKingPicture) {
    if (made != 0) dialogs().message(kYouWonMessage);
  } else if (owner.side == kBlack) {
    startComputerTurn();
  }
}
