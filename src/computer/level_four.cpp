#include "computer/level_four.h"

#include "engine/thinker.h"
#include "game/board.h"
#include "game/castling_squares.h"
#include "game/game.h"
#include "input/board_input.h"
#include "input/move_driver.h"

namespace {

// The program's searcher and its thread, made on first use (the table is
// allocated then, once).
struct Engine {
  engine::Searcher searcher;
  engine::Thinker thinker{searcher};
  engine::Position thinkingAbout{};  // the position the running search started from
};
bool engineMade = false;
Engine& theEngine() {
  static Engine e;
  engineMade = true;
  return e;
}
}  // namespace

ChosenMove chosenFromEngine(const engine::Position& p, engine::Move m) {
  const int id = p.board[engine::moveFrom(m)];
  const PieceKind kind = pieceKindOf(id);
  const Side side = pieceSideOf(id);
  const int32_t fromX = engine::fileOf(engine::moveFrom(m));
  const int32_t fromY = engine::rankOf(engine::moveFrom(m));
  const int32_t toX = engine::fileOf(engine::moveTo(m));
  const int32_t toY = engine::rankOf(engine::moveTo(m));
  const bool royal = kind == kQueen || kind == kKing;
  const int32_t index = royal ? kNoIndex : id < 16 ? id % 8 : id % 2;
  int32_t code = moveCodeFor(kind, side, toX - fromX, toY - fromY);
  if (engine::moveFlag(m) != engine::kPlain) code = castlingCodeForKingTo(toX);
  return ChosenMove{kind, toX, toY, fromX, fromY, index, code};
}

Thought thinkLevelFour(Game& game, ChosenMove& move) {
  Engine& e = theEngine();
  engine::Thinker& t = e.thinker;
  const engine::Position now = engine::positionFromGame(game);
  if (t.busy() && now.key != e.thinkingAbout.key) t.stop();  // the game moved on: think again
  if (!t.busy()) {
    e.thinkingAbout = now;
    t.start(now, engine::SearchLimits{levelFourMoveMs, 64, nullptr});
    game.dropsRefused = true;
    return Thought::Thinking;
  }
  const std::optional<engine::SearchResult> result = t.take();
  if (!result) return Thought::Thinking;
  game.dropsRefused = false;
  if (result->best == engine::kNoMove) return Thought::NoMove;
  move = chosenFromEngine(e.thinkingAbout, result->best);
  return Thought::Ready;
}

bool levelFourThinking() { return engineMade && theEngine().thinker.busy(); }

void stopLevelFour(Game& game) {
  if (engineMade) theEngine().thinker.stop();
  game.dropsRefused = false;
}

bool chooseEngineMove(Game& game, int moveTimeMs, ChosenMove& move, engine::SearchResult* info) {
  stopLevelFour(game);
  theEngine().thinker.wait();  // the searcher is free again
  const engine::Position now = engine::positionFromGame(game);
  const engine::SearchResult result = theEngine().searcher.think(now, engine::SearchLimits{moveTimeMs, 64, nullptr});
  if (info != nullptr) *info = result;
  if (result.best == engine::kNoMove) return false;
  move = chosenFromEngine(now, result.best);
  return true;
}
