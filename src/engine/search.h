// Level 4's search: iterative deepening alpha-beta with a quiescence search
// of captures, a transposition table and move ordering (the table's move,
// captures by victim and attacker, killer moves, history). The table is
// allocated once, when the searcher is made; the search itself allocates
// nothing.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "engine/position.h"

namespace engine {

constexpr int kMateScore = 30000;  // a king taken at the root; less one per ply
constexpr int kInfinity = 32000;
constexpr int kMaxPly = 96;

// The keys of the game's positions before the root that may come again (since
// the last move no later move can undo), oldest first: a search that comes
// back to one of them scores a draw.
struct EarlierPositions {
  uint64_t keys[kDrawQuietHalfMoves];
  int count = 0;
};

struct SearchLimits {
  int moveTimeMs = 1000;                    // hard limit; 0 for none
  int maxDepth = 64;                        // deepest iteration
  const std::atomic<bool>* stop = nullptr;  // set from elsewhere to stop at once
  EarlierPositions earlier{};               // copied with the limits: no thread shares them
};

struct SearchResult {
  Move best = kNoMove;  // kNoMove when the side has no move at all
  int score = 0;        // from the mover's view
  int depth = 0;        // deepest iteration completed
  uint64_t nodes = 0;
  bool stopped = false;  // the stop flag ended the search
};

// True when `score` says a king will be taken.
constexpr bool isKingCaptureScore(int score) { return score > kMateScore - 1000 || score < -kMateScore + 1000; }

class Searcher {
 public:
  explicit Searcher(int tableMegabytes = 16);
  SearchResult think(const Position& root, const SearchLimits& limits);
  void clear();  // forget the table, killers and history (a new game)

 private:
  struct Entry {
    uint64_t key;
    Move move;
    int16_t score;
    int8_t depth;
    uint8_t bound;
  };

  int search(Position& p, int depth, int alpha, int beta, int ply, bool allowNull);
  // A draw by the 50 moves, or a position seen before on the way here or in
  // the game with the same side to move.
  bool drawn(const Position& p) const;
  int quiesce(Position& p, int alpha, int beta, int ply, int qply);
  void order(const Position& p, MoveList& list, int* scores, Move ttMove, int ply) const;
  bool timeUp();
  Entry* probe(uint64_t key);
  void store(uint64_t key, Move move, int score, int depth, uint8_t bound, int ply);

  std::vector<Entry> table_;
  uint64_t mask_ = 0;
  Move killers_[kMaxPly + 1][2] = {};
  int history_[64][64] = {};
  // The keys of the positions from the game's earlier ones down to the one
  // being searched.
  uint64_t path_[kDrawQuietHalfMoves + kMaxPly + 2] = {};
  int pathCount_ = 0;
  uint64_t nodes_ = 0;
  bool aborted_ = false;
  int64_t deadlineNs_ = 0;
  const std::atomic<bool>* stop_ = nullptr;
};

}  // namespace engine
