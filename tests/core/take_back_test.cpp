#include "record/take_back.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <sstream>

#include "computer/computer_state.h"
#include "computer/computer_turn.h"
#include "computer/evaluation.h"
#include "controls/controls.h"
#include "fixtures.h"
#include "game/board.h"
#include "game/captures.h"
#include "game/game.h"
#include "game/game_over.h"
#include "game/pictures.h"
#include "input/move_driver.h"
#include "random_game.h"
#include "test_support.h"
#include "ui/handlers.h"
#include "ui/program.h"

namespace {

// White's material minus Black's, counted on the board.
int32_t materialOnBoard() {
  int32_t m = 0;
  for (int n = 1; n <= kBoardPictureCount; ++n) {
    const PictureOwner o = pictureOwner(n);
    if (pieceOf(game, o.kind, o.side, o.index)->onBoard) m += (o.side == kWhite ? 1 : -1) * materialValue(o.kind);
  }
  return m;
}

std::vector<Drag> dragsOf(const std::string& moves) {
  std::vector<Drag> out;
  std::istringstream in(moves);
  std::string m;
  while (in >> m)
    out.push_back(Drag{fileOf(m.substr(0, 2)), rankOf(m.substr(0, 2)), fileOf(m.substr(2, 2)), rankOf(m.substr(2, 2)),
                       false, false});
  return out;
}

// A fresh program in the given play mode with the drags played one by one.
// Returns the first drag that was not made, or -1.
int replay(int32_t mode, const std::vector<Drag>& drags) {
  startProgram();
  if (mode == kPlayTwoPlayers) secenek2Click();
  for (size_t i = 0; i < drags.size(); ++i) {
    if (!playDrag(drags[i])) return static_cast<int>(i);
  }
  return -1;
}

// The difference between the game on the board now and the same drags
// replayed from the start in the same mode; the game is gone afterwards.
std::string differenceFromReplay(int32_t mode, const std::vector<Drag>& drags) {
  const GameState now = gameState();
  const int refused = replay(mode, drags);
  if (refused >= 0) return "replay refused drag " + std::to_string(refused);
  return stateDifference(now, gameState(), Compare::Replay);
}

std::string differenceFromReplay(int32_t mode, const std::string& moves) {
  return differenceFromReplay(mode, dragsOf(moves));
}

void twoPlayerGame(const std::string& moves) { replay(kPlayTwoPlayers, dragsOf(moves)); }

}  // namespace

// Back to the start in every record: squares, pieces with their moved flags,
// pictures (Image5 on e2's light square, Image21 on e7's dark one), list and
// counters.
TEST(TakeBack, FirstFullMoveGoesBackToTheStart) {
  twoPlayerGame("e2e4 e7e5");
  ASSERT_EQ(game.moveCount, 1);
  Button2Click();
  EXPECT_EQ(boardRows(), kStartRows);
  EXPECT_EQ(pictureState(5) + " " + pictureState(21), "160,240 45 160,40 39");
  EXPECT_EQ(consistencyFault(), "");
  EXPECT_EQ(differenceFromReplay(kPlayTwoPlayers, ""), "");
}

