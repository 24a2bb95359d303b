#include "ui/qt/turn_mark_widget.h"

#include <QFontMetrics>
#include <QPainter>

#include "game/types.h"
#include "ui/program.h"
#include "ui/qt/widget_style.h"
#include "ui/qt/zoom_view.h"
#include "ui/windows.h"

namespace {

constexpr int kDisc = 10;
constexpr int kGap = 1;
// The side's name under the disc, in the narrow room left of the caption.
constexpr int kNameLargest = 11;
constexpr int kNameSmallest = 7;
// How the game ended, in the caption's place: as large as the caption, and
// never smaller than the move list's text.
constexpr int kEndLargest = 16;
constexpr int kEndSmallest = 11;

// The largest font from `largest` down to `smallest` in which `text` fits
// `box`, in two lines at most.
QFont fittingFont(const QString& text, const QRect& box, int largest, int smallest, bool bold) {
  QFont font = gameFont(zoomedPixels(largest), bold);
  for (int px = largest; px > smallest; --px) {
    font.setPixelSize(zoomedPixels(px));
    const QRect need = QFontMetrics(font).boundingRect(box, Qt::TextWordWrap | Qt::AlignCenter, text);
    if (need.width() <= box.width() && need.height() <= box.height()) break;
  }
  return font;
}

}  // namespace

TurnMarkWidget::TurnMarkWidget(QWidget* parent, const QWidget* caption) : QWidget(parent), caption_(caption) {
  setObjectName(QStringLiteral("turnMark"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TurnMarkWidget::syncFromRecords() {
  const TurnMark& m = windows.form1.turnMark;
  const QString text = QString::fromUtf8(m.text.data(), static_cast<qsizetype>(m.text.size()));
  if (m.side == side_ && m.gameOver == gameOver_ && text == text_) return;
  side_ = m.side;
  gameOver_ = m.gameOver;
  text_ = text;
  setToolTip(text_);
  update();
}

// While the game goes on: a disc in the side's colour over its name, left of
// the caption. Once it is over: the line saying how it ended, over the
// caption (whose "whose turn" no longer holds), in the caption's colour.
void TurnMarkWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(kMaroon);
  if (gameOver_) {
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setFont(fittingFont(text_, rect(), kEndLargest, kEndSmallest, true));
    painter.drawText(rect(), Qt::TextWordWrap | Qt::AlignCenter, text_);
    return;
  }
  QRect box(0, 0, caption_->x() - x(), height());
  if (side_ == kWhite || side_ == kBlack) {
    const qreal f = zoomFactor();
    painter.setPen(QPen(Qt::black, f));
    painter.setBrush(side_ == kWhite ? QColor(Qt::white) : QColor(Qt::black));
    painter.drawEllipse(QRectF((box.width() - kDisc * f) / 2.0, 1.5 * f, kDisc * f, kDisc * f));
    box.setTop(zoomedPixels(kDisc + kGap));
    painter.setPen(kMaroon);
  }
  painter.setFont(fittingFont(text_, box, kNameLargest, kNameSmallest, false));
  painter.drawText(box, Qt::TextWordWrap | Qt::AlignCenter, text_);
}
