#include "platform/Colors.h"
#include "platform/Screen.h"
#include "play/LineStrip.h"

#include <QFontMetrics>
#include <QtTest>

using platform::PixelFormat;

Q_DECLARE_METATYPE(platform::PixelFormat)

namespace {
const int kWhite = 0xFFFFFF;
const int kBlack = 0;
const int kYellow = 0x00FFFF; // 0x00BBGGRR

QFont editorFont() {
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(10);
    return f;
}

// Columns of the strip that hold any pixel other than the background.
QPair<int, int> inkColumns(const QImage &img, QRgb background) {
    int first = -1, last = -1;
    for (int x = 0; x < img.width(); ++x)
        for (int y = 0; y < img.height(); ++y)
            if (img.pixel(x, y) != background) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}
} // namespace

class TestLineStrip : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { platform::Screen::clearOverride(); }

    void currentPf_data();
    void currentPf();
    void stripHeightAndWidth_data();
    void stripHeightAndWidth();
    void formatPerProcessType_data();
    void formatPerProcessType();
    void titleSizes_data();
    void titleSizes();
    void titleRule_data();
    void titleRule();
    void titleLineIsUnderlinedOnly();
    void tinyTitleDrawsWithoutCrash();
    void centringTruncates();
    void centredLineWiderThanStripIsCut();
    void textIsDrawnOpaqueInColours();
    void clearBitmapFillsBothBitmaps();
    void reverseLineKeepsStyleAtPlaySize();
    void secondTitleLineGoesBelow();
    void eightBitPaletteIsRamp();
};

void TestLineStrip::currentPf_data() {
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("index");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("4") << 4 << 2;
    QTest::newRow("8") << 8 << 3;
    QTest::newRow("15") << 15 << 4;
    QTest::newRow("16") << 16 << 5;
    QTest::newRow("24") << 24 << 6;
    QTest::newRow("32") << 32 << 7;
    QTest::newRow("2 unlisted") << 2 << 3;
    QTest::newRow("48 unlisted") << 48 << 3;
    QTest::newRow("-1 unlisted") << -1 << 3;
}

void TestLineStrip::currentPf() {
    QFETCH(int, bits);
    QFETCH(int, index);
    QCOMPARE(Currentpf(bits), index);
}

void TestLineStrip::stripHeightAndWidth_data() {
    QTest::addColumn<int>("editorSize");
    QTest::addColumn<bool>("twoLine");
    QTest::addColumn<int>("width");
    QTest::newRow("10 pt, one line") << 10 << false << 800;
    QTest::newRow("10 pt, two-line titles") << 10 << true << 800;
    QTest::newRow("36 pt, narrow") << 36 << false << 120;
    QTest::newRow("zero width") << 12 << false << 0;
}

void TestLineStrip::stripHeightAndWidth() {
    QFETCH(int, editorSize);
    QFETCH(bool, twoLine);
    QFETCH(int, width);
    LineStrip strip;
    strip.updatebitmap(editorFont(), editorSize, kWhite, kBlack, twoLine, width);
    QFont play = editorFont();
    play.setPointSize(2 * editorSize);
    const int wg = QFontMetrics(play).height();
    QVERIFY(wg > 0);
    QCOMPARE(strip.font().pointSize(), 2 * editorSize);
    QCOMPARE(strip.StripHeight(), twoLine ? 2 * wg : wg);
    QCOMPARE(strip.StripRect(), QRect(0, 0, width, strip.StripHeight()));
    QCOMPARE(strip.strip().width(), width);
    QCOMPARE(strip.strip().height(), strip.StripHeight());
}

void TestLineStrip::formatPerProcessType_data() {
    QTest::addColumn<int>("processType");
    QTest::addColumn<bool>("mirror");
    QTest::addColumn<int>("screenDepth");
    QTest::addColumn<int>("bits");
    QTest::newRow("device on 16-bit screen") << 0 << false << 16 << 16;
    QTest::newRow("device on 24-bit screen") << 0 << false << 24 << 32;
    QTest::newRow("1 bit") << 1 << false << 32 << 1;
    QTest::newRow("4 bit") << 2 << false << 32 << 4;
    QTest::newRow("8 bit") << 3 << false << 32 << 8;
    QTest::newRow("15 bit") << 4 << false << 32 << 15;
    QTest::newRow("16 bit") << 5 << false << 32 << 16;
    QTest::newRow("24 bit") << 6 << false << 32 << 24;
    QTest::newRow("32 bit") << 7 << false << 32 << 32;
    QTest::newRow("mirror forces 8") << 6 << true << 32 << 8;
    QTest::newRow("mirror over 1 bit") << 1 << true << 32 << 8;
    QTest::newRow("damaged index is device") << 12 << false << 15 << 15;
}

