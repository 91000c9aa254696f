#include "PlayTestSupport.h"

#include "platform/Screen.h"
#include "play/LineStrip.h"

#include <QFontMetrics>
#include <QtTest>

using playtest::inkRect;

namespace {
const int kWhite = 0xFFFFFF;
const int kBlack = 0;
const int kYellow = 0x00FFFF; // 0x00BBGGRR

QFont editorFont() {
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(10);
    return f;
}

// A strip laid out for the editor font at the given size, in 32 bits and cleared.
void layOut(LineStrip &strip, int width, int size = 10, int text = kWhite, int back = kBlack,
            bool twoLine = false) {
    strip.updateStrip(editorFont(), size, text, back, twoLine, width);
    strip.selectPixelFormat(7, false);
    strip.clearStrip();
}
} // namespace

class TestLineStrip : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { platform::Screen::clearOverride(); }

    void currentPf_data() {
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("index");
        const int listed[][2] = {{0, 0},  {1, 1},  {4, 2}, {8, 3},  {15, 4}, {16, 5},
                                 {24, 6}, {32, 7}, {2, 3}, {48, 3}, {-1, 3}};
        for (const auto &r : listed)
            QTest::addRow("%d bits", r[0]) << r[0] << r[1];
    }
    void currentPf() {
        QFETCH(int, bits);
        QFETCH(int, index);
        QCOMPARE(pixelFormatForDepth(bits), index);
    }

    void stripHeightAndWidth_data() {
        QTest::addColumn<int>("editorSize");
        QTest::addColumn<bool>("twoLine");
        QTest::addColumn<int>("width");
        QTest::newRow("10 pt, one line") << 10 << false << 800;
        QTest::newRow("10 pt, two-line titles") << 10 << true << 800;
        QTest::newRow("36 pt, narrow") << 36 << false << 120;
        QTest::newRow("zero width") << 12 << false << 0;
    }
    void stripHeightAndWidth() {
        QFETCH(int, editorSize);
        QFETCH(bool, twoLine);
        QFETCH(int, width);
        LineStrip strip;
        strip.updateStrip(editorFont(), editorSize, kWhite, kBlack, twoLine, width);
        QFont play = editorFont();
        play.setPointSize(2 * editorSize);
        const int wg = QFontMetrics(play).height();
        QCOMPARE(strip.font().pointSize(), 2 * editorSize);
        QCOMPARE(strip.stripHeight(), twoLine ? 2 * wg : wg);
        QCOMPARE(strip.stripRect(), QRect(0, 0, width, strip.stripHeight()));
        QCOMPARE(QSize(strip.strip().width(), strip.strip().height()),
                 QSize(width, strip.stripHeight()));
    }

    void formatPerProcessType_data() {
        QTest::addColumn<int>("processType");
        QTest::addColumn<bool>("mirror");
        QTest::addColumn<int>("screenDepth");
        QTest::addColumn<int>("bits");
        QTest::newRow("device on 16-bit screen") << 0 << false << 16 << 16;
        QTest::newRow("device on 24-bit screen") << 0 << false << 24 << 32;
        const int listed[] = {1, 4, 8, 15, 16, 24, 32};
        for (int i = 0; i < 7; ++i)
            QTest::addRow("%d bit", listed[i]) << i + 1 << false << 32 << listed[i];
        QTest::newRow("mirror forces 8") << 6 << true << 32 << 8;
        QTest::newRow("mirror over 1 bit") << 1 << true << 32 << 8;
        QTest::newRow("damaged index is device") << 12 << false << 15 << 15;
    }
    void formatPerProcessType() {
        QFETCH(int, processType);
        QFETCH(bool, mirror);
        QFETCH(int, screenDepth);
        QFETCH(int, bits);
        platform::Screen::setOverride(QSize(800, 600), screenDepth);
        LineStrip strip;
        strip.updateStrip(editorFont(), 10, kWhite, kBlack, false, 300);
        strip.selectPixelFormat(processType, mirror);
        QCOMPARE(strip.strip().bitsPerPixel(), bits);
        QCOMPARE(strip.isMonochrome(), bits == 1);
        QCOMPARE(QSize(strip.strip().width(), strip.strip().height()),
                 QSize(300, strip.stripHeight())); // the layout survives
    }

    // Titles are drawn underlined only, at the title size (0 is the default height, below
    // that 1 point), centred or not; the next line is back at the play size and style.
    void titleSizes_data() {
        QTest::addColumn<int>("editorSize");
        QTest::addColumn<int>("playSize");
        QTest::addColumn<int>("titleSize");
        QTest::newRow("10") << 10 << 20 << 12;
        QTest::newRow("5") << 5 << 10 << 2;
        QTest::newRow("4: title size 0 drawn at the default height") << 4 << 8 << 12;
        QTest::newRow("2: title size -4 drawn at 1") << 2 << 4 << 1;
    }
    void titleSizes() {
        QFETCH(int, editorSize);
        QFETCH(int, playSize);
        QFETCH(int, titleSize);
        QCOMPARE(playPointSize(editorSize), playSize);
        QCOMPARE(tvTitlePointSize(editorSize), titleSize);
        QFont f = editorFont();
        f.setBold(true);
        f.setItalic(true);
        LineStrip strip;
        strip.updateStrip(f, editorSize, kWhite, kBlack, false, 400);
        strip.clearStrip();
        strip.drawLine(QStringLiteral("Title"), true, true, true);
        QCOMPARE(strip.font().pointSize(), titleSize);
        QVERIFY(strip.font().underline() && !strip.font().bold() && !strip.font().italic());
        QCOMPARE(strip.font().family(), f.family());
        strip.drawLine(QStringLiteral("Body"), false, true, false);
        QCOMPARE(strip.font().pointSize(), playSize);
        QVERIFY(strip.font().bold() && strip.font().italic() && !strip.font().underline());
    }

    void titleRule_data() {
        QTest::addColumn<bool>("mode");
        QTest::addColumn<bool>("previousEmpty");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("title");
        QTest::newRow("first line, not empty") << true << true << "Hello" << true;
        QTest::newRow("empty after empty") << true << true << "" << false;
        QTest::newRow("after a text line") << true << false << "Hello" << false;
        QTest::newRow("mode off") << false << true << "Hello" << false;
        QTest::newRow("blank is not empty") << true << true << " " << true;
    }
    void titleRule() {
        QFETCH(bool, mode);
        QFETCH(bool, previousEmpty);
        QFETCH(QString, text);
        QFETCH(bool, title);
        QCOMPARE(isTvTitle(mode, previousEmpty, text), title);
    }

    // A centred line starts at half the strip less half its width; one wider than the strip
    // starts left of it and is cut on both sides.
    void centring_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("text");
        QTest::newRow("narrower than the strip") << 401 << "Centre me";
        QTest::newRow("wider than the strip") << 60 << "WWWWWWWWWWWWWWWWWWWW";
    }
    void centring() {
        QFETCH(int, width);
        QFETCH(QString, text);
        LineStrip strip;
        layOut(strip, width);
        const int x = strip.drawLine(text, false, false, true);
        const int tw = QFontMetrics(strip.font()).horizontalAdvance(text);
        QCOMPARE(x, width / 2 - tw / 2);
        if (tw > width) { // ink reaches both edges
            QVERIFY(x < 0);
            const QRect ink = inkRect(strip.toRgb32());
            QCOMPARE(ink.left(), 0);
            QCOMPARE(ink.right(), width - 1);
        }
        QCOMPARE(strip.drawLine(text, false, false, false), 0);
    }

    // The text cell is filled with the background over whatever was there; the rest stays.
    void textIsDrawnOpaqueInColours() {
        LineStrip strip;
        layOut(strip, 300, 10, kYellow, 0x800000 /* navy */);
        strip.strip().fill(qRgb(255, 0, 0));
        const QString text = QStringLiteral("Hello");
        strip.drawLine(text, false, false, false);
        const QFontMetrics fm(strip.font());
        const QImage cell = strip.toRgb32().copy(0, 0, fm.horizontalAdvance(text), fm.height());
        QVERIFY(playtest::hasPixel(cell, qRgb(255, 255, 0)));
        for (int y = 0; y < cell.height(); ++y)
            for (int x = 0; x < cell.width(); ++x)
                QVERIFY2(cell.pixel(x, y) != qRgb(255, 0, 0), "text cell not filled");
        QCOMPARE(strip.toRgb32().pixel(cell.width() + 2, 1), qRgb(255, 0, 0));
    }

    void clearBitmapFillsBothBitmaps() {
        LineStrip strip;
        strip.updateStrip(editorFont(), 10, kWhite, 0x0000FF, false, 100);
        strip.selectPixelFormat(6, false);
        strip.titleImage().setPixelFormat(platform::PixelFormat::Bits24);
        strip.titleImage().setSize(100, strip.stripHeight());
        strip.setTitleImageBrush(0x00FF00);
        strip.drawLine(QStringLiteral("ink"), false, false, false);
        strip.clearStrip();
        QVERIFY(playtest::allOf(strip.strip().toRgb32(), qRgb(255, 0, 0)));
        QVERIFY(playtest::allOf(strip.titleImage().toRgb32(), qRgb(0, 255, 0)));
        // A copy smaller than the strip is filled where it is, and not resized.
        strip.titleImage().setSize(1, 1);
        strip.setTitleImageBrush(kWhite);
        strip.clearStrip();
        QCOMPARE(strip.titleImage().width(), 1);
        QCOMPARE(strip.titleImage().pixel(0, 0), qRgb(255, 255, 255));
    }

    void reverseLineKeepsStyleAtPlaySize() {
        LineStrip strip;
        strip.updateStrip(editorFont(), 10, kWhite, kBlack, false, 400);
        strip.drawLine(QStringLiteral("Title"), true, true, false); // underlined, 12 points
        const QString text = QStringLiteral("Back");
        const int x = strip.drawReverseLine(text, true);
        QCOMPARE(strip.font().pointSize(), 20);
        QVERIFY(strip.font().underline());
        QCOMPARE(x, 200 - QFontMetrics(strip.font()).horizontalAdvance(text) / 2);
        QCOMPARE(strip.drawReverseLine(text, false), 0);
    }

    void secondTitleLineGoesBelow() {
        LineStrip strip;
        layOut(strip, 300, 10, kWhite, kBlack, true);
        const int half = strip.stripHeight() / 2;
        strip.drawText(strip.font(), QStringLiteral("Second line"), 0, half);
        const QRect ink = inkRect(strip.toRgb32());
        QVERIFY(!ink.isEmpty());
        QVERIFY(ink.top() >= half);
    }

    // At 8 bits the palette runs from the background to the text colour, so fully inked
    // pixels keep the exact text colour; new colours give a new ramp.
    void eightBitPaletteIsRamp() {
        LineStrip strip;
        strip.updateStrip(editorFont(), 12, kYellow, kBlack, false, 200);
        strip.selectPixelFormat(0, true);
        QCOMPARE(strip.strip().palette().first(), qRgb(0, 0, 0));
        QCOMPARE(strip.strip().palette().last(), qRgb(255, 255, 0));
        strip.clearStrip();
        strip.drawLine(QStringLiteral("Hello"), false, false, false);
        QVERIFY(playtest::hasPixel(strip.toRgb32(), qRgb(255, 255, 0)));
        strip.setColors(kWhite, 0x800000);
        QCOMPARE(strip.strip().palette().first(), qRgb(0, 0, 128));
        QCOMPARE(strip.strip().palette().last(), qRgb(255, 255, 255));
    }
};

QTEST_MAIN(TestLineStrip)
#include "tst_linestrip.moc"
