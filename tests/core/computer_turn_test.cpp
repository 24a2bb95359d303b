#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "computer/computer_state.h"
#include "computer/computer_turn.h"
#include "computer/evaluation.h"
#include "computer/lookahead.h"
#include "computer/search.h"
#include "controls/controls.h"
#include "fixtures.h"
#include "game/board.h"
#include "game/game.h"
#include "game/list_lines.h"
#include "game/pictures.h"
#include "input/move_list.h"
#include "test_support.h"
#include "ui/handlers.h"
#include "ui/program.h"
#include "ui/projection.h"

namespace {

// Plays White's move by drag against the computer and lets the timer answer.
void playAgainstComputer(const std::string& move) {
  drag(move.substr(0, 2), move.substr(2, 2));
  ASSERT_TRUE(windows.form1.timer1Enabled);
  Timer1Timer();
}

// Black's candidate `first` followed to level two: White's best reply, Black's
// best answer and the line's value.
struct Line {
  Candidate reply;
  Candidate answer;
  int value;
};
Line levelTwoLine(const Candidate& first) {
  applyCandidate(game, computer, first, kBlack);
  searchSide(game, computer, kWhite, 1);
  const Candidate reply = computer.resultList[1].entries[0];
  applyCandidate(game, computer, reply, kWhite);
  searchSide(game, computer, kBlack, 2);
  const Candidate answer = computer.resultList[2].entries[0];
  undoCandidate(game, computer);
  undoCandidate(game, computer);
  return {reply, answer, first.bonus + answer.score - reply.bonus};
}

std::string moveOf(const Candidate& c) { return squareName(c.fromX, c.fromY) + squareName(c.toX, c.toY); }

std::vector<std::string> lastLines(int n) {
  std::vector<std::string> lines = listTexts();
  return std::vector<std::string>(lines.end() - n, lines.end());
}

}  // namespace

TEST(ComputerTurn, LevelOneAnswersKingsPawnWithE6) {
  startProgram();
  playAgainstComputer("e2e4");
  EXPECT_EQ(lastLines(2), (std::vector<std::string>{"    piyon(5)     E7-E6", "    "}));
  EXPECT_EQ(game.sideToMove, kWhiteToMove);
  EXPECT_FALSE(windows.form1.timer1Enabled);
  EXPECT_FALSE(windows.form1.label19Visible);
  EXPECT_EQ(consistencyFault(), "");
}

