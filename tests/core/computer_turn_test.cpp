#include <gtest/gtest.h>

#include "computer/computer_turn.h"
#include "computer/evaluation.h"
#include "computer/lookahead.h"
#include "computer/search.h"
#include "game/board.h"
#include "ui/controls.h"
#include "ui/main_window.h"
#include "test_support.h"

namespace {

// Plays White's move by drag against the computer and lets the timer answer.
void playAgainstComputer(const std::string& move) {
  drag(move.substr(0, 2), move.substr(2, 2));
  ASSERT_TRUE(form1.timer1Enabled);
  Timer1Timer();
}

std::vector<std::string> lastLines(int n) {
  std::vector<std::string> lines = listTexts();
  return std::vector<std::string>(lines.end() - n, lines.end());
}

}  // namespace

TEST(ComputerTurn, LevelOneAnswersKingsPawnWithE6) {
  startProgram();
  playAgainstComputer("e2e4");
  EXPECT_EQ(lastLines(2), (std::vector<std::string>{"    piyon(5)     E7-E6", "    "}));
  EXPECT_EQ(sideToMove, kWhiteToMove);
  EXPECT_FALSE(form1.timer1Enabled);
  EXPECT_FALSE(form1.label19Visible);
  EXPECT_EQ(consistencyFault(), "");
}

TEST(ComputerTurn, LevelTwoLineValuesAfterKingsPawn) {
  startProgram();
  playMoves("e2e4");
  searchSlot = 0;
  searchSide(kBlack);
  const int expected[10] = {16, 17, -16, -50, -49, -37, -12, -19, -70, -74};
  for (int i = 0; i < 10; ++i) {
    const Candidate first = resultList[0].entries[i];
    applyCandidate(first, kBlack);
    searchSlot = 1;
    searchSide(kWhite);
    const Candidate reply = resultList[1].entries[0];
    EXPECT_EQ(reply.fromX, 3);
    EXPECT_EQ(reply.toX, 5);
    EXPECT_EQ(reply.toY, 2);  // Qd1-f3
    applyCandidate(reply, kWhite);
    searchSlot = 2;
    searchSide(kBlack);
    const Candidate answer = resultList[2].entries[0];
    EXPECT_EQ(first.bonus + answer.score - reply.bonus, expected[i]) << "candidate " << i;
    undoCandidate(reply, kWhite);
    undoCandidate(first, kBlack);
  }
}

TEST(ComputerTurn, LevelTwoPlaysD5ThenRecapturesWithTheQueen) {
  startProgram();
  seviye1Click();
  playAgainstComputer("e2e4");
  EXPECT_EQ(lastLines(2), (std::vector<std::string>{"    piyon(4)     D7-D5", "    "}));
  playAgainstComputer("e4d5");
  EXPECT_EQ(lastLines(2)[0], "        vezir      D8xD5");
  EXPECT_EQ(consistencyFault(), "");
}

TEST(ComputerTurn, HintPlaysE3AndTheComputerAnswers) {
  startProgram();
  Yardmal1Click();
  EXPECT_EQ(listTexts().back(), "1- piyon(5)     E2-E3");
  EXPECT_TRUE(form1.timer1Enabled);
  Timer1Timer();
  EXPECT_EQ(sideToMove, kWhiteToMove);
  EXPECT_EQ(consistencyFault(), "");
}
