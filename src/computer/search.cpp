#include "computer/search.h"

#include <algorithm>
#include <cstring>

#include "computer/evaluation.h"
#include "game/attack_maps.h"
#include "game/board.h"
#include "game/captures.h"
#include "game/castling.h"
#include "game/moves.h"

namespace {

// Material of the position the search runs in.
int32_t baseWhiteMaterial = 0;
int32_t baseBlackMaterial = 0;

bool isSliding(PieceKind kind) { return kind == kRook || kind == kBishop || kind == kQueen; }

void resetScores(CandidateList& list) {
  for (Candidate& c : list.entries) c.score = kRejectedScore;
}

// The first entry whose score is not above s takes the candidate; among equal
// scores the one found later ranks first.
void insertCandidate(CandidateList& list, const Candidate& c) {
  for (int i = 0; i < kCandidateCount; ++i) {
    if (list.entries[i].score <= c.score) {
      for (int j = kCandidateCount - 1; j > i; --j) list.entries[j] = list.entries[j - 1];
      list.entries[i] = c;
      return;
    }
  }
}

// Attack totals and mobility of the position the maps describe, then the score.
int32_t judge(Side side) {
  whiteAttackTotal = attackTotal[0];
  blackAttackTotal = attackTotal[1];
  mobility = side == kWhite ? whiteAttackTotal - blackAttackTotal : blackAttackTotal - whiteAttackTotal;
  ++evaluationCount;
  return scoreCandidate(side, mobility);
}

// Builds the maps and judges the position on the board.
int32_t evaluatePosition(Side side) {
  buildAttackSummary();
  countMaterial();
  positionValue = evaluateSide(side);
  return judge(side);
}

// Judges the step set up on the board again from a full scan and counts a
// difference in the score or in the maps the score reads.
void verifyStep(Side side) {
  const int to = squareIndex(candidateToX, candidateToY);
  const uint64_t white = attackMapAt(0, to);
  const uint64_t black = attackMapAt(1, to);
  const int32_t totals[kSideCount] = {attackTotal[0], attackTotal[1]};
  buildAttackSummary();
  if (evaluateSide(side) != positionValue || attackMapAt(0, to) != white || attackMapAt(1, to) != black ||
      attackTotal[0] != totals[0] || attackTotal[1] != totals[1]) {
    ++stepMismatches;
  }
}

// One possible step of a piece: set it up, judge it, undo it exactly.
void tryStep(Side side, PieceKind kind, int index, Piece& p, int32_t code, int32_t notedAtRest) {
  const Side enemy = otherSide(side);
  candidateToX = p.targetX;
  candidateToY = p.targetY;
  const bool capture = captureFound;
  const CapturedPiece taken = captured;
  if (capture) {
    takePiece(taken.kind, taken.kind, enemy, enemy, taken.index, taken.index, kSearchOnly, false, taken.layer);
    if (taken.kind == kKing) kingTaken = true;
  }
  Square& dest = squareAt(lastTry.targetX, lastTry.targetY);
  Square& start = squareAt(lastTry.startX, lastTry.startY);
  const Square savedDest = dest;
  const Square savedStart = start;
  const int32_t squareIndexOfMover = (kind == kQueen || kind == kKing) ? kRoyalIndex : index;
  setPending(dest, kind, side, squareIndexOfMover, kPendingLayer);
  setPending(start, kEmpty, kNoSide, kNoIndex, kPendingLayer);
  const int32_t startX = lastTry.startX;
  const int32_t startY = lastTry.startY;
  setTarget(p, candidateToX, candidateToY, 0);

  const Piece* capturedPiece = capture ? pieceOf(taken.kind, enemy, taken.index) : nullptr;
  const int moverId = pieceIdOf(kind, side, index);
  const int takenId = capturedPiece != nullptr ? pieceIdOf(taken.kind, enemy, taken.index) : -1;
  updateAttackSummary(moverId, squareIndex(startX, startY), squareIndex(candidateToX, candidateToY), takenId);
  // The material of the step's position: the starting position's, less the
  // piece taken.
  const int32_t lost = capturedPiece != nullptr && !capturedPiece->onBoard ? materialValue(taken.kind) : 0;
  whiteMaterial = baseWhiteMaterial - (enemy == kWhite ? lost : 0);
  blackMaterial = baseBlackMaterial - (enemy == kBlack ? lost : 0);
  positionValue = evaluateStep(side, moverId, takenId);
  if (verifySteps) verifyStep(side);

  dest = savedDest;
  if (capture)
    takePiece(taken.kind, taken.kind, enemy, enemy, taken.index, taken.index, kSearchOnly, true, taken.layer);
  start = savedStart;
  setTarget(p, startX, startY, notedAtRest);

  const int32_t s = judge(side);
  if (capture) {
    whiteMaterial = baseWhiteMaterial;
    blackMaterial = baseBlackMaterial;
    lastMaterialBalance = whiteMaterial - blackMaterial;
    kingTaken = false;
  }
  if (s == kRejectedScore) return;
  const int32_t candidateIndex = (kind == kQueen || kind == kKing) ? kNoIndex : index;
  insertCandidate(workingList[side - 1],
                  Candidate{s, kind, candidateToX, candidateToY, candidateFromX, candidateFromY, candidateIndex, code,
                            captureFound, taken.kind, taken.index, tacticalBonus, taken.layer});
}

// Everything a castling trial touches on the home rank, to put back exactly.
struct CastlingSnapshot {
  Square rank[kBoardSize];
  Piece king;
  Piece rook;
};

// Tries one castling; returns its score (kRejectedScore when not possible).
int32_t tryCastling(Side side, int32_t code) {
  const CastlingSquares& c = castlingSquares(code);
  const int r = homeRank(side);
  Piece& king = pieces.kings[side - 1];
  Piece& rook = pieces.rooks[side - 1][c.rookIndex];
  CastlingSnapshot saved{};
  for (int x = 0; x < kBoardSize; ++x) saved.rank[x] = squareAt(x, r);
  saved.king = king;
  saved.rook = rook;
  if (castle(code, side, kCastleSearch) != 1) return kRejectedScore;
  candidateFromX = kKingStartFile;
  candidateFromY = r;
  candidateToX = c.kingTo;
  candidateToY = r;
  const int32_t s = evaluatePosition(side);
  if (s != kRejectedScore) {
    insertCandidate(workingList[side - 1], Candidate{s, kKing, c.kingTo, r, kKingStartFile, r, kNoIndex, code, 0,
                                                     kEmpty, 0, tacticalBonus, kCommittedLayer});
  }
  for (int x = 0; x < kBoardSize; ++x) squareAt(x, r) = saved.rank[x];
  king = saved.king;
  rook = saved.rook;
  return s;
}

}  // namespace

