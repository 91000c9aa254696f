#include "play/FloodFill.h"
#include "play/PlaySurface.h"
#include "play/PresentPacer.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

#include <vector>

namespace {

// Rows of distinct colours, as strip rows converted to 32 bits.
std::vector<QRgb> stripRow(int row, int width) {
    std::vector<QRgb> px(width);
    for (int x = 0; x < width; ++x)
        px[x] = qRgb(row * 10 % 256, x % 256, 100 + row % 100);
    return px;
}

// The straightforward picture the ring must match: a plain image scrolled by moving rows.
struct Reference {
    QImage img;
    QRect area;
    void writeRow(int y, const QRgb *px, int count) {
        for (int x = 0; x < std::min(count, area.width()); ++x)
            img.setPixel(area.left() + x, y, px[x]);
    }
    void copyRow(int from, int to) {
        for (int x = area.left(); x <= area.right(); ++x)
            img.setPixel(x, to, img.pixel(x, from));
    }
    void scroll(int dy) {
        const int n = std::abs(dy);
        if (n >= area.height())
            return;
        if (dy < 0)
            for (int y = area.top(); y <= area.bottom() - n; ++y)
                copyRow(y + n, y);
        else
            for (int y = area.bottom(); y >= area.top() + n; --y)
                copyRow(y - n, y);
    }
};

} // namespace

class TestPlaySurface : public QObject {
    Q_OBJECT
private slots:
    void stripAppearsAtBottomAfterItsRows();
    void matchesPlainScrolling_data();
    void matchesPlainScrolling();
    void reverseScrollGeometry();
    void paintingKeepsRingAndOutside();
    void paintOntoMatchesImage_data();
    void paintOntoMatchesImage();
    void areaIsClipped();
    void markerPixels();
    void markerInsideScrollArea();
    void floodFillStopsAtBorder();
    void pacer();
};

void TestPlaySurface::stripAppearsAtBottomAfterItsRows() {
    // Output rectangle (15, 10)-(115, 90) on a 200 x 120 surface; strip of height n = 5.
    PlaySurface s;
    s.resize(QSize(200, 120), qRgb(0, 0, 0));
    s.setScrollArea(15, 10, 115, 90);
    s.paint([](QPainter &p) { p.fillRect(QRect(15, 80, 100, 10), QColor(9, 9, 9)); });
    const int n = 5;
    for (int i = 0; i < n; ++i) {
        const auto row = stripRow(i, 100);
        s.writeEntryRow(row.data(), 100);
        s.scrollUp();
    }
    // Strip row i sits at y = B - 1 - n + i; the entry row keeps the last row written.
    for (int i = 0; i < n; ++i) {
        const auto row = stripRow(i, 100);
        QCOMPARE(s.pixel(15, 89 - n + i), row[0]);
        QCOMPARE(s.pixel(114, 89 - n + i), row[99]);
    }
    QCOMPARE(s.pixel(50, 89), stripRow(n - 1, 100)[35]);
    // What was at the bottom before moved up by n; outside the area nothing moved.
    QCOMPARE(s.pixel(20, 80 - n), qRgb(9, 9, 9));
    QCOMPARE(s.pixel(20, 79 - n - 5), qRgb(0, 0, 0));
    QCOMPARE(s.pixel(14, 88), qRgb(0, 0, 0));
    QCOMPARE(s.pixel(115, 88), qRgb(0, 0, 0));
    QCOMPARE(s.dirtyRect(), QRect(0, 0, 200, 120)); // the paint, then rows and scrolls
}

void TestPlaySurface::matchesPlainScrolling_data() {
    QTest::addColumn<QRect>("area");
    QTest::addColumn<int>("seed");
    QTest::newRow("inner area") << QRect(15, 7, 40, 23) << 1;
    QTest::newRow("whole surface") << QRect(0, 0, 64, 48) << 2;
    QTest::newRow("three rows high") << QRect(5, 20, 30, 3) << 3;
    QTest::newRow("one row high") << QRect(5, 20, 30, 1) << 4;
}

