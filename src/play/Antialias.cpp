#include "play/Antialias.h"

#include "platform/Bitmap.h"
#include "play/PixelArrays.h"

#include <algorithm>
#include <cstring>
#include <vector>

void copyAntialiasKernel(AntialiasKernel &weights) {
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            weights[r][c] = kAntiKernelBytes[r][c];
}

quint32 colorValueOf24(quint32 pixel) {
    const quint32 blue = pixel & 0xFF;
    const quint32 green = (pixel >> 8) & 0xFF;
    const quint32 red = (pixel >> 16) & 0xFF;
    return red | (green << 8) | (blue << 16) | 0x2000000u;
}

quint32 colorValueOf32(quint32 pixel) {
    return colorValueOf24(pixel);
}

RGBTriple rgbTriple(quint32 colour) {
    RGBTriple t;
    t.rgbtRed = quint8(colour);
    t.rgbtGreen = quint8(colour >> 8);
    t.rgbtBlue = quint8(colour >> 16);
    return t;
}

quint32 rgbQuad(quint32 colour) {
    const quint32 red = colour & 0xFF;
    const quint32 green = (colour >> 8) & 0xFF;
    const quint32 blue = (colour >> 16) & 0xFF;
    return (red << 16) | (green << 8) | blue;
}

namespace {

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
        const uchar *row = strip.scanLine(y);
        if constexpr (Bytes == 3) {
            std::memcpy(dst, row, size_t(rowBytes));
        } else {
            for (qsizetype i = 0; i < rowBytes; i += 4) {
                quint32 v;
                std::memcpy(&v, row + i, 4);
                v &= 0x00FFFFFFu;
                std::memcpy(dst + i, &v, 4);
            }
        }
    }
}

// The channel sums of one output row, lane by lane: a neighbour dx pixels away is
// dx x Bytes bytes away in the same row, so every lane adds up nine weighted bytes of the
// rows above, at and below it, and the lanes of the first and last pixel leave out the
// neighbours beyond the row's ends (the black outside of the strip). Sum is 16 bits when
// the weights cannot carry a sum past it, so that more lanes go through at a time.
template <int Bytes, typename Sum>
void rowSums(const uchar *const rows[3], qsizetype n, const int (&wt)[3][3], Sum *s) {
    const auto edgeLane = [&](qsizetype i) {
        int sum = 0;
        for (int dy = 0; dy < 3; ++dy)
            for (int dx = 0; dx < 3; ++dx) {
                const qsizetype j = i + qsizetype(dx - 1) * Bytes;
                if (j >= 0 && j < n)
                    sum += wt[dy][dx] * rows[dy][j];
            }
        s[i] = Sum(sum);
    };
    for (qsizetype i = 0; i < Bytes; ++i) {
        edgeLane(i);
        edgeLane(n - Bytes + i);
    }
    const uchar *a = rows[0], *b = rows[1], *c = rows[2];
    const Sum w00 = Sum(wt[0][0]), w01 = Sum(wt[0][1]), w02 = Sum(wt[0][2]);
    const Sum w10 = Sum(wt[1][0]), w11 = Sum(wt[1][1]), w12 = Sum(wt[1][2]);
    const Sum w20 = Sum(wt[2][0]), w21 = Sum(wt[2][1]), w22 = Sum(wt[2][2]);
    for (qsizetype i = Bytes; i < n - Bytes; ++i)
        s[i] = Sum(w00 * a[i - Bytes] + w01 * a[i] + w02 * a[i + Bytes] + w10 * b[i - Bytes] +
                   w11 * b[i] + w12 * b[i + Bytes] + w20 * c[i - Bytes] + w21 * c[i] +
                   w22 * c[i + Bytes]);
}

