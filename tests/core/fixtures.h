// Position set-up for the rule and input tests.
#pragma once

#include <string>

#include "controls/controls.h"
#include "game/board.h"
#include "game/captures.h"
#include "game/pictures.h"
#include "input/board_input.h"
#include "input/move_driver.h"
#include "test_support.h"

inline Square& squareNamed(const std::string& name) { return squareAt(fileOf(name), rankOf(name)); }

// Empties every square and takes every piece off the board (pictures stay).
inline void clearBoard() {
  for (Square& s : board.squares) {
    const int32_t weight = s.weight;
    s = Square{1, kEmpty, kEmpty, kNoSide, kNoSide, kNoIndex, kNoIndex, weight};
  }
  for (int id = 0; id < kPieceCount; ++id) {
    Piece& p = pieceById(pieces, id);
    p.onBoard = 0;
    p.atRest = 1;
    p.targetX = p.x;
    p.targetY = p.y;
  }
}

// Puts a piece at rest on a square as its committed occupant; the square it
// stood on before is emptied.
inline Piece& placePiece(int32_t kind, int32_t side, int32_t index, const std::string& square) {
  Piece& p = *pieceOf(kind, side, index);
  Square& old = squareAt(p.x, p.y);
  if (p.onBoard == 1 && old.kind == kind && old.side == side) clearSquare(old);
  p.x = p.targetX = fileOf(square);
  p.y = p.targetY = rankOf(square);
  p.side = side;
  p.atRest = 1;
  p.onBoard = 1;
  Square& s = squareNamed(square);
  s.kind = kind;
  s.side = side;
  s.index = index;
  s.stable = 1;
  return p;
}

// Board pictures follow the piece records: on their square with the bitmap
// of its colour, hidden when the piece is off the board.
inline void syncPictures() {
  for (int n = 1; n <= kBoardPictureCount; ++n) {
    const PictureOwner o = pictureOwner(n);
    const Piece* p = pieceOf(o.kind, o.side, o.index);
    PictureControl& pic = form1.image[n];
    pic.left = squareLeft(p->x);
    pic.top = squareTop(p->y);
    pic.bitmap = stockPictureOf(o.side, o.kind, (p->x + p->y) % 2);
    pic.visible = pic.enabled = p->onBoard == 1;
  }
}
