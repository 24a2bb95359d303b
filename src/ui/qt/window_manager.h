// What the game asks of the window manager: the frame it has put around a
// window, on X11.
#pragma once

#include <QMargins>
#include <optional>

class QWidget;

// The frame the window manager has put around a top-level window; nothing
// while it has not framed it (nor for a window it leaves without a frame), or
// when there is no window manager. Read from the window system each time: Qt
// keeps what it saw before the window was framed until the window next moves.
std::optional<QMargins> frameAround(const QWidget* window);
