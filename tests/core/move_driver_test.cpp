#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "computer/computer_state.h"
#include "computer/search.h"
#include "controls/controls.h"
#include "fixtures.h"
#include "game/board.h"
#include "game/captures.h"
#include "game/consistency.h"
#include "game/game.h"
#include "game/list_lines.h"
#include "input/move_driver.h"
#include "record/new_game.h"
#include "test_support.h"
#include "ui/handlers.h"
#include "ui/messages.h"
#include "ui/program.h"
#include "ui/projection.h"

namespace {

void startTwoPlayerGame() {
  startProgram();
  secenek2Click();
}

// The piece on `from` picked up as a drag does, then the driver itself.
MoveOutcome request(const std::string& from, const std::string& to) {
  const int picture = pictureOn(from);
  Image1MouseDown(picture, MouseButton::Left);
  const MoveOutcome made = requestMove(game, MoveRequest{game.movingKind, game.movingSide, game.movingIndex,
                                                         game.dragFromX, game.dragFromY, fileOf(to), rankOf(to)});
  showGame(game, windows);  // the end of the event
  return made;
}

// The side to move, the move counters, the saved flag, the list selection and
// the selected lines in short, e.g. "black 0/1 saved 0 selection 0 lines".
std::string turnState() {
  std::ostringstream text;
  text << (game.sideToMove == kWhiteToMove ? "white " : "black ") << game.moveCount << "/" << game.moveNumber
       << " saved " << game.gameSaved << " selection " << game.listSelection << " lines";
  for (size_t i = 0; i < windows.form1.listBox1.size(); ++i) {
    if (windows.form1.listBox1[i].selected) text << " " << i;
  }
  return text.str();
}

// A history record in short: kind, index, moved-before flag, the move; then
// the capture flag, the captured kind, index and moved flag, and its square.
std::string recorded(const HalfMoveRecord& r) {
  const auto n = [](int32_t v) { return std::to_string(v); };
  return n(r.kind) + " " + n(r.index) + " m" + n(r.movedBefore) + " " + squareName(r.fromX, r.fromY) + "-" +
         squareName(r.toX, r.toY) + " x" + n(r.captureFlag) + " " + n(r.capturedKind) + " " + n(r.capturedIndex) +
         " m" + n(r.capturedMoved) + " " + squareName(r.captureX, r.captureY);
}

void expectUnchangedBy(const std::string& from, const std::string& to) {
  SCOPED_TRACE(from + "-" + to);
  const GameState before = gameState();
  EXPECT_EQ(request(from, to), MoveOutcome::Refused);
  EXPECT_EQ(stateDifference(before, gameState()), "");
}

}  // namespace

TEST(MoveDriver, TurnsListLinesAndSelection) {
  startTwoPlayerGame();
  EXPECT_EQ(request("e2", "e4"), MoveOutcome::Made);
  EXPECT_EQ(listTexts().back(), "1- piyon(5)     E2-E4");
  EXPECT_EQ(turnState(), "black 0/1 saved 0 selection 0 lines");  // a white pawn move leaves the selection

  // Out of turn and displacements that name no step change nothing.
  expectUnchangedBy("d2", "d4");
  expectUnchangedBy("g1", "f3");

  EXPECT_EQ(request("e7", "e5"), MoveOutcome::Made);
  ASSERT_EQ(listTexts().size(), 5u);
  EXPECT_EQ(listTexts()[3] + "|" + listTexts()[4], "    piyon(5)     E7-E5|    ");
  EXPECT_EQ(turnState(), "white 1/1 saved 0 selection 4 lines 4");
  expectUnchangedBy("d7", "d5");

  EXPECT_EQ(request("g1", "f3"), MoveOutcome::Made);
  EXPECT_EQ(listTexts().back(), "2-      at(2)     G1-F3");
  EXPECT_EQ(turnState(), "black 1/2 saved 0 selection 5 lines 5");
  EXPECT_EQ(request("b8", "c6"), MoveOutcome::Made);
  EXPECT_EQ(turnState(), "white 2/2 saved 0 selection 7 lines 7");
  EXPECT_EQ(request("d2", "d4"), MoveOutcome::Made);  // white pawn: the selection stays
  EXPECT_EQ(turnState(), "black 2/3 saved 0 selection 7 lines 7");

  for (const std::string move : {
           "e5f5",  // pawn sideways
           "e5e3",  // pawn two squares, not from its first move
           "c6f7",  // knight (3, 1)
           "e8c8",  // king two files toward a
           "f8f6",  // bishop straight
           "d8b7",  // queen, neither straight nor diagonal
           "c6c6",  // no displacement
       }) {
    expectUnchangedBy(move.substr(0, 2), move.substr(2));
  }
}

