// Fade titles without a window: the pixel arrays, the antialias filter, the frames of a
// fade, the title's layout in the strip and its automatic placement.
#include "platform/Bitmap.h"
#include "play/Antialias.h"
#include "play/FadeFrame.h"
#include "play/FadeTitle.h"
#include "play/PixelArrays.h"

#include <QFontMetrics>
#include <QRandomGenerator>
#include <QtTest>

#include <cstring>

using platform::Bitmap;
using platform::PixelFormat;

namespace {

Bitmap bitmap(int bytes, int width, int height, QRgb fill) {
    Bitmap b(width, height, bytes == 3 ? PixelFormat::Bits24 : PixelFormat::Bits32);
    b.fill(fill);
    return b;
}

// Pixel (x, y) as its bytes blue, green, red.
QByteArray bgr(const Bitmap &b, int x, int y) {
    return QByteArray(reinterpret_cast<const char *>(b.scanLine(y)) + x * b.bitsPerPixel() / 8, 3);
}

// A font as "<points>[ underline][ bold]".
QString described(const QFont &f) {
    return QString::number(f.pointSize()) + (f.underline() ? QStringLiteral(" underline") : "") +
           (f.bold() ? QStringLiteral(" bold") : "");
}

} // namespace

class TestFadeTitles : public QObject {
    Q_OBJECT
    // Sets (x, y) of a 3 x 2 array: only flat element x + (y - 1) x 3 holds the value's low
    // bytes, low byte first. Out of range the 3-byte array leaves the output alone, the
    // 4-byte one gives 0.
    template <int Bytes> void checkIndexing(int x, int y, qint64 flat) {
        ByteArray2D<Bytes> a(3, 2);
        std::memset(a.array().data(), 0, 6 * Bytes);
        a.set(x, y, 0x11AABBCC);
        const quint32 stored = Bytes == 3 ? 0xAABBCCu : 0x11AABBCCu;
        for (qint64 i = 1; i <= 6; ++i) {
            quint32 v = 7;
            a.array().get(i, v);
            QCOMPARE(v, i == flat ? stored : 0u);
            QCOMPARE(int(a.array().data()[(i - 1) * Bytes]), i == flat ? 0xCC : 0);
        }
        quint32 out = 0x123456;
        a.get(x, y, out);
        QCOMPARE(out, flat >= 1 && flat <= 6 ? stored : (Bytes == 3 ? 0x123456u : 0u));
    }

private slots:
    void indexing_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<qint64>("flat");
        QTest::newRow("(1,1) first") << 1 << 1 << qint64(1);
        QTest::newRow("(1,2) start of row 2") << 1 << 2 << qint64(4);
        QTest::newRow("(3,2) last") << 3 << 2 << qint64(6);
        QTest::newRow("(4,1) is (1,2)") << 4 << 1 << qint64(4);
        QTest::newRow("(0,1) before the block") << 0 << 1 << qint64(0);
        QTest::newRow("(4,2) after the block") << 4 << 2 << qint64(7);
    }
    void indexing() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(qint64, flat);
        checkIndexing<3>(x, y, flat);
        checkIndexing<4>(x, y, flat);
    }

    // A request too large for one block is refused whole with its size reckoned past 64
    // bits (65536 x 65536 x 3 would wrap to 0 in 32 bits); the array is left empty.
    void refused_data() {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<QString>("size");
        QTest::newRow("3-byte 65536 x 65536") << 3 << qint64(65536) * 65536 << "12884901888";
        QTest::newRow("4-byte past 64 bits") << 4 << (qint64(1) << 62) << "18446744073709551616";
        QTest::newRow("3-byte 400 million") << 3 << qint64(400000000) << "1200000000";
    }
    void refused() {
        QFETCH(int, bytes);
        QFETCH(qint64, count);
        QFETCH(QString, size);
        BigByteArray<3> three(4);
        BigByteArray<4> four(4);
        QString message;
        try {
            bytes == 3 ? three.create(count) : four.create(count);
        } catch (const NotEnoughMemory &e) {
            message = e.message();
        }
        QCOMPARE(message, "error in TBigByteArray.create: Not enough contiguous memory available"
                          "\r\n requested memory block: " +
                              size + " bytes");
        QCOMPARE(bytes == 3 ? three.count() : four.count(), qint64(0));
    }

    // The filter's unclamped channels on a uniform area (white stays almost white, red 128
    // spills into green), and its write-back window: rows 0 and 1 and the last column keep
    // what was drawn. The filter of the other pixel size leaves a strip alone.
    void uniformAreas_data() {
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<QByteArray>("inside"); // blue, green, red
        QTest::newRow("white") << qRgb(255, 255, 255) << QByteArray("\xff\xff\xfe");
        QTest::newRow("red 128") << qRgb(128, 0, 0) << QByteArray("\0\1\0", 3);
    }
    void uniformAreas() {
        QFETCH(QRgb, colour);
        QFETCH(QByteArray, inside);
        int k[5][5];
        copyAntialiasKernel(k);
        for (int bytes : {3, 4}) {
            Bitmap strip = bitmap(bytes, 6, 5, colour);
            const QByteArray drawn = bgr(strip, 0, 0);
            bytes == 3 ? antialias32(strip, k) : antialias(strip, k);
            QCOMPARE(bgr(strip, 2, 3), drawn);
            bytes == 3 ? antialias(strip, k) : antialias32(strip, k);
            QCOMPARE(bgr(strip, 2, 3), inside);
            for (int i = 0; i < 6; ++i)
                QVERIFY(bgr(strip, i, 0) == drawn && bgr(strip, i, 1) == drawn &&
                        bgr(strip, 5, qMin(i, 4)) == drawn);
        }
    }

    // One lit pixel: the centre keeps 8/6 of it, the four diagonal neighbours get 1/6, the
    // four edge neighbours nothing.
    void kernelLayout_data() {
        QTest::addColumn<int>("bytes");
        QTest::newRow("24-bit") << 3;
        QTest::newRow("32-bit") << 4;
    }
    void kernelLayout() {
        QFETCH(int, bytes);
        int k[5][5];
        copyAntialiasKernel(k);
        Bitmap strip = bitmap(bytes, 7, 7, qRgb(0, 0, 0));
        strip.scanLine(3)[3 * bytes] = 6; // the blue of (3, 3)
        bytes == 3 ? antialias(strip, k) : antialias32(strip, k);
        QStringList rows;
        for (int y = 2; y <= 4; ++y) {
            QStringList row;
            for (int x = 2; x <= 4; ++x)
                row << QString::number(quint8(bgr(strip, x, y).at(0)));
            rows << row.join(u' ');
        }
        QCOMPARE(rows.join(QStringLiteral(" / ")), QStringLiteral("1 0 1 / 0 8 0 / 1 0 1"));
    }

    // The row path gives the bytes of the 1-based path on random strips of many shapes,
    // with the designed weights and with arbitrary ones.
    void rowPathAgrees_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("randomWeights");
        QTest::newRow("1 x 1") << QSize(1, 1) << false;
        QTest::newRow("1 x 6") << QSize(1, 6) << false;
        QTest::newRow("6 x 1") << QSize(6, 1) << false;
        QTest::newRow("3 x 3 random weights") << QSize(3, 3) << true;
        QTest::newRow("37 x 11") << QSize(37, 11) << false;
        QTest::newRow("64 x 20 random weights") << QSize(64, 20) << true;
    }
    void rowPathAgrees() {
        QFETCH(QSize, size);
        QFETCH(bool, randomWeights);
        QRandomGenerator rng(uint(size.width() * 1000 + size.height()));
        int k[5][5];
        copyAntialiasKernel(k);
        for (auto &row : k)
            for (int &w : row)
                w = randomWeights ? int(rng.bounded(256)) : w;
        for (int bytes : {3, 4}) {
            Bitmap rows = bitmap(bytes, size.width(), size.height(), 0);
            for (int y = 0; y < size.height(); ++y)
                rng.fillRange(reinterpret_cast<quint32 *>(rows.scanLine(y)),
                              rows.bytesPerLine() / 4);
            Bitmap oneBased = rows;
            bytes == 3 ? antialias(rows, k) : antialias32(rows, k);
            bytes == 3 ? antiOneBased(oneBased, k) : anti32OneBased(oneBased, k);
            for (int y = 0; y < size.height(); ++y)
                QVERIFY(!std::memcmp(rows.scanLine(y), oneBased.scanLine(y), rows.bytesPerLine()));
        }
    }

    // A dark-blue letter on black: in every frame of a fade the black source pixels leave
    // the work pixel as it was, the letter's pixels are source x k shr 5 (the source itself
    // at k = 32), and in 32 bits their fourth byte is 0.
    void frames() {
        for (int bytes : {3, 4}) {
            Bitmap source = bitmap(bytes, 4, 2, qRgb(0, 0, 0));
            source.fillRect(QRect(1, 0, 2, 1), qRgb(10, 20, 140));
            Bitmap work = bitmap(bytes, 4, 2, qRgb(9, 9, 9));
            for (int frame = 0; frame < kFadeLevels; ++frame) {
                const int k = fadeLevel(false, frame);
                QVERIFY(fadeFrame(source, work, k));
                for (int y = 0; y < 2; ++y)
                    for (int x = 0; x < 4; ++x)
                        QCOMPARE(work.pixel(x, y),
                                 y == 0 && (x == 1 || x == 2)
                                     ? qRgb(10 * k >> 5, 20 * k >> 5, 140 * k >> 5)
                                     : qRgb(9, 9, 9));
                if (bytes == 4)
                    QCOMPARE(int(work.scanLine(0)[4 + 3]), 0);
            }
        }
    }

    // The title's texts: sizes N and T, the TV title's underline, the second line's top
    // at N + T / 3, the last line alone, centring, and the plain style a two-line title
    // leaves to the next.
    void layout_data() {
        QTest::addColumn<int>("editorSize");
        QTest::addColumn<QString>("mode"); // one, two, tv
        QTest::addColumn<bool>("centre");
        QTest::addColumn<bool>("hasNext");
        QTest::addColumn<QString>("firstFont");
        QTest::addColumn<int>("secondTop"); // -1: no second line
        QTest::newRow("TV, editor 24") << 24 << "tv" << false << true << "40 underline" << 61;
        QTest::newRow("TV, editor 4: T = N") << 4 << "tv" << false << true << "8 underline" << 10;
        QTest::newRow("two lines, bold") << 24 << "two" << false << true << "48 bold" << 64;
        QTest::newRow("two lines centred") << 24 << "two" << true << true << "48 bold" << 64;
        QTest::newRow("last line alone") << 24 << "tv" << true << false << "48 bold" << -1;
        QTest::newRow("one line centred") << 10 << "one" << true << true << "20 bold" << -1;
    }
    void layout() {
        QFETCH(int, editorSize);
        QFETCH(QString, mode);
        QFETCH(bool, centre);
        QFETCH(bool, hasNext);
        QFETCH(QString, firstFont);
        QFETCH(int, secondTop);
        FadeTitleRequest r;
        r.line = QStringLiteral("  Evening News ");
        if (hasNext)
            r.next = QStringLiteral("with the weather at ten");
        r.font = QFont(QStringLiteral("Arial"), 2 * editorSize, QFont::Bold);
        r.editorPointSize = editorSize;
        r.stripWidth = 800;
        r.twoLine = mode != QLatin1String("one");
        r.tvTitle = mode == QLatin1String("tv");
        r.centre = centre;
        const FadeTitleLayout l = layoutFadeTitle(r);
        const FadeTitleText &first = l.texts.first();
        QCOMPARE(first.text, QStringLiteral("Evening News"));
        QCOMPARE(described(first.font), firstFont);
        QCOMPARE(l.texts.size(), secondTop < 0 ? 1 : 2);
        const int w1 = QFontMetrics(first.font).horizontalAdvance(first.text);
        // One line is centred in the strip; two lines centred in the wider of the two.
        if (!r.twoLine)
            QCOMPARE(first.x, 400 - w1 / 2);
        else if (secondTop >= 0)
            QCOMPARE(first.x, centre ? l.stripWidth / 2 - w1 / 2 : 0);
        if (secondTop < 0)
            return;
        const FadeTitleText &second = l.texts.at(1);
        const int w2 = QFontMetrics(second.font).horizontalAdvance(second.text);
        QCOMPARE(QPoint(second.x, second.y),
                 QPoint(centre ? l.stripWidth / 2 - w2 / 2 : 0, secondTop));
        QCOMPARE(described(second.font), QString::number(2 * editorSize));
        QCOMPARE(l.stripWidth, qMax(w1, w2));
        r.font = l.fontAfter;
        QCOMPARE(described(layoutFadeTitle(r).texts.first().font), firstFont.remove(" bold"));
    }

    // Automatic placement on a 1024 x 768 screen; a title wider than the screen stands at
    // its left edge (the screen cuts it at the right).
    void placement_data() {
        QTest::addColumn<bool>("centred");
        QTest::addColumn<bool>("lowerThird");
        QTest::addColumn<QSize>("title");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("both") << true << true << QSize(400, 60) << QPoint(312, 512);
        QTest::newRow("centred") << true << false << QSize(400, 60) << QPoint(312, 354);
        QTest::newRow("lower third") << false << true << QSize(400, 60) << QPoint(100, 512);
        QTest::newRow("wider than the screen") << true << true << QSize(1500, 60) << QPoint(0, 512);
        QTest::newRow("taller than the screen")
            << true << false << QSize(30, 900) << QPoint(497, 0);
    }
    void placement() {
        QFETCH(bool, centred);
        QFETCH(bool, lowerThird);
        QFETCH(QSize, title);
        QFETCH(QPoint, expected);
        const TitlePosition p = placeTitle(centred, lowerThird, title, {1024, 768}, {100, 50});
        QCOMPARE(QPoint(p.left, p.top), expected);
    }
};

QTEST_MAIN(TestFadeTitles)
#include "tst_fadetitles.moc"
