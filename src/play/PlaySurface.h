#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>
#include <QSize>

#include <functional>

class QPainter;

// The play window's picture, held in memory in 32 bits (0xFFRRGGBB) and the size of the
// window. The scroll area (L, T)-(R, B) (right and bottom exclusive) is kept as a ring of
// rows: scrolling it moves an offset, so a one-pixel step costs work proportional to the
// width, not the area. Everything outside the scroll area is stored as it is.
//
// Painting on the whole surface (colour bars, count-down, the centre marker) goes through a
// straight picture and back into the ring; it costs the area but happens rarely.
//
// The surface remembers the rectangle changed since the last clearDirty(), for the window
// to repaint.
class PlaySurface {
public:
    PlaySurface() = default;

    // New size, every pixel set to fill; the scroll area is clipped to the new size.
    void resize(QSize size, QRgb fill);
    QSize size() const { return m_base.size(); }
    // Fills the whole surface (the background erase).
    void erase(QRgb colour);

    // Sets the scroll area (L, T)-(R, B), clipped to the surface; the picture is kept.
    void setScrollArea(int left, int top, int right, int bottom);
    QRect scrollArea() const { return m_area; }

    // Writes count pixels onto the entry row y = B - 1 from x = L (at most R - L pixels).
    void writeEntryRow(const QRgb *pixels, int count);
    // Writes count pixels onto row y (T <= y < B) of the scroll area from x = L.
    void writeAreaRow(int y, const QRgb *pixels, int count);
    // The reverse scroll's entry: two rows onto (L, T)-(R, T + 2).
    void writeTopRows(const QRgb *first, const QRgb *second, int count);
    // Scrolls the scroll area by dy rows (negative: up), clipped to it. The uncovered rows
    // are neither cleared nor invalidated: they keep what they showed before.
    void scrollArea(int dy);
    void scrollUp() { scrollArea(-1); }

    // Puts a 32-bit picture onto the surface with its top-left corner at `at`, clipped to the
    // surface (inside the scroll area or not); the rest of the surface stays as it is.
    void putImage(QPoint at, const QImage &picture);
    // Draws on the whole surface with a QPainter (antialiasing off).
    void paint(const std::function<void(QPainter &)> &draw);
    // The centre marker with its lower corner at height y: a triangle pointing right, pen
    // width 6, lines (0, y) -> (10, y - 10) -> (0, y - 20) -> (0, y), then a flood fill in
    // fill (the canvas brush) from (5, y - 10) up to the border colour.
    void drawCenterMarker(int y, QRgb colour, QRgb fill);

    // One pixel (0 outside the surface), and the whole picture as a straight image.
    QRgb pixel(int x, int y) const;
    QImage image() const;
    // Copies the picture inside rect into dst (a 32-bit image of the surface's size) at the
    // same place.
    void copyTo(QImage &dst, const QRect &rect) const;

    // Paints the part of the surface inside area onto the painter at the same coordinates:
    // the outside of the scroll area as it is, the scroll area in at most two blits.
    void paintOnto(QPainter &painter, const QRect &area) const;

    QRect dirtyRect() const { return m_dirty; }
    void clearDirty() { m_dirty = QRect(); }

private:
    // Physical ring row of logical area row r (0 = top of the area).
    int ringRow(int r) const { return (r + m_offset) % m_area.height(); }
    QRgb *ringLine(int r);
    const QRgb *ringLine(int r) const;
    void flattenRing();
    void loadRing();

    QImage m_base; // the whole picture; inside the scroll area it is stale while m_ring holds it
    QImage m_ring; // the scroll area's rows, logical row r at physical row ringRow(r)
    QRect m_area;
    int m_offset = 0;
    QRect m_dirty;
};
