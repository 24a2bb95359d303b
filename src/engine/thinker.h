// Level 4 thinking on a thread of its own: the search runs on a copy of the
// position while the caller's thread goes on; the caller polls for the
// result. Stopping raises the stop flag and drops the result at once; the
// thread sees the flag within a thousand nodes or so (well under a
// millisecond of its time) and ends. The next start, the destructor and
// wait() join it, so the searcher is never used by two threads.
#pragma once

#include <atomic>
#include <optional>
#include <thread>

#include "engine/search.h"

namespace engine {

class Thinker {
 public:
  explicit Thinker(Searcher& searcher) : searcher_(searcher) {}
  ~Thinker() {
    stop();
    wait();
  }
  Thinker(const Thinker&) = delete;
  Thinker& operator=(const Thinker&) = delete;

  // Starts thinking about `position` (a search still running is stopped
  // first and its result dropped).
  void start(const Position& position, const SearchLimits& limits);
  // Stops the search without waiting; its result is never handed out.
  void stop();
  // Waits until the thread has ended (after stop(): a moment).
  void wait();
  // True from start until the result has been taken or the search stopped.
  bool busy() const { return busy_; }
  // The result once the search has finished, exactly once; nothing before.
  std::optional<SearchResult> take();

 private:
  Searcher& searcher_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> done_{false};
  bool busy_ = false;
  SearchResult result_;
  std::jthread worker_;
};

}  // namespace engine
