// The two small windows beside the board: captured pieces appear in
// "KAYIP TAŞLAR" at their places; the check notice blinks while it is shown
// and is dismissed by its OK button.
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "controls/controls.h"
#include "game/board.h"
#include "game/game.h"
#include "ui/notice_window.h"
#include "ui/program.h"
#include "ui/qt/board_widget.h"
#include "ui/qt/check_notice_widget.h"
#include "ui/qt/lost_pieces_widget.h"
#include "ui/qt/main_window_widget.h"
#include "ui/qt/piece_art.h"
#include "ui/qt/window_place.h"
#include "ui/start_up.h"

namespace {

QPoint centreOf(const char* square) { return {40 * (square[0] - 'a') + 20, 280 - 40 * (square[1] - '1') + 20}; }

QImage rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

}  // namespace

class SideWindowsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<GameWindows> windows_;
  LostPiecesWindow& form3Window() { return windows_->form3(); }
  QWidget* lostPicture(int n) { return form3Window().findChild<QWidget*>(QStringLiteral("Image%1").arg(n)); }
  void menu(const char* name) { windows_->form1().findChild<QAction*>(QString::fromLatin1(name))->trigger(); }

  void drag(const char* from, const char* to) {
    BoardWidget* board = windows_->form1().board();
    QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, centreOf(from));
    QTest::mouseMove(board, centreOf(from) + QPoint(3, 0));
    QTest::mouseMove(board, centreOf(to));
    QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, centreOf(to));
  }

 private slots:
  void init() {
    startUp();
    windows_ = std::make_unique<GameWindows>();
    QVERIFY(QTest::qWaitForWindowExposed(&windows_->form1()));
  }
  void cleanup() { windows_.reset(); }

  // Two players open with 1.e4 d5, then White plays exd5 against the
  // computer: the pawn appears in the black column, on silver, and whatever
  // the computer takes back appears in the white column.
  void capturedPiecesAppearAtTheirPlaces() {
    QVERIFY(!form3Window().isVisible());
    menu("secenek2");
    drag("e2", "e4");
    drag("d7", "d5");
    menu("secenek1");
    drag("e4", "d5");
    QVERIFY(form3Window().isVisible());
    QTRY_COMPARE(form3Window().frameGeometry().size(), QSize(170, 300));  // frame included, fixed
    QCOMPARE(form3Window().minimumSize(), form3Window().maximumSize());
    QWidget* pawn = lostPicture(13);  // black pawn of the d-file
    QVERIFY(pawn->isVisible());
    QCOMPARE(pawn->pos(), QPoint(90, 34));
    QCOMPARE(rgb(pawn->grab().toImage()), rgb(stockBitmap(39, 30, pawn->devicePixelRatioF())));
    const QImage shot = form3Window().grab().toImage();
    QCOMPARE(QColor(shot.pixel(85, 150)), QColor(128, 0, 0));  // the divider
    QCOMPARE(QColor(shot.pixel(60, 150)), QColor(255, 196, 196));

    QTRY_COMPARE_WITH_TIMEOUT(game.sideToMove, kWhiteToMove, 5000);
    int widgets = 0;
    int shown = 0;
    for (int n = 0; n < kLostPictureSlots; ++n) {
      QWidget* w = lostPicture(n);
      if (!w) continue;
      ++widgets;
      QCOMPARE(w->isVisibleTo(&form3Window()), windows.form3.image[n].visible);
      if (windows.form3.image[n].visible) {
        ++shown;
        QCOMPARE(w->pos(), QPoint(windows.form3.image[n].left, windows.form3.image[n].top));
      }
    }
    QCOMPARE(widgets, kBoardPictureCount);  // one picture per piece
    QCOMPARE(shown, 2);                     // the d-pawn and the e-pawn that took it
    QVERIFY(windows.form3.image[4].visible);
    QCOMPARE(lostPicture(4)->pos(), QPoint(15, 34));  // exd5 recaptured

    // A new game empties the window but leaves it open; closing only hides it.
    menu("Balat1");
    QVERIFY(form3Window().isVisible());
    QVERIFY(!pawn->isVisibleTo(&form3Window()));
    QVERIFY(form3Window().close());
    QVERIFY(!windows.form3.visible);
    windows_->form1().syncFromRecords();
    QVERIFY(!form3Window().isVisible());
  }

  void checkNoticeBlinksUntilDismissed() {
    CheckNoticeWindow& notice = windows_->form2();
    auto* blink = notice.findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(!blink->isActive());  // nothing to blink while the notice is hidden

    windows.form2.visible = true;
    windows_->form1().syncFromRecords();
    QVERIFY(QTest::qWaitForWindowExposed(&notice));
    QVERIFY(notice.windowFlags() & Qt::FramelessWindowHint);
    auto* label = notice.findChild<QLabel*>(QStringLiteral("Label1"));
    QTRY_VERIFY(label->isVisible());
    QTRY_VERIFY(!label->isVisible());
    const QImage shot = notice.grab().toImage();
    QCOMPARE(QColor(shot.pixel(1, 1)), QColor(Qt::white));  // frame
    QCOMPARE(QColor(shot.pixel(199, 87)), QColor(Qt::white));
    QCOMPARE(QColor(shot.pixel(10, 44)), QColor(183, 0, 91));  // panel

    QTest::mouseClick(notice.findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    QVERIFY(!notice.isVisible());
    QVERIFY(!windows.form2.visible);
    QVERIFY(!blink->isActive());
    QVERIFY(windows.noticeTimerEnabled);  // blinking again at the next check

    // Escape on the notice presses its OK.
    windows.form2.visible = true;
    windows_->form1().syncFromRecords();
    QVERIFY(notice.isVisible());
    notice.activateWindow();  // the notice has the focus, not the board
    QVERIFY(QTest::qWaitForWindowActive(&notice));
    QTest::keyClick(notice.findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::Key_Escape);
    QVERIFY(!notice.isVisible());
    QVERIFY(!windows.form2.visible);
  }

  // A window moves just enough to lie in the area; one larger than the area
  // keeps its top-left corner in it.
  void windowsAreFittedIntoTheScreen() {
    const QRect area(0, 0, 800, 600);
    const struct {
      QRect window;
      QPoint fitted;
    } cases[] = {
        {{100, 100, 200, 100}, {100, 100}},  // inside: stays
        {{700, 550, 200, 100}, {600, 500}},  // over the lower right corner
        {{-50, -10, 200, 100}, {0, 0}},      // over the upper left corner
        {{700, 20, 900, 700}, {0, 0}},       // larger than the area
    };
    for (const auto& c : cases) QCOMPARE(fitInto(c.window, area), QRect(c.fitted, c.window.size()));
  }

  // A side window opens at the first of its places that lies on the screen,
  // moved up or down onto it, and covers nothing it must keep clear (the
  // board, the help window); else at the first, moved onto the screen.
  void sideWindowsOpenAtTheFirstClearPlace() {
    const QRect area(0, 0, 800, 600);
    const QRect board(100, 100, 320, 320);
    const QSize size(200, 90);
    const struct {
      QPoint first;
      QPoint second;
      QPoint chosen;
    } cases[] = {
        {{440, 150}, {-110, 150}, {440, 150}},  // the first is clear
        {{300, 150}, {440, 150}, {440, 150}},   // the first meets the board
        {{700, 150}, {-110, 150}, {600, 150}},  // neither on the screen: the first, fitted
        {{700, 150}, {0, 450}, {0, 450}},       // the second, below the board
        {{440, 550}, {-110, 150}, {440, 510}},  // the first, moved up onto the screen
        {{420, 150}, {-110, 150}, {420, 150}},  // right against the board
    };
    for (const auto& c : cases) {
      QCOMPARE(firstClearPlace({QRect(c.first, size), QRect(c.second, size)}, area, board), QRect(c.chosen, size));
    }
  }

  // The side windows open where they belong as the main window stands: the
  // captured pieces at their designed distance, moved onto the screen where
  // that is off it; the check notice over the move list, off the board.
  void sideWindowsOpenBesideTheMainWindow() {
    MainWindow& main = windows_->form1();
    main.move(150, 120);
    const QPoint place = main.geometry().topLeft();
    windows.form2.visible = true;
    windows.form3.visible = true;
    main.syncFromRecords();
    const QRect notice = windows_->form2().geometry();
    QCOMPARE(notice.topLeft(),
             QPoint(screenRect(main.findChild<QWidget*>(QStringLiteral("ListBox1"))).left(), place.y() + 142));
    QVERIFY(!notice.intersects(screenRect(main.board())));
    const QRect screen = main.screen()->availableGeometry();
    const QRect lost = windows_->form3().frameGeometry();
    QVERIFY(screen.contains(lost));
    QCOMPARE(windows_->form3().geometry().top(), place.y() + 21);
    QVERIFY(lost.right() == screen.right() || windows_->form3().geometry().left() == place.x() + 521);
  }
};

QTEST_MAIN(SideWindowsTest)
#include "side_windows_test.moc"
