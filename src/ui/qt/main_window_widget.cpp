#include "ui/qt/main_window_widget.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "computer/level_four.h"
#include "game/types.h"
#include "ui/handlers.h"
#include "ui/help_window.h"
#include "ui/notice_window.h"
#include "ui/program.h"
#include "ui/qt/board_widget.h"
#include "ui/qt/check_notice_widget.h"
#include "ui/qt/event_path.h"
#include "ui/qt/help_window_widget.h"
#include "ui/qt/lost_pieces_widget.h"
#include "ui/qt/menu_keys.h"
#include "ui/qt/turn_mark_widget.h"
#include "ui/qt/window_place.h"
#include "ui/qt/zoom_view.h"
#include "ui/window_layout.h"
#include "ui/windows.h"

namespace {

constexpr int kTimerMs = 100;
constexpr int kRadioCaptionGap = 2;
// A size the player pulled the window to is answered with a step once the
// pulling has paused this long.
constexpr int kFitDelayMs = 200;
const QColor kListColour(255, 255, 202);
const QColor kPurple(128, 0, 64);

// Move-list lines are 13 pixels high (zoomed), whatever the font asks for.
class FixedHeightDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), zoomedPixels(kMoveListLineHeight)};
  }
};

QString fromUtf8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

template <typename W>
W* place(W* w, const DesignedRect& designed) {
  placeZoomed(w, designed);
  w->setCursor(Qt::ArrowCursor);
  return w;
}

}  // namespace

MainWindow::MainWindow() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("DEDIVUD"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  move(kMainWindowPlace);

  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("client"));
  client_->setFont(gameFont(kMainFontPixels, false));
  setZoomedFontPixels(client_, kMainFontPixels);
  setBackgroundColour(client_, kFormColour);
  client_->setCursor(Qt::ForbiddenCursor);  // over the window's own background
  setCentralWidget(client_);

  buildControls(client_);
  buildMenus();
  addMenuShortcuts(this);
  designedMenuFont_ = menuBar()->font();
  menuBarHeight_ = menuBar()->sizeHint().height();
  fitTimer_ = new QTimer(this);
  fitTimer_->setSingleShot(true);
  fitTimer_->setInterval(kFitDelayMs);
  connect(fitTimer_, &QTimer::timeout, this, &MainWindow::fitZoomToSize);
  applyZoom();

  // A tick while level 4 thinks on only asks whether its move is ready: when
  // it still thinks afterwards, nothing has changed and nothing is redrawn.
  timer1_ = new HandlerTimer(this, "Timer1", kTimerMs, [this] {
    const bool wasThinking = levelFour.thinking();
    runHandler(this, Timer1Timer, [wasThinking] {
      if (!wasThinking || !levelFour.thinking()) redrawEveryWindow();
    });
  });

  runHandler(this, FormCreate);
  syncFromRecords();
}

