#include "ui/qt/event_path.h"

#include <QMessageBox>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "game/consistency.h"
#include "ui/program.h"

namespace {

int handlersRunning = 0;

std::function<void()>& redrawHook() {
  static std::function<void()> redraw;
  return redraw;
}

}  // namespace

void showHandlerError(QWidget* parent, const char* what) {
  QMessageBox::critical(parent, QStringLiteral("DEDIVUD"), QString::fromUtf8(what));
}

void setRedrawEveryWindow(std::function<void()> redraw) { redrawHook() = std::move(redraw); }

void redrawEveryWindow() {
  if (redrawHook()) redrawHook()();
}

void enterHandler() { ++handlersRunning; }

void leaveHandler() {
  if (--handlersRunning > 0) return;
#if !defined(NDEBUG) || defined(DEDIVUD_CHECK_EVENTS)
  const std::string fault = checkConsistency(game, windows);
  if (!fault.empty()) {
    std::fprintf(stderr, "dedivud: after an event: %s\n", fault.c_str());
    std::abort();
  }
#endif
}