TEST(TakeBack, KnightTakenOnF6ComesBackFromTheLostPieces) {
  startProgram();  // against the computer; Black's first moves are dragged
  playMoves("e2e4 g8f6 e4e5 a7a6 e5f6");
  ASSERT_TRUE(windows.form3.image[19].visible);  // the black king's-side knight
  EXPECT_EQ(windows.form3.image[19].left, 90);
  EXPECT_EQ(windows.form3.image[19].top, 34);
  EXPECT_FALSE(windows.form1.image[31].visible);
  ASSERT_TRUE(windows.form1.timer1Enabled);
  Timer1Timer();  // the computer replies
  ASSERT_EQ(game.moveCount, 3);
  EXPECT_EQ(computer.lastMaterialBalance, materialOnBoard());

  Button2Click();
  EXPECT_EQ(layers("f6") + ", " + pictureState(31), "1 n1 .99, 200,80 41");  // f6 is a dark square
  EXPECT_FALSE(windows.form3.image[19].visible);
  EXPECT_EQ(computer.lastMaterialBalance, 0);
  EXPECT_EQ((std::vector<int32_t>{game.blackLost.count, game.blackLost.odd, game.blackLost.row}),
            (std::vector<int32_t>{0, 0, 1}));
  EXPECT_EQ(consistencyFault(), "");
  // Everything else (squares, pieces, pictures, list, counters, the lost-piece
  // placement) as if the capture had never been made.
  EXPECT_EQ(differenceFromReplay(kPlayComputer, "e2e4 g8f6 e4e5 a7a6"), "");

  // The next lost black piece takes the first place again.
  startProgram();
  playMoves("e2e4 g8f6 e4e5 a7a6 e5f6");
  Timer1Timer();
  Button2Click();
  playMoves("e5f6");
  EXPECT_EQ(windows.form3.image[19].left, 90);
  EXPECT_EQ(windows.form3.image[19].top, 34);
}

