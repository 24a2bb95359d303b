#include "engine/search.h"

#include <chrono>
#include <utility>

#include "engine/evaluation.h"

namespace engine {

namespace {

constexpr uint8_t kExact = 0, kLower = 1, kUpper = 2;
constexpr int kCheckEvery = 1023;  // nodes between looks at the clock and the stop flag

int64_t nowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

bool isCapture(const Position& p, Move m) { return p.board[moveTo(m)] != kNone; }

// Mate-like scores are stored relative to the node, not to the root.
int toTable(int score, int ply) {
  if (score > kMateScore - 1000) return score + ply;
  if (score < -kMateScore + 1000) return score - ply;
  return score;
}
int fromTable(int score, int ply) {
  if (score > kMateScore - 1000) return score - ply;
  if (score < -kMateScore + 1000) return score + ply;
  return score;
}

// Selection sort step: brings the best remaining move to index i.
void pickNext(MoveList& list, int* scores, int i) {
  int best = i;
  for (int j = i + 1; j < list.count; ++j) {
    if (scores[j] > scores[best]) best = j;
  }
  std::swap(list.moves[i], list.moves[best]);
  std::swap(scores[i], scores[best]);
}

}  // namespace

Searcher::Searcher(int tableMegabytes) {
  size_t entries = 1;
  while (entries * 2 * sizeof(Entry) <= size_t(tableMegabytes) * 1024 * 1024) entries *= 2;
  table_.assign(entries, Entry{});
  mask_ = entries - 1;
}

void Searcher::clear() {
  std::fill(table_.begin(), table_.end(), Entry{});
  for (auto& k : killers_) k[0] = k[1] = kNoMove;
  for (auto& row : history_)
    for (int& h : row) h = 0;
}

Searcher::Entry* Searcher::probe(uint64_t key) {
  Entry& e = table_[key & mask_];
  return e.key == key ? &e : nullptr;
}

void Searcher::store(uint64_t key, Move move, int score, int depth, uint8_t bound, int ply) {
  Entry& e = table_[key & mask_];
  if (e.key == key && depth < e.depth && bound != kExact) return;
  if (move == kNoMove && e.key == key) move = e.move;
  e = Entry{key, move, int16_t(toTable(score, ply)), int8_t(depth), bound};
}

bool Searcher::timeUp() {
  if ((nodes_ & kCheckEvery) != 0) return aborted_;
  if ((stop_ != nullptr && stop_->load(std::memory_order_relaxed)) || (deadlineNs_ != 0 && nowNs() > deadlineNs_)) {
    aborted_ = true;
  }
  return aborted_;
}

void Searcher::order(const Position& p, MoveList& list, int* scores, Move ttMove, int ply) const {
  for (int i = 0; i < list.count; ++i) {
    const Move m = list.moves[i];
    const int victim = p.board[moveTo(m)];
    if (m == ttMove) {
      scores[i] = 1 << 30;
    } else if (victim != kNone) {
      const int kind = kindOfPiece(victim);
      // A king capture first of all, then by victim and attacker.
      scores[i] = (1 << 28) + (kind == kK ? 1 << 20 : 0) + kind * 16 - kindOfPiece(p.board[moveFrom(m)]);
    } else if (m == killers_[ply][0]) {
      scores[i] = (1 << 27) + 1;
    } else if (m == killers_[ply][1]) {
      scores[i] = 1 << 27;
    } else {
      scores[i] = history_[moveFrom(m)][moveTo(m)];
    }
  }
}

int Searcher::quiesce(Position& p, int alpha, int beta, int ply, int qply) {
  ++nodes_;
  if (timeUp()) return 0;
  if (canTakeKing(p)) return kMateScore - ply;
  if (ply >= kMaxPly) return evaluate(p);
  // With its own king attacked a side must not stand pat: every move is tried
  // near the horizon, captures only further out.
  const bool evading = qply < 2 && kingAttacked(p, p.colour);
  if (!evading) {
    const int standPat = evaluate(p);
    if (standPat >= beta) return standPat;
    if (standPat > alpha) alpha = standPat;
  }
  MoveList list;
  generateMoves(p, list, !evading);
  int scores[kMaxMoves];
  order(p, list, scores, kNoMove, ply);
  int best = evading ? -kMateScore + ply : alpha;
  for (int i = 0; i < list.count; ++i) {
    pickNext(list, scores, i);
    Undo u;
    make(p, list.moves[i], u);
    const int score = -quiesce(p, -beta, -alpha, ply + 1, qply + 1);
    unmake(p, list.moves[i], u);
    if (aborted_) return 0;
    if (score > best) best = score;
    if (score > alpha) {
      alpha = score;
      if (alpha >= beta) break;
    }
  }
  return best;
}

bool Searcher::drawn(const Position& p) const {
  if (p.quiet >= kDrawQuietHalfMoves) return true;
  const int reach = p.quiet < pathCount_ ? p.quiet : pathCount_;
  for (int back = 2; back <= reach; back += 2) {
    if (path_[pathCount_ - back] == p.key) return true;
  }
  return false;
}

namespace {

// Keeps a position's key on the path while its moves are searched.
class OnPath {
 public:
  OnPath(uint64_t* path, int& count, uint64_t key) : count_(count) { path[count_++] = key; }
  ~OnPath() { --count_; }
  OnPath(const OnPath&) = delete;
  OnPath& operator=(const OnPath&) = delete;

