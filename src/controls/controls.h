// The numbers of the windows' controls that the rules speak of: the main
// window's pictures and its 64 squares. The controls' records themselves are
// the windows' own (ui/windows.h).
#pragma once

#include <cstdint>

// Picture numbers of the main window: Image1..Image32 are the board pictures,
// Image33..Image56 the stock bitmaps (their own number is their bitmap).
constexpr int kBoardPictureCount = 32;
constexpr int kFirstStockPicture = 33;
constexpr int kLastStockPicture = 56;
// Form3 uses picture numbers up to Image44.
constexpr int kLostPictureSlots = 45;

// The 64 square controls Shape1..Shape64 run row by row from a8 (Shape1) to
// h1 (Shape64).
constexpr int shapeOf(int x, int y) { return (7 - y) * 8 + x + 1; }
constexpr int shapeFile(int shape) { return (shape - 1) % 8; }
constexpr int shapeRank(int shape) { return 7 - (shape - 1) / 8; }
