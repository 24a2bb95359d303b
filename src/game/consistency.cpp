#include "game/consistency.h"

#include "game/board.h"
#include "game/game.h"
#include "game/list_lines.h"
#include "game/pictures.h"

namespace {

std::string squareFault(int x, int y, const char* what) {
  return std::string("square ") + fileLetter(x) + std::to_string(y + 1) + " " + what;
}

}  // namespace

std::string pieceFault(const Position& position) {
  int occupied = 0;
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) {
      const Square& s = position.board.squares[squareIndex(x, y)];
      if (s.stable != kCommittedLayer) return squareFault(x, y, "not stable");
      if (s.side != kNoSide) ++occupied;
    }
  }
  int onBoard = 0;
  for (int n = 1; n <= kBoardPictureCount; ++n) {
    const PictureOwner o = pictureOwner(n);
    const Piece& p = pieceById(position.pieces, pieceIdOf(o.kind, o.side, o.index));
    const std::string name = "picture " + std::to_string(n);
    if (p.atRest != 1) return name + " piece not at rest";
    if (p.targetX != p.x || p.targetY != p.y) return name + " target differs from position";
    if (!p.onBoard) continue;
    ++onBoard;
    const Square& s = position.board.squares[squareIndex(p.x, p.y)];
    if (s.kind != o.kind || s.side != o.side) return name + " piece not on its square";
    if (o.kind != kQueen && o.kind != kKing && s.index != o.index)
      return name + " square index " + std::to_string(s.index);
  }
  if (onBoard != occupied) {
    return std::to_string(onBoard) + " pieces on board but " + std::to_string(occupied) + " occupied squares";
  }
  return {};
}

std::string moveListFault(const Game& game) {
  if (game.moveCount < 0 || game.moveCount > kHistoryCapacity) return "move count out of range";
  // Every full move has both halves, and while Black is to move White's half
  // of the entry being filled stands alone.
  for (int32_t k = 0; k < game.moveCount; ++k) {
    if (game.history[k].white.kind == kEmpty || game.history[k].black.kind == kEmpty) {
      return "full move " + std::to_string(k + 1) + " lacks a half";
    }
  }
  const bool unanswered = unansweredWhiteMove(game);
  if (sideToPlay(game) == kBlack && !unanswered) return "Black to move without White's move";
  if (game.moveNumber != game.moveCount + (unanswered ? 1 : 0)) return "move number out of step";
  if (game.listSelection < 0 || game.listSelection >= listLineCount(game)) return "highlighted line off the list";
  return {};
}

std::string checkConsistency(const Game& game) {
  std::string fault = pieceFault(game);
  if (fault.empty()) fault = moveListFault(game);
  return fault;
}