void MainWindow::buildControls(QWidget* client) {
  board_ = new BoardWidget(client);

  // File letters under the board and rank numbers beside it.
  const auto label = [client](const QString& text, const DesignedLabel& at, const QColor& colour) {
    QLabel* l = makeLabel(client, text, at.pixelSize, true, colour);
    placeLabel(l, at.left, at.top, at.maxWidth);
    return l;
  };
  for (int i = 0; i < 8; ++i) {
    label(QString(QChar('A' + i)), fileLabel(i), Qt::black)->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    label(QString(QChar('1' + i)), rankLabel(i), Qt::black)->setObjectName(QStringLiteral("Label%1").arg(9 + i));
  }
  QLabel* turnCaption = label(QStringLiteral("oyun sırası "), kTurnCaption, kMaroon);
  // Whose turn it is, in the free room between the board and the caption;
  // how the game ended, over the caption.
  turnMark_ = new TurnMarkWidget(client, turnCaption);
  placeZoomed(turnMark_, kTurnMark);
  label(QStringLiteral("DÜZEY"), kLevelCaption, kPurple);
  label(QStringLiteral("Yardım :"), kHintCaption, kMaroon);

  listBox1_ = place(new QListWidget(client), kMoveList);
  listBox1_->setObjectName(QStringLiteral("ListBox1"));
  listBox1_->setSelectionMode(QAbstractItemView::NoSelection);  // the records select
  listBox1_->setUniformItemSizes(true);
  listBox1_->setItemDelegate(new FixedHeightDelegate(listBox1_));
  listBox1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  listBox1_->setTextElideMode(Qt::ElideNone);
  // Narrow letters, so that the spaced-out columns of the lines fit.
  QFont listFont(QStringLiteral("DejaVu Sans Condensed"));
  listFont.setPixelSize(kMoveListFontPixels);
  listBox1_->setFont(listFont);
  setZoomedFontPixels(listBox1_, kMoveListFontPixels);
  QPalette pal = listBox1_->palette();
  pal.setColor(QPalette::Base, kListColour);
  listBox1_->setPalette(pal);
  connect(listBox1_, &QListWidget::clicked, this,
          [this](const QModelIndex& index) { runHandler(this, [&] { ListBox1Click(index.row()); }); });

  auto* button1 = place(new QPushButton(client), kHintButton);
  button1->setObjectName(QStringLiteral("Button1"));
  button1->setToolTip(QStringLiteral("Yardım al (Ctrl+H)"));  // the menu item's caption and key
  connect(button1, &QPushButton::clicked, this, [this] { runHandler(this, Yardmal1Click); });
  auto* button2 = place(new QPushButton(QStringLiteral("Geri Hamle"), client), kTakeBackButton);
  button2->setObjectName(QStringLiteral("Button2"));
  connect(button2, &QPushButton::clicked, this, [this] { runHandler(this, Button2Click); });
  auto* button3 = place(new QPushButton(QStringLiteral("Başlat"), client), kNewGameButton);
  button3->setObjectName(QStringLiteral("Button3"));
  connect(button3, &QPushButton::clicked, this, [this] { runHandler(this, Button3Click); });

  // Level buttons, caption left of the button. The records decide which one
  // is selected, so Qt's own exclusivity stays off.
  const QString captions[] = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3 "), QStringLiteral("4")};
  void (*const clicks[])() = {RadioButton1Click, RadioButton2Click, RadioButton3Click, RadioButton4Click};
  for (int n = 1; n <= 4; ++n) {
    auto* radio = new QRadioButton(captions[n - 1], client);
    radio->setObjectName(QStringLiteral("RadioButton%1").arg(n));
    radio->setLayoutDirection(Qt::RightToLeft);
    radio->setCursor(Qt::ArrowCursor);
    radio->setAutoExclusive(false);
    connect(radio, &QRadioButton::clicked, this, [this, click = clicks[n - 1]] { runHandler(this, click); });
    radio_[n] = radio;
  }
  radio_[4]->hide();
  indicatorSize_ = radio_[1]->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio_[1]);

  setTabOrder(board_, listBox1_);
  setTabOrder(listBox1_, button2);
  setTabOrder(button2, button3);
  setTabOrder(button3, radio_[1]);
  for (int n = 1; n < 4; ++n) setTabOrder(radio_[n], radio_[n + 1]);
  setTabOrder(radio_[4], button1);
}

