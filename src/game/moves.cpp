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

int32_t refuse(Piece& p) {
  p.targetX = p.x;
  p.targetY = p.y;
  return kMoveRefused;
}

// Writes the tentative move: the mover pending on the destination, the start
// square pending empty.
void writePending(Game& game, Square& dest, Square& start, const DestinationRule& rule, Side side) {
  setPending(dest, rule.ownKind, side, game.movingIndex, kPendingLayer);
  setPending(start, kEmpty, kNoSide, kNoIndex, kPendingLayer);
}

// The common end of every generator: test the destination (the piece's
// target) and move or capture there, or refuse.
int32_t resolveDestination(Game& game, Piece& p, int sx, int sy, const DestinationRule& rule) {
  const int tx = p.targetX;
  const int ty = p.targetY;
  game.lastTry = LastTry{tx, ty, sx, sy};
  if (!onBoardCoord(tx, ty)) {
    return refuse(p);
  }
  game.probe = probeSquare(game, tx, ty);
  const Side occupant = game.probe.stable == kCommittedLayer ? game.probe.side : game.probe.pendingSide;
  const Side enemy = otherSide(p.side);
  const bool movesFlag = rule.ownKind == kPawn || rule.ownKind == kKing || rule.ownKind == kRook;
  if (occupant == kNoSide) {
    if (!rule.emptyAllowed) {
      return refuse(p);
    }
    if (!game.trialMode && !rule.testOnly) {
      p.atRest = 0;
      writePending(game, squareAt(game, tx, ty), squareAt(game, sx, sy), rule, p.side);
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
  if (!game.trialMode) {
    p.atRest = 0;
    takePiece(game, game.probe.pendingKind, game.probe.kind, game.probe.pendingSide, game.probe.side,
              game.probe.pendingIndex, game.probe.index, kShowCapture, false, game.probe.stable);
    writePending(game, squareAt(game, tx, ty), squareAt(game, sx, sy), rule, p.side);
    game.captureMade = true;
    if (movesFlag) p.moved = true;
  }
  game.captureFound = true;
  game.captured = game.probe.stable == kCommittedLayer
                      ? CapturedPiece{game.probe.kind, kCommittedLayer, game.probe.index}
                      : CapturedPiece{game.probe.pendingKind, kPendingLayer, game.probe.pendingIndex};
  return kMovePossible;
}

// Sliding pieces: direction and distance from the code, path test, then the
// destination.
int32_t generateSlidingMove(Game& game, Piece& p, int32_t code, const Step* directions, int directionCount,
                            PieceKind ownKind) {
  if (!p.onBoard) return kMoveRefused;
  int sx = 0;
  int sy = 0;
  startFrom(p, sx, sy);
  const DestinationRule rule{ownKind, true, true, false};
  if (code < 1 || code > directionCount * kCodesPerDirection) {
    return resolveDestination(game, p, sx, sy, rule);  // names no step: the own square, refused
  }
  const Step u = directions[(code - 1) / kCodesPerDirection];
  const int k = (code - 1) % kCodesPerDirection + 1;
  for (int j = 1; j < k; ++j) {
    const int px = sx + j * u.dx;
    const int py = sy + j * u.dy;
    if (!onBoardCoord(px, py) || activeSide(squareAt(game, px, py)) != kNoSide) {
      game.lastTry.startX = sx;
      game.lastTry.startY = sy;
      return refuse(p);
    }
  }
  p.targetX = sx + k * u.dx;
  p.targetY = sy + k * u.dy;
  return resolveDestination(game, p, sx, sy, rule);
}

// A square passed over by a pawn's double step. White counts a piece in either
// layer, Black only the active layer.
bool passedSquareFree(Game& game, int x, int y, Side side) {
  if (!onBoardCoord(x, y)) return false;
  const Square& s = squareAt(game, x, y);
  if (side == kWhite) return s.side == kNoSide && s.pendingSide == kNoSide;
  return activeSide(s) == kNoSide;
}

}  // namespace

int32_t generatePawnMove(Game& game, Piece& p, int32_t code) {
  if (!p.onBoard) return kMoveRefused;
  int sx = 0;
  int sy = 0;
  startFrom(p, sx, sy);
  const int dir = p.side == kWhite ? 1 : -1;
  DestinationRule rule{kPawn, true, false, false};
  switch (code) {
    case 1: p.targetY = sy + dir; break;
    case 2:
      if (!p.moved && passedSquareFree(game, sx, sy + dir, p.side)) p.targetY = sy + 2 * dir;
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
  return resolveDestination(game, p, sx, sy, rule);
}

int32_t generateKnightMove(Game& game, Piece& p, int32_t code) {
  if (!p.onBoard) return kMoveRefused;
  int sx = 0;
  int sy = 0;
  startFrom(p, sx, sy);
  if (code >= 1 && code <= 8) {
    p.targetX = sx + kKnightSteps[code - 1].dx;
    p.targetY = sy + kKnightSteps[code - 1].dy;
  }
  return resolveDestination(game, p, sx, sy, DestinationRule{kKnight, true, true, false});
}

int32_t generateKingMove(Game& game, Piece& p, int32_t code) {
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
      free = onBoardCoord(bx, sy) && activeSide(squareAt(game, bx, sy)) == kNoSide;
    }
    if (!free) {
      game.lastTry.startX = sx;
      game.lastTry.startY = sy;
      return refuse(p);
    }
    p.targetX = kingTo;
    return resolveDestination(game, p, sx, sy, DestinationRule{kKing, true, false, true});
  }
  if (code >= 1 && code <= 8) {
    p.targetX = sx + kKingSteps[code - 1].dx;
    p.targetY = sy + kKingSteps[code - 1].dy;
  }
  return resolveDestination(game, p, sx, sy, DestinationRule{kKing, true, true, false});
}

int32_t generateRookMove(Game& game, Piece& p, int32_t code) {
  return generateSlidingMove(game, p, code, kRookDirections, 4, kRook);
}

int32_t generateBishopMove(Game& game, Piece& p, int32_t code) {
  return generateSlidingMove(game, p, code, kBishopDirections, 4, kBishop);
}

int32_t generateQueenMove(Game& game, Piece& p, int32_t code) {
  static constexpr Step queenDirections[8] = {kBishopDirections[0], kBishopDirections[1], kBishopDirections[2],
                                              kBishopDirections[3], kRookDirections[0],   kRookDirections[1],
                                              kRookDirections[2],   kRookDirections[3]};
  return generateSlidingMove(game, p, code, queenDirections, 8, kQueen);
}

int32_t generateMove(Game& game, PieceKind kind, Piece& p, int32_t code) {
  switch (kind) {
    case kPawn: return generatePawnMove(game, p, code);
    case kRook: return generateRookMove(game, p, code);
    case kKnight: return generateKnightMove(game, p, code);
    case kBishop: return generateBishopMove(game, p, code);
    case kQueen: return generateQueenMove(game, p, code);
    case kKing: return generateKingMove(game, p, code);
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
