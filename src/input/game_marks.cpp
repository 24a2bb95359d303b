#include "input/game_marks.h"

#include "controls/controls.h"
#include "game/board.h"
#include "game/game.h"
#include "game/game_over.h"
#include "game/lost_pieces.h"
#include "game/pictures.h"
#include "game/records.h"
#include "input/move_targets.h"

const char* const kWhiteTurnText = "Beyaz";
const char* const kBlackTurnText = "Siyah";
const char* const kWhiteWonText = "Beyaz kazandı";
const char* const kBlackWonText = "Siyah kazandı";
const char* const kGameOverText = "Oyun bitti";

namespace {

TurnMark turnMarkNow(Game& game) {
  if (gameIsOver(game)) {
    const int32_t winner = winnerSide(game);
    const char* text = winner == kWhite ? kWhiteWonText : winner == kBlack ? kBlackWonText : kGameOverText;
    return TurnMark{winner, true, text};
  }
  if (game.sideToMove == kWhiteToMove) return TurnMark{kWhite, false, kWhiteTurnText};
  return TurnMark{kBlack, false, kBlackTurnText};
}

// The newest half-move in the history: White's unanswered move while Black is
// to move, else the last complete entry's Black half (or its White half when
// Black's is empty). Take back clears the halves it undoes, and a new game
// empties the history by its count, so this is always the move on the board.
const HalfMoveRecord* lastHalfMove(Game& game) {
  if (game.sideToMove == kBlackToMove && game.moveCount < kHistoryCapacity &&
      game.history[game.moveCount].white.kind != kEmpty)
    return &game.history[game.moveCount].white;
  if (game.moveCount == 0) return nullptr;
  const FullMoveRecord& entry = game.history[game.moveCount - 1];
  if (entry.black.kind != kEmpty) return &entry.black;
  if (entry.white.kind != kEmpty) return &entry.white;
  return nullptr;
}

}  // namespace

void updateGameMarks(Game& game, Windows& windows) {
  showBoardPictures(game, windows);
  windows.form1.turnMark = turnMarkNow(game);
  const HalfMoveRecord* h = lastHalfMove(game);
  windows.form1.lastMove = h == nullptr ? LastMoveMark{} : LastMoveMark{true, h->fromX, h->fromY, h->toX, h->toY};
  refreshSelection(game, windows);
  showLostPieces(game, windows);
}