void MainWindow::buildMenus() {
  auto item = [this](QMenu* menu, const QString& caption, const char* name, void (*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [this, handler] { runHandler(this, handler); });
    return action;
  };
  auto tick = [](QAction* action) {
    action->setCheckable(true);
    return action;
  };

  QMenu* file = menuBar()->addMenu(QStringLiteral("&Dosya"));
  item(file, QStringLiteral("&Aç"), "A1", A1Click);
  item(file, QStringLiteral("&Kaydet"), "Kaydet1", Kaydet1Click);
  QAction* exit = file->addAction(QStringLiteral("Çı&kış"));
  exit->setObjectName(QStringLiteral("k1"));
  connect(exit, &QAction::triggered, this, [this] {
    runHandler(this, k1Click);
    if (windows.form1.closeRequested) {
      windows.form1.closeRequested = false;
      close();
    }
  });

  QMenu* options = menuBar()->addMenu(QStringLiteral("&Seçenekler"));
  item(options, QStringLiteral("&Başlat"), "Balat1", Balat1Click);
  secenek1_ = tick(item(options, QStringLiteral("B&ilgisayarla oyna"), "secenek1", secenek1Click));
  secenek2_ = tick(item(options, QStringLiteral("&Karşılıklı oyna"), "secenek2", secenek2Click));
  QMenu* levels = options->addMenu(QStringLiteral("&Düzey"));
  basla_ = tick(item(levels, QStringLiteral("&Başlangıç"), "Basla", BaslaClick));
  seviye1_ = tick(item(levels, QStringLiteral("&1.seviye"), "seviye1", seviye1Click));
  seviye2_ = tick(item(levels, QStringLiteral("&2.seviye"), "seviye2", seviye2Click));
  seviye3_ = tick(item(levels, QStringLiteral("&3.seviye"), "seviye3", seviye3Click));
  item(options, QStringLiteral("&Geri hamle"), "Gerihamle1", Gerihamle1Click);
  item(options, QStringLiteral("&Yardım al"), "Yardmal1", Yardmal1Click);
  // The whole game drawn larger or smaller, a step at a time.
  options->addSeparator();
  const auto zoomItem = [this, options](const QString& caption, const char* name, std::function<int()> step) {
    QAction* action = options->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [this, step] { setZoom(step()); });
  };
  // A step larger, as long as the window still fits the screen.
  zoomItem(QStringLiteral("Büyü&t"), "Buyut1",
           [this] { return std::max(zoomStep(), std::min(largerZoomStep(zoomStep()), largestStepOnScreen())); });
  zoomItem(QStringLiteral("Küçü&lt"), "Kucult1", [] { return smallerZoomStep(zoomStep()); });
  zoomItem(QStringLiteral("&Normal boyut"), "NormalBoyut1", [] { return 0; });

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Yardım"));
  QAction* helpItem = help->addAction(QStringLiteral("&Yardım"));
  helpItem->setObjectName(QStringLiteral("Yardm1"));
  connect(helpItem, &QAction::triggered, this, [this] {
    runHandler(this, Yardm1Click);
    if (form4_ && form4_->isVisible()) {
      form4_->raise();
      form4_->activateWindow();
    }
  });
}

void MainWindow::setZoom(int step) {
  if (step != zoomStep()) {
    setZoomStep(step);
    applyZoom();
    if (form2_) form2_->applyZoom();
    if (form3_) form3_->applyZoom();
    if (form4_) form4_->applyZoom();
    syncFromRecords();
  } else if (size() != windowSizeNow()) {
    resize(windowSizeNow());
  }
  if (isVisible()) keepOnScreen(this);
}

// The largest step at which the window, frame included, fits the available
// area of its screen.
int MainWindow::largestStepOnScreen() const {
  const QScreen* where = screen();
  if (!where) return kLargestZoomStep;
  const QRect area = where->availableGeometry();
  const QSize frame = frameGeometry().size() - size();
  return zoomStepFitting({area.width() - frame.width(), area.height() - frame.height()}, menuBarHeight_);
}

QSize MainWindow::windowSizeNow() const {
  const WindowSize size = mainWindowSizeAt(zoomStep(), menuBarHeight_);
  return {size.width, size.height};
}

