// The help window "YARDIM".
#include "ui/qt/help_window_widget.h"

#include <QCloseEvent>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QHideEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QtMath>
#include <utility>

#include "ui/help_pages.h"
#include "ui/help_window.h"
#include "ui/program.h"
#include "ui/qt/event_path.h"
#include "ui/qt/jpeg_image.h"
#include "ui/qt/widget_style.h"
#include "ui/qt/window_manager.h"
#include "ui/qt/window_place.h"
#include "ui/qt/zoom_view.h"
#include "ui/window_layout.h"
#include "ui/windows.h"

namespace {

// Window font: DejaVu Sans for the designed 8-point sans serif, by pixel
// height so that the layout's pixel positions hold. The "+"/"-" is designed
// 16 pixels high in a 9-pixel-wide label (Label8, of a fixed size); DejaVu's
// plus sign is wider, and at 12 pixels it fits.
constexpr int kFoldLabel = 8;
constexpr int kMenusLabel = 2;

// DejaVu Sans runs wider than the designed font: a caption that would cross
// the line at Left 79 gets its letters drawn closer together.
void fitToColumn(QLabel* label, int left) {
  QFont font = label->font();
  font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
  const QString text = label->text();
  const qreal room = zoomedPixels(kHelpLine.left) - zoomedPixels(left) - 1;
  const qreal width = QFontMetricsF(font).horizontalAdvance(text);
  if (width > room && !text.isEmpty()) {
    font.setLetterSpacing(QFont::AbsoluteSpacing, qMax(-1.0, (room - width) / text.size()));
  }
  label->setFont(font);
  label->adjustSize();
}

QString pageResource(int page) { return QStringLiteral(":/help/page%1.jpg").arg(page, 2, 10, QLatin1Char('0')); }

// A page picture, decoded at about the size it is shown (the designed size
// zoomed, with as many of its pixels as the screen's pixel ratio uses), made
// exactly that size.
QPixmap pagePixmap(QImage picture, qreal ratio) {
  const qreal shownWidth = kHelpPictureWidth * zoomFactor();
  const int width = qRound(shownWidth * ratio);
  if (width != picture.width()) {
    const qreal scale = width / static_cast<qreal>(picture.width());
    picture = picture.scaled(width, qRound(picture.height() * scale), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  picture.setDevicePixelRatio(static_cast<qreal>(picture.width()) / shownWidth);
  // Handed over whole, so that the picture is held once.
  return QPixmap::fromImage(std::move(picture));
}

// Shows the page's picture, or says in words why it cannot.
void loadPage(QLabel* label, int page) {
  QFile file(pageResource(page));
  QImage image;
  QString error;
  if (!file.open(QIODevice::ReadOnly)) {
    error = QStringLiteral("Sayfa dosyası bulunamadı.");
  } else if (decodeJpeg(file.readAll(), image, &error,
                        qCeil(kHelpPictureWidth * zoomFactor() * label->devicePixelRatioF()))) {
    label->setPixmap(pagePixmap(std::move(image), label->devicePixelRatioF()));
    return;
  }
  label->setWordWrap(true);
  label->setMargin(8);
  label->setText(QStringLiteral("Yardım sayfası %1 gösterilemiyor. %2").arg(page).arg(error));
}

}  // namespace

HelpTopicLabel::HelpTopicLabel(QWidget* parent) : QLabel(parent) {}

void HelpTopicLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

void HelpTopicLabel::mouseMoveEvent(QMouseEvent* event) {
  QLabel::mouseMoveEvent(event);
  emit mouseMoved();
}

// A tool window of the main window when it has one: it stays above the board
// while it is open, as the captured pieces do, and a click on the board does
// not bring those up over it.
HelpWindow::HelpWindow(QWidget* mainWindow) : QWidget(mainWindow, mainWindow ? Qt::Tool : Qt::Window) {
  setObjectName(QStringLiteral("Form4"));
  setWindowTitle(QStringLiteral("YARDIM"));
  setFixedSize(zoomedSize(kHelpWidth, kHelpHeight));
  offerNoMaximize(this);
  setFont(gameFont(kHelpFontPixels, false));
  setZoomedFontPixels(this, kHelpFontPixels);
  setBackgroundColour(this, kFormColour);

  auto* line = new QWidget(this);
  line->setObjectName(QStringLiteral("Shape1"));
  placeZoomed(line, kHelpLine);
  setBackgroundColour(line, Qt::black);

  createPages();
  createTopics();
  createButtons();
  syncChildren();
}

// Created in table order, so a later page lies above an earlier one.
void HelpWindow::createPages() {
  for (int page = 1; page < kHelpPageCount; ++page) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Image%1").arg(page));
    const HelpPagePlace& place = kHelpPagePlaces[page - 1];
    placeZoomed(label, {kHelpPageLeft, place.top, kHelpPageControlWidth, place.controlHeight});
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pages_[page] = label;
  }
}

void HelpWindow::showEvent(QShowEvent* event) {
  syncPages(true);
  QWidget::showEvent(event);
  fitOuterSize(this, zoomedSize(kHelpWidth, kHelpHeight));
}

void HelpWindow::applyZoom() {
  setFixedSize(zoomedSize(kHelpWidth, kHelpHeight));
  setZoomedFontPixels(this, kHelpFontPixels);
  zoomWindowChildren(this);
  labels_[kFoldLabel]->setFixedSize(zoomedSize(kHelpFoldWidth, kHelpFoldHeight));
  // The pages in view are decoded again at their new size.
  syncPages(false);
  for (int number = 1; number < kHelpLabelCount; ++number) {
    if (number == kFoldLabel) continue;
    labels_[number]->setFont(font());
    fitToColumn(labels_[number], windows.form4.label[number].left);
  }
  syncChildren();
  if (isVisible()) {
    placeBeside(this, mainWindow_, kHelpWindowPlace);
    fitOuterSize(this, zoomedSize(kHelpWidth, kHelpHeight));
  }
}

void HelpWindow::hideEvent(QHideEvent* event) {
  syncPages(false);
  QWidget::hideEvent(event);
}

// A page's picture is decoded when the page comes into view and let go when
// it leaves, so the window holds only the one or two pictures on screen, and
// none while it is hidden.
void HelpWindow::syncPages(bool windowShown) {
  for (int page = 1; page < kHelpPageCount; ++page) {
    QLabel* label = pages_[page];
    const bool seen = windowShown && windows.form4.pageVisible[page];
    label->setVisible(windows.form4.pageVisible[page]);
    if (seen && !pageLoaded_[page]) {
      loadPage(label, page);
    } else if (!seen && pageLoaded_[page]) {
      label->clear();
    }
    pageLoaded_[page] = seen;
  }
}

void HelpWindow::createTopics() {
  QPalette maroon = palette();
  maroon.setColor(QPalette::WindowText, kMaroon);
  for (int number = 1; number < kHelpLabelCount; ++number) {
    auto* label = new HelpTopicLabel(this);
    label->setObjectName(QStringLiteral("Label%1").arg(number));
    label->setCursor(Qt::PointingHandCursor);
    if (number == kFoldLabel) {
      label->setFont(gameFont(kHelpFoldFontPixels, false));
      setZoomedFontPixels(label, kHelpFoldFontPixels);
      label->setFixedSize(zoomedSize(kHelpFoldWidth, kHelpFoldHeight));
      label->setAlignment(Qt::AlignCenter);
    } else {
      label->setPalette(maroon);
    }
    labels_[number] = label;
  }
  labels_[kMenusLabel]->setMouseTracking(true);
  connect(labels_[kMenusLabel], &HelpTopicLabel::mouseMoved, this, [this] { runHandler(this, Form4Label2MouseMove); });

  // Label2 ("1- MENULER") only unfolds on hover; the others are clicked.
  struct Click {
    int label;
    void (*handler)();
  };
  static constexpr Click clicks[] = {{8, Form4Label8Click}, {1, Form4Label1Click}, {7, Form4Label7Click},
                                     {3, Form4Label3Click}, {4, Form4Label4Click}, {5, Form4Label5Click},
                                     {6, Form4Label6Click}, {9, Form4Label9Click}};
  for (const Click& click : clicks) {
    connect(labels_[click.label], &HelpTopicLabel::clicked, this,
            [this, handler = click.handler] { runHandler(this, handler); });
  }
}

void HelpWindow::createButtons() {
  previousButton_ = new QPushButton(QStringLiteral("Onceki"), this);
  previousButton_->setObjectName(QStringLiteral("Button2"));
  placeZoomed(previousButton_, kHelpPreviousButton);
  nextButton_ = new QPushButton(QStringLiteral("Sonraki"), this);
  nextButton_->setObjectName(QStringLiteral("Button1"));
  placeZoomed(nextButton_, kHelpNextButton);
  connect(previousButton_, &QPushButton::clicked, this, [this] { runHandler(this, Form4Button2Click); });
  connect(nextButton_, &QPushButton::clicked, this, [this] { runHandler(this, Form4Button1Click); });
}

void HelpWindow::syncFromRecords() {
  syncChildren();
  if (windows.form4.visible && !isVisible()) {
    placeBeside(this, mainWindow_, kHelpWindowPlace);
    show();
  } else if (!windows.form4.visible && isVisible()) {
    hide();
  }
}

void HelpWindow::syncChildren() {
  for (int number = 1; number < kHelpLabelCount; ++number) {
    const HelpLabel& record = windows.form4.label[number];
    HelpTopicLabel* label = labels_[number];
    const QString caption = QString::fromStdString(record.caption);
    if (label->text() != caption) {
      label->setText(caption);
      if (number != kFoldLabel) fitToColumn(label, record.left);
    }
    label->move(zoomedPoint(QPoint(record.left, record.top)));
    label->setVisible(record.visible);
  }
  syncPages(isVisible());
  nextButton_->setVisible(windows.form4.button1Visible);
  previousButton_->setVisible(windows.form4.button2Visible);
}

// Escape closes the window, as the caption bar's close button does.
void HelpWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
  } else {
    QWidget::keyPressEvent(event);
  }
}

// Closing only hides the window; it keeps its page for the next time.
void HelpWindow::closeEvent(QCloseEvent* event) {
  windows.form4.visible = false;
  QWidget::closeEvent(event);
}
