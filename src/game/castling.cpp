#include "game/castling.h"

#include "controls/controls.h"
#include "game/attack_maps.h"
#include "game/board.h"
#include "game/game.h"
#include "game/moves.h"

namespace {

// The king's path, which the opponent must not attack: read from the maps,
// or from `attacked` (bit x * 8 + y) when that is given.
bool pathAttacked(Position& position, int32_t code, Side side, const uint64_t* attacked = nullptr) {
  const int r = homeRank(side);
  const Side enemy = otherSide(side);
  const int kingTo = castlingSquares(code).kingTo;
  const int from = kingTo < kKingStartFile ? kingTo : kKingStartFile;
  const int to = kingTo < kKingStartFile ? kKingStartFile : kingTo;
  for (int x = from; x <= to; ++x) {
    const bool hit =
        attacked ? ((*attacked >> squareIndex(x, r)) & 1) != 0 : isAttackedBy(position.attacks, enemy, x, r);
    if (hit) return true;
  }
  return false;
}

// Both pieces must stand at rest on their start squares: a piece with a
// pending move (inside the computer's lookahead) or one that has left its
// square cannot castle.
bool kingInPlace(const Piece& king, int r) {
  return king.onBoard && king.atRest == 1 && king.x == kKingStartFile && king.y == r;
}
bool rookInPlace(const Piece& rook, const CastlingSquares& c, int r) {
  return rook.onBoard && !rook.moved && rook.atRest == 1 && rook.x == c.rookFrom && rook.y == r;
}

// Pending layers written by a castling trial, with the layer flag each square
// gets (the committed layer stays in force on White's side of short castling).
void setUpTrial(Position& position, int32_t code, Side side, const CastlingSquares& c) {
  const int r = homeRank(side);
  const bool black = side == kBlack;
  const Layer flag = black ? kPendingLayer : kCommittedLayer;
  const Layer startFlag = black || code == kLongCastling ? kPendingLayer : kCommittedLayer;
  setPending(squareAt(position, c.kingTo, r), kKing, side, kNoIndex, flag);
  setPending(squareAt(position, kKingStartFile, r), kEmpty, kNoSide, kNoIndex, startFlag);
  setPending(squareAt(position, c.rookTo, r), kRook, side, c.rookIndex, flag);
  setPending(squareAt(position, c.rookFrom, r), kEmpty, kNoSide, kNoIndex, startFlag);
}

void writeSquare(Position& position, int x, int y, PieceKind kind, Side side, int32_t index) {
  Square& s = squareAt(position, x, y);
  setPending(s, kind, side, index, kPendingLayer);
  commitSquare(s);
}

// A castling drag made in play: commits and squares (the move driver hands
// over the turn and records it).
void playCastling(Position& position, Side side, const CastlingSquares& c, Piece& king, Piece& rook) {
  const int r = homeRank(side);
  commitMove(position, rook);
  commitMove(position, king);
  writeSquare(position, c.kingTo, r, kKing, side, kNoIndex);
  writeSquare(position, kKingStartFile, r, kEmpty, kNoSide, kNoIndex);
  writeSquare(position, c.rookTo, r, kRook, side, c.rookIndex);
  writeSquare(position, c.rookFrom, r, kEmpty, kNoSide, kNoIndex);
  king.moved = true;
}

}  // namespace

int32_t castle(Position& position, int32_t code, Side side, CastleMode mode) {
  if (!isCastlingCode(code) || (side != kWhite && side != kBlack)) return 0;
  const CastlingSquares& c = castlingSquares(code);
  const int r = homeRank(side);
  Piece& king = position.pieces.kings[side - 1];
  Piece& rook = position.pieces.rooks[side - 1][c.rookIndex];
  if (!kingInPlace(king, r)) return 0;
  if (generateKingMove(position, king, code) != kMovePossible) {
    cancelMove(king);
    return 0;
  }
  buildAttackSummary(position);
  if (pathAttacked(position, code, side)) {
    cancelMove(king);
    return 0;
  }
  if (!rookInPlace(rook, c, r)) {
    cancelMove(king);
    return 0;
  }
  if (generateRookMove(position, rook, c.rookCode) != kMovePossible) {
    cancelMove(king);
    cancelMove(rook);
    return 0;
  }
  if (mode == kCastlePlay) {
    playCastling(position, side, c, king, rook);
    return 1;
  }
  setUpTrial(position, code, side, c);
  setTarget(rook, c.rookTo, r, 0);
  setTarget(king, c.kingTo, r, 0);
  return 1;
}

bool castlingAllowed(Position& position, int32_t code, Side side) {
  if (!isCastlingCode(code) || (side != kWhite && side != kBlack)) return false;
  const CastlingSquares& c = castlingSquares(code);
  const int r = homeRank(side);
  Piece& king = position.pieces.kings[side - 1];
  Piece& rook = position.pieces.rooks[side - 1][c.rookIndex];
  if (!kingInPlace(king, r) || !rookInPlace(rook, c, r)) return false;
  // The same tests as a castling in play, the generators in trial mode; the
  // targets they set are put back.
  const Piece savedKing = king;
  const Piece savedRook = rook;
  const MoveResult kingResult = generateKingMove(position, king, code);
  const uint64_t attacked = squaresAttackedBy(position, otherSide(side));
  MoveResult rookResult = kMoveRefused;
  if (kingResult == kMovePossible && !pathAttacked(position, code, side, &attacked)) {
    rookResult = generateRookMove(position, rook, c.rookCode);
  }
  king = savedKing;
  rook = savedRook;
  return rookResult == kMovePossible;
}
