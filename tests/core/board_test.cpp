#include <gtest/gtest.h>

#include "controls/controls.h"
#include "fixtures.h"
#include "game/board.h"
#include "game/captures.h"
#include "input/move_list.h"
#include "test_support.h"
#include "ui/main_window.h"

namespace {

struct Occupant {
  int32_t kind;
  int32_t side;
  int32_t index;
};

// Committed occupants of the start position, files a..h, for ranks 1, 2, 7, 8.
constexpr Occupant kRank1[8] = {{2, 1, 0}, {3, 1, 0}, {4, 1, 0}, {5, 1, 9}, {9, 1, 9}, {4, 1, 1}, {3, 1, 1}, {2, 1, 1}};
constexpr Occupant kRank2[8] = {{1, 1, 0}, {1, 1, 1}, {1, 1, 2}, {1, 1, 3}, {1, 1, 4}, {1, 1, 5}, {1, 1, 6}, {1, 1, 7}};
constexpr Occupant kRank7[8] = {{1, 2, 0}, {1, 2, 1}, {1, 2, 2}, {1, 2, 3}, {1, 2, 4}, {1, 2, 5}, {1, 2, 6}, {1, 2, 7}};
constexpr Occupant kRank8[8] = {{2, 2, 0}, {3, 2, 0}, {4, 2, 0}, {5, 2, 9}, {9, 2, 9}, {4, 2, 1}, {3, 2, 1}, {2, 2, 1}};

// Square weights by rank 1..8 and file a..h.
constexpr int32_t kWeights[8][8] = {
    {2, 2, 2, 2, 2, 2, 2, 2}, {2, 4, 4, 4, 4, 4, 4, 2}, {2, 4, 6, 6, 6, 6, 4, 2}, {2, 4, 6, 8, 8, 6, 4, 2},
    {2, 4, 6, 8, 8, 6, 4, 2}, {2, 4, 6, 6, 6, 6, 4, 2}, {2, 4, 4, 4, 4, 4, 4, 2}, {2, 2, 2, 2, 2, 2, 2, 2},
};

// Expected committed occupant of (x, y) at the start; queens and kings carry
// `royalIndex`.
Occupant startOccupant(int x, int y, int32_t royalIndex) {
  Occupant o{0, 0, 99};
  if (y == 0) o = kRank1[x];
  if (y == 1) o = kRank2[x];
  if (y == 6) o = kRank7[x];
  if (y == 7) o = kRank8[x];
  if (o.kind == 5 || o.kind == 9) o.index = royalIndex;
  return o;
}

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

void expectStartSquares(int32_t royalIndex) {
  for (int x = 0; x < 8; ++x) {
    for (int y = 0; y < 8; ++y) {
      const Square& s = squareAt(x, y);
      const Occupant o = startOccupant(x, y, royalIndex);
      SCOPED_TRACE("square " + std::string(1, static_cast<char>('a' + x)) + std::to_string(y + 1));
      expectOccupant(s, o.kind, o.side, o.index);
      EXPECT_EQ(s.weight, kWeights[y][x]);
    }
  }
}

struct PieceStart {
  const char* name;
  Piece* piece;
  int x;
  int y;
  int32_t side;
  int32_t value;
};

std::vector<PieceStart> pieceStarts() {
  std::vector<PieceStart> out;
  for (int s = 0; s < 2; ++s) {
    const int32_t side = s + 1;
    const int back = s == 0 ? 0 : 7;
    const int front = s == 0 ? 1 : 6;
    for (int i = 0; i < 8; ++i) out.push_back({"pawn", &pieces.pawns[s][i], i, front, side, 1});
    out.push_back({"knight 0", &pieces.knights[s][0], 1, back, side, 3});
    out.push_back({"knight 1", &pieces.knights[s][1], 6, back, side, 3});
    out.push_back({"bishop 0", &pieces.bishops[s][0], 2, back, side, 3});
    out.push_back({"bishop 1", &pieces.bishops[s][1], 5, back, side, 3});
    out.push_back({"rook 0", &pieces.rooks[s][0], 0, back, side, 4});
    out.push_back({"rook 1", &pieces.rooks[s][1], 7, back, side, 4});
    out.push_back({"queen", &pieces.queens[s], 3, back, side, 10});
    out.push_back({"king", &pieces.kings[s], 4, back, side, 2});
  }
  return out;
}

void expectStartPieces() {
  for (const PieceStart& e : pieceStarts()) {
    SCOPED_TRACE(std::string(e.name) + " of side " + std::to_string(e.side) + " on file " + std::to_string(e.x));
    const Piece& p = *e.piece;
    EXPECT_EQ(p.x, e.x);
    EXPECT_EQ(p.y, e.y);
    EXPECT_EQ(p.targetX, e.x);
    EXPECT_EQ(p.targetY, e.y);
    EXPECT_EQ(p.side, e.side);
    EXPECT_EQ(p.atRest, 1);
    EXPECT_EQ(p.onBoard, 1);
    EXPECT_EQ(p.moved, 0);
    EXPECT_EQ(p.value, e.value);
  }
}

// Board picture n: start square and the stock bitmap it shows there.
struct PictureStart {
  const char* square;
  int bitmap;
};
constexpr PictureStart kPictureStarts[33] = {
    {"", 0},    {"a2", 45}, {"b2", 33}, {"c2", 45}, {"d2", 33}, {"e2", 45}, {"f2", 33}, {"g2", 45}, {"h2", 33},
    {"a1", 34}, {"b1", 49}, {"c1", 36}, {"d1", 53}, {"e1", 38}, {"f1", 51}, {"g1", 35}, {"h1", 47}, {"a7", 39},
    {"b7", 46}, {"c7", 39}, {"d7", 46}, {"e7", 39}, {"f7", 46}, {"g7", 39}, {"h7", 46}, {"a8", 48}, {"b8", 41},
    {"c8", 52}, {"d8", 43}, {"e8", 56}, {"f8", 42}, {"g8", 50}, {"h8", 40},
};

void expectStartPictures() {
  for (int n = 1; n <= 32; ++n) {
    SCOPED_TRACE("Image" + std::to_string(n));
    const PictureControl& pic = form1.image[n];
    const std::string sq = kPictureStarts[n].square;
    EXPECT_EQ(pic.left, 40 * fileOf(sq));
    EXPECT_EQ(pic.top, 280 - 40 * rankOf(sq));
    EXPECT_EQ(pic.bitmap, kPictureStarts[n].bitmap);
    EXPECT_TRUE(pic.visible);
    EXPECT_TRUE(pic.enabled);
  }
}

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
  setDialogs(&scripted);
  seviye2Click();
  // Against the computer (its timer never runs here): White mates and takes
  // the black king, which fills the captured-pieces window and shows "MAT!!!".
  playMoves("e2e4 e7e5 f1c4 b8c6 d1h5 g8f6 h5f7 a7a6 f7e8");
  setDialogs(nullptr);
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
