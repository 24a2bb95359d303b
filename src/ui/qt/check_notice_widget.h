// The check notice (Form2): a borderless red panel with a blinking "ŞAH!!!"
// and an OK button; it blinks only while it is on the screen. A tool window of
// the main window, so that a click on the board never hides it.
#pragma once

#include <QWidget>
#include <cstdint>

class HandlerTimer;
class QLabel;
class QPushButton;

class CheckNoticeWindow : public QWidget {
 public:
  explicit CheckNoticeWindow(QWidget* mainWindow);

  // Window and label follow form2's record; the timer runs while
  // noticeTimerEnabled and the notice is shown. Every new check brings the
  // notice to the front again.
  void syncFromRecords();

  // Draws the notice at the present zoom step.
  void applyZoom();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool activationLine_ = false;  // the white line drawn once on activation
  int32_t timesShown_ = 0;       // form2.timesShown when last brought forward
  QLabel* label1_;
  QPushButton* bitBtn1_;
  HandlerTimer* timer1_;  // the blink
};
