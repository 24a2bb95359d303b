// The one path every event of every window takes: the core handler runs
// behind one error guard, every window is drawn from the game and redrawn,
// then debug builds check the game's consistency.
#pragma once

#include <exception>
#include <functional>

class QWidget;

// Shows an error raised inside an event handler; the program goes on.
void showHandlerError(QWidget* parent, const char* what);

// What redraws every window from the records; set once the windows exist.
// redrawEveryWindow makes the records from the game first.
void setRedrawEveryWindow(std::function<void()> redraw);
void redrawEveryWindow();

// Around every handler. A handler may run inside another while a dialog is
// open; once the outermost one ends, debug builds check the game's
// consistency and abort with the first broken invariant.
void enterHandler();
void leaveHandler();

// Runs one event handler of the core, then draws and checks. An exception
// does not cross the Qt event loop: it is shown in an error box instead.
template <typename Handler>
void runHandler(QWidget* parent, Handler&& handler) {
  enterHandler();
  try {
    handler();
  } catch (const std::exception& e) {
    showHandlerError(parent, e.what());
  } catch (...) {
    showHandlerError(parent, "Bilinmeyen hata");
  }
  redrawEveryWindow();
  leaveHandler();
}
