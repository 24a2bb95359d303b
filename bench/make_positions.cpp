// Writes the fixed set of positions for timing the computer's levels: one
// position from each of a number of random games, Black to move, as the
// moves that reach it. Run once with a fixed seed; the output is kept in
// bench/positions.txt so that every measurement uses the same positions.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "game/board.h"
#include "game/castling_squares.h"
#include "game/game.h"
#include "random_game.h"
#include "signature.h"
#include "ui/program.h"

namespace {

std::string squareText(int x, int y) { return std::string(1, static_cast<char>('a' + x)) + static_cast<char>('1' + y); }

// Every move of the side to move that its piece's generator accepts, plus
// short castling while the king has not moved.
std::vector<std::string> acceptedMoves(Side side, std::vector<bool>& captures) {
  std::vector<std::string> moves;
  for (const Drag& d : acceptedDrags(side)) {
    if (d.castling && d.toX != kShortCastlingSquares.kingTo) continue;
    moves.push_back(squareText(d.fromX, d.fromY) + squareText(d.toX, d.toY));
    captures.push_back(d.capture);
  }
  return moves;
}

bool bothKingsOn() { return game.pieces.kings[0].onBoard && game.pieces.kings[1].onBoard; }

}  // namespace

int main(int argc, char** argv) {
  const int games = argc > 1 ? std::atoi(argv[1]) : 120;
  const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 13;
  std::mt19937 rng(seed);
  int written = 0;
  while (written < games) {
    // An odd number of plies leaves Black to move.
    const int plies = 9 + 2 * static_cast<int>(rng() % 30);
    std::string line;
    bool ok = true;
    int refused = 0;
    for (int ply = 0; ply < plies && ok; ++ply) {
      ok = setUpPosition(SignaturePosition{"", line.c_str()}, 1) && bothKingsOn();
      if (!ok) break;
      std::vector<bool> captures;
      const std::vector<std::string> moves = acceptedMoves(game.sideToMove == kWhiteToMove ? kWhite : kBlack, captures);
      if (moves.empty()) {
        ok = false;
        break;
      }
      // Captures half the time when there are some, so that games open up.
      std::vector<std::string> taking;
      for (size_t i = 0; i < moves.size(); ++i) {
        if (captures[i]) taking.push_back(moves[i]);
      }
      const std::vector<std::string>& from = !taking.empty() && rng() % 2 == 0 ? taking : moves;
      const std::string next = (line.empty() ? "" : " ") + from[rng() % from.size()];
      if (!setUpPosition(SignaturePosition{"", (line + next).c_str()}, 1)) {
        // A move the driver refuses (castling through check): try another.
        ok = ++refused < 20;
        --ply;
        continue;
      }
      line += next;
    }
    if (!ok || !setUpPosition(SignaturePosition{"", line.c_str()}, 1) || !bothKingsOn() ||
        game.sideToMove != kBlackToMove) {
      continue;
    }
    std::printf("%s\n", line.c_str());
    ++written;
  }
  return 0;
}
