#include "../play/PlayTestSupport.h"

#include "preroll/ColorBars.h"
#include "preroll/CountDown.h"

#include <QFontMetrics>
#include <QPainter>
#include <QtTest>

namespace {
QImage bars(int w, int h, QColor pen = Qt::black) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(qRgb(1, 2, 3)); // "what was there before"
    QPainter p(&img);
    drawColorBars(p, w, h, pen);
    return img;
}
} // namespace

class TestColorBars : public QObject {
    Q_OBJECT
private slots:

    // Pixel checks on 800 x 600 (b = 100, h = 60), outlined in blue.
    void barsAndBlocks_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("white bar") << QPoint(50, 300) << qRgb(255, 255, 255);
        QTest::newRow("yellow bar") << QPoint(150, 300) << qRgb(255, 255, 0);
        QTest::newRow("cyan bar") << QPoint(250, 300) << qRgb(0, 255, 255);
        QTest::newRow("green bar") << QPoint(350, 300) << qRgb(0, 255, 0);
        QTest::newRow("magenta bar") << QPoint(450, 300) << qRgb(255, 0, 255);
        QTest::newRow("blue bar") << QPoint(550, 300) << qRgb(0, 0, 255);
        QTest::newRow("red bar") << QPoint(650, 300) << qRgb(255, 0, 0);
        QTest::newRow("maroon block") << QPoint(750, 30) << qRgb(128, 0, 0);
        QTest::newRow("green block") << QPoint(750, 90) << qRgb(0, 128, 0);
        QTest::newRow("olive block") << QPoint(750, 150) << qRgb(128, 128, 0);
        QTest::newRow("navy block") << QPoint(750, 210) << qRgb(0, 0, 128);
        QTest::newRow("purple block") << QPoint(750, 270) << qRgb(128, 0, 128);
        QTest::newRow("teal block") << QPoint(750, 330) << qRgb(0, 128, 128);
        QTest::newRow("grey block") << QPoint(705, 415) << qRgb(128, 128, 128);
        QTest::newRow("bar above bottom strip") << QPoint(50, 566) << qRgb(255, 255, 255);
        QTest::newRow("bottom strip, left") << QPoint(8, 580) << qRgb(0, 0, 0);
        QTest::newRow("first ramp step") << QPoint(20, 580) << qRgb(3, 3, 3);
        QTest::newRow("last ramp step") << QPoint(790, 580) << qRgb(147, 147, 147);
        QTest::newRow("last ramp step, right edge") << QPoint(799, 590) << qRgb(147, 147, 147);
        const QRgb pen = qRgb(0, 0, 255);
        QTest::newRow("outline: left edge of bar 1") << QPoint(0, 300) << pen;
        QTest::newRow("outline: its right edge") << QPoint(99, 300) << pen;
        QTest::newRow("outline: left edge of bar 2") << QPoint(100, 300) << pen;
        QTest::newRow("inside bar 1 by the edge") << QPoint(98, 300) << qRgb(255, 255, 255);
        QTest::newRow("outline: bottom of the maroon block") << QPoint(750, 59) << pen;
        QTest::newRow("outline: top of the green block") << QPoint(750, 60) << pen;
        QTest::newRow("outline: left of the last ramp step") << QPoint(784, 580) << pen;
        QTest::newRow("outline: top of the strip") << QPoint(790, 568) << pen;
        QTest::newRow("outline: bottom of the strip") << QPoint(790, 599) << pen;
    }

    void barsAndBlocks() {
        QFETCH(QPoint, at);
        QFETCH(QRgb, colour);
        static const QImage img = bars(800, 600, QColor(0, 0, 255));
        QCOMPARE(img.pixel(at), colour);
    }

    void silverBlockIsHatched() {
        const QImage img = bars(800, 600);
        // Inside (701..798, 421..566): black hatch lines and silver gaps, nothing else.
        int silver = 0, black = 0;
        for (int y = 421; y < 567; ++y)
            for (int x = 701; x < 799; ++x) {
                const QRgb p = img.pixel(x, y);
                if (p == qRgb(192, 192, 192))
                    ++silver;
                else if (p == qRgb(0, 0, 0))
                    ++black;
                else
                    QFAIL(qPrintable(QStringLiteral("unexpected colour at %1,%2").arg(x).arg(y)));
            }
        QVERIFY(silver > black);
        QVERIFY(black > 98 * 146 / 8); // lines both ways, every few pixels
        // Whole hatch rows exist.
        bool fullRow = false;
        for (int y = 421; y < 567; ++y)
            fullRow |= playtest::allOf(img.copy(701, y, 98, 1), qRgb(0, 0, 0));
        QVERIFY(fullRow);
    }

    void rampSteps_data() {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("lastGrey");
        QTest::addColumn<int>("steps");
        QTest::newRow("800 x 600") << 800 << 600 << 147 << 50;
        QTest::newRow("1024 x 768") << 1024 << 768 << 189 << 64;
        QTest::newRow("1280 x 1024") << 1280 << 1024 << 237 << 80;
        QTest::newRow("1600 x 1200 wraps") << 1600 << 1200 << (3 * 99) % 256 << 100;
    }

    void rampSteps() {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(int, lastGrey);
        QFETCH(int, steps);
        const QImage img = bars(w, h);
        const int y = h - 16;
        QCOMPARE(img.pixel(w - 2, y), qRgb(lastGrey, lastGrey, lastGrey));
        // Every 16-pixel step shows grey 3 i (mod 256) inside its outline.
        int seen = 0;
        for (int x = 8; x < w; x += 16, ++seen) {
            const int g = (3 * (x / 16)) % 256;
            QCOMPARE(img.pixel(x, y), qRgb(g, g, g));
        }
        QCOMPARE(seen, steps);
    }

    void rightEdgeBeyondEightColumnsKept() {
        const QImage img = bars(805, 600); // b = 100: columns end at 800
        QCOMPARE(img.pixel(802, 300), qRgb(1, 2, 3));
        QCOMPARE(img.pixel(802, 590), qRgb(150, 150, 150)); // the ramp reaches x = W
    }

    void degenerateSizes() {
        for (QSize s : {QSize(7, 5), QSize(1, 1), QSize(200, 30)})
            QCOMPARE(bars(s.width(), s.height()).size(), s);
        QImage img(10, 10, QImage::Format_RGB32);
        img.fill(qRgb(1, 2, 3));
        QPainter p(&img);
        drawColorBars(p, 0, -4, Qt::black);
        p.end();
        QCOMPARE(img.pixel(5, 5), qRgb(1, 2, 3));
    }

    void countDownText_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        QTest::newRow("10") << 10 << "10   ";
        QTest::newRow("1") << 1 << "1   ";
        QTest::newRow("0") << 0 << "0   ";
    }

    void countDownText() {
        QFETCH(int, n);
        QFETCH(QString, text);
        QCOMPARE(::countDownText(n), text);
    }

    void countDownOrigin_data() {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QPoint>("origin");
        QTest::newRow("640 x 480") << QSize(640, 480) << QPoint(270, 190);
        QTest::newRow("odd 641 x 481") << QSize(641, 481) << QPoint(270, 190);
        QTest::newRow("tiny 40 x 30") << QSize(40, 30) << QPoint(-30, -35);
    }

    void countDownOrigin() {
        QFETCH(QSize, client);
        QFETCH(QPoint, origin);
        QCOMPARE(::countDownOrigin(client.width(), client.height()), origin);
    }

    void countDownCoversTen() {
        // "9   " drawn over "10   " leaves no trace of the 0.
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(120);
        QImage ten(640, 480, QImage::Format_RGB32);
        ten.fill(qRgb(0, 0, 0));
        QImage nine = ten;
        {
            QPainter p(&ten);
            drawCountDown(p, font, Qt::white, Qt::black, ten.size(), 10);
            drawCountDown(p, font, Qt::white, Qt::black, ten.size(), 9);
        }
        {
            QPainter p(&nine);
            drawCountDown(p, font, Qt::white, Qt::black, nine.size(), 9);
        }
        QCOMPARE(ten, nine);
        // The text starts at the origin: ink right of x 270 and below y 190 only.
        const QRect ink = playtest::inkRect(nine);
        QVERIFY(!ink.isEmpty());
        QVERIFY(ink.left() >= 270 && ink.top() >= 190);
    }
};

QTEST_MAIN(TestColorBars)
#include "tst_colorbars.moc"
