// The pixel arrays and the antialias filter, without a window.
#include "platform/Bitmap.h"
#include "play/Antialias.h"
#include "play/Dynarray.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cstring>

using platform::Bitmap;
using platform::PixelFormat;

namespace {

QString refusal(const char *bytes) {
    return QStringLiteral("error in TBigByteArray.create: Not enough contiguous memory "
                          "available\r\n requested memory block: ") +
           QLatin1String(bytes) + QStringLiteral(" bytes");
}

// The designed weights as the play window holds them.
struct Weights {
    int w[5][5];
    Weights() {
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 5; ++c)
                w[r][c] = kAntiKernelBytes[r][c];
    }
};

Bitmap uniform(int bytes, int width, int height, QRgb colour) {
    Bitmap b(width, height, bytes == 3 ? PixelFormat::Bits24 : PixelFormat::Bits32);
    b.fill(colour);
    return b;
}

// Pixel (x, y) of a 24- or 32-bit bitmap as its bytes blue, green, red.
QByteArray bgr(const Bitmap &b, int x, int y) {
    const int bytes = b.bitsPerPixel() / 8;
    return QByteArray(reinterpret_cast<const char *>(b.scanLine(y)) + x * bytes, 3);
}

QByteArray allRows(const Bitmap &b) {
    QByteArray all;
    for (int y = 0; y < b.height(); ++y)
        all.append(reinterpret_cast<const char *>(b.scanLine(y)), b.bytesPerLine());
    return all;
}

} // namespace

class TestPixelArrays : public QObject {
    Q_OBJECT
private:
    // Sets (x, y) and reads every element back through the flat array: only the element
    // of the flat index x + (y - 1) x width changes, and an index outside 1 .. count
    // changes nothing.
    template <int Bytes> void checkIndexing(int x, int y, qint64 flat) {
        ByteArray2D<Bytes> a(3, 2);
        for (qint64 i = 1; i <= 6; ++i)
            a.array().set(i, 0);
        a.set(x, y, 0xAABBCC);
        for (qint64 i = 1; i <= 6; ++i) {
            quint32 v = 7;
            a.array().get(i, v);
            QCOMPARE(v, i == flat ? 0xAABBCCu : 0u);
        }
        QCOMPARE(a.index(x, y), flat);
        quint32 out = 0x123456;
        a.get(x, y, out);
        const bool inRange = flat >= 1 && flat <= 6;
        // Out of range the 3-byte array leaves the output alone, the 4-byte one gives 0.
        QCOMPARE(out, inRange ? 0xAABBCCu : (Bytes == 3 ? 0x123456u : 0u));
    }

private slots:
    void indexing_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<qint64>("flat");
        QTest::newRow("(1,1) first") << 1 << 1 << qint64(1);
        QTest::newRow("(3,1) end of row 1") << 3 << 1 << qint64(3);
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

