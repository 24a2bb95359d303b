#include "ui/qt/window_place.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "ui/qt/zoom_view.h"

namespace {

// A window manager frames a new window within a few hundred milliseconds, or
// there is none; a loaded or slow machine (a sanitizer build) may take
// seconds, so the window is looked at for three.
constexpr int kFrameTries = 150;
constexpr int kFrameTryMs = 20;

bool isFramed(const QWidget* window) {
  return (window->windowFlags() & Qt::FramelessWindowHint) || window->frameGeometry() != window->geometry();
}

// The frame around the window's inside: the window's own once it is framed,
// else `guess` (another window's frame).
QMargins frameOf(const QWidget* window, QMargins guess) {
  if (window->windowFlags() & Qt::FramelessWindowHint) return {};
  if (!isFramed(window)) return guess;
  const QRect outer = window->frameGeometry();
  const QRect inner = window->geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

// Places are set on the window's inside, which Qt places the same way
// whether or not the window has been shown or framed yet.
void fitNow(QWidget* window, QMargins frameGuess) {
  const QMargins frame = frameOf(window, frameGuess);
  const QRect outer = window->geometry() + frame;
  QScreen* screen = QGuiApplication::screenAt(outer.center());
  if (!screen) screen = window->screen();
  if (!screen) return;
  const QRect fitted = fitInto(outer, screen->availableGeometry());
  if (fitted.topLeft() != outer.topLeft()) window->setGeometry(fitted - frame);
}

// Fits the window now, and again once the window manager has framed it.
void keepOnScreenFramed(QWidget* window, QMargins frameGuess, int triesLeft) {
  fitNow(window, frameGuess);
  if (isFramed(window) || triesLeft == 0) return;
  QPointer<QWidget> guarded(window);
  QTimer::singleShot(kFrameTryMs, window, [guarded, frameGuess, triesLeft] {
    if (guarded) keepOnScreenFramed(guarded, frameGuess, triesLeft - 1);
  });
}

}  // namespace

QRect fitInto(const QRect& window, const QRect& area) {
  QRect fitted = window;
  fitted.moveLeft(std::max(area.left(), std::min(window.left(), area.right() + 1 - window.width())));
  fitted.moveTop(std::max(area.top(), std::min(window.top(), area.bottom() + 1 - window.height())));
  return fitted;
}

void keepOnScreen(QWidget* window) { keepOnScreenFramed(window, {}, kFrameTries); }

void placeBeside(QWidget* window, const QWidget* mainWindow, QPoint designedPlace) {
  const QPoint mainPlace = mainWindow ? mainWindow->geometry().topLeft() : kMainWindowPlace;
  window->setGeometry(QRect(mainPlace + zoomedPoint(designedPlace - kMainWindowPlace), window->size()));
  // Until it is framed, a side window is taken to get the main window's frame.
  keepOnScreenFramed(window, mainWindow ? frameOf(mainWindow, {}) : QMargins(), kFrameTries);
}
