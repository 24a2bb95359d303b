#include "ui/qt/zoom_view.h"

#include <QFont>
#include <QVariant>
#include <QWidget>
#include <algorithm>

namespace {

int presentStep = 0;

const char* const kDesignedRect = "designedRect";
const char* const kDesignedFont = "designedFontPixels";

}  // namespace

int zoomStep() { return presentStep; }
double zoomFactor() { return kZoomFactors[presentStep]; }
void setZoomStep(int step) { presentStep = std::clamp(step, 0, kLargestZoomStep); }

int zoomedPixels(int designed) { return zoomed(designed, zoomFactor()); }
int zoomedLine(int designed) { return std::max(1, zoomedPixels(designed)); }

QRect zoomedRect(const DesignedRect& designed) {
  const DesignedRect r = zoomed(designed, zoomFactor());
  return {r.left, r.top, r.width, r.height};
}
QRect zoomedRect(const QRect& designed) {
  return zoomedRect(DesignedRect{designed.left(), designed.top(), designed.width(), designed.height()});
}
QSize zoomedSize(int width, int height) { return {zoomedPixels(width), zoomedPixels(height)}; }
QPoint zoomedPoint(QPoint designed) { return {zoomedPixels(designed.x()), zoomedPixels(designed.y())}; }

void placeZoomed(QWidget* w, const DesignedRect& designed) {
  const QRect rect(designed.left, designed.top, designed.width, designed.height);
  w->setProperty(kDesignedRect, rect);
  w->setGeometry(zoomedRect(rect));
}

void setZoomedFontPixels(QWidget* w, int designedPixels) {
  w->setProperty(kDesignedFont, designedPixels);
  QFont font = w->font();
  font.setPixelSize(zoomedPixels(designedPixels));
  w->setFont(font);
}

void zoomChildren(QWidget* root) {
  for (QWidget* w : root->findChildren<QWidget*>()) {
    if (const QVariant px = w->property(kDesignedFont); px.isValid()) setZoomedFontPixels(w, px.toInt());
    if (const QVariant rect = w->property(kDesignedRect); rect.isValid()) w->setGeometry(zoomedRect(rect.toRect()));
  }
}
