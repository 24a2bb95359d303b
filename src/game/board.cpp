#include "game/board.h"

#include "game/game.h"

namespace {

void placePiece(Piece& p, int x, int y, Side side, PieceKind kind) {
  p.x = p.targetX = x;
  p.y = p.targetY = y;
  p.side = side;
  p.atRest = 1;
  p.onBoard = true;
  p.moved = false;
  p.value = startValue(kind);
}

// Puts every piece record on its start square.
void setUpPieces(PieceSet& pieces) {
  for (int s = 0; s < kSideCount; ++s) {
    const Side side = sideOfSlot(s);
    const int back = homeRank(side);
    const int front = side == kWhite ? 1 : 6;
    for (int i = 0; i < 8; ++i) placePiece(pieces.pawns[s][i], i, front, side, kPawn);
    placePiece(pieces.knights[s][0], 1, back, side, kKnight);
    placePiece(pieces.knights[s][1], 6, back, side, kKnight);
    placePiece(pieces.bishops[s][0], 2, back, side, kBishop);
    placePiece(pieces.bishops[s][1], 5, back, side, kBishop);
    placePiece(pieces.rooks[s][0], 0, back, side, kRook);
    placePiece(pieces.rooks[s][1], 7, back, side, kRook);
    placePiece(pieces.queens[s], 3, back, side, kQueen);
    placePiece(pieces.kings[s], 4, back, side, kKing);
  }
}

// Committed occupant of (x, y) in the start position; `royalIndex` is the
// index given to queens and kings (9 at start-up, 99 at a new game).
void setUpSquare(Square& sq, int x, int y, int32_t royalIndex) {
  clearSquare(sq);
  sq.pendingIndex = kNoIndex;
  if (y == 0 || y == 7) {
    sq.kind = backRankKinds[x];
    sq.side = y == 0 ? kWhite : kBlack;
    if (sq.kind == kQueen || sq.kind == kKing) {
      sq.index = royalIndex;
    } else {
      sq.index = x < 4 ? 0 : 1;
    }
  } else if (y == 1 || y == 6) {
    sq.kind = kPawn;
    sq.side = y == 1 ? kWhite : kBlack;
    sq.index = x;
  }
}

}  // namespace

Board startBoard() {
  Board board{};
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) {
      Square& sq = board.squares[squareIndex(x, y)];
      setUpSquare(sq, x, y, kRoyalIndex);
      sq.weight = squareWeightTable[y][x];
    }
  }
  return board;
}

PieceSet startPieces() {
  PieceSet pieces{};
  setUpPieces(pieces);
  return pieces;
}

void resetGameState(Game& game) {
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) setUpSquare(squareAt(game, x, y), x, y, kNoIndex);
  }
  setUpPieces(game.pieces);
  giveTurnTo(game, kWhite);
  game.moveNumber = 0;
  game.listSelection = 0;
  game.moveCount = 0;
}

void commitMove(Position& position, Piece& p) {
  const int x0 = p.x;
  const int y0 = p.y;
  p.x = p.targetX;
  p.y = p.targetY;
  commitSquare(squareAt(position, p.x, p.y));
  clearSquare(squareAt(position, x0, y0));
  p.atRest = 1;
  p.onBoard = true;
}

void setTargetOf(Position& position, PieceKind kind, int32_t index, int32_t tx, int32_t ty, int32_t atRestFlag,
                 Side side) {
  Piece* p = pieceOf(position, kind, side, index);
  if (p != nullptr) setTarget(*p, tx, ty, atRestFlag);
}

const char* fileLetter(int32_t x) {
  static const char* const letters[8] = {"A", "B", "C", "D", "E", "F", "G", "H"};
  return x >= 0 && x < 8 ? letters[x] : "m";
}