// Everything of this window at the present step: the menus' font, the client
// area and every control in it, and the window's own size.
void MainWindow::applyZoom() {
  QFont menuFont = designedMenuFont_;
  if (menuFont.pixelSize() > 0) {
    menuFont.setPixelSize(zoomedPixels(menuFont.pixelSize()));
  } else {
    menuFont.setPointSizeF(menuFont.pointSizeF() * zoomFactor());
  }
  menuBar()->setFont(menuFont);
  for (QMenu* menu : menuBar()->findChildren<QMenu*>()) menu->setFont(menuFont);
  menuBar()->setFixedHeight(zoomedPixels(menuBarHeight_));

  client_->setFixedSize(zoomedSize(kMainClientWidth, kMainClientHeight));
  setZoomedFontPixels(client_, kMainFontPixels);
  zoomWindowChildren(client_);
  board_->move(zoomedPoint(QPoint(kBoardFrame.left, kBoardFrame.top)));
  board_->applyZoom();
  placeLevelButtons();
  listBox1_->doItemsLayout();
  turnMark_->update();

  const WindowSize smallest = mainWindowSizeAt(0, menuBarHeight_);
  setMinimumSize(smallest.width, smallest.height);
  if (size() != windowSizeNow()) resize(windowSizeNow());
}

// The level buttons, caption left of the circle. The designed width is too
// narrow for this style's indicator and caption: a button grows to the left,
// its circle stays in place, but never beyond its neighbour's right end, so
// that no button takes the clicks meant for another one. Larger steps draw
// the circle larger too.
void MainWindow::placeLevelButtons() {
  // Each caption stands close to its own circle, the wider gap before it, so
  // that no caption is read as the next circle's.
  QString sheet = QStringLiteral("QRadioButton { spacing: %1px; }").arg(zoomedPixels(kRadioCaptionGap));
  if (zoomStep() != 0) {
    const int indicator = zoomedPixels(indicatorSize_);
    sheet += QStringLiteral(" QRadioButton::indicator { width: %1px; height: %1px; }").arg(indicator);
  }
  for (int n = 1; n <= 4; ++n) {
    QRadioButton* radio = radio_[n];
    radio->setStyleSheet(sheet);
    radio->setFont(client_->font());  // a style sheet keeps the font it was given
    const QRect designed = zoomedRect(levelButton(n));
    const int pitch = zoomedPixels(levelButton(n + 1).left) - zoomedPixels(levelButton(n).left);
    const int width = std::clamp(radio->sizeHint().width(), designed.width(), pitch);
    radio->setGeometry(designed.right() + 1 - width, designed.top(), width, designed.height());
  }
}

// The player pulled the window's corner or maximized it: the largest step
// that fits the new size, at that step's exact size. A maximized window is
// first given back its own size by the window manager.
void MainWindow::fitZoomToSize() {
  const int step = pendingStep_ >= 0 ? pendingStep_ : zoomStepFitting({width(), height()}, menuBarHeight_);
  if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
    pendingStep_ = step;
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    fitTimer_->start();
    return;
  }
  pendingStep_ = -1;
  setZoom(step);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (size() != windowSizeNow() || pendingStep_ >= 0) fitTimer_->start();
}

void MainWindow::setCompanions(HelpWindow* form4, LostPiecesWindow* form3, CheckNoticeWindow* form2) {
  form4_ = form4;
  form3_ = form3;
  form2_ = form2;
}

void MainWindow::syncFromRecords() {
  board_->syncFromRecords();
  syncList();
  turnMark_->syncFromRecords();

  secenek1_->setChecked(windows.form1.secenek1Checked);
  secenek2_->setChecked(windows.form1.secenek2Checked);
  basla_->setChecked(windows.form1.baslaChecked);
  seviye1_->setChecked(windows.form1.seviye1Checked);
  seviye2_->setChecked(windows.form1.seviye2Checked);
  seviye3_->setChecked(windows.form1.seviye3Checked);
  for (int n = 1; n <= 4; ++n) {
    if (radio_[n]->isChecked() == (windows.form1.radioSelected == n)) continue;
    // An exclusive radio button cannot be unticked by itself (level 4 ticks none).
    radio_[n]->setAutoExclusive(false);
    radio_[n]->setChecked(windows.form1.radioSelected == n);
    radio_[n]->setAutoExclusive(true);
  }

  timer1_->follow(windows.form1.timer1Enabled);

  if (!form2_ && needCompanions_ && (windows.form2.visible || windows.form3.visible || windows.form4.visible))
    needCompanions_();
  if (form2_) form2_->syncFromRecords();
  if (form3_) form3_->syncFromRecords();
  if (form4_ && (windows.form4.visible || form4_->isVisible())) form4_->syncFromRecords();
}

