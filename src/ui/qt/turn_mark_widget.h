// The mark beside the caption "oyun sırası ": a small disc in the colour of
// the side to move and its name, or the winner's colour and how the game
// ended. It draws form1.turnMark.
#pragma once

#include <QWidget>

class TurnMarkWidget : public QWidget {
 public:
  explicit TurnMarkWidget(QWidget* parent);
  void syncFromRecords();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int side_ = -1;
  bool gameOver_ = false;
  QString text_;
};
