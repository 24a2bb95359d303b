#include "engine/position.h"

#include "engine/tables.h"
#include "game/board.h"
#include "game/castling_squares.h"

namespace engine {

namespace {

// Rights lost when a move leaves or reaches a square: the kings' and rooks'
// start squares.
constexpr std::array<uint8_t, 64> kRightsKept = [] {
  std::array<uint8_t, 64> keep{};
  for (auto& k : keep) k = 15;
  keep[sq(4, 0)] = 15 & ~(kWhiteShort | kWhiteLong);
  keep[sq(7, 0)] = 15 & ~kWhiteShort;
  keep[sq(0, 0)] = 15 & ~kWhiteLong;
  keep[sq(4, 7)] = 15 & ~(kBlackShort | kBlackLong);
  keep[sq(7, 7)] = 15 & ~kBlackShort;
  keep[sq(0, 7)] = 15 & ~kBlackLong;
  return keep;
}();

constexpr bool isEnemy(const Position& p, int s, int colour) {
  const int id = p.board[s];
  return id != kNone && colourOfPiece(id) != colour;
}

void addSteps(const Position& p, const Targets& t, int from, int colour, MoveList& list, bool capturesOnly) {
  for (int i = 0; i < t.count; ++i) {
    const int to = t.squares[i];
    const int id = p.board[to];
    if (id == kNone ? !capturesOnly : colourOfPiece(id) != colour) list.add(makeMove(from, to));
  }
}

void addSlides(const Position& p, int from, int firstDir, int lastDir, int colour, MoveList& list, bool capturesOnly) {
  for (int d = firstDir; d < lastDir; ++d) {
    const Ray& r = kRays[from][d];
    for (int i = 0; i < r.count; ++i) {
      const int to = r.squares[i];
      const int id = p.board[to];
      if (id == kNone) {
        if (!capturesOnly) list.add(makeMove(from, to));
        continue;
      }
      if (colourOfPiece(id) != colour) list.add(makeMove(from, to));
      break;
    }
  }
}

void addPawnMoves(const Position& p, int from, int colour, MoveList& list, bool capturesOnly) {
  const int x = fileOf(from);
  const int y = rankOf(from);
  const int dir = colour == 0 ? 1 : -1;
  const int ny = y + dir;
  if (ny < 0 || ny > 7) return;  // the last rank: no step left
  for (int dx = -1; dx <= 1; dx += 2) {
    if (x + dx >= 0 && x + dx < 8 && isEnemy(p, sq(x + dx, ny), colour)) list.add(makeMove(from, sq(x + dx, ny)));
  }
  if (capturesOnly || p.board[sq(x, ny)] != kNone) return;
  list.add(makeMove(from, sq(x, ny)));
  const int startRank = colour == 0 ? 1 : 6;
  if (y == startRank && p.board[sq(x, ny + dir)] == kNone) list.add(makeMove(from, sq(x, ny + dir)));
}

// Castling: rights open, the squares between king and rook empty, and the
// king's path from the e-file to its destination not attacked.
void addCastlings(const Position& p, int colour, MoveList& list) {
  const int r = colour == 0 ? 0 : 7;
  const uint8_t shortRight = colour == 0 ? kWhiteShort : kBlackShort;
  const uint8_t longRight = colour == 0 ? kWhiteLong : kBlackLong;
  const int enemy = 1 - colour;
  for (const CastlingSquares& c : kCastlings) {
    if (!(p.castling & (c.code == kShortCastling ? shortRight : longRight))) continue;
    const int lo = c.rookFrom < kKingStartFile ? c.rookFrom + 1 : kKingStartFile + 1;
    const int hi = c.rookFrom < kKingStartFile ? kKingStartFile - 1 : c.rookFrom - 1;
    bool free = true;
    for (int x = lo; x <= hi && free; ++x) free = p.board[sq(x, r)] == kNone;
    const int pathLo = c.kingTo < kKingStartFile ? c.kingTo : kKingStartFile;
    const int pathHi = c.kingTo < kKingStartFile ? kKingStartFile : c.kingTo;
    for (int x = pathLo; x <= pathHi && free; ++x) free = !attacked(p, sq(x, r), enemy);
    if (free) {
      list.add(makeMove(sq(kKingStartFile, r), sq(c.kingTo, r), c.code == kShortCastling ? kCastleShort : kCastleLong));
    }
  }
}

void movePiece(Position& p, int id, int from, int to) {
  p.board[from] = kNone;
  p.board[to] = int8_t(id);
  p.square[id] = int8_t(to);
  p.key ^= pieceKey(id, from) ^ pieceKey(id, to);
}

// The rook's squares of a castling move.
void castlingRook(Move m, int& from, int& to) {
  const CastlingSquares& c = castlingSquares(moveFlag(m) == kCastleShort ? kShortCastling : kLongCastling);
  const int r = rankOf(moveFrom(m));
  from = sq(c.rookFrom, r);
  to = sq(c.rookTo, r);
}

}  // namespace

uint64_t computeKey(const Position& p) {
  uint64_t key = kZobrist.castling[p.castling];
  if (p.colour == 1) key ^= kZobrist.blackToMove;
  for (int id = 0; id < kPieces; ++id) {
    if (p.square[id] != kNone) key ^= pieceKey(id, p.square[id]);
  }
  return key;
}

Position positionFromSquares(const int8_t (&squares)[kPieces], uint8_t castling, int colour) {
  Position p{};
  for (int8_t& b : p.board) b = kNone;
  for (int id = 0; id < kPieces; ++id) {
    p.square[id] = squares[id];
    if (squares[id] != kNone) p.board[squares[id]] = int8_t(id);
  }
  p.castling = castling;
  p.colour = uint8_t(colour);
  p.key = computeKey(p);
  return p;
}

Position positionFromGame(const Game& game) {
  int8_t squares[kPieces];
  for (int id = 0; id < kPieces; ++id) {
    const Piece& g = pieceById(game.pieces, id);
    squares[id] = g.onBoard == 1 ? int8_t(sq(g.x, g.y)) : kNone;
  }
  // A right is open while king and rook stand unmoved on their start squares.
  uint8_t rights = 0;
  for (int colour = 0; colour < 2; ++colour) {
    const Piece& king = game.pieces.kings[colour];
    const int r = colour == 0 ? 0 : 7;
    if (king.onBoard != 1 || king.moved != 0 || king.x != kKingStartFile || king.y != r) continue;
    for (const CastlingSquares& c : kCastlings) {
      const Piece& rook = game.pieces.rooks[colour][c.rookIndex];
      if (rook.onBoard != 1 || rook.moved != 0 || rook.x != c.rookFrom || rook.y != r) continue;
      const uint8_t bit = c.code == kShortCastling ? kWhiteShort : kWhiteLong;
      rights |= uint8_t(colour == 0 ? bit : bit << 2);
    }
  }
  return positionFromSquares(squares, rights, sideToPlay(game) == kWhite ? 0 : 1);
}

bool attacked(const Position& p, int s, int byColour) {
  // Pawns of `byColour` attack from one rank behind (from their side's view).
  const int py = rankOf(s) - (byColour == 0 ? 1 : -1);
  if (py >= 0 && py < 8) {
    for (int dx = -1; dx <= 1; dx += 2) {
      const int px = fileOf(s) + dx;
      if (px < 0 || px > 7) continue;
      const int id = p.board[sq(px, py)];
      if (id != kNone && kindOfPiece(id) == kP && colourOfPiece(id) == byColour) return true;
    }
  }
  const Targets& n = kKnightTargets[s];
  for (int i = 0; i < n.count; ++i) {
    const int id = p.board[n.squares[i]];
    if (id != kNone && kindOfPiece(id) == kN && colourOfPiece(id) == byColour) return true;
  }
  const Targets& k = kKingTargets[s];
  for (int i = 0; i < k.count; ++i) {
    const int id = p.board[k.squares[i]];
    if (id != kNone && kindOfPiece(id) == kK && colourOfPiece(id) == byColour) return true;
  }
  for (int d = 0; d < 8; ++d) {
    const Ray& r = kRays[s][d];
    for (int i = 0; i < r.count; ++i) {
      const int id = p.board[r.squares[i]];
      if (id == kNone) continue;
      if (colourOfPiece(id) == byColour) {
        const int kind = kindOfPiece(id);
        if (kind == kQ || kind == (d < 4 ? kR : kB)) return true;
      }
      break;
    }
  }
  return false;
}

bool kingAttacked(const Position& p, int colour) {
  const int s = p.square[kingOf(colour)];
  return s != kNone && attacked(p, s, 1 - colour);
}

bool canTakeKing(const Position& p) { return kingAttacked(p, 1 - p.colour); }

void generateMoves(const Position& p, MoveList& list, bool capturesOnly) {
  const int colour = p.colour;
  for (int id = 0; id < kPieces; ++id) {
    const int from = p.square[id];
    if (from == kNone || colourOfPiece(id) != colour) continue;
    switch (kindOfPiece(id)) {
      case kP: addPawnMoves(p, from, colour, list, capturesOnly); break;
      case kN: addSteps(p, kKnightTargets[from], from, colour, list, capturesOnly); break;
      case kB: addSlides(p, from, 4, 8, colour, list, capturesOnly); break;
      case kR: addSlides(p, from, 0, 4, colour, list, capturesOnly); break;
      case kQ: addSlides(p, from, 0, 8, colour, list, capturesOnly); break;
      default: addSteps(p, kKingTargets[from], from, colour, list, capturesOnly); break;
    }
  }
  if (!capturesOnly && p.castling != 0) addCastlings(p, colour, list);
}

void make(Position& p, Move m, Undo& u) {
  const int from = moveFrom(m);
  const int to = moveTo(m);
  const int id = p.board[from];
  u.captured = p.board[to];
  u.castling = p.castling;
  u.key = p.key;
  if (u.captured != kNone) {
    p.square[u.captured] = kNone;
    p.key ^= pieceKey(u.captured, to);
  }
  movePiece(p, id, from, to);
  if (moveFlag(m) != kPlain) {
    int rookFrom = 0;
    int rookTo = 0;
    castlingRook(m, rookFrom, rookTo);
    movePiece(p, p.board[rookFrom], rookFrom, rookTo);
  }
  p.castling &= kRightsKept[from] & kRightsKept[to];
  p.key ^= kZobrist.castling[u.castling] ^ kZobrist.castling[p.castling] ^ kZobrist.blackToMove;
  p.colour ^= 1;
}

void unmake(Position& p, Move m, const Undo& u) {
  const int from = moveFrom(m);
  const int to = moveTo(m);
  p.colour ^= 1;
  if (moveFlag(m) != kPlain) {
    int rookFrom = 0;
    int rookTo = 0;
    castlingRook(m, rookFrom, rookTo);
    const int rook = p.board[rookTo];
    p.board[rookTo] = kNone;
    p.board[rookFrom] = int8_t(rook);
    p.square[rook] = int8_t(rookFrom);
  }
  const int id = p.board[to];
  p.board[from] = int8_t(id);
  p.square[id] = int8_t(from);
  p.board[to] = u.captured;
  if (u.captured != kNone) p.square[u.captured] = int8_t(to);
  p.castling = u.castling;
  p.key = u.key;
}

void makeNull(Position& p) {
  p.colour ^= 1;
  p.key ^= kZobrist.blackToMove;
}

void unmakeNull(Position& p) { makeNull(p); }

uint64_t perft(Position& p, int depth) {
  if (depth == 0) return 1;
  MoveList list;
  generateMoves(p, list);
  uint64_t count = 0;
  for (int i = 0; i < list.count; ++i) {
    Undo u;
    make(p, list.moves[i], u);
    const bool kingTaken = u.captured != kNone && kindOfPiece(u.captured) == kK;
    count += kingTaken ? 1 : perft(p, depth - 1);
    unmake(p, list.moves[i], u);
  }
  return count;
}

}  // namespace engine
