// Which picture shows which piece: the board pictures, the stock bitmaps and
// the captured-pieces window's pictures.
#pragma once

#include <cstdint>

#include "controls/controls.h"
#include "game/game.h"
#include "game/types.h"

// The piece a board picture (Image1..Image32 of the main window) stands for;
// no side for any other number. Queen and king have index 0.
struct PictureOwner {
  PieceKind kind;
  Side side;
  int32_t index;
};
PictureOwner pictureOwner(int picture);

// The stock pictures Image33..Image56 of the main window: what each one's
// bitmap shows, a piece of a kind and side on a dark (parity 0) or light
// (parity 1) square.
struct StockPicture {
  PieceKind kind;
  Side side;
  int32_t parity;
};
constexpr int kStockPictureCount = 24;
constexpr StockPicture kStockPictures[kStockPictureCount] = {
    {kPawn, kWhite, 0},  {kRook, kWhite, 0},   {kKnight, kWhite, 0}, {kBishop, kWhite, 0}, {kQueen, kWhite, 0},
    {kKing, kWhite, 0},  {kPawn, kBlack, 0},   {kRook, kBlack, 0},   {kKnight, kBlack, 0}, {kBishop, kBlack, 0},
    {kQueen, kBlack, 0}, {kKing, kBlack, 0},   {kPawn, kWhite, 1},   {kPawn, kBlack, 1},   {kRook, kWhite, 1},
    {kRook, kBlack, 1},  {kKnight, kWhite, 1}, {kKnight, kBlack, 1}, {kBishop, kWhite, 1}, {kBishop, kBlack, 1},
    {kQueen, kWhite, 1}, {kQueen, kBlack, 1},  {kKing, kWhite, 1},   {kKing, kBlack, 1},
};

// Stock picture (Image33..Image56) holding the bitmap of a piece of this side
// and kind on a dark (parity 0) or light (parity 1) square; 0 for unknown kinds.
int stockPictureOf(Side side, PieceKind kind, int32_t parity);

// Picture of the captured-pieces window that shows this piece; 0 if none.
int lostPictureOf(Side side, PieceKind kind, int32_t index);
