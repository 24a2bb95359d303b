// The zoom as the windows apply it: the present step, and designed places,
// sizes and fonts multiplied by its factor. A widget placed by its designed
// rectangle or font keeps them, so that a change of step can place it again.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "ui/zoom.h"

class QWidget;

int zoomStep();
double zoomFactor();
// Sets the step (clamped to the steps); the windows follow when told to.
void setZoomStep(int step);

int zoomedPixels(int designed);
// Never thinner than one pixel: a line or a pen.
int zoomedLine(int designed);
QRect zoomedRect(const DesignedRect& designed);
QRect zoomedRect(const QRect& designed);
QSize zoomedSize(int width, int height);
QPoint zoomedPoint(QPoint designed);

// Places `w` at its designed rectangle zoomed, and keeps the rectangle.
void placeZoomed(QWidget* w, const DesignedRect& designed);
// Gives `w` its designed font height zoomed, and keeps the height.
void setZoomedFontPixels(QWidget* w, int designedPixels);
// Places again, at the present step, every child of `root` placed by the two
// above. (zoomWindowChildren in ui/qt/widget_style does the captions too.)
void zoomChildren(QWidget* root);
