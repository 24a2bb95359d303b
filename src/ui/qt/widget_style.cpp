#include "ui/qt/widget_style.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QRect>
#include <QSize>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <optional>

#include "ui/qt/window_manager.h"

#include "ui/qt/zoom_view.h"

QFont gameFont(int pixelSize, bool bold) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  return f;
}

void setBackgroundColour(QWidget* w, const QColor& colour) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, colour);
  w->setPalette(pal);
  w->setAutoFillBackground(true);
}

QLabel* makeLabel(QWidget* parent, const QString& text, int pixelSize, bool bold, const QColor& colour) {
  auto* label = new QLabel(text, parent);
  label->setFont(gameFont(pixelSize, bold));
  setZoomedFontPixels(label, pixelSize);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, colour);
  label->setPalette(pal);
  label->setCursor(Qt::ArrowCursor);
  return label;
}

void placeLabel(QLabel* label, int left, int top, int maxWidth) {
  label->setProperty("designedLabel", QRect(left, top, maxWidth, 0));
  if (const QVariant px = label->property("designedFontPixels"); px.isValid()) setZoomedFontPixels(label, px.toInt());
  label->move(zoomedPoint(QPoint(left, top)));
  label->adjustSize();
  maxWidth = zoomedPixels(maxWidth);
  QFont f = label->font();
  while (label->width() > maxWidth && f.pixelSize() > 6) {
    f.setPixelSize(f.pixelSize() - 1);
    label->setFont(f);
    label->adjustSize();
  }
}

void replaceLabel(QLabel* label) {
  const QVariant place = label->property("designedLabel");
  if (!place.isValid()) return;
  const QRect r = place.toRect();
  placeLabel(label, r.left(), r.top(), r.width());
}

void zoomWindowChildren(QWidget* root) {
  zoomChildren(root);
  for (QLabel* label : root->findChildren<QLabel*>()) replaceLabel(label);
}

namespace {

constexpr int kFrameTries = 25;  // a window manager frames a new window within
constexpr int kFrameTryMs = 20;  // half a second, or there is none

void fitOuterSizeLater(QWidget* window, const QSize& outer, int delayMs, int triesLeft) {
  QTimer::singleShot(delayMs, window, [window, outer, triesLeft] {
    if (const std::optional<QMargins> frame = frameAround(window)) {
      window->setFixedSize(outer.shrunkBy(*frame));
    } else if (triesLeft > 0 && window->isVisible()) {
      // Not framed yet: look again shortly, so that the size never depends
      // on how fast the window manager is.
      fitOuterSizeLater(window, outer, kFrameTryMs, triesLeft - 1);
    }
  });
}

}  // namespace

void fitOuterSize(QWidget* window, const QSize& outer) { fitOuterSizeLater(window, outer, 0, kFrameTries); }

void bringForward(QWidget* window, bool shown, int32_t timesShown, int32_t& seen, const QWidget* keepUncovered) {
  const bool again = timesShown != seen;
  seen = timesShown;
  if (!shown) {
    if (window->isVisible()) window->hide();
    return;
  }
  if (!window->isVisible()) {
    window->show();
  } else if (again && !(keepUncovered && keepUncovered->isVisible() &&
                        window->frameGeometry().intersects(keepUncovered->frameGeometry()))) {
    window->raise();
  }
}