void searchSide(Side side, int32_t slot) {
  searchSlot = slot;
  resetScores(workingList[0]);
  resetScores(workingList[1]);
  trialMode = true;
  saveAttackBase();
  saveEvaluationBase();
  countMaterial();
  baseWhiteMaterial = whiteMaterial;
  baseBlackMaterial = blackMaterial;
  for (const PieceKind kind : kKindOrder) {
    const int32_t codes = moveCodeCount(kind);
    for (int i = 0; i < pieceCountOf(kind); ++i) {
      Piece& p = gamePiece(pieceIdOf(kind, side, i));
      for (int32_t code = 1; code <= codes; ++code) {
        if (!p.onBoard) break;
        candidateFromX = p.targetX;
        candidateFromY = p.targetY;
        const int32_t notedAtRest = p.atRest;
        captureFound = false;
        const int32_t result = generateMove(kind, p, code);
        if (result != kMovePossible) {
          setTarget(p, lastTry.startX, lastTry.startY, notedAtRest);
          // The rest of a blocked direction is refused as well.
          if (isSliding(kind)) code = ((code - 1) / kCodesPerDirection + 1) * kCodesPerDirection;
          continue;
        }
        tryStep(side, kind, i, p, code, notedAtRest);
      }
    }
  }
  const int32_t shortScore = tryCastling(side, kShortCastling);
  if (side == kBlack || shortScore == kRejectedScore) tryCastling(side, kLongCastling);

  const bool blackSlot = searchSlot == 0 || searchSlot == 2 || searchSlot == 4 || searchSlot == 6;
  const bool whiteSlot = searchSlot == 1 || searchSlot == 3 || searchSlot == 5;
  if (side == kBlack && blackSlot) resultList[searchSlot] = workingList[1];
  if (side == kWhite && whiteSlot) resultList[searchSlot] = workingList[0];
  // Black's list is only ever copied into even slots and White's into odd
  // ones; the other side's working list is reset unread.
  for (CandidateList& list : workingList) {
    for (Candidate& c : list.entries) {
      c.score = kRejectedScore;
      c.kind = kEmpty;
      c.toX = c.toY = c.fromX = c.fromY = c.index = c.code = 0;
    }
  }
}

void resetSearch() {
  std::memset(workingList, 0, sizeof workingList);
  std::memset(resultList, 0, sizeof resultList);
  searchSlot = 0;
  candidateFromX = candidateFromY = candidateToX = candidateToY = 0;
  whiteAttackTotal = blackAttackTotal = 0;
  baseWhiteMaterial = baseBlackMaterial = 0;
}

// The one number by which the search ranks the candidate set up on the board:
// the position's value, the attack balances and the material won; rejected
// when it cannot enter the side's working list.
int32_t scoreCandidate(Side side, int32_t mobilityValue) {
  const int tx = candidateToX;
  const int ty = candidateToY;
  const int sq = squareIndex(tx, ty);
  const uint64_t white = attackMapAt(0, sq);
  const uint64_t black = attackMapAt(1, sq);
  int32_t squareBalance = packedSum(white) - packedSum(black);
  const int32_t balanceNow = whiteMaterial - blackMaterial;
  whiteMaterial = 0;
  blackMaterial = 0;
  int32_t change = 0;
  if (lastMaterialBalance != balanceNow) {
    change = lastMaterialBalance - balanceNow;
    lastMaterialBalance = balanceNow;
  }
  int32_t countBalance =
      std::min(packedCount(white), kAttackListLength) - std::min(packedCount(black), kAttackListLength);
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
  if (kingTaken) return kKingCaptureScore;
  if (total < workingList[side - 1].entries[4].score) return kRejectedScore;
  return total;
}
