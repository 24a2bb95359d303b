// The computer's signature: the moves it chooses at every level in a fixed
// set of positions, with a checksum over them. Any change of the computer's
// behaviour changes the checksum, so it has to be changed on purpose.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SignaturePosition {
  const char* name;
  const char* moves;  // played by two players from the start, e.g. "e2e4 e7e5"
};

const std::vector<SignaturePosition>& signaturePositions();
// The position of that name; nullptr when there is none.
const SignaturePosition* signaturePosition(const std::string& name);

struct SignatureResult {
  std::vector<std::string> lines;  // "name level: chosen line"
  uint64_t checksum;
  int64_t evaluations;
};

// Plays every position at levels 1, 2 and 3 (Black to move) or asks for the
// hint (White to move).
SignatureResult computeSignature();

// Sets up a position: a fresh program, the moves played by two players,
// then play against the computer at `level`. False if a move was refused.
bool setUpPosition(const SignaturePosition& position, int level);
