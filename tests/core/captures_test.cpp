#include <gtest/gtest.h>

#include <memory>

#include "fixtures.h"
#include "game/board.h"
#include "game/captures.h"
#include "game/game.h"
#include "game/pictures.h"
#include "test_support.h"
#include "ui/projection.h"
#include "ui/windows.h"

namespace {

// A game of its own with the windows drawn from it.
struct Table {
  std::unique_ptr<Game> game = std::make_unique<Game>();
  std::unique_ptr<Windows> windows = std::make_unique<Windows>();
  explicit Table(int32_t playMode) { game->playMode = playMode; }

  // A real capture of the committed occupant (kind, side, index), and the
  // pictures drawn as at the end of the move.
  void capture(PieceKind kind, Side side, int32_t index) {
    takePiece(*game, kEmpty, kind, kNoSide, side, kNoIndex, index, false, kCommittedLayer);
    showLostPiece(*game, kind, side, index);
    showGame(*game, *windows);
  }

  void expectBoardPictureGone(int picture) const {
    EXPECT_FALSE(windows->form1.image[picture].visible) << "Image" << picture;
    EXPECT_FALSE(windows->form1.image[picture].enabled) << "Image" << picture;
  }
};

}  // namespace

TEST(Captures, LostPiecesFillTheCapturedPiecesWindow) {
  // Each capture takes the piece off, hides its board picture, shows it in
  // the captured-pieces window, brings that window forward again and records
  // the piece's moved flag for take back (knights, bishops and queens leave
  // the variable alone); the "MAT" label shows once a king is taken.
  const struct {
    PieceKind kind;
    Side side;
    int32_t index;
    int lost;
    const char* place;
    int boardPicture;
    int32_t movedAfter;
  } cases[] = {
      {kPawn, kWhite, 3, 3, "15,34", 4, 1},      {kKnight, kWhite, 1, 8, "50,34", 15, 5},
      {kBishop, kWhite, 0, 10, "15,68", 11, 5},  {kPawn, kWhite, 0, 33, "50,68", 1, 0},
      {kQueen, kWhite, 9, 37, "15,102", 12, 5},  {kRook, kBlack, 1, 18, "90,34", 32, 0},
      {kQueen, kBlack, 99, 43, "125,34", 28, 5}, {kKing, kBlack, 0, 44, "90,68", 29, 0},
  };
  Table t(kPlayComputer);
  Game& g = *t.game;
  const Windows& shownWindows = *t.windows;
  g.pieces.pawns[0][3].moved = true;
  int shown = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE("Form3 Image" + std::to_string(c.lost));
    int32_t& capturedMoved = c.side == kWhite ? g.capturedMovedWhite : g.capturedMovedBlack;
    capturedMoved = 5;
    t.capture(c.kind, c.side, c.index);
    const Piece& piece = *pieceOf(g, c.kind, c.side, c.index);
    EXPECT_EQ(piece.onBoard, 0);
    EXPECT_EQ(piece.atRest, 1);
    EXPECT_EQ(capturedMoved, c.movedAfter);
    const PictureControl& lost = shownWindows.form3.image[c.lost];
    EXPECT_TRUE(lost.visible);
    EXPECT_EQ(std::to_string(lost.left) + "," + std::to_string(lost.top), c.place);
    t.expectBoardPictureGone(c.boardPicture);
    EXPECT_TRUE(shownWindows.form3.visible);
    EXPECT_EQ(shownWindows.form3.timesShown, ++shown);
    EXPECT_EQ(shownWindows.form1.label20Visible, c.kind == kKing);
  }
}

TEST(Captures, TwoPlayersAndSearchCalls) {
  // Two players: flags and board picture, no captured-pieces window.
  Table two(kPlayTwoPlayers);
  showGame(*two.game, *two.windows);
  const Form3Controls lostBefore = two.windows->form3;
  two.capture(kRook, kWhite, 0);
  two.capture(kKing, kBlack, 0);
  EXPECT_EQ(two.game->pieces.rooks[0][0].onBoard, 0);
  EXPECT_EQ(two.game->pieces.kings[1].onBoard, 0);
  two.expectBoardPictureGone(9);
  two.expectBoardPictureGone(29);
  EXPECT_FALSE(two.windows->form3.visible);
  for (int n = 0; n < kLostPictureSlots; ++n) {
    EXPECT_TRUE(samePicture(lostBefore.image[n], two.windows->form3.image[n]));
  }
  EXPECT_FALSE(two.windows->form1.label20Visible);
  EXPECT_EQ(two.game->whiteLost.count, 0);
  EXPECT_EQ(two.game->blackLost.count, 0);

  // The search takes a piece off and puts it back through the layer it
  // stood in, on the position alone: no lost piece, no placement moves.
  Table t(kPlayComputer);
  Game& g = *t.game;
  g.pieces.rooks[1][1].moved = true;
  takePiece(g, kRook, kEmpty, kBlack, kNoSide, 1, kNoIndex, false, kPendingLayer);
  EXPECT_EQ(pieceState(g.pieces.rooks[1][1]), "h8 rest 0 moved 1 off");
  EXPECT_EQ(g.capturedMovedBlack, 1);
  takePiece(g, kRook, kEmpty, kBlack, kNoSide, 1, kNoIndex, true, kPendingLayer);
  EXPECT_EQ(pieceState(g.pieces.rooks[1][1]), "h8 rest 0 moved 1");
  takePiece(g, kEmpty, kKnight, kNoSide, kWhite, kNoIndex, 0, false, kCommittedLayer);
  EXPECT_EQ(pieceState(g.pieces.knights[0][0]), "b1 rest 1 moved 0 off");
  EXPECT_EQ(g.lostOrder.count, 0);
  EXPECT_EQ(g.lostPiecesShown, 0);
  EXPECT_EQ(g.whiteLost.count, 0);
  EXPECT_EQ(g.blackLost.count, 0);
}
