#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "fixtures.h"
#include "game/consistency.h"
#include "game/game.h"
#include "input/move_driver.h"
#include "record/new_game.h"
#include "test_support.h"

namespace {

// Plays "e2e4"-style moves on `g` through the move driver.
void play(Game& g, const std::string& moves) {
  for (size_t i = 0; i + 4 <= moves.size(); i += 5) {
    ASSERT_EQ(playOn(g, moves.substr(i, 4)), MoveOutcome::Made) << moves.substr(i, 4);
  }
}

}  // namespace

// The move list is drawn from the history, so the history is what is
// checked: each way of breaking it is named.
TEST(Consistency, HistoryTheListIsDrawnFrom) {
  const struct {
    const char* moves;
    std::function<void(Game&)> harm;
    const char* fault;
  } cases[] = {
      {"e2e4 e7e5 g1f3", [](Game&) {}, ""},
      {"e2e4 e7e5", [](Game& g) { g.history[0].black.kind = kEmpty; }, "full move 1 lacks a half"},
      {"e2e4 e7e5", [](Game& g) { g.sideToMove = kBlackToMove; }, "Black to move without White's move"},
      {"e2e4 e7e5 g1f3", [](Game& g) { g.sideToMove = kWhiteToMove; }, "move number out of step"},
      {"e2e4 e7e5", [](Game& g) { g.listSelection = 5; }, "highlighted line off the list"},
      {"e2e4", [](Game& g) { g.moveCount = kHistoryCapacity + 1; }, "move count out of range"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fault);
    const auto g = std::make_unique<Game>();
    g->playMode = kPlayTwoPlayers;
    startNewGame(*g);
    play(*g, c.moves);
    c.harm(*g);
    EXPECT_EQ(moveListFault(*g), c.fault);
  }
}
