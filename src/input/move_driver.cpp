#include "input/move_driver.h"

#include <cstring>

#include "controls/controls.h"
#include "game/attack_maps.h"
#include "game/board.h"
#include "game/captures.h"
#include "game/castling.h"
#include "game/draws.h"
#include "game/game.h"
#include "game/list_lines.h"
#include "game/moves.h"
#include "input/move_codes.h"
#include "input/move_targets.h"

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
  game.justOpened = false;
  refreshSelection(game);
}

}  // namespace

HalfMoveRecord& currentHalfMove(Game& game, Side side) {
  FullMoveRecord& entry = game.history[game.moveCount];
  return side == kWhite ? entry.white : entry.black;
}

MoveOutcome requestMove(Game& game, const MoveRequest& request) {
  const PieceKind kind = request.kind;
  const Side side = request.side;
  const int32_t index = request.index;
  game.trialMode = false;  // a real move is never a trial
  const int32_t code = moveCodeFor(kind, side, request.toX - request.fromX, request.toY - request.fromY);
  if (code == 0) return MoveOutcome::Refused;
  if (!sidesTurn(game, side)) return MoveOutcome::Refused;
  if (game.moveCount >= kHistoryCapacity) return MoveOutcome::HistoryFull;
  if (isCastlingMove(kind, code)) {
    if (castle(game, code, side, kCastlePlay) != 1) return MoveOutcome::Refused;
    handOverTurn(game, side);
    recordCastling(game, code, side);
    return drawReasonOf(game) != DrawReason::None ? MoveOutcome::Drawn : MoveOutcome::Castled;
  }
  Piece* piece = pieceOf(game, kind, side, index);
  if (piece == nullptr || !piece->onBoard) return MoveOutcome::Refused;
  const int32_t fromX = piece->x;
  const int32_t fromY = piece->y;
  const bool movedBefore = piece->moved;

  const MoveResult result = generateMove(game, kind, *piece, code);
  if (result != kMovePossible) return MoveOutcome::Refused;
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
  bool tookKing = false;
  if (game.captureMade) {
    int32_t& capturedMoved = side == kWhite ? game.capturedMovedBlack : game.capturedMovedWhite;
    h.captureFlag = 1;
    h.capturedKind = game.probe.kind;
    h.capturedIndex = game.probe.index;
    h.capturedMoved = capturedMoved;
    h.captureX = piece->x;
    h.captureY = piece->y;
    capturedMoved = 0;
    tookKing = game.probe.kind == kKing;
  }
  if (side == kBlack) game.moveCount += 1;

  game.captureMade = false;
  if (side == kBlack && kind != kKing) testCheckOnWhiteKing(game);

  if (!(side == kWhite && kind == kPawn)) selectLastLine(game);
  game.gameSaved = false;
  game.justOpened = false;
  refreshSelection(game);
  if (tookKing) return MoveOutcome::KingTaken;
  return drawReasonOf(game) != DrawReason::None ? MoveOutcome::Drawn : MoveOutcome::Made;
}
