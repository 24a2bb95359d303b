#include "input/board_input.h"

#include "game/board.h"
#include "game/game_over.h"
#include "input/move_driver.h"
#include "ui/controls.h"
#include "ui/dialogs.h"

const char* const kYouWonMessage = "Kazandınız";

namespace {

constexpr int kWhiteKingPicture = 13;
constexpr int kBlackKingPicture = 29;

// Back-rank pictures 9..16 from file a to h: kind and index.
constexpr PictureOwner kBackRankOwners[8] = {{kRook, 0, 0}, {kKnight, 0, 0}, {kBishop, 0, 0}, {kQueen, 0, 0},
                                             {kKing, 0, 0}, {kBishop, 0, 1}, {kKnight, 0, 1}, {kRook, 0, 1}};

// Against the computer every drop hands the turn to the timer, which decides
// whether Black has to move.
void startComputerTurn() {
  if (playMode != kPlayComputer) return;
  form1.timer1Enabled = true;
  form1.label19Visible = true;
}

}  // namespace

PictureOwner pictureOwner(int picture) {
  if (picture < 1 || picture > kBoardPictureCount) return {kEmpty, kNoSide, 0};
  const int32_t side = picture <= 16 ? kWhite : kBlack;
  const int n = (picture - 1) % 16;  // 0..15 within the side
  if (n < 8) return {kPawn, side, n};
  PictureOwner owner = kBackRankOwners[n - 8];
  owner.side = side;
  return owner;
}

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
  if (shape < 1 || shape > kSquareCount || gameIsOver()) return;
  dragToX = (shape - 1) % 8;
  dragToY = 7 - (shape - 1) / 8;
  dropLeft = squareLeft(dragToX);
  dropTop = squareTop(dragToY);
  requestMove(movingKind, movingSide, movingIndex);
  startComputerTurn();
}

void ImageDragDrop(int picture) {
  const PictureOwner owner = pictureOwner(picture);
  const Piece* target = pieceOf(owner.kind, owner.side, owner.index);
  if (target == nullptr || gameIsOver()) return;
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
