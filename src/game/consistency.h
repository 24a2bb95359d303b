// The game's invariants between events, as words. Each check returns an
// empty string when its invariant holds, else the first fault found.
#pragma once

#include <string>

#include "game/game.h"

// Every square stable, as many occupied squares as pieces on the board; each
// piece at rest on a square that names it.
std::string pieceFault(const Game& game);

// The move list has the two headers and three lines per full move (one more
// for White's unanswered move), and the move number follows the move count.
std::string moveListFault(const Game& game);

// The first fault of the above, or an empty string. Debug builds run it
// after every event; the soak and the fuzz target after every step. The
// windows are checked against the game by windowsFault (ui/projection).
std::string checkConsistency(const Game& game);
