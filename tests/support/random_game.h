// Random legal games for the record tests: drags among the moves the
// generators accept, with castlings and captures preferred so that a game of
// a few dozen moves holds several of each.
#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "game/board.h"
#include "game/castling_squares.h"
#include "game/game.h"
#include "game/moves.h"
#include "test_support.h"
#include "ui/program.h"

struct Drag {
  int fromX;
  int fromY;
  int toX;
  int toY;
  bool capture;
  bool castling;
};

// Every drag of `side` that its piece's generator accepts, plus the two
// castling drags while the king stands unmoved on its start square (castling
// itself may still refuse them). The generators run on a copy of the game.
inline std::vector<Drag> acceptedDrags(Side side) {
  const auto trial = std::make_unique<Game>(game);
  std::vector<Drag> drags;
  for (PieceKind kind : kKindOrder) {
    for (int i = 0; i < pieceCountOf(kind); ++i) {
      Piece* p = pieceOf(*trial, kind, side, i);
      if (p == nullptr || !p->onBoard) continue;
      for (int32_t code = 1; code <= moveCodeCount(kind); ++code) {
        trial->trialMode = true;
        const int32_t result = generateMove(*trial, kind, *p, code);
        const int tx = p->targetX;
        const int ty = p->targetY;
        cancelMove(*p);
        if (result != kMovePossible || !onBoardCoord(tx, ty)) continue;
        const bool capture = activeSide(squareAt(*trial, tx, ty)) == otherSide(side);
        drags.push_back(Drag{p->x, p->y, tx, ty, capture, false});
      }
    }
  }
  const Piece& king = game.pieces.kings[side - 1];
  const int r = homeRank(side);
  if (king.onBoard && !king.moved && king.x == kKingStartFile && king.y == r) {
    for (const CastlingSquares& c : kCastlings) drags.push_back(Drag{kKingStartFile, r, c.kingTo, r, false, true});
  }
  return drags;
}

// Drags the piece on the drag's start square as the mouse would. True when
// the move was made (the turn passed).
inline bool playDrag(const Drag& d) {
  const int picture = pictureAt(d.fromX, d.fromY);
  return picture != 0 && dragPicture(picture, d.toX, d.toY);
}

// A castling whenever one is offered (half the time); else, a third of the
// time, a knight, bishop or queen leaving the home rank (which opens the way
// for castling); else a capture two times in three when there is one; else
// any drag.
inline Drag pickDrag(const std::vector<Drag>& drags, std::mt19937& rng) {
  std::vector<Drag> castlings;
  std::vector<Drag> developing;
  std::vector<Drag> captures;
  for (const Drag& d : drags) {
    const Square& from = squareAt(game, d.fromX, d.fromY);
    const bool minor = from.kind == kKnight || from.kind == kBishop || from.kind == kQueen;
    if (d.castling) castlings.push_back(d);
    if (minor && d.fromY == homeRank(from.side) && !d.capture) developing.push_back(d);
    if (d.capture) captures.push_back(d);
  }
  if (!castlings.empty() && rng() % 2 == 0) return castlings[rng() % castlings.size()];
  if (!developing.empty() && rng() % 3 == 0) return developing[rng() % developing.size()];
  if (!captures.empty() && rng() % 3 != 0) return captures[rng() % captures.size()];
  return drags[rng() % drags.size()];
}

enum class RandomMove { Made, NoMove, Refused };

// Plays one random move of the side to move; castling drags that castling
// refuses are dropped and another drag is tried. The move made is stored in
// `made`; Refused means the driver refused a drag the generators accept.
inline RandomMove playRandomMove(std::mt19937& rng, Drag& made) {
  const Side side = game.sideToMove == kWhiteToMove ? kWhite : kBlack;
  std::vector<Drag> drags = acceptedDrags(side);
  while (!drags.empty()) {
    const Drag d = pickDrag(drags, rng);
    made = d;
    if (playDrag(d)) return RandomMove::Made;
    if (!d.castling) return RandomMove::Refused;
    std::erase_if(drags, [](const Drag& e) { return e.castling; });
  }
  return RandomMove::NoMove;
}
