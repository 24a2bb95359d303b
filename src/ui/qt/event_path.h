// The one path every event of every window takes: the core handler runs
// behind one error guard, every window is drawn from the game and redrawn,
// then debug builds check the game's consistency. While a handler runs
// (and so while a question, message or file dialog it opened is open) the
// game stands still: the windows' timers tick into no handler.
#pragma once

#include <QTimer>
#include <exception>
#include <functional>

class QWidget;

// Shows an error raised inside an event handler; the program goes on.
void showHandlerError(QWidget* parent, const char* what);

// What redraws every window from the records; set once the windows exist.
// redrawEveryWindow makes the records from the game first.
void setRedrawEveryWindow(std::function<void()> redraw);
void redrawEveryWindow();

// Around every handler. A modal box opened by a handler runs an event loop
// of its own; once the outermost handler ends, debug builds check the game's
// consistency and abort with the first broken invariant, and the timers
// held meanwhile start again.
void enterHandler();
void leaveHandler();
bool handlerRunning();

// Runs one event handler of the core, then `redraw` (by default every
// window) and the checks. An exception does not cross the Qt event loop: it
// is shown in an error box instead.
template <typename Handler, typename Redraw>
void runHandler(QWidget* parent, Handler&& handler, Redraw&& redraw) {
  enterHandler();
  try {
    handler();
  } catch (const std::exception& e) {
    showHandlerError(parent, e.what());
  } catch (...) {
    showHandlerError(parent, "Bilinmeyen hata");
  }
  redraw();
  leaveHandler();
}
template <typename Handler>
void runHandler(QWidget* parent, Handler&& handler) {
  runHandler(parent, handler, redrawEveryWindow);
}

// A window's timer that runs only while its record gives it work. A tick
// that comes while a handler runs (a box of it is open) runs nothing: the
// timer is held, stopped, until the outermost handler has ended, and then
// starts again if it still has work. So nothing moves behind an open box,
// and an answer that ends the work (a new game) ends the timer too.
class HandlerTimer : public QTimer {
 public:
  HandlerTimer(QObject* parent, const char* name, int intervalMs, std::function<void()> tick);
  ~HandlerTimer() override;
  HandlerTimer(const HandlerTimer&) = delete;
  HandlerTimer& operator=(const HandlerTimer&) = delete;

  // Runs while `work` holds; a held timer waits for the handler to end.
  void follow(bool work);
  // Starts a held timer again once no handler runs, if it has work.
  void release();

 private:
  std::function<void()> tick_;
  bool work_ = false;
  bool held_ = false;
};
