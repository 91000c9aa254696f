#include "platform/Bitmap.h"
#include "play/Mirror.h"

#include <QtTest>

#include <cstring>

using platform::Bitmap;
using platform::PixelFormat;

Q_DECLARE_METATYPE(platform::PixelFormat)

namespace {
QByteArray rows(const Bitmap &b) {
    QByteArray all;
    for (int r = 0; r < b.height(); ++r)
        all += QByteArray(reinterpret_cast<const char *>(b.scanLine(r)), b.width()) + '|';
    return all;
}
} // namespace

class TestMirror : public QObject {
    Q_OBJECT
private slots:
    // Each row is mirrored into the row above; the last row keeps its drawing.
    void mirrorsIntoRowAbove_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("three rows")
            << 4 << QByteArray("\x09\x09\x09\x09\x01\x02\x03\x04\x05\x06\x07\x08")
            << QByteArray("\x04\x03\x02\x01|\x08\x07\x06\x05|\x05\x06\x07\x08|");
        QTest::newRow("one row unchanged")
            << 5 << QByteArray("\x01\x02\x03\x04\x05") << QByteArray("\x01\x02\x03\x04\x05|");
    }
    void mirrorsIntoRowAbove() {
        QFETCH(int, width);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        Bitmap b(width, before.size() / width, PixelFormat::Bits8);
        for (int r = 0; r < b.height(); ++r)
            std::memcpy(b.scanLine(r), before.constData() + r * width, width);
        QVERIFY(mirrorStrip(b));
        QCOMPARE(rows(b), after);
    }

    void refusesUnreachableRows_data() {
        QTest::addColumn<PixelFormat>("format");
        QTest::addColumn<int>("width");
        QTest::newRow("null bitmap") << PixelFormat::Bits8 << 0;
        QTest::newRow("24 bit") << PixelFormat::Bits24 << 4;
        QTest::newRow("1 bit") << PixelFormat::Bits1 << 4;
    }
    void refusesUnreachableRows() {
        QFETCH(PixelFormat, format);
        QFETCH(int, width);
        Bitmap b(width, 2, format);
        if (!b.isNull())
            b.fill(qRgb(255, 255, 255));
        const QImage before = b.toRgb32();
        QVERIFY(!mirrorStrip(b));
        QCOMPARE(b.toRgb32(), before);
    }
};

QTEST_MAIN(TestMirror)
#include "tst_mirror.moc"
