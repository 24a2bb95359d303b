// Benchmarks of the computer player: attack maps, one-ply search and the
// three levels on positions of the signature set; level 4's engine.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "computer/computer_turn.h"
#include "computer/search.h"
#include "controls/controls.h"
#include "engine/search.h"
#include "game/attack_maps.h"
#include "game/board.h"
#include "game/game.h"
#include "signature.h"
#include "ui/program.h"

namespace {

// A position of the signature set by name; an unknown name stops the run
// rather than timing some other position.
const SignaturePosition& position(const std::string& name) {
  if (const SignaturePosition* p = signaturePosition(name)) return *p;
  std::fprintf(stderr, "dedivud_bench: no position named \"%s\"\n", name.c_str());
  std::exit(1);
}

// A sparse endgame: kings, a rook each and a few pawns, reached by clearing
// the board of a fresh game.
void setUpSparseEndgame() {
  setUpPosition(position("start"), 1);
  auto takeOff = [](Piece& p) {
    squareAt(game, p.x, p.y) =
        Square{kCommittedLayer, kEmpty, kEmpty, kNoSide, kNoSide, kNoIndex, kNoIndex, squareAt(game, p.x, p.y).weight};
    p.onBoard = false;
  };
  for (int s = 0; s < 2; ++s) {
    for (int i = 0; i < 8; ++i) {
      if (i % 3 != 0) takeOff(game.pieces.pawns[s][i]);
    }
    for (int i = 0; i < 2; ++i) {
      takeOff(game.pieces.knights[s][i]);
      takeOff(game.pieces.bishops[s][i]);
    }
    takeOff(game.pieces.rooks[s][0]);
    takeOff(game.pieces.queens[s]);
  }
}

void BM_buildAttackMaps(benchmark::State& state, const char* name) {
  if (std::string(name) == "sparse-endgame") {
    setUpSparseEndgame();
  } else {
    setUpPosition(position(name), 1);
  }
  for (auto _ : state) {
    buildAttackMaps(game);
    benchmark::DoNotOptimize(game.attacks.attackSum);
  }
}
BENCHMARK_CAPTURE(BM_buildAttackMaps, start, "start");

// The summary the search builds for each starting position (no full lists).
void BM_buildAttackSummary(benchmark::State& state, const char* name) {
  setUpPosition(position(name), 1);
  for (auto _ : state) {
    buildAttackSummary(game);
    benchmark::DoNotOptimize(game.attacks.attackPacked);
  }
}
BENCHMARK_CAPTURE(BM_buildAttackSummary, start, "start");
BENCHMARK_CAPTURE(BM_buildAttackSummary, middlegame, "open-game");
BENCHMARK_CAPTURE(BM_buildAttackMaps, middlegame, "open-game");
BENCHMARK_CAPTURE(BM_buildAttackMaps, endgame, "sparse-endgame");

// One-ply search; the counter reports candidate evaluations per second.
void BM_searchSide(benchmark::State& state, const char* name) {
  setUpPosition(position(name), 1);
  const int64_t before = evaluationCount;
  for (auto _ : state) {
    searchSide(game, computer, kBlack, 9);
  }
  state.counters["evaluations/s"] =
      benchmark::Counter(static_cast<double>(evaluationCount - before), benchmark::Counter::kIsRate);
}
BENCHMARK_CAPTURE(BM_searchSide, kings_pawn, "kings-pawn");
BENCHMARK_CAPTURE(BM_searchSide, middlegame, "open-game");
BENCHMARK_CAPTURE(BM_searchSide, sicilian, "sicilian");

// A whole computer turn at one level (set-up excluded from the timing).
void BM_level(benchmark::State& state, const char* name, int lv) {
  int64_t evaluations = 0;
  for (auto _ : state) {
    state.PauseTiming();
    setUpPosition(position(name), lv);
    const int64_t before = evaluationCount;
    state.ResumeTiming();
    computerTurn(game, computer, levelFour);
    evaluations += evaluationCount - before;
  }
  state.counters["evaluations/s"] = benchmark::Counter(static_cast<double>(evaluations), benchmark::Counter::kIsRate);
}
BENCHMARK_CAPTURE(BM_level, level1_kings_pawn, "kings-pawn", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_level, level2_kings_pawn, "kings-pawn", 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_level, level3_kings_pawn, "kings-pawn", 3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_level, level1_open_game, "open-game", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_level, level2_open_game, "open-game", 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_level, level3_open_game, "open-game", 3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_level, level1_sicilian, "sicilian", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_level, level2_sicilian, "sicilian", 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_level, level3_sicilian, "sicilian", 3)->Unit(benchmark::kMillisecond);

// Level 4: one second of thinking from a position; the counters give the
// nodes searched per second and the depth completed.
void BM_engineSecond(benchmark::State& state, const char* name) {
  setUpPosition(position(name), 1);
  const engine::Position root = positionFromGame(game);
  engine::Searcher searcher;
  uint64_t nodes = 0;
  int depth = 0;
  for (auto _ : state) {
    searcher.clear();
    const engine::SearchResult r = searcher.think(root, engine::SearchLimits{1000, 64, nullptr});
    nodes += r.nodes;
    depth = r.depth;
  }
  state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
  state.counters["depth"] = depth;
}
BENCHMARK_CAPTURE(BM_engineSecond, start, "start")->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_engineSecond, short_castled, "short-castled")->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_engineSecond, open_game, "open-game")->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_engineSecond, sicilian, "sicilian")->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
