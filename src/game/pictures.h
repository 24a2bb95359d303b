// Which picture shows which piece, and placing a moved piece's picture.
#pragma once

#include <cstdint>

// Board picture (Image1..Image32 of the main window) of a piece; 0 when the
// combination names no piece. Queen and king are found by kind alone.
int boardPictureOf(int32_t side, int32_t kind, int32_t index);

// The piece a board picture (1..32) stands for; the inverse of boardPictureOf.
struct PictureOwner {
  int32_t kind;
  int32_t side;
  int32_t index;
};
PictureOwner pictureOwner(int picture);

// Stock picture (Image33..Image56) holding the bitmap of a piece of this side
// and kind on a dark (parity 0) or light (parity 1) square; 0 for unknown kinds.
int stockPictureOf(int32_t side, int32_t kind, int32_t parity);

// Picture of the captured-pieces window that shows this piece; 0 if none.
int lostPictureOf(int32_t side, int32_t kind, int32_t index);

// Moves the picture of the piece in movingSide/movingKind/movingIndex to
// (left, top) with the bitmap for targetParity, returns its old place, and
// hands the turn to the other side. Nothing at all happens when movingSide is
// neither White nor Black.
void placePicture(int32_t left, int32_t top, int32_t& oldLeft, int32_t& oldTop);
