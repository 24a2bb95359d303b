#include <gtest/gtest.h>

#include <sstream>

#include "controls/controls.h"
#include "fixtures.h"
#include "game/board.h"
#include "game/game.h"
#include "input/board_input.h"
#include "test_support.h"
#include "ui/handlers.h"
#include "ui/program.h"

namespace {

// The drag's start in short: square, then kind/side/index of the moving piece.
std::string dragStart() {
  return squareName(game.dragFromX, game.dragFromY) + " " + std::to_string(game.movingKind) + "/" +
         std::to_string(game.movingSide) + "/" + std::to_string(game.movingIndex);
}

// The drop's square.
std::string dropAt() { return squareName(game.dragToX, game.dragToY); }

int shapeOf(const std::string& square) { return ::shapeOf(fileOf(square), rankOf(square)); }

void stopTimer() {
  game.computerTurnPending = false;
  game.thinkingShown = false;
}

}  // namespace

TEST(BoardInput, PressesAndSquareDrops) {
  startProgram();
  // Every board picture stands for one piece; queen and king carry index 0.
  const struct {
    int picture;
    const char* start;  // square, kind/side/index
  } owners[] = {
      {1, "a2 1/1/0"},  {8, "h2 1/1/7"},  {9, "a1 2/1/0"},  {10, "b1 3/1/0"}, {11, "c1 4/1/0"},
      {12, "d1 5/1/0"}, {13, "e1 9/1/0"}, {14, "f1 4/1/1"}, {15, "g1 3/1/1"}, {16, "h1 2/1/1"},
      {17, "a7 1/2/0"}, {24, "h7 1/2/7"}, {25, "a8 2/2/0"}, {26, "b8 3/2/0"}, {27, "c8 4/2/0"},
      {28, "d8 5/2/0"}, {29, "e8 9/2/0"}, {30, "f8 4/2/1"}, {31, "g8 3/2/1"}, {32, "h8 2/2/1"},
  };
  for (const auto& o : owners) {
    game.dragFromX = game.dragFromY = game.movingIndex = -1;
    game.movingKind = static_cast<PieceKind>(-1);
    game.movingSide = static_cast<Side>(-1);
    EXPECT_TRUE(Image1MouseDown(o.picture, MouseButton::Left)) << "Image" << o.picture;
    EXPECT_EQ(dragStart(), o.start);
  }
  // Any other button records the piece but starts no drag.
  game.dragFromX = game.dragFromY = game.movingIndex = -1;
  game.movingKind = static_cast<PieceKind>(-1);
  game.movingSide = static_cast<Side>(-1);
  EXPECT_FALSE(Image1MouseDown(5, MouseButton::Right));
  EXPECT_EQ(dragStart(), "e2 1/1/4");
  EXPECT_FALSE(Image1MouseDown(31, MouseButton::Middle));
  EXPECT_EQ(dragStart(), "g8 3/2/1");
  // The stock pictures take part in nothing.
  for (int n : {33, 45, 56}) {
    EXPECT_FALSE(Image1MouseDown(n, MouseButton::Left));
    EXPECT_EQ(dragStart(), "g8 3/2/1");
  }
  EXPECT_TRUE(Image4DragOver());

  // Square controls: a black piece dragged on White's turn, so nothing moves.
  stopTimer();
  const GameState before = gameState();
  const struct {
    int shape;
    const char* drop;
  } shapes[] = {{1, "a8"}, {4, "d8"}, {8, "h8"}, {37, "e4"}, {57, "a1"}, {64, "h1"}, {42, "b3"}};
  for (const auto& s : shapes) {
    Image1MouseDown(31, MouseButton::Left);
    Shape41DragDrop(s.shape);
    SCOPED_TRACE("Shape" + std::to_string(s.shape));
    EXPECT_EQ(dropAt(), s.drop);
  }
  EXPECT_EQ(stateDifference(before, gameState()), "");
  // Against the computer a refused drop on a square still starts its turn.
  EXPECT_TRUE(windows.form1.timer1Enabled);
  EXPECT_TRUE(windows.form1.label19Visible);

  // White's pawn e2 to e4.
  stopTimer();
  Image1MouseDown(5, MouseButton::Left);
  Shape41DragDrop(shapeOf("e4"));
  EXPECT_EQ(dropAt(), "e4");
  EXPECT_EQ(dragStart(), "e2 1/1/4");
  EXPECT_EQ(pictureState(5), "160,160 45");
  EXPECT_EQ(listTexts().back(), "1- piyon(5)     E2-E4");
  EXPECT_TRUE(windows.form1.timer1Enabled);
  EXPECT_TRUE(windows.form1.label19Visible);

  // Two players: no computer turn.
  secenek2Click();
  stopTimer();
  Image1MouseDown(20, MouseButton::Left);
  Shape41DragDrop(shapeOf("d5"));
  ASSERT_EQ(listTexts().size(), 5u);
  EXPECT_EQ(listTexts()[3], "    piyon(4)     D7-D5");
  EXPECT_FALSE(windows.form1.timer1Enabled);
  EXPECT_FALSE(windows.form1.label19Visible);
}

