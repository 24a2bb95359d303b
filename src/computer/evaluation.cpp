#include "computer/evaluation.h"

#include <algorithm>
#include <array>

#include "computer/computer_state.h"
#include "game/attack_maps.h"
#include "game/board.h"
#include "game/game.h"

namespace {

int32_t sideMaterial(const Position& position, int s) {
  int32_t m = 0;
  for (const Piece& p : position.pieces.pawns[s]) m += p.onBoard;
  for (const Piece& p : position.pieces.rooks[s]) m += p.onBoard ? materialValue(kRook) : 0;
  for (const Piece& p : position.pieces.knights[s]) m += p.onBoard ? materialValue(kKnight) : 0;
  for (const Piece& p : position.pieces.bishops[s]) m += p.onBoard ? materialValue(kBishop) : 0;
  m += position.pieces.queens[s].onBoard ? materialValue(kQueen) : 0;
  m += position.pieces.kings[s].onBoard ? materialValue(kKing) : 0;
  return m;
}

// The two cheapest attacker values of a square's class counts.
inline void cheapestTwo(uint64_t p, int32_t& v0, int32_t& v1) {
  if (p == 0) {
    v0 = v1 = 0;
    return;
  }
  const int c0 = __builtin_ctzll(p) >> 3;
  v0 = kAttackClassValue[c0];
  if (((p >> (8 * c0)) & 0xFF) >= 2) {
    v1 = v0;
    return;
  }
  const uint64_t rest = p & (p - 1);  // the class held one attacker
  v1 = rest == 0 ? 0 : kAttackClassValue[__builtin_ctzll(rest) >> 3];
}

// The danger t to a piece of value v from its enemies' and defenders' class
// counts on its square.
inline int32_t danger(int32_t v, uint64_t enemies, uint64_t defenders) {
  int32_t e0 = 0, e1 = 0, f0 = 0, f1 = 0;
  cheapestTwo(enemies, e0, e1);
  cheapestTwo(defenders, f0, f1);
  if (e0 > 0 && e0 < v) {
    // Attacked by something cheaper; a cheaper defender can take back, and the
    // enemy may take the defender back again.
    if (f0 > 0 && f0 < e0) return e1 > 0 && e1 < f0 ? v - e0 + f0 : v - e0;
    return v;
  }
  if ((e1 > 0 && e1 < f0) || (f0 == 0 && e0 > 0) || (e1 > 0 && e1 > f1)) return v;
  return 0;
}

inline int32_t weighted(int32_t t, int32_t viewSide, int32_t pieceSide) {
  return pieceSide == viewSide ? -t * kOwnThreatWeight : t * kEnemyThreatWeight;
}

// An unattacked piece is in no danger, which most pieces are: test that first.
inline int32_t termOf(const Position& position, const Piece& p, int32_t v, Side side) {
  if (!p.onBoard) return 0;
  const int sq = squareIndex(p.targetX, p.targetY);
  const uint64_t enemies = attackMapAt(position.attacks, otherSide(p.side) - 1, sq);
  if (enemies == 0) return 0;
  return weighted(danger(v, enemies, attackMapAt(position.attacks, p.side - 1, sq)), side, p.side);
}

// The king's own term, then the in-check mark when it is the judged side's.
inline void addKing(const Position& position, const Piece& king, Side side, int32_t& sum) {
  if (!king.onBoard) return;
  sum += termOf(position, king, materialValue(kKing), side);
  const int kx = king.atRest == 0 ? king.targetX : king.x;
  const int ky = king.atRest == 0 ? king.targetY : king.y;
  if (king.side == side && attackMapAt(position.attacks, otherSide(side) - 1, squareIndex(kx, ky)) != 0)
    sum = kRejectedScore;
}

void addSide(const Position& position, int s, Side side, int32_t& sum) {
  for (const Piece& p : position.pieces.pawns[s]) sum += termOf(position, p, materialValue(kPawn), side);
  for (const Piece& p : position.pieces.rooks[s]) sum += termOf(position, p, materialValue(kRook), side);
  for (const Piece& p : position.pieces.knights[s]) sum += termOf(position, p, materialValue(kKnight), side);
  for (const Piece& p : position.pieces.bishops[s]) sum += termOf(position, p, materialValue(kBishop), side);
  sum += termOf(position, position.pieces.queens[s], materialValue(kQueen), side);
  addKing(position, position.pieces.kings[s], side, sum);
}

// Where the pieces stand in the search's starting position, so that a
// candidate's threat terms are recomputed only on the squares whose piece or
// maps the candidate changed: for each square the value of the piece there
// (0 for none) and its unweighted term, and per side the occupied squares.
// The values are those of the attack maps' classes: pawn 1, king 2, knight
// and bishop 3, rook 4, queen 8.
struct PieceSlot {
  int8_t side;  // 0 White, 1 Black
  int8_t value;
};
// Side and value of each piece by number.
constexpr std::array<PieceSlot, kPieceCount> pieceSlotTable() {
  std::array<PieceSlot, kPieceCount> t{};
  for (int id = 0; id < kPieceCount; ++id) {
    t[id] = {static_cast<int8_t>(pieceSideOf(id) - 1), static_cast<int8_t>(materialValue(pieceKindOf(id)))};
  }
  return t;
}
constexpr auto kPieceSlots = pieceSlotTable();

inline int32_t termAt(const Position& position, int s, int sq, int32_t v) {
  const uint64_t enemies = attackMapAt(position.attacks, 1 - s, sq);
  return enemies == 0 ? 0 : danger(v, enemies, attackMapAt(position.attacks, s, sq));
}

}  // namespace