void TestPlaySurface::matchesPlainScrolling() {
    QFETCH(QRect, area);
    QFETCH(int, seed);
    QRandomGenerator rng(seed);
    PlaySurface s;
    s.resize(QSize(64, 48), qRgb(1, 2, 3));
    s.paint([](QPainter &p) {
        for (int y = 0; y < 48; ++y)
            p.fillRect(QRect(0, y, 64, 1), QColor(y * 5, 255 - y * 5, y));
    });
    s.setScrollArea(area.left(), area.top(), area.right() + 1, area.bottom() + 1);
    Reference ref{s.image(), area};
    for (int step = 0; step < 400; ++step) {
        const int op = rng.bounded(10);
        const auto row = stripRow(step, area.width());
        if (op < 5) {
            s.writeEntryRow(row.data(), area.width());
            ref.writeRow(area.bottom(), row.data(), area.width());
            s.scrollUp();
            ref.scroll(-1);
        } else if (op < 7) {
            const int y = area.top() + rng.bounded(area.height());
            s.writeAreaRow(y, row.data(), area.width() - 3);
            ref.writeRow(y, row.data(), area.width() - 3);
        } else {
            const int dy = rng.bounded(-4, 5);
            s.scrollArea(dy);
            ref.scroll(dy);
        }
        if (step % 37 == 0)
            QCOMPARE(s.image(), ref.img);
    }
    QCOMPARE(s.image(), ref.img);
    for (int y = 0; y < 48; y += 7)
        for (int x = 0; x < 64; x += 5)
            QCOMPARE(s.pixel(x, y), ref.img.pixel(x, y));
}

void TestPlaySurface::reverseScrollGeometry() {
    // The reverse scroll: strip rows y, y + 1 onto (L, T)-(R, T + 2), then the area down by 2,
    // for y = H - 2 down to 0.
    PlaySurface s;
    s.resize(QSize(100, 60), qRgb(0, 0, 0));
    s.setScrollArea(10, 5, 90, 55);
    const int h = 6;
    for (int y = h - 2; y >= 0; y -= 2) {
        const auto a = stripRow(y, 80);
        const auto b = stripRow(y + 1, 80);
        s.writeTopRows(a.data(), b.data(), 80);
        s.scrollArea(2);
    }
    // The strip stands upright from T + 2; the top two rows keep rows 0 and 1.
    for (int i = 0; i < h; ++i)
        QCOMPARE(s.pixel(40, 7 + i), stripRow(i, 80)[30]);
    QCOMPARE(s.pixel(40, 5), stripRow(0, 80)[30]);
    QCOMPARE(s.pixel(40, 6), stripRow(1, 80)[30]);
    QCOMPARE(s.pixel(40, 7 + h), qRgb(0, 0, 0));
    QCOMPARE(s.pixel(9, 7), qRgb(0, 0, 0));
    QCOMPARE(s.pixel(90, 7), qRgb(0, 0, 0));
}

void TestPlaySurface::paintingKeepsRingAndOutside() {
    PlaySurface s;
    s.resize(QSize(50, 40), qRgb(0, 0, 0));
    s.setScrollArea(10, 0, 50, 40);
    const auto row = stripRow(3, 40);
    s.writeEntryRow(row.data(), 40);
    for (int i = 0; i < 7; ++i)
        s.scrollUp(); // the ring offset is no longer 0
    s.paint([](QPainter &p) { p.fillRect(QRect(0, 0, 12, 5), Qt::white); });
    QCOMPARE(s.pixel(11, 4), qRgb(255, 255, 255)); // inside the area
    QCOMPARE(s.pixel(0, 0), qRgb(255, 255, 255));  // outside it
    QCOMPARE(s.pixel(20, 39 - 7), row[10]);
    QCOMPARE(s.pixel(20, 39), row[10]);
    // Scrolling after a paint moves the painted pixels with the rest.
    s.scrollUp();
    QCOMPARE(s.pixel(11, 3), qRgb(255, 255, 255));
    QCOMPARE(s.pixel(9, 4), qRgb(255, 255, 255)); // outside: stays
    s.erase(qRgb(7, 7, 7));
    QCOMPARE(s.pixel(20, 39), qRgb(7, 7, 7));
    QCOMPARE(s.pixel(0, 0), qRgb(7, 7, 7));
}

