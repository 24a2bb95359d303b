#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "controls/controls.h"
#include "fixtures.h"
#include "game/board.h"
#include "game/game.h"
#include "game/pictures.h"
#include "input/board_input.h"
#include "test_support.h"
#include "ui/handlers.h"
#include "ui/program.h"
#include "ui/projection.h"

TEST(RandomDrags, NeverBreakTheGame) {
  startProgram();
  ScriptedDialogs scripted;
  std::mt19937 rng(0x0DED1F0D);
  auto roll = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  int made = 0;
  int castlings = 0;
  int captures = 0;
  for (int i = 0; i < 60000; ++i) {
    if (i % 2500 == 0) {
      Button3Click();
      // Every other game opens both back ranks so that castling drags can
      // succeed.
      if (i % 5000 != 0) playMoves("b1c3 b8c6 g1f3 g8f6 d2d3 d7d6 e2e4 e7e5 c1e3 c8e6 f1e2 f8e7 d1d2 d8d7");
    }
    if (roll(100) == 0) {
      if (game.playMode == kPlayComputer) {
        secenek2Click();
      } else {
        secenek1Click();
      }
    }
    // The dragged picture: mostly a piece of the side to move, sometimes any.
    int from = 1 + roll(kBoardPictureCount);
    if (roll(4) != 0) from = (game.sideToMove == kWhiteToMove ? 1 : 17) + roll(16);
    const PictureOwner owner = pictureOwner(from);
    const Piece& mover = *pieceOf(game, owner.kind, owner.side, owner.index);
    // The target: a near square (so that moves happen), any square, or any
    // piece picture.
    int targetPicture = 0;
    int shape = 0;
    const int kindOfTarget = roll(10);
    if (kindOfTarget < 7) {
      const int x = std::clamp(mover.x + roll(7) - 3, 0, 7);
      const int y = std::clamp(mover.y + roll(7) - 3, 0, 7);
      const int onIt = pictureAt(x, y);
      if (onIt != 0 && roll(2) == 0) {
        targetPicture = onIt;
      } else {
        shape = shapeOf(x, y);
      }
    } else if (kindOfTarget < 9) {
      shape = 1 + roll(64);
    } else {
      targetPicture = 1 + roll(kBoardPictureCount);
    }
    if (owner.kind == kKing && mover.x == 4 && roll(2) == 0) {
      targetPicture = 0;
      shape = shapeOf(roll(2) == 0 ? 6 : 1, mover.y);  // a castling drag
    }

    const GameState before = gameState();
    const size_t lines = windows.form1.listBox1.size();
    const int32_t wasToMove = game.sideToMove;
    const bool dragging = Image1MouseDown(from, roll(20) == 0 ? MouseButton::Right : MouseButton::Left);
    if (dragging) {
      if (targetPicture != 0) {
        ImageDragDrop(targetPicture);
      } else {
        Shape41DragDrop(shape);
      }
    }
    // The computer's timer is never run here.
    game.computerTurnPending = false;
    game.thinkingShown = false;

    SCOPED_TRACE("drag " + std::to_string(i) + " of Image" + std::to_string(from) + " onto " +
                 (targetPicture != 0 ? "Image" + std::to_string(targetPicture) : "Shape" + std::to_string(shape)));
    if (windows.form1.listBox1.size() == lines) {
      ASSERT_EQ(stateDifference(before, gameState()), "");
      continue;
    }
    ++made;
    const bool blackMoved = wasToMove == kBlackToMove;
    ASSERT_EQ(windows.form1.listBox1.size(), lines + (blackMoved ? 2u : 1u));
    ASSERT_NE(game.sideToMove, wasToMove);
    ASSERT_EQ(consistencyFault(), "");
    ASSERT_EQ(windowsFault(game, windows), "");
    const std::string& text = windows.form1.listBox1[lines].text;
    if (text.find("ROK") != std::string::npos) ++castlings;
    if (text.find('x') != std::string::npos) ++captures;
  }
  // The run must have played real games, not only refusals.
  EXPECT_GT(made, 1500);
  EXPECT_GT(captures, 150);
  EXPECT_GT(castlings, 3);
}
