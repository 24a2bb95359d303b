#include "ui/qt/board_widget.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <utility>

#include "game/types.h"
#include "input/board_input.h"
#include "ui/handlers.h"
#include "ui/program.h"
#include "ui/qt/event_path.h"
#include "ui/qt/piece_art.h"
#include "ui/qt/zoom_view.h"
#include "ui/window_layout.h"
#include "ui/windows.h"

namespace {

const QColor kThinkingColour(128, 0, 64);
// The last move's frame: a deep blue that stands out on silver and on white
// squares alike, and from the pieces' black and white.
const QColor kLastMoveColour(0, 90, 210);
// The chosen piece's frame and the dots where a piece can go: orange, apart
// from the last move's blue.
const QColor kChoiceColour(230, 110, 0);

MouseButton buttonOf(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    default: return MouseButton::Middle;
  }
}

}  // namespace

// One square control (Shape1..Shape64).
class BoardSquare : public QWidget {
 public:
  BoardSquare(int number, QWidget* parent) : QWidget(parent), number_(number) {
    const int x = shapeFile(number);
    const int y = shapeRank(number);
    setObjectName(QStringLiteral("Shape%1").arg(number));
    placeZoomed(this, boardSquare(x, y));
    colour_ = (x + y) % 2 == 0 ? kSilver : QColor(Qt::white);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }
  int number() const { return number_; }

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), colour_); }
  // Presses belong to the board frame, which runs the drag.
  void mousePressEvent(QMouseEvent* e) override { e->ignore(); }

 private:
  int number_;
  QColor colour_;
};

// One board picture: the bitmap of a stock picture drawn in the middle of a
// transparent square control, so the square shows around it.
class PiecePicture : public QWidget {
 public:
  PiecePicture(int number, QWidget* parent) : QWidget(parent), number_(number) {
    setObjectName(QStringLiteral("Image%1").arg(number));
    resize(zoomedPixels(kSquarePixels), zoomedPixels(kSquarePixels));
  }
  int number() const { return number_; }
  int bitmap() const { return bitmap_; }
  void setBitmap(int bitmap, const QPixmap& pixmap) {
    bitmap_ = bitmap;
    setProperty("bitmap", bitmap);  // which stock picture is shown
    pixmap_ = pixmap;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    const QSize bitmap = pixmap_.deviceIndependentSize().toSize();
    QPainter(this).drawPixmap((width() - bitmap.width()) / 2, (height() - bitmap.height()) / 2, pixmap_);
  }
  void mousePressEvent(QMouseEvent* e) override { e->ignore(); }

 private:
  int number_;
  int bitmap_ = 0;
  QPixmap pixmap_;
};

