#include "computer/level_four.h"

#include "engine/thinker.h"
#include "game/board.h"
#include "game/castling_squares.h"
#include "game/draws.h"
#include "game/game.h"
#include "input/move_codes.h"

// The searcher and its thread, and the position the running search started
// from.
struct LevelFour::Engine {
  engine::Searcher searcher;
  engine::Thinker thinker{searcher};
  engine::Position thinkingAbout{};
};

LevelFour::LevelFour() = default;
LevelFour::~LevelFour() = default;

LevelFour::Engine& LevelFour::engine() {
  if (!engine_) engine_ = std::make_unique<Engine>();
  return *engine_;
}

engine::Position positionFromGame(const Game& game) {
  int8_t squares[engine::kPieces];
  for (int id = 0; id < engine::kPieces; ++id) {
    const Piece& g = pieceById(game.pieces, id);
    squares[id] = g.onBoard ? int8_t(engine::sq(g.x, g.y)) : engine::kNone;
  }
  // A right is open while king and rook stand unmoved on their start squares.
  uint8_t rights = 0;
  for (int colour = 0; colour < 2; ++colour) {
    const Piece& king = game.pieces.kings[colour];
    const int r = colour == 0 ? 0 : 7;
    if (!king.onBoard || king.moved || king.x != kKingStartFile || king.y != r) continue;
    for (const CastlingSquares& c : kCastlings) {
      const Piece& rook = game.pieces.rooks[colour][c.rookIndex];
      if (!rook.onBoard || rook.moved || rook.x != c.rookFrom || rook.y != r) continue;
      const uint8_t bit = c.code == kShortCastling ? engine::kWhiteShort : engine::kWhiteLong;
      rights |= uint8_t(colour == 0 ? bit : bit << 2);
    }
  }
  engine::Position p = engine::positionFromSquares(squares, rights, sideToPlay(game) == kWhite ? 0 : 1);
  const int32_t quiet = quietHalfMoves(game);
  p.quiet = uint8_t(quiet < 255 ? quiet : 255);
  return p;
}

engine::EarlierPositions earlierPositions(const Game& game) {
  engine::EarlierPositions earlier{};
  const engine::Position now = positionFromGame(game);
  int8_t squares[engine::kPieces];
  for (int id = 0; id < engine::kPieces; ++id) squares[id] = now.square[id];
  int8_t board[64];
  for (int s = 0; s < 64; ++s) board[s] = now.board[s];
  const int32_t reversible = reversibleHalfMoves(game);
  const int count = reversible < engine::kDrawQuietHalfMoves ? reversible : engine::kDrawQuietHalfMoves;
  // Walked back move by move: the position before each, its mover to move.
  for (int back = 0; back < count; ++back) {
    const HalfMoveRecord& h = *halfMoveBack(game, back);
    const int from = engine::sq(h.fromX, h.fromY);
    const int to = engine::sq(h.toX, h.toY);
    const int8_t id = board[to];
    board[from] = id;
    board[to] = engine::kNone;
    if (id != engine::kNone) squares[id] = int8_t(from);
    const int colour = (now.colour + back + 1) % 2;
    earlier.keys[count - 1 - back] = engine::positionFromSquares(squares, now.castling, colour).key;
  }
  earlier.count = count;
  return earlier;
}

MoveRequest requestFromEngine(const engine::Position& p, engine::Move m) {
  const int id = p.board[engine::moveFrom(m)];
  const PieceKind kind = pieceKindOf(id);
  const bool royal = kind == kQueen || kind == kKing;
  const int32_t index = royal ? kNoIndex : id < 16 ? id % 8 : id % 2;
  return MoveRequest{kind,
                     pieceSideOf(id),
                     index,
                     engine::fileOf(engine::moveFrom(m)),
                     engine::rankOf(engine::moveFrom(m)),
                     engine::fileOf(engine::moveTo(m)),
                     engine::rankOf(engine::moveTo(m))};
}

Thought LevelFour::think(Game& game) {
  Engine& e = engine();
  engine::Thinker& t = e.thinker;
  const engine::Position now = positionFromGame(game);
  if (t.busy() && now.key != e.thinkingAbout.key) t.stop();  // the game moved on: think again
  if (!t.busy()) {
    e.thinkingAbout = now;
    t.start(now, engine::SearchLimits{moveMs, 64, nullptr, earlierPositions(game)});
    game.dropsRefused = true;
    return Thought{true, std::nullopt};
  }
  const std::optional<engine::SearchResult> result = t.take();
  if (!result) return Thought{true, std::nullopt};
  game.dropsRefused = false;
  if (result->best == engine::kNoMove) return Thought{false, std::nullopt};
  return Thought{false, requestFromEngine(e.thinkingAbout, result->best)};
}

bool LevelFour::thinking() const { return engine_ && engine_->thinker.busy(); }

void LevelFour::stop(Game& game) {
  if (engine_) engine_->thinker.stop();
  game.dropsRefused = false;
}

std::optional<MoveRequest> LevelFour::chooseNow(Game& game, int moveTimeMs, engine::SearchResult* info) {
  stop(game);
  Engine& e = engine();
  e.thinker.wait();  // the searcher is free again
  const engine::Position now = positionFromGame(game);
  const engine::SearchResult result =
      e.searcher.think(now, engine::SearchLimits{moveTimeMs, 64, nullptr, earlierPositions(game)});
  if (info != nullptr) *info = result;
  if (result.best == engine::kNoMove) return std::nullopt;
  return requestFromEngine(now, result.best);
}
