// Level 4 thinking on its own thread: a result handed back, a stop within
// 50 ms, and the window's commands while it thinks. Run under
// ThreadSanitizer too.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "computer/computer_turn.h"
#include "computer/level_four.h"
#include "controls/controls.h"
#include "engine/thinker.h"
#include "game/game.h"
#include "record/saved_game.h"
#include "record/take_back.h"
#include "test_support.h"
#include "ui/handlers.h"
#include "ui/program.h"

namespace {

using Clock = std::chrono::steady_clock;

// Sets level 4's thinking time for one test.
class MoveTime {
 public:
  explicit MoveTime(int32_t ms) : saved_(levelFour.moveMs) { levelFour.moveMs = ms; }
  ~MoveTime() { levelFour.moveMs = saved_; }

 private:
  int32_t saved_;
};

double millisecondsOf(const std::function<void()>& f) {
  const auto start = Clock::now();
  f();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Ticks the timer as the window does until Black has moved or `ms` passed.
void tickUntilBlackMoved(int ms) {
  const auto end = Clock::now() + std::chrono::milliseconds(ms);
  while (windows.form1.timer1Enabled && Clock::now() < end) {
    Timer1Timer();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

// A game against level 4 with White's first move made and Black thinking.
void startThinking() {
  startProgram();
  seviye3Click();
  ASSERT_TRUE(drag("e2", "e4"));
  Timer1Timer();
  ASSERT_TRUE(levelFour.thinking());
  ASSERT_TRUE(windows.form1.label19Visible);
  ASSERT_TRUE(windows.form1.timer1Enabled);
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
}

}  // namespace

TEST(Thinker, HandsBackAMoveOnceAndStopsAtOnce) {
  engine::Searcher searcher(1);
  engine::Thinker thinker(searcher);
  startProgram();
  const engine::Position start = positionFromGame(game);
  thinker.start(start, engine::SearchLimits{100, 64, nullptr});
  std::optional<engine::SearchResult> result;
  while (!(result = thinker.take())) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_FALSE(thinker.take());
  EXPECT_FALSE(thinker.busy());
  engine::MoveList list;
  engine::generateMoves(start, list);
  EXPECT_NE(std::find(list.moves, list.moves + list.count, result->best), list.moves + list.count);
  EXPECT_GE(result->depth, 3);

  // A search without a time limit ends within 50 ms of the stop (the best of
  // three tries: a busy machine may keep the thread waiting for a core).
  double fastest = 1e9;
  for (int attempt = 0; attempt < 3; ++attempt) {
    thinker.start(start, engine::SearchLimits{0, 64, nullptr});
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    fastest = std::min(fastest, millisecondsOf([&] {
                         thinker.stop();
                         thinker.wait();
                       }));
    EXPECT_FALSE(thinker.take());
  }
  EXPECT_LT(fastest, 50.0);
}

TEST(LevelFour, PlaysThroughTheTimerWhileTheThreadThinks) {
  startProgram();
  seviye3Click();
  EXPECT_TRUE(windows.form1.seviye3Checked);
  EXPECT_FALSE(windows.form1.baslaChecked || windows.form1.seviye1Checked || windows.form1.seviye2Checked);
  EXPECT_EQ(windows.form1.radioSelected, 0);
  const MoveTime moveTime(100);
  const int32_t refusals = levelFour.refusals;
  ASSERT_TRUE(drag("e2", "e4"));
  Timer1Timer();
  EXPECT_TRUE(windows.form1.label19Visible);
  EXPECT_EQ(game.sideToMove, kBlackToMove);
  EXPECT_FALSE(dragPicture(pictureOn("e7"), 4, 4));  // no drop is taken while it thinks
  tickUntilBlackMoved(2000);
  EXPECT_EQ(game.sideToMove, kWhiteToMove);
  EXPECT_FALSE(windows.form1.timer1Enabled);
  EXPECT_FALSE(windows.form1.label19Visible);
  EXPECT_EQ(listTexts().size(), 5u);
  EXPECT_EQ(levelFour.refusals, refusals);
  EXPECT_EQ(consistencyFault(), "");
}

// Each command stops the search within 50 ms, and its move is never played.
TEST(LevelFour, CommandsStopTheSearch) {
  ScriptedDialogs scripted;
  const MoveTime moveTime(5000);
  struct Case {
    const char* name;
    std::function<void()> command;
    int32_t sideAfter;
  };
  const Case cases[] = {
      {"Başlat", Button3Click, kWhiteToMove},       {"Geri Hamle", Button2Click, kWhiteToMove},
      {"Aç (cancelled)", A1Click, kBlackToMove},    {"level 3", seviye2Click, kBlackToMove},
      {"two players", secenek2Click, kBlackToMove}, {"closing", [] { FormClose(); }, kBlackToMove},
  };
  for (const Case& c : cases) {
    startThinking();
    const size_t lines = listTexts().size();
    EXPECT_LT(millisecondsOf(c.command), 50.0) << c.name;
    EXPECT_FALSE(levelFour.thinking()) << c.name;
    EXPECT_EQ(game.sideToMove, c.sideAfter) << c.name;
    if (c.sideAfter == kBlackToMove) {
      EXPECT_EQ(listTexts().size(), lines) << c.name;
    }
  }
}
