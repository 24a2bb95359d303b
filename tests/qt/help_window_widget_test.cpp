// The help window on screen, the JPEG reader behind its pages, and the piece
// pictures of the board.
#include <QtTest>

#include <QLabel>
#include <QPushButton>
#include <functional>
#include <memory>
#include <set>

#include "controls/controls.h"
#include "test_support.h"
#include "ui/help_pages.h"
#include "ui/help_window.h"
#include "ui/program.h"
#include "ui/qt/event_path.h"
#include "ui/qt/help_window_widget.h"
#include "ui/qt/jpeg_image.h"
#include "ui/qt/piece_art.h"

namespace {

QByteArray resourceBytes(int page) {
  QFile file(QStringLiteral(":/help/page%1.jpg").arg(page, 2, 10, QLatin1Char('0')));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// Average brightness (0..255) of the image's middle third, where the piece is.
double middleBrightness(const QImage& image) {
  const int third = image.width() / 3;
  double sum = 0;
  int count = 0;
  for (int y = third; y < 2 * third; ++y) {
    for (int x = third; x < 2 * third; ++x) {
      sum += qGray(image.pixel(x, y));
      ++count;
    }
  }
  return sum / count;
}

}  // namespace

class HelpWindowWidgetTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<HelpWindow> window_;

  QLabel* page(int n) const { return window_->findChild<QLabel*>(QStringLiteral("Image%1").arg(n)); }
  QLabel* label(int n) const { return window_->findChild<QLabel*>(QStringLiteral("Label%1").arg(n)); }
  QPushButton* sonraki() const { return window_->findChild<QPushButton*>(QStringLiteral("Button1")); }
  QPushButton* onceki() const { return window_->findChild<QPushButton*>(QStringLiteral("Button2")); }

  // What is on screen in short: the visible pages, then "Sonraki" and
  // "Önceki" when shown, e.g. "3 sonraki", "8 9".
  QString seen() const {
    QStringList words;
    for (int n = 1; n <= kHelpPages; ++n) {
      if (page(n)->isVisible()) words << QString::number(n);
    }
    if (sonraki()->isVisible()) words << QStringLiteral("sonraki");
    if (onceki()->isVisible()) words << QStringLiteral("onceki");
    return words.join(' ');
  }

