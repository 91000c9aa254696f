#include "preroll/ColorBars.h"

#include <QPainter>

#include <utility>

namespace {

// A rectangle (x1, y1)-(x2, y2), right and bottom exclusive, filled and outlined.
void rectangle(QPainter &p, int x1, int y1, int x2, int y2) {
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    if (x2 == x1 || y2 == y1)
        return;
    // An outlined QRect of width w covers w + 1 pixels with a 1-pixel pen.
    p.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

} // namespace

void drawColorBars(QPainter &p, int width, int height, const QColor &pen) {
    if (width <= 0 || height <= 0)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(pen, 0));
    p.setBrushOrigin(0, 0);

    const int b = width / 8;
    const int h = height / 10;

    static const QColor bars[7] = {QColor(255, 255, 255), QColor(255, 255, 0), QColor(0, 255, 255),
                                   QColor(0, 255, 0),     QColor(255, 0, 255), QColor(0, 0, 255),
                                   QColor(255, 0, 0)};
    for (int i = 0; i < 7; ++i) {
        p.setBrush(bars[i]);
        rectangle(p, i * b, 0, (i + 1) * b, height);
    }

    static const QColor blocks[7] = {QColor(128, 0, 0),    QColor(0, 128, 0),   QColor(128, 128, 0),
                                     QColor(0, 0, 128),    QColor(128, 0, 128), QColor(0, 128, 128),
                                     QColor(128, 128, 128)};
    for (int i = 0; i < 7; ++i) {
        p.setBrush(blocks[i]);
        rectangle(p, 7 * b, i * h, 8 * b, (i + 1) * h);
    }
    p.setBrush(QColor(192, 192, 192));
    rectangle(p, 7 * b, 7 * h, 8 * b, height);
    // The silver block again, hatched: black lines both ways, the gaps showing the silver.
    p.setBackgroundMode(Qt::TransparentMode);
    p.setBrush(QBrush(Qt::black, Qt::CrossPattern));
    rectangle(p, 7 * b, 7 * h, 8 * b, height);

    p.setBrush(Qt::black);
    rectangle(p, 0, height - 32, width, height);

    const int step = width / 16;
    for (int i = 0; i <= width / 8; ++i) {
        const int g = (3 * i) % 256;
        p.setBrush(QColor(g, g, g));
        rectangle(p, 16 * i, height - 32, i * step, height);
    }
    p.restore();
}
