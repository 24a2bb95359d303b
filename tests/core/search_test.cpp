#include <gtest/gtest.h>

#include "computer/computer_state.h"
#include "computer/evaluation.h"
#include "computer/search.h"
#include "game/board.h"
#include "game/game.h"
#include "random_game.h"
#include "test_support.h"
#include "ui/handlers.h"
#include "ui/program.h"

namespace {

// The first ten entries of a list as "score move" items, e.g. "38 e2e3|36 e2e4".
std::string listText(const CandidateList& list) {
  std::string text;
  for (size_t i = 0; i < 10; ++i) {
    const Candidate& c = list.entries[i];
    if (i > 0) text += '|';
    text += std::to_string(c.score) + " " + squareName(c.fromX, c.fromY) + squareName(c.toX, c.toY);
  }
  return text;
}

}  // namespace

TEST(Search, WhiteCandidatesInTheInitialPosition) {
  startProgram();
  const GameState before = gameState();
  searchSide(game, computer, kWhite, 1);
  EXPECT_EQ(listText(computer.resultList[1]),
            "38 e2e3|36 e2e4|29 d2d4|23 d2d3|21 g1f3|21 b1c3|19 c2c3|16 c2c4|9 a2a4|7 a2a3");
  EXPECT_TRUE(sameState(before, gameState()));
}

TEST(Search, BlackCandidatesAfterKingsPawn) {
  startProgram();
  playMoves("e2e4");
  searchSide(game, computer, kBlack, 0);
  EXPECT_EQ(listText(computer.resultList[0]),
            "2 e7e6|2 d7d5|0 e7e5|-5 g8f6|-13 d7d6|-15 b8c6|-17 c7c6|-20 c7c5|-27 a7a5|-30 a7a6");
}

// The search judges each candidate from the starting position's maps and
// pieces changed by the step; a full scan of the step's position must agree,
// in random games with captures, castlings and promotions.
TEST(Search, QuickJudgementOfEveryStepMatchesAFullScan) {
  int64_t mismatches = 0;
  const int64_t before = evaluationCount;
  for (int g = 0; g < 12; ++g) {
    std::mt19937 rng(1300 + static_cast<uint32_t>(g));
    startProgram();
    secenek2Click();
    computer.verifySteps = true;
    for (int h = 0; h < 80; ++h) {
      Drag d{};
      if (playRandomMove(rng, d) != RandomMove::Made) break;
      if (h % 3 != 0) continue;
      const int32_t trial = game.trialMode;
      for (Side side : {kWhite, kBlack}) {
        searchSide(game, computer, side, 9);
      }
      game.trialMode = trial;
    }
    mismatches += computer.stepMismatches;
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_GT(evaluationCount - before, 10000);
}
