// Where the game's windows open: the side windows at their designed places
// measured from where the main window is now, and every window moved just
// enough to lie wholly on the screen, whatever the screen's size and scale.
#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

// Designed places (where the windows' insides start, as Qt's move() puts a
// window that has not been shown yet). The side windows keep their distance
// from the main window's designed place wherever it is moved.
inline constexpr QPoint kMainWindowPlace(101, 92);
inline constexpr QPoint kCheckNoticePlace(300, 234);
inline constexpr QPoint kLostPiecesPlace(622, 113);
inline constexpr QPoint kHelpWindowPlace(443, 84);

// `window` moved just enough to lie within `area`; a window larger than the
// area keeps its top-left corner in it, so that its caption can be reached.
QRect fitInto(const QRect& window, const QRect& area);

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
