// The game's invariants between events, checked as one: the squares against
// the pieces, the board pictures against their pieces, the captured-pieces
// window and the move list against the game. Debug builds check them after
// every event of the windows; the soak and the fuzz target after every step.
#pragma once

#include <string>

#include "controls/controls.h"
#include "game/game.h"

// Each returns empty when its invariants hold, else the first broken one in
// words.

// Every square stable, as many occupied squares as pieces on the board;
// every piece at rest, its target its square, standing on a square that names
// its kind and side (and its index, but for queens and kings).
std::string pieceFault(Game& game);

// The picture of a piece on the board visible and enabled on the piece's
// square with the bitmap of its kind, side and square colour, and not shown
// among the captured pieces; the picture of a captured piece hidden and
// disabled.
std::string pictureFault(Game& game, Windows& windows);

// The move list holds two header lines and three lines a full move, with
// White's line of a move Black has not answered; the move number in step.
std::string moveListFault(Game& game, Windows& windows);

// All of the above.
std::string checkConsistency(Game& game, Windows& windows);