TEST(MoveDriver, HistoryRecordsWhatTakeBackNeeds) {
  startTwoPlayerGame();
  // White's pawn takes the pawn d5 and the black queen takes back; a captured
  // knight leaves the captured-moved variable as it was: that value is
  // recorded. Then the rook's and the king's moved flags before their moves.
  playMoves("e2e4 d7d5 e4d5");
  EXPECT_EQ(game.capturedMovedBlack, 0);
  EXPECT_EQ(listTexts().back(), "2- piyon(5)     E4xD5");
  playMoves("d8d5");
  EXPECT_EQ(game.capturedMovedWhite, 0);
  EXPECT_EQ(listTexts()[listTexts().size() - 2], "        vezir      D8xD5");
  EXPECT_EQ(squareNamed("d5").index, 0);  // the queen carries the index board input gave it
  playMoves("g1f3");
  game.capturedMovedWhite = 1;
  playMoves("d5f3");
  EXPECT_EQ(game.capturedMovedWhite, 0);
  playMoves("h2h4 a7a6 h1h3 a6a5 h3h1 a5a4 e1e2 a4a3 e2e1");
  const struct {
    const HalfMoveRecord& record;
    const char* expected;
  } cases[] = {
      {game.history[0].white, "1 4 m0 e2-e4 x0 0 0 m0 a1"}, {game.history[0].black, "1 3 m0 d7-d5 x0 0 0 m0 a1"},
      {game.history[1].white, "1 4 m1 e4-d5 x1 1 3 m1 d5"}, {game.history[1].black, "5 0 m0 d8-d5 x1 1 4 m1 d5"},
      {game.history[2].black, "5 0 m0 d5-f3 x1 3 1 m1 f3"}, {game.history[4].white, "2 1 m0 h1-h3 x0 0 0 m0 a1"},
      {game.history[5].white, "2 1 m1 h3-h1 x0 0 0 m0 a1"}, {game.history[6].white, "9 0 m0 e1-e2 x0 0 0 m0 a1"},
      {game.history[7].white, "9 0 m1 e2-e1 x0 0 0 m0 a1"},
  };
  for (const auto& c : cases) EXPECT_EQ(recorded(c.record), c.expected);
  EXPECT_EQ(game.moveCount, 7);
  EXPECT_EQ(consistencyFault(), "");
}

TEST(MoveDriver, CheckNoticeAfterBlackMoves) {
  startTwoPlayerGame();
  playMoves("f2f3 e7e5 g2g4");
  EXPECT_FALSE(windows.form2.visible);
  playMoves("d8h4");
  EXPECT_TRUE(windows.form2.visible);
  // White may leave its king attacked; no check test follows White's move.
  windows.form2.visible = false;
  EXPECT_EQ(request("a2", "a3"), MoveOutcome::Made);
  EXPECT_FALSE(windows.form2.visible);
  // Every check shows the notice again, and counts, so that the screen brings
  // it forward even when it is still open.
  playMoves("b7b6 a3a4 b6b5");
  EXPECT_TRUE(windows.form2.visible);
  EXPECT_EQ(windows.form2.timesShown, 3);

  // Not while a saved game is replayed.
  startTwoPlayerGame();
  game.replaying = 1;
  playMoves("f2f3 e7e5 g2g4 d8h4");
  game.replaying = 0;
  EXPECT_FALSE(windows.form2.visible);

  const struct {
    const char* position;
    const char* move;
    bool kingTaken;  // the white king has been taken on e1
    bool notice;
  } cases[] = {
      {"K9e1 r0e8 k0e5", "e5d5", false, false},      // the king uncovering the rook shows nothing
      {"K9e1 r0e8 k9a8 n0e5", "e5c4", false, true},  // another piece uncovering it does
      {"k0e8 r0a8 K0e1", "a8a1", true, false},       // a rook sweeping the rank of a taken king
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.position);
    startTwoPlayerGame();
    setUpPosition(c.position);
    if (c.kingTaken) {
      clearSquare(squareNamed("e1"));
      game.pieces.kings[0].onBoard = false;
    }
    showGame(game, windows);
    game.sideToMove = kBlackToMove;
    const std::string move = c.move;
    ASSERT_EQ(request(move.substr(0, 2), move.substr(2)), MoveOutcome::Made);
    EXPECT_EQ(windows.form2.visible, c.notice);
  }
}

