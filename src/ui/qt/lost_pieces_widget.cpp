#include "ui/qt/lost_pieces_widget.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>

#include "game/pictures.h"
#include "game/types.h"
#include "ui/program.h"
#include "ui/qt/piece_art.h"
#include "ui/qt/widget_style.h"
#include "ui/qt/window_manager.h"
#include "ui/qt/window_place.h"
#include "ui/qt/zoom_view.h"
#include "ui/window_layout.h"
#include "ui/windows.h"

namespace {
const QColor kWindowColour(255, 196, 196);
}  // namespace

class LostPicture : public QWidget {
 public:
  LostPicture(int number, int stockPicture, QWidget* parent) : QWidget(parent), stockPicture_(stockPicture) {
    setObjectName(QStringLiteral("Image%1").arg(number));
    resize(zoomedSize(kLostPicturePixels, kLostPicturePixels));
    hide();
  }
  // Drawn again at the next paint (a picture is drawn only once it is shown).
  void invalidate() {
    pixmap_ = QPixmap();
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    const qreal ratio = devicePixelRatioF();
    if (pixmap_.isNull() || pixmap_.devicePixelRatio() != ratio) {
      pixmap_ = QPixmap::fromImage(stockBitmap(stockPicture_, width(), ratio));
      pixmap_.setDevicePixelRatio(ratio);
    }
    QPainter(this).drawPixmap(0, 0, pixmap_);
  }

 private:
  int stockPicture_;
  QPixmap pixmap_;
};

LostPiecesWindow::LostPiecesWindow(QWidget* mainWindow, const QWidget* helpWindow)
    : QWidget(mainWindow, Qt::Tool), helpWindow_(helpWindow) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("KAYIP TAŞLAR"));
  setAttribute(Qt::WA_QuitOnClose, false);
  setFixedSize(zoomedSize(kLostWidth, kLostHeight));
  offerNoMaximize(this);
  setBackgroundColour(this, kWindowColour);

  for (const auto& [text, at] :
       {std::pair{QStringLiteral("BEYAZ"), kWhiteHeading}, std::pair{QStringLiteral("SİYAH"), kBlackHeading}})
    placeLabel(makeLabel(this, text, at.pixelSize, true, kMaroon), at.left, at.top, at.maxWidth);

  // Each piece has its own picture, showing it on silver (the dark-square
  // bitmap of its kind).
  for (Side side : {kWhite, kBlack}) {
    for (PieceKind kind : kKindOrder) {
      for (int index = 0; index < pieceCountOf(kind); ++index) {
        const int n = lostPictureOf(side, kind, index);
        if (n > 0 && n < kLostPictureSlots && !pictures_[n])
          pictures_[n] = new LostPicture(n, stockPictureOf(side, kind, 0), this);
      }
    }
  }
}

void LostPiecesWindow::syncFromRecords() {
  const qreal ratio = devicePixelRatioF();
  const bool rerender = ratio != ratio_;
  ratio_ = ratio;
  for (int n = 0; n < kLostPictureSlots; ++n) {
    LostPicture* pic = pictures_[n];
    if (!pic) continue;
    if (rerender) pic->invalidate();
    const PictureControl& rec = windows.form3.image[n];
    const QPoint at = zoomedPoint(QPoint(rec.left, rec.top));
    if (pic->pos() != at) pic->move(at);
    if (pic->isVisibleTo(this) != rec.visible) pic->setVisible(rec.visible);
  }
  if (windows.form3.visible && !isVisible()) placeClearOfHelp(this, parentWidget(), kLostPiecesPlace, helpWindow_);
  bringForward(this, windows.form3.visible, windows.form3.timesShown, timesShown_, helpWindow_);
}

// The divider between the white and the black columns, on every paint.
void LostPiecesWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(QPen(kMaroon, zoomedLine(2)));
  p.drawLine(zoomedPixels(kLostDividerX), 0, zoomedPixels(kLostDividerX), height());
}

void LostPiecesWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  fitOuterSize(this, zoomedSize(kLostWidth, kLostHeight));
}

// The window, its headings and pictures at the present zoom step, at its
// place beside the main window when it is open.
void LostPiecesWindow::applyZoom() {
  setFixedSize(zoomedSize(kLostWidth, kLostHeight));
  zoomWindowChildren(this);
  for (LostPicture* pic : pictures_) {
    if (!pic) continue;
    pic->resize(zoomedSize(kLostPicturePixels, kLostPicturePixels));
    pic->invalidate();
  }
  syncFromRecords();
  if (isVisible()) {
    placeBeside(this, parentWidget(), kLostPiecesPlace);
    fitOuterSize(this, zoomedSize(kLostWidth, kLostHeight));
  }
  update();
}

// Closing only hides the window; the next capture shows it again.
void LostPiecesWindow::closeEvent(QCloseEvent* event) {
  windows.form3.visible = false;
  event->accept();
}
