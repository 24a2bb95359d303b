#include "game/consistency.h"

#include "controls/controls.h"
#include "game/board.h"
#include "game/game.h"
#include "game/pictures.h"

namespace {

std::string squareFault(int x, int y, const char* what) {
  return std::string("square ") + fileLetter(x) + std::to_string(y + 1) + " " + what;
}

}  // namespace

std::string pieceFault(Game& game) {
  int occupied = 0;
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) {
      const Square& s = squareAt(game, x, y);
      if (s.stable != kCommittedLayer) return squareFault(x, y, "not stable");
      if (s.side != kNoSide) ++occupied;
    }
  }
  int onBoard = 0;
  for (int n = 1; n <= kBoardPictureCount; ++n) {
    const PictureOwner o = pictureOwner(n);
    const Piece& p = *pieceOf(game, o.kind, o.side, o.index);
    const std::string name = "picture " + std::to_string(n);
    if (p.atRest != 1) return name + " piece not at rest";
    if (p.targetX != p.x || p.targetY != p.y) return name + " target differs from position";
    if (!p.onBoard) continue;
    ++onBoard;
    const Square& s = squareAt(game, p.x, p.y);
    if (s.kind != o.kind || s.side != o.side) return name + " piece not on its square";
    if (o.kind != kQueen && o.kind != kKing && s.index != o.index)
      return name + " square index " + std::to_string(s.index);
  }
  if (onBoard != occupied) {
    return std::to_string(onBoard) + " pieces on board but " + std::to_string(occupied) + " occupied squares";
  }
  return {};
}

std::string pictureFault(Game& game, Windows& windows) {
  for (int n = 1; n <= kBoardPictureCount; ++n) {
    const PictureOwner o = pictureOwner(n);
    const Piece& p = *pieceOf(game, o.kind, o.side, o.index);
    const PictureControl& pic = windows.form1.image[n];
    const std::string name = "picture " + std::to_string(n);
    const bool shownCaptured = windows.form3.image[lostPictureOf(o.side, o.kind, o.index)].visible;
    if (!p.onBoard) {
      if (pic.visible || pic.enabled) return name + " of a captured piece still shown";
      continue;
    }
    if (!pic.visible || !pic.enabled) return name + " hidden on the board";
    if (pic.left != squareLeft(p.x) || pic.top != squareTop(p.y)) return name + " not on its piece's square";
    if (pic.bitmap != stockPictureOf(o.side, o.kind, (p.x + p.y) % 2)) return name + " has the wrong bitmap";
    if (shownCaptured) return name + " shown among the captured pieces while on the board";
  }
  return {};
}

std::string moveListFault(Game& game, Windows& windows) {
  const bool unanswered = game.sideToMove == kBlackToMove;
  const int32_t expected = 2 + 3 * game.moveCount + (unanswered ? 1 : 0);
  if (listLineCount(windows) != expected) {
    return "move list has " + std::to_string(listLineCount(windows)) + " lines, expected " + std::to_string(expected);
  }
  if (game.moveNumber != game.moveCount + (unanswered ? 1 : 0)) return "move number out of step";
  return {};
}

std::string checkConsistency(Game& game, Windows& windows) {
  std::string fault = pieceFault(game);
  if (fault.empty()) fault = pictureFault(game, windows);
  if (fault.empty()) fault = moveListFault(game, windows);
  return fault;
}
