#include "platform/Bitmap.h"
#include "platform/Screen.h"

#include <QPainter>
#include <QtTest>

using platform::Bitmap;
using platform::PixelFormat;

Q_DECLARE_METATYPE(platform::PixelFormat)

class TestBitmap : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { platform::Screen::clearOverride(); }

    // Bytes of the first pixels of a row after filling with one colour, per format.
    void rowLayout_data() {
        QTest::addColumn<PixelFormat>("format");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("bytesPerLine");
        QTest::addColumn<QByteArray>("firstBytes");
        // The fill colour is red 0x12, green 0x34, blue 0x56.
        // 15 bits: r 0x12>>3=2, g 0x34>>3=6, b 0x56>>3=10: (2<<10)|(6<<5)|10 = 0x08CA.
        QTest::newRow("15 bit") << PixelFormat::Bits15 << 3 << 8
                                << QByteArray("\xCA\x08\xCA\x08", 4);
        // 16 bits: r 2, g 0x34>>2=13, b 10: (2<<11)|(13<<5)|10 = 0x11AA.
        QTest::newRow("16 bit") << PixelFormat::Bits16 << 3 << 8
                                << QByteArray("\xAA\x11\xAA\x11", 4);
        QTest::newRow("24 bit") << PixelFormat::Bits24 << 3 << 12
                                << QByteArray("\x56\x34\x12\x56\x34\x12", 6);
        QTest::newRow("32 bit") << PixelFormat::Bits32 << 3 << 12 << QByteArray("\x56\x34\x12", 3);
        QTest::newRow("15 bit, 33 wide: 16-bit words")
            << PixelFormat::Bits15 << 33 << 68 << QByteArray("\xCA\x08", 2);
        QTest::newRow("8 bit, 5 wide") << PixelFormat::Bits8 << 5 << 8 << QByteArray();
        QTest::newRow("4 bit, 9 wide") << PixelFormat::Bits4 << 9 << 8 << QByteArray();
        QTest::newRow("1 bit, 33 wide") << PixelFormat::Bits1 << 33 << 8 << QByteArray();
    }

    void rowLayout() {
        QFETCH(PixelFormat, format);
        QFETCH(int, width);
        QFETCH(int, bytesPerLine);
        QFETCH(QByteArray, firstBytes);
        Bitmap bmp(width, 2, format);
        QCOMPARE(bmp.bytesPerLine(), bytesPerLine);
        bmp.fill(qRgb(0x12, 0x34, 0x56));
        const QByteArray row(reinterpret_cast<const char *>(bmp.scanLine(1)), firstBytes.size());
        QCOMPARE(row, firstBytes);
    }

    void deviceFollowsScreenDepth_data() {
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("bits");
        for (int depth : {1, 4, 8, 15, 16, 24, 32, 30})
            QTest::addRow("%d", depth) << depth << (depth > 16 ? 32 : depth);
    }

    void deviceFollowsScreenDepth() {
        QFETCH(int, depth);
        QFETCH(int, bits);
        platform::Screen::setOverride(QSize(640, 480), depth);
        Bitmap bmp(10, 2, PixelFormat::Device);
        QCOMPARE(bmp.pixelFormat(), PixelFormat::Device);
        QCOMPARE(bmp.bitsPerPixel(), bits);
    }

    void roundTripThroughRgb32_data() {
        QTest::addColumn<PixelFormat>("format");
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<QRgb>("expected");
        QTest::newRow("32 exact") << PixelFormat::Bits32 << qRgb(1, 2, 3) << qRgb(1, 2, 3);
        QTest::newRow("24 exact") << PixelFormat::Bits24 << qRgb(1, 2, 3) << qRgb(1, 2, 3);
        QTest::newRow("16 widened")
            << PixelFormat::Bits16 << qRgb(255, 255, 255) << qRgb(255, 255, 255);
        QTest::newRow("16 truncated")
            << PixelFormat::Bits16 << qRgb(0x12, 0x34, 0x56) << qRgb(0x10, 0x34, 0x52);
        QTest::newRow("15 truncated")
            << PixelFormat::Bits15 << qRgb(0x12, 0x34, 0x56) << qRgb(0x10, 0x31, 0x52);
        QTest::newRow("8 palette yellow")
            << PixelFormat::Bits8 << qRgb(255, 255, 0) << qRgb(255, 255, 0);
        QTest::newRow("4 palette teal")
            << PixelFormat::Bits4 << qRgb(0, 120, 130) << qRgb(0, 128, 128);
        QTest::newRow("1 light is white")
            << PixelFormat::Bits1 << qRgb(200, 200, 200) << qRgb(255, 255, 255);
        QTest::newRow("1 dark is black") << PixelFormat::Bits1 << qRgb(20, 90, 20) << qRgb(0, 0, 0);
    }

    void roundTripThroughRgb32() {
        QFETCH(PixelFormat, format);
        QFETCH(QRgb, colour);
        QFETCH(QRgb, expected);
        Bitmap bmp(7, 3, format);
        bmp.fill(colour);
        const QImage img = bmp.toRgb32();
        QCOMPARE(img.format(), QImage::Format_RGB32);
        QCOMPARE(img.pixel(6, 2), expected);
        QCOMPARE(bmp.pixel(3, 1), expected);
        // Storing the 32-bit picture again changes no byte.
        const QByteArray before(reinterpret_cast<const char *>(bmp.scanLine(0)),
                                bmp.bytesPerLine());
        bmp.fromRgb32(img);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(bmp.scanLine(0)), bmp.bytesPerLine()),
                 before);
        // Painting lands in the format: white where painted, the fill around it.
        bmp.paint([](QPainter &p) { p.fillRect(QRect(2, 0, 3, 2), Qt::white); });
        QCOMPARE(bmp.pixel(2, 0), qRgb(255, 255, 255));
        QCOMPARE(bmp.pixel(4, 1), qRgb(255, 255, 255));
        QCOMPARE(bmp.pixel(5, 1), expected);
        QCOMPARE(bmp.pixel(2, 2), expected);
    }

    void monochromeThresholds() {
        // 1 bit: most significant bit first, 1 = white.
        Bitmap bmp(10, 1, PixelFormat::Bits1);
        bmp.fill(qRgb(0, 0, 0));
        bmp.paint([](QPainter &p) {
            p.fillRect(QRect(0, 0, 1, 1), Qt::white);
            p.fillRect(QRect(9, 0, 1, 1), Qt::white);
        });
        QCOMPARE(bmp.scanLine(0)[0], uchar(0x80));
        QCOMPARE(bmp.scanLine(0)[1], uchar(0x40));
        QCOMPARE(bmp.palette(), (QVector<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
    }

    void indexedUsesNearestPaletteEntry() {
        Bitmap bmp(4, 1, PixelFormat::Bits8);
        bmp.setPalette(Bitmap::rampPalette(qRgb(0, 0, 0), qRgb(255, 255, 0), 256));
        QCOMPARE(bmp.palette().size(), 256);
        QCOMPARE(bmp.palette().at(255), qRgb(255, 255, 0));
        bmp.paint([](QPainter &p) {
            p.fillRect(QRect(0, 0, 1, 1), QColor(0, 0, 0));
            p.fillRect(QRect(1, 0, 1, 1), QColor(128, 128, 0));
            p.fillRect(QRect(2, 0, 1, 1), QColor(255, 255, 0));
            p.fillRect(QRect(3, 0, 1, 1), QColor(250, 250, 10));
        });
        const uchar *row = bmp.scanLine(0);
        QCOMPARE(int(row[0]), 0);
        QCOMPARE(int(row[1]), 128);
        QCOMPARE(int(row[2]), 255);
        QCOMPARE(int(row[3]), 250);

        // 4 bits: two pixels a byte, high nibble first.
        Bitmap nib(3, 1, PixelFormat::Bits4);
        nib.fill(qRgb(0, 0, 0));                              // index 0
        nib.fillRect(QRect(1, 0, 1, 1), qRgb(255, 255, 255)); // index 15
        nib.fillRect(QRect(2, 0, 1, 1), qRgb(255, 0, 0));     // index 9
        QCOMPARE(nib.scanLine(0)[0], uchar(0x0F));
        QCOMPARE(nib.scanLine(0)[1], uchar(0x90));
    }

    void resizeKeepsOverlap() {
        Bitmap bmp(9, 3, PixelFormat::Bits1);
        bmp.fill(qRgb(255, 255, 255));
        bmp.setSize(12, 4);
        QCOMPARE(bmp.width(), 12);
        QCOMPARE(bmp.pixel(8, 2), qRgb(255, 255, 255));
        QCOMPARE(bmp.pixel(9, 2), qRgb(0, 0, 0));
        QCOMPARE(bmp.pixel(0, 3), qRgb(0, 0, 0));
        bmp.setSize(-5, 2);
        QVERIFY(bmp.isNull());
        QVERIFY(bmp.scanLine(0) == nullptr);
        bmp.setSize(3, 3);
        bmp.setSize(0, 3); // no row memory left
        QVERIFY(bmp.isNull());
        Bitmap huge(1 << 20, 1 << 20, PixelFormat::Bits32);
        QVERIFY(huge.isNull());
    }

    void formatChangeConvertsPicture() {
        Bitmap bmp(6, 2, PixelFormat::Bits32);
        bmp.fill(qRgb(0, 0, 255));
        bmp.fillRect(QRect(0, 0, 3, 2), qRgb(255, 255, 0));
        bmp.setPixelFormat(PixelFormat::Bits8);
        QCOMPARE(bmp.bitsPerPixel(), 8);
        QCOMPARE(bmp.bytesPerLine(), 8);
        QCOMPARE(bmp.pixel(1, 1), qRgb(255, 255, 0));
        QCOMPARE(bmp.pixel(4, 1), qRgb(0, 0, 255));
        bmp.setPixelFormat(PixelFormat::Bits24);
        QCOMPARE(bmp.pixel(4, 0), qRgb(0, 0, 255));
    }

    void rowsToRgb32Range() {
        Bitmap bmp(4, 5, PixelFormat::Bits16);
        bmp.fill(qRgb(0, 0, 0));
        bmp.fillRect(QRect(0, 3, 4, 1), qRgb(255, 255, 255));
        QRgb out[2][4] = {};
        bmp.rowsToRgb32(2, 2, reinterpret_cast<uchar *>(out), sizeof(out[0]));
        QCOMPARE(out[0][0], qRgb(0, 0, 0));
        QCOMPARE(out[1][3], qRgb(255, 255, 255));
    }

    void outOfRangeAccessIsSafe() {
        Bitmap null;
        QVERIFY(null.isNull());
        QVERIFY(null.scanLine(0) == nullptr);
        QVERIFY(null.toRgb32().isNull());
        null.fill(qRgb(1, 2, 3));
        null.paint([](QPainter &) { QFAIL("no painting on a null bitmap"); });
        Bitmap bmp(3, 3, PixelFormat::Bits8);
        QVERIFY(bmp.scanLine(-1) == nullptr);
        QVERIFY(bmp.scanLine(3) == nullptr);
        QCOMPARE(bmp.pixel(3, 0), QRgb(0));
        bmp.fillRect(QRect(-10, -10, 5, 5), qRgb(255, 255, 255)); // clipped away
        QCOMPARE(bmp.pixel(0, 0), qRgb(0, 0, 0));
    }
};

QTEST_MAIN(TestBitmap)
#include "tst_bitmap.moc"
