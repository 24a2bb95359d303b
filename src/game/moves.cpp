#include "game/moves.h"

#include "game/captures.h"
#include "game/castling_squares.h"
#include "game/game.h"

namespace {

// What a destination test may accept for a kind and code.
struct DestinationRule {
  PieceKind ownKind;
  bool emptyAllowed;    // may move onto an empty square
  bool captureAllowed;  // may take an enemy piece there
  bool testOnly;        // castling test: answer without writing anything
};

// Sets the start of a call: a piece at rest steps from its position, a piece
// with a pending move from its target.
void startFrom(Piece& p, int& sx, int& sy) {
  if (p.atRest == 1) {
    p.targetX = p.x;
    p.targetY = p.y;
  }
  sx = p.targetX;
  sy = p.targetY;
}

MoveResult refuse(Piece& p) {
  p.targetX = p.x;
  p.targetY = p.y;
  return kMoveRefused;
}

// Writes the tentative move: the mover pending on the destination, the start
// square pending empty.
void writePending(Position& position, Square& dest, Square& start, const DestinationRule& rule, Side side) {
  setPending(dest, rule.ownKind, side, position.movingIndex, kPendingLayer);
  setPending(start, kEmpty, kNoSide, kNoIndex, kPendingLayer);
}

// The common end of every generator: test the destination (the piece's
// target) and move or capture there, or refuse.
MoveResult resolveDestination(Position& position, Piece& p, int sx, int sy, const DestinationRule& rule) {
  const int tx = p.targetX;
  const int ty = p.targetY;
  position.lastTry = LastTry{tx, ty, sx, sy};
  if (!onBoardCoord(tx, ty)) {
    return refuse(p);
  }
  position.probe = probeSquare(position, tx, ty);
  const Side occupant = position.probe.stable == kCommittedLayer ? position.probe.side : position.probe.pendingSide;
  const Side enemy = otherSide(p.side);
  const bool movesFlag = rule.ownKind == kPawn || rule.ownKind == kKing || rule.ownKind == kRook;
  if (occupant == kNoSide) {
    if (!rule.emptyAllowed) {
      return refuse(p);
    }
    if (!position.trialMode && !rule.testOnly) {
      p.atRest = 0;
      writePending(position, squareAt(position, tx, ty), squareAt(position, sx, sy), rule, p.side);
      if (movesFlag) p.moved = true;
    }
    return kMovePossible;
  }
  // Only a piece in the active layer can be taken. (A king accepting an
  // enemy in the other layer would take its own piece standing on a square
  // that an own piece has just taken inside the computer's lookahead.)
  if (occupant != enemy || !rule.captureAllowed) {
    return refuse(p);
  }
  if (!position.trialMode) {
    p.atRest = 0;
    const SquareProbe& q = position.probe;
    takePiece(position, q.pendingKind, q.kind, q.pendingSide, q.side, q.pendingIndex, q.index, false, q.stable);
    writePending(position, squareAt(position, tx, ty), squareAt(position, sx, sy), rule, p.side);
    position.captureMade = true;
    if (movesFlag) p.moved = true;
  }
  position.captureFound = true;
  position.captured = position.probe.stable == kCommittedLayer
                          ? CapturedPiece{position.probe.kind, kCommittedLayer, position.probe.index}
                          : CapturedPiece{position.probe.pendingKind, kPendingLayer, position.probe.pendingIndex};
  return kMovePossible;
}

// Sliding pieces: direction and distance from the code, path test, then the
// destination.
MoveResult generateSlidingMove(Position& position, Piece& p, int32_t code, const Step* directions, int directionCount,
                               PieceKind ownKind) {
  if (!p.onBoard) return kMoveRefused;
  int sx = 0;
  int sy = 0;
  startFrom(p, sx, sy);
  const DestinationRule rule{ownKind, true, true, false};
  if (code < 1 || code > directionCount * kCodesPerDirection) {
    return resolveDestination(position, p, sx, sy, rule);  // names no step: the own square, refused
  }
  const Step u = directions[(code - 1) / kCodesPerDirection];
  const int k = (code - 1) % kCodesPerDirection + 1;
  for (int j = 1; j < k; ++j) {
    const int px = sx + j * u.dx;
    const int py = sy + j * u.dy;
    if (!onBoardCoord(px, py) || activeSide(squareAt(position, px, py)) != kNoSide) {
      position.lastTry.startX = sx;
      position.lastTry.startY = sy;
      return refuse(p);
    }
  }
  p.targetX = sx + k * u.dx;
  p.targetY = sy + k * u.dy;
  return resolveDestination(position, p, sx, sy, rule);
}

// A square passed over by a pawn's double step. White counts a piece in either
// layer, Black only the active layer.
bool passedSquareFree(Position& position, int x, int y, Side side) {
  if (!onBoardCoord(x, y)) return false;
  const Square& s = squareAt(position, x, y);
  if (side == kWhite) return s.side == kNoSide && s.pendingSide == kNoSide;
  return activeSide(s) == kNoSide;
}

}  // namespace

