#include "play/Antialias.h"

#include "platform/Bitmap.h"
#include "play/Dynarray.h"

#include <algorithm>
#include <cstring>
#include <vector>

quint32 rgb2tcolor(quint32 pixel) {
    const quint32 blue = pixel & 0xFF;
    const quint32 green = (pixel >> 8) & 0xFF;
    const quint32 red = (pixel >> 16) & 0xFF;
    return red | (green << 8) | (blue << 16) | 0x2000000u;
}

quint32 rgb2tcolor32(quint32 pixel) {
    return rgb2tcolor(pixel);
}

RGBTriple GetRGBTriple(quint32 colour) {
    RGBTriple t;
    t.rgbtRed = quint8(colour);
    t.rgbtGreen = quint8(colour >> 8);
    t.rgbtBlue = quint8(colour >> 16);
    return t;
}

quint32 GetRGBQuad(quint32 colour) {
    const quint32 red = colour & 0xFF;
    const quint32 green = (colour >> 8) & 0xFF;
    const quint32 blue = (colour >> 16) & 0xFF;
    return (red << 16) | (green << 8) | blue;
}

namespace {

// The filter's result for the channel sums (each Σ weight x channel) of one pixel, as the
// bytes blue, green, red: the sums divided by 6 are packed into one colour value with the
// channels unclamped, and the packed value split again.
inline void packResult(int sumBlue, int sumGreen, int sumRed, uchar *out) {
    const quint32 vR = quint32(sumRed / 6);
    const quint32 vG = quint32(sumGreen / 6);
    const quint32 vB = quint32(sumBlue / 6);
    out[0] = uchar(vB | (vG >> 8) | (vR >> 16));
    out[1] = uchar(vG | (vR >> 8));
    out[2] = uchar(vR);
}

template <int Bytes> bool hasFormat(const platform::Bitmap &strip) {
    return strip.bitsPerPixel() == Bytes * 8 && !strip.isNull();
}

// Rows of the strip copied into the source array: element (x + 1, y + 1) is pixel (x, y)
// as blue + green shl 8 + red shl 16. The array's element layout is the 24-bit row layout,
// so a 3-byte row is one copy; a 4-byte element drops the pixel's fourth byte.
template <int Bytes> void copyIntoArray(const platform::Bitmap &strip, ByteArray2D<Bytes> &array) {
    const qsizetype rowBytes = qsizetype(strip.width()) * Bytes;
    uchar *dst = array.array().data();
    for (int y = 0; y < strip.height(); ++y, dst += rowBytes) {
        std::memcpy(dst, strip.scanLine(y), size_t(rowBytes));
        if constexpr (Bytes == 4)
            for (qsizetype i = 3; i < rowBytes; i += 4)
                dst[i] = 0;
    }
}

// The row path. The channel sums of a row are formed byte lane by byte lane: a neighbour
// dx pixels away is dx x Bytes bytes away in the same row, so each weight adds a shifted
// copy of a whole source row, and lanes that would fall outside the row are the black
// outside of the strip. Only the rows and columns written back are computed.
template <int Bytes> platform::Bitmap &antiRows(platform::Bitmap &strip, const AntiWeights &k) {
    if (!hasFormat<Bytes>(strip))
        return strip;
    const int w = strip.width();
    const int h = strip.height();
    ByteArray2D<Bytes> source(w, h);
    copyIntoArray(strip, source);
    if (h < 3 || w < 2)
        return strip; // nothing lies in the written-back window
    const qsizetype rowBytes = qsizetype(w) * Bytes;
    const uchar *src = source.array().data();
    std::vector<int> sums(static_cast<size_t>(rowBytes));
    for (int y = 2; y < h; ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        for (int dy = -1; dy <= 1; ++dy) {
            if (y + dy >= h)
                continue;
            const uchar *row = src + qsizetype(y + dy) * rowBytes;
            for (int dx = -1; dx <= 1; ++dx) {
                const int weight = k[2 + dx][2 + dy];
                if (weight == 0)
                    continue;
                const qsizetype shift = qsizetype(dx) * Bytes;
                const qsizetype from = std::max<qsizetype>(0, -shift);
                const qsizetype to = std::min(rowBytes, rowBytes - shift);
                int *s = sums.data();
                const uchar *r = row + shift;
                for (qsizetype i = from; i < to; ++i)
                    s[i] += weight * r[i];
            }
        }
        uchar *out = strip.scanLine(y);
        for (int x = 0; x < w - 1; ++x) {
            const int *s = sums.data() + qsizetype(x) * Bytes;
            uchar *o = out + qsizetype(x) * Bytes;
            packResult(s[0], s[1], s[2], o);
            if constexpr (Bytes == 4)
                o[3] = 0;
        }
    }
    return strip;
}

// The 1-based path: every pixel through get and set of the two arrays.
template <int Bytes> platform::Bitmap &antiArrays(platform::Bitmap &strip, const AntiWeights &k) {
    if (!hasFormat<Bytes>(strip))
        return strip;
    const int w = strip.width();
    const int h = strip.height();
    ByteArray2D<Bytes> source(w, h);
    ByteArray2D<Bytes> result(w, h);
    for (int y = 0; y < h; ++y) {
        const uchar *row = strip.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const uchar *p = row + qsizetype(x) * Bytes;
            source.set(x + 1, y + 1, p[0] + (quint32(p[1]) << 8) + (quint32(p[2]) << 16));
        }
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            qint64 sr = 0, sg = 0, sb = 0;
            for (int dx = -1; dx <= 1; ++dx) {
                for (int dy = -1; dy <= 1; ++dy) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    quint32 value = 0;
                    if (nx >= 0 && nx < w && ny >= 0 && ny < h)
                        source.get(nx + 1, ny + 1, value);
                    const quint32 c = rgb2tcolor(value);
                    const qint64 weight = k[2 + dx][2 + dy];
                    sr += weight * (c & 0xFF);
                    sg += weight * (qint64((c >> 8) & 0xFF) << 8);
                    sb += weight * (qint64((c >> 16) & 0xFF) << 16);
                }
            }
            const quint32 vR = quint32(sr / 6);
            const quint32 vG = quint32((sg >> 8) / 6);
            const quint32 vB = quint32((sb >> 16) / 6);
            const quint32 packed = (vB << 16) | 0x2000000u | (vG << 8) | vR;
            if constexpr (Bytes == 3) {
                const RGBTriple t = GetRGBTriple(packed);
                result.set(x + 1, y + 1,
                           t.rgbtBlue | (quint32(t.rgbtGreen) << 8) | (quint32(t.rgbtRed) << 16));
            } else {
                result.set(x + 1, y + 1, GetRGBQuad(packed));
            }
        }
    }
    for (int y = 2; y < h; ++y) {
        uchar *row = strip.scanLine(y);
        for (int x = 0; x < w - 1; ++x) {
            quint32 v = 0;
            result.get(x + 1, y + 1, v);
            uchar *p = row + qsizetype(x) * Bytes;
            for (int b = 0; b < Bytes; ++b)
                p[b] = uchar(v >> (8 * b));
        }
    }
    return strip;
}

} // namespace

platform::Bitmap &Anti(platform::Bitmap &strip, const AntiWeights &kernel) {
    return antiRows<3>(strip, kernel);
}

platform::Bitmap &Anti32(platform::Bitmap &strip, const AntiWeights &kernel) {
    return antiRows<4>(strip, kernel);
}

platform::Bitmap &antiOneBased(platform::Bitmap &strip, const AntiWeights &kernel) {
    return antiArrays<3>(strip, kernel);
}

platform::Bitmap &anti32OneBased(platform::Bitmap &strip, const AntiWeights &kernel) {
    return antiArrays<4>(strip, kernel);
}
