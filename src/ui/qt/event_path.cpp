#include "ui/qt/event_path.h"

#include <QMessageBox>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "game/consistency.h"
#include "ui/program.h"
#include "ui/projection.h"

namespace {

int handlersRunning = 0;

std::function<void()>& redrawHook() {
  static std::function<void()> redraw;
  return redraw;
}

std::vector<HandlerTimer*>& handlerTimers() {
  static std::vector<HandlerTimer*> timers;
  return timers;
}

}  // namespace

void showHandlerError(QWidget* parent, const char* what) {
  QMessageBox::critical(parent, QStringLiteral("DEDIVUD"), QString::fromUtf8(what));
}

void setRedrawEveryWindow(std::function<void()> redraw) { redrawHook() = std::move(redraw); }

// The windows are drawn from the game first, so that a message that opens in
// the middle of a command speaks of what the board shows.
void redrawEveryWindow() {
  showGame(game, windows);
  if (redrawHook()) redrawHook()();
}

void enterHandler() { ++handlersRunning; }

void leaveHandler() {
  if (--handlersRunning > 0) return;
#if !defined(NDEBUG) || defined(DEDIVUD_CHECK_EVENTS)
  std::string fault = checkConsistency(game);
  if (fault.empty()) fault = windowsFault(game, windows);
  if (!fault.empty()) {
    std::fprintf(stderr, "dedivud: after an event: %s\n", fault.c_str());
    std::abort();
  }
#endif
  for (HandlerTimer* timer : handlerTimers()) timer->release();
}

bool handlerRunning() { return handlersRunning > 0; }

HandlerTimer::HandlerTimer(QObject* parent, const char* name, int intervalMs, std::function<void()> tick)
    : QTimer(parent), tick_(std::move(tick)) {
  setObjectName(QString::fromLatin1(name));
  setInterval(intervalMs);
  connect(this, &QTimer::timeout, this, [this] {
    if (handlerRunning()) {
      stop();
      held_ = true;
      return;
    }
    tick_();
  });
  handlerTimers().push_back(this);
}

HandlerTimer::~HandlerTimer() { std::erase(handlerTimers(), this); }

void HandlerTimer::follow(bool work) {
  work_ = work;
  if (!work) {
    stop();
    held_ = false;
  } else if (!held_ && !isActive()) {
    start();
  }
}

void HandlerTimer::release() {
  if (!held_ || handlerRunning()) return;
  held_ = false;
  if (work_) start();
}
