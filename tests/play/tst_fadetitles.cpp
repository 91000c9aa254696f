// Fade titles without a window: the frames of a fade, the title's layout in the strip and
// its automatic placement on the screen.
#include "platform/Bitmap.h"
#include "play/FadeFrame.h"
#include "play/FadeTitle.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QtTest>

using platform::Bitmap;
using platform::PixelFormat;

class TestFadeTitles : public QObject {
    Q_OBJECT
private slots:
    // A dark-blue letter on black: in every frame of a fade the black source pixels leave
    // the work pixel as it was, and the letter's pixels are source x k shr 5, the source
    // itself at k = 32.
    void frames_data() {
        QTest::addColumn<int>("format");
        QTest::newRow("24 bits") << int(PixelFormat::Bits24);
        QTest::newRow("32 bits") << int(PixelFormat::Bits32);
    }
    void frames() {
        QFETCH(int, format);
        const auto f = PixelFormat(format);
        Bitmap source(4, 2, f);
        source.fill(qRgb(0, 0, 0));
        source.fillRect(QRect(1, 0, 2, 1), qRgb(10, 20, 140)); // the letter
        Bitmap work(4, 2, f);
        work.fill(qRgb(9, 9, 9)); // what the work bitmap held before
        for (int frame = 0; frame < kFadeLevels; ++frame) {
            const int k = fadeLevel(false, frame);
            QVERIFY(fadeFrame(source, work, k));
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 4; ++x) {
                    const bool letter = y == 0 && (x == 1 || x == 2);
                    const QRgb expected =
                        letter ? qRgb(10 * k >> 5, 20 * k >> 5, 140 * k >> 5) : qRgb(9, 9, 9);
                    QCOMPARE(work.pixel(x, y), expected);
                }
        }
        QCOMPARE(fadeLevel(false, 0), 32);
        QCOMPARE(fadeLevel(true, kFadeLevels - 1), 32);
        if (f == PixelFormat::Bits32) {
            QVERIFY(fadeFrame(source, work, 32));
            QCOMPARE(int(work.scanLine(0)[4 + 3]), 0); // a letter pixel's fourth byte
        }
        Bitmap other(4, 2, PixelFormat::Bits16);
        QVERIFY(!fadeFrame(source, other, 16));
    }

    // The title's texts: sizes N and T, the TV title's underline, the second line's offset
    // N + T / 3, the last line alone, centring, and the style the first title leaves to the
    // next.
    void layout_data() {
        QTest::addColumn<int>("editorSize");
        QTest::addColumn<bool>("twoLine");
        QTest::addColumn<bool>("tv");
        QTest::addColumn<bool>("centre");
        QTest::addColumn<bool>("hasNext");
        QTest::addColumn<int>("firstSize");
        QTest::addColumn<bool>("firstUnderline");
        QTest::addColumn<bool>("firstBold");
        QTest::addColumn<int>("secondTop"); // -1: no second line
        QTest::newRow("TV title, editor 24")
            << 24 << true << true << false << true << 40 << true << false << 61;
        QTest::newRow("TV title, editor 4: T = N = 8")
            << 4 << true << true << false << true << 8 << true << false << 10;
        QTest::newRow("two lines, bold first line")
            << 24 << true << false << false << true << 48 << false << true << 64;
        QTest::newRow("last line alone, TV")
            << 24 << true << true << true << false << 48 << false << true << -1;
        QTest::newRow("one line centred")
            << 10 << false << false << true << true << 20 << false << true << -1;
    }
    void layout() {
        QFETCH(int, editorSize);
        QFETCH(bool, twoLine);
        QFETCH(bool, tv);
        QFETCH(bool, centre);
        QFETCH(bool, hasNext);
        QFETCH(int, firstSize);
        QFETCH(bool, firstUnderline);
        QFETCH(bool, firstBold);
        QFETCH(int, secondTop);
        FadeTitleRequest r;
        r.line = QStringLiteral("  Evening News ");
        if (hasNext)
            r.next = QStringLiteral("with the weather at ten");
        r.font = QFont(QStringLiteral("Arial"));
        r.font.setBold(true);
        r.font.setPointSize(2 * editorSize);
        r.editorPointSize = editorSize;
        r.stripWidth = 800;
        r.twoLine = twoLine;
        r.tvTitle = tv;
        r.centre = centre;
        const FadeTitleLayout l = layoutFadeTitle(r);
        QCOMPARE(l.texts.size(), secondTop < 0 ? 1 : 2);
        const FadeTitleText &first = l.texts.first();
        QCOMPARE(first.text, QStringLiteral("Evening News"));
        QCOMPARE(first.font.pointSize(), firstSize);
        QCOMPARE(first.font.underline(), firstUnderline);
        QCOMPARE(first.font.bold(), firstBold);
        QCOMPARE(first.y, 0);
        const int w1 = QFontMetrics(first.font).horizontalAdvance(first.text);
        if (!twoLine) {
            QCOMPARE(l.stripWidth, 800);
            QCOMPARE(first.x, 400 - w1 / 2);
            return;
        }
        if (secondTop < 0)
            return;
        const FadeTitleText &second = l.texts.at(1);
        QCOMPARE(second.y, secondTop);
        QCOMPARE(second.font.pointSize(), 2 * editorSize);
        QVERIFY(!second.font.bold() && !second.font.underline());
        const int w2 = QFontMetrics(second.font).horizontalAdvance(second.text);
        QCOMPARE(l.stripWidth, qMax(w1, w2));
        QCOMPARE(first.x, 0);
        // Each title leaves the style plain: the next title's first line is not bold.
        r.font = l.fontAfter;
        QVERIFY(!layoutFadeTitle(r).texts.first().font.bold());
    }

    // Automatic placement on a 1024 x 768 screen; a title wider than the screen is placed at
    // its left edge and clipped by its right edge.
    void placement_data() {
        QTest::addColumn<bool>("centred");
        QTest::addColumn<bool>("lowerThird");
        QTest::addColumn<QSize>("title");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("both") << true << true << QSize(400, 60) << QPoint(312, 512);
        QTest::newRow("centred") << true << false << QSize(400, 60) << QPoint(312, 354);
        QTest::newRow("lower third") << false << true << QSize(400, 60) << QPoint(100, 512);
        QTest::newRow("neither") << false << false << QSize(400, 60) << QPoint(100, 50);
        QTest::newRow("wider than the screen") << true << true << QSize(1500, 60) << QPoint(0, 512);
        QTest::newRow("taller than the screen")
            << true << false << QSize(300, 900) << QPoint(362, 0);
    }
    void placement() {
        QFETCH(bool, centred);
        QFETCH(bool, lowerThird);
        QFETCH(QSize, title);
        QFETCH(QPoint, expected);
        const TitlePosition p =
            placeTitle(centred, lowerThird, title, QSize(1024, 768), TitlePosition{100, 50});
        QCOMPARE(QPoint(p.left, p.top), expected);
    }
};

QTEST_MAIN(TestFadeTitles)
#include "tst_fadetitles.moc"
