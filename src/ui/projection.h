// The windows drawn from the game. The rules keep only the game; after every
// handler, and before a message opens, the records the windows show are
// made from it here: the board pictures from the pieces, the captured-pieces
// window from the order of captures, the move list, the turn and last-move
// marks, the chosen piece, the labels, the timer, and the side windows'
// opening and closing.
#pragma once

#include <string>

#include "game/game.h"
#include "ui/windows.h"

void showGame(const Game& game, Windows& windows);

// What differs between the windows and the game they should show (empty
// when they agree): the board pictures against their pieces, the captured
// pieces, the move list.
std::string windowsFault(const Game& game, const Windows& windows);
