#include "engine/thinker.h"

namespace engine {

void Thinker::start(const Position& position, const SearchLimits& limits) {
  stop();
  wait();
  stop_.store(false);
  done_.store(false);
  busy_ = true;
  SearchLimits own = limits;
  own.stop = &stop_;
  worker_ = std::jthread([this, position, own] {
    result_ = searcher_.think(position, own);
    done_.store(true, std::memory_order_release);
  });
}

void Thinker::stop() {
  stop_.store(true);
  busy_ = false;
}

void Thinker::wait() {
  if (worker_.joinable()) worker_.join();
}

std::optional<SearchResult> Thinker::take() {
  if (!busy_ || !done_.load(std::memory_order_acquire)) return std::nullopt;
  worker_.join();
  busy_ = false;
  return result_;
}

}  // namespace engine
