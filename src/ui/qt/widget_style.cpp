#include "ui/qt/widget_style.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QSize>
#include <QTimer>
#include <QWidget>

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
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, colour);
  label->setPalette(pal);
  label->setCursor(Qt::ArrowCursor);
  return label;
}

void placeLabel(QLabel* label, int left, int top, int maxWidth) {
  label->move(left, top);
  label->adjustSize();
  QFont f = label->font();
  while (label->width() > maxWidth && f.pixelSize() > 6) {
    f.setPixelSize(f.pixelSize() - 1);
    label->setFont(f);
    label->adjustSize();
  }
}

void fitOuterSize(QWidget* window, const QSize& outer) {
  QTimer::singleShot(0, window, [window, outer] {
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    if (frame.width() > 0 || frame.height() > 0) window->setFixedSize(outer - frame);
  });
}

void bringForward(QWidget* window, bool shown, int32_t timesShown, int32_t& seen) {
  const bool again = timesShown != seen;
  seen = timesShown;
  if (!shown) {
    if (window->isVisible()) window->hide();
    return;
  }
  if (!window->isVisible()) {
    window->show();
  } else if (again) {
    window->raise();
  }
}
