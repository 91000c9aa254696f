// The pre-roll on the play window: the colour bars on the screen's size and their hold,
// the count-down in the window, and the waits before the first row.
#include "PlayTestSupport.h"

#include "app/PlayCommands.h"
#include "platform/Colors.h"
#include "preroll/ColorBars.h"
#include "preroll/CountDown.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>

using namespace playtest;

namespace {

QImage countDownPicture(QSize client, const QList<int> &numbers) {
    QImage img(client, QImage::Format_RGB32);
    img.fill(qRgb(0, 0, 0));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(28);
    font.setPointSize(120);
    QPainter p(&img);
    for (int n : numbers)
        drawCountDown(p, font, Qt::white, Qt::black, client, n);
    return img;
}

} // namespace

class TestPlayPreroll : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { platform::Screen::clearOverride(); }

    // The bars cover the screen's size, not the window's, outlined in the pen's colour; they
    // are held for CbarTime seconds (0 holds 15; a hold beyond a byte's count ends after 127
    // and keeps the setting), then the background is back. Their geometry is the drawing's.
    void colourBars_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("cbarTime");
        QTest::addColumn<int>("ticks");
        QTest::newRow("800 x 600, 0 holds 15") << QSize(800, 600) << 0 << 15;
        QTest::newRow("1280 x 1024, 3") << QSize(1280, 1024) << 3 << 3;
        QTest::newRow("beyond a byte ends after 127") << QSize(1024, 768) << 200 << 128;
    }
    void colourBars() {
        QFETCH(QSize, screen);
        QFETCH(int, cbarTime);
        QFETCH(int, ticks);
        PlayFixture fx({}, true, screen);
        QVERIFY(fx.created);
        mainWindow->ui().colorBarsAction->setChecked(true);
        mainWindow->settings().colorBarSeconds = cbarTime;
        QImage held;
        int seen = 0;
        QObject::connect(mainWindow->ui().colorBarTimer, &QTimer::timeout, [&] {
            if (++seen == 1)
                held = playWindow->surface().image();
        });
        fx.setScript(QStringLiteral("after the bars"));
        mainWindow->playCommands().play();
        QCOMPARE(seen, ticks);
        QCOMPARE(mainWindow->settings().colorBarSeconds, cbarTime ? cbarTime : 15);
        QVERIFY(!mainWindow->ui().colorBarTimer->isActive());
        QImage expected(screen, QImage::Format_RGB32);
        expected.fill(qRgb(0, 0, 0));
        QPainter p(&expected);
        drawColorBars(p, screen.width(), screen.height(),
                      platform::toQColor(playWindow->penColor()));
        p.end();
        QCOMPARE(held, expected);
        QVERIFY(allOf(surfaceRows(0, screen.height() / 2), qRgb(0, 0, 0)));
    }

    // Leaving the play while the bars are held ends the hold, and the pass returns without
    // the count-down or a single row of text.
    void holdEndsWhenLeft_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("Esc") << 0;
        QTest::newRow("left click") << 1;
        QTest::newRow("window disabled") << 2;
    }
    void holdEndsWhenLeft() {
        QFETCH(int, how);
        PlayFixture fx;
        mainWindow->ui().colorBarsAction->setChecked(true);
        mainWindow->ui().countDownAction->setChecked(true);
        mainWindow->settings().colorBarSeconds = 30;
        int held = 0, waited = 0;
        QObject::connect(mainWindow->ui().colorBarTimer, &QTimer::timeout, [&] {
            if (++held != 1)
                return;
            if (how == 0)
                postKey(Qt::Key_Escape);
            else if (how == 1)
                postMouse(QEvent::MouseButtonPress, Qt::LeftButton);
            else
                playWindow->setEnabled(false);
        });
        QObject::connect(mainWindow->ui().waitTimer, &QTimer::timeout, [&] { ++waited; });
        fx.setScript(QStringLiteral("never shown"));
        mainWindow->playCommands().play();
        QCOMPARE(held, 1);
        QCOMPARE(waited, 0);
        QCOMPARE(fx.retrace.waits, 0);
        QVERIFY(!mainWindow->ui().colorBarTimer->isActive());
    }

    // 10 to 1 in the middle of a 640 x 480 play window, each number covering the last.
    void countDown() {
        PlayFixture fx({}, true, QSize(640, 480));
        mainWindow->ui().countDownAction->setChecked(true);
        QList<QImage> shown;
        QObject::connect(mainWindow->ui().waitTimer, &QTimer::timeout,
                         [&] { shown << playWindow->surface().image(); });
        fx.setScript(QStringLiteral("go"));
        mainWindow->playCommands().play();
        QCOMPARE(shown.size(), 11); // ten numbers, then "1" held one second more
        QCOMPARE(shown[1], countDownPicture(QSize(640, 480), {10}));
        QCOMPARE(shown[2], countDownPicture(QSize(640, 480), {9})); // no trace of "10"
        QCOMPARE(shown[10], countDownPicture(QSize(640, 480), {1}));
        QCOMPARE(playWindow->canvasFont().pixelSize(), 28); // the font size is restored
    }

    // Timed waits before the first row, in seconds.
    void waitsBeforeText_data() {
        QTest::addColumn<bool>("noPause");
        QTest::addColumn<bool>("countDown");
        QTest::addColumn<bool>("tenSeconds");
        QTest::addColumn<int>("seconds");
        QTest::newRow("no pause") << true << false << false << 0;
        QTest::newRow("two one-second pauses") << false << false << false << 2;
        QTest::newRow("count-down") << true << true << false << 11;
        QTest::newRow("count-down and pauses") << false << true << false << 13;
        QTest::newRow("ten-second background") << true << false << true << 10;
    }
    void waitsBeforeText() {
        QFETCH(bool, noPause);
        QFETCH(bool, countDown);
        QFETCH(bool, tenSeconds);
        QFETCH(int, seconds);
        PlayFixture fx;
        mainWindow->ui().noPauseBox->setChecked(noPause);
        mainWindow->ui().countDownAction->setChecked(countDown);
        mainWindow->ui().tenSecondBackgroundAction->setChecked(tenSeconds);
        int ticks = 0, atFirstRow = -1;
        QObject::connect(mainWindow->ui().waitTimer, &QTimer::timeout, [&] { ++ticks; });
        fx.retrace.onWait = [&](int n) {
            if (n == 1)
                atFirstRow = ticks;
        };
        fx.setScript(QStringLiteral("x"));
        mainWindow->playCommands().play();
        QCOMPARE(atFirstRow, seconds);
    }
};

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    TestPlayPreroll t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_playpreroll.moc"