void TestPlaySurface::paintOntoMatchesImage_data() {
    QTest::addColumn<QRect>("region");
    QTest::newRow("everything") << QRect(0, 0, 80, 60);
    QTest::newRow("inside the area, across the wrap") << QRect(20, 10, 30, 40);
    QTest::newRow("straddling the left edge") << QRect(0, 30, 25, 5);
    QTest::newRow("beyond the surface") << QRect(60, 50, 100, 100);
}

void TestPlaySurface::paintOntoMatchesImage() {
    QFETCH(QRect, region);
    PlaySurface s;
    s.resize(QSize(80, 60), qRgb(0, 0, 0));
    s.paint([](QPainter &p) {
        for (int y = 0; y < 60; ++y)
            p.fillRect(QRect(0, y, 80, 1), QColor(y * 4, 0, 255 - y * 4));
    });
    s.setScrollArea(15, 5, 75, 55);
    for (int i = 0; i < 17; ++i) {
        const auto row = stripRow(i, 60);
        s.writeEntryRow(row.data(), 60);
        s.scrollUp();
    }
    QImage target(80, 60, QImage::Format_RGB32);
    target.fill(qRgb(1, 1, 1));
    {
        QPainter p(&target);
        s.paintOnto(p, region);
    }
    const QImage expected = s.image();
    const QRect painted = region.intersected(QRect(0, 0, 80, 60));
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x) {
            const QRgb want = painted.contains(x, y) ? expected.pixel(x, y) : qRgb(1, 1, 1);
            if (target.pixel(x, y) != want)
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
        }
}

void TestPlaySurface::areaIsClipped() {
    PlaySurface s;
    s.resize(QSize(40, 30), qRgb(0, 0, 0));
    s.setScrollArea(30, 20, 60, 50);
    QCOMPARE(s.scrollArea(), QRect(30, 20, 10, 10));
    const auto row = stripRow(1, 30);
    s.writeEntryRow(row.data(), 30); // only 10 pixels fit
    s.scrollUp();
    QCOMPARE(s.pixel(39, 28), row[9]);
    QCOMPARE(s.pixel(29, 28), qRgb(0, 0, 0));
    // Empty and reversed areas make every row operation harmless.
    s.setScrollArea(20, 20, 10, 25);
    QVERIFY(s.scrollArea().isEmpty());
    s.writeEntryRow(row.data(), 30);
    s.scrollUp();
    s.scrollArea(2);
    QCOMPARE(s.pixel(39, 28), row[9]);
    s.writeAreaRow(5, nullptr, 10);
}

void TestPlaySurface::markerPixels() {
    PlaySurface s;
    s.resize(QSize(60, 100), qRgb(0, 0, 0));
    s.setScrollArea(15, 0, 60, 100);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb red = qRgb(255, 0, 0);
    s.drawCtrMarker(50, white, red);
    QCOMPARE(s.pixel(0, 40), white); // the upright edge at x = 0
    QCOMPARE(s.pixel(1, 45), white);
    QCOMPARE(s.pixel(9, 40), white); // the tip at (10, 40)
    QCOMPARE(s.pixel(0, 30), white); // the top corner
    QCOMPARE(s.pixel(14, 40), qRgb(0, 0, 0));
    QCOMPARE(s.pixel(0, 25), qRgb(0, 0, 0));
    QCOMPARE(s.pixel(0, 55), qRgb(0, 0, 0));
    // The inside is the pen or the fill; the fill stays inside the triangle.
    int filled = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 60; ++x) {
            const QRgb p = s.pixel(x, y);
            if (p == red) {
                ++filled;
                QVERIFY(x < 10 && y > 30 && y < 50);
            }
        }
    QVERIFY(filled > 0);
    // Drawn again in the background colour, it is gone.
    s.drawCtrMarker(50, qRgb(0, 0, 0), qRgb(0, 0, 0));
    QCOMPARE(s.image().copy(0, 0, 15, 100), QImage(s.image().copy(20, 0, 15, 100)));
}

