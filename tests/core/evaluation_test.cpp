#include <gtest/gtest.h>

#include "computer/computer_state.h"
#include "computer/evaluation.h"
#include "computer/search.h"
#include "fixtures.h"
#include "game/attack_maps.h"
#include "game/board.h"
#include "game/game.h"
#include "test_support.h"
#include "ui/program.h"

namespace {

// Both sides' evaluations, White's first, of pieces on an empty board.
std::vector<int32_t> evaluations(const std::string& position) {
  setUpPosition(position);
  buildAttackMaps(game);
  return {evaluateSide(game, kWhite), evaluateSide(game, kBlack)};
}

}  // namespace

TEST(Evaluation, ThreatTermsOfTheWorkedExamples) {
  startProgram();
  buildAttackMaps(game);
  countMaterial(game, computer);
  EXPECT_EQ((std::vector<int32_t>{computer.whiteMaterial, computer.blackMaterial, evaluateSide(game, kWhite),
                                  evaluateSide(game, kBlack)}),
            (std::vector<int32_t>{38, 38, 0, 0}));

  // A knight attacked by a pawn: -450 for its own side, +30 for the other,
  // defended (from c3) or not.
  EXPECT_EQ(evaluations("K0a1 k0h8 N0d4 p4e5"), (std::vector<int32_t>{-450, 30}));
  EXPECT_EQ(evaluations("K0a1 k0h8 N0d4 p4e5 P2c3")[0], -450);

  // An undefended rook attacked by the queen only (on the diagonal, out of
  // the rook's reach): t = 4; defended by a pawn: 0.
  EXPECT_EQ(evaluations("K0a1 k0h8 R0d4 q0g7"), (std::vector<int32_t>{-600, 40}));
  evaluations("K0a1 k0h8 R0d4 q0g7 P2c3");
  EXPECT_EQ(threatTerm(game, 3, 3, 4, kWhite, kWhite), 0);

  // A queen attacked by a bishop and a rook, defended by a pawn: t = 8 - 3.
  evaluations("K0a1 k0h8 Q0d4 b0f6 r0d7 P2c3");
  EXPECT_EQ(threatTerm(game, 3, 3, 8, kWhite, kWhite), -750);
}

TEST(Evaluation, KingInCheckMarksThePosition) {
  startProgram();
  // The black rook on e5 checks the white king, undefended; the white rook
  // checks the black king along rank 8. White: -10000 then Black's pieces'
  // terms (the rook on e5 is attacked by nothing, then by the pawn d4);
  // Black: exactly -10000, its king comes last.
  EXPECT_EQ(evaluations("K0e1 k0e8 r0e5 R1a8"), (std::vector<int32_t>{-10000, -10000}));
  EXPECT_EQ(evaluations("K0e1 k0e8 r0e5 R1a8 P3d4")[0], -10000 + 40);
}

TEST(Evaluation, CandidateScoresOfTheFirstReply) {
  startProgram();
  playMoves("e2e4");
  // e7-e6 and d7-d5 as the search judges them.
  struct Case {
    int fx, fy, tx, ty, index;
    int expectedPosition, expectedMobility, expectedScore;
  };
  const Case cases[] = {{4, 6, 4, 5, 4, 0, 0, 2}, {3, 6, 3, 4, 3, 10, -8, 2}};
  for (const Case& c : cases) {
    Piece& pawn = game.pieces.pawns[1][c.index];
    setPending(squareAt(game, c.tx, c.ty), kPawn, kBlack, c.index, kPendingLayer);
    setPending(squareAt(game, c.fx, c.fy), kEmpty, kNoSide, kNoIndex, kPendingLayer);
    setTarget(pawn, c.tx, c.ty, 0);
    buildAttackMaps(game);
    countMaterial(game, computer);
    computer.positionValue = evaluateSide(game, kBlack);
    computer.mobility = game.attacks.attackTotal[1] - game.attacks.attackTotal[0];
    computer.candidateToX = c.tx;
    computer.candidateToY = c.ty;
    for (Candidate& e : computer.workingList[1].entries) e.score = kRejectedScore;
    const int32_t score = scoreCandidate(game, computer, kBlack, computer.mobility);
    EXPECT_EQ((std::vector<int32_t>{computer.positionValue, computer.mobility, score, computer.tacticalBonus}),
              (std::vector<int32_t>{c.expectedPosition, c.expectedMobility, c.expectedScore, 0}));
    setPending(squareAt(game, c.tx, c.ty), kEmpty, kNoSide, kNoIndex, kCommittedLayer);
    setPending(squareAt(game, c.fx, c.fy), kEmpty, kNoSide, kNoIndex, kCommittedLayer);
    setTarget(pawn, c.fx, c.fy, 1);
  }
}

TEST(Evaluation, CaptureBonusAndTheCut) {
  startProgram();
  buildAttackMaps(game);
  countMaterial(game, computer);
  // Black has just taken a white rook: the balance falls by 4.
  computer.lastMaterialBalance = 0;
  computer.whiteMaterial = 34;
  computer.blackMaterial = 38;
  computer.candidateToX = 3;
  computer.candidateToY = 3;  // d4: nobody attacks it in the start position
  computer.positionValue = 0;
  computer.kingTaken = false;
  for (Candidate& e : computer.workingList[1].entries) e.score = kRejectedScore;
  const int32_t score = scoreCandidate(game, computer, kBlack, 0);
  EXPECT_EQ((std::vector<int32_t>{score, computer.tacticalBonus, computer.lastMaterialBalance}),
            (std::vector<int32_t>{600, 600, -4}));
  // A king capture scores 15000 whatever the cut.
  computer.kingTaken = true;
  computer.workingList[1].entries[4].score = 20000;
  EXPECT_EQ(scoreCandidate(game, computer, kBlack, 0), kKingCaptureScore);
  computer.kingTaken = false;
  // Below the fifth entry: rejected.
  EXPECT_EQ(scoreCandidate(game, computer, kBlack, 0), kRejectedScore);
}
