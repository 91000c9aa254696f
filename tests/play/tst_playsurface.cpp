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
    void scroll(int dy) {
        if (std::abs(dy) >= area.height())
            return;
        const QImage before = img.copy(area);
        QPainter p(&img);
        p.setClipRect(area);
        p.drawImage(area.topLeft() + QPoint(0, dy), before,
                    QRect(0, 0, area.width(), area.height()));
    }
};

// A surface with a gradient and the area set, after the given number of entered rows.
void scrolledSurface(PlaySurface &s, QSize size, QRect area, int rows) {
    s.resize(size, qRgb(0, 0, 0));
    s.paint([&](QPainter &p) {
        for (int y = 0; y < size.height(); ++y)
            p.fillRect(QRect(0, y, size.width(), 1), QColor(y * 4 % 256, 0, 255 - y * 4 % 256));
    });
    s.setScrollArea(area.left(), area.top(), area.right() + 1, area.bottom() + 1);
    for (int i = 0; i < rows; ++i) {
        const auto row = stripRow(i, area.width());
        s.writeEntryRow(row.data(), area.width());
        s.scrollUp();
    }
}

} // namespace

class TestPlaySurface : public QObject {
    Q_OBJECT
private slots:
    // Rows entered at the bottom, scrolls either way, rows written in the area, paints and
    // erases in any order: the ring shows what a plain image moved row by row shows.
    void matchesPlainScrolling_data() {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<int>("seed");
        QTest::newRow("inner area") << QRect(15, 7, 40, 23) << 1;
        QTest::newRow("whole surface") << QRect(0, 0, 64, 48) << 2;
        QTest::newRow("three rows high") << QRect(5, 20, 30, 3) << 3;
        QTest::newRow("one row high") << QRect(5, 20, 30, 1) << 4;
    }
    void matchesPlainScrolling() {
        QFETCH(QRect, area);
        QFETCH(int, seed);
        QRandomGenerator rng(seed);
        PlaySurface s;
        scrolledSurface(s, QSize(64, 48), area, 0);
        Reference ref{s.image(), area};
        for (int step = 0; step < 400; ++step) {
            const int op = rng.bounded(20);
            const auto row = stripRow(step, area.width());
            if (op < 10) {
                s.writeEntryRow(row.data(), area.width());
                ref.writeRow(area.bottom(), row.data(), area.width());
                s.scrollUp();
                ref.scroll(-1);
            } else if (op < 14) {
                const int y = area.top() + rng.bounded(area.height());
                s.writeAreaRow(y, row.data(), area.width() - 3);
                ref.writeRow(y, row.data(), area.width() - 3);
            } else if (op < 18) {
                const int dy = rng.bounded(-4, 5);
                s.scrollArea(dy);
                ref.scroll(dy);
            } else if (op < 19) {
                const QRect r(rng.bounded(64), rng.bounded(48), rng.bounded(1, 30),
                              rng.bounded(1, 20));
                const QColor c(row[0]);
                s.paint([&](QPainter &p) { p.fillRect(r, c); });
                QPainter(&ref.img).fillRect(r, c);
            } else if (step % 5 == 0) {
                s.erase(row[1]);
                ref.img.fill(row[1]);
            }
            if (step % 37 == 0)
                QCOMPARE(s.image(), ref.img);
        }
        QCOMPARE(s.image(), ref.img);
        for (int y = 0; y < 48; y += 7)
            for (int x = 0; x < 64; x += 5)
                QCOMPARE(s.pixel(x, y), ref.img.pixel(x, y));
        QVERIFY(s.dirtyRect().contains(area));
    }

    // The reverse scroll: strip rows y, y + 1 onto (L, T)-(R, T + 2), then the area down by
    // 2, for y = H - 2 down to 0.
    void reverseScrollGeometry() {
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

    void paintOntoMatchesImage_data() {
        QTest::addColumn<QRect>("region");
        QTest::newRow("everything") << QRect(0, 0, 80, 60);
        QTest::newRow("inside the area, across the wrap") << QRect(20, 10, 30, 40);
        QTest::newRow("straddling the left edge") << QRect(0, 30, 25, 5);
        QTest::newRow("beyond the surface") << QRect(60, 50, 100, 100);
    }
    void paintOntoMatchesImage() {
        QFETCH(QRect, region);
        PlaySurface s;
        scrolledSurface(s, QSize(80, 60), QRect(15, 5, 60, 50), 17);
        QImage target(80, 60, QImage::Format_RGB32);
        target.fill(qRgb(1, 1, 1));
        QImage expected = target;
        {
            QPainter p(&target);
            s.paintOnto(p, region);
        }
        const QRect painted = region.intersected(expected.rect());
        QPainter(&expected).drawImage(painted.topLeft(), s.image(), painted);
        QCOMPARE(target, expected);
    }

    // A picture put on the surface (a fade frame) lands the same whether it lies in the
    // scrolled ring, outside it or off the surface's edges.
    void putImage_data() {
        QTest::addColumn<QPoint>("at");
        QTest::newRow("across the area's edge") << QPoint(5, 40);
        QTest::newRow("inside the area, across the wrap") << QPoint(20, 10);
        QTest::newRow("off the left and bottom") << QPoint(-10, 50);
    }
    void putImage() {
        QFETCH(QPoint, at);
        PlaySurface s;
        scrolledSurface(s, QSize(80, 60), QRect(15, 5, 60, 50), 17);
        QImage picture(40, 20, QImage::Format_RGB32);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x)
                picture.setPixel(x, y, qRgb(x * 6, y * 12, 77));
        QImage expected = s.image();
        QPainter(&expected).drawImage(at, picture);
        s.clearDirty();
        s.putImage(at, picture);
        QCOMPARE(s.image(), expected);
        QCOMPARE(s.dirtyRect(), QRect(at, picture.size()).intersected(QRect(0, 0, 80, 60)));
    }

