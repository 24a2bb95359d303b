#include "input/board_input.h"

#include "controls/controls.h"
#include "game/board.h"
#include "game/game.h"
#include "game/game_over.h"
#include "game/pictures.h"
#include "input/move_driver.h"
#include "input/move_targets.h"

namespace {

constexpr int kWhiteKingPicture = 13;
constexpr int kBlackKingPicture = 29;

}  // namespace

// Every drop ends the choice too, whatever it played.
void letGoChosenPiece(Windows& windows) {
  windows.form1.selectedPicture = 0;
  windows.form1.moveTargets = 0;
}

void startComputerTurn(Game& game, Windows& windows) {
  if (game.playMode != kPlayComputer) return;
  windows.form1.timer1Enabled = true;
  windows.form1.label19Visible = true;
}

namespace {

// The drag variables of a press on a board picture; false for any other
// picture.
bool recordDragStart(Game& game, int picture) {
  const PictureOwner owner = pictureOwner(picture);
  const Piece* p = pieceOf(game, owner.kind, owner.side, owner.index);
  if (p == nullptr) return false;
  game.dragFromX = p->x;
  game.dragFromY = p->y;
  game.movingKind = owner.kind;
  game.movingSide = owner.side;
  game.movingIndex = owner.index;
  return true;
}

// Chooses a piece of the side to move, while the game goes on.
void choosePicture(Game& game, Windows& windows, int picture) {
  const PictureOwner owner = pictureOwner(picture);
  const Piece* p = pieceOf(game, owner.kind, owner.side, owner.index);
  if (p == nullptr || !p->onBoard || !sidesTurn(game, owner.side) || gameIsOver(game)) return;
  windows.form1.selectedPicture = picture;
  windows.form1.moveTargets = pictureTargets(game, picture);
}

}  // namespace

bool pickUpPiece(Game& game, Windows& windows, int picture, MouseButton button) {
  if (!recordDragStart(game, picture) || button != MouseButton::Left) return false;
  windows.form1.moveTargets = pictureTargets(game, picture);
  return true;
}

bool acceptDragOver() { return true; }

// Once a king is taken every drop is refused and the computer is not asked to
// move: the dragged picture goes back to its square.
void dropOnSquare(Game& game, Windows& windows, int shape) {
  letGoChosenPiece(windows);
  if (shape < 1 || shape > kSquareCount || gameIsOver(game) || game.dropsRefused) return;
  game.dragToX = shapeFile(shape);
  game.dragToY = shapeRank(shape);
  requestMove(game, windows, game.movingKind, game.movingSide, game.movingIndex);
  startComputerTurn(game, windows);
}

void dropOnPiece(Game& game, Windows& windows, int picture) {
  letGoChosenPiece(windows);
  const PictureOwner owner = pictureOwner(picture);
  const Piece* target = pieceOf(game, owner.kind, owner.side, owner.index);
  if (target == nullptr || gameIsOver(game) || game.dropsRefused) return;
  game.dragToX = target->x;
  game.dragToY = target->y;
  const int32_t made = requestMove(game, windows, game.movingKind, game.movingSide, game.movingIndex);
  if (picture == kWhiteKingPicture || picture == kBlackKingPicture) {
    if (made != 0) announceGameEnd(windows, KingTaker::Player);
  } else if (owner.side == kBlack) {
    startComputerTurn(game, windows);
  }
}

void clickPiece(Game& game, Windows& windows, int picture) {
  if (picture < 1 || picture > kBoardPictureCount) return;
  const int chosen = windows.form1.selectedPicture;
  if (chosen == 0) {
    choosePicture(game, windows, picture);
    return;
  }
  if (picture == chosen) {
    letGoChosenPiece(windows);
    return;
  }
  recordDragStart(game, chosen);
  dropOnPiece(game, windows, picture);
  // A click on another piece of the chosen one's side chooses it instead.
  if (pictureOwner(picture).side == pictureOwner(chosen).side) choosePicture(game, windows, picture);
}

void clickSquare(Game& game, Windows& windows, int shape) {
  if (windows.form1.selectedPicture == 0) return;
  recordDragStart(game, windows.form1.selectedPicture);
  dropOnSquare(game, windows, shape);
}

void endDrag(Game& game, Windows& windows) { refreshSelection(game, windows); }
