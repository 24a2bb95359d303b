// The game's invariants between events, as words. Each check returns an
// empty string when its invariant holds, else the first fault found.
#pragma once

#include <string>

#include "game/game.h"

// Every square stable, as many occupied squares as pieces on the board; each
// piece at rest on a square that names it.
std::string pieceFault(const Position& position);

// The history the move list is drawn from: both halves of every full move,
// White's alone in the entry being filled while Black is to move, the move
// number following the move count, and the highlighted line on the list.
std::string moveListFault(const Game& game);

// The first fault of the above, or an empty string. Debug builds run it
// after every event; the soak and the fuzz target after every step. The
// windows are checked against the game by windowsFault (ui/projection).
std::string checkConsistency(const Game& game);
