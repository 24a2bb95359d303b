// Times one computer turn at each level over the fixed positions of
// bench/positions.txt (Release build): the median over the positions and the
// slowest, each position's time the median of `repeats` runs. Wall time is
// the player's wait; the thread's processor time is given beside it because
// it suffers less when other programs share the machine.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "computer/computer_turn.h"
#include "computer/search.h"
#include "signature.h"
#include "ui/program.h"

namespace {

double threadMilliseconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double medianOf(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 == 1 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  const char* path = argc > 1 ? argv[1] : DEDIVUD_POSITIONS;
  const int repeats = argc > 2 ? std::atoi(argv[2]) : 5;
  std::ifstream in(path);
  std::vector<std::string> positions;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) positions.push_back(line);
  }
  std::printf("%zu positions, median of %d runs each\n", positions.size(), repeats);
  for (int level = 1; level <= 3; ++level) {
    std::vector<double> times;
    std::vector<double> cpuTimes;
    int64_t evaluations = 0;
    for (const std::string& moves : positions) {
      std::vector<double> runs;
      std::vector<double> cpuRuns;
      for (int r = 0; r < repeats; ++r) {
        if (!setUpPosition(SignaturePosition{"", moves.c_str()}, level)) {
          std::printf("refused: %s\n", moves.c_str());
          return 1;
        }
        const int64_t before = evaluationCount;
        const double cpuStart = threadMilliseconds();
        const auto start = std::chrono::steady_clock::now();
        computerTurn(game, computer, levelFour);
        const auto end = std::chrono::steady_clock::now();
        cpuRuns.push_back(threadMilliseconds() - cpuStart);
        runs.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        if (r == 0) evaluations += evaluationCount - before;
      }
      times.push_back(medianOf(runs));
      cpuTimes.push_back(medianOf(cpuRuns));
    }
    const auto slowest = std::max_element(times.begin(), times.end());
    std::printf(
        "level %d: median %.3f ms, slowest %.3f ms (position %zu); processor time median %.3f ms, slowest %.3f ms; "
        "%lld evaluations per turn on average\n",
        level, medianOf(times), *slowest, static_cast<size_t>(slowest - times.begin()) + 1, medianOf(cpuTimes),
        *std::max_element(cpuTimes.begin(), cpuTimes.end()),
        static_cast<long long>(evaluations / static_cast<int64_t>(positions.size())));
  }
  return 0;
}
