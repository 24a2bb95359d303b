#include <gtest/gtest.h>

#include <algorithm>

#include "controls/controls.h"
#include "fixtures.h"
#include "game/board.h"
#include "game/captures.h"
#include "game/pictures.h"
#include "input/move_list.h"
#include "test_support.h"
#include "ui/main_window.h"

namespace {

// A stable square with an empty pending layer and this committed occupant.
void expectOccupant(const Square& s, int32_t kind, int32_t side, int32_t index) {
  EXPECT_EQ(s.stable, 1);
  EXPECT_EQ(s.kind, kind);
  EXPECT_EQ(s.side, side);
  EXPECT_EQ(s.index, index);
  EXPECT_EQ(s.pendingKind, 0);
  EXPECT_EQ(s.pendingSide, 0);
  EXPECT_EQ(s.pendingIndex, 99);
}

// The start position as a player sees it, and the records behind it: every
// square stable with an empty pending layer, the weights rising by 2 from the
// edge (2) to the centre (8), of each kind and side the piece nearer file a
// numbered first, queens and kings carrying `royalIndex` on their squares.
void expectStartSquares(int32_t royalIndex) {
  EXPECT_EQ(boardRows(), kStartRows);
  EXPECT_EQ(consistencyFault(), "");
  for (int x = 0; x < 8; ++x) {
    for (int y = 0; y < 8; ++y) {
      SCOPED_TRACE("square " + squareName(x, y));
      const Square& s = squareAt(x, y);
      EXPECT_EQ(s.pendingKind, kEmpty);
      EXPECT_EQ(s.pendingSide, kNoSide);
      EXPECT_EQ(s.pendingIndex, kNoIndex);
      EXPECT_EQ(s.weight, 2 * (1 + std::min({x, 7 - x, y, 7 - y})));
      int index = 0;
      for (int left = 0; left < x; ++left) {
        index += squareAt(left, y).kind == s.kind && squareAt(left, y).side == s.side ? 1 : 0;
      }
      if (s.kind == kEmpty) index = kNoIndex;
      if (s.kind == kQueen || s.kind == kKing) index = royalIndex;
      EXPECT_EQ(s.index, index);
    }
  }
}

// Every piece on the board, unmoved, with its start value (the queen 10).
void expectStartPieces() {
  for (int n = 1; n <= kBoardPictureCount; ++n) {
    const PictureOwner o = pictureOwner(n);
    const Piece& p = *pieceOf(o.kind, o.side, o.index);
    SCOPED_TRACE("piece of Image" + std::to_string(n));
    EXPECT_EQ(p.side, o.side);
    EXPECT_EQ(p.onBoard, 1);
    EXPECT_EQ(p.moved, 0);
    EXPECT_EQ(p.value, o.kind == kQueen ? 10 : materialValue(o.kind));
  }
}

// Every board picture on its piece's square with the bitmap of its kind,
// side and square colour.
void expectStartPictures() { EXPECT_EQ(pictureFault(), ""); }

const std::vector<std::string> kHeaders = {"     TAŞ        ILK SON ", "    --------       ------ -------- "};

void expectLostPlacementAtStart() {
  EXPECT_EQ(whiteLost.x, 4);
  EXPECT_EQ(whiteLost.y, 34);
  EXPECT_EQ(whiteLost.row, 1);
  EXPECT_EQ(whiteLost.count, 0);
  EXPECT_EQ(whiteLost.odd, 0);
  EXPECT_EQ(blackLost.x, 50);
  EXPECT_EQ(blackLost.y, 34);
  EXPECT_EQ(blackLost.row, 1);
  EXPECT_EQ(blackLost.count, 0);
  EXPECT_EQ(blackLost.odd, 0);
}

}  // namespace

TEST(Board, ProgramStartsWithTheTabledPosition) {
  startProgram();
  expectStartSquares(9);
  expectStartPieces();
  expectStartPictures();
  EXPECT_EQ(listTexts(), kHeaders);
  EXPECT_EQ(sideToMove, 2);
  EXPECT_EQ(playMode, 1);
  EXPECT_EQ(level, 1);
  EXPECT_EQ(trialMode, 0);
  EXPECT_EQ(moveCount, 0);
  EXPECT_EQ(moveNumber, 0);
  EXPECT_EQ(gameSaved, 1);
  EXPECT_EQ(replaying, 0);
  expectLostPlacementAtStart();
  EXPECT_EQ(materialValue(kPawn), 1);
  EXPECT_EQ(materialValue(kRook), 4);
  EXPECT_EQ(materialValue(kKnight), 3);
  EXPECT_EQ(materialValue(kBishop), 3);
  EXPECT_EQ(materialValue(kQueen), 8);
  EXPECT_EQ(materialValue(kKing), 2);
}

