// The end of the game once a king is taken, and the marks for whose turn it
// is and for the last move.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "computer/computer_turn.h"
#include "game/game.h"
#include "game/game_over.h"
#include "input/move_list.h"
#include "record/saved_game.h"
#include "record/take_back.h"
#include "test_support.h"
#include "ui/handlers.h"
#include "ui/program.h"
#include "ui/projection.h"
#include "ui/windows.h"

namespace {

// White's queen takes the black king on e8 in five half-moves.
const char* const kKingTaken = "e2e3 f7f6 d1h5 a7a6 h5e8";

void twoPlayers() {
  startProgram();
  secenek2Click();
}

void kingTakenAgainstTheComputer() {
  twoPlayers();
  playMoves(kKingTaken);
  secenek1Click();
}

// The turn mark's side, its text when it is not the plain turn text of that
// side, " over" once the game is over, then the last move's squares if shown:
// "white", "black e2-e4".
std::string marks() {
  const TurnMark& t = windows.form1.turnMark;
  const LastMoveMark& m = windows.form1.lastMove;
  std::string text = t.side == kWhite ? "white" : t.side == kBlack ? "black" : "side " + std::to_string(t.side);
  if (t.text != (t.side == kWhite ? kWhiteTurnText : kBlackTurnText)) text += " \"" + t.text + "\"";
  if (t.gameOver) text += " over";
  return m.shown ? text + " " + squareName(m.fromX, m.fromY) + "-" + squareName(m.toX, m.toY) : text;
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
         game.computerTurnPending = true;
         Timer1Timer();
       }},
  };
  for (const Case& c : refused) {
    SCOPED_TRACE(c.what);
    kingTakenAgainstTheComputer();
    ASSERT_TRUE(gameIsOver(game));
    const GameState before = gameState();
    c.act();
    EXPECT_EQ(stateDifference(before, gameState(), Compare::Replay), "");
    EXPECT_FALSE(windows.form1.timer1Enabled);
    EXPECT_EQ(windows.form1.turnMark.text, kWhiteWonText);
  }
  // The king was taken with two players at the board: they read who won.
  EXPECT_EQ(dialogs.messages, std::vector<std::string>(std::size(refused), "Beyaz kazandı"));

  // Take back: the king is back, Black to move was undone, play goes on.
  kingTakenAgainstTheComputer();
  Button2Click();
  EXPECT_FALSE(gameIsOver(game));
  EXPECT_TRUE(drag("g1", "f3"));
  EXPECT_EQ(listTexts().size(), 9u);
  EXPECT_TRUE(windows.form1.timer1Enabled);
  Timer1Timer();
  EXPECT_EQ(listTexts().size(), 11u);

  // A file that goes on after the king was taken replays whole.
  twoPlayers();
  playMoves(kKingTaken);
  TempFolder folder;
  const std::string path = folder.file("king_taken.oyk");
  ASSERT_TRUE(saveGameTo(game, path));
  std::ofstream(path, std::ios::app | std::ios::binary)
      << formatMoveLine(kPawn, kBlack, 0, 0, 5, 0, 4, '-', game.moveNumber) << "\r\n"
      << kBlankListLine << "\r\n";
  secenek1Click();
  ASSERT_EQ(openGameFrom(game, path).result, OpenResult::Opened);
  EXPECT_EQ(listTexts().size(), 11u);
  EXPECT_EQ(squareAt(game, 0, 4).kind, kPawn);
  EXPECT_TRUE(gameIsOver(game));
  EXPECT_EQ(windows.form1.turnMark.text, kWhiteWonText);
}

// The turn mark and the last move's squares after moves, take backs, a
// castling, a new game and an open.
// The move that takes a king says how the game ended, once, and closes the
// check notice: the player's drop or the hint he asked for wins, the
// computer's move loses.
TEST(GameOver, TheEndIsSaidOnce) {
  struct Case {
    const char* what;
    int32_t playMode;
    const char* moves;  // the king can be taken after them
    void (*takeKing)();
    const char* message;
  };
  const Case cases[] = {
      {"White's drop", kPlayComputer, "e2e3 f7f6 d1h5 a7a6", [] { drag("h5", "e8"); }, "Kazandınız"},
      {"Black's drop, two players", kPlayTwoPlayers, "f2f3 e7e5 g2g4 d8h4 a2a3", [] { drag("h4", "e1"); },
       "Siyah kazandı"},
      {"the hint", kPlayComputer, "e2e3 f7f6 d1h5 a7a6", Yardmal1Click, "Kazandınız"},
      {"the computer", kPlayComputer, "f2f3 e7e5 g2g4 d8h4 a2a3",
       [] {
         game.computerTurnPending = true;
         Timer1Timer();
       },
       "Kaybettiniz"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedDialogs dialogs;
    twoPlayers();
    ASSERT_TRUE(playMoves(c.moves));
    if (c.playMode == kPlayComputer) secenek1Click();
    windows.form2.visible = true;
    c.takeKing();
    ASSERT_TRUE(gameIsOver(game));
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{c.message});
    EXPECT_FALSE(windows.form2.visible);
    EXPECT_FALSE(windows.form1.timer1Enabled);
  }
}

TEST(GameMarks, TurnAndLastMoveFollowTheGame) {
  TempFolder folder;
  const std::string path = folder.file("marks.oyk");
  const struct {
    const char* what;
    std::function<void()> act;
    const char* marks;
  } steps[] = {
      {"start", twoPlayers, "white"},
      {"white move", [] { playMoves("e2e4"); }, "black e2-e4"},
      {"black move", [] { playMoves("e7e5"); }, "white e7-e5"},
      {"more moves", [] { playMoves("g1f3 b8c6 f1c4 g8f6"); }, "white g8-f6"},
      {"castling", [] { playMoves("e1g1"); }, "black e1-g1"},
      {"black reply", [] { playMoves("f8c5"); }, "white f8-c5"},
      {"take back", [] { Button2Click(); }, "white g8-f6"},
      {"save, open",
       [&] { ASSERT_TRUE(saveGameTo(game, path) && openGameFrom(game, path).result == OpenResult::Opened); },
       "white g8-f6"},
      {"white move", [] { playMoves("d2d3"); }, "black d2-d3"},
      {"its take back", [] { Button2Click(); }, "white g8-f6"},
      {"take back all", [] { ListBox1Click(1); }, "white"},
      {"white move again", [] { playMoves("d2d4"); }, "black d2-d4"},
      {"new game", [] { Button3Click(); }, "white"},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.what);
    s.act();
    EXPECT_EQ(marks(), s.marks);
  }
}
