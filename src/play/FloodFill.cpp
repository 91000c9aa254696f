#include "play/FloodFill.h"

#include <vector>

int floodFillToBorder(QImage &image, QPoint seed, QRgb border, QRgb fill) {
    if (image.depth() != 32 || !image.rect().contains(seed))
        return 0;
    const int w = image.width();
    const int h = image.height();
    const QRgb borderRgb = border & 0x00FFFFFFu;
    auto line = [&](int y) {
        return reinterpret_cast<QRgb *>(image.scanLine(y));
    };
    auto isBorder = [&](const QRgb *row, int x) {
        return (row[x] & 0x00FFFFFFu) == borderRgb;
    };
    if (isBorder(line(seed.y()), seed.x()))
        return 0;

    // Scan-line fill with a visited mask, so pixels that already have the fill colour are
    // crossed like any other inside pixel.
    std::vector<bool> done(static_cast<size_t>(w) * h, false);
    std::vector<QPoint> stack{seed};
    int filled = 0;
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        QRgb *row = line(p.y());
        const size_t base = static_cast<size_t>(p.y()) * w;
        if (done[base + p.x()] || isBorder(row, p.x()))
            continue;
        int left = p.x();
        while (left > 0 && !done[base + left - 1] && !isBorder(row, left - 1))
            --left;
        int right = p.x();
        while (right < w - 1 && !done[base + right + 1] && !isBorder(row, right + 1))
            ++right;
        for (int x = left; x <= right; ++x) {
            row[x] = fill;
            done[base + x] = true;
            ++filled;
        }
        for (int ny : {p.y() - 1, p.y() + 1}) {
            if (ny < 0 || ny >= h)
                continue;
            const QRgb *nrow = line(ny);
            const size_t nbase = static_cast<size_t>(ny) * w;
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool open = !done[nbase + x] && !isBorder(nrow, x);
                if (open && !inRun)
                    stack.emplace_back(x, ny);
                inRun = open;
            }
        }
    }
    return filled;
}