TEST(Board, ProbeSquareAndFileLetter) {
  startProgram();
  const SquareProbe king = probeSquare(4, 0);
  EXPECT_EQ(king.kind, 9);
  EXPECT_EQ(king.side, 1);
  EXPECT_EQ(king.index, 9);
  EXPECT_EQ(king.stable, 1);
  EXPECT_EQ(king.pendingKind, 0);
  EXPECT_EQ(king.pendingSide, 0);
  EXPECT_EQ(king.pendingIndex, 99);
  EXPECT_EQ(king.weight, 2);
  const SquareProbe centre = probeSquare(3, 3);
  EXPECT_EQ(centre.kind, 0);
  EXPECT_EQ(centre.side, 0);
  EXPECT_EQ(centre.index, 99);
  EXPECT_EQ(centre.weight, 8);

  // Field order: every field distinct, read from the square at x * 8 + y.
  board.squares[5 * 8 + 2] = Square{11, 12, 13, 14, 15, 16, 17, 18};
  const SquareProbe p = probeSquare(5, 2);
  EXPECT_EQ(p.kind, 12);
  EXPECT_EQ(p.side, 14);
  EXPECT_EQ(p.index, 16);
  EXPECT_EQ(p.stable, 11);
  EXPECT_EQ(p.pendingKind, 13);
  EXPECT_EQ(p.pendingSide, 15);
  EXPECT_EQ(p.pendingIndex, 17);
  EXPECT_EQ(p.weight, 18);

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
  d1.stable = 0;
  commitSquare(d1);
  expectOccupant(d1, 0, 0, 99);

  // setPending leaves the committed layer; commitSquare moves the pending
  // layer over and empties it.
  Square& c3 = squareNamed("c3");
  setPending(c3, 3, 2, 1, 0);
  EXPECT_EQ(c3.stable, 0);
  EXPECT_EQ(c3.side, 0);
  commitSquare(c3);
  expectOccupant(c3, 3, 2, 1);

  // clearSquare keeps the pending index.
  Square& h3 = squareNamed("h3");
  setPending(h3, 1, 1, 7, 0);
  clearSquare(h3);
  EXPECT_EQ(h3.pendingIndex, 7);
  h3.pendingIndex = 99;
  expectOccupant(h3, 0, 0, 99);

  // The pawn e2 committed to e4.
  Piece& pawn = pieces.pawns[0][4];
  setPending(squareNamed("e4"), 1, 1, 4, 0);
  setPending(squareNamed("e2"), 0, 0, 99, 0);
  pawn.targetX = 4;
  pawn.targetY = 3;
  pawn.atRest = 0;
  commitMove(pawn);
  expectOccupant(squareNamed("e2"), 0, 0, 99);
  expectOccupant(squareNamed("e4"), 1, 1, 4);
  EXPECT_EQ(pawn.x, 4);
  EXPECT_EQ(pawn.y, 3);
  EXPECT_EQ(pawn.atRest, 1);
  EXPECT_EQ(pawn.onBoard, 1);
}

TEST(Board, NewGameRestoresTheStartPosition) {
  startProgram();
  ScriptedDialogs scripted;
  seviye2Click();
  // Against the computer (its timer never runs here): White mates and takes
  // the black king, which fills the captured-pieces window and shows "MAT!!!".
  playMoves("e2e4 e7e5 f1c4 b8c6 d1h5 g8f6 h5f7 a7a6 f7e8");
  ASSERT_TRUE(form1.label20Visible);
  ASSERT_TRUE(form3.image[44].visible);
  ASSERT_EQ(listTexts().size(), 2u + 13u);
  form2.visible = true;

  Button3Click();
  expectStartSquares(99);
  expectStartPieces();
  expectStartPictures();
  EXPECT_EQ(listTexts(), kHeaders);
  EXPECT_EQ(sideToMove, 2);
  EXPECT_EQ(moveNumber, 0);
  EXPECT_EQ(moveCount, 0);
  EXPECT_EQ(listSelection, 0);
  EXPECT_FALSE(form1.label20Visible);
  for (int n = 0; n < kLostPictureSlots; ++n) EXPECT_FALSE(form3.image[n].visible) << "Form3 Image" << n;
  expectLostPlacementAtStart();
  // Left alone by the reset.
  EXPECT_EQ(playMode, 1);
  EXPECT_EQ(level, 3);
  EXPECT_EQ(gameSaved, 0);
  EXPECT_TRUE(form1.timer1Enabled);
  EXPECT_TRUE(form1.label19Visible);
  EXPECT_TRUE(form2.visible);
  EXPECT_TRUE(form3.visible);

  // The next game starts from move 1 and places lost pieces from the top again.
  secenek2Click();
  Balat1Click();
  secenek1Click();
  playMoves("e2e4 d7d5 e4d5");
  ASSERT_EQ(listTexts().size(), 6u);
  EXPECT_EQ(listTexts()[2], "1- piyon(5)     E2-E4");
  EXPECT_EQ(listTexts()[5], "2- piyon(5)     E4xD5");
  EXPECT_EQ(form3.image[13].left, 90);
  EXPECT_EQ(form3.image[13].top, 34);
  EXPECT_EQ(consistencyFault(), "");
}
