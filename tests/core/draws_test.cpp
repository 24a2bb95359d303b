// Draws: the rules on games of their own, then what the player sees of a draw
// and how a take back or an opened file deals with it.
#include <gtest/gtest.h>

#include <memory>

#include "computer/level_four.h"
#include "fixtures.h"
#include "game/draws.h"
#include "game/game_over.h"
#include "record/new_game.h"
#include "record/saved_game.h"
#include "test_support.h"
#include "ui/file_commands.h"
#include "ui/handlers.h"
#include "ui/messages.h"
#include "ui/program.h"
#include "ui/projection.h"

namespace {

std::unique_ptr<Game> twoPlayerGame(const char* position = nullptr) {
  auto g = std::make_unique<Game>();
  g->playMode = kPlayTwoPlayers;
  startNewGame(*g);
  if (position != nullptr) setUpPosition(position, *g);
  return g;
}

// A history of `halfMoves` king moves with neither capture nor pawn move:
// White's king runs round 25 squares of files a to d, Black's round 26 of
// files e to h, so that no position comes back within them; a white rook
// stands aside.
void quietKingWalk(Game& g, int32_t halfMoves) {
  const auto whiteSquare = [](int t) { return t % 25; };
  const auto blackSquare = [](int t) { return 38 + t % 26; };
  for (int32_t ply = 0; ply < halfMoves; ++ply) {
    const int t = ply / 2;
    const bool white = ply % 2 == 0;
    const int from = white ? whiteSquare(t) : blackSquare(t);
    const int to = white ? whiteSquare(t + 1) : blackSquare(t + 1);
    FullMoveRecord& entry = g.history[ply / 2];
    (white ? entry.white : entry.black) =
        HalfMoveRecord{kKing, 1, kNoIndex, from / 8, from % 8, to / 8, to % 8, 0, kEmpty, 0, 0, 0, 0};
  }
  g.moveCount = halfMoves / 2;
  g.sideToMove = halfMoves % 2 == 0 ? kWhiteToMove : kBlackToMove;
  const int t = halfMoves / 2;
  const int white = whiteSquare(t + (halfMoves % 2));
  const int black = blackSquare(t);
  std::string position = "K";
  position += squareName(white / 8, white % 8);
  position += " k";
  position += squareName(black / 8, black % 8);
  position += " Rd7";
  setUpPosition(position, g);
}

}  // namespace

TEST(Draws, TheRules) {
  const struct {
    const char* what;
    const char* position;  // nullptr: the start
    const char* moves;
    MoveOutcome last;
    DrawReason reason;
  } cases[] = {
      {"the start a third time", nullptr, "g1f3 g8f6 f3g1 f6g8 g1f3 g8f6 f3g1 f6g8", MoveOutcome::Drawn,
       DrawReason::Repetition},
      {"a second time only", nullptr, "g1f3 g8f6 f3g1 f6g8", MoveOutcome::Made, DrawReason::None},
      {"a pawn move in between", nullptr, "g1f3 g8f6 f3g1 f6g8 e2e3 g8f6 f1e2 f6g8 e2f1 g8f6 f1e2 f6g8",
       MoveOutcome::Made, DrawReason::None},
      {"two kings left", "Ke1 ke8 rd1", "e1d1", MoveOutcome::Drawn, DrawReason::BareKings},
      {"a king and a rook left", "Ke1 Ra1 ke8 rd1", "e1d1", MoveOutcome::Made, DrawReason::None},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto g = twoPlayerGame(c.position);
    std::istringstream moves(c.moves);
    std::string move;
    MoveOutcome last = MoveOutcome::Refused;
    while (moves >> move) {
      ASSERT_FALSE(gameIsOver(*g)) << move;
      last = playOn(*g, move);
    }
    EXPECT_EQ(last, c.last);
    EXPECT_EQ(drawReasonOf(*g), c.reason);
    EXPECT_EQ(gameIsOver(*g), c.reason != DrawReason::None);
  }
  // Fifty moves by each side without a capture or a pawn move; one fewer
  // does not draw.
  for (const int32_t halfMoves : {99, 100}) {
    const auto g = twoPlayerGame();
    quietKingWalk(*g, halfMoves);
    EXPECT_EQ(quietHalfMoves(*g), halfMoves);
    EXPECT_EQ(drawReasonOf(*g), halfMoves == 100 ? DrawReason::FiftyMoves : DrawReason::None) << halfMoves;
  }
}

// What the player sees: the reason, "Berabere", nothing more moves; a take
// back lets the game go on; a saved game that ends drawn opens drawn.
TEST(Draws, EndTheGameUntilTakenBack) {
  ScriptedDialogs dialogs;
  TempFolder folder;
  startProgram();
  secenek2Click();
  ASSERT_TRUE(playMoves("g1f3 g8f6 f3g1 f6g8 g1f3 g8f6 f3g1 f6g8"));
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Berabere: aynı konum üç kez tekrarlandı."});
  EXPECT_EQ(windows.form1.turnMark.text, kDrawText);
  EXPECT_TRUE(windows.form1.turnMark.gameOver);
  EXPECT_FALSE(playMoves("e2e4"));
  Yardmal1Click();
  EXPECT_EQ(listTexts().size(), 2u + 4 * 3);
  const std::string path = folder.file("berabere.oyk");
  ASSERT_TRUE(saveGameTo(game, path));

  Button2Click();
  EXPECT_FALSE(gameIsOver(game));
  EXPECT_FALSE(windows.form1.turnMark.gameOver);
  EXPECT_TRUE(playMoves("f3g1"));  // the last full move was taken back

  dialogs.messages.clear();
  startProgram();
  openGameNamed(path);
  EXPECT_TRUE(gameIsOver(game));
  showGame(game, windows);
  EXPECT_EQ(windows.form1.turnMark.text, kDrawText);
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Berabere: aynı konum üç kez tekrarlandı."});
}

// Level 4 a rook up does not walk back into a position the game has had: a
// return scores a draw, below what it stands.
TEST(Draws, LevelFourAvoidsARepetitionWhenAhead) {
  const auto g = twoPlayerGame("Ka1 kh8 rd5");
  pieceById(g->pieces, pieceIdOf(kRook, kBlack, 0)).moved = true;
  pieceById(g->pieces, pieceIdOf(kKing, kWhite, 0)).moved = true;
  pieceById(g->pieces, pieceIdOf(kKing, kBlack, 0)).moved = true;
  g->sideToMove = kBlackToMove;
  LevelFour levelFour;
  const std::optional<MoveRequest> first = levelFour.chooseNow(*g, 200);
  ASSERT_TRUE(first);
  const std::string there = squareName(first->fromX, first->fromY) + squareName(first->toX, first->toY);
  const std::string back = squareName(first->toX, first->toY) + squareName(first->fromX, first->fromY);
  // The engine's move, the king's step, both back: the position before it
  // comes again if the engine plays the same move.
  for (const std::string& move : {there, std::string("a1b1"), back, std::string("b1a1")}) {
    ASSERT_TRUE(moveMade(playOn(*g, move))) << move;
  }
  engine::SearchResult info;
  const std::optional<MoveRequest> second = levelFour.chooseNow(*g, 200, &info);
  ASSERT_TRUE(second);
  EXPECT_NE(squareName(second->fromX, second->fromY) + squareName(second->toX, second->toY), there);
  EXPECT_GT(info.score, 0);
}
