// The captured-pieces window (Form3, "KAYIP TAŞLAR"): one hidden 30 x 30
// picture per piece, shown where the capture code places it, under the
// headings "BEYAZ" and "SİYAH" divided by a maroon line. A tool window of
// the main window, so that it stays above the board while it is open.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>

#include "controls/controls.h"

class LostPicture;

class LostPiecesWindow : public QWidget {
 public:
  // Opens beside `mainWindow`, and never over `helpWindow` while it is open.
  LostPiecesWindow(QWidget* mainWindow, const QWidget* helpWindow);

  // Window and pictures follow form3's record; every capture shown brings the
  // window to the front again, unless it would cover the open help window.
  void syncFromRecords();

  // Draws the window at the present zoom step.
  void applyZoom();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  std::array<LostPicture*, kLostPictureSlots> pictures_{};  // by Form3 picture number
  const QWidget* helpWindow_;
  qreal ratio_ = 0;
  int32_t timesShown_ = 0;  // form3.timesShown when last brought forward
};
