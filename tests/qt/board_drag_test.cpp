// Dragging pieces on the main window's board with the mouse, as a player
// does: press on a piece, move, release over a square, a piece or elsewhere.
#include <QLabel>
#include <QListWidget>
#include <QtTest>
#include <memory>

#include "board_mouse.h"

#include "controls/controls.h"
#include "game/board.h"
#include "game/game.h"
#include "ui/program.h"
#include "ui/qt/board_widget.h"
#include "ui/qt/main_window_widget.h"
#include "ui/start_up.h"

class BoardDragTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<GameWindows> windows_;
  BoardWidget* board() { return windows_->form1().board(); }
  QWidget* picture(int n) { return board()->findChild<QWidget*>(QStringLiteral("Image%1").arg(n)); }

  void drag(const std::string& moves) { mouseDrags(board(), moves); }

  // A black picture away from its start place: Image17..Image24 the pawns
  // a..h, Image25..Image32 the back rank a..h.
  bool blackHasMoved() {
    for (int n = 17; n <= 32; ++n)
      if (picture(n)->pos() != QPoint(40 * ((n - 17) % 8), n <= 24 ? 40 : 0)) return true;
    return false;
  }

 private slots:
  void init() {
    startUp();
    windows_ = std::make_unique<GameWindows>();
    QVERIFY(QTest::qWaitForWindowExposed(&windows_->form1()));
  }
  void cleanup() { windows_.reset(); }

  // 1.e4 against the computer: the pawn follows the cursor with the hand
  // cursor, lands on e4, the computer thinks and answers on the timer.
  void pawnDoubleStepIsAnsweredByTheComputer() {
    const QPoint e2 = centreOf("e2");
    QTest::mousePress(board(), Qt::LeftButton, Qt::NoModifier, e2);
    QTest::mouseMove(board(), e2 + QPoint(1, 0));
    QTest::mouseMove(board(), centreOf("e4") + QPoint(5, 7));
    QCOMPARE(picture(5)->pos(), QPoint(165, 167));
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
    QTest::mouseRelease(board(), Qt::LeftButton, Qt::NoModifier, centreOf("e4") + QPoint(5, 7));
    QCOMPARE(picture(5)->pos(), QPoint(160, 160));
    auto* list = windows_->form1().findChild<QListWidget*>(QStringLiteral("ListBox1"));
    QCOMPARE(list->item(2)->text(), QStringLiteral("1- piyon(5)     E2-E4"));
    auto* thinking = board()->findChild<QLabel*>(QStringLiteral("Label19"));
    QVERIFY(thinking->isVisible());

    QTRY_VERIFY_WITH_TIMEOUT(blackHasMoved(), 5000);
    QTRY_VERIFY(!thinking->isVisible());
    QCOMPARE(list->item(3)->text(), QString::fromStdString(windows.form1.listBox1[3].text));
  }

  // Two players: 1.e4 d5 2.exd5 by a drop on the black pawn's picture.
  void dropOnAnEnemyPieceCapturesIt() {
    windows_->form1().findChild<QAction*>(QStringLiteral("secenek2"))->trigger();
    drag("e2e4 d7d5");
    QCOMPARE(picture(20)->pos(), QPoint(120, 120));
    drag("e4d5");
    QCOMPARE(picture(5)->pos(), QPoint(120, 120));
    QVERIFY(!picture(20)->isVisible());
    QCOMPARE(QString::fromStdString(windows.form1.listBox1.back().text), QStringLiteral("2- piyon(5)     E4xD5"));
  }

  // Releases that do not end on a square or a piece change nothing; the
  // picture goes back to its square.
  void releaseAwayFromTheBoardChangesNothing() {
    const auto lines = windows.form1.listBox1.size();
    // The window background left of the board, the frame's own border, the
    // move list, a file letter under the board.
    for (QPoint away : {QPoint(-20, 100), QPoint(320, 100), QPoint(360, 100), QPoint(100, 336)}) {
      mouseDrag(board(), centreOf("e2"), away);
      QCOMPARE(picture(5)->pos(), QPoint(160, 240));
    }
    QCOMPARE(windows.form1.listBox1.size(), lines);
    QVERIFY(!windows.form1.timer1Enabled);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
  }

  // A refused move and a drop on the piece's own square put the picture back;
  // a click without movement and a right-button drag move nothing.
  void refusedMovesReturnThePicture() {
    drag("e2e2");  // onto its own picture: no computer turn
    QCOMPARE(picture(5)->pos(), QPoint(160, 240));
    QVERIFY(!windows.form1.timer1Enabled);
    drag("g1e2");  // onto a white piece's picture: refused, no computer turn
    QCOMPARE(picture(15)->pos(), QPoint(240, 280));
    QVERIFY(!windows.form1.timer1Enabled);
    drag("e2e5");
    QCOMPARE(picture(5)->pos(), QPoint(160, 240));
    QCOMPARE(windows.form1.listBox1.size(), 2u);
    QVERIFY(windows.form1.timer1Enabled);  // the computer is asked even so
    QTest::qWait(300);                     // and finds nothing to play

    QTest::mouseClick(board(), Qt::LeftButton, Qt::NoModifier, centreOf("g1"));
    QTest::mousePress(board(), Qt::RightButton, Qt::NoModifier, centreOf("g1"));
    QTest::mouseMove(board(), centreOf("f3"));
    QTest::mouseRelease(board(), Qt::RightButton, Qt::NoModifier, centreOf("f3"));
    QCOMPARE(picture(15)->pos(), QPoint(240, 280));
    QCOMPARE(windows.form1.listBox1.size(), 2u);
    QCOMPARE(game.sideToMove, kWhiteToMove);
  }
};

QTEST_MAIN(BoardDragTest)
#include "board_drag_test.moc"
