#include "play/FadeFrame.h"

#include "platform/Bitmap.h"

#include <algorithm>

namespace {

template <int Bytes>
void fadeRows(const platform::Bitmap &source, platform::Bitmap &work, int k, int w, int h) {
    for (int y = 0; y < h; ++y) {
        const uchar *s = source.scanLine(y);
        uchar *d = work.scanLine(y);
        for (int x = 0; x < w; ++x, s += Bytes, d += Bytes) {
            if ((s[0] | s[1] | s[2]) == 0)
                continue;
            d[0] = uchar((s[0] * k) >> 5);
            d[1] = uchar((s[1] * k) >> 5);
            d[2] = uchar((s[2] * k) >> 5);
            if constexpr (Bytes == 4)
                d[3] = 0;
        }
    }
}

} // namespace

bool fadeFrame(const platform::Bitmap &source, platform::Bitmap &work, int k) {
    const int bits = source.bitsPerPixel();
    if ((bits != 24 && bits != 32) || work.bitsPerPixel() != bits)
        return false;
    const int level = std::clamp(k, 0, 32);
    const int w = std::min(source.width(), work.width());
    const int h = std::min(source.height(), work.height());
    if (bits == 24)
        fadeRows<3>(source, work, level, w, h);
    else
        fadeRows<4>(source, work, level, w, h);
    return true;
}
