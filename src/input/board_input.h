// Drag and drop on the board: a press on a piece picture starts a drag, a drop
// on a square or on a piece picture asks the move driver for the move.
#pragma once

#include <cstdint>

enum class MouseButton { Left, Right, Middle };

// True while the computer thinks on a thread of its own (level 4): every drop
// is refused and the picture goes back, as for a move out of turn.
inline bool dropsRefused = false;

// Press on picture 1..56 of the main window: records the dragged piece.
// Returns true when a drag should start (left button on a board picture).
bool Image1MouseDown(int picture, MouseButton button);

// Every drag over a square or piece picture is accepted.
bool Image4DragOver();

// Drop on square control Shape1..Shape64 (Shape1 = a8, Shape64 = h1).
void Shape41DragDrop(int shape);

// Drop on board picture Image1..Image32 (handlers Image1DragDrop..Image32DragDrop).
void ImageDragDrop(int picture);
