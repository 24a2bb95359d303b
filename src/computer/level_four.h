// Level 4: the engine's move for the side to move, thought out either on a
// thread of its own while the window lives (the timer polls for it) or at
// once for tests and tools. Its owner, `LevelFour`, holds the searcher (its
// table allocated once, on first use), the thread it thinks on, the move time
// and the count of refused moves. The move comes back as a request for the
// move driver, as the other levels give theirs.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "engine/position.h"
#include "engine/search.h"
#include "game/game.h"
#include "input/move_driver.h"

// The game's position as the engine sees it, between moves (pieces at rest),
// with its count of quiet half-moves.
engine::Position positionFromGame(const Game& game);
// The game's earlier positions that may come again, for the search to score
// a return to one of them as a draw.
engine::EarlierPositions earlierPositions(const Game& game);

// The engine's move in the driver's terms.
MoveRequest requestFromEngine(const engine::Position& p, engine::Move m);

// What thinking on the timer gave: still thinking, or done with the move (none
// when the side to move has no move).
struct Thought {
  bool thinking;
  std::optional<MoveRequest> move;
};

class LevelFour {
 public:
  LevelFour();
  ~LevelFour();
  LevelFour(const LevelFour&) = delete;
  LevelFour& operator=(const LevelFour&) = delete;

  // Thinking time of a move: with the timer's tick, about a second. Tests
  // shorten it.
  int32_t moveMs = 1000;
  // Engine moves that the move driver refused; level 3's choice (the hint's
  // for White) is played instead. Any at all is a fault.
  int32_t refusals = 0;

  // Starts thinking about the game's position when idle (drops are refused
  // meanwhile), and gives the move once the search is over.
  Thought think(Game& game);
  // True while a search runs or waits to be taken.
  bool thinking() const;
  // Stops a running search (its thread ends within a millisecond or so) and
  // returns at once; its move is never handed out.
  void stop(Game& game);
  // Thinks for `moveTimeMs` on this thread about the side to move; none when
  // it has no move. `info` (when given) receives the search's figures.
  std::optional<MoveRequest> chooseNow(Game& game, int moveTimeMs, engine::SearchResult* info = nullptr);

 private:
  struct Engine;
  Engine& engine();
  std::unique_ptr<Engine> engine_;
};