// Only the lines that changed are touched; a new line at the end is scrolled
// into view.
void MainWindow::syncList() {
  const std::vector<ListLine>& lines = windows.form1.listBox1;
  const bool appended = lines.size() > shownLines_.size();
  while (static_cast<size_t>(listBox1_->count()) > lines.size()) delete listBox1_->takeItem(listBox1_->count() - 1);
  shownLines_.resize(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    const int row = static_cast<int>(i);
    if (row >= listBox1_->count()) {
      listBox1_->addItem(fromUtf8(lines[i].text));
      shownLines_[i] = lines[i].text;
    } else if (shownLines_[i] != lines[i].text) {
      listBox1_->item(row)->setText(fromUtf8(lines[i].text));
      shownLines_[i] = lines[i].text;
    }
    // Through the selection model: the list itself lets nobody select.
    QListWidgetItem* item = listBox1_->item(row);
    if (item->isSelected() != lines[i].selected) {
      const auto command = lines[i].selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect;
      listBox1_->selectionModel()->select(listBox1_->indexFromItem(item), command);
    }
  }
  // The keyboard focus frame sits on the highlighted line, as the selection.
  for (size_t i = lines.size(); i-- > 0;) {
    if (!lines[i].selected) continue;
    const QModelIndex index = listBox1_->model()->index(static_cast<int>(i), 0);
    if (listBox1_->currentIndex() != index)
      listBox1_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    break;
  }
  if (appended && listBox1_->count() > 0) listBox1_->scrollToBottom();
}

// The close question of the core; the window stays open when it says so.
void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    runHandler(this, Form1KeyEscape);
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  bool mayClose = true;
  runHandler(this, [&] { mayClose = FormClose(); });
  event->setAccepted(mayClose);
}

// Long enough for the main window to reach the screen first; any earlier
// need makes the other windows at once.
constexpr int kCompanionDelayMs = 30;

GameWindows::GameWindows(const std::function<void(MainWindow&)>& beforeShow) {
  form1_ = std::make_unique<MainWindow>();
  setRedrawEveryWindow([this] { form1_->syncFromRecords(); });
  // The creation handler of the check notice runs now (the help window's
  // designed state is set with the other controls at start-up); the widgets
  // follow once the main window is on the screen.
  Form2FormCreate();
  form1_->setCompanionMaker([this] { makeCompanions(); });
  if (beforeShow) beforeShow(*form1_);
  // The place is the window's inside, as it is designed and kept (a move
  // before the first showing would place the frame there).
  form1_->setGeometry(QRect(form1_->pos(), form1_->size()));
  form1_->syncFromRecords();
  form1_->show();
  keepOnScreen(form1_.get());
  QTimer::singleShot(kCompanionDelayMs, form1_.get(), [this] { makeCompanions(); });
}

void GameWindows::makeCompanions() {
  if (form4_) return;
  form4_ = std::make_unique<HelpWindow>(form1_.get());
  form4_->setAttribute(Qt::WA_QuitOnClose, false);
  form4_->setMainWindow(form1_.get());
  form3_ = std::make_unique<LostPiecesWindow>(form1_.get(), form4_.get());
  form2_ = std::make_unique<CheckNoticeWindow>(form1_.get());
  form1_->setCompanions(form4_.get(), form3_.get(), form2_.get());
  form1_->syncFromRecords();
}

GameWindows::~GameWindows() {
  setRedrawEveryWindow(nullptr);
  form1_->setCompanions(nullptr, nullptr, nullptr);
}