TEST(ComputerTurn, LevelTwoLineValuesAfterKingsPawn) {
  startProgram();
  playMoves("e2e4");
  searchSide(game, computer, kBlack, 0);
  const int expected[10] = {16, 17, -16, -50, -49, -37, -12, -19, -70, -74};
  for (int i = 0; i < 10; ++i) {
    const Line line = levelTwoLine(computer.resultList[0].entries[i]);
    EXPECT_EQ(moveOf(line.reply), "d1f3") << "candidate " << i;
    EXPECT_EQ(line.value, expected[i]) << "candidate " << i;
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
  EXPECT_TRUE(windows.form1.timer1Enabled);
  Timer1Timer();
  EXPECT_EQ(game.sideToMove, kWhiteToMove);
  EXPECT_EQ(consistencyFault(), "");
}

TEST(ComputerTurn, LevelsTwoAndThreeSeeThatWhiteHasNoAcceptableReply) {
  // After 1. f3 e5 2. g4 every White reply to Qd8-h4 leaves the king attacked.
  for (int lv : {2, 3}) {
    startProgram();
    playMoves("f2f3 e7e5 g2g4");
    game.level = lv;
    game.computerTurnPending = true;
    Timer1Timer();
    EXPECT_EQ(lastLines(2)[0], "        vezir      D8-H4") << "level " << lv;
    EXPECT_EQ(consistencyFault(), "");
  }
}

TEST(ComputerTurn, WithoutAnyCandidateBlackPlaysTheFirstPossibleMove) {
  // After White's Qb5-b6 every black king move walks into an attack and
  // loses on mobility: the list stays empty, so the king makes the first
  // move it can.
  for (int lv : {1, 2, 3}) {
    SCOPED_TRACE("level " + std::to_string(lv));
    const auto g = std::make_unique<Game>();
    const auto thinking = std::make_unique<ComputerState>();
    g->playMode = kPlayComputer;
    g->level = lv;
    setUpPosition("k0a8 K0h1 Q0b5 R0c1 R1d2", *g);
    ASSERT_EQ(playOn(*g, "b5b6"), MoveOutcome::Made);
    LevelFour levelFour;
    EXPECT_EQ(computerTurn(*g, *thinking, levelFour), MoveOutcome::Made);
    ASSERT_EQ(listLineCount(*g), 5);
    EXPECT_EQ(listLineText(*g, 3), "         sah       A8-B8");
    EXPECT_EQ(g->sideToMove, kWhiteToMove);
  }
}

TEST(ComputerTurn, BlackWithNothingToMoveIsAnnounced) {
  ScriptedDialogs dialogs;
  startProgram();
  // Black's king boxed in by its own pawns, which cannot move either.
  setUpPosition("K0e1 k0a1 p0a2 p1b2 p2b1");
  game.sideToMove = kBlackToMove;
  game.computerTurnPending = true;
  Timer1Timer();
  EXPECT_EQ(game.sideToMove, kBlackToMove);  // the history stays in step with the list
  EXPECT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(game.trialMode, 0);
  EXPECT_EQ(consistencyFault(), "");
}

TEST(ComputerTurn, TimerAndHintOutsideTheirTurn) {
  startProgram();
  // A tick while White is to move only hides the label and stops the timer.
  game.computerTurnPending = true;
  game.thinkingShown = true;
  Timer1Timer();
  EXPECT_FALSE(windows.form1.timer1Enabled);
  EXPECT_FALSE(windows.form1.label19Visible);
  EXPECT_EQ(listTexts().size(), 2u);

  // A hint in two-player mode plays White's move and starts no timer.
  secenek2Click();
  Yardmal1Click();
  EXPECT_EQ(listTexts().size(), 3u);
  EXPECT_FALSE(windows.form1.timer1Enabled);

  // Choosing to play the computer with Black to move: it answers at once. A
  // hint then is refused, and Black moves on the next tick.
  secenek1Click();
  EXPECT_TRUE(windows.form1.timer1Enabled);
  Yardmal1Click();
  EXPECT_EQ(listTexts().size(), 3u);
  EXPECT_TRUE(windows.form1.timer1Enabled);
  Timer1Timer();
  EXPECT_EQ(listTexts().size(), 5u);
  EXPECT_EQ(consistencyFault(), "");
}

TEST(ComputerTurn, LevelHandlersKeepMenuAndRadioButtonsInStep) {
  // The level, the selected radio button and the checked menu entries
  // ("Başlangıç", "1.seviye", "2.seviye") after each handler.
  const auto levelState = [] {
    return std::to_string(game.level) + " radio " + std::to_string(windows.form1.radioSelected) + " menu " +
           std::to_string(windows.form1.baslaChecked) + std::to_string(windows.form1.seviye1Checked) +
           std::to_string(windows.form1.seviye2Checked);
  };
  startProgram();
  EXPECT_EQ(levelState(), "1 radio 1 menu 100");
  const struct {
    void (*handler)();
    const char* expected;
  } cases[] = {{RadioButton3Click, "3 radio 3 menu 001"}, {seviye1Click, "2 radio 2 menu 010"},
               {RadioButton4Click, "2 radio 2 menu 010"}, {RadioButton1Click, "1 radio 1 menu 100"},
               {RadioButton2Click, "2 radio 2 menu 010"}, {seviye2Click, "3 radio 3 menu 001"},
               {BaslaClick, "1 radio 1 menu 100"}};
  for (const auto& c : cases) {
    c.handler();
    EXPECT_EQ(levelState(), c.expected);
  }
}

TEST(ComputerTurn, EveryLevelLeavesThePositionAtRest) {
  for (int lv : {1, 2, 3}) {
    startProgram();
    game.level = lv;
    for (const char* move : {"e2e4", "g1f3", "f1c4", "d2d3"}) {
      drag(std::string(move, 2), std::string(move + 2, 2));
      if (game.sideToMove != kBlackToMove) break;
      Timer1Timer();
      ASSERT_EQ(consistencyFault(), "") << "level " << lv << " after " << move;
      EXPECT_EQ(game.trialMode, 0);
      EXPECT_EQ(computer.lastMaterialBalance, computer.whiteMaterial - computer.blackMaterial);
    }
  }
}

TEST(ComputerTurn, LevelTwoLineOfTheQueenRecapture) {
  startProgram();
  seviye1Click();
  playAgainstComputer("e2e4");  // d7-d5
  drag("e4", "d5");             // the pawn takes; no computer reply yet
  searchSide(game, computer, kBlack, 0);
  int best = kRejectedScore;
  int queenLine = kRejectedScore;
  for (const Candidate& first : computer.resultList[0].entries) {
    if (isEmptyCandidate(first)) continue;
    const Line line = levelTwoLine(first);
    best = std::max(best, line.value);
    if (first.kind == kQueen && first.toX == 3 && first.toY == 4) {
      queenLine = line.value;
      EXPECT_EQ(first.bonus, 150);
      EXPECT_EQ(line.reply.bonus, -40);
      EXPECT_EQ(moveOf(line.reply), "d1f3");
      EXPECT_EQ(line.answer.score, 166);  // Qd5xf3
    }
  }
  EXPECT_EQ(queenLine, 356);
  EXPECT_EQ(best, 356);
}
