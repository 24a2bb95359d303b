#include "ui/qt/window_place.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <optional>

#include "ui/qt/window_manager.h"
#include "ui/qt/zoom_view.h"

namespace {

// A window manager frames a new window within a few hundred milliseconds, or
// there is none; a loaded or slow machine (a sanitizer build) may take
// seconds, so the window is looked at for ten.
constexpr int kFrameTries = 500;
constexpr int kFrameTryMs = 20;
// Between the main window and a side window beside it, as the captured
// pieces are designed.
constexpr int kWindowGap = 8;

// The frame around the window's inside, if it is known: none for a window
// without one, the window manager's once it has framed the window.
std::optional<QMargins> knownFrame(const QWidget* window) {
  if (window->windowFlags() & Qt::FramelessWindowHint) return QMargins();
  return frameAround(window);
}

// The frame around the window's inside: its own once known, else `guess`
// (another window's frame).
QMargins frameOf(const QWidget* window, QMargins guess) { return knownFrame(window).value_or(guess); }

QRect availableAround(const QWidget* window, const QRect& outer) {
  QScreen* screen = QGuiApplication::screenAt(outer.center());
  if (!screen) screen = window->screen();
  return screen ? screen->availableGeometry() : QRect();
}

// Puts the window's inside at `place`, moved just enough that the window
// lies on the screen. Places are set on the inside, which Qt places the same
// way whether or not the window has been shown or framed yet. The place
// asked for is fitted, never the one the window reports: while a window
// manager frames a window, Qt may for a moment see it at the frame's corner,
// and fitting that would leave it there.
void fitNow(QWidget* window, QPoint place, QMargins frame) {
  const QRect outer = QRect(place, window->size()) + frame;
  const QRect area = availableAround(window, outer);
  if (area.isEmpty()) return;
  const QRect fitted = fitInto(outer, area) - frame;
  if (fitted != window->geometry()) window->setGeometry(fitted);
}

// Fits the window now, and again once the window manager has framed it.
void keepOnScreenFramed(QWidget* window, QPoint place, QMargins frameGuess, int triesLeft) {
  // Read once: the window manager may frame the window in between.
  const std::optional<QMargins> frame = knownFrame(window);
  fitNow(window, place, frame.value_or(frameGuess));
  if (frame || triesLeft == 0) return;
  QPointer<QWidget> guarded(window);
  QTimer::singleShot(kFrameTryMs, window, [guarded, place, frameGuess, triesLeft] {
    if (guarded) keepOnScreenFramed(guarded, place, frameGuess, triesLeft - 1);
  });
}

// Until it is framed, a side window is taken to get the main window's frame.
QMargins sideWindowFrameGuess(const QWidget* mainWindow) { return mainWindow ? frameOf(mainWindow, {}) : QMargins(); }

// Moves a side window, not shown yet and of frame `frame`, to the first of
// `places` (where its inside would start) at which it lies on the screen
// clear of `keepClear`.
void placeFirstClear(QWidget* window, QMargins frame, const std::vector<QPoint>& places, const QRect& keepClear) {
  std::vector<QRect> outer;
  for (const QPoint& place : places) outer.push_back(QRect(place, window->size()) + frame);
  const QRect area = availableAround(window, outer.front());
  const QRect chosen = firstClearPlace(outer, area, keepClear) - frame;
  keepOnScreenFramed(window, chosen.topLeft(), frame, kFrameTries);
}

}  // namespace

QRect fitInto(const QRect& window, const QRect& area) {
  QRect fitted = window;
  fitted.moveLeft(std::max(area.left(), std::min(window.left(), area.right() + 1 - window.width())));
  fitted.moveTop(std::max(area.top(), std::min(window.top(), area.bottom() + 1 - window.height())));
  return fitted;
}

QRect firstClearPlace(const std::vector<QRect>& places, const QRect& area, const QRect& keepClear) {
  for (const QRect& place : places) {
    const QRect upOrDown(place.left(), fitInto(place, area).top(), place.width(), place.height());
    if (area.contains(upOrDown) && !upOrDown.intersects(keepClear)) return upOrDown;
  }
  return places.empty() ? QRect() : fitInto(places.front(), area);
}

void keepOnScreen(QWidget* window) { keepOnScreenFramed(window, window->geometry().topLeft(), {}, kFrameTries); }

void placeBeside(QWidget* window, const QWidget* mainWindow, QPoint designedPlace) {
  const QPoint mainPlace = mainWindow ? mainWindow->geometry().topLeft() : kMainWindowPlace;
  keepOnScreenFramed(window, mainPlace + zoomedPoint(designedPlace - kMainWindowPlace),
                     sideWindowFrameGuess(mainWindow), kFrameTries);
}

void placeOffBoard(QWidget* window, const QWidget* mainWindow, const QRect& board, const QRect& list) {
  const QMargins frame = frameOf(window, sideWindowFrameGuess(mainWindow));
  const int top = mainWindow->geometry().top() + zoomedPoint(kCheckNoticePlace - kMainWindowPlace).y();
  const int leftOfMain = mainWindow->frameGeometry().left() - kWindowGap - frame.right() - window->width();
  placeFirstClear(window, frame, {{list.left() + frame.left(), top}, {leftOfMain, top}}, board);
}

void placeClearOfHelp(QWidget* window, const QWidget* mainWindow, QPoint designedPlace, const QWidget* helpWindow) {
  if (!mainWindow || !helpWindow || !helpWindow->isVisible()) {
    placeBeside(window, mainWindow, designedPlace);
    return;
  }
  const QMargins frame = frameOf(window, sideWindowFrameGuess(mainWindow));
  const QPoint designed = mainWindow->geometry().topLeft() + zoomedPoint(designedPlace - kMainWindowPlace);
  const QRect help = helpWindow->frameGeometry();
  const int rightOfHelp = help.right() + 1 + kWindowGap + frame.left();
  const int leftOfMain = mainWindow->frameGeometry().left() - kWindowGap - frame.right() - window->width();
  placeFirstClear(window, frame, {designed, {rightOfHelp, designed.y()}, {leftOfMain, designed.y()}}, help);
}

QRect screenRect(const QWidget* widget) { return {widget->mapToGlobal(QPoint()), widget->size()}; }