    void areaIsClipped() {
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

    // The centre marker: a triangle at the left edge, its tip at (10, y - 10), filled inside
    // its outline; over a scrolled ring it lands in the ring and scrolls with it.
    void marker() {
        PlaySurface s;
        s.resize(QSize(60, 100), qRgb(0, 0, 0));
        s.setScrollArea(0, 0, 60, 100);
        for (int i = 0; i < 13; ++i)
            s.scrollUp();
        const QRgb white = qRgb(255, 255, 255), red = qRgb(255, 0, 0);
        s.drawCenterMarker(50, white, red);
        QCOMPARE(s.pixel(0, 40), white); // the upright edge at x = 0
        QCOMPARE(s.pixel(1, 45), white);
        QCOMPARE(s.pixel(9, 40), white); // the tip at (10, 40)
        QCOMPARE(s.pixel(0, 30), white); // the top corner
        QCOMPARE(s.pixel(14, 40), qRgb(0, 0, 0));
        QCOMPARE(s.pixel(0, 25), qRgb(0, 0, 0));
        QCOMPARE(s.pixel(0, 55), qRgb(0, 0, 0));
        QRect fill;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 60; ++x)
                if (s.pixel(x, y) == red)
                    fill |= QRect(x, y, 1, 1);
        QVERIFY(!fill.isEmpty());
        QVERIFY(QRect(0, 31, 10, 19).contains(fill));
        // Drawn again in the background colour, it is gone.
        s.drawCenterMarker(50, qRgb(0, 0, 0), qRgb(0, 0, 0));
        QCOMPARE(s.image().copy(0, 0, 15, 100), QImage(s.image().copy(20, 0, 15, 100)));
        s.drawCenterMarker(50, white, red);
        s.scrollUp();
        QCOMPARE(s.pixel(0, 39), white);
    }

    void floodFillStopsAtBorder() {
        QImage img(20, 20, QImage::Format_RGB32);
        img.fill(qRgb(0, 0, 0));
        QPainter p(&img);
        p.setPen(Qt::white);
        p.drawRect(QRect(2, 2, 10, 10)); // outline 2..12
        p.end();
        const QRgb blue = qRgb(0, 0, 255), white = qRgb(255, 255, 255);
        QCOMPARE(floodFillToBorder(img, QPoint(5, 5), white, blue), 9 * 9);
        QCOMPARE(img.pixel(3, 3), blue);
        QCOMPARE(img.pixel(11, 11), blue);
        QCOMPARE(img.pixel(13, 13), qRgb(0, 0, 0));
        // Inside pixels already of the fill colour do not stop it.
        img.fill(qRgb(0, 0, 0));
        img.setPixel(5, 0, blue);
        QCOMPARE(floodFillToBorder(img, QPoint(0, 0), white, blue), 400);
        // Seeds on the border or outside fill nothing.
        QCOMPARE(floodFillToBorder(img, QPoint(0, 0), blue, qRgb(1, 1, 1)), 0);
        QCOMPARE(floodFillToBorder(img, QPoint(-1, 3), white, blue), 0);
    }

    void pacer() {
        const qint64 ms = 1000000;
        PresentPacer pacer; // 60 Hz
        QCOMPARE(pacer.intervalNs(), qint64(16666667));
        QVERIFY(pacer.due(0));                  // the first row
        QVERIFY(!pacer.due(10 * ms));           // too soon
        QCOMPARE(pacer.msUntilDue(10 * ms), 7); // 6.67 ms left, rounded up
        QVERIFY(!pacer.due(16 * ms));
        QVERIFY(pacer.due(17 * ms)); // a refresh interval later
        QCOMPARE(pacer.msUntilDue(17 * ms), 17);
        QCOMPARE(pacer.msUntilDue(60 * ms), 0);
        pacer.reset();
        QVERIFY(pacer.due(35 * ms)); // after a reset, at once
        // Rows every quarter millisecond for a second at 120 Hz: never two presents within
        // an interval, and about 120 in all.
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
        p120.setRefreshHz(0); // an unknown rate counts as 60 Hz
        QCOMPARE(p120.intervalNs(), qint64(16666667));
    }
};

QTEST_MAIN(TestPlaySurface)
#include "tst_playsurface.moc"
