#include "input/move_driver.h"

#include <cstring>

#include "controls/controls.h"
#include "controls/dialogs.h"
#include "game/attack_maps.h"
#include "game/board.h"
#include "game/captures.h"
#include "game/castling.h"
#include "game/game.h"
#include "game/list_lines.h"
#include "game/moves.h"
#include "input/move_codes.h"
#include "input/move_targets.h"

const char* const kHistoryFullMessage = "Hamle listesi doldu: bu oyunda daha fazla hamle yapılamaz.";

namespace {

// A move made, whoever made it, passes the turn to the other side.
void handOverTurn(Game& game, Side side) { giveTurnTo(game, otherSide(side)); }

// After Black's move: a blinking notice when the white king stands attacked.
void testCheckOnWhiteKing(Game& game) {
  buildAttackMaps(game);
  const Piece& king = game.pieces.kings[0];
  if (king.onBoard && isAttackedBy(game.attacks, kBlack, king.x, king.y) && !game.replaying) {
    game.checkNoticesOpened += 1;
  }
}

// Highlights the newest line of the list.
void selectLastLine(Game& game) { game.listSelection = listLineCount(game) - 1; }

// Records a castling made in play: history and counters.
void recordCastling(Game& game, int32_t code, Side side) {
  const int32_t r = homeRank(side);
  if (side == kWhite) game.moveNumber += 1;
  HalfMoveRecord& h = currentHalfMove(game, side);
  h.kind = kKing;
  h.movedBefore = 0;
  h.index = kNoIndex;
  h.fromX = kKingStartFile;
  h.fromY = r;
  h.toX = castlingSquares(code).kingTo;
  h.toY = r;
  h.captureFlag = 0;
  if (side == kBlack) game.moveCount += 1;
  game.gameSaved = false;
  refreshSelection(game);
}

}  // namespace

HalfMoveRecord& currentHalfMove(Game& game, Side side) {
  FullMoveRecord& entry = game.history[game.moveCount];
  return side == kWhite ? entry.white : entry.black;
}

int32_t requestMove(Game& game, PieceKind kind, Side side, int32_t index) {
  game.trialMode = false;  // a real move is never a trial
  const int32_t dx = game.dragToX - game.dragFromX;
  const int32_t dy = game.dragToY - game.dragFromY;
  const int32_t code = moveCodeFor(kind, side, dx, dy);
  if (code == 0) return 0;
  if (!sidesTurn(game, side)) return 0;
  if (game.moveCount >= kHistoryCapacity) {
    dialogs().message(kHistoryFullMessage);
    return 0;
  }
  if (isCastlingMove(kind, code)) {
    // Castling is recorded here but, as always, reported as no move made.
    if (castle(game, code, side, kCastlePlay) == 1) {
      handOverTurn(game, side);
      recordCastling(game, code, side);
    }
    return 0;
  }
  Piece* piece = pieceOf(game, kind, side, index);
  if (piece == nullptr || !piece->onBoard) return 0;
  const int32_t fromX = piece->x;
  const int32_t fromY = piece->y;
  const bool movedBefore = piece->moved;

  const MoveResult result = generateMove(game, kind, *piece, code);
  if (result != kMovePossible) return 0;
  if (game.captureMade) showLostPiece(game, game.probe.kind, game.probe.side, game.probe.index);
  commitMove(game, *piece);

  handOverTurn(game, side);
  if (side == kWhite) game.moveNumber += 1;

  HalfMoveRecord& h = currentHalfMove(game, side);
  h.kind = kind;
  h.movedBefore = movedBefore;
  h.index = index;
  h.fromX = fromX;
  h.fromY = fromY;
  h.toX = piece->x;
  h.toY = piece->y;
  h.captureFlag = 0;
  if (game.captureMade) {
    int32_t& capturedMoved = side == kWhite ? game.capturedMovedBlack : game.capturedMovedWhite;
    h.captureFlag = 1;
    h.capturedKind = game.probe.kind;
    h.capturedIndex = game.probe.index;
    h.capturedMoved = capturedMoved;
    h.captureX = piece->x;
    h.captureY = piece->y;
    capturedMoved = 0;
  }
  if (side == kBlack) game.moveCount += 1;

  game.captureMade = false;
  if (side == kBlack && kind != kKing) testCheckOnWhiteKing(game);

  if (!(side == kWhite && kind == kPawn)) selectLastLine(game);
  game.gameSaved = false;
  refreshSelection(game);
  return 1;
}
