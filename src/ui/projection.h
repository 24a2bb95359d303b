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

// The turn mark's texts: whose turn it is, or how the game ended.
extern const char* const kWhiteTurnText;
extern const char* const kBlackTurnText;
extern const char* const kWhiteWonText;
extern const char* const kBlackWonText;
extern const char* const kGameOverText;
extern const char* const kDrawText;  // "Berabere"

void showGame(const Game& game, Windows& windows);

// What differs between the windows and the game they should show (empty
// when they agree): the board pictures against their pieces, none shown
// among the captured pieces while on the board, the move list line by line.
// Right after showGame it holds by construction; it catches a window record
// written by anything else, and a projection that forgets a record.
std::string windowsFault(const Game& game, const Windows& windows);
