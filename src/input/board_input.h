// Drag and drop on the board: a press on a piece picture starts a drag, a drop
// on a square or on a piece picture asks the move driver for the move. Click
// to move: a click chooses a piece of the side to move, and a click on
// another square then plays what a drop there plays.
#pragma once

#include <cstdint>

enum class MouseButton { Left, Right, Middle };

// True while the computer thinks on a thread of its own (level 4): every drop
// is refused and the picture goes back, as for a move out of turn.
inline bool dropsRefused = false;

// Press on picture 1..56 of the main window: records the dragged piece and,
// for the left button, shows where it can go. Returns true when a drag should
// start (left button on a board picture).
bool Image1MouseDown(int picture, MouseButton button);

// Every drag over a square or piece picture is accepted.
bool Image4DragOver();

// Drop on square control Shape1..Shape64 (Shape1 = a8, Shape64 = h1).
void Shape41DragDrop(int shape);

// Drop on board picture Image1..Image32 (handlers Image1DragDrop..Image32DragDrop).
void ImageDragDrop(int picture);

// Against the computer: hands the turn to the timer, which decides whether
// Black has to move ("Düşünüyorum..." shows meanwhile).
void startComputerTurn();

// A press and release without a drag on board picture 1..32. Without a chosen
// piece it chooses a piece of the side to move; on the chosen piece it lets
// it go; elsewhere it drops the chosen piece there (as ImageDragDrop), after
// which a piece of the same side that was clicked is chosen instead.
void ImageClick(int picture);

// The same on square control Shape1..Shape64 with no picture on it: drops the
// chosen piece there (as Shape41DragDrop).
void ShapeClick(int shape);

// A drag has ended, dropped or not: the dots are the chosen piece's again.
void Image1EndDrag();

// Escape on the main window: the chosen piece is let go.
void Form1KeyEscape();
