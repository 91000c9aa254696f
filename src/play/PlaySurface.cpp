#include "play/PlaySurface.h"

#include "play/FloodFill.h"

#include <QPainter>

#include <algorithm>
#include <cstring>
#include <vector>

void PlaySurface::resize(QSize size, QRgb fill) {
    m_base = QImage(size.expandedTo(QSize(0, 0)), QImage::Format_RGB32);
    m_base.fill(fill | 0xFF000000u);
    m_area = m_area.intersected(m_base.rect());
    loadRing();
    m_dirty = m_base.rect();
}

void PlaySurface::erase(QRgb colour) {
    m_base.fill(colour | 0xFF000000u);
    m_ring.fill(colour | 0xFF000000u);
    m_offset = 0;
    m_dirty = m_base.rect();
}

void PlaySurface::setScrollArea(int left, int top, int right, int bottom) {
    flattenRing();
    if (right <= left || bottom <= top)
        m_area = QRect();
    else
        m_area = QRect(left, top, right - left, bottom - top).intersected(m_base.rect());
    loadRing();
}

QRgb *PlaySurface::ringLine(int r) {
    return reinterpret_cast<QRgb *>(m_ring.scanLine(ringRow(r)));
}

const QRgb *PlaySurface::ringLine(int r) const {
    return reinterpret_cast<const QRgb *>(m_ring.constScanLine(ringRow(r)));
}

void PlaySurface::flattenRing() {
    if (m_area.isEmpty() || m_ring.isNull())
        return;
    const size_t bytes = static_cast<size_t>(m_area.width()) * 4;
    for (int r = 0; r < m_area.height(); ++r)
        std::memcpy(m_base.scanLine(m_area.top() + r) + m_area.left() * 4, ringLine(r), bytes);
}

void PlaySurface::loadRing() {
    m_offset = 0;
    m_ring = m_area.isEmpty() ? QImage() : m_base.copy(m_area);
}

void PlaySurface::writeEntryRow(const QRgb *pixels, int count) {
    if (!m_area.isEmpty())
        writeAreaRow(m_area.bottom(), pixels, count);
}

void PlaySurface::writeAreaRow(int y, const QRgb *pixels, int count) {
    const int r = y - m_area.top();
    if (!pixels || m_area.isEmpty() || r < 0 || r >= m_area.height())
        return;
    const int n = std::min(count, m_area.width());
    if (n <= 0)
        return;
    std::memcpy(ringLine(r), pixels, static_cast<size_t>(n) * 4);
    m_dirty |= QRect(m_area.left(), y, n, 1);
}

void PlaySurface::writeTopRows(const QRgb *first, const QRgb *second, int count) {
    writeAreaRow(m_area.top(), first, count);
    writeAreaRow(m_area.top() + 1, second, count);
}

void PlaySurface::scrollArea(int dy) {
    const int h = m_area.height();
    const int n = dy < 0 ? -dy : dy;
    // Moving by the whole height or more uncovers everything, which keeps what it showed.
    if (m_area.isEmpty() || dy == 0 || n >= h)
        return;
    const size_t bytes = static_cast<size_t>(m_area.width()) * 4;
    // The rows the move uncovers must show what they showed before the move.
    std::vector<uchar> kept;
    const int keptFrom = dy < 0 ? h - n : 0;
    const bool direct = 2 * n <= h;
    if (!direct) {
        kept.resize(bytes * n);
        for (int i = 0; i < n; ++i)
            std::memcpy(kept.data() + bytes * i, ringLine(keptFrom + i), bytes);
    }
    m_offset = dy < 0 ? (m_offset + n) % h : (m_offset - n + h) % h;
    for (int i = 0; i < n; ++i) {
        // After the move, the old row keptFrom + i sits n rows further from the edge.
        const void *src =
            direct
                ? static_cast<const void *>(ringLine(dy < 0 ? keptFrom + i - n : keptFrom + i + n))
                : kept.data() + bytes * i;
        std::memcpy(ringLine(keptFrom + i), src, bytes);
    }
    m_dirty |= m_area;
}

