// Position set-up for the rule and input tests, on the program's game unless
// a test gives its own.
#pragma once

#include <sstream>
#include <string>

#include "game/board.h"
#include "game/captures.h"
#include "game/game.h"
#include "game/pictures.h"
#include "input/board_input.h"
#include "input/move_driver.h"
#include "test_support.h"
#include "ui/program.h"
#include "ui/windows.h"

inline Square& squareNamed(const std::string& name, Game& g = game) { return squareAt(g, fileOf(name), rankOf(name)); }

// Empties every square and takes every piece off the board (pictures stay).
inline void clearBoard(Game& g = game) {
  for (Square& s : g.board.squares) {
    const int32_t weight = s.weight;
    s = Square{kCommittedLayer, kEmpty, kEmpty, kNoSide, kNoSide, kNoIndex, kNoIndex, weight};
  }
  for (int id = 0; id < kPieceCount; ++id) {
    Piece& p = pieceById(g.pieces, id);
    p.onBoard = false;
    p.atRest = 1;
    p.targetX = p.x;
    p.targetY = p.y;
  }
}

// Puts a piece at rest on a square as its committed occupant; the square it
// stood on before is emptied.
inline Piece& placePiece(PieceKind kind, Side side, int32_t index, const std::string& square, Game& g = game) {
  Piece& p = *pieceOf(g, kind, side, index);
  Square& old = squareAt(g, p.x, p.y);
  if (p.onBoard && old.kind == kind && old.side == side) clearSquare(old);
  p.x = p.targetX = fileOf(square);
  p.y = p.targetY = rankOf(square);
  p.side = side;
  p.atRest = 1;
  p.onBoard = true;
  Square& s = squareNamed(square, g);
  s.kind = kind;
  s.side = side;
  s.index = index;
  s.stable = kCommittedLayer;
  return p;
}

// Places pieces from a list such as "K9e1 Ra1 Rh1 ke8": the letter gives the
// kind (PRNBQK, upper case White), an optional number the index (else the
// next of that kind and side from 0, for queens and kings the start index 9),
// then the square. Pictures are left alone.
inline void placePieces(const std::string& list, Game& g = game) {
  int next[2][kKindCount] = {};
  std::istringstream in(list);
  std::string word;
  while (in >> word) {
    const char c = word[0];
    const Side side = c >= 'a' ? kBlack : kWhite;
    const int order = static_cast<int>(std::string("PRNBQK").find(static_cast<char>(c >= 'a' ? c - 'a' + 'A' : c)));
    const PieceKind kind = kKindOrder[order];
    const std::string number = word.substr(1, word.size() - 3);
    const int32_t fallback = kind == kQueen || kind == kKing ? 9 : next[side - 1][order]++;
    placePiece(kind, side, number.empty() ? fallback : std::stoi(number), word.substr(word.size() - 2), g);
  }
}

// Asks the driver of game `g` for a move such as "e2e4" of the piece that
// stands on its first square.
inline MoveOutcome playOn(Game& g, const std::string& move) {
  const Square from = squareAt(g, fileOf(move), rankOf(move));
  g.movingIndex = from.index;
  return requestMove(g, MoveRequest{from.kind, from.side, from.index, fileOf(move), rankOf(move),
                                    fileOf(move.substr(2)), rankOf(move.substr(2))});
}

// The same on an empty board.
inline void setUpPosition(const std::string& list, Game& g = game) {
  clearBoard(g);
  placePieces(list, g);
}

// A square's layers in short: the stable flag, then the committed and the
// pending occupant as a letter (PRNBQK, upper case White, '.' empty) and
// index, e.g. "1 K99 .99"; an occupant that is no piece shows as kind/side.
inline std::string layers(const std::string& square) {
  const Square& s = squareNamed(square);
  const auto occupant = [](PieceKind kind, Side side, int32_t index) {
    const int order = kindOrder(kind);
    std::string letter;
    if (kind == kEmpty && side == kNoSide) {
      letter = ".";
    } else if (order >= 0 && (side == kWhite || side == kBlack)) {
      letter = std::string(1, (side == kWhite ? "PRNBQK" : "prnbqk")[order]);
    } else {
      letter = std::to_string(kind) + "/" + std::to_string(side) + ":";
    }
    return letter + std::to_string(index);
  };
  return std::to_string(s.stable) + " " + occupant(s.kind, s.side, s.index) + " " +
         occupant(s.pendingKind, s.pendingSide, s.pendingIndex);
}

// A board picture in short: "left,top bitmap", with " hidden" when it is
// neither visible nor enabled and the two flags when they differ.
inline std::string pictureState(int n) {
  const PictureControl& p = windows.form1.image[n];
  std::string text = std::to_string(p.left) + "," + std::to_string(p.top) + " " + std::to_string(p.bitmap);
  if (!p.visible && !p.enabled) return text + " hidden";
  if (!p.visible || !p.enabled)
    text += " visible " + std::to_string(p.visible) + " enabled " + std::to_string(p.enabled);
  return text;
}

// A piece record in short: its square, "->target" while that differs, then
// the at-rest and moved flags, e.g. "e2->e4 rest 0 moved 1"; " off" when it
// is off the board.
inline std::string pieceState(const Piece& p) {
  std::string text = squareName(p.x, p.y);
  if (p.targetX != p.x || p.targetY != p.y) text += "->" + squareName(p.targetX, p.targetY);
  text += " rest " + std::to_string(p.atRest) + " moved " + std::to_string(p.moved);
  return p.onBoard ? text : text + " off";
}