// A thin frame on the two squares of the last move, a frame on the chosen
// piece's square and a dot on every square the piece held or chosen can go
// to, drawn over the pieces' pictures (their bitmaps fill the squares) and
// under the labels. It lets the mouse through to the pictures and squares
// below.
class LastMoveFrame : public QWidget {
 public:
  explicit LastMoveFrame(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("lastMove"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(zoomedPixels(kSquarePixels * 8), zoomedPixels(kSquarePixels * 8));
  }
  void setMarks(const LastMoveMark& mark, QPoint chosen, uint64_t targets) {
    if (mark == mark_ && chosen == chosen_ && targets == targets_) return;
    // Only the squares marked before or now are drawn again, so that the
    // cost of a move does not grow with the whole board's size.
    QRegion changed = markedSquares();
    mark_ = mark;
    chosen_ = chosen;
    targets_ = targets;
    changed += markedSquares();
    update(changed);
  }
  // Everything marked at all, drawn again after a change of size.
  void markAll() { update(); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setBrush(Qt::NoBrush);
    // Frames and dots at the zoomed squares' own pixels.
    const int pen = zoomedLine(kSquareFramePen);
    const qreal inset = pen / 2.0;
    const auto frame = [&](QPoint designedTopLeft) {
      const QRect square = zoomedRect(QRect(designedTopLeft, QSize(kSquarePixels, kSquarePixels)));
      painter.drawRect(QRectF(square).adjusted(inset, inset, -inset, -inset));
    };
    painter.setPen(QPen(kLastMoveColour, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    for (const auto& [x, y] : {std::pair{mark_.fromX, mark_.fromY}, std::pair{mark_.toX, mark_.toY}}) {
      if (mark_.shown && onBoardCoord(x, y)) frame(QPoint(squareLeft(x), squareTop(y)));
    }
    painter.setPen(QPen(kChoiceColour, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    if (chosen_.x() >= 0) frame(chosen_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kChoiceColour);
    const qreal radius = kTargetDotRadius * zoomFactor();
    for (int sq = 0; sq < 64; ++sq) {
      if (((targets_ >> sq) & 1) == 0) continue;
      const QRectF square = zoomedRect(boardSquare(sq / 8, sq % 8));
      painter.drawEllipse(square.center(), radius, radius);
    }
  }

 private:
  QRegion markedSquares() const {
    QRegion region;
    const auto add = [&](QPoint designedTopLeft) {
      region += zoomedRect(QRect(designedTopLeft, QSize(kSquarePixels, kSquarePixels)));
    };
    if (mark_.shown) {
      for (const auto& [x, y] : {std::pair{mark_.fromX, mark_.fromY}, std::pair{mark_.toX, mark_.toY}})
        if (onBoardCoord(x, y)) add(QPoint(squareLeft(x), squareTop(y)));
    }
    if (chosen_.x() >= 0) add(chosen_);
    for (int sq = 0; sq < 64; ++sq)
      if ((targets_ >> sq) & 1) add(QPoint(squareLeft(sq / 8), squareTop(sq % 8)));
    return region;
  }

  LastMoveMark mark_{};
  QPoint chosen_{-1, -1};  // the chosen piece's picture place; x -1 for none
  uint64_t targets_ = 0;   // bit x * 8 + y
};

BoardWidget::BoardWidget(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("GroupBox1"));
  resize(zoomedPixels(kFrameSize), zoomedPixels(kFrameSize));
  setBackgroundColour(this, kSilver);
  setCursor(Qt::ArrowCursor);

  // Creation order is the stacking order: squares, pictures, then the labels.
  for (int n = 1; n <= 64; ++n) squares_[n] = new BoardSquare(n, this);
  for (int n = 1; n <= kBoardPictureCount; ++n) pictures_[n] = new PiecePicture(n, this);
  lastMove_ = new LastMoveFrame(this);

  label19_ = makeLabel(this, QStringLiteral("Düşünüyorum..."), kThinkingLabel.pixelSize, false, kThinkingColour);
  label19_->setObjectName(QStringLiteral("Label19"));
  label19_->move(zoomedPoint(QPoint(kThinkingLabel.left, kThinkingLabel.top)));
  label20_ = makeLabel(this, QStringLiteral("MAT!!!"), kMateLabel.pixelSize, false, kThinkingColour);
  label20_->setObjectName(QStringLiteral("Label20"));
  label20_->move(zoomedPoint(QPoint(kMateLabel.left, kMateLabel.top)));
  label19_->hide();
  label20_->hide();
}

const QPixmap& BoardWidget::stockPixmap(int stockPicture) {
  static const QPixmap none;
  if (stockPicture < kFirstStockPicture || stockPicture > kLastStockPicture) return none;
  const qreal ratio = devicePixelRatioF();
  if (ratio != stockRatio_ || zoomStep() != stockStep_) {
    stock_.fill(QPixmap());
    stockRatio_ = ratio;
    stockStep_ = zoomStep();
  }
  QPixmap& p = stock_[stockPicture];
  if (p.isNull()) {
    p = QPixmap::fromImage(stockBitmap(stockPicture, zoomedPixels(kPieceBitmapPixels), ratio));
    p.setDevicePixelRatio(ratio);
  }
  return p;
}

// Squares, pictures, marks and labels at the present zoom step; the pieces'
// bitmaps are drawn again at their new size.
void BoardWidget::applyZoom() {
  resize(zoomedPixels(kFrameSize), zoomedPixels(kFrameSize));
  const QSize square = zoomedSize(kSquarePixels, kSquarePixels);
  for (int n = 1; n <= 64; ++n) squares_[n]->setGeometry(zoomedRect(squares_[n]->property("designedRect").toRect()));
  for (int n = 1; n <= kBoardPictureCount; ++n) pictures_[n]->resize(square);
  lastMove_->resize(zoomedSize(kSquarePixels * 8, kSquarePixels * 8));
  lastMove_->markAll();
  labelsPlaced_[0] = labelsPlaced_[1] = false;
  for (QLabel* label : {label19_, label20_}) {
    setZoomedFontPixels(label, label->property("designedFontPixels").toInt());
    label->adjustSize();
  }
  label19_->move(zoomedPoint(QPoint(kThinkingLabel.left, kThinkingLabel.top)));
  label20_->move(zoomedPoint(QPoint(kMateLabel.left, kMateLabel.top)));
  syncFromRecords();
}

void BoardWidget::syncFromRecords() {
  const bool restock = stockRatio_ != devicePixelRatioF() || stockStep_ != zoomStep();
  for (int n = 1; n <= kBoardPictureCount; ++n) {
    PiecePicture* pic = pictures_[n];
    const PictureControl& rec = windows.form1.image[n];
    const bool held = dragging_ && n == pressedPicture_;
    const QPoint at = zoomedPoint(QPoint(rec.left, rec.top));
    if (!held && pic->pos() != at) pic->move(at);
    if (pic->isEnabled() != rec.enabled) pic->setEnabled(rec.enabled);
    if (pic->bitmap() != rec.bitmap || restock) pic->setBitmap(rec.bitmap, stockPixmap(rec.bitmap));
    if (pic->isVisibleTo(this) != rec.visible) pic->setVisible(rec.visible);
  }
  const int chosen = windows.form1.selectedPicture;
  const QPoint chosenAt = chosen > 0 && chosen <= kBoardPictureCount
                              ? QPoint(windows.form1.image[chosen].left, windows.form1.image[chosen].top)
                              : QPoint(-1, -1);
  lastMove_->setMarks(windows.form1.lastMove, chosenAt, windows.form1.moveTargets);
  // The two large labels are sized when first shown: their fonts are loaded
  // only then, which keeps them out of the start-up.
  if (windows.form1.label19Visible && !labelsPlaced_[0]) {
    placeLabel(label19_, kThinkingLabel.left, kThinkingLabel.top, kThinkingLabel.maxWidth);
    labelsPlaced_[0] = true;
  }
  if (windows.form1.label20Visible && !labelsPlaced_[1]) {
    placeLabel(label20_, kMateLabel.left, kMateLabel.top, kMateLabel.maxWidth);
    labelsPlaced_[1] = true;
  }
  if (label19_->isVisibleTo(this) != windows.form1.label19Visible) label19_->setVisible(windows.form1.label19Visible);
  if (label20_->isVisibleTo(this) != windows.form1.label20Visible) label20_->setVisible(windows.form1.label20Visible);
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (pressedPicture_ != 0) {
    // Another button during a drag; a lost release must not leave a drag armed.
    if (event->button() != Qt::LeftButton) return;
    endDrag();
  }
  const QPoint pos = event->position().toPoint();
  pressedSquare_ = 0;
  auto* pic = dynamic_cast<PiecePicture*>(childAt(pos));
  if (!pic || !pic->isEnabled()) {
    // A left press on a square: a click there may play the chosen piece.
    BoardSquare* sq = squareAt(pos);
    if (sq && event->button() == Qt::LeftButton) pressedSquare_ = sq->number();
    return;
  }
  bool startDrag = false;
  runHandler(this, [&] { startDrag = Image1MouseDown(pic->number(), buttonOf(event->button())); });
  if (startDrag && event->button() == Qt::LeftButton) {
    pressedPicture_ = pic->number();
    pressPos_ = pos;
    grabOffset_ = pos - pic->pos();
  }
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  if (pressedPicture_ == 0) return;
  const QPoint pos = event->position().toPoint();
  if (!dragging_ && (pos - pressPos_).manhattanLength() >= 1) beginDrag();
  if (dragging_) pictures_[pressedPicture_]->move(pos - grabOffset_);
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  if (pressedPicture_ == 0) {
    const int shape = std::exchange(pressedSquare_, 0);
    if (shape != 0) runHandler(this, [shape] { ShapeClick(shape); });
    return;
  }
  if (!dragging_) {
    // A plain click on a piece.
    const int picture = std::exchange(pressedPicture_, 0);
    runHandler(this, [picture] { ImageClick(picture); });
    return;
  }
  dropAt(event->position().toPoint(), event->globalPosition().toPoint());
}

// The picture rises above everything on the board and lets the mouse through,
// so that the control under the cursor can be found at the drop.
void BoardWidget::beginDrag() {
  dragging_ = true;
  PiecePicture* pic = pictures_[pressedPicture_];
  pic->setAttribute(Qt::WA_TransparentForMouseEvents, true);
  pic->raise();
  QApplication::setOverrideCursor(Qt::PointingHandCursor);
}

void BoardWidget::endDrag() {
  if (dragging_) {
    PiecePicture* pic = pictures_[pressedPicture_];
    pic->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    pic->stackUnder(lastMove_);
    QApplication::restoreOverrideCursor();
  }
  dragging_ = false;
  pressedPicture_ = 0;
}

BoardSquare* BoardWidget::squareAt(QPoint boardPos) const {
  for (int n = 1; n <= 64; ++n)
    if (squares_[n]->geometry().contains(boardPos)) return squares_[n];
  return nullptr;
}

// Finds the control under the cursor and hands the drop to its handler: a
// piece picture, else a square. Labels, the frame border, other controls and
// other windows take no drop. Afterwards the records put the picture back in
// place, so a refused move returns it to its square.
void BoardWidget::dropAt(QPoint boardPos, QPoint globalPos) {
  const int dragged = pressedPicture_;
  QWidget* target = QApplication::widgetAt(globalPos);
  if (!target) {
    // Platforms without a window stack (offscreen) may find no window at
    // all; our own window decides then.
    const QPoint inWindow = window()->mapFromGlobal(globalPos);
    if (window()->rect().contains(inWindow)) target = window()->childAt(inWindow);
  }
  if (target && target->window() != window()) target = nullptr;
  endDrag();

  // The dragged picture still stands on its square for the drop: releasing
  // over that square drops the piece on itself.
  const PictureControl& home = windows.form1.image[dragged];
  const bool onItself = zoomedRect(QRect(home.left, home.top, kSquarePixels, kSquarePixels)).contains(boardPos);

  runHandler(this, [&] {
    if (auto* pic = dynamic_cast<PiecePicture*>(target)) {
      if (pic->isEnabled()) {
        ImageDragDrop(pic->number());
      } else if (BoardSquare* sq = squareAt(boardPos)) {
        Shape41DragDrop(sq->number());  // a disabled picture takes no drop
      }
    } else if (auto* sq = dynamic_cast<BoardSquare*>(target)) {
      onItself ? ImageDragDrop(dragged) : Shape41DragDrop(sq->number());
    }
    Image1EndDrag();
  });
}
