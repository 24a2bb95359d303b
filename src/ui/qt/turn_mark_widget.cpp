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
constexpr int kLargestFont = 11;
constexpr int kSmallestFont = 7;

// The largest font from kLargestFont down in which `text` fits `box`, in two
// lines at most.
QFont fittingFont(const QString& text, const QRect& box) {
  QFont font = gameFont(zoomedPixels(kLargestFont), false);
  for (int px = kLargestFont; px > kSmallestFont; --px) {
    font.setPixelSize(zoomedPixels(px));
    const QRect need = QFontMetrics(font).boundingRect(box, Qt::TextWordWrap | Qt::AlignCenter, text);
    if (need.width() <= box.width() && need.height() <= box.height()) break;
  }
  return font;
}

}  // namespace

TurnMarkWidget::TurnMarkWidget(QWidget* parent) : QWidget(parent) {
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

// While the game goes on: a disc in the side's colour over its name. Once it
// is over: the line saying who won, on up to two lines. The room between the
// board and the caption is narrow, so the font shrinks to fit.
void TurnMarkWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QRect box = rect();
  if (!gameOver_ && (side_ == kWhite || side_ == kBlack)) {
    const qreal f = zoomFactor();
    painter.setPen(QPen(Qt::black, f));
    painter.setBrush(side_ == kWhite ? QColor(Qt::white) : QColor(Qt::black));
    painter.drawEllipse(QRectF((width() - kDisc * f) / 2.0, 1.5 * f, kDisc * f, kDisc * f));
    box.setTop(zoomedPixels(kDisc + kGap));
  }
  painter.setFont(fittingFont(text_, box));
  painter.setPen(kMaroon);
  painter.drawText(box, Qt::TextWordWrap | Qt::AlignCenter, text_);
}