// The row path: the rows of the strip in one pixel array, then for each row written back
// its lane sums and the packed result.
//
// Packing, lane by lane: each sum divided by 6 is a channel value v; the colour value they
// pack into is v(red) or v(green) shl 8 or v(blue) shl 16, unclamped, so a value's bits
// above its byte spill into the next channel up. Split into blue, green, red bytes again:
// blue = v(blue) | v(green) shr 8 | v(red) shr 16, green = v(green) | v(red) shr 8,
// red = v(red); the lanes of a pixel run blue, green, red, so the spill into lane i comes
// from lanes i + 1 and i + 2 of the same pixel. Masks keep it there, and the fourth byte
// of a 32-bit pixel is 0.
template <int Bytes, typename Sum>
void antiRowsWith(platform::Bitmap &strip, const uchar *src, const int (&wt)[3][3]) {
    const int w = strip.width();
    const int h = strip.height();
    const qsizetype rowBytes = qsizetype(w) * Bytes;
    const qsizetype outBytes = qsizetype(w - 1) * Bytes; // the last column is not written
    const std::vector<uchar> black(static_cast<size_t>(rowBytes), 0);
    std::vector<Sum> v(static_cast<size_t>(rowBytes) + 2, 0); // two lanes read past the end
    std::vector<uchar> spill1(static_cast<size_t>(rowBytes));
    std::vector<uchar> spill2(static_cast<size_t>(rowBytes));
    std::vector<uchar> keep(static_cast<size_t>(rowBytes));
    for (qsizetype i = 0; i < rowBytes; ++i) {
        const qsizetype lane = i % Bytes;
        spill1[i] = lane < 2 ? 0xFF : 0;
        spill2[i] = lane == 0 ? 0xFF : 0;
        keep[i] = lane < 3 ? 0xFF : 0;
    }
    for (int y = 2; y < h; ++y) {
        const uchar *const rows[3] = {src + qsizetype(y - 1) * rowBytes,
                                      src + qsizetype(y) * rowBytes,
                                      y + 1 < h ? src + qsizetype(y + 1) * rowBytes : black.data()};
        rowSums<Bytes>(rows, rowBytes, wt, v.data());
        for (qsizetype i = 0; i < rowBytes; ++i)
            v[i] = Sum(v[i] / 6);
        uchar *out = strip.scanLine(y);
        for (qsizetype i = 0; i < outBytes; ++i)
            out[i] = uchar((v[i] | ((v[i + 1] >> 8) & spill1[i]) | ((v[i + 2] >> 16) & spill2[i])) &
                           keep[i]);
    }
}

template <int Bytes> platform::Bitmap &antiRows(platform::Bitmap &strip, const AntialiasKernel &k) {
    if (!hasFormat<Bytes>(strip))
        return strip;
    ByteArray2D<Bytes> source(strip.width(), strip.height());
    copyIntoArray(strip, source);
    if (strip.height() < 3 || strip.width() < 2)
        return strip; // nothing lies in the written-back window
    // The weights by row and column of the neighbourhood: wt[dy + 1][dx + 1].
    int wt[3][3];
    int total = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            total += wt[dy + 1][dx + 1] = k[2 + dx][2 + dy];
    if (total * 255 <= 0xFFFF)
        antiRowsWith<Bytes, quint16>(strip, source.array().data(), wt);
    else
        antiRowsWith<Bytes, int>(strip, source.array().data(), wt);
    return strip;
}

// The 1-based path: every pixel through get and set of the two arrays.
template <int Bytes>
platform::Bitmap &antiArrays(platform::Bitmap &strip, const AntialiasKernel &k) {
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
                    const quint32 c = colorValueOf24(value);
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
                const RGBTriple t = rgbTriple(packed);
                result.set(x + 1, y + 1,
                           t.rgbtBlue | (quint32(t.rgbtGreen) << 8) | (quint32(t.rgbtRed) << 16));
            } else {
                result.set(x + 1, y + 1, rgbQuad(packed));
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

platform::Bitmap &antialias(platform::Bitmap &strip, const AntialiasKernel &kernel) {
    return antiRows<3>(strip, kernel);
}

platform::Bitmap &antialias32(platform::Bitmap &strip, const AntialiasKernel &kernel) {
    return antiRows<4>(strip, kernel);
}

platform::Bitmap &antiOneBased(platform::Bitmap &strip, const AntialiasKernel &kernel) {
    return antiArrays<3>(strip, kernel);
}

platform::Bitmap &anti32OneBased(platform::Bitmap &strip, const AntialiasKernel &kernel) {
    return antiArrays<4>(strip, kernel);
}
