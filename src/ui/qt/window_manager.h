// What the game asks of the window manager (the frame it has put around a
// window) and tells it (what the fixed-size side windows are), on X11.
#pragma once

#include <QMargins>
#include <optional>

class QWidget;

// The frame the window manager has put around a top-level window; nothing
// while it has not framed it (nor for a window it leaves without a frame), or
// when there is no window manager. Read from the window system each time: Qt
// keeps what it saw before the window was framed until the window next moves.
std::optional<QMargins> frameAround(const QWidget* window);

// The window offers no maximize button, which could do nothing for a window
// of fixed size. Its flags leave the button out for the window managers that
// read them. Openbox does not: it shows a maximize button beside every
// minimize button and leaves both off tool bars alone, so under openbox the
// window is declared a tool bar of the game. Called once, before the window
// is first shown.
void offerNoMaximize(QWidget* window);
