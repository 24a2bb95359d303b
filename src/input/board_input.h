// Drag and drop on the board: a press on a piece picture starts a drag, a drop
// on a square or on a piece picture asks the move driver for the move. Click
// to move: a click chooses a piece of the side to move, and a click on
// another square then plays what a drop there plays.
#pragma once

#include <cstdint>

#include "controls/controls.h"
#include "game/game.h"
#include "input/move_driver.h"

enum class MouseButton { Left, Right, Middle };

// Picks up the piece of picture 1..56 of the main window: records the
// dragged piece and, for the left button, shows where it can go. Returns true
// when a drag should start (left button on a board picture).
bool pickUpPiece(Game& game, int picture, MouseButton button);

// A dragged piece may pass over every square and piece.
bool acceptDragOver();

// Drops the dragged piece on square 1..64 (1 = a8, 64 = h1). Refused when
// the game is over or level 4 thinks.
MoveOutcome dropOnSquare(Game& game, int shape);

// Drops the dragged piece on the piece of board picture 1..32; a drop that
// takes a king ends the game.
MoveOutcome dropOnPiece(Game& game, int picture);

// Against the computer: hands the turn to the timer, which decides whether
// Black has to move ("Düşünüyorum..." shows meanwhile).
void startComputerTurn(Game& game);

// A click without a drag on the piece of board picture 1..32. Without a
// chosen piece it chooses a piece of the side to move; on the chosen piece it
// lets it go; elsewhere it drops the chosen piece there (as dropOnPiece),
// after which a piece of the same side that was clicked is chosen instead.
// What became of the move, Refused when the click only chose or let go.
MoveOutcome clickPiece(Game& game, int picture);

// The same on square 1..64 with no piece on it: drops the chosen piece there
// (as dropOnSquare).
MoveOutcome clickSquare(Game& game, int shape);

// A drag has ended, dropped or not: the dots are the chosen piece's again.
void endDrag(Game& game);

// The chosen piece is let go, its dots with it.
void letGoChosenPiece(Game& game);