 private:
  int& count_;
};

}  // namespace

int Searcher::search(Position& p, int depth, int alpha, int beta, int ply, bool allowNull) {
  ++nodes_;
  if (timeUp()) return 0;
  if (canTakeKing(p)) return kMateScore - ply;
  if (drawn(p)) return 0;
  if (ply >= kMaxPly) return evaluate(p);
  const OnPath onPath(path_, pathCount_, p.key);
  const bool inCheck = kingAttacked(p, p.colour);
  if (inCheck) ++depth;
  if (depth <= 0) {
    --nodes_;
    return quiesce(p, alpha, beta, ply, 0);
  }
  const bool pvNode = beta - alpha > 1;
  Move ttMove = kNoMove;
  if (const Entry* e = probe(p.key)) {
    ttMove = e->move;
    if (!pvNode && e->depth >= depth) {
      const int score = fromTable(e->score, ply);
      if (e->bound == kExact || (e->bound == kLower && score >= beta) || (e->bound == kUpper && score <= alpha)) {
        return score;
      }
    }
  }
  // Null move: if passing still holds beta, the position is good enough.
  if (allowNull && !pvNode && !inCheck && depth >= 3) {
    int material = 0;
    for (int id = 0; id < kPieces; ++id) {
      const int kind = kindOfPiece(id);
      if (p.square[id] != kNone && colourOfPiece(id) == p.colour && kind != kP && kind != kK) ++material;
    }
    if (material > 0 && evaluate(p) >= beta) {
      const uint8_t quiet = makeNull(p);
      const int score = -search(p, depth - 3 - depth / 6, -beta, -beta + 1, ply + 1, false);
      unmakeNull(p, quiet);
      if (aborted_) return 0;
      if (score >= beta && !isKingCaptureScore(score)) return beta;
    }
  }
  MoveList list;
  generateMoves(p, list);
  if (list.count == 0) return 0;
  int scores[kMaxMoves];
  order(p, list, scores, ttMove, ply);
  int best = -kInfinity;
  Move bestMove = kNoMove;
  const int startAlpha = alpha;
  for (int i = 0; i < list.count; ++i) {
    pickNext(list, scores, i);
    const Move m = list.moves[i];
    const bool quiet = !isCapture(p, m);
    Undo u;
    make(p, m, u);
    int score = 0;
    if (i == 0) {
      score = -search(p, depth - 1, -beta, -alpha, ply + 1, true);
    } else {
      // Late quiet moves are searched a ply shallower first.
      const int reduction = quiet && !inCheck && depth >= 3 && i >= 4 ? (i >= 12 ? 2 : 1) : 0;
      score = -search(p, depth - 1 - reduction, -alpha - 1, -alpha, ply + 1, true);
      if (score > alpha && reduction > 0) score = -search(p, depth - 1, -alpha - 1, -alpha, ply + 1, true);
      if (score > alpha && score < beta) score = -search(p, depth - 1, -beta, -alpha, ply + 1, true);
    }
    unmake(p, m, u);
    if (aborted_) return 0;
    if (score > best) {
      best = score;
      bestMove = m;
    }
    if (score > alpha) {
      alpha = score;
      if (alpha >= beta) {
        if (quiet) {
          if (killers_[ply][0] != m) {
            killers_[ply][1] = killers_[ply][0];
            killers_[ply][0] = m;
          }
          int& h = history_[moveFrom(m)][moveTo(m)];
          h += depth * depth;
          if (h > (1 << 26)) {
            for (auto& row : history_)
              for (int& v : row) v /= 2;
          }
        }
        break;
      }
    }
  }
  const uint8_t bound = best >= beta ? kLower : best > startAlpha ? kExact : kUpper;
  store(p.key, bestMove, best, depth, bound, ply);
  return best;
}

SearchResult Searcher::think(const Position& root, const SearchLimits& limits) {
  const int64_t start = nowNs();
  nodes_ = 0;
  aborted_ = false;
  stop_ = limits.stop;
  deadlineNs_ = limits.moveTimeMs > 0 ? start + int64_t(limits.moveTimeMs) * 1000000 : 0;
  for (auto& k : killers_) k[0] = k[1] = kNoMove;
  for (auto& row : history_)
    for (int& h : row) h /= 8;

  Position p = root;
  pathCount_ = 0;
  for (int i = 0; i < limits.earlier.count && i < kDrawQuietHalfMoves; ++i)
    path_[pathCount_++] = limits.earlier.keys[i];
  const OnPath onPath(path_, pathCount_, p.key);
  SearchResult result;
  MoveList list;
  generateMoves(p, list);
  if (list.count == 0) return result;
  // A king that can be taken is taken.
  for (int i = 0; i < list.count; ++i) {
    const int victim = p.board[moveTo(list.moves[i])];
    if (victim != kNone && kindOfPiece(victim) == kK) {
      result.best = list.moves[i];
      result.score = kMateScore;
      return result;
    }
  }
  result.best = list.moves[0];
  int scores[kMaxMoves];
  for (int depth = 1; depth <= limits.maxDepth && depth < kMaxPly; ++depth) {
    Move ttMove = result.best;
    order(p, list, scores, ttMove, 0);
    int alpha = -kInfinity;
    const int beta = kInfinity;
    Move iterationBest = kNoMove;
    int iterationScore = -kInfinity;
    for (int i = 0; i < list.count; ++i) {
      pickNext(list, scores, i);
      const Move m = list.moves[i];
      Undo u;
      make(p, m, u);
      int score = 0;
      if (i == 0) {
        score = -search(p, depth - 1, -beta, -alpha, 1, true);
      } else {
        score = -search(p, depth - 1, -alpha - 1, -alpha, 1, true);
        if (score > alpha && !aborted_) score = -search(p, depth - 1, -beta, -alpha, 1, true);
      }
      unmake(p, m, u);
      if (aborted_) break;
      if (score > alpha) {
        alpha = score;
        iterationBest = m;
        iterationScore = score;
      }
    }
    // A stopped iteration still counts with a move it has fully searched.
    if (iterationBest != kNoMove) {
      result.best = iterationBest;
      result.score = iterationScore;
      store(p.key, iterationBest, iterationScore, depth, kExact, 0);
    }
    if (aborted_) break;
    result.depth = depth;
    // A king capture found either way cannot change with more depth.
    if (isKingCaptureScore(result.score)) break;
    // Another iteration would not finish in the time left.
    if (deadlineNs_ != 0 && nowNs() - start > (deadlineNs_ - start) / 2) break;
  }
  result.nodes = nodes_;
  result.stopped = stop_ != nullptr && stop_->load();
  return result;
}

}  // namespace engine
