// The game's own piece pictures and application icon, drawn from vector
// outlines so they stay sharp at any size and device pixel ratio.
#pragma once

#include <QIcon>
#include <QImage>

// A piece of `kind` (1 pawn, 2 rook, 3 knight, 4 bishop, 5 queen, 9 king) and
// `side` (1 white, 2 black) on a square-coloured background: silver (192, 192,
// 192) for a dark square, white for a light one. The image is
// logicalSize × devicePixelRatio pixels and carries that ratio. An unknown
// kind or side gives the bare square.
QImage pieceImage(int kind, int side, bool darkSquare, int logicalSize, qreal devicePixelRatio);

// The bitmap of stock picture 33..56 of the main window: 33..44 the white then
// the black pieces on silver (pawn, rook, knight, bishop, queen, king), 45..56
// the pieces on white, white and black alternating per kind. Any other number
// gives a null image.
QImage stockBitmap(int stockPicture, int logicalSize, qreal devicePixelRatio);

// The window icon: a knight on a small piece of board, in the sizes from 16
// pixels up to largestSize (the desktop icon files are made up to 256).
QIcon applicationIcon(int largestSize = 32);
