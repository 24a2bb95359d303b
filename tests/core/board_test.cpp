#include <gtest/gtest.h>

#include <algorithm>
#include <type_traits>

#include "controls/controls.h"
#include "fixtures.h"
#include "game/board.h"
#include "game/captures.h"
#include "game/castling.h"
#include "game/game.h"
#include "game/moves.h"
#include "game/pictures.h"
#include "input/move_list.h"
#include "input/move_targets.h"
#include "test_support.h"
#include "ui/handlers.h"
#include "ui/program.h"
#include "ui/projection.h"

// A kind and a side swapped, or a plain number for either, does not compile.
static_assert(std::is_invocable_v<decltype(pieceOf), Game&, PieceKind, Side, int32_t>);
static_assert(!std::is_invocable_v<decltype(pieceOf), Game&, Side, PieceKind, int32_t>);
static_assert(!std::is_invocable_v<decltype(pieceOf), Game&, int32_t, int32_t, int32_t>);
static_assert(!std::is_invocable_v<decltype(moveTargets), Game&, Side, PieceKind, int32_t>);
static_assert(!std::is_invocable_v<decltype(generateMove), Game&, Side, Piece&, int32_t>);
static_assert(!std::is_invocable_v<decltype(otherSide), PieceKind>);
// Nor does a plain number for a square's layer or a castling's mode.
static_assert(!std::is_invocable_v<decltype(setPending), Square&, PieceKind, Side, int32_t, int32_t>);
static_assert(!std::is_invocable_v<decltype(castle), Position&, int32_t, Side, int32_t>);

namespace {

// The start of a game as a player sees it, and the records behind it: every
// square stable with an empty pending layer, the weights rising by 2 from the
// edge (2) to the centre (8), of each kind and side the piece nearer file a
// numbered first, queens and kings carrying `royalIndex` on their squares;
// every piece on the board, unmoved, with its start value (the queen 10) and
// its picture on it; the list's headers alone, White to move at move 0, no
// "MAT!!!", the captured-pieces window empty and filled from the top.
void expectStartOfGame(int32_t royalIndex) {
  EXPECT_EQ(boardRows(), kStartRows);
  EXPECT_EQ(consistencyFault(), "");
  EXPECT_EQ(windowsFault(game, windows), "");
  for (int x = 0; x < 8; ++x) {
    for (int y = 0; y < 8; ++y) {
      SCOPED_TRACE("square " + squareName(x, y));
      const Square& s = squareAt(game, x, y);
      EXPECT_TRUE(layers(squareName(x, y)).ends_with(" .99"));
      EXPECT_EQ(s.weight, 2 * (1 + std::min({x, 7 - x, y, 7 - y})));
      int index = 0;
      for (int left = 0; left < x; ++left) {
        index += squareAt(game, left, y).kind == s.kind && squareAt(game, left, y).side == s.side ? 1 : 0;
      }
      if (s.kind == kEmpty) index = kNoIndex;
      if (s.kind == kQueen || s.kind == kKing) index = royalIndex;
      EXPECT_EQ(s.index, index);
    }
  }
  for (int n = 1; n <= kBoardPictureCount; ++n) {
    const PictureOwner o = pictureOwner(n);
    const Piece& p = *pieceOf(game, o.kind, o.side, o.index);
    SCOPED_TRACE("piece of Image" + std::to_string(n));
    EXPECT_EQ((std::vector<int32_t>{p.side, p.onBoard, p.moved, p.value}),
              (std::vector<int32_t>{o.side, 1, 0, o.kind == kQueen ? 10 : materialValue(o.kind)}));
  }
  EXPECT_EQ(listTexts(), (std::vector<std::string>{"     TAŞ        ILK SON ", "    --------       ------ -------- "}));
  EXPECT_EQ((std::vector<int32_t>{game.sideToMove, game.moveNumber, game.moveCount, game.listSelection,
                                  windows.form1.label20Visible}),
            (std::vector<int32_t>{2, 0, 0, 0, 0}));
  for (int n = 0; n < kLostPictureSlots; ++n) EXPECT_FALSE(windows.form3.image[n].visible) << "Form3 Image" << n;
  for (const LostPiecePlacement* l : {&game.whiteLost, &game.blackLost}) {
    EXPECT_EQ((std::vector<int32_t>{l->x, l->y, l->row, l->count, l->odd}),
              (std::vector<int32_t>{l == &game.whiteLost ? 4 : 50, 34, 1, 0, 0}));
  }
}

}  // namespace

TEST(Board, ProgramStartsWithTheTabledPosition) {
  startProgram();
  expectStartOfGame(9);
  EXPECT_EQ((std::vector<int32_t>{game.playMode, game.level, game.trialMode, game.gameSaved, game.replaying}),
            (std::vector<int32_t>{1, 1, 0, 1, 0}));
  EXPECT_EQ((std::vector<int32_t>{materialValue(kPawn), materialValue(kRook), materialValue(kKnight),
                                  materialValue(kBishop), materialValue(kQueen), materialValue(kKing)}),
            (std::vector<int32_t>{1, 4, 3, 3, 8, 2}));
}

