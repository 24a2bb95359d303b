// The board frame of the main window (GroupBox1): 64 square controls, the 32
// piece pictures and the two labels drawn over them ("Düşünüyorum...",
// "MAT!!!"). A piece is dragged with press, move and release handled here,
// so the drag works the same on a real display and under test; a press and
// release without a move is a click (click to move).
#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <array>

#include "controls/controls.h"
#include "ui/qt/widget_style.h"

class QLabel;
class PiecePicture;
class BoardSquare;
class LastMoveFrame;

class BoardWidget : public QWidget {
 public:
  static constexpr int kFrameSize = 321;

  explicit BoardWidget(QWidget* parent);

  // Pictures and labels follow form1's records. A picture being dragged keeps
  // its place under the cursor until it is dropped.
  void syncFromRecords();

  // Draws the board at the present zoom step.
  void applyZoom();

  bool isDragging() const { return dragging_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  const QPixmap& stockPixmap(int stockPicture);
  void beginDrag();
  void endDrag();
  void dropAt(QPoint boardPos, QPoint globalPos);
  BoardSquare* squareAt(QPoint boardPos) const;

  std::array<BoardSquare*, 65> squares_{};                        // Shape1..Shape64
  std::array<PiecePicture*, kBoardPictureCount + 1> pictures_{};  // Image1..Image32
  LastMoveFrame* lastMove_ = nullptr;
  QLabel* label19_ = nullptr;
  QLabel* label20_ = nullptr;
  bool labelsPlaced_[2] = {false, false};

  // Stock bitmaps rendered for the current device pixel ratio.
  std::array<QPixmap, kLastStockPicture + 1> stock_{};
  qreal stockRatio_ = 0;
  int stockStep_ = -1;  // the zoom step they were drawn for

  // The drag: armed by a left press that the core accepted, started by the
  // first movement with the button held.
  int pressedPicture_ = 0;
  int pressedSquare_ = 0;  // a left press on a square without a picture
  bool dragging_ = false;
  QPoint pressPos_;
  QPoint grabOffset_;
};
