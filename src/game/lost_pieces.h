// The captured-pieces window drawn from the order of captures.
#pragma once

#include "controls/controls.h"
#include "game/game.h"

// Shows the lost pieces in the order they were taken, two a row for each
// side, and hides every other lost picture; a hidden picture keeps its last
// place. A piece newly shown brings the window forward, once per piece, and a
// king among them shows "MAT!!!". Called when a command is done.
void showLostPieces(Game& game, Windows& windows);