  void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(3, 5)); }

 private slots:
  void init() {
    startProgram();  // every event checks the game: there is one, as the program starts
    Form4Initialise();
    Yardm1Show();
    window_ = std::make_unique<HelpWindow>();
    setRedrawEveryWindow([this] { window_->syncFromRecords(); });
    window_->syncFromRecords();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() {
    setRedrawEveryWindow(nullptr);
    window_.reset();
  }

  void designedWindowAtFirstDisplay() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("YARDIM"));
    // The whole window, frame included, keeps its designed size.
    QTRY_COMPARE(window_->frameGeometry().size(), QSize(330, 447));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QCOMPARE(seen(), QStringLiteral("1"));
    QCOMPARE(label(8)->text(), QStringLiteral("+"));
    QCOMPARE(label(2)->text(), QStringLiteral("1- MENULER"));
    QVERIFY(!label(1)->isVisible());
    QVERIFY(!label(7)->isVisible());
    QCOMPARE(label(5)->text(), QStringLiteral("4- STRATEJİ"));
    QCOMPARE(label(3)->pos(), QPoint(10, 104));
    QCOMPARE(label(9)->text(), QStringLiteral("6- EKLER"));
    QCOMPARE(label(9)->pos(), QPoint(10, 200));

    // Pages show their picture at natural size, clipped by the control.
    QCOMPARE(page(1)->geometry(), QRect(80, 0, 241, 369));
    QCOMPARE(page(1)->pixmap().deviceIndependentSize(), QSizeF(240, 380));
    QCOMPARE(page(4)->geometry(), QRect(80, -14, 241, 425));
    QCOMPARE(page(12)->geometry(), QRect(80, 0, 241, 417));
  }

  void clicksTurnTheGamePages() {
    click(label(3));
    QCOMPARE(seen(), QStringLiteral("3 sonraki"));
    for (int i = 0; i < 5; ++i) QTest::mouseClick(sonraki(), Qt::LeftButton);
    QCOMPARE(seen(), QStringLiteral("8 onceki"));
    QTest::mouseClick(onceki(), Qt::LeftButton);
    QCOMPARE(seen(), QStringLiteral("7 onceki"));
    click(label(4));
    QCOMPARE(seen(), QStringLiteral("8 9"));
    // Page 9 lies over page 8: at a point of page 9, page 9 is what is seen.
    QCOMPARE(window_->childAt(200, 100), page(9));
    click(label(9));
    QCOMPARE(seen(), QStringLiteral("12 sonraki"));
    for (int i = 0; i < 3; ++i) QTest::mouseClick(sonraki(), Qt::LeftButton);
    QCOMPARE(seen(), QStringLiteral("15 onceki"));
  }

  // A page's picture is decoded when the page comes into view and let go when
  // it leaves or the window closes: only the pages on screen hold one, each at
  // its designed size.
  void onlyThePagesOnScreenHoldTheirPicture() {
    const auto held = [this] {
      QStringList words;
      for (int n = 1; n <= kHelpPages; ++n) {
        const QPixmap pixmap = page(n)->pixmap();
        if (pixmap.isNull()) continue;
        words << QString::number(n);
        const QSizeF designed(kHelpPictureWidth, kHelpPagePlaces[n - 1].pictureHeight);
        if (pixmap.deviceIndependentSize() != designed) words << QStringLiteral("wrong size");
      }
      return words.join(' ');
    };
    const struct {
      std::function<void()> action;
      const char* expected;
    } steps[] = {
        {[] {}, "1"},
        {[this] { click(label(3)); }, "3"},
        {[this] { QTest::mouseClick(sonraki(), Qt::LeftButton); }, "4"},
        {[this] { click(label(4)); }, "8 9"},
        {[this] { click(label(9)); }, "12"},
        {[this] { QTest::mouseClick(sonraki(), Qt::LeftButton); }, "13"},
        {[this] { window_->close(); }, ""},
        {[this] {
           Yardm1Show();
           window_->syncFromRecords();
         },
         "13"},
    };
    for (const auto& step : steps) {
      step.action();
      QCOMPARE(held(), QString::fromLatin1(step.expected));
    }
  }

  void menuEntryUnfoldsOnHoverAndFoldsOnClick() {
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), label(2)->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(label(2), &move);
    QCOMPARE(label(8)->text(), QStringLiteral("-"));
    QVERIFY(label(1)->isVisible());
    QVERIFY(label(7)->isVisible());
    QCOMPARE(label(3)->pos(), QPoint(10, 130));
    QCOMPARE(label(6)->pos(), QPoint(10, 202));
    QCOMPARE(label(9)->pos(), QPoint(10, 226));

    click(label(7));
    QCOMPARE(seen(), QStringLiteral("2"));

    click(label(8));
    QCOMPARE(label(8)->text(), QStringLiteral("+"));
    QVERIFY(!label(1)->isVisible());
    QCOMPARE(label(3)->pos(), QPoint(10, 104));
  }

  void closingHidesAndKeepsThePage() {
    click(label(5));
    window_->close();
    QVERIFY(!windows.form4.visible);
    QVERIFY(!window_->isVisible());

    Yardm1Show();
    window_->syncFromRecords();
    QVERIFY(window_->isVisible());
    QCOMPARE(seen(), QStringLiteral("8 10"));

    QTest::keyClick(window_.get(), Qt::Key_Escape);  // closes as well
    QVERIFY(!windows.form4.visible);
    QVERIFY(!window_->isVisible());
  }

  void everyPageDecodesToItsSize() {
    for (int n = 1; n <= kHelpPages; ++n) {
      QImage image;
      QString error;
      QVERIFY2(decodeJpeg(resourceBytes(n), image, &error), qPrintable(error));
      // Stored at six times the designed size, for sharp pages at zoom 3 on
      // screens of twice the usual pixel density.
      QCOMPARE(image.size(), n == 1 ? QSize(1440, 2280) : QSize(1440, 2556));
      // Decoded at the smallest eighth at least as wide as shown: at zoom 1
      // a quarter, at zoom 3 half.
      QVERIFY(decodeJpeg(resourceBytes(n), image, &error, 240));
      QCOMPARE(image.width(), 360);
      QVERIFY(decodeJpeg(resourceBytes(n), image, &error, 720));
      QCOMPARE(image.width(), 720);
    }
  }

  void badJpegDataIsRefused() {
    const QByteArray good = resourceBytes(3);
    QVERIFY(!good.isEmpty());
    QByteArray damaged = good;
    for (qsizetype i = 700; i < damaged.size(); i += 29) damaged[i] = static_cast<char>(damaged[i] ^ 0x5a);
    const QByteArray cases[] = {
        QByteArray(), QByteArray("not a picture at all"), good.left(good.size() / 2), good.left(300), good.left(2),
        damaged};
    for (const QByteArray& data : cases) {
      QImage image(4, 4, QImage::Format_RGB32);
      QString error;
      QVERIFY(!decodeJpeg(data, image, &error));
      QVERIFY(image.isNull());
      QVERIFY(!error.isEmpty());
    }
    QImage image;
    QVERIFY(!decodeJpeg(QByteArray("\xff\xd8\xff", 3), image, nullptr));
  }

  void encodedColoursSurviveDecoding() {
    QImage source(64, 32, QImage::Format_RGB32);
    source.fill(QColor(200, 30, 20));
    for (int y = 0; y < 32; ++y) {
      for (int x = 32; x < 64; ++x) source.setPixelColor(x, y, QColor(20, 40, 210));
    }
    QByteArray jpeg;
    QVERIFY(encodeJpeg(source, 90, jpeg));
    QImage decoded;
    QVERIFY(decodeJpeg(jpeg, decoded, nullptr));
    QCOMPARE(decoded.size(), source.size());
    const QColor red = decoded.pixelColor(8, 16);
    const QColor blue = decoded.pixelColor(56, 16);
    QVERIFY(qAbs(red.red() - 200) < 12 && red.blue() < 40);
    QVERIFY(qAbs(blue.blue() - 210) < 12 && blue.red() < 40);

    QVERIFY(!encodeJpeg(QImage(), 90, jpeg));
    QVERIFY(jpeg.isEmpty());
  }

  void stockBitmapsAreDistinctOnTheirSquareColour() {
    std::set<QByteArray> seen;
    for (int n = 33; n <= 56; ++n) {
      const QImage image = rgb(stockBitmap(n, 38, 1.0));
      QCOMPARE(image.size(), QSize(38, 38));
      const QRgb background = n <= 44 ? qRgb(192, 192, 192) : qRgb(255, 255, 255);
      for (QPoint corner : {QPoint(0, 0), QPoint(37, 0), QPoint(0, 37), QPoint(37, 37)}) {
        QCOMPARE(image.pixel(corner), background);
      }
      const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
      QVERIFY2(seen.insert(bytes).second, qPrintable(QStringLiteral("Image%1 repeats another").arg(n)));
    }
    QVERIFY(stockBitmap(32, 38, 1.0).isNull());
    QVERIFY(stockBitmap(57, 38, 1.0).isNull());

    // The table: 35 white knight on silver, 50 black knight on white.
    QCOMPARE(rgb(stockBitmap(35, 38, 1.0)), rgb(pieceImage(3, 1, true, 38, 1.0)));
    QCOMPARE(rgb(stockBitmap(50, 38, 1.0)), rgb(pieceImage(3, 2, false, 38, 1.0)));
    // White pieces are light, black ones dark.
    for (int kind : {1, 2, 3, 4, 5, 9}) {
      QVERIFY(middleBrightness(pieceImage(kind, 1, false, 38, 1.0)) >
              middleBrightness(pieceImage(kind, 2, false, 38, 1.0)) + 80);
    }
  }

  void pieceImagesFollowTheDevicePixelRatio() {
    const QImage sharp = pieceImage(9, 2, true, 38, 2.0);
    QCOMPARE(sharp.size(), QSize(76, 76));
    QCOMPARE(sharp.devicePixelRatio(), 2.0);
    QCOMPARE(rgb(sharp).pixel(75, 75), qRgb(192, 192, 192));
    QVERIFY(!applicationIcon().isNull());
    QVERIFY(applicationIcon(256).availableSizes().contains(QSize(256, 256)));
  }
};

QTEST_MAIN(HelpWindowWidgetTest)
#include "help_window_widget_test.moc"
