#include "platform/Bitmap.h"
#include "platform/Clock.h"
#include "play/BusyWait.h"
#include "play/Mirror.h"

#include <QElapsedTimer>
#include <QtTest>

#include <cstring>

using platform::Bitmap;
using platform::PixelFormat;

Q_DECLARE_METATYPE(platform::PixelFormat)

namespace {
QByteArray row(const Bitmap &b, int r) {
    return QByteArray(reinterpret_cast<const char *>(b.scanLine(r)), b.width());
}
void setRow(Bitmap &b, int r, const QByteArray &bytes) {
    std::memcpy(b.scanLine(r), bytes.constData(), bytes.size());
}
} // namespace

class TestMirror : public QObject {
    Q_OBJECT
private slots:
    void mirrorsIntoRowAbove();
    void heightOneUnchanged();
    void refusesUnreachableRows_data();
    void refusesUnreachableRows();
    void busyWaitRuns_data();
    void busyWaitRuns();
};

void TestMirror::mirrorsIntoRowAbove() {
    Bitmap b(4, 3, PixelFormat::Bits8);
    setRow(b, 0, QByteArray("\x09\x09\x09\x09", 4));
    setRow(b, 1, QByteArray("\x01\x02\x03\x04", 4));
    setRow(b, 2, QByteArray("\x05\x06\x07\x08", 4));
    QVERIFY(mirrorStrip(b));
    QCOMPARE(row(b, 0), QByteArray("\x04\x03\x02\x01", 4));
    QCOMPARE(row(b, 1), QByteArray("\x08\x07\x06\x05", 4));
    QCOMPARE(row(b, 2), QByteArray("\x05\x06\x07\x08", 4)); // the last row keeps its drawing
}

void TestMirror::heightOneUnchanged() {
    Bitmap b(5, 1, PixelFormat::Bits8);
    setRow(b, 0, QByteArray("\x01\x02\x03\x04\x05", 5));
    QVERIFY(mirrorStrip(b));
    QCOMPARE(row(b, 0), QByteArray("\x01\x02\x03\x04\x05", 5));
}

void TestMirror::refusesUnreachableRows_data() {
    QTest::addColumn<PixelFormat>("format");
    QTest::addColumn<int>("width");
    QTest::newRow("null bitmap") << PixelFormat::Bits8 << 0;
    QTest::newRow("24 bit") << PixelFormat::Bits24 << 4;
    QTest::newRow("1 bit") << PixelFormat::Bits1 << 4;
}

void TestMirror::refusesUnreachableRows() {
    QFETCH(PixelFormat, format);
    QFETCH(int, width);
    Bitmap b(width, 2, format);
    if (!b.isNull())
        b.fill(qRgb(255, 255, 255));
    const QImage before = b.toRgb32();
    QVERIFY(!mirrorStrip(b));
    QCOMPARE(b.toRgb32(), before);
}

void TestMirror::busyWaitRuns_data() {
    QTest::addColumn<int>("n");
    QTest::newRow("negative") << -5;
    QTest::newRow("zero") << 0;
    QTest::newRow("small") << 300;
}

void TestMirror::busyWaitRuns() {
    QFETCH(int, n);
    vdelayit(n); // returns; n <= 0 waits for nothing
    // The wait grows with n squared: 4 x n costs far more than n (the loop is not optimised away).
    if (n > 0) {
        QElapsedTimer t;
        t.start();
        vdelayit(n);
        const qint64 small = t.nsecsElapsed();
        t.restart();
        vdelayit(4 * n);
        const qint64 big = t.nsecsElapsed();
        QVERIFY2(big > 4 * small, qPrintable(QStringLiteral("%1 ns vs %2 ns").arg(big).arg(small)));
    }
}

QTEST_MAIN(TestMirror)
#include "tst_mirror.moc"