void TestPlaySurface::markerInsideScrollArea() {
    // A marker drawn over a scrolled ring lands in the ring and scrolls with it.
    PlaySurface s;
    s.resize(QSize(30, 60), qRgb(0, 0, 0));
    s.setScrollArea(0, 0, 30, 60);
    for (int i = 0; i < 13; ++i)
        s.scrollUp();
    s.drawCtrMarker(40, qRgb(0, 255, 0), qRgb(0, 0, 0));
    QCOMPARE(s.pixel(0, 30), qRgb(0, 255, 0));
    s.scrollUp();
    QCOMPARE(s.pixel(0, 29), qRgb(0, 255, 0));
}

void TestPlaySurface::floodFillStopsAtBorder() {
    QImage img(20, 20, QImage::Format_RGB32);
    img.fill(qRgb(0, 0, 0));
    {
        QPainter p(&img);
        p.setPen(Qt::white);
        p.drawRect(QRect(2, 2, 10, 10)); // outline 2..12
    }
    const QRgb blue = qRgb(0, 0, 255);
    QCOMPARE(floodFillToBorder(img, QPoint(5, 5), qRgb(255, 255, 255), blue), 9 * 9);
    QCOMPARE(img.pixel(3, 3), blue);
    QCOMPARE(img.pixel(11, 11), blue);
    QCOMPARE(img.pixel(13, 13), qRgb(0, 0, 0));
    // Inside pixels already of the fill colour do not stop it.
    img.fill(qRgb(0, 0, 0));
    img.setPixel(5, 0, blue);
    QCOMPARE(floodFillToBorder(img, QPoint(0, 0), qRgb(255, 255, 255), blue), 400);
    // Seeds on the border or outside fill nothing.
    QCOMPARE(floodFillToBorder(img, QPoint(0, 0), blue, qRgb(1, 1, 1)), 0);
    QCOMPARE(floodFillToBorder(img, QPoint(-1, 3), qRgb(255, 255, 255), blue), 0);
}

void TestPlaySurface::pacer() {
    const qint64 ms = 1000000;
    PresentPacer pacer; // 60 Hz
    QCOMPARE(pacer.intervalNs(), qint64(16666667));
    QVERIFY(pacer.due(0));                  // the first row
    QVERIFY(!pacer.due(10 * ms));           // too soon
    QCOMPARE(pacer.msUntilDue(10 * ms), 7); // 6.67 ms left, rounded up
    QVERIFY(!pacer.due(16 * ms));
    QVERIFY(pacer.due(17 * ms)); // a refresh interval later
    QCOMPARE(pacer.msUntilDue(17 * ms), 17);
    QVERIFY(!pacer.due(33 * ms));
    QVERIFY(pacer.due(34 * ms));
    QCOMPARE(pacer.msUntilDue(60 * ms), 0);
    pacer.reset();
    QVERIFY(pacer.due(35 * ms)); // after a reset, at once
    // Rows every millisecond for a second: about 60 presents, never two within 16 ms.
    PresentPacer p120(120);
    int presents = 0;
    qint64 last = -100 * ms;
    for (qint64 t = 0; t < 1000 * ms; t += ms / 4)
        if (p120.due(t)) {
            QVERIFY(t - last >= p120.intervalNs());
            last = t;
            ++presents;
        }
    QVERIFY(presents >= 110 && presents <= 121);
    p120.setRefreshHz(0);
    QCOMPARE(p120.intervalNs(), qint64(16666667));
    p120.reset();
    QVERIFY(p120.due(last + 1));
}

QTEST_MAIN(TestPlaySurface)
#include "tst_playsurface.moc"