TEST(BoardInput, DropsOnPiecePictures) {
  startProgram();
  playMoves("e2e4 g8f6 e4e5 a7a6");
  // White's pawn takes the knight on f6 by a drop on its picture.
  stopTimer();
  Image1MouseDown(5, MouseButton::Left);
  ImageDragDrop(31);
  EXPECT_EQ(dropAt(), "f6");
  EXPECT_EQ(pictureState(31), "200,80 41 hidden");
  EXPECT_EQ(pictureState(5), "200,80 33");
  EXPECT_EQ(listTexts().back(), "3- piyon(5)     E5xF6");
  EXPECT_TRUE(windows.form1.timer1Enabled);
  EXPECT_TRUE(windows.form1.label19Visible);

  // Refused drops on pictures: a black piece starts the computer's turn
  // anyway, a white piece does not; the pictures stay.
  playMoves("a6a5");
  stopTimer();
  GameState before = gameState();
  Image1MouseDown(1, MouseButton::Left);
  ImageDragDrop(22);  // a2 onto f7
  EXPECT_EQ(stateDifference(before, gameState()), "");
  EXPECT_TRUE(windows.form1.timer1Enabled);
  stopTimer();
  Image1MouseDown(1, MouseButton::Left);
  ImageDragDrop(2);  // onto the own pawn b2
  EXPECT_EQ(stateDifference(before, gameState()), "");
  EXPECT_FALSE(windows.form1.timer1Enabled);
  Image1MouseDown(1, MouseButton::Left);
  ImageDragDrop(1);  // onto itself
  EXPECT_EQ(stateDifference(before, gameState()), "");
  EXPECT_FALSE(windows.form1.timer1Enabled);
  EXPECT_FALSE(windows.form1.label19Visible);
}

TEST(BoardInput, TakingAKingIsAWin) {
  // Against the computer: White's queen takes the black king.
  startProgram();
  ScriptedDialogs scripted;
  playMoves("e2e4 f7f6 d1h5 g7g5");
  // A refused drop on a king picture says nothing.
  stopTimer();
  Image1MouseDown(1, MouseButton::Left);
  ImageDragDrop(29);
  EXPECT_TRUE(scripted.messages.empty());
  EXPECT_FALSE(windows.form1.timer1Enabled);
  Image1MouseDown(12, MouseButton::Left);
  ImageDragDrop(29);
  EXPECT_EQ(scripted.messages, std::vector<std::string>{"Kazandınız"});
  EXPECT_FALSE(windows.form1.timer1Enabled);
  EXPECT_FALSE(windows.form1.label19Visible);
  EXPECT_EQ(pictureState(29), "160,0 56 hidden");
  EXPECT_EQ(pieceState(game.pieces.kings[1]), "e8 rest 1 moved 0 off");
  EXPECT_EQ(listTexts().back(), "3-     vezir      H5xE8");
  EXPECT_TRUE(windows.form1.label20Visible);
  EXPECT_TRUE(windows.form3.image[44].visible);

  // Two players: Black's queen takes the white king.
  startProgram();
  secenek2Click();
  scripted.messages.clear();
  playMoves("f2f3 e7e5 g2g4 d8h4 a2a3");
  Image1MouseDown(28, MouseButton::Left);
  ImageDragDrop(13);
  EXPECT_EQ(scripted.messages, std::vector<std::string>{"Siyah kazandı"});
  EXPECT_EQ(pictureState(13), "160,280 38 hidden");
  EXPECT_FALSE(windows.form1.timer1Enabled);
}

