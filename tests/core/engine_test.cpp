#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <set>
#include <tuple>

#include "computer/computer_turn.h"
#include "engine/position.h"
#include "engine/search.h"
#include "game/game.h"
#include "game/game_over.h"
#include "random_game.h"
#include "test_support.h"
#include "ui/handlers.h"
#include "ui/program.h"

namespace {

using Squares = std::tuple<int, int, int, int>;  // from x, y, to x, y

std::set<Squares> engineMoves(bool& castlingShort, bool& castlingLong) {
  const engine::Position p = positionFromGame(game);
  engine::MoveList list;
  engine::generateMoves(p, list);
  std::set<Squares> moves;
  castlingShort = castlingLong = false;
  for (int i = 0; i < list.count; ++i) {
    const engine::Move m = list.moves[i];
    if (engine::moveFlag(m) == engine::kCastleShort) castlingShort = true;
    if (engine::moveFlag(m) == engine::kCastleLong) castlingLong = true;
    if (engine::moveFlag(m) != engine::kPlain) continue;
    moves.insert({engine::fileOf(engine::moveFrom(m)), engine::rankOf(engine::moveFrom(m)),
                  engine::fileOf(engine::moveTo(m)), engine::rankOf(engine::moveTo(m))});
  }
  return moves;
}

// A two-player game replayed from the start by drags.
void replay(const std::vector<Drag>& game) {
  startProgram();
  secenek2Click();
  for (const Drag& d : game) ASSERT_TRUE(playDrag(d));
}

// The engine's position after `moves` played by drags from the start.
engine::Position positionAfter(const std::string& moves) {
  startProgram();
  secenek2Click();
  EXPECT_TRUE(playMoves(moves)) << moves;
  return positionFromGame(game);
}

}  // namespace

// Over random games: the engine generates exactly the moves the driver
// accepts, castling included (a castling drag is tried on a replayed copy of
// the game).
TEST(Engine, GeneratesExactlyTheMovesTheDriverAccepts) {
  std::mt19937 rng(0x18E4);
  int positions = 0;
  int castlingsTried = 0;
  int castlingsAccepted = 0;
  for (int round = 0; round < 12; ++round) {
    std::vector<Drag> played;
    replay(played);
    for (int ply = 0; ply < 120 && !gameIsOver(game); ++ply) {
      const Side side = game.sideToMove == kWhiteToMove ? kWhite : kBlack;
      bool engineShort = false;
      bool engineLong = false;
      const std::set<Squares> mine = engineMoves(engineShort, engineLong);
      std::set<Squares> driver;
      std::vector<Drag> castlings;
      for (const Drag& d : acceptedDrags(side)) {
        if (d.castling) {
          castlings.push_back(d);
        } else {
          driver.insert({d.fromX, d.fromY, d.toX, d.toY});
        }
      }
      ASSERT_EQ(mine, driver) << "game " << round << " ply " << ply;
      for (const Drag& c : castlings) {
        playDrag(c);
        const bool accepted = game.sideToMove != (side == kWhite ? kWhiteToMove : kBlackToMove);
        ASSERT_EQ(accepted, c.toX > c.fromX ? engineShort : engineLong) << "game " << round << " ply " << ply;
        castlingsTried += 1;
        castlingsAccepted += accepted ? 1 : 0;
        replay(played);
      }
      if (castlings.empty() && (engineShort || engineLong)) FAIL() << "castling without the king at home";
      Drag d{};
      if (playRandomMove(rng, d) != RandomMove::Made) break;
      played.push_back(d);
      positions += 1;
    }
  }
  EXPECT_GT(positions, 600);
  EXPECT_GT(castlingsAccepted, 10);
  EXPECT_GT(castlingsTried - castlingsAccepted, 10);
}

// Leaf counts of the move tree for this rule set; a taken king ends a line.
TEST(Engine, Perft) {
  struct Case {
    const char* moves;
    int depth;
    uint64_t leaves;
  };
  const Case cases[] = {
      {"", 3, 8902},
      {"", 4, 197742},
      // Both sides free to castle either way; Black's bishop pins the knight
      // and watches d2.
      {"b1c3 b8c6 g1f3 g8f6 d2d3 d7d5 e2e4 e7e6 c1e3 c8d7 f1e2 f8b4 d1d2 d8e7", 3, 61619},
      // Open kings: moves that leave the own king attacked and king captures.
      {"e2e4 f7f5 d1h5 e8f7 e4f5 g7g6", 3, 35394},
      // A white pawn on the last rank, which has no move left.
      {"h2h4 g7g5 h4g5 a7a6 g5g6 a6a5 g6h7 a5a4 h7g8 a4a3", 3, 15865},
  };
  for (const Case& c : cases) {
    engine::Position p = positionAfter(c.moves);
    EXPECT_EQ(engine::perft(p, c.depth), c.leaves) << c.moves;
  }
}

// A king that can be taken is taken at once; a king capture that can be
// forced is found well before the time is up; a king under attack is saved.
TEST(Engine, KingCaptures) {
  struct Case {
    const char* moves;
    const char* best;  // "" when any move that keeps the king will do
    bool win;          // the mover takes the king
  };
  const Case cases[] = {
      {"e2e4 f7f5 d1h5 a7a6", "h5e8", true},
      {"f2f3 e7e5 g2g4", "d8h4", true},
      {"e2e4 f7f5 d1h5", "", false},
  };
  engine::Searcher searcher(1);
  for (const Case& c : cases) {
    const engine::Position p = positionAfter(c.moves);
    const auto start = std::chrono::steady_clock::now();
    const engine::SearchResult r = searcher.think(p, engine::SearchLimits{600, 64, nullptr});
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const std::string best =
        squareName(engine::fileOf(engine::moveFrom(r.best)), engine::rankOf(engine::moveFrom(r.best))) +
        squareName(engine::fileOf(engine::moveTo(r.best)), engine::rankOf(engine::moveTo(r.best)));
    if (*c.best != '\0') {
      EXPECT_EQ(best, c.best) << c.moves;
    }
    EXPECT_EQ(r.score > engine::kMateScore - 1000, c.win) << c.moves;
    EXPECT_GT(r.score, -engine::kMateScore + 1000) << c.moves;
    if (c.win) {
      EXPECT_LT(ms, 200.0) << c.moves;
    }
  }
}
