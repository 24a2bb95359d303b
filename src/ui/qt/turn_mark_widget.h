// The mark beside the caption "oyun sırası ": a small disc in the colour of
// the side to move and its name, or, once the game is over, how it ended in
// the caption's place. It draws form1.turnMark.
#pragma once

#include <QWidget>

class TurnMarkWidget : public QWidget {
 public:
  // Lies over `caption` and the room left of it; only the end of the game is
  // drawn over the caption.
  TurnMarkWidget(QWidget* parent, const QWidget* caption);
  void syncFromRecords();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QWidget* caption_;
  int side_ = -1;
  bool gameOver_ = false;
  QString text_;
};