void TestLineStrip::formatPerProcessType() {
    QFETCH(int, processType);
    QFETCH(bool, mirror);
    QFETCH(int, screenDepth);
    QFETCH(int, bits);
    platform::Screen::setOverride(QSize(800, 600), screenDepth);
    LineStrip strip;
    strip.updatebitmap(editorFont(), 10, kWhite, kBlack, false, 300);
    strip.selectPixelFormat(processType, mirror);
    QCOMPARE(strip.strip().bitsPerPixel(), bits);
    QCOMPARE(strip.isMonochrome(), bits == 1);
    // The layout survives the format change.
    QCOMPARE(strip.strip().width(), 300);
    QCOMPARE(strip.strip().height(), strip.StripHeight());
}

void TestLineStrip::titleSizes_data() {
    QTest::addColumn<int>("editorSize");
    QTest::addColumn<int>("playSize");
    QTest::addColumn<int>("titleSize");
    QTest::newRow("10") << 10 << 20 << 12;
    QTest::newRow("4: title size 0 drawn at 1") << 4 << 8 << 1;
    QTest::newRow("2: title size -4 drawn at 1") << 2 << 4 << 1;
    QTest::newRow("5") << 5 << 10 << 2;
}

void TestLineStrip::titleSizes() {
    QFETCH(int, editorSize);
    QFETCH(int, playSize);
    QFETCH(int, titleSize);
    QCOMPARE(playPointSize(editorSize), playSize);
    QCOMPARE(tvTitlePointSize(editorSize), titleSize);
    LineStrip strip;
    strip.updatebitmap(editorFont(), editorSize, kWhite, kBlack, false, 400);
    strip.drawLine(QStringLiteral("Title"), true, true, false);
    QCOMPARE(strip.font().pointSize(), titleSize);
    strip.drawLine(QStringLiteral("Body"), false, true, false);
    QCOMPARE(strip.font().pointSize(), playSize);
}

