// What a player sees of a game and the counters that decide how it goes on,
// taken as one value so that a game can be compared with the same moves
// replayed from the start. Used by the take-back and saved-game tests.
#pragma once

#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "controls/controls.h"
#include "game/board.h"
#include "game/captures.h"
#include "test_support.h"

inline std::string squareName(int x, int y) {
  return std::string(1, static_cast<char>('a' + x)) + static_cast<char>('1' + y);
}

struct LostPicture {
  bool visible;
  int32_t left;
  int32_t top;
};

struct GameView {
  Board board;
  PieceSet pieces;
  PictureControl boardPictures[kBoardPictureCount + 1];
  LostPicture lostPictures[kLostPictureSlots];
  LostPiecePlacement whiteLost;
  LostPiecePlacement blackLost;
  int32_t moveCount;
  int32_t moveNumber;
  int32_t sideToMove;
  std::vector<std::string> list;
  std::vector<int> selectedLines;
  int32_t listSelection;  // the line the next move's highlight leaves
};

// A queen or king is found by its side alone, so the index written on its
// square means nothing (9 at start-up, 99 after a new game, whatever the mover
// passed after a move); it is left out of the comparison.
inline GameView viewOfGame() {
  GameView v{};
  v.board = board;
  for (Square& s : v.board.squares) {
    if (s.kind == kQueen || s.kind == kKing) s.index = kNoIndex;
    if (s.pendingKind == kQueen || s.pendingKind == kKing) s.pendingIndex = kNoIndex;
  }
  v.pieces = pieces;
  for (int n = 1; n <= kBoardPictureCount; ++n) v.boardPictures[n] = form1.image[n];
  // A hidden picture of the captured-pieces window shows nothing: only where
  // the visible ones stand matters.
  for (int n = 0; n < kLostPictureSlots; ++n) {
    const PictureControl& p = form3.image[n];
    v.lostPictures[n] = p.visible ? LostPicture{true, p.left, p.top} : LostPicture{false, 0, 0};
  }
  v.whiteLost = whiteLost;
  v.blackLost = blackLost;
  v.moveCount = moveCount;
  v.moveNumber = moveNumber;
  v.sideToMove = sideToMove;
  v.listSelection = listSelection;
  for (size_t i = 0; i < form1.listBox1.size(); ++i) {
    v.list.push_back(form1.listBox1[i].text);
    if (form1.listBox1[i].selected) v.selectedLines.push_back(static_cast<int>(i));
  }
  return v;
}

namespace game_view_detail {

inline std::string pieceText(const Piece& p) {
  std::ostringstream o;
  o << "(x " << p.x << " y " << p.y << " target " << p.targetX << "," << p.targetY << " side " << p.side << " atRest "
    << p.atRest << " onBoard " << int(p.onBoard) << " moved " << p.moved << " value " << p.value << ")";
  return o.str();
}

inline std::string squareText(const Square& s) {
  std::ostringstream o;
  o << "(stable " << s.stable << " kind " << s.kind << "/" << s.pendingKind << " side " << s.side << "/"
    << s.pendingSide << " index " << s.index << "/" << s.pendingIndex << ")";
  return o.str();
}

inline std::string pictureText(const PictureControl& p) {
  std::ostringstream o;
  o << "(" << p.left << "," << p.top << " bitmap " << p.bitmap << " visible " << p.visible << " enabled " << p.enabled
    << ")";
  return o.str();
}

inline std::string placementText(const LostPiecePlacement& p) {
  std::ostringstream o;
  o << "{" << p.x << "," << p.y << "," << p.row << "," << p.count << "," << p.odd << "}";
  return o.str();
}

inline std::string numbers(const std::vector<int>& v) {
  std::ostringstream o;
  for (int n : v) o << " " << n;
  return o.str();
}

}  // namespace game_view_detail