void saveEvaluationBase(const Position& position, ComputerState& computer) {
  computer.evaluationBase.usable = true;
  computer.evaluationBase.sideSquares[0] = computer.evaluationBase.sideSquares[1] = 0;
  computer.evaluationBase.threatened[0] = computer.evaluationBase.threatened[1] = 0;
  computer.evaluationBase.danger[0] = computer.evaluationBase.danger[1] = 0;
  for (int id = 0; id < kPieceCount; ++id) {
    const Piece& p = gamePiece(position, id);
    const PieceSlot slot = kPieceSlots[id];
    computer.evaluationBase.squareOf[id] = -1;
    if (!p.onBoard) continue;
    const int sq = squareIndex(p.targetX, p.targetY);
    if (p.side != slot.side + 1 || !onBoardCoord(p.targetX, p.targetY) ||
        ((computer.evaluationBase.sideSquares[0] | computer.evaluationBase.sideSquares[1]) >> sq & 1) != 0) {
      computer.evaluationBase.usable = false;
      return;
    }
    computer.evaluationBase.squareOf[id] = static_cast<int8_t>(sq);
    computer.evaluationBase.sideSquares[slot.side] |= 1ULL << sq;
    computer.evaluationBase.valueAt[sq] = slot.value;
    // The maps describe the starting position here.
    computer.evaluationBase.term[sq] = termAt(position, slot.side, sq, slot.value);
    computer.evaluationBase.danger[slot.side] += computer.evaluationBase.term[sq];
    computer.evaluationBase.threatened[slot.side] |= static_cast<uint64_t>(computer.evaluationBase.term[sq] != 0) << sq;
  }
}

int32_t evaluateStep(const Position& position, ComputerState& computer, Side side, int moverId, int takenId) {
  const Piece& mover = gamePiece(position, moverId);
  const Piece* taken = takenId >= 0 ? &gamePiece(position, takenId) : nullptr;
  if (!computer.evaluationBase.usable || computer.evaluationBase.squareOf[moverId] < 0 || !mover.onBoard ||
      (taken != nullptr && taken->onBoard) || !onBoardCoord(mover.targetX, mover.targetY)) {
    return evaluateSide(position, side);
  }
  uint64_t now[kSideCount] = {computer.evaluationBase.sideSquares[0], computer.evaluationBase.sideSquares[1]};
  const PieceSlot slot = kPieceSlots[moverId];
  const uint64_t fromBit = 1ULL << computer.evaluationBase.squareOf[moverId];
  uint64_t changed = position.attacks.attackChanged | fromBit;
  now[slot.side] &= ~fromBit;
  if (taken != nullptr) {
    if (computer.evaluationBase.squareOf[takenId] >= 0) {
      const uint64_t bit = 1ULL << computer.evaluationBase.squareOf[takenId];
      now[kPieceSlots[takenId].side] &= ~bit;
      changed |= bit;
    }
  }
  const int toSquare = squareIndex(mover.targetX, mover.targetY);
  const uint64_t toBit = 1ULL << toSquare;
  if (((now[0] | now[1]) & toBit) != 0) return evaluateSide(position, side);
  now[slot.side] |= toBit;
  changed |= toBit;

  int32_t sideTerms[kSideCount];
  for (int s = 0; s < kSideCount; ++s) {
    int32_t t = computer.evaluationBase.danger[s];
    for (uint64_t set = computer.evaluationBase.threatened[s] & changed; set != 0; set &= set - 1)
      t -= computer.evaluationBase.term[__builtin_ctzll(set)];
    for (uint64_t set =
             now[s] & changed & (position.attacks.attackBaseAny[1 - s] | position.attacks.attackGained[1 - s]);
         set != 0; set &= set - 1) {
      const int sq = __builtin_ctzll(set);
      const uint64_t enemies = steppedMapAt(position.attacks, 1 - s, sq);
      if (enemies != 0)
        t += danger(sq == toSquare ? slot.value : computer.evaluationBase.valueAt[sq], enemies,
                    steppedMapAt(position.attacks, s, sq));
    }
    sideTerms[s] = t;
  }
  const int32_t white = weighted(sideTerms[0], side, kWhite);
  const int32_t black = weighted(sideTerms[1], side, kBlack);
  // The judged side's king in check rejects the position; White's mark comes
  // before Black's terms are added, as in evaluateSide.
  const Piece& king = position.pieces.kings[side - 1];
  if (king.onBoard) {
    const int kx = king.atRest == 0 ? king.targetX : king.x;
    const int ky = king.atRest == 0 ? king.targetY : king.y;
    if (steppedMapAt(position.attacks, otherSide(side) - 1, squareIndex(kx, ky)) != 0) {
      return side == kWhite ? kRejectedScore + black : kRejectedScore;
    }
  }
  return white + black;
}

void countMaterial(const Position& position, ComputerState& computer) {
  computer.whiteMaterial = sideMaterial(position, 0);
  computer.blackMaterial = sideMaterial(position, 1);
}

int32_t threatTerm(const Position& position, int x, int y, int32_t v, Side viewSide, Side pieceSide) {
  const int sq = squareIndex(x, y);
  const int32_t t = danger(v, attackMapAt(position.attacks, otherSide(pieceSide) - 1, sq),
                           attackMapAt(position.attacks, pieceSide - 1, sq));
  return weighted(t, viewSide, pieceSide);
}

int32_t evaluateSide(const Position& position, Side side) {
  int32_t sum = 0;
  addSide(position, 0, side, sum);
  addSide(position, 1, side, sum);
  return sum;
}