// The king back on e8 with its index, the rook in its corner (a dark square
// for h8, a light one for a8), both unmoved; castling is possible again.
TEST(TakeBack, BlackCastlingsGoBackToTheirCorners) {
  const struct {
    std::string before;  // the game up to White's move before the castling
    std::string castling;
    const char* line;
    const char* castled;
    const char* corners;  // e8, the rook's corner and its picture
  } cases[] = {
      {"e2e4 e7e5 g1f3 g8f6 f1c4 f8c5", " d2d3 e8g8", "      KÜÇÜK ROK", "rnbq.rk.",
       "1 k99 .99, 1 r1 .99, 160,0 56, 280,0 40"},
      {"d2d4 d7d5 b1c3 b8c6 c1f4 c8f5 d1d2 d8d7", " e2e3 e8b8", "      BÜYÜK ROK", ".kr..bnr",
       "1 k99 .99, 1 r0 .99, 160,0 56, 0,0 48"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    twoPlayerGame(c.before + c.castling);
    ASSERT_EQ(listTexts()[listTexts().size() - 2], c.line);
    ASSERT_EQ(boardRows()[0], c.castled);
    Button2Click();
    const bool kingsSide = c.castled[6] == 'k';
    EXPECT_EQ(layers("e8") + ", " + layers(kingsSide ? "h8" : "a8") + ", " + pictureState(29) + ", " +
                  pictureState(kingsSide ? 32 : 25),
              c.corners);
    EXPECT_EQ(consistencyFault(), "");
    EXPECT_EQ(differenceFromReplay(kPlayTwoPlayers, c.before), "");
    twoPlayerGame(c.before + c.castling);
    Button2Click();
    playMoves(c.castling);
    EXPECT_EQ(boardRows()[0], c.castled);
    EXPECT_EQ(differenceFromReplay(kPlayTwoPlayers, c.before + c.castling), "");
  }
}

TEST(TakeBack, MovedFlagsAreThoseBeforeTheMove) {
  // The rook goes h1-h3-h1 and the king e1-e2-e1: taking back the return
  // leaves each marked as moved, so castling stays refused.
  const std::string moves = "h2h4 h7h5 h1h3 a7a6 h3h1 a6a5 e2e4 b7b6 e1e2 b6b5 e2e1 c7c6";
  twoPlayerGame(moves);
  Button2Click();
  EXPECT_EQ(pieceState(game.pieces.kings[0]), "e2 rest 1 moved 1");
  ListBox1Click(8);  // White's line of full move 3: the rook back on h3
  EXPECT_EQ(pieceState(game.pieces.rooks[0][1]), "h3 rest 1 moved 1");
  Button2Click();
  EXPECT_EQ(pieceState(game.pieces.rooks[0][1]), "h1 rest 1 moved 0");
  EXPECT_EQ(differenceFromReplay(kPlayTwoPlayers, "h2h4 h7h5"), "");
}

// Lines 2, 3, 4 are full move 1, 5, 6, 7 full move 2 and so on, the blank line
// after a full move counting as the next one: a click takes back the clicked
// full move and every later one; line 0 takes back one, line 1 all. In a game
// ending with White's unanswered move, that move's line counts as the next
// full move.
TEST(TakeBack, ListClickTakesBackFromTheClickedFullMove) {
  const std::vector<Drag> whole = dragsOf("e2e4 e7e5 g1f3 b8c6 f1c4 f8c5");
  const struct {
    int line;
    size_t fullMovesLeft;
    bool unanswered;  // the game without Black's last move
  } cases[] = {{0, 2, false},  {1, 0, false}, {2, 0, false}, {3, 0, false}, {4, 1, false},
               {5, 1, false},  {6, 1, false}, {7, 2, false}, {8, 2, false}, {9, 2, false},
               {10, 3, false}, {8, 2, true},  {7, 2, true},  {5, 1, true},  {1, 0, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE("line " + std::to_string(c.line) + (c.unanswered ? " unanswered" : ""));
    const std::vector<Drag> moves(whole.begin(), whole.end() - (c.unanswered ? 1 : 0));
    replay(kPlayTwoPlayers, moves);
    ASSERT_EQ(listTexts().size(), c.unanswered ? 9u : 11u);
    game.mateShown = true;
    ListBox1Click(c.line);
    EXPECT_EQ(game.moveCount, static_cast<int32_t>(c.fullMovesLeft));
    EXPECT_FALSE(windows.form1.label20Visible);
    EXPECT_EQ(consistencyFault(), "");
    EXPECT_EQ(
        differenceFromReplay(kPlayTwoPlayers, std::vector<Drag>(moves.begin(), moves.begin() + 2 * c.fullMovesLeft)),
        "");
  }
}

TEST(TakeBack, AtTheStartOnlyTheMateLabelGoes) {
  startProgram();
  game.mateShown = true;
  const GameState before = gameState();
  const int32_t balance = computer.lastMaterialBalance;
  Button2Click();
  Gerihamle1Click();
  EXPECT_FALSE(windows.form1.label20Visible);
  EXPECT_EQ(stateDifference(before, gameState(), Compare::Replay), "");
  EXPECT_EQ(computer.lastMaterialBalance, balance);
  EXPECT_EQ(game.listSelection, 0);
}

TEST(TakeBack, UnansweredWhiteMoveIsTakenBackAlone) {
  // A capture of White's that Black has not answered yet.
  twoPlayerGame("e2e4 d7d5 e4d5");
  ASSERT_EQ(game.sideToMove, kBlackToMove);
  Button2Click();
  EXPECT_EQ(pictureState(20).substr(0, 7), "120,120");
  EXPECT_EQ(computer.lastMaterialBalance, 0);
  EXPECT_EQ(consistencyFault(), "");
  EXPECT_EQ(differenceFromReplay(kPlayTwoPlayers, "e2e4 d7d5"), "");
  // A knight's first move taken back leaves no line highlighted.
  twoPlayerGame("g1f3");
  Button2Click();
  EXPECT_EQ(differenceFromReplay(kPlayTwoPlayers, ""), "");
}

namespace {

// The full moves that remain after a take back: the button (line 0) takes back
// the unanswered White move or else the last full move; a click on line L
// takes back full move (L + 2) div 3 and every later one, an unanswered White
// move counting as the full move after the last.
size_t dragsLeftAfter(int line, size_t played) {
  const size_t full = played / 2;
  if (line == 0) return played % 2 == 1 ? played - 1 : (full > 0 ? played - 2 : 0);
  const size_t clicked = static_cast<size_t>(line + 2) / 3;
  return 2 * std::min(clicked - 1, full);
}

struct Checkpoint {
  GameState view;
  std::vector<Drag> drags;  // the moves that should be on the board
  std::string what;
};

// Plays random games of one mode with take backs at random points; after
// every take back (and at the end) the game must be the one its remaining
// moves give when replayed from the start.
void playRandomGamesWithTakeBacks(int32_t mode, uint32_t seed, int games) {
  ScriptedDialogs answers;
  int takeBacks = 0;
  int castlings = 0;
  int captures = 0;
  for (int g = 0; g < games; ++g) {
    std::mt19937 rng(seed + static_cast<uint32_t>(g));
    replay(mode, {});
    std::vector<Drag> played;
    std::vector<Checkpoint> checkpoints;
    const int steps = 30 + static_cast<int>(rng() % 50);
    bool over = false;
    for (int step = 0; step < steps && !over; ++step) {
      const std::string where = "game " + std::to_string(g) + " step " + std::to_string(step);
      // Once a king is taken only a take back goes on with the game.
      if (gameIsOver(game) || (step > 3 && rng() % 5 == 0)) {
        const int how = static_cast<int>(rng() % 3);
        const int line = how == 2 ? static_cast<int>(rng() % windows.form1.listBox1.size()) : 0;
        if (how == 0) Button2Click();
        if (how == 1) Gerihamle1Click();
        if (how == 2) ListBox1Click(line);
        const size_t left = dragsLeftAfter(line, played.size());
        const bool tookBack = left != played.size();
        played.resize(left);
        takeBacks += tookBack ? 1 : 0;
        const std::string what = where + " take back from line " + std::to_string(line);
        ASSERT_EQ(consistencyFault(), "") << what;
        // Two-player moves never count the material; a take back does.
        if (tookBack) {
          ASSERT_EQ(computer.lastMaterialBalance, materialOnBoard()) << what;
        }
        ASSERT_EQ(game.sideToMove, kWhiteToMove) << what;
        checkpoints.push_back(Checkpoint{gameState(), played, what});
        continue;
      }
      Drag d{};
      const RandomMove r = playRandomMove(rng, d);
      ASSERT_NE(r, RandomMove::Refused) << where << ": drag " << squareName(d.fromX, d.fromY)
                                        << squareName(d.toX, d.toY) << " refused";
      if (r == RandomMove::NoMove) break;
      played.push_back(d);
      castlings += d.castling ? 1 : 0;
      captures += d.capture ? 1 : 0;
      if (mode == kPlayComputer && !gameIsOver(game)) {
        const int32_t before = game.moveCount;
        Timer1Timer();
        if (game.moveCount != before + 1) {
          over = true;  // Black had no move left: the game ends here
          played.pop_back();
          break;
        }
        // The computer's reply, as a drag.
        const HalfMoveRecord& b = game.history[game.moveCount - 1].black;
        const bool castling = b.kind == kKing && b.fromX == 4 && (b.toX == 6 || b.toX == 1);
        played.push_back(Drag{b.fromX, b.fromY, b.toX, b.toY, b.captureFlag != 0, castling});
        castlings += castling ? 1 : 0;
        captures += b.captureFlag;
      }
    }
    if (!over) checkpoints.push_back(Checkpoint{gameState(), played, "game " + std::to_string(g) + " end"});
    for (const Checkpoint& c : checkpoints) {
      const int refused = replay(mode, c.drags);
      ASSERT_EQ(refused, -1) << c.what;
      const std::string difference = stateDifference(c.view, gameState(), Compare::Replay);
      ASSERT_EQ(difference, "") << "seed " << seed << " " << c.what;
    }
  }
  std::printf("[          ] %d take backs, %d castlings, %d captures\n", takeBacks, castlings, captures);
  // The games must hold what the test is about.
  EXPECT_GT(takeBacks, 4 * games);
  EXPECT_GT(castlings, games / 4);
  EXPECT_GT(captures, 4 * games);
}

}  // namespace

TEST(TakeBack, RandomTwoPlayerGamesMatchTheirReplay) { playRandomGamesWithTakeBacks(kPlayTwoPlayers, 1000, 200); }

TEST(TakeBack, RandomGamesAgainstTheComputerMatchTheirReplay) { playRandomGamesWithTakeBacks(kPlayComputer, 2000, 80); }
