#include "engine/evaluation.h"

#include "engine/tables.h"

namespace engine {

namespace {

// Tables from White's view, rank 8 first (so row 7 - y of square (x, y)).
// No promotion: a pawn gains little by running, and on the last rank it is
// stuck for good and attacks nothing, so it is worth little there.
constexpr int kPawnTable[64] = {
    -70, -70, -70, -70, -70, -70, -70, -70,  //
    30,  30,  35,  40,  40,  35,  30,  30,   //
    12,  12,  20,  28,  28,  20,  12,  12,   //
    6,   6,   12,  24,  24,  12,  6,   6,    //
    2,   2,   8,   20,  20,  8,   2,   2,    //
    4,   -2,  -4,  4,   4,   -4,  -2,  4,    //
    4,   8,   8,   -18, -18, 8,   8,   4,    //
    0,   0,   0,   0,   0,   0,   0,   0,
};
constexpr int kKnightTable[64] = {
    -50, -40, -30, -30, -30, -30, -40, -50,  //
    -40, -20, 0,   0,   0,   0,   -20, -40,  //
    -30, 0,   10,  15,  15,  10,  0,   -30,  //
    -30, 5,   15,  20,  20,  15,  5,   -30,  //
    -30, 0,   15,  20,  20,  15,  0,   -30,  //
    -30, 5,   10,  15,  15,  10,  5,   -30,  //
    -40, -20, 0,   5,   5,   0,   -20, -40,  //
    -50, -40, -30, -30, -30, -30, -40, -50,
};
constexpr int kBishopTable[64] = {
    -20, -10, -10, -10, -10, -10, -10, -20,  //
    -10, 0,   0,   0,   0,   0,   0,   -10,  //
    -10, 0,   5,   10,  10,  5,   0,   -10,  //
    -10, 5,   5,   10,  10,  5,   5,   -10,  //
    -10, 0,   10,  10,  10,  10,  0,   -10,  //
    -10, 10,  10,  10,  10,  10,  10,  -10,  //
    -10, 5,   0,   0,   0,   0,   5,   -10,  //
    -20, -10, -10, -10, -10, -10, -10, -20,
};
constexpr int kRookTable[64] = {
    0,  0,  0,  0,  0,  0,  0,  0,   //
    5,  10, 10, 10, 10, 10, 10, 5,   //
    -5, 0,  0,  0,  0,  0,  0,  -5,  //
    -5, 0,  0,  0,  0,  0,  0,  -5,  //
    -5, 0,  0,  0,  0,  0,  0,  -5,  //
    -5, 0,  0,  0,  0,  0,  0,  -5,  //
    -5, 0,  0,  0,  0,  0,  0,  -5,  //
    0,  0,  5,  5,  5,  5,  0,  0,
};
constexpr int kQueenTable[64] = {
    -20, -10, -10, -5, -5, -10, -10, -20,  //
    -10, 0,   0,   0,  0,  0,   0,   -10,  //
    -10, 0,   5,   5,  5,  5,   0,   -10,  //
    -5,  0,   5,   5,  5,  5,   0,   -5,   //
    -5,  0,   5,   5,  5,  5,   0,   -5,   //
    -10, 0,   5,   5,  5,  5,   0,   -10,  //
    -10, 0,   0,   0,  0,  0,   0,   -10,  //
    -20, -10, -10, -5, -5, -10, -10, -20,
};
// The castled king stands on g1 or b1.
constexpr int kKingMiddleTable[64] = {
    -30, -40, -40, -50, -50, -40, -40, -30,  //
    -30, -40, -40, -50, -50, -40, -40, -30,  //
    -30, -40, -40, -50, -50, -40, -40, -30,  //
    -30, -40, -40, -50, -50, -40, -40, -30,  //
    -20, -30, -30, -40, -40, -30, -30, -20,  //
    -10, -20, -20, -20, -20, -20, -20, -10,  //
    15,  15,  0,   -5,  -5,  0,   15,  15,   //
    15,  30,  15,  0,   0,   5,   30,  15,
};
constexpr int kKingEndTable[64] = {
    -50, -40, -30, -20, -20, -30, -40, -50,  //
    -30, -20, -10, 0,   0,   -10, -20, -30,  //
    -30, -10, 20,  30,  30,  20,  -10, -30,  //
    -30, -10, 30,  40,  40,  30,  -10, -30,  //
    -30, -10, 30,  40,  40,  30,  -10, -30,  //
    -30, -10, 20,  30,  30,  20,  -10, -30,  //
    -30, -30, 0,   0,   0,   0,   -30, -30,  //
    -50, -30, -30, -30, -30, -30, -30, -50,
};
constexpr const int* kTables[kKinds] = {kPawnTable, kKnightTable, kBishopTable,
                                        kRookTable, kQueenTable,  kKingMiddleTable};

constexpr int tableIndex(int s, int colour) { return colour == 0 ? (7 - rankOf(s)) * 8 + fileOf(s) : s; }

constexpr int kPhaseWeight[kKinds] = {0, 1, 1, 2, 4, 0};
constexpr int kFullPhase = 24;
constexpr int kMobilityWeight[kKinds] = {0, 4, 4, 2, 1, 0};
constexpr int kAttackWeight[kKinds] = {0, 2, 2, 3, 5, 0};

// Chebyshev distance one or less: the king's zone.
inline bool nearKing(int s, int king) {
  const int dx = fileOf(s) - fileOf(king);
  const int dy = rankOf(s) - rankOf(king);
  return dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1;
}

// One side's sums while the position is judged.
struct SideScore {
  int middle = 0;
  int end = 0;
  int kingAttack = 0;  // weighted attacks on the enemy king's zone
  int bishops = 0;
};

void scoreMobility(const Position& p, int id, int from, int enemyKing, SideScore& side) {
  const int kind = kindOfPiece(id);
  const int colour = colourOfPiece(id);
  int moves = 0;
  int zone = 0;
  if (kind == kN) {
    const Targets& t = kKnightTargets[from];
    for (int i = 0; i < t.count; ++i) {
      const int to = t.squares[i];
      const int occupant = p.board[to];
      if (occupant == kNone || colourOfPiece(occupant) != colour) ++moves;
      if (enemyKing != kNone && nearKing(to, enemyKing)) ++zone;
    }
  } else {
    const int first = kind == kB ? 4 : 0;
    const int last = kind == kR ? 4 : 8;
    for (int d = first; d < last; ++d) {
      const Ray& r = kRays[from][d];
      for (int i = 0; i < r.count; ++i) {
        const int to = r.squares[i];
        const int occupant = p.board[to];
        if (enemyKing != kNone && nearKing(to, enemyKing)) ++zone;
        if (occupant == kNone) {
          ++moves;
          continue;
        }
        if (colourOfPiece(occupant) != colour) ++moves;
        break;
      }
    }
  }
  side.middle += kMobilityWeight[kind] * (moves - 4);
  side.end += kMobilityWeight[kind] * (moves - 4);
  side.kingAttack += kAttackWeight[kind] * zone;
}

// Own pawns on the three files in front of the king, one or two ranks ahead.
int shield(const Position& p, int colour) {
  const int king = p.square[kingOf(colour)];
  if (king == kNone) return 0;
  const int dir = colour == 0 ? 1 : -1;
  int count = 0;
  for (int dx = -1; dx <= 1; ++dx) {
    const int x = fileOf(king) + dx;
    if (x < 0 || x > 7) continue;
    for (int step = 1; step <= 2; ++step) {
      const int y = rankOf(king) + step * dir;
      if (y < 0 || y > 7) continue;
      const int id = p.board[sq(x, y)];
      if (id != kNone && kindOfPiece(id) == kP && colourOfPiece(id) == colour) {
        count += step == 1 ? 2 : 1;
        break;
      }
    }
  }
  return count;
}

}  // namespace

int evaluate(const Position& p) {
  SideScore sides[2];
  int phase = 0;
  int queens[2] = {0, 0};
  for (int id = 0; id < kPieces; ++id) {
    const int s = p.square[id];
    if (s == kNone) continue;
    const int kind = kindOfPiece(id);
    const int colour = colourOfPiece(id);
    SideScore& side = sides[colour];
    const int t = tableIndex(s, colour);
    phase += kPhaseWeight[kind];
    if (kind == kK) {
      side.middle += kKingMiddleTable[t];
      side.end += kKingEndTable[t];
      continue;
    }
    side.middle += kPieceValue[kind] + kTables[kind][t];
    side.end += kPieceValue[kind] + (kind == kP ? kTables[kind][t] / 2 : kTables[kind][t] / 2);
    if (kind == kB) ++side.bishops;
    if (kind == kQ) ++queens[colour];
    if (kind != kP) scoreMobility(p, id, s, p.square[kingOf(1 - colour)], side);
  }
  for (int colour = 0; colour < 2; ++colour) {
    SideScore& side = sides[colour];
    if (side.bishops >= 2) {
      side.middle += 30;
      side.end += 50;
    }
    side.middle += 8 * shield(p, colour);
    // The attack on the other king counts most while a queen joins it.
    const int units = side.kingAttack * (queens[colour] > 0 ? 2 : 1);
    const int danger = units * units / 8;
    sides[1 - colour].middle -= danger < 400 ? danger : 400;
  }
  if (phase > kFullPhase) phase = kFullPhase;
  const int middle = sides[0].middle - sides[1].middle;
  const int end = sides[0].end - sides[1].end;
  const int score = (middle * phase + end * (kFullPhase - phase)) / kFullPhase;
  return (p.colour == 0 ? score : -score) + 10;  // a small bonus for the move
}

}  // namespace engine
