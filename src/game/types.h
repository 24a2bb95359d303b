// Codes and counts shared by every part of the game. Integers encode everything
// the rules store (squares, pieces, history, candidate lists), so every code has
// a name here and nowhere else.
#pragma once

#include <cstdint>

// Piece kinds. The same codes appear in squares, in the history, in the
// computer's candidate lists and (as letters) in saved games. 6..8 are unused.
enum PieceKind : int32_t {
  kEmpty = 0,
  kPawn = 1,
  kRook = 2,
  kKnight = 3,
  kBishop = 4,
  kQueen = 5,
  kKing = 9,
};

// The six kinds in the order of the value tables and the stock pictures.
constexpr int kKindCount = 6;
constexpr PieceKind kKindOrder[kKindCount] = {kPawn, kRook, kKnight, kBishop, kQueen, kKing};

// Position of a kind in kKindOrder; -1 for kEmpty and unknown codes.
constexpr int kindOrder(PieceKind kind) {
  for (int i = 0; i < kKindCount; ++i) {
    if (kKindOrder[i] == kind) return i;
  }
  return -1;
}

// Pieces of one side of a kind: eight pawns, one queen and one king, two of
// every other kind.
constexpr int pieceCountOf(PieceKind kind) { return kind == kPawn ? 8 : (kind == kQueen || kind == kKing) ? 1 : 2; }

// Sides. A square with side kNoSide is empty.
enum Side : int32_t {
  kNoSide = 0,
  kWhite = 1,
  kBlack = 2,
};

// `sideToMove` values: note the inversion (2 means White is to move).
constexpr int32_t kWhiteToMove = 2;
constexpr int32_t kBlackToMove = 1;

// Square index codes: a piece's array index, or these markers.
constexpr int32_t kNoIndex = 99;    // empty square, castled king, queen/king in the search
constexpr int32_t kRoyalIndex = 9;  // queen and king in the start-up position

// What a move generator answers.
enum MoveResult : int32_t {
  kMovePossible = 1,
  kMoveRefused = 2,
};

// Castling king codes (also the candidate codes of castling).
constexpr int32_t kShortCastling = 9;
constexpr int32_t kLongCastling = 10;

// The two layers of a square: which one is in force (a square's `stable`),
// and which one a captured piece stood in.
enum Layer : int32_t {
  kPendingLayer = 0,
  kCommittedLayer = 1,
};

// Computer scores with a meaning of their own.
constexpr int32_t kRejectedScore = -10000;
constexpr int32_t kKingCaptureScore = 15000;
constexpr int32_t kKingLostScore = -15000;

// Play modes and levels.
constexpr int32_t kPlayComputer = 1;
constexpr int32_t kPlayTwoPlayers = 2;
// The computer's levels: `level` 1..4, played by playLevelOne..playLevelFour
// and named in the menu by their captions.
constexpr int32_t kLevel1 = 1;  // "Başlangıç": one ply
constexpr int32_t kLevel2 = 2;  // "1.seviye": three plies
constexpr int32_t kLevel3 = 3;  // "2.seviye": four plies and a fifth
constexpr int32_t kLevel4 = 4;  // "3.seviye": the engine (computer/level_four)

constexpr int kBoardSize = 8;
constexpr int kSquareCount = 64;
constexpr int kSideCount = 2;
constexpr int kSquarePixels = 40;  // a square on screen; a8 at (0, 0), h1 at (280, 280)

inline constexpr bool onBoardCoord(int x, int y) { return x >= 0 && x < kBoardSize && y >= 0 && y < kBoardSize; }
inline constexpr int squareIndex(int x, int y) { return x * kBoardSize + y; }
// The side of an array slot (side - 1): 0 White, 1 Black.
inline constexpr Side sideOfSlot(int slot) { return slot == 0 ? kWhite : kBlack; }
inline constexpr Side otherSide(Side side) { return side == kWhite ? kBlack : kWhite; }
inline constexpr int32_t homeRank(Side side) { return side == kWhite ? 0 : 7; }
// Picture position of a square inside the board frame.
inline constexpr int squareLeft(int x) { return kSquarePixels * x; }
inline constexpr int squareTop(int y) { return 280 - kSquarePixels * y; }