    // The 3-byte element is the low three bytes of the value in the order of a 24-bit pixel
    // row; an empty array takes and gives nothing.
    void elementBytes() {
        Dynarray::TBigByteArray three(2);
        three.set(2, 0x11223344);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(three.data()) + 3, 3),
                 QByteArray("\x44\x33\x22"));
        quint32 v = 0;
        three.get(2, v);
        QCOMPARE(v, 0x223344u);
        Dynarray32::TBigByteArray four(1);
        four.set(1, 0x11223344);
        QCOMPARE(four.get(1), 0x11223344u);
        Dynarray32::TByteArray2D32 empty(0, 5);
        QCOMPARE(empty.array().count(), qint64(0));
        QVERIFY(!empty.array().data());
        empty.set(1, 1, 9);
        QCOMPARE(empty.get(1, 1), 0u);
    }

    // A request too large for one block is refused whole, its size reckoned in 64 bits and
    // more (65536 x 65536 x 3 would wrap to 0 in 32 bits); the array is left empty.
    void refused_data() {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<QString>("message");
        QTest::newRow("3-byte 65536 x 65536")
            << 3 << qint64(65536) * 65536 << refusal("12884901888");
        QTest::newRow("4-byte 65536 x 65536")
            << 4 << qint64(65536) * 65536 << refusal("17179869184");
        QTest::newRow("4-byte past 64 bits")
            << 4 << (qint64(1) << 62) << refusal("18446744073709551616");
        QTest::newRow("3-byte 400 million") << 3 << qint64(400000000) << refusal("1200000000");
    }
    void refused() {
        QFETCH(int, bytes);
        QFETCH(qint64, count);
        QFETCH(QString, message);
        Dynarray::TBigByteArray three(4);
        Dynarray32::TBigByteArray four(4);
        try {
            if (bytes == 3)
                three.create(count);
            else
                four.create(count);
            QFAIL("the request was met");
        } catch (const ENotEnoughMemory &e) {
            QCOMPARE(e.message(), message);
        }
        QCOMPARE(bytes == 3 ? three.count() : four.count(), qint64(0));
        if (count == qint64(65536) * 65536)
            QVERIFY_THROWS_EXCEPTION(ENotEnoughMemory, Dynarray::TByteArray2D(65536, 65536));
    }

    void colourHelpers() {
        QCOMPARE(rgb2tcolor(0x00112233), 0x02332211u);
        QCOMPARE(rgb2tcolor32(0xFF112233), 0x02332211u);
        const RGBTriple t = GetRGBTriple(0x02112233);
        QCOMPARE(int(t.rgbtBlue), 0x11);
        QCOMPARE(int(t.rgbtGreen), 0x22);
        QCOMPARE(int(t.rgbtRed), 0x33);
        QCOMPARE(GetRGBQuad(0x02112233), 0x00332211u);
    }

    // The filter's unclamped channels on uniform areas, and its write-back window: rows 0
    // and 1 and the last column keep what was drawn.
    void uniformAreas_data() {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<QByteArray>("inside"); // blue, green, red
        QTest::newRow("white, 24 bits") << 3 << qRgb(255, 255, 255) << QByteArray("\xff\xff\xfe");
        QTest::newRow("white, 32 bits") << 4 << qRgb(255, 255, 255) << QByteArray("\xff\xff\xfe");
        QTest::newRow("red 128, 24 bits") << 3 << qRgb(128, 0, 0) << QByteArray("\x00\x01\x00", 3);
        QTest::newRow("red 128, 32 bits") << 4 << qRgb(128, 0, 0) << QByteArray("\x00\x01\x00", 3);
    }
    void uniformAreas() {
        QFETCH(int, bytes);
        QFETCH(QRgb, colour);
        QFETCH(QByteArray, inside);
        const Weights k;
        Bitmap strip = uniform(bytes, 6, 5, colour);
        const QByteArray drawn = bgr(strip, 0, 0);
        // The filter of the other pixel size leaves the strip alone.
        bytes == 3 ? Anti32(strip, k.w) : Anti(strip, k.w);
        QCOMPARE(bgr(strip, 2, 3), drawn);
        bytes == 3 ? Anti(strip, k.w) : Anti32(strip, k.w);
        QCOMPARE(bgr(strip, 2, 3), inside);
        for (int x = 0; x < 6; ++x) {
            QCOMPARE(bgr(strip, x, 0), drawn);
            QCOMPARE(bgr(strip, x, 1), drawn);
        }
        for (int y = 0; y < 5; ++y)
            QCOMPARE(bgr(strip, 5, y), drawn);
        if (bytes == 4)
            QCOMPARE(int(strip.scanLine(3)[2 * 4 + 3]), 0);
    }

    // The row path gives the bytes of the 1-based path, on random strips of many shapes, with
    // the designed weights and with arbitrary ones.
    void rowPathAgrees_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("randomWeights");
        QTest::newRow("1 x 1") << 1 << 1 << false;
        QTest::newRow("1 x 6") << 1 << 6 << false;
        QTest::newRow("6 x 1") << 6 << 1 << false;
        QTest::newRow("2 x 3") << 2 << 3 << false;
        QTest::newRow("3 x 3") << 3 << 3 << true;
        QTest::newRow("37 x 11") << 37 << 11 << false;
        QTest::newRow("64 x 20 random weights") << 64 << 20 << true;
    }
    void rowPathAgrees() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, randomWeights);
        QRandomGenerator rng(uint(width * 1000 + height));
        Weights k;
        if (randomWeights)
            for (auto &row : k.w)
                for (int &w : row)
                    w = int(rng.bounded(256));
        for (int bytes : {3, 4}) {
            Bitmap rows(width, height, bytes == 3 ? PixelFormat::Bits24 : PixelFormat::Bits32);
            for (int y = 0; y < height; ++y)
                for (int i = 0; i < rows.bytesPerLine(); ++i)
                    rows.scanLine(y)[i] = uchar(rng.bounded(256));
            Bitmap oneBased = rows;
            if (bytes == 3) {
                Anti(rows, k.w);
                antiOneBased(oneBased, k.w);
            } else {
                Anti32(rows, k.w);
                anti32OneBased(oneBased, k.w);
            }
            QCOMPARE(allRows(rows), allRows(oneBased));
        }
    }
};

QTEST_GUILESS_MAIN(TestPixelArrays)
#include "tst_pixelarrays.moc"