MoveResult generatePawnMove(Position& position, Piece& p, int32_t code) {
  if (!p.onBoard) return kMoveRefused;
  int sx = 0;
  int sy = 0;
  startFrom(p, sx, sy);
  const int dir = p.side == kWhite ? 1 : -1;
  DestinationRule rule{kPawn, true, false, false};
  switch (code) {
    case 1: p.targetY = sy + dir; break;
    case 2:
      if (!p.moved && passedSquareFree(position, sx, sy + dir, p.side)) p.targetY = sy + 2 * dir;
      break;
    case 3:
    case 4:
      p.targetX = sx + (code == 3 ? dir : -dir);
      p.targetY = sy + dir;
      rule.emptyAllowed = false;
      rule.captureAllowed = true;
      break;
    default: break;  // no step: the own square, refused below
  }
  return resolveDestination(position, p, sx, sy, rule);
}

MoveResult generateKnightMove(Position& position, Piece& p, int32_t code) {
  if (!p.onBoard) return kMoveRefused;
  int sx = 0;
  int sy = 0;
  startFrom(p, sx, sy);
  if (code >= 1 && code <= 8) {
    p.targetX = sx + kKnightSteps[code - 1].dx;
    p.targetY = sy + kKnightSteps[code - 1].dy;
  }
  return resolveDestination(position, p, sx, sy, DestinationRule{kKnight, true, true, false});
}

MoveResult generateKingMove(Position& position, Piece& p, int32_t code) {
  if (!p.onBoard) return kMoveRefused;
  int sx = 0;
  int sy = 0;
  startFrom(p, sx, sy);
  if (isCastlingCode(code)) {
    // Castling test: the king unmoved on its start square and the squares
    // between king and rook empty. The destination must be empty too:
    // castling never captures.
    const int kingTo = castlingSquares(code).kingTo;
    const int step = kingTo > kKingStartFile ? 1 : -1;
    bool free = !p.moved && sx == kKingStartFile && sy == homeRank(p.side);
    for (int bx = sx + step; free && bx != kingTo; bx += step) {
      free = onBoardCoord(bx, sy) && activeSide(squareAt(position, bx, sy)) == kNoSide;
    }
    if (!free) {
      position.lastTry.startX = sx;
      position.lastTry.startY = sy;
      return refuse(p);
    }
    p.targetX = kingTo;
    return resolveDestination(position, p, sx, sy, DestinationRule{kKing, true, false, true});
  }
  if (code >= 1 && code <= 8) {
    p.targetX = sx + kKingSteps[code - 1].dx;
    p.targetY = sy + kKingSteps[code - 1].dy;
  }
  return resolveDestination(position, p, sx, sy, DestinationRule{kKing, true, true, false});
}

MoveResult generateRookMove(Position& position, Piece& p, int32_t code) {
  return generateSlidingMove(position, p, code, kRookDirections, 4, kRook);
}

MoveResult generateBishopMove(Position& position, Piece& p, int32_t code) {
  return generateSlidingMove(position, p, code, kBishopDirections, 4, kBishop);
}

MoveResult generateQueenMove(Position& position, Piece& p, int32_t code) {
  static constexpr Step queenDirections[8] = {kBishopDirections[0], kBishopDirections[1], kBishopDirections[2],
                                              kBishopDirections[3], kRookDirections[0],   kRookDirections[1],
                                              kRookDirections[2],   kRookDirections[3]};
  return generateSlidingMove(position, p, code, queenDirections, 8, kQueen);
}

MoveResult generateMove(Position& position, PieceKind kind, Piece& p, int32_t code) {
  switch (kind) {
    case kPawn: return generatePawnMove(position, p, code);
    case kRook: return generateRookMove(position, p, code);
    case kKnight: return generateKnightMove(position, p, code);
    case kBishop: return generateBishopMove(position, p, code);
    case kQueen: return generateQueenMove(position, p, code);
    case kKing: return generateKingMove(position, p, code);
    default: return kMoveRefused;
  }
}

int32_t moveCodeCount(PieceKind kind) {
  switch (kind) {
    case kPawn: return 4;
    case kRook: return 28;
    case kKnight: return 8;
    case kBishop: return 28;
    case kQueen: return 56;
    case kKing: return 8;
    default: return 0;
  }
}
