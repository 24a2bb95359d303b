#include "signature.h"

#include "computer/computer_turn.h"
#include "computer/search.h"
#include "controls/controls.h"
#include "game/board.h"
#include "game/game.h"
#include "game/list_lines.h"
#include "input/move_list.h"
#include "test_support.h"
#include "ui/main_window.h"
#include "ui/program.h"

namespace {

uint64_t fnv1a(uint64_t h, const std::string& s) {
  for (unsigned char c : s) {
    h ^= c;
    h *= 1099511628211ULL;
  }
  return h;
}

}  // namespace

const std::vector<SignaturePosition>& signaturePositions() {
  static const std::vector<SignaturePosition> positions = {
      {"start", ""},
      {"kings-pawn", "e2e4"},
      {"centre-exchange", "e2e4 d7d5 e4d5"},
      {"open-game", "e2e4 e7e5 g1f3 b8c6 f1c4 f8c5 c2c3 g8f6 d2d3"},
      {"queens-pawn", "d2d4 d7d5 c2c4 e7e6 b1c3 g8f6 c1g5 f8e7 e2e3"},
      {"short-castled", "e2e4 e7e5 g1f3 b8c6 f1c4 g8f6 e1g1 f8c5 d2d3 d7d6 c1g5"},
      {"long-castled", "d2d4 d7d5 b1c3 b8c6 c1f4 c8f5 d1d2 d8d7 e1b1 e7e6 e2e3"},
      {"sicilian", "e2e4 c7c5 g1f3 d7d6 d2d4 c5d4 f3d4 g8f6 b1c3 a7a6 f1e2"},
      {"french", "e2e4 e7e6 d2d4 d7d5 b1c3 f8b4 e4e5 c7c5 a2a3 b4c3 b2c3"},
      {"queen-out", "e2e4 e7e5 d1h5 b8c6 f1c4 g8f6 h5f7"},
      {"knights-tour", "g1f3 g8f6 b1c3 b8c6 f3e5 c6e5 d2d4 e5g4 e2e4"},
      {"pawn-storm", "a2a4 h7h5 b2b4 g7g5 c2c4 f7f5 d2d4 e7e5 d4e5"},
      {"rook-lift", "h2h4 a7a5 h1h3 a8a6 h3d3 a6d6 d3d6 c7d6 e2e3"},
      {"bishop-pair", "e2e3 e7e6 f1b5 f8b4 b5d7 c8d7 d1g4 b4d2 c1d2"},
      {"black-castles", "e2e4 e7e5 g1f3 g8f6 f1c4 f8c5 b1c3 e8g8 d2d3"},
      {"hint-middlegame", "e2e4 e7e5 g1f3 b8c6 f1b5 a7a6 b5c6 d7c6 e1g1 f7f6"},
  };
  return positions;
}

const SignaturePosition* signaturePosition(const std::string& name) {
  for (const SignaturePosition& p : signaturePositions()) {
    if (p.name == name) return &p;
  }
  return nullptr;
}

bool setUpPosition(const SignaturePosition& position, int levelToPlay) {
  startProgram();
  playTwoPlayers();
  if (!playMoves(position.moves)) return false;
  playAgainstComputer();
  chooseLevel(levelToPlay);
  return true;
}

SignatureResult computeSignature() {
  SignatureResult result{{}, 14695981039346656037ULL, 0};
  const int64_t evaluationsBefore = evaluationCount;
  for (const SignaturePosition& position : signaturePositions()) {
    for (int lv = kLevel1; lv <= kLevel3; ++lv) {
      std::string line = std::string(position.name) + " " + std::to_string(lv) + ": ";
      if (!setUpPosition(position, lv)) {
        line += "refused move";
      } else {
        const int32_t linesBefore = listLineCount(game);
        if (game.sideToMove == kBlackToMove) {
          computerTurn(game, computer, levelFour);
        } else {
          requestHint(game, computer);
          game.computerTurnPending = false;
        }
        for (int32_t i = linesBefore; i < listLineCount(game); ++i) {
          line += '[';
          line += listLineText(game, i);
          line += ']';
        }
      }
      result.checksum = fnv1a(result.checksum, line);
      result.lines.push_back(line);
    }
  }
  result.evaluations = evaluationCount - evaluationsBefore;
  return result;
}
