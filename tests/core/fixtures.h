// Position set-up and whole-state comparison for the rule and input tests.
#pragma once

#include <cstring>
#include <string>
#include <vector>

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
  Piece* all = &pieces.pawns[0][0];
  for (size_t i = 0; i < sizeof(PieceSet) / sizeof(Piece); ++i) {
    all[i].onBoard = 0;
    all[i].atRest = 1;
    all[i].targetX = all[i].x;
    all[i].targetY = all[i].y;
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

inline bool samePicture(const PictureControl& a, const PictureControl& b) {
  return a.left == b.left && a.top == b.top && a.bitmap == b.bitmap && a.visible == b.visible && a.enabled == b.enabled;
}

// Everything a move may change, for "nothing changed" comparisons. The
// generators' scratch outputs (probe, lastTry, ...) and the computer's timer
// are left out.
struct WholeState {
  Snapshot state;
  std::vector<ListLine> list;
  PictureControl board[kLastStockPicture + 1];
  Form3Controls lost;
  bool mate;
  bool checkNotice;
  int32_t sideToMove;
  int32_t moveCount;
  int32_t moveNumber;
  int32_t listSelection;
  int32_t gameSaved;
  HalfMoveRecord nextWhite;
  HalfMoveRecord nextBlack;
};

inline WholeState wholeState() {
  WholeState v{
      snapshot(),    form1.listBox1, {}, form3, form1.label20Visible, form2.visible, sideToMove, moveCount, moveNumber,
      listSelection, gameSaved,      {}, {}};
  std::memcpy(v.board, form1.image, sizeof v.board);
  if (moveCount < kHistoryCapacity) {
    v.nextWhite = history[moveCount].white;
    v.nextBlack = history[moveCount].black;
  }
  return v;
}

// Empty when both views agree, else the first difference found.
inline std::string stateDifference(const WholeState& a, const WholeState& b) {
  if (!sameState(a.state, b.state)) return "board or pieces";
  if (a.list.size() != b.list.size()) return "list length";
  for (size_t i = 0; i < a.list.size(); ++i) {
    if (a.list[i].text != b.list[i].text || a.list[i].selected != b.list[i].selected) {
      return "list line " + std::to_string(i);
    }
  }
  for (int n = 1; n <= kLastStockPicture; ++n) {
    if (!samePicture(a.board[n], b.board[n])) return "picture " + std::to_string(n);
  }
  if (a.lost.visible != b.lost.visible) return "Form3 visibility";
  for (int n = 0; n < kLostPictureSlots; ++n) {
    if (!samePicture(a.lost.image[n], b.lost.image[n])) return "Form3 picture " + std::to_string(n);
  }
  if (a.mate != b.mate) return "MAT label";
  if (a.checkNotice != b.checkNotice) return "check notice";
  if (a.sideToMove != b.sideToMove) return "sideToMove";
  if (a.moveCount != b.moveCount || a.moveNumber != b.moveNumber) return "move counters";
  if (a.listSelection != b.listSelection) return "listSelection";
  if (a.gameSaved != b.gameSaved) return "gameSaved";
  if (std::memcmp(&a.nextWhite, &b.nextWhite, sizeof a.nextWhite) != 0 ||
      std::memcmp(&a.nextBlack, &b.nextBlack, sizeof a.nextBlack) != 0) {
    return "history";
  }
  return {};
}