// The first difference between two views in words, empty when they agree.
inline std::string firstDifference(const GameView& a, const GameView& b) {
  using namespace game_view_detail;
  // Square and LostPiecePlacement hold int32 fields only; Piece and
  // PictureControl have padding and are compared through their texts.
  for (int i = 0; i < kSquareCount; ++i) {
    if (std::memcmp(&a.board.squares[i], &b.board.squares[i], sizeof(Square)) != 0) {
      return "square " + squareName(i / 8, i % 8) + ": " + squareText(a.board.squares[i]) + " vs " +
             squareText(b.board.squares[i]);
    }
  }
  const Piece* pa = &a.pieces.pawns[0][0];
  const Piece* pb = &b.pieces.pawns[0][0];
  for (size_t i = 0; i < sizeof(PieceSet) / sizeof(Piece); ++i) {
    if (pieceText(pa[i]) != pieceText(pb[i])) {
      return "piece record " + std::to_string(i) + ": " + pieceText(pa[i]) + " vs " + pieceText(pb[i]);
    }
  }
  for (int n = 1; n <= kBoardPictureCount; ++n) {
    if (pictureText(a.boardPictures[n]) != pictureText(b.boardPictures[n])) {
      return "Image" + std::to_string(n) + ": " + pictureText(a.boardPictures[n]) + " vs " +
             pictureText(b.boardPictures[n]);
    }
  }
  for (int n = 0; n < kLostPictureSlots; ++n) {
    const LostPicture& p = a.lostPictures[n];
    const LostPicture& q = b.lostPictures[n];
    if (p.visible != q.visible || p.left != q.left || p.top != q.top) return "Form3 Image" + std::to_string(n);
  }
  if (std::memcmp(&a.whiteLost, &b.whiteLost, sizeof(LostPiecePlacement)) != 0 ||
      std::memcmp(&a.blackLost, &b.blackLost, sizeof(LostPiecePlacement)) != 0) {
    return "lost-piece placement " + placementText(a.whiteLost) + placementText(a.blackLost) + " vs " +
           placementText(b.whiteLost) + placementText(b.blackLost);
  }
  std::ostringstream o;
  if (a.moveCount != b.moveCount || a.moveNumber != b.moveNumber || a.sideToMove != b.sideToMove) {
    o << "moveCount/moveNumber/sideToMove " << a.moveCount << "/" << a.moveNumber << "/" << a.sideToMove << " vs "
      << b.moveCount << "/" << b.moveNumber << "/" << b.sideToMove;
    return o.str();
  }
  for (size_t i = 0; i < a.list.size() || i < b.list.size(); ++i) {
    const std::string p = i < a.list.size() ? a.list[i] : "(none)";
    const std::string q = i < b.list.size() ? b.list[i] : "(none)";
    if (p != q) return "list line " + std::to_string(i) + " \"" + p + "\" vs \"" + q + "\"";
  }
  if (a.selectedLines != b.selectedLines) {
    return "selected lines" + numbers(a.selectedLines) + " vs" + numbers(b.selectedLines);
  }
  if (a.listSelection != b.listSelection) {
    return "listSelection " + std::to_string(a.listSelection) + " vs " + std::to_string(b.listSelection);
  }
  return {};
}

// White's material minus Black's, counted on the board (pawn 1, rook 4,
// knight 3, bishop 3, queen 8, king 2).
inline int32_t materialOnBoard() {
  auto sideSum = [](int s) {
    int32_t m = 0;
    for (const Piece& p : pieces.pawns[s]) m += p.onBoard == 1 ? 1 : 0;
    for (const Piece& p : pieces.rooks[s]) m += p.onBoard == 1 ? 4 : 0;
    for (const Piece& p : pieces.knights[s]) m += p.onBoard == 1 ? 3 : 0;
    for (const Piece& p : pieces.bishops[s]) m += p.onBoard == 1 ? 3 : 0;
    m += pieces.queens[s].onBoard == 1 ? 8 : 0;
    m += pieces.kings[s].onBoard == 1 ? 2 : 0;
    return m;
  };
  return sideSum(0) - sideSum(1);
}
