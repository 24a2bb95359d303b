// Setting a candidate up on the pending layers for a deeper look, and taking
// it back exactly: every square and piece it touches is remembered and
// restored, so nested candidates never leave a position no game can reach.
#pragma once

#include <cstdint>

#include "computer/computer_state.h"
#include "game/game.h"

void applyCandidate(Position& position, ComputerState& computer, const Candidate& c, Side side);
// Takes back the candidate applied last (candidates are undone in reverse order).
void undoCandidate(Position& position, ComputerState& computer);
// Number of candidates applied and not yet undone.
int lookaheadDepth(const ComputerState& computer);
