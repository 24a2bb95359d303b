// Taking a piece out of play (or putting it back), and the order in which
// the captured-pieces window shows the pieces taken.
#pragma once

#include <cstdint>

#include "game/types.h"

// Where the captured-pieces window placed the last lost piece of each side,
// and how its rows fill (two pictures a row).
struct LostPiecePlacement {
  int32_t x;
  int32_t y;
  int32_t row;    // row number for the next new row
  int32_t count;  // pictures in the current row
  int32_t odd;    // count mod 2: a second picture fits in the current row
};
constexpr LostPiecePlacement kWhiteLostStart{4, 34, 1, 0, 0};
constexpr LostPiecePlacement kBlackLostStart{50, 34, 1, 0, 0};
constexpr int32_t kWhiteLostRowLeft = 15;
constexpr int32_t kBlackLostRowLeft = 90;
constexpr int32_t kLostColumnStep = 35;
constexpr int32_t kLostRowStep = 34;

inline LostPiecePlacement whiteLost = kWhiteLostStart;
inline LostPiecePlacement blackLost = kBlackLostStart;

// The pieces the captured-pieces window shows, in the order they were taken
// (captures against the computer only). Take back removes a piece it gives
// back; the window is drawn from this list (showLostPieces).
struct LostPiece {
  PieceKind kind;
  Side side;
  int32_t index;  // 0 for the queen and the king
};
constexpr int kLostPieceCapacity = 32;  // every piece at most once
struct LostPieceOrder {
  int32_t count;
  LostPiece piece[kLostPieceCapacity];
};
inline LostPieceOrder lostOrder{};
inline int32_t capturedMovedWhite = 0;  // moved flag of the white pawn/rook/king taken last
inline int32_t capturedMovedBlack = 0;

// `show` values.
constexpr int32_t kShowCapture = 1;  // a real capture: the lost pieces follow
constexpr int32_t kSearchOnly = 2;   // the computer's trial: flags only

// Puts the state above back to its program-start values.
void initialiseCaptureState();
// The place of the next lost piece of one side: the second place of the
// current row, or the first of a new row.
void advancePlacement(LostPiecePlacement& p, int32_t rowLeft);
// Empties the captured-pieces window: no piece lost, placement at the start.
void resetLostPiecePlacement();
// Whether the piece is among the lost pieces shown, and how many of a side are.
bool isLostPieceShown(PieceKind kind, Side side, int32_t index);
int lostPiecesOf(Side side);
// Takes a piece given back out of the lost pieces.
void removeLostPiece(PieceKind kind, Side side, int32_t index);

// (pendingKind, kind, pendingSide, side, pendingIndex, index): the captured
// square's two layers; `layer` selects which one holds the piece.
// stillOnBoard false takes the piece off, true puts it back.
void takePiece(PieceKind pendingKind, PieceKind kind, Side pendingSide, Side side, int32_t pendingIndex, int32_t index,
               int32_t show, bool stillOnBoard, int32_t layer);
