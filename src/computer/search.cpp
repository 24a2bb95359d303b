#include "computer/search.h"

#include <algorithm>
#include <cstring>

#include "computer/computer_state.h"
#include "computer/evaluation.h"
#include "game/attack_maps.h"
#include "game/board.h"
#include "game/captures.h"
#include "game/castling.h"
#include "game/game.h"
#include "game/moves.h"

namespace {

bool isSliding(PieceKind kind) { return kind == kRook || kind == kBishop || kind == kQueen; }

void resetScores(CandidateList& list) {
  for (Candidate& c : list.entries) c.score = kRejectedScore;
}

// The first entry whose score is not above s takes the candidate; among equal
// scores the one found later ranks first.
void insertCandidate(CandidateList& list, const Candidate& c) {
  for (int i = 0; i < kCandidateCount; ++i) {
    if (list.entries[i].score <= c.score) {
      std::copy_backward(list.entries + i, list.entries + kCandidateCount - 1, list.entries + kCandidateCount);
      list.entries[i] = c;
      return;
    }
  }
}

// Attack totals and mobility of the position the maps describe, then the score.
int32_t judge(Position& position, ComputerState& computer, Side side) {
  computer.whiteAttackTotal = position.attacks.attackTotal[0];
  computer.blackAttackTotal = position.attacks.attackTotal[1];
  computer.mobility = side == kWhite ? computer.whiteAttackTotal - computer.blackAttackTotal
                                     : computer.blackAttackTotal - computer.whiteAttackTotal;
  ++evaluationCount;
  return scoreCandidate(position, computer, side, computer.mobility);
}

// Builds the maps and judges the position on the board.
int32_t evaluatePosition(Position& position, ComputerState& computer, Side side) {
  buildAttackSummary(position);
  countMaterial(position, computer);
  computer.positionValue = evaluateSide(position, side);
  return judge(position, computer, side);
}

// Judges the step set up on the board again from a full scan and counts a
// difference in the score or in the maps the score reads.
void verifyStep(Position& position, ComputerState& computer, Side side) {
  const int to = squareIndex(computer.candidateToX, computer.candidateToY);
  const uint64_t white = attackMapAt(position.attacks, 0, to);
  const uint64_t black = attackMapAt(position.attacks, 1, to);
  const int32_t totals[kSideCount] = {position.attacks.attackTotal[0], position.attacks.attackTotal[1]};
  buildAttackSummary(position);
  if (evaluateSide(position, side) != computer.positionValue || attackMapAt(position.attacks, 0, to) != white ||
      attackMapAt(position.attacks, 1, to) != black || position.attacks.attackTotal[0] != totals[0] ||
      position.attacks.attackTotal[1] != totals[1]) {
    ++computer.stepMismatches;
  }
}

// One possible step of a piece: set it up, judge it, undo it exactly.
void tryStep(Position& position, ComputerState& computer, Side side, PieceKind kind, int index, Piece& p, int32_t code,
             int32_t notedAtRest) {
  const Side enemy = otherSide(side);
  computer.candidateToX = p.targetX;
  computer.candidateToY = p.targetY;
  const bool capture = position.captureFound;
  const CapturedPiece taken = position.captured;
  if (capture) {
    takePiece(position, taken.kind, taken.kind, enemy, enemy, taken.index, taken.index, false, taken.layer);
    if (taken.kind == kKing) computer.kingTaken = true;
  }
  Square& dest = squareAt(position, position.lastTry.targetX, position.lastTry.targetY);
  Square& start = squareAt(position, position.lastTry.startX, position.lastTry.startY);
  const Square savedDest = dest;
  const Square savedStart = start;
  const int32_t squareIndexOfMover = (kind == kQueen || kind == kKing) ? kRoyalIndex : index;
  setPending(dest, kind, side, squareIndexOfMover, kPendingLayer);
  setPending(start, kEmpty, kNoSide, kNoIndex, kPendingLayer);
  const int32_t startX = position.lastTry.startX;
  const int32_t startY = position.lastTry.startY;
  setTarget(p, computer.candidateToX, computer.candidateToY, 0);

  const Piece* capturedPiece = capture ? pieceOf(position, taken.kind, enemy, taken.index) : nullptr;
  const int moverId = pieceIdOf(kind, side, index);
  const int takenId = capturedPiece != nullptr ? pieceIdOf(taken.kind, enemy, taken.index) : -1;
  updateAttackSummary(position, moverId, squareIndex(startX, startY),
                      squareIndex(computer.candidateToX, computer.candidateToY), takenId);
  // The material of the step's position: the starting position's, less the
  // piece taken.
  const int32_t lost = capturedPiece != nullptr && !capturedPiece->onBoard ? materialValue(taken.kind) : 0;
  computer.whiteMaterial = computer.baseWhiteMaterial - (enemy == kWhite ? lost : 0);
  computer.blackMaterial = computer.baseBlackMaterial - (enemy == kBlack ? lost : 0);
  computer.positionValue = evaluateStep(position, computer, side, moverId, takenId);
  if (computer.verifySteps) verifyStep(position, computer, side);

  dest = savedDest;
  if (capture) takePiece(position, taken.kind, taken.kind, enemy, enemy, taken.index, taken.index, true, taken.layer);
  start = savedStart;
  setTarget(p, startX, startY, notedAtRest);

  const int32_t s = judge(position, computer, side);
  if (capture) {
    computer.whiteMaterial = computer.baseWhiteMaterial;
    computer.blackMaterial = computer.baseBlackMaterial;
    computer.lastMaterialBalance = computer.whiteMaterial - computer.blackMaterial;
    computer.kingTaken = false;
  }
  if (s == kRejectedScore) return;
  const int32_t candidateIndex = (kind == kQueen || kind == kKing) ? kNoIndex : index;
  insertCandidate(computer.workingList[side - 1],
                  Candidate{s, kind, computer.candidateToX, computer.candidateToY, computer.candidateFromX,
                            computer.candidateFromY, candidateIndex, code, position.captureFound, taken.kind,
                            taken.index, computer.tacticalBonus, taken.layer});
}

// Everything a castling trial touches on the home rank, to put back exactly.
struct CastlingSnapshot {
  Square rank[kBoardSize];
  Piece king;
  Piece rook;
};

// Tries one castling; returns its score (kRejectedScore when not possible).
int32_t tryCastling(Position& position, ComputerState& computer, Side side, int32_t code) {
  const CastlingSquares& c = castlingSquares(code);
  const int r = homeRank(side);
  Piece& king = position.pieces.kings[side - 1];
  Piece& rook = position.pieces.rooks[side - 1][c.rookIndex];
  CastlingSnapshot saved{};
  for (int x = 0; x < kBoardSize; ++x) saved.rank[x] = squareAt(position, x, r);
  saved.king = king;
  saved.rook = rook;
  if (castle(position, code, side, kCastleSearch) != 1) return kRejectedScore;
  computer.candidateFromX = kKingStartFile;
  computer.candidateFromY = r;
  computer.candidateToX = c.kingTo;
  computer.candidateToY = r;
  const int32_t s = evaluatePosition(position, computer, side);
  if (s != kRejectedScore) {
    insertCandidate(computer.workingList[side - 1], Candidate{s, kKing, c.kingTo, r, kKingStartFile, r, kNoIndex, code,
                                                              0, kEmpty, 0, computer.tacticalBonus, kCommittedLayer});
  }
  for (int x = 0; x < kBoardSize; ++x) squareAt(position, x, r) = saved.rank[x];
  king = saved.king;
  rook = saved.rook;
  return s;
}

}  // namespace

