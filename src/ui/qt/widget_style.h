// The look shared by the game's windows: DejaVu Sans at pixel heights, and
// labels placed at their designed spot.
#pragma once

#include <QString>

class QColor;
class QFont;
class QLabel;
class QWidget;

QFont gameFont(int pixelSize, bool bold);
void setBackgroundColour(QWidget* w, const QColor& colour);
QLabel* makeLabel(QWidget* parent, const QString& text, int pixelSize, bool bold, const QColor& colour);
// Sizes the label to its text at (left, top); a text wider than maxWidth gets
// a smaller font, so that nothing is clipped by the label's parent.
void placeLabel(QLabel* label, int left, int top, int maxWidth);
