#include "input/move_targets.h"

#include "controls/controls.h"
#include "game/board.h"
#include "game/castling.h"
#include "game/game.h"
#include "game/game_over.h"
#include "game/moves.h"
#include "game/pictures.h"
#include "game/records.h"
#include "input/move_codes.h"

uint64_t moveTargets(const Game& game, PieceKind kind, Side side, int32_t index) {
  if (!sidesTurn(game, side) || gameIsOver(game) || game.moveCount >= kHistoryCapacity) return 0;
  // The driver's tests write in passing (probe, last try, the piece's target,
  // castling's attack maps): they run on a copy of the position, so the game
  // itself is never touched.
  Position trial = game;
  Piece* piece = pieceOf(trial, kind, side, index);
  if (piece == nullptr || !piece->onBoard || piece->atRest != 1) return 0;
  const Piece saved = *piece;
  uint64_t targets = 0;
  trial.trialMode = true;
  // Square by square as the driver reads a drop: the displacement's code,
  // then castling or the kind's generator.
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) {
      const int32_t code = moveCodeFor(kind, side, x - saved.x, y - saved.y);
      if (code == 0) continue;
      bool possible = false;
      if (isCastlingMove(kind, code)) {
        possible = castlingAllowed(trial, code, side);
      } else {
        const MoveResult result = generateMove(trial, kind, *piece, code);
        *piece = saved;  // the next code starts from the piece's square again
        possible = result == kMovePossible;
      }
      if (possible) targets |= uint64_t{1} << squareIndex(x, y);
    }
  }
  return targets;
}

uint64_t pictureTargets(const Game& game, int picture) {
  if (picture < 1 || picture > kBoardPictureCount) return 0;
  const PictureOwner owner = pictureOwner(picture);
  return moveTargets(game, owner.kind, owner.side, owner.index);
}

void refreshSelection(Game& game) {
  const int picture = game.chosenPicture;
  if (picture == 0) {
    game.chosenTargets = 0;
    return;
  }
  const PictureOwner owner = pictureOwner(picture);
  const Piece* p = pieceOf(game, owner.kind, owner.side, owner.index);
  if (p == nullptr || !p->onBoard || !sidesTurn(game, owner.side) || gameIsOver(game)) game.chosenPicture = 0;
  game.chosenTargets = pictureTargets(game, game.chosenPicture);
}
