// The pre-roll on the play window: the colour bars on the screen's size and their hold,
// the count-down's place and digits, and the waits before the first row.
#include "PlayTestSupport.h"

#include "platform/Colors.h"
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

    // The bars and the ramp, read from the play window while they are held.
    void colourBars_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("lastGrey");
        QTest::newRow("800 x 600") << QSize(800, 600) << 147;
        QTest::newRow("1024 x 768") << QSize(1024, 768) << 189;
        QTest::newRow("1280 x 1024") << QSize(1280, 1024) << 237;
    }
    void colourBars() {
        QFETCH(QSize, screen);
        QFETCH(int, lastGrey);
        PlayFixture fx({}, true, screen);
        QVERIFY(fx.created);
        Form1->usecolorbars->setChecked(true);
        Form1->CbarTime = 2;
        QImage held;
        int ticks = 0;
        QObject::connect(Form1->holdtimer, &QTimer::timeout, [&] {
            if (++ticks == 1)
                held = Form4->surface().image();
        });
        fx.setScript(QStringLiteral("after the bars"));
        Form1->RunTelePrompter1Click();
        QCOMPARE(ticks, 2);
        QVERIFY(!Form1->holdtimer->isActive());
        QCOMPARE(held.size(), screen);
        const int w = screen.width(), h = screen.height();
        const int b = w / 8, bh = h / 10;
        const QRgb bars[7] = {qRgb(255, 255, 255), qRgb(255, 255, 0), qRgb(0, 255, 255),
                              qRgb(0, 255, 0),     qRgb(255, 0, 255), qRgb(0, 0, 255),
                              qRgb(255, 0, 0)};
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(held.pixel(i * b + b / 2, h / 2), bars[i]);
            QCOMPARE(held.pixel(i * b + 1, 1), bars[i]);
            QCOMPARE(held.pixel(i * b + b - 2, h - 34), bars[i]);
        }
        const QRgb blocks[7] = {qRgb(128, 0, 0),    qRgb(0, 128, 0),   qRgb(128, 128, 0),
                                qRgb(0, 0, 128),    qRgb(128, 0, 128), qRgb(0, 128, 128),
                                qRgb(128, 128, 128)};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(held.pixel(7 * b + b / 2, i * bh + bh / 2), blocks[i]);
        // The silver block under black hatching: both show.
        int silver = 0, black = 0;
        for (int y = 7 * bh + 2; y < h - 34; ++y)
            for (int x = 7 * b + 2; x < 8 * b - 2; ++x) {
                silver += held.pixel(x, y) == qRgb(192, 192, 192);
                black += held.pixel(x, y) == qRgb(0, 0, 0);
            }
        QVERIFY(silver > 0);
        QVERIFY(black > 0);
        // The bottom strip: black at the left, then the ramp; its last step at the edge.
        QCOMPARE(held.pixel(8, h - 16), qRgb(0, 0, 0));
        QCOMPARE(held.pixel(24, h - 16), qRgb(3, 3, 3));
        QCOMPARE(held.pixel(w - 2, h - 16), qRgb(lastGrey, lastGrey, lastGrey));
        // Afterwards the background is back and the text scrolls.
        QVERIFY(allOf(surfaceRows(0, h / 2), qRgb(0, 0, 0)));
    }

    void colourBarHold_data() {
        QTest::addColumn<int>("cbarTime");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("afterwards");
        QTest::newRow("0 holds 15") << 0 << 15 << 15;
        QTest::newRow("3") << 3 << 3 << 3;
        QTest::newRow("beyond a byte ends after 127") << 200 << 128 << 200;
    }
    void colourBarHold() {
        QFETCH(int, cbarTime);
        QFETCH(int, ticks);
        QFETCH(int, afterwards);
        PlayFixture fx;
        Form1->usecolorbars->setChecked(true);
        Form1->CbarTime = cbarTime;
        int seen = 0;
        QObject::connect(Form1->holdtimer, &QTimer::timeout, [&] { ++seen; });
        fx.setScript(QStringLiteral("x"));
        Form1->RunTelePrompter1Click();
        QCOMPARE(seen, ticks);
        QCOMPARE(Form1->CbarTime, afterwards);
    }

    // 10 to 1 in the middle of a 640 x 480 play window, each number covering the last.
    void countDown() {
        PlayFixture fx({}, true, QSize(640, 480));
        Form1->UseCountDown->setChecked(true);
        QList<QImage> shown;
        QObject::connect(Form1->Timer2, &QTimer::timeout,
                         [&] { shown << Form4->surface().image(); });
        fx.setScript(QStringLiteral("go"));
        Form1->RunTelePrompter1Click();
        QCOMPARE(shown.size(), 11); // ten numbers, then "1" held one second more
        QCOMPARE(countDownOrigin(640, 480), QPoint(270, 190));
        QCOMPARE(shown[1], countDownPicture(QSize(640, 480), {10}));
        QCOMPARE(shown[2], countDownPicture(QSize(640, 480), {9})); // no trace of "10"
        QCOMPARE(shown[10], countDownPicture(QSize(640, 480), {1}));
        // Nothing left of the digits or above the origin.
        const QImage &ten = shown[1];
        for (int x = 0; x < 640; ++x)
            QCOMPARE(ten.pixel(x, 189), qRgb(0, 0, 0));
        for (int y = 0; y < 480; ++y)
            QCOMPARE(ten.pixel(269, y), qRgb(0, 0, 0));
        QCOMPARE(Form4->canvasFont().pixelSize(), 28); // the font size is restored
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
        Form1->Nopausecheckbox->setChecked(noPause);
        Form1->UseCountDown->setChecked(countDown);
        Form1->Use10secondbackground1->setChecked(tenSeconds);
        int ticks = 0, atFirstRow = -1;
        QObject::connect(Form1->Timer2, &QTimer::timeout, [&] { ++ticks; });
        fx.retrace.onWait = [&](int n) {
            if (n == 1)
                atFirstRow = ticks;
        };
        fx.setScript(QStringLiteral("x"));
        Form1->RunTelePrompter1Click();
        QCOMPARE(atFirstRow, seconds);
    }
};

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    TestPlayPreroll t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_playpreroll.moc"
