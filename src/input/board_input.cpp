#include "input/board_input.h"

#include "controls/controls.h"
#include "game/board.h"
#include "game/game.h"
#include "game/game_over.h"
#include "game/pictures.h"
#include "input/move_driver.h"
#include "input/move_targets.h"

// Every drop ends the choice too, whatever it played.
void letGoChosenPiece(Game& game) {
  game.chosenPicture = 0;
  game.chosenTargets = 0;
}

void startComputerTurn(Game& game) {
  if (game.playMode != kPlayComputer) return;
  game.computerTurnPending = true;
  game.thinkingShown = true;
}

namespace {

// The move the drag variables describe, dropped on (toX, toY).
MoveRequest droppedMove(const Game& game, int32_t toX, int32_t toY) {
  return MoveRequest{game.movingKind, game.movingSide, game.movingIndex, game.dragFromX, game.dragFromY, toX, toY};
}

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
void choosePicture(Game& game, int picture) {
  const PictureOwner owner = pictureOwner(picture);
  const Piece* p = pieceOf(game, owner.kind, owner.side, owner.index);
  if (p == nullptr || !p->onBoard || !sidesTurn(game, owner.side) || gameIsOver(game)) return;
  game.chosenPicture = picture;
  game.chosenTargets = pictureTargets(game, picture);
}

}  // namespace

bool pickUpPiece(Game& game, int picture, MouseButton button) {
  if (!recordDragStart(game, picture) || button != MouseButton::Left) return false;
  game.chosenTargets = pictureTargets(game, picture);
  return true;
}

bool acceptDragOver() { return true; }

// Once a king is taken every drop is refused and the computer is not asked to
// move: the dragged picture goes back to its square.
MoveOutcome dropOnSquare(Game& game, int shape) {
  letGoChosenPiece(game);
  if (shape < 1 || shape > kSquareCount || gameIsOver(game) || game.dropsRefused) return MoveOutcome::Refused;
  game.dragToX = shapeFile(shape);
  game.dragToY = shapeRank(shape);
  const MoveOutcome outcome = requestMove(game, droppedMove(game, game.dragToX, game.dragToY));
  if (outcome == MoveOutcome::KingTaken || outcome == MoveOutcome::Drawn) {
    endGame(game);
  } else {
    startComputerTurn(game);
  }
  return outcome;
}

MoveOutcome dropOnPiece(Game& game, int picture) {
  letGoChosenPiece(game);
  const PictureOwner owner = pictureOwner(picture);
  const Piece* target = pieceOf(game, owner.kind, owner.side, owner.index);
  if (target == nullptr || gameIsOver(game) || game.dropsRefused) return MoveOutcome::Refused;
  game.dragToX = target->x;
  game.dragToY = target->y;
  const MoveOutcome outcome = requestMove(game, droppedMove(game, game.dragToX, game.dragToY));
  if (outcome == MoveOutcome::KingTaken || outcome == MoveOutcome::Drawn) {
    endGame(game);
  } else if (owner.side == kBlack && owner.kind != kKing) {
    startComputerTurn(game);
  }
  return outcome;
}

MoveOutcome clickPiece(Game& game, int picture) {
  if (picture < 1 || picture > kBoardPictureCount) return MoveOutcome::Refused;
  const int chosen = game.chosenPicture;
  if (chosen == 0) {
    choosePicture(game, picture);
    return MoveOutcome::Refused;
  }
  if (picture == chosen) {
    letGoChosenPiece(game);
    return MoveOutcome::Refused;
  }
  recordDragStart(game, chosen);
  const MoveOutcome outcome = dropOnPiece(game, picture);
  // A click on another piece of the chosen one's side chooses it instead.
  if (pictureOwner(picture).side == pictureOwner(chosen).side) choosePicture(game, picture);
  return outcome;
}

MoveOutcome clickSquare(Game& game, int shape) {
  if (game.chosenPicture == 0) return MoveOutcome::Refused;
  recordDragStart(game, game.chosenPicture);
  return dropOnSquare(game, shape);
}

void endDrag(Game& game) { refreshSelection(game); }
