#include <gtest/gtest.h>

#include "computer/evaluation.h"
#include "computer/search.h"
#include "fixtures.h"
#include "game/attack_maps.h"
#include "game/board.h"
#include "test_support.h"

namespace {

// An empty board; the tests place the pieces they need.
void emptyBoard() {
  startProgram();
  clearBoard();
}

}  // namespace

TEST(Evaluation, ThreatTermsOfTheWorkedExamples) {
  startProgram();
  buildAttackMaps();
  countMaterial();
  EXPECT_EQ(whiteMaterial, 38);
  EXPECT_EQ(blackMaterial, 38);
  EXPECT_EQ(evaluateSide(kWhite), 0);
  EXPECT_EQ(evaluateSide(kBlack), 0);

  // A knight attacked by a pawn: -450 for its own side, +30 for the other,
  // defended or not.
  emptyBoard();
  placePiece(kKing, kWhite, 0, "a1");
  placePiece(kKing, kBlack, 0, "h8");
  placePiece(kKnight, kWhite, 0, "d4");
  placePiece(kPawn, kBlack, 4, "e5");
  buildAttackMaps();
  EXPECT_EQ(evaluateSide(kWhite), -450);
  EXPECT_EQ(evaluateSide(kBlack), 30);
  placePiece(kPawn, kWhite, 2, "c3");  // defends d4
  buildAttackMaps();
  EXPECT_EQ(evaluateSide(kWhite), -450);

  // An undefended rook attacked by the queen only: t = 4; defended by a pawn: 0.
  emptyBoard();
  placePiece(kKing, kWhite, 0, "a1");
  placePiece(kKing, kBlack, 0, "h8");
  placePiece(kRook, kWhite, 0, "d4");
  placePiece(kQueen, kBlack, 0, "g7");  // on the diagonal, out of the rook's reach
  buildAttackMaps();
  EXPECT_EQ(evaluateSide(kWhite), -600);
  EXPECT_EQ(evaluateSide(kBlack), 40);
  placePiece(kPawn, kWhite, 2, "c3");
  buildAttackMaps();
  EXPECT_EQ(threatTerm(3, 3, 4, kWhite, kWhite), 0);

  // A queen attacked by a bishop and a rook, defended by a pawn: t = 8 - 3.
  emptyBoard();
  placePiece(kKing, kWhite, 0, "a1");
  placePiece(kKing, kBlack, 0, "h8");
  placePiece(kQueen, kWhite, 0, "d4");
  placePiece(kBishop, kBlack, 0, "f6");
  placePiece(kRook, kBlack, 0, "d7");
  placePiece(kPawn, kWhite, 2, "c3");
  buildAttackMaps();
  EXPECT_EQ(threatTerm(3, 3, 8, kWhite, kWhite), -750);
}

TEST(Evaluation, KingInCheckMarksThePosition) {
  emptyBoard();
  placePiece(kKing, kWhite, 0, "e1");
  placePiece(kKing, kBlack, 0, "e8");
  placePiece(kRook, kBlack, 0, "e5");  // checks the white king, undefended
  placePiece(kRook, kWhite, 1, "a8");  // checks the black king along rank 8
  buildAttackMaps();
  // White: -10000 then Black's pieces' terms (the black rook on e5 is
  // attacked by nothing); Black: exactly -10000, its king comes last.
  EXPECT_EQ(evaluateSide(kWhite), -10000);
  EXPECT_EQ(evaluateSide(kBlack), -10000);
  placePiece(kPawn, kWhite, 3, "d4");  // attacks the black rook on e5
  buildAttackMaps();
  EXPECT_EQ(evaluateSide(kWhite), -10000 + 40);
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
    Piece& pawn = pieces.pawns[1][c.index];
    setPending(squareAt(c.tx, c.ty), kPawn, kBlack, c.index, 0);
    setPending(squareAt(c.fx, c.fy), 0, 0, 99, 0);
    setTarget(pawn, c.tx, c.ty, 0);
    buildAttackMaps();
    countMaterial();
    positionValue = evaluateSide(kBlack);
    EXPECT_EQ(positionValue, c.expectedPosition);
    mobility = attackTotal[1] - attackTotal[0];
    EXPECT_EQ(mobility, c.expectedMobility);
    candidateToX = c.tx;
    candidateToY = c.ty;
    for (Candidate& e : workingList[1].entries) e.score = kRejectedScore;
    EXPECT_EQ(scoreCandidate(kBlack, mobility), c.expectedScore);
    EXPECT_EQ(tacticalBonus, 0);
    setPending(squareAt(c.tx, c.ty), 0, 0, 99, 1);
    setPending(squareAt(c.fx, c.fy), 0, 0, 99, 1);
    setTarget(pawn, c.fx, c.fy, 1);
  }
}

TEST(Evaluation, CaptureBonusAndTheCut) {
  startProgram();
  buildAttackMaps();
  countMaterial();
  // Black has just taken a white rook: the balance falls by 4.
  lastMaterialBalance = 0;
  whiteMaterial = 34;
  blackMaterial = 38;
  candidateToX = 3;
  candidateToY = 3;  // d4: nobody attacks it in the start position
  positionValue = 0;
  kingTaken = 0;
  for (Candidate& e : workingList[1].entries) e.score = kRejectedScore;
  EXPECT_EQ(scoreCandidate(kBlack, 0), 600);
  EXPECT_EQ(tacticalBonus, 600);
  EXPECT_EQ(lastMaterialBalance, -4);
  // A king capture scores 15000 whatever the cut.
  kingTaken = 1;
  workingList[1].entries[4].score = 20000;
  EXPECT_EQ(scoreCandidate(kBlack, 0), kKingCaptureScore);
  kingTaken = 0;
  // Below the fifth entry: rejected.
  EXPECT_EQ(scoreCandidate(kBlack, 0), kRejectedScore);
}