void PlaySurface::putImage(QPoint at, const QImage &picture) {
    const QRect target = QRect(at, picture.size()).intersected(m_base.rect());
    if (target.isEmpty() || picture.format() != QImage::Format_RGB32)
        return;
    const int x0 = target.left();
    const int x1 = target.right() + 1;
    for (int y = target.top(); y <= target.bottom(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(picture.constScanLine(y - at.y()));
        const auto from = [&](int x) {
            return row + (x - at.x());
        };
        const auto bytes = [](int a, int b) {
            return static_cast<size_t>(b - a) * 4;
        };
        // The part of the row inside the scroll area lives in the ring, the rest in the base.
        const bool inArea = !m_area.isEmpty() && y >= m_area.top() && y <= m_area.bottom();
        const int a0 = inArea ? std::clamp(m_area.left(), x0, x1) : x1;
        const int a1 = inArea ? std::clamp(m_area.right() + 1, x0, x1) : x1;
        QRgb *base = reinterpret_cast<QRgb *>(m_base.scanLine(y));
        std::memcpy(base + x0, from(x0), bytes(x0, a0));
        std::memcpy(base + a1, from(a1), bytes(a1, x1));
        if (a1 > a0)
            std::memcpy(ringLine(y - m_area.top()) + (a0 - m_area.left()), from(a0), bytes(a0, a1));
    }
    m_dirty |= target;
}

void PlaySurface::paint(const std::function<void(QPainter &)> &draw) {
    if (m_base.isNull())
        return;
    flattenRing();
    {
        QPainter p(&m_base);
        draw(p);
    }
    loadRing();
    m_dirty = m_base.rect();
}

void PlaySurface::drawCenterMarker(int y, QRgb colour, QRgb fill) {
    if (m_base.isNull())
        return;
    flattenRing();
    {
        QPainter p(&m_base);
        p.setPen(QPen(QColor::fromRgb(colour), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        // Geometry on pixel centres, as the screen's own line drawing places it (Qt samples
        // aliased shapes half a pixel off), so the seed of the fill stays outside the pen.
        const QPointF corners[] = {
            {0.5, y + 0.5}, {10.5, y - 9.5}, {0.5, y - 19.5}, {0.5, y + 0.5}};
        p.drawPolyline(corners, 4);
    }
    floodFillToBorder(m_base, QPoint(5, y - 10), colour, fill | 0xFF000000u);
    loadRing();
    m_dirty = m_base.rect();
}

QRgb PlaySurface::pixel(int x, int y) const {
    if (!m_base.rect().contains(x, y))
        return 0;
    if (m_area.contains(x, y))
        return ringLine(y - m_area.top())[x - m_area.left()];
    return m_base.pixel(x, y);
}

QImage PlaySurface::image() const {
    QImage out = m_base.copy();
    if (!m_area.isEmpty() && !m_ring.isNull()) {
        const size_t bytes = static_cast<size_t>(m_area.width()) * 4;
        for (int r = 0; r < m_area.height(); ++r)
            std::memcpy(out.scanLine(m_area.top() + r) + m_area.left() * 4, ringLine(r), bytes);
    }
    return out;
}

void PlaySurface::copyTo(QImage &dst, const QRect &rect) const {
    const QRect clip = rect.intersected(m_base.rect()).intersected(dst.rect());
    if (clip.isEmpty())
        return;
    const size_t bytes = static_cast<size_t>(clip.width()) * 4;
    for (int y = clip.top(); y <= clip.bottom(); ++y) {
        uchar *out = dst.scanLine(y) + clip.left() * 4;
        if (m_ring.isNull() || y < m_area.top() || y > m_area.bottom()) {
            std::memcpy(out, m_base.constScanLine(y) + clip.left() * 4, bytes);
            continue;
        }
        // A row through the scroll area: the area's part from the ring, the rest as it is.
        const QRgb *ring = ringLine(y - m_area.top());
        for (int x = clip.left(); x <= clip.right();) {
            const bool inside = x >= m_area.left() && x <= m_area.right();
            const int end = inside ? std::min(clip.right(), m_area.right())
                                   : (x < m_area.left() ? std::min(clip.right(), m_area.left() - 1)
                                                        : clip.right());
            const size_t n = static_cast<size_t>(end - x + 1) * 4;
            const void *src = inside ? static_cast<const void *>(ring + (x - m_area.left()))
                                     : static_cast<const void *>(m_base.constScanLine(y) + x * 4);
            std::memcpy(out + (x - clip.left()) * 4, src, n);
            x = end + 1;
        }
    }
}

void PlaySurface::paintOnto(QPainter &painter, const QRect &area) const {
    const QRect clip = area.intersected(m_base.rect());
    if (clip.isEmpty())
        return;
    auto blitBase = [&](const QRect &r) {
        const QRect part = r.intersected(clip);
        if (!part.isEmpty())
            painter.drawImage(part.topLeft(), m_base, part);
    };
    if (m_area.isEmpty() || m_ring.isNull()) {
        blitBase(clip);
        return;
    }
    // Outside the scroll area: the bands above, below, left and right of it.
    const QRect all = m_base.rect();
    blitBase(QRect(0, 0, all.width(), m_area.top()));
    blitBase(QRect(0, m_area.bottom() + 1, all.width(), all.height() - m_area.bottom() - 1));
    blitBase(QRect(0, m_area.top(), m_area.left(), m_area.height()));
    blitBase(
        QRect(m_area.right() + 1, m_area.top(), all.width() - m_area.right() - 1, m_area.height()));
    // The scroll area: logical rows r0..r1, split where the ring wraps.
    const QRect inside = m_area.intersected(clip);
    if (inside.isEmpty())
        return;
    const int h = m_area.height();
    const int r0 = inside.top() - m_area.top();
    const int r1 = inside.bottom() - m_area.top();
    const int wrapAt = h - m_offset; // first logical row stored at physical row 0
    const int x0 = inside.left() - m_area.left();
    if (r0 < wrapAt) {
        const int last = std::min(r1, wrapAt - 1);
        painter.drawImage(QPoint(inside.left(), m_area.top() + r0), m_ring,
                          QRect(x0, r0 + m_offset, inside.width(), last - r0 + 1));
    }
    if (r1 >= wrapAt) {
        const int first = std::max(r0, wrapAt);
        painter.drawImage(QPoint(inside.left(), m_area.top() + first), m_ring,
                          QRect(x0, first - wrapAt, inside.width(), r1 - first + 1));
    }
}