void TestLineStrip::titleRule_data() {
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

void TestLineStrip::titleRule() {
    QFETCH(bool, mode);
    QFETCH(bool, previousEmpty);
    QFETCH(QString, text);
    QFETCH(bool, title);
    QCOMPARE(isTvTitle(mode, previousEmpty, text), title);
}

void TestLineStrip::titleLineIsUnderlinedOnly() {
    QFont f = editorFont();
    f.setBold(true);
    f.setItalic(true);
    LineStrip strip;
    strip.updatebitmap(f, 10, kWhite, kBlack, false, 400);
    QVERIFY(strip.font().bold() && strip.font().italic());
    strip.drawLine(QStringLiteral("Title"), true, true, false);
    QVERIFY(strip.font().underline());
    QVERIFY(!strip.font().bold());
    QVERIFY(!strip.font().italic());
    QCOMPARE(strip.font().family(), f.family());
    strip.drawLine(QStringLiteral("Body"), false, true, false);
    QVERIFY(strip.font().bold() && strip.font().italic() && !strip.font().underline());
}

void TestLineStrip::tinyTitleDrawsWithoutCrash() {
    LineStrip strip;
    strip.updatebitmap(editorFont(), 4, kWhite, kBlack, false, 200);
    strip.ClearBitmap();
    strip.drawLine(QStringLiteral("Tiny title"), true, true, true);
    QCOMPARE(strip.font().pointSize(), 1);
    QVERIFY(strip.StripHeight() > 0);
}

void TestLineStrip::centringTruncates() {
    LineStrip strip;
    strip.updatebitmap(editorFont(), 10, kWhite, kBlack, false, 401);
    const QString text = QStringLiteral("Centre me");
    const int x = strip.drawLine(text, false, false, true);
    const int tw = QFontMetrics(strip.font()).horizontalAdvance(text);
    QCOMPARE(x, 401 / 2 - tw / 2);
    QCOMPARE(strip.drawLine(text, false, false, false), 0);
}

void TestLineStrip::centredLineWiderThanStripIsCut() {
    LineStrip strip;
    strip.updatebitmap(editorFont(), 10, kWhite, kBlack, false, 60);
    strip.selectPixelFormat(7, false);
    strip.ClearBitmap();
    const QString text = QStringLiteral("WWWWWWWWWWWWWWWWWWWW");
    const int x = strip.drawLine(text, false, false, true);
    QVERIFY(x < 0);
    const int tw = QFontMetrics(strip.font()).horizontalAdvance(text);
    QVERIFY(x + tw > 60);
    // Ink reaches both edges of the strip: the line is cut on both sides.
    const QImage img = strip.toRgb32();
    QCOMPARE(img.width(), 60);
    const auto cols = inkColumns(img, qRgb(0, 0, 0));
    QCOMPARE(cols.first, 0);
    QCOMPARE(cols.second, 59);
}

void TestLineStrip::textIsDrawnOpaqueInColours() {
    LineStrip strip;
    strip.updatebitmap(editorFont(), 10, kYellow, 0x800000 /* navy */, false, 300);
    strip.selectPixelFormat(7, false);
    strip.strip().fill(qRgb(255, 0, 0)); // not the brush: the text cell must cover it
    const QString text = QStringLiteral("Hello");
    strip.drawLine(text, false, false, false);
    const QImage img = strip.toRgb32();
    const QFontMetrics fm(strip.font());
    const int tw = fm.horizontalAdvance(text);
    bool sawInk = false;
    for (int y = 0; y < fm.height(); ++y)
        for (int x = 0; x < tw; ++x) {
            const QRgb p = img.pixel(x, y);
            QVERIFY2(p != qRgb(255, 0, 0), "text cell not filled");
            sawInk |= p == qRgb(255, 255, 0);
        }
    QVERIFY(sawInk);
    QCOMPARE(img.pixel(tw + 2, 1), qRgb(255, 0, 0)); // right of the cell: untouched
}

void TestLineStrip::clearBitmapFillsBothBitmaps() {
    LineStrip strip;
    strip.updatebitmap(editorFont(), 10, kWhite, 0x0000FF, false, 100);
    strip.selectPixelFormat(6, false);
    strip.Image2().setPixelFormat(PixelFormat::Bits24);
    strip.Image2().setSize(100, strip.StripHeight());
    strip.setImage2Brush(0x00FF00);
    strip.drawLine(QStringLiteral("ink"), false, false, false);
    strip.ClearBitmap();
    const QImage a = strip.strip().toRgb32();
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            QCOMPARE(a.pixel(x, y), qRgb(255, 0, 0));
    QCOMPARE(strip.Image2().pixel(99, strip.StripHeight() - 1), qRgb(0, 255, 0));
    // A copy smaller than the strip is filled where it is, and not resized.
    strip.Image2().setSize(1, 1);
    strip.setImage2Brush(kWhite);
    strip.ClearBitmap();
    QCOMPARE(strip.Image2().width(), 1);
    QCOMPARE(strip.Image2().pixel(0, 0), qRgb(255, 255, 255));
}

void TestLineStrip::reverseLineKeepsStyleAtPlaySize() {
    LineStrip strip;
    strip.updatebitmap(editorFont(), 10, kWhite, kBlack, false, 400);
    strip.drawLine(QStringLiteral("Title"), true, true, false); // underlined, 12 points
    const QString text = QStringLiteral("Back");
    const int x = strip.drawReverseLine(text, true);
    QCOMPARE(strip.font().pointSize(), 20);
    QVERIFY(strip.font().underline());
    QCOMPARE(x, 200 - QFontMetrics(strip.font()).horizontalAdvance(text) / 2);
    QCOMPARE(strip.drawReverseLine(text, false), 0);
}

void TestLineStrip::secondTitleLineGoesBelow() {
    LineStrip strip;
    strip.updatebitmap(editorFont(), 10, kWhite, kBlack, true, 300);
    strip.selectPixelFormat(7, false);
    strip.ClearBitmap();
    const int half = strip.StripHeight() / 2;
    strip.drawText(strip.font(), QStringLiteral("Second line"), 0, half);
    const QImage img = strip.toRgb32();
    bool inkBelow = false;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != qRgb(0, 0, 0)) {
                QVERIFY(y >= half);
                inkBelow = true;
            }
    QVERIFY(inkBelow);
}

void TestLineStrip::eightBitPaletteIsRamp() {
    LineStrip strip;
    strip.updatebitmap(editorFont(), 12, kYellow, kBlack, false, 200);
    strip.selectPixelFormat(0, true);
    QCOMPARE(strip.strip().palette().first(), qRgb(0, 0, 0));
    QCOMPARE(strip.strip().palette().last(), qRgb(255, 255, 0));
    strip.ClearBitmap();
    strip.drawLine(QStringLiteral("Hello"), false, false, false);
    // Fully inked pixels keep the exact text colour at 8 bits.
    const QImage img = strip.toRgb32();
    bool exact = false;
    for (int y = 0; y < img.height() && !exact; ++y)
        for (int x = 0; x < img.width() && !exact; ++x)
            exact = img.pixel(x, y) == qRgb(255, 255, 0);
    QVERIFY(exact);
    // New colours give a new ramp.
    strip.setColors(kWhite, 0x800000);
    QCOMPARE(strip.strip().palette().first(), qRgb(0, 0, 128));
    QCOMPARE(strip.strip().palette().last(), qRgb(255, 255, 255));
}

QTEST_MAIN(TestLineStrip)
#include "tst_linestrip.moc"
