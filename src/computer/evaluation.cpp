#include "computer/evaluation.h"

#include "computer/search.h"
#include "game/attack_maps.h"
#include "game/board.h"

namespace {

int32_t sideMaterial(int s) {
  int32_t m = 0;
  for (const Piece& p : pieces.pawns[s]) m += p.onBoard;
  for (const Piece& p : pieces.rooks[s]) m += p.onBoard == 1 ? materialValueTable[1] : 0;
  for (const Piece& p : pieces.knights[s]) m += p.onBoard == 1 ? materialValueTable[2] : 0;
  for (const Piece& p : pieces.bishops[s]) m += p.onBoard == 1 ? materialValueTable[3] : 0;
  m += pieces.queens[s].onBoard == 1 ? materialValueTable[4] : 0;
  m += pieces.kings[s].onBoard == 1 ? materialValueTable[5] : 0;
  return m;
}

// An unattacked piece is in no danger, which most pieces are: test that first.
inline int32_t termOf(const Piece& p, int32_t v, int32_t side) {
  if (p.onBoard != 1) return 0;
  if (attackPacked[otherSide(p.side) - 1][squareIndex(p.targetX, p.targetY)] == 0) return 0;
  return threatTerm(p.targetX, p.targetY, v, side, p.side);
}

// The king's own term, then the in-check mark when it is the judged side's.
inline void addKing(const Piece& king, int32_t side, int32_t& sum) {
  if (king.onBoard != 1) return;
  sum += threatTerm(king.targetX, king.targetY, materialValueTable[5], side, king.side);
  const int kx = king.atRest == 0 ? king.targetX : king.x;
  const int ky = king.atRest == 0 ? king.targetY : king.y;
  if (king.side == side && attackValue(otherSide(side), squareIndex(kx, ky), 0) > 0) sum = kRejectedScore;
}

void addSide(int s, int32_t side, int32_t& sum) {
  for (const Piece& p : pieces.pawns[s]) sum += termOf(p, materialValueTable[0], side);
  for (const Piece& p : pieces.rooks[s]) sum += termOf(p, materialValueTable[1], side);
  for (const Piece& p : pieces.knights[s]) sum += termOf(p, materialValueTable[2], side);
  for (const Piece& p : pieces.bishops[s]) sum += termOf(p, materialValueTable[3], side);
  sum += termOf(pieces.queens[s], materialValueTable[4], side);
  addKing(pieces.kings[s], side, sum);
}

}  // namespace

void countMaterial() {
  whiteMaterial = sideMaterial(0);
  blackMaterial = sideMaterial(1);
}

int32_t threatTerm(int x, int y, int32_t v, int32_t viewSide, int32_t pieceSide) {
  const int sq = squareIndex(x, y);
  const int32_t enemy = otherSide(pieceSide);
  const int32_t e0 = attackValue(enemy, sq, 0);
  const int32_t e1 = attackValue(enemy, sq, 1);
  const int32_t f0 = attackValue(pieceSide, sq, 0);
  const int32_t f1 = attackValue(pieceSide, sq, 1);
  int32_t t = 0;
  if (e0 > 0 && e0 < v) {
    // Attacked by something cheaper; a cheaper defender can take back, and the
    // enemy may take the defender back again.
    t = v;
    if (f0 > 0 && f0 < e0) {
      t = v - e0;
      if (e1 > 0 && e1 < f0) t = v - e0 + f0;
    }
  } else if ((e1 > 0 && e1 < f0) || (f0 == 0 && e0 > 0) || (e1 > 0 && e1 > f1)) {
    t = v;
  }
  return pieceSide == viewSide ? -t * kOwnThreatWeight : t * kEnemyThreatWeight;
}

int32_t evaluateSide(int32_t side) {
  int32_t sum = 0;
  addSide(0, side, sum);
  addSide(1, side, sum);
  return sum;
}

int32_t scoreCandidate(int32_t side, int32_t mobilityValue) {
  const int tx = candidateToX;
  const int ty = candidateToY;
  const int sq = squareIndex(tx, ty);
  int32_t squareBalance = attackSumAt(kWhite, sq) - attackSumAt(kBlack, sq);
  const int32_t balanceNow = whiteMaterial - blackMaterial;
  whiteMaterial = 0;
  blackMaterial = 0;
  int32_t change = 0;
  if (lastMaterialBalance != balanceNow) {
    change = lastMaterialBalance - balanceNow;
    lastMaterialBalance = balanceNow;
  }
  int32_t countBalance = attackListCount(kWhite, sq) - attackListCount(kBlack, sq);
  if (side == kBlack) {
    change = -change;
    squareBalance = -squareBalance;
    countBalance = -countBalance;
  }
  // More enemy weight than own weight on the destination although own
  // attackers outnumber the enemy's: a penalty.
  int32_t bonus = squareBalance < 0 && countBalance > 0 ? squareBalance * kSquarePenaltyWeight : 0;
  if (change < 0) bonus = bonus * kSquarePenaltyOnCapture - change * kMaterialWonWeight;
  tacticalBonus = bonus;
  const int32_t total = bonus + mobilityValue + countBalance + positionValue;
  if (kingTaken == 1) return kKingCaptureScore;
  if (total < workingList[side - 1].entries[4].score) return kRejectedScore;
  return total;
}