TEST(Board, ProbeSquareAndFileLetter) {
  startProgram();
  const auto fields = [](const SquareProbe& p) {
    return std::vector<int32_t>{p.kind,        p.side,        p.index,        p.stable,
                                p.pendingKind, p.pendingSide, p.pendingIndex, p.weight};
  };
  EXPECT_EQ(fields(probeSquare(game, 4, 0)), (std::vector<int32_t>{9, 1, 9, 1, 0, 0, 99, 2}));
  EXPECT_EQ(fields(probeSquare(game, 3, 3)), (std::vector<int32_t>{0, 0, 99, 1, 0, 0, 99, 8}));
  // Field order: every field distinct, read from the square at x * 8 + y.
  game.board.squares[5 * 8 + 2] = Square{static_cast<Layer>(11),
                                         static_cast<PieceKind>(12),
                                         static_cast<PieceKind>(13),
                                         static_cast<Side>(14),
                                         static_cast<Side>(15),
                                         16,
                                         17,
                                         18};
  EXPECT_EQ(fields(probeSquare(game, 5, 2)), (std::vector<int32_t>{12, 14, 16, 11, 13, 15, 17, 18}));

  const char* letters[8] = {"A", "B", "C", "D", "E", "F", "G", "H"};
  for (int x = 0; x < 8; ++x) EXPECT_STREQ(fileLetter(x), letters[x]);
  EXPECT_STREQ(fileLetter(8), "m");
  EXPECT_STREQ(fileLetter(-1), "m");
  EXPECT_STREQ(fileLetter(99), "m");
}

TEST(Board, CommittingSquaresAndMoves) {
  startProgram();
  // An empty pending layer committed empties the square.
  Square& d1 = squareNamed("d1");
  d1.stable = kPendingLayer;
  commitSquare(d1);
  EXPECT_EQ(layers("d1"), "1 .99 .99");

  // setPending leaves the committed layer; commitSquare moves the pending
  // layer over and empties it.
  setPending(squareNamed("c3"), kKnight, kBlack, 1, kPendingLayer);
  EXPECT_EQ(layers("c3"), "0 .99 n1");
  commitSquare(squareNamed("c3"));
  EXPECT_EQ(layers("c3"), "1 n1 .99");

  // clearSquare keeps the pending index.
  setPending(squareNamed("h3"), kPawn, kWhite, 7, kPendingLayer);
  clearSquare(squareNamed("h3"));
  EXPECT_EQ(layers("h3"), "1 .99 .7");

  // The pawn e2 committed to e4.
  Piece& pawn = game.pieces.pawns[0][4];
  setPending(squareNamed("e4"), kPawn, kWhite, 4, kPendingLayer);
  setPending(squareNamed("e2"), kEmpty, kNoSide, kNoIndex, kPendingLayer);
  setTarget(pawn, 4, 3, 0);
  commitMove(game, pawn);
  EXPECT_EQ(layers("e2"), "1 .99 .99");
  EXPECT_EQ(layers("e4"), "1 P4 .99");
  EXPECT_EQ(pieceState(pawn), "e4 rest 1 moved 0");
}

TEST(Board, NewGameRestoresTheStartPosition) {
  startProgram();
  ScriptedDialogs scripted;
  seviye2Click();
  // Against the computer (its timer never runs here): White mates and takes
  // the black king, which fills the captured-pieces window and shows "MAT!!!".
  playMoves("e2e4 e7e5 f1c4 b8c6 d1h5 g8f6 h5f7 a7a6 f7e8");
  ASSERT_TRUE(windows.form1.label20Visible);
  ASSERT_TRUE(windows.form3.image[44].visible);
  ASSERT_EQ(listTexts().size(), 2u + 13u);
  windows.form2.visible = true;
  game.computerTurnPending = true;
  game.thinkingShown = true;

  scripted.answers = {Answer::No};  // not saved
  Button3Click();
  expectStartOfGame(99);
  // Left alone by the reset.
  EXPECT_EQ((std::vector<int32_t>{game.playMode, game.level, game.gameSaved, windows.form1.timer1Enabled,
                                  windows.form1.label19Visible, windows.form2.visible, windows.form3.visible}),
            (std::vector<int32_t>{1, 3, 0, 1, 1, 1, 1}));

  // The next game starts from move 1 and places lost pieces from the top again.
  secenek2Click();
  Balat1Click();
  secenek1Click();
  playMoves("e2e4 d7d5 e4d5");
  ASSERT_EQ(listTexts().size(), 6u);
  EXPECT_EQ(listTexts()[2], "1- piyon(5)     E2-E4");
  EXPECT_EQ(listTexts()[5], "2- piyon(5)     E4xD5");
  EXPECT_EQ((std::pair{windows.form3.image[13].left, windows.form3.image[13].top}), (std::pair{90, 34}));
  EXPECT_EQ(consistencyFault(), "");
}
