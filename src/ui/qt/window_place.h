// Where the game's windows open: the side windows at their designed places
// measured from where the main window is now, and every window moved just
// enough to lie wholly on the screen, whatever the screen's size and scale.
#pragma once

#include <QPoint>
#include <QRect>
#include <vector>

class QWidget;

// Designed places (where the windows' insides start, as Qt's move() puts a
// window that has not been shown yet). The side windows keep their distance
// from the main window's designed place wherever it is moved; the check
// notice keeps only its height (it opens off the board).
inline constexpr QPoint kMainWindowPlace(101, 92);
inline constexpr QPoint kCheckNoticePlace(300, 234);
inline constexpr QPoint kLostPiecesPlace(622, 113);
inline constexpr QPoint kHelpWindowPlace(443, 84);

// `window` moved just enough to lie within `area`; a window larger than the
// area keeps its top-left corner in it, so that its caption can be reached.
QRect fitInto(const QRect& window, const QRect& area);

// The first of `places` (windows' outer rectangles) that lies within `area`
// once moved up or down onto it, and then meets nothing of `keepClear`; when
// none does, the first fitted into the area. A place keeps its left edge, so
// that a window placed beside another never slides over it.
QRect firstClearPlace(const std::vector<QRect>& places, const QRect& area, const QRect& keepClear);

// Keeps a top-level window at the place it has now (as it was asked for, not
// as a window manager may report it for a moment while it frames it), moved
// just enough that it lies, frame included, on the available area of its
// screen. A window the window manager has not framed yet is fitted again
// once it has been.
void keepOnScreen(QWidget* window);

// Moves a side window to its designed place measured from where `mainWindow`
// is now (from its designed place when there is none) and keeps it on the
// screen. Called before the side window is shown.
void placeBeside(QWidget* window, const QWidget* mainWindow, QPoint designedPlace);

// Moves the check notice where it covers no square of `board` (the main
// window's board, on the screen): over the move list (its left edge at
// `list`'s), else left of the main window; at its designed height and on the
// screen. Only a screen without such room puts it over the board. Called
// before the notice is shown.
void placeOffBoard(QWidget* window, const QWidget* mainWindow, const QRect& board, const QRect& list);

// placeBeside, but clear of `helpWindow` while it is open: at the designed
// place, else right of the help window, else left of the main window. Called
// before the window is shown.
void placeClearOfHelp(QWidget* window, const QWidget* mainWindow, QPoint designedPlace, const QWidget* helpWindow);

// The rectangle a widget covers on the screen.
QRect screenRect(const QWidget* widget);
