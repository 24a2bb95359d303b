#include "ui/qt/check_notice_widget.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

#include "controls/controls.h"
#include "ui/notice_window.h"
#include "ui/program.h"
#include "ui/qt/event_path.h"
#include "ui/qt/widget_style.h"
#include "ui/qt/window_place.h"
#include "ui/qt/zoom_view.h"
#include "ui/window_layout.h"

namespace {
const QColor kNoticeColour(183, 0, 91);
constexpr int kBlinkMs = 100;
}  // namespace

CheckNoticeWindow::CheckNoticeWindow(QWidget* mainWindow) : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("UYARI"));
  setAttribute(Qt::WA_QuitOnClose, false);
  setFixedSize(zoomedSize(kNoticeWidth, kNoticeHeight));
  setBackgroundColour(this, kNoticeColour);

  label1_ = makeLabel(this, QStringLiteral("ŞAH!!!"), kNoticeLabel.pixelSize, false, Qt::white);
  label1_->setObjectName(QStringLiteral("Label1"));
  placeLabel(label1_, kNoticeLabel.left, kNoticeLabel.top, kNoticeLabel.maxWidth);

  bitBtn1_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
  bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
  bitBtn1_->setFont(gameFont(kMainFontPixels, false));
  setZoomedFontPixels(bitBtn1_, kMainFontPixels);
  placeZoomed(bitBtn1_, kNoticeButton);
  bitBtn1_->setIconSize(zoomedSize(kNoticeButtonIcon, kNoticeButtonIcon));
  bitBtn1_->setDefault(true);
  connect(bitBtn1_, &QPushButton::clicked, this, [this] { runHandler(this, Form2BitBtn1Click); });

  // A blink changes the notice alone: only the notice is redrawn.
  timer1_ = new HandlerTimer(this, "Timer1", kBlinkMs,
                             [this] { runHandler(this, Form2Timer1Timer, [this] { syncFromRecords(); }); });
}

void CheckNoticeWindow::syncFromRecords() {
  timer1_->follow(windows.noticeTimerEnabled && windows.form2.visible);
  if (label1_->isVisibleTo(this) != windows.form2.label1Visible) label1_->setVisible(windows.form2.label1Visible);
  // The notice opens off the board, so that it hides no square: neither the
  // checking piece nor the square of the player's next drop.
  if (windows.form2.visible && !isVisible()) {
    const QWidget* main = parentWidget();
    placeOffBoard(this, main, screenRect(main->findChild<QWidget*>(QStringLiteral("GroupBox1"))),
                  screenRect(main->findChild<QWidget*>(QStringLiteral("ListBox1"))));
  }
  bringForward(this, windows.form2.visible, windows.form2.timesShown, timesShown_);
}

// The notice and its button at the present zoom step, at its place beside
// the main window when it is open. A blink on the way changes nothing here.
void CheckNoticeWindow::applyZoom() {
  setFixedSize(zoomedSize(kNoticeWidth, kNoticeHeight));
  zoomWindowChildren(this);
  bitBtn1_->setIconSize(zoomedSize(kNoticeButtonIcon, kNoticeButtonIcon));
  if (isVisible()) placeBeside(this, parentWidget(), kCheckNoticePlace);
  update();
}

// The white frame around the panel.
void CheckNoticeWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int w = width(), h = height();
  const int frame = zoomedPixels(kNoticeFrame);
  p.fillRect(0, 0, w, frame, Qt::white);
  p.fillRect(0, h - frame, w, frame, Qt::white);
  p.fillRect(0, 0, frame, h, Qt::white);
  p.fillRect(w - frame, 0, frame, h, Qt::white);
  // Drawn once when the notice becomes active; the next repaint of the area
  // (the blinking label crosses it) wipes it again.
  if (activationLine_) {
    p.setPen(QPen(Qt::white, zoomedLine(2)));
    p.drawLine(zoomedPixels(85), 0, zoomedPixels(85), zoomedPixels(50));
    activationLine_ = false;
  }
}

void CheckNoticeWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    activationLine_ = true;
    update();
  }
}

// Escape presses OK, as in a message box.
void CheckNoticeWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    bitBtn1_->click();
  } else {
    QWidget::keyPressEvent(event);
  }
}

// Closed by the window system: the same as OK.
void CheckNoticeWindow::closeEvent(QCloseEvent* event) {
  windows.form2.visible = false;
  event->accept();
}
