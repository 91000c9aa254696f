#include "play/Mirror.h"

#include "platform/Bitmap.h"

bool mirrorStrip(platform::Bitmap &strip) {
    if (strip.isNull() || strip.bitsPerPixel() != 8)
        return false;
    const int w = strip.width();
    for (int r = 1; r < strip.height(); ++r) {
        const unsigned char *src = strip.scanLine(r);
        unsigned char *dst = strip.scanLine(r - 1);
        if (!src || !dst)
            return false;
        for (int x = w - 1; x >= 0; --x)
            dst[x] = src[w - 1 - x];
    }
    return true;
}