TEST(MoveDriver, FullHistoryRefusesWithAMessage) {
  startTwoPlayerGame();
  playMoves("e2e4 e7e5 g1f3 g8f6 f1c4 f8c5");
  ScriptedDialogs scripted;
  game.moveCount = kHistoryCapacity - 1;
  EXPECT_EQ(request("d2", "d3"), MoveOutcome::Made);
  EXPECT_EQ(request("d7", "d6"), MoveOutcome::Made);
  EXPECT_EQ(game.moveCount, kHistoryCapacity);
  EXPECT_EQ(game.history[kHistoryCapacity - 1].white.index, 3);
  EXPECT_EQ(game.history[kHistoryCapacity - 1].black.fromY, 6);
  EXPECT_TRUE(scripted.messages.empty());
  for (const char* move : {"b1c3", "e1g1"}) {  // castling finds no room either
    const std::string m = move;
    const GameState before = gameState();
    EXPECT_EQ(request(m.substr(0, 2), m.substr(2)), MoveOutcome::HistoryFull) << m;
    EXPECT_EQ(stateDifference(before, gameState()), "") << m;
  }
  // The player is told, once the board is drawn.
  drag("b1", "c3");
  EXPECT_EQ(scripted.messages, std::vector<std::string>{kHistoryFullMessage});
}

// A game is a value: two games side by side and a copy of one each move on
// their own, a search on a copy with its own computer state puts that copy
// back and touches nothing else, and the program's game is none of them.
TEST(MoveDriver, GamesSideBySideAndCopiesAreIndependent) {
  startProgram();
  const GameState programBefore = gameState();
  const auto newGame = [] {
    auto g = std::make_unique<Game>();
    g->playMode = kPlayTwoPlayers;
    startNewGame(*g);
    return g;
  };
  const auto a = newGame();
  const auto b = newGame();
  ASSERT_EQ(playOn(*a, "e2e4"), MoveOutcome::Made);
  ASSERT_EQ(playOn(*b, "d2d4"), MoveOutcome::Made);
  const auto c = std::make_unique<Game>(*a);
  ASSERT_EQ(playOn(*c, "e7e5"), MoveOutcome::Made);
  const auto searched = std::make_unique<Game>(*c);
  const auto thinking = std::make_unique<ComputerState>();
  searchSide(*searched, *thinking, kWhite, 1);
  const struct {
    const Game& g;
    int32_t moveCount;
    int32_t lines;
    std::vector<std::string> rows;
  } cases[] = {
      {*a, 0, 3, {"rnbqkbnr", "pppppppp", "........", "........", "....P...", "........", "PPPP.PPP", "RNBQKBNR"}},
      {*b, 0, 3, {"rnbqkbnr", "pppppppp", "........", "........", "...P....", "........", "PPP.PPPP", "RNBQKBNR"}},
      {*c, 1, 5, {"rnbqkbnr", "pppp.ppp", "........", "....p...", "....P...", "........", "PPPP.PPP", "RNBQKBNR"}},
      {*searched,
       1,
       5,
       {"rnbqkbnr", "pppp.ppp", "........", "....p...", "....P...", "........", "PPPP.PPP", "RNBQKBNR"}},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(&k - cases);
    EXPECT_EQ(boardRows(k.g), k.rows);
    EXPECT_EQ(k.g.moveCount, k.moveCount);
    EXPECT_EQ(listLineCount(k.g), k.lines);
    EXPECT_EQ(checkConsistency(k.g), "");
  }
  EXPECT_GT(thinking->resultList[1].entries[0].score, kRejectedScore);  // the copy was searched
  EXPECT_EQ(stateDifference(programBefore, gameState()), "");
}