void searchSide(Position& position, ComputerState& computer, Side side, int32_t slot) {
  computer.searchSlot = slot;
  resetScores(computer.workingList[0]);
  resetScores(computer.workingList[1]);
  position.trialMode = true;
  saveAttackBase(position);
  saveEvaluationBase(position, computer);
  countMaterial(position, computer);
  computer.baseWhiteMaterial = computer.whiteMaterial;
  computer.baseBlackMaterial = computer.blackMaterial;
  for (const PieceKind kind : kKindOrder) {
    const int32_t codes = moveCodeCount(kind);
    for (int i = 0; i < pieceCountOf(kind); ++i) {
      Piece& p = gamePiece(position, pieceIdOf(kind, side, i));
      for (int32_t code = 1; code <= codes; ++code) {
        if (!p.onBoard) break;
        computer.candidateFromX = p.targetX;
        computer.candidateFromY = p.targetY;
        const int32_t notedAtRest = p.atRest;
        position.captureFound = false;
        const MoveResult result = generateMove(position, kind, p, code);
        if (result != kMovePossible) {
          setTarget(p, position.lastTry.startX, position.lastTry.startY, notedAtRest);
          // The rest of a blocked direction is refused as well.
          if (isSliding(kind)) code = ((code - 1) / kCodesPerDirection + 1) * kCodesPerDirection;
          continue;
        }
        tryStep(position, computer, side, kind, i, p, code, notedAtRest);
      }
    }
  }
  const int32_t shortScore = tryCastling(position, computer, side, kShortCastling);
  if (side == kBlack || shortScore == kRejectedScore) tryCastling(position, computer, side, kLongCastling);

  const bool blackSlot =
      computer.searchSlot == 0 || computer.searchSlot == 2 || computer.searchSlot == 4 || computer.searchSlot == 6;
  const bool whiteSlot = computer.searchSlot == 1 || computer.searchSlot == 3 || computer.searchSlot == 5;
  if (side == kBlack && blackSlot) computer.resultList[computer.searchSlot] = computer.workingList[1];
  if (side == kWhite && whiteSlot) computer.resultList[computer.searchSlot] = computer.workingList[0];
  // Black's list is only ever copied into even slots and White's into odd
  // ones; the other side's working list is reset unread.
  for (CandidateList& list : computer.workingList) {
    for (Candidate& c : list.entries) {
      c.score = kRejectedScore;
      c.kind = kEmpty;
      c.toX = c.toY = c.fromX = c.fromY = c.index = c.code = 0;
    }
  }
}

// The one number by which the search ranks the candidate set up on the board:
// the position's value, the attack balances and the material won; rejected
// when it cannot enter the side's working list.
int32_t scoreCandidate(const Position& position, ComputerState& computer, Side side, int32_t mobilityValue) {
  const int tx = computer.candidateToX;
  const int ty = computer.candidateToY;
  const int sq = squareIndex(tx, ty);
  const uint64_t white = attackMapAt(position.attacks, 0, sq);
  const uint64_t black = attackMapAt(position.attacks, 1, sq);
  int32_t squareBalance = packedSum(white) - packedSum(black);
  const int32_t balanceNow = computer.whiteMaterial - computer.blackMaterial;
  computer.whiteMaterial = 0;
  computer.blackMaterial = 0;
  int32_t change = 0;
  if (computer.lastMaterialBalance != balanceNow) {
    change = computer.lastMaterialBalance - balanceNow;
    computer.lastMaterialBalance = balanceNow;
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
  computer.tacticalBonus = bonus;
  const int32_t total = bonus + mobilityValue + countBalance + computer.positionValue;
  if (computer.kingTaken) return kKingCaptureScore;
  if (total < computer.workingList[side - 1].entries[4].score) return kRejectedScore;
  return total;
}