namespace {

// The dots of the records as square names, e.g. "e3 e4".
std::string dots() {
  std::string names;
  for (int sq = 0; sq < kSquareCount; ++sq) {
    if (((windows.form1.moveTargets >> sq) & 1) == 0) continue;
    if (!names.empty()) names += ' ';
    names += squareName(sq / 8, sq % 8);
  }
  return names;
}

// A click on a square as the board sends it: on the picture standing there,
// else on the square control.
void click(const std::string& square) {
  const int picture = pictureOn(square);
  picture != 0 ? ImageClick(picture) : ShapeClick(shapeOf(square));
}

}  // namespace

TEST(BoardInput, ClickToMove) {
  // Each step: clicks (a square name, or "esc"), then the chosen picture, its
  // dots and the last line of the move list.
  const struct {
    const char* clicks;
    int chosen;
    const char* dots;
    const char* lastLine;
  } steps[] = {
      {"e2", 5, "e3 e4", "    --------       ------ -------- "},
      {"e2", 0, "", "    --------       ------ -------- "},           // the chosen piece again lets it go
      {"e7 e5", 0, "", "    --------       ------ -------- "},        // not the side to move: nothing
      {"g1 b1", 10, "a3 c3", "    --------       ------ -------- "},  // another own piece is chosen instead
      {"esc", 0, "", "    --------       ------ -------- "},
      {"e2 e5", 0, "", "    --------       ------ -------- "},  // a drop there is refused
      {"e2 e4", 0, "", "1- piyon(5)     E2-E4"},
      {"e4", 0, "", "1- piyon(5)     E2-E4"},  // Black to move
      {"e7 e5 g1 f3 b8 c6 f1 c4 g8 f6", 0, "", "    "},
      {"e1", 13, "e2 f1 g1", "    "},  // the king's two-square step is castling
      {"g1", 0, "", "4-       KÜÇÜK ROK"},
  };
  startProgram();
  secenek2Click();
  for (const auto& s : steps) {
    std::istringstream in(s.clicks);
    for (std::string square; in >> square;) square == "esc" ? Form1KeyEscape() : click(square);
    SCOPED_TRACE(s.clicks);
    EXPECT_EQ(windows.form1.selectedPicture, s.chosen);
    EXPECT_EQ(dots(), s.dots);
    EXPECT_EQ(listTexts().back(), s.lastLine);
  }

  // A click plays exactly what a drop plays: against the computer, e2-e4 and
  // the computer's turn.
  startProgram();
  drag("e2", "e4");
  const GameState dropped = gameState();
  const bool timerAfterDrop = windows.form1.timer1Enabled;
  startProgram();
  click("e2");
  click("e4");
  EXPECT_EQ(stateDifference(dropped, gameState()), "");
  EXPECT_EQ(windows.form1.timer1Enabled, timerAfterDrop);

  // A held piece shows its own dots; when its drag ends they are the chosen
  // piece's again. A new game lets the chosen piece go.
  startProgram();
  click("b1");
  Image1MouseDown(pictureOn("g1"), MouseButton::Left);
  EXPECT_EQ(dots(), "f3 h3");
  Image1EndDrag();
  EXPECT_EQ(dots(), "a3 c3");
  Button3Click();
  EXPECT_EQ(windows.form1.selectedPicture, 0);
  EXPECT_EQ(dots(), "");
}
