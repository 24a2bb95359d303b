// The look shared by the game's windows: DejaVu Sans at pixel heights, and
// labels placed at their designed spot.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>

class QFont;
class QLabel;
class QSize;
class QWidget;

// The colours the windows share.
inline constexpr QColor kFormColour(208, 216, 167);  // main and help window
inline constexpr QColor kMaroon(128, 0, 0);
inline constexpr QColor kSilver(192, 192, 192);

QFont gameFont(int pixelSize, bool bold);
void setBackgroundColour(QWidget* w, const QColor& colour);
QLabel* makeLabel(QWidget* parent, const QString& text, int pixelSize, bool bold, const QColor& colour);
// Sizes the label to its text at (left, top); a text wider than maxWidth gets
// a smaller font, so that nothing is clipped by the label's parent. The
// place is the designed one, zoomed (ui/qt/zoom_view), and kept for
// replaceLabel.
void placeLabel(QLabel* label, int left, int top, int maxWidth);
// Places a label again at its kept place, at the present zoom step; a label
// never placed is left alone.
void replaceLabel(QLabel* label);
// Every child of `root` at the present zoom step: the controls placed by
// their designed rectangles and fonts (ui/qt/zoom_view) and the captions.
void zoomWindowChildren(QWidget* root);

// Makes the whole window `outer` large, frame and caption included, once the
// window system has framed it (a window without a frame keeps `outer` as its
// inside). Called when the window is shown.
void fitOuterSize(QWidget* window, const QSize& outer);

// Shows or hides a side window as its record says; each time the record
// counts one more showing (`timesShown` differs from `seen`), the window comes
// to the front again, even if it was open all along but covered; but never
// over `keepUncovered` (the help window) while that is open.
void bringForward(QWidget* window, bool shown, int32_t timesShown, int32_t& seen,
                  const QWidget* keepUncovered = nullptr);
