#include "ui/qt/event_path.h"

#include <QMessageBox>
#include <QString>

namespace {

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
