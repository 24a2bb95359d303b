// Level 4 (White) against level 3 (Black) from random openings:
//   dedivud_match --games N --movetime MS --seed S
// Each opening is 8 random plies of moves the driver accepts, none taking a
// king; a game ends when a king is taken or after 300 plies (a draw). One line
// per game, then "score W/N" (a draw counts one half).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "computer/computer_turn.h"
#include "game/game.h"
#include "game/game_over.h"
#include "random_game.h"
#include "test_support.h"
#include "ui/main_window.h"
#include "ui/program.h"

namespace {

constexpr int kOpeningPlies = 8;
constexpr int kMaxPlies = 300;

// Plays a random opening; false when some side ran out of moves first.
bool playOpening(std::mt19937& rng) {
  for (int ply = 0; ply < kOpeningPlies; ++ply) {
    const Side side = game.sideToMove == kWhiteToMove ? kWhite : kBlack;
    std::vector<Drag> drags = acceptedDrags(side);
    std::erase_if(drags, [](const Drag& d) { return squareAt(game, d.toX, d.toY).kind == kKing; });
    bool made = false;
    while (!drags.empty() && !made) {
      const size_t i = rng() % drags.size();
      made = playDrag(drags[i]);
      drags.erase(drags.begin() + static_cast<long>(i));
    }
    if (!made) return false;
  }
  return true;
}

// 1 White won, 0 Black won, -1 a draw.
int playGame(int moveTimeMs, int& plies) {
  for (plies = kOpeningPlies; plies < kMaxPlies && !gameIsOver(game); ++plies) {
    const int32_t before = game.sideToMove;
    MoveOutcome outcome = MoveOutcome::NoMove;
    if (game.sideToMove == kWhiteToMove) {
      outcome = playEngineMove(game, computer, levelFour, moveTimeMs);
    } else if (const std::optional<MoveRequest> reply = levelThreeMove(game, computer)) {
      outcome = playComputerMove(game, computer, *reply);
    }
    if (!moveMade(outcome) || game.sideToMove == before) return -1;  // no move was possible
  }
  if (!gameIsOver(game)) return -1;
  return winnerSide(game) == kWhite ? 1 : 0;
}

int argument(int argc, char** argv, const char* name, int fallback) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], name) == 0) return std::atoi(argv[i + 1]);
  }
  return fallback;
}

}  // namespace

int main(int argc, char** argv) {
  const int games = argument(argc, argv, "--games", 10);
  const int moveTimeMs = argument(argc, argv, "--movetime", 100);
  const int seed = argument(argc, argv, "--seed", 1);
  ScriptedDialogs dialogs;  // level 3's "no move" message goes nowhere
  int halfPoints = 0;
  for (int g = 0; g < games; ++g) {
    startProgram();
    playTwoPlayers();  // the computer moves only when asked
    std::mt19937 rng(static_cast<unsigned>(seed) * 1000003u + static_cast<unsigned>(g));
    int plies = 0;
    const int result = playOpening(rng) ? playGame(moveTimeMs, plies) : -1;
    halfPoints += result == 1 ? 2 : result == -1 ? 1 : 0;
    std::printf("game %d: %s after %d plies\n", g + 1, result == 1 ? "1-0" : result == 0 ? "0-1" : "1/2-1/2", plies);
    std::fflush(stdout);
  }
  std::printf("refusals %d\n", levelFour.refusals);
  std::printf("score %d%s/%d\n", halfPoints / 2, halfPoints % 2 ? ".5" : "", games);
  return levelFour.refusals == 0 ? 0 : 1;
}
