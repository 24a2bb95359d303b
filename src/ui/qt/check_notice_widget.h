// The check notice (Form2): a borderless red panel with a blinking "ŞAH!!!"
// and an OK button. Its blink timer runs for the whole program.
#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;

class CheckNoticeWindow : public QWidget {
 public:
  CheckNoticeWindow();

  // Window and label follow form2's record, the timer form2TimerEnabled.
  void syncFromRecords();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  bool activationLine_ = false;  // the white line drawn once on activation
  QLabel* label1_;
  QPushButton* bitBtn1_;
  QTimer timer1_;
};
