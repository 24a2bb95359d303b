// The main window as the player sees it: the layout, the new game, menu ticks
// and level buttons kept in step, the move list and the computer's timer.
#include "ui/main_window.h"
#include "ui/handlers.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "board_mouse.h"
#include "controls/controls.h"
#include "game/board.h"
#include "game/game.h"
#include "test_support.h"
#include "ui/program.h"
#include "ui/projection.h"
#include "ui/qt/board_widget.h"
#include "ui/qt/check_notice_widget.h"
#include "ui/qt/help_window_widget.h"
#include "ui/qt/lost_pieces_widget.h"
#include "ui/qt/main_window_widget.h"
#include "ui/start_up.h"

namespace {

// Ink: a pixel far from the paper's colour.
bool isInk(const QImage& image, int x, int y, const QColor& paper) {
  const QColor c = image.pixelColor(x, y);
  return std::abs(c.red() - paper.red()) + std::abs(c.green() - paper.green()) + std::abs(c.blue() - paper.blue()) >
         200;
}

// The height of the leftmost letter written in `image` (the columns of ink
// from the leftmost one to the first blank column): 0 when nothing is written.
int firstLetterHeight(const QImage& image, const QColor& paper) {
  auto columnHasInk = [&](int x) {
    for (int y = 0; y < image.height(); ++y)
      if (isInk(image, x, y, paper)) return true;
    return false;
  };
  int left = 0;
  while (left < image.width() && !columnHasInk(left)) ++left;
  int right = left;
  while (right < image.width() && columnHasInk(right)) ++right;
  int top = image.height();
  int bottom = -1;
  for (int x = left; x < right; ++x) {
    for (int y = 0; y < image.height(); ++y) {
      if (!isInk(image, x, y, paper)) continue;
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  return bottom < 0 ? 0 : bottom - top + 1;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<GameWindows> windows_;
  MainWindow& window() { return windows_->form1(); }
  BoardWidget* board() { return window().board(); }
  QWidget* picture(int n) { return board()->findChild<QWidget*>(QStringLiteral("Image%1").arg(n)); }
  QAction* action(const char* name) { return window().findChild<QAction*>(QString::fromLatin1(name)); }
  QRadioButton* radio(int n) { return window().findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(n)); }

  // Exactly the ticks and the radio button of one level.
  void expectLevel(int level) {
    QCOMPARE(action("Basla")->isChecked(), level == 1);
    QCOMPARE(action("seviye1")->isChecked(), level == 2);
    QCOMPARE(action("seviye2")->isChecked(), level == 3);
    QCOMPARE(action("seviye3")->isChecked(), level == 4);
    for (int n = 1; n <= 4; ++n) QCOMPARE(radio(n)->isChecked(), n == level && level != 4);
  }

 private slots:
  void init() {
    startUp();
    windows_ = std::make_unique<GameWindows>();
    QVERIFY(QTest::qWaitForWindowExposed(&window()));
  }
  void cleanup() { windows_.reset(); }

  // "Başlat" in the middle of a game puts every picture back on its start
  // square with its start bitmap, hides "MAT!!!" and the captured pieces and
  // leaves the two header lines.
  void newGameRestoresEveryPicture() {
    action("secenek2")->trigger();
    mouseDrags(board(), "e2e4 d7d5 e4d5 d8d5 g1f3");  // pawn and queen take on d5
    QVERIFY(!picture(5)->isVisible());
    QCOMPARE(picture(28)->pos(), QPoint(120, 120));
    game.mateShown = true;
    windows.form3.image[14].visible = true;

    QTest::mouseClick(window().findChild<QPushButton*>(QStringLiteral("Button3")), Qt::LeftButton);
    for (int n = 1; n <= 32; ++n) {
      QVERIFY2(picture(n)->isVisible(), qPrintable(QStringLiteral("Image%1").arg(n)));
      QCOMPARE(picture(n)->pos(), QPoint(windows.form1.image[n].left, windows.form1.image[n].top));
      QCOMPARE(picture(n)->property("bitmap").toInt(), windows.form1.image[n].bitmap);
    }
    // The records behind them: the start position, each picture on its piece.
    QVERIFY(boardRows() == kStartRows);
    QVERIFY2(windowsFault(game, windows).empty(), windowsFault(game, windows).c_str());
    QVERIFY(!board()->findChild<QLabel*>(QStringLiteral("Label20"))->isVisible());
    QVERIFY(!windows_->form3().findChild<QWidget*>(QStringLiteral("Image14"))->isVisibleTo(&windows_->form3()));
    QCOMPARE(window().findChild<QListWidget*>(QStringLiteral("ListBox1"))->count(), 2);
  }

  // Play mode items tick exclusively; level items and radio buttons agree
  // whichever of them the player uses.
  void menuTicksAndRadioButtonsStayInStep() {
    QCOMPARE(window().findChild<QPushButton*>(QStringLiteral("Button1"))->toolTip(),
             QStringLiteral("Yardım al (Ctrl+H)"));  // the hint button says what it does
    expectLevel(1);
    QVERIFY(!radio(4)->isVisible());
    action("secenek2")->trigger();
    QVERIFY(action("secenek2")->isChecked());
    QVERIFY(!action("secenek1")->isChecked());
    action("secenek1")->trigger();
    QVERIFY(action("secenek1")->isChecked());
    QVERIFY(!action("secenek2")->isChecked());
    action("secenek1")->trigger();  // choosing the ticked item keeps its tick
    QVERIFY(action("secenek1")->isChecked());

    QTest::mouseClick(radio(3), Qt::LeftButton);
    expectLevel(3);
    QTest::mouseClick(radio(3), Qt::LeftButton);  // clicking the selected one keeps it
    expectLevel(3);
    action("seviye1")->trigger();
    expectLevel(2);
    action("seviye3")->trigger();  // level 4: no radio button selected
    expectLevel(4);
    QTest::mouseClick(radio(1), Qt::LeftButton);
    expectLevel(1);
  }

  // "Çıkış" and the window's close button close the window only when the
  // player's answers allow it; "Yardım" opens the help window.
  void exitClosesOnlyWhenAllowed() {
    action("Yardm1")->trigger();
    QVERIFY(windows_->form4().isVisible());

    ScriptedDialogs scripted;
    windows.closeAnswered = 0;
    mouseDrags(board(), "e2e4");
    scripted.answers = {Answer::Cancel, Answer::Yes, Answer::Yes, Answer::No};
    action("k1")->trigger();  // Cancel
    QVERIFY(window().isVisible());
    action("k1")->trigger();  // Yes, but the save is cancelled
    QVERIFY(window().isVisible());
    QVERIFY(!window().close());  // Yes, save cancelled again: stays open
    QVERIFY(window().isVisible());
    QVERIFY(window().close());  // No: closes without saving
    QCOMPARE(scripted.questions.size(), size_t(4));
  }

  // How the game ended is drawn at least as large as the move list's text,
  // over the caption; while the game goes on, the caption shows beside the
  // mark.
  void gameOverReadsAsLargeAsTheMoveList() {
    auto* list = window().findChild<QListWidget*>(QStringLiteral("ListBox1"));
    auto* mark = window().findChild<QWidget*>(QStringLiteral("turnMark"));
    const QColor form = mark->palette().color(QPalette::Window);
    const QRect markOnWindow(mark->mapTo(&window(), QPoint()), mark->size());
    const QRect captionPart(40, 0, mark->width() - 40, mark->height());  // right of the disc's room
    QVERIFY(firstLetterHeight(window().grab(markOnWindow).toImage().copy(captionPart), form) > 0);
    const char* const ends[] = {"Siyah kazandı", "Beyaz kazandı", "Berabere", "Oyun bitti"};
    for (const char* end : ends) {
      windows.form1.turnMark = {kNoSide, true, end};
      windows.form1.listBox1[0].text = end;
      window().syncFromRecords();
      const int markLetter = firstLetterHeight(mark->grab().toImage(), form);
      const QRect line = list->visualRect(list->model()->index(0, 0));
      const int listLetter =
          firstLetterHeight(list->viewport()->grab(line).toImage(), list->palette().color(QPalette::Base));
      QVERIFY2(markLetter >= listLetter && listLetter > 0,
               qPrintable(QStringLiteral("%1: %2 pixels high, in the list %3")
                              .arg(QString::fromUtf8(end))
                              .arg(markLetter)
                              .arg(listLetter)));
    }
  }

  // The move list shows the record's lines and selection; Timer1 runs
  // exactly while the record enables it.
  void listAndTimerFollowTheRecords() {
    auto* list = window().findChild<QListWidget*>(QStringLiteral("ListBox1"));
    auto* timer = window().findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    windows.form1.listBox1.push_back({"1- piyon(5)     E2-E4", true});
    windows.form1.listBox1.push_back({"    ", false});
    window().syncFromRecords();
    QCOMPARE(list->count(), 4);
    QCOMPARE(list->item(2)->text(), QStringLiteral("1- piyon(5)     E2-E4"));
    QVERIFY(list->item(2)->isSelected());
    QVERIFY(!list->item(3)->isSelected());
    windows.form1.listBox1[2].selected = false;
    windows.form1.listBox1.pop_back();
    window().syncFromRecords();
    QCOMPARE(list->count(), 3);
    QVERIFY(!list->item(2)->isSelected());
    // The list as the game has it again before the tick, which checks the game.
    windows.form1.listBox1.pop_back();

    QVERIFY(!timer->isActive());
    game.computerTurnPending = true;
    windows.form1.timer1Enabled = true;
    window().syncFromRecords();
    QVERIFY(timer->isActive());
    QTRY_VERIFY(!timer->isActive());  // the tick finds White to move and stops it
    QVERIFY(!windows.form1.timer1Enabled);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
