#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <sstream>

#include "controls/controls.h"
#include "game/attack_maps.h"
#include "game/game.h"
#include "game/pictures.h"
#include "input/move_targets.h"
#include "random_game.h"
#include "test_support.h"
#include "ui/handlers.h"
#include "ui/program.h"

namespace {

// What the rules share besides the game's state: the generators' outputs,
// the drag variables and the attack maps, as one text.
std::string scratchText() {
  std::ostringstream o;
  o << game.probe.kind << ' ' << game.probe.side << ' ' << game.probe.index << ' ' << game.probe.stable << ' '
    << game.probe.pendingKind << ' ' << game.probe.pendingSide << ' ' << game.probe.pendingIndex << ' '
    << game.probe.weight << " | " << game.lastTry.targetX << ' ' << game.lastTry.targetY << ' ' << game.lastTry.startX
    << ' ' << game.lastTry.startY << " | " << game.captured.kind << ' ' << game.captured.layer << ' '
    << game.captured.index << ' ' << game.captureFound << ' ' << game.captureMade << ' ' << game.trialMode << " | "
    << game.dragFromX << game.dragFromY << game.dragToX << game.dragToY << game.movingKind << game.movingSide
    << game.movingIndex << " | ";
  const auto bytes = [&o](const void* p, size_t n) {
    uint64_t h = 1469598103934665603ULL;  // FNV-1a of the bytes
    for (size_t i = 0; i < n; ++i) h = (h ^ static_cast<const unsigned char*>(p)[i]) * 1099511628211ULL;
    o << h << ' ';
  };
  bytes(game.attacks.attackPacked, sizeof game.attacks.attackPacked);
  bytes(game.attacks.attackSum, sizeof game.attacks.attackSum);
  bytes(game.attacks.attackers, sizeof game.attacks.attackers);
  bytes(game.attacks.attackTotal, sizeof game.attacks.attackTotal);
  o << game.attacks.attackStepActive;
  return o.str();
}

}  // namespace

// Over random two-player games: at every position, the dots of each piece of
// the side to move are exactly the squares where a drop of it is played, and
// asking for them changes nothing at all. The other side's pieces have none.
TEST(MoveTargets, AreTheDropsTheDriverPlays) {
  ScriptedDialogs scripted;
  std::mt19937 rng(20261208);
  int positions = 0;
  int moves = 0;
  int castlings[2] = {0, 0};  // short, long
  for (int round = 0; round < 4; ++round) {
    std::vector<Drag> played;
    const auto replay = [&played] {
      startProgram();
      secenek2Click();
      for (const Drag& d : played) ASSERT_TRUE(playDrag(d));
    };
    replay();
    for (int ply = 0; ply < 40; ++ply) {
      ++positions;
      const Side side = game.sideToMove == kWhiteToMove ? kWhite : kBlack;
      for (int picture = 1; picture <= kBoardPictureCount; ++picture) {
        const GameState before = gameState();
        const std::string scratch = scratchText();
        const uint64_t targets = pictureTargets(game, picture);
        ASSERT_EQ(stateDifference(before, gameState()), "") << "Image" << picture;
        ASSERT_EQ(scratchText(), scratch) << "Image" << picture;
        if (pictureOwner(picture).side != side) {
          ASSERT_EQ(targets, 0u) << "Image" << picture << " of the side not to move";
          continue;
        }
        const PictureOwner owner = pictureOwner(picture);
        const Piece from = *pieceOf(game, owner.kind, owner.side, owner.index);
        for (int sq = 0; sq < kSquareCount; ++sq) {
          const int x = sq / kBoardSize;
          const int y = sq % kBoardSize;
          const bool marked = ((targets >> squareIndex(x, y)) & 1) != 0;
          const size_t lines = windows.form1.listBox1.size();
          const bool made = dragPicture(picture, x, y);
          ASSERT_EQ(made, marked) << "Image" << picture << " from " << squareName(from.x, from.y) << " to "
                                  << squareName(x, y) << " after " << played.size() << " moves of game " << round;
          if (!made) {
            ASSERT_EQ(windows.form1.listBox1.size(), lines);
            continue;
          }
          ++moves;
          if (owner.kind == kKing && std::abs(x - from.x) > 1) ++castlings[x < from.x ? 1 : 0];
          replay();
        }
      }
      Drag d{};
      if (playRandomMove(rng, d) != RandomMove::Made) break;
      played.push_back(d);
    }
  }
  EXPECT_GT(positions, 100);
  EXPECT_GT(moves, 2000);
  EXPECT_GT(castlings[0], 0);
  EXPECT_GT(castlings[1], 0);
}
