// The end of the game once a king is taken, and the marks for whose turn it
// is and for the last move.
#include "input/game_marks.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "computer/computer_turn.h"
#include "game/game_over.h"
#include "input/move_list.h"
#include "record/saved_game.h"
#include "record/take_back.h"
#include "test_support.h"
#include "ui/main_window.h"

namespace {

// White's queen takes the black king on e8 in five half-moves.
const char* const kKingTaken = "e2e3 f7f6 d1h5 a7a6 h5e8";

void kingTakenAgainstTheComputer() {
  startProgram();
  secenek2Click();
  playMoves(kKingTaken);
  secenek1Click();
}

}  // namespace

// While a king is off the board nothing moves a piece: drags (the piece goes
// back), the hint and the computer's timer. Take back gives the king back and
// the game goes on; a saved file that goes on after the king was taken
// replays whole.
TEST(GameOver, NothingMovesUntilTheKingIsBack) {
  ScriptedDialogs dialogs;
  struct Case {
    const char* what;
    void (*act)();
  };
  const Case refused[] = {
      {"black drag onto a square", [] { drag("a6", "a5"); }},
      {"black drag onto a piece", [] { drag("g7", "h6"); }},
      {"white drag", [] { drag("g1", "f3"); }},
      {"hint", [] { Yardmal1Click(); }},
      {"computer's timer",
       [] {
         form1.timer1Enabled = true;
         Timer1Timer();
       }},
  };
  for (const Case& c : refused) {
    SCOPED_TRACE(c.what);
    kingTakenAgainstTheComputer();
    ASSERT_TRUE(gameIsOver());
    const GameState before = gameState();
    c.act();
    EXPECT_EQ(stateDifference(before, gameState(), Compare::Replay), "");
    EXPECT_FALSE(form1.timer1Enabled);
    EXPECT_EQ(form1.turnMark.text, kWhiteWonText);
  }
  EXPECT_EQ(dialogs.messages, std::vector<std::string>(std::size(refused), "Kazandınız"));

  // Take back: the king is back, Black to move was undone, play goes on.
  kingTakenAgainstTheComputer();
  Button2Click();
  EXPECT_FALSE(gameIsOver());
  EXPECT_TRUE(drag("g1", "f3"));
  EXPECT_EQ(listTexts().size(), 9u);
  EXPECT_TRUE(form1.timer1Enabled);
  Timer1Timer();
  EXPECT_EQ(listTexts().size(), 11u);

  // A file that goes on after the king was taken replays whole.
  startProgram();
  secenek2Click();
  playMoves(kKingTaken);
  const std::string path = testing::TempDir() + "king_taken.oyk";
  ASSERT_TRUE(saveGameTo(path));
  std::ofstream(path, std::ios::app | std::ios::binary)
      << formatMoveLine(kPawn, kBlack, 0, 0, 5, 0, 4, '-', moveNumber) << "\r\n"
      << kBlankListLine << "\r\n";
  secenek1Click();
  ASSERT_TRUE(openGameFrom(path));
  EXPECT_EQ(listTexts().size(), 11u);
  EXPECT_EQ(squareAt(0, 4).kind, kPawn);
  EXPECT_TRUE(gameIsOver());
  EXPECT_EQ(form1.turnMark.text, kWhiteWonText);
  std::remove(path.c_str());
}

// The turn mark and the last move's squares after moves, take backs, a
// castling, a new game and an open.
TEST(GameMarks, TurnAndLastMoveFollowTheGame) {
  struct Step {
    const char* what;
    void (*act)();
    int32_t side;      // whose turn the mark shows
    const char* from;  // last move's squares; "" for none
    const char* to;
  };
  static std::string path;
  path = testing::TempDir() + "marks.oyk";
  const Step steps[] = {
      {"start",
       [] {
         startProgram();
         secenek2Click();
       },
       kWhite, "", ""},
      {"white move", [] { playMoves("e2e4"); }, kBlack, "e2", "e4"},
      {"black move", [] { playMoves("e7e5"); }, kWhite, "e7", "e5"},
      {"more moves", [] { playMoves("g1f3 b8c6 f1c4 g8f6"); }, kWhite, "g8", "f6"},
      {"castling", [] { playMoves("e1g1"); }, kBlack, "e1", "g1"},
      {"black reply", [] { playMoves("f8c5"); }, kWhite, "f8", "c5"},
      {"take back", [] { Button2Click(); }, kWhite, "g8", "f6"},
      {"save, open",
       [] {
         saveGameTo(path);
         openGameFrom(path);
       },
       kWhite, "g8", "f6"},
      {"white move, take back",
       [] {
         playMoves("d2d3");
         Button2Click();
       },
       kWhite, "g8", "f6"},
      {"take back all", [] { ListBox1Click(1); }, kWhite, "", ""},
      {"moves, new game",
       [] {
         playMoves("d2d4");
         Button3Click();
       },
       kWhite, "", ""},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    s.act();
    EXPECT_EQ(form1.turnMark.side, s.side);
    EXPECT_FALSE(form1.turnMark.gameOver);
    EXPECT_EQ(form1.turnMark.text, s.side == kWhite ? kWhiteTurnText : kBlackTurnText);
    const std::string from = s.from;
    EXPECT_EQ(form1.lastMove.shown, !from.empty());
    if (!from.empty()) {
      EXPECT_EQ(squareName(form1.lastMove.fromX, form1.lastMove.fromY), from);
      EXPECT_EQ(squareName(form1.lastMove.toX, form1.lastMove.toY), s.to);
    }
  }
  std::remove(path.c_str());
}
