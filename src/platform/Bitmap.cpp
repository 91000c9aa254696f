#include "platform/Bitmap.h"

#include "platform/Screen.h"

#include <QPainter>

#include <algorithm>
#include <climits>
#include <cstring>

namespace platform {
namespace {

// Bits a pixel takes in memory: the 15-bit format keeps each pixel in a 16-bit word.
int storedBits(int bits) {
    return bits == 15 ? 16 : bits;
}

int rowBytes(int width, int bits) {
    return static_cast<int>((static_cast<qint64>(width) * storedBits(bits) + 31) / 32 * 4);
}

// Largest pixel memory a bitmap may take; a larger size leaves the bitmap null.
constexpr qint64 kMaxBytes = qint64(512) * 1024 * 1024;

PixelFormat resolve(PixelFormat f) {
    return f == PixelFormat::Device ? Bitmap::deviceFormat(Screen::depth()) : f;
}

inline QRgb opaque(QRgb c) {
    return c | 0xFF000000u;
}

// 5-bit and 6-bit channel values widened to 8 bits (the top bits repeated below).
inline int widen5(int v) {
    return (v << 3) | (v >> 2);
}
inline int widen6(int v) {
    return (v << 2) | (v >> 4);
}

int colourDistance(QRgb a, QRgb b) {
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

int nearestInPalette(const QVector<QRgb> &palette, QRgb colour) {
    int best = INT_MAX;
    int index = 0;
    for (int i = 0; i < palette.size(); ++i) {
        const int d = colourDistance(palette[i], colour);
        if (d < best) {
            best = d;
            index = i;
            if (d == 0)
                break;
        }
    }
    return index;
}

constexpr int kNearestSlots = 4096;

} // namespace

Bitmap::Bitmap(int width, int height, PixelFormat format) : m_format(format) {
    m_bits = bitsOf(resolve(format));
    resetPalette();
    allocate(width, height, m_bits);
}

PixelFormat Bitmap::deviceFormat(int screenDepth) {
    switch (screenDepth) {
    case 1:
        return PixelFormat::Bits1;
    case 4:
        return PixelFormat::Bits4;
    case 8:
        return PixelFormat::Bits8;
    case 15:
        return PixelFormat::Bits15;
    case 16:
        return PixelFormat::Bits16;
    default:
        return PixelFormat::Bits32;
    }
}

int Bitmap::bitsOf(PixelFormat f) {
    switch (f) {
    case PixelFormat::Bits1:
        return 1;
    case PixelFormat::Bits4:
        return 4;
    case PixelFormat::Bits8:
        return 8;
    case PixelFormat::Bits15:
        return 15;
    case PixelFormat::Bits16:
        return 16;
    case PixelFormat::Bits24:
        return 24;
    case PixelFormat::Bits32:
    case PixelFormat::Device:
        break;
    }
    return 32;
}

QVector<QRgb> Bitmap::defaultPalette(int bits) {
    static const QRgb standard[16] = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    QVector<QRgb> p;
    if (bits == 1)
        return {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    if (bits != 4 && bits != 8)
        return p;
    p = QVector<QRgb>(std::begin(standard), std::end(standard));
    if (bits == 4)
        return p;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                p.append(qRgb(r * 51, g * 51, b * 51));
    for (int k = 0; k < 24; ++k) {
        const int v = (k + 1) * 255 / 25;
        p.append(qRgb(v, v, v));
    }
    return p;
}

QVector<QRgb> Bitmap::rampPalette(QRgb from, QRgb to, int n) {
    n = std::max(n, 2);
    QVector<QRgb> p;
    p.reserve(n);
    for (int i = 0; i < n; ++i) {
        auto mix = [&](int a, int b) {
            return a + ((b - a) * i + (n - 1) / 2) / (n - 1);
        };
        p.append(qRgb(mix(qRed(from), qRed(to)), mix(qGreen(from), qGreen(to)),
                      mix(qBlue(from), qBlue(to))));
    }
    return p;
}

void Bitmap::resetPalette() {
    m_palette = defaultPalette(m_bits);
    m_nearestKey.clear();
}

int Bitmap::nearestIndex(QRgb colour) const {
    colour = opaque(colour);
    if (m_nearestKey.empty()) {
        m_nearestKey.assign(kNearestSlots, 0);
        m_nearestIndex.assign(kNearestSlots, 0);
    }
    const size_t slot = ((colour * 2654435761u) >> 20) & (kNearestSlots - 1);
    if (m_nearestKey[slot] != colour) {
        m_nearestKey[slot] = colour;
        m_nearestIndex[slot] = static_cast<uchar>(nearestInPalette(m_palette, colour));
    }
    return m_nearestIndex[slot];
}

void Bitmap::allocate(int width, int height, int bits) {
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    if (static_cast<qint64>(m_width) * m_height * storedBits(bits) / 8 > kMaxBytes)
        m_width = m_height = 0;
    m_bits = bits;
    m_bytesPerLine = rowBytes(m_width, bits);
    m_data.assign(static_cast<size_t>(m_bytesPerLine) * m_height, 0);
}

void Bitmap::setSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == m_width && height == m_height)
        return;
    const std::vector<uchar> old = std::move(m_data);
    const int oldBpl = m_bytesPerLine;
    const int oldHeight = m_height;
    const int oldWidth = m_width;
    allocate(width, height, m_bits);
    // Keep the overlapping part: whole bytes first, then the bits of a partial last byte.
    const int keepWidth = std::min(oldWidth, m_width);
    const int keepBits = keepWidth * storedBits(m_bits);
    const int fullBytes = keepBits / 8;
    const int restBits = keepBits % 8;
    if (keepWidth == 0)
        return;
    for (int y = 0; y < std::min(oldHeight, m_height); ++y) {
        const uchar *src = old.data() + static_cast<size_t>(oldBpl) * y;
        uchar *dst = m_data.data() + static_cast<size_t>(m_bytesPerLine) * y;
        std::memcpy(dst, src, fullBytes);
        if (restBits)
            dst[fullBytes] = src[fullBytes] & static_cast<uchar>(0xFF << (8 - restBits));
    }
}

void Bitmap::setPixelFormat(PixelFormat format) {
    const int bits = bitsOf(resolve(format));
    if (bits == m_bits && !m_data.empty()) {
        m_format = format;
        return;
    }
    const QImage picture = toRgb32();
    m_format = format;
    allocate(m_width, m_height, bits);
    resetPalette();
    if (!picture.isNull())
        fromRgb32(picture);
}

uchar *Bitmap::scanLine(int row) {
    if (row < 0 || row >= m_height || m_data.empty())
        return nullptr;
    return m_data.data() + static_cast<size_t>(m_bytesPerLine) * row;
}

const uchar *Bitmap::scanLine(int row) const {
    if (row < 0 || row >= m_height || m_data.empty())
        return nullptr;
    return m_data.data() + static_cast<size_t>(m_bytesPerLine) * row;
}

void Bitmap::setPalette(const QVector<QRgb> &colours) {
    if (m_bits != 4 && m_bits != 8)
        return;
    const int n = m_bits == 4 ? 16 : 256;
    m_palette = colours.mid(0, n);
    for (QRgb &c : m_palette)
        c = opaque(c);
    while (m_palette.size() < n)
        m_palette.append(qRgb(0, 0, 0));
    m_nearestKey.clear();
}

QRgb Bitmap::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return 0;
    std::vector<QRgb> row(m_width);
    decodeRow(y, row.data());
    return row[x];
}

void Bitmap::decodeRow(int row, QRgb *out) const {
    const uchar *s = scanLine(row);
    if (!s)
        return;
    const int w = m_width;
    switch (m_bits) {
    case 1:
        for (int x = 0; x < w; ++x)
            out[x] = m_palette[(s[x >> 3] >> (7 - (x & 7))) & 1];
        break;
    case 4:
        for (int x = 0; x < w; ++x) {
            const int v = (x & 1) ? (s[x >> 1] & 0x0F) : (s[x >> 1] >> 4);
            out[x] = m_palette[v];
        }
        break;
    case 8:
        for (int x = 0; x < w; ++x)
            out[x] = m_palette[s[x]];
        break;
    case 15:
        for (int x = 0; x < w; ++x) {
            const int v = s[2 * x] | (s[2 * x + 1] << 8);
            out[x] = qRgb(widen5((v >> 10) & 31), widen5((v >> 5) & 31), widen5(v & 31));
        }
        break;
    case 16:
        for (int x = 0; x < w; ++x) {
            const int v = s[2 * x] | (s[2 * x + 1] << 8);
            out[x] = qRgb(widen5((v >> 11) & 31), widen6((v >> 5) & 63), widen5(v & 31));
        }
        break;
    case 24:
        for (int x = 0; x < w; ++x)
            out[x] = qRgb(s[3 * x + 2], s[3 * x + 1], s[3 * x]);
        break;
    default:
        for (int x = 0; x < w; ++x)
            out[x] = qRgb(s[4 * x + 2], s[4 * x + 1], s[4 * x]);
        break;
    }
}

void Bitmap::encodeRow(const QRgb *in, int row) {
    uchar *d = scanLine(row);
    if (!d)
        return;
    const int w = m_width;
    switch (m_bits) {
    case 1:
        std::memset(d, 0, m_bytesPerLine);
        for (int x = 0; x < w; ++x)
            if (qGray(in[x]) >= 128)
                d[x >> 3] |= static_cast<uchar>(0x80 >> (x & 7));
        break;
    case 4:
    case 8: {
        // Runs of one colour are the rule (background): look each run up once.
        QRgb last = in[0];
        int v = nearestIndex(last);
        if (m_bits == 4)
            std::memset(d, 0, m_bytesPerLine);
        for (int x = 0; x < w; ++x) {
            if (in[x] != last) {
                last = in[x];
                v = nearestIndex(last);
            }
            if (m_bits == 8)
                d[x] = static_cast<uchar>(v);
            else
                d[x >> 1] |= static_cast<uchar>((x & 1) ? v : (v << 4));
        }
        break;
    }
    case 15:
        for (int x = 0; x < w; ++x) {
            const int v =
                ((qRed(in[x]) >> 3) << 10) | ((qGreen(in[x]) >> 3) << 5) | (qBlue(in[x]) >> 3);
            d[2 * x] = static_cast<uchar>(v);
            d[2 * x + 1] = static_cast<uchar>(v >> 8);
        }
        break;
    case 16:
        for (int x = 0; x < w; ++x) {
            const int v =
                ((qRed(in[x]) >> 3) << 11) | ((qGreen(in[x]) >> 2) << 5) | (qBlue(in[x]) >> 3);
            d[2 * x] = static_cast<uchar>(v);
            d[2 * x + 1] = static_cast<uchar>(v >> 8);
        }
        break;
    case 24:
        for (int x = 0; x < w; ++x) {
            d[3 * x] = static_cast<uchar>(qBlue(in[x]));
            d[3 * x + 1] = static_cast<uchar>(qGreen(in[x]));
            d[3 * x + 2] = static_cast<uchar>(qRed(in[x]));
        }
        break;
    default:
        std::memcpy(d, in, static_cast<size_t>(w) * 4);
        for (int x = 0; x < w; ++x)
            d[4 * x + 3] = 0xFF;
        break;
    }
}

void Bitmap::fill(QRgb colour) {
    fillRect(rect(), colour);
}

void Bitmap::fillRect(const QRect &area, QRgb colour) {
    const QRect r = area.intersected(rect());
    if (r.isEmpty())
        return;
    std::vector<QRgb> row(m_width);
    if (r.left() == 0 && r.width() == m_width) {
        // Whole rows: encode one and copy it.
        std::fill(row.begin(), row.end(), opaque(colour));
        encodeRow(row.data(), r.top());
        for (int y = r.top() + 1; y <= r.bottom(); ++y)
            std::memcpy(scanLine(y), scanLine(r.top()), m_bytesPerLine);
        return;
    }
    for (int y = r.top(); y <= r.bottom(); ++y) {
        decodeRow(y, row.data());
        std::fill(row.begin() + r.left(), row.begin() + r.right() + 1, opaque(colour));
        encodeRow(row.data(), y);
    }
}

void Bitmap::paint(const std::function<void(QPainter &)> &draw) {
    if (isNull())
        return;
    if (m_bits == 32) {
        // The rows already are RGB32: draw on them directly.
        QImage direct(m_data.data(), m_width, m_height, m_bytesPerLine, QImage::Format_RGB32);
        QPainter p(&direct);
        draw(p);
        return;
    }
    toRgb32(m_scratch);
    {
        QPainter p(&m_scratch);
        draw(p);
    }
    fromRgb32(m_scratch);
}

void Bitmap::toRgb32(QImage &target) const {
    if (isNull()) {
        target = QImage();
        return;
    }
    if (target.size() != QSize(m_width, m_height) || target.format() != QImage::Format_RGB32)
        target = QImage(m_width, m_height, QImage::Format_RGB32);
    rowsToRgb32(0, m_height, target.bits(), target.bytesPerLine());
}

QImage Bitmap::toRgb32() const {
    QImage out;
    toRgb32(out);
    return out;
}

void Bitmap::rowsToRgb32(int first, int count, uchar *dst, qsizetype dstStride) const {
    if (!dst)
        return;
    const int from = std::max(first, 0);
    const int to = std::min(first + count, m_height);
    for (int y = from; y < to; ++y)
        decodeRow(y, reinterpret_cast<QRgb *>(dst + dstStride * (y - first)));
}

void Bitmap::fromRgb32(const QImage &picture) {
    if (isNull() || picture.isNull())
        return;
    const int w = std::min(m_width, picture.width());
    const int h = std::min(m_height, picture.height());
    if (m_bits == 1) {
        // Threshold each pixel to black or white; map Qt's two-entry colour table onto ours
        // (index 0 black, 1 white).
        const QImage mono =
            picture.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither | Qt::MonoOnly);
        auto whiteIndex = [&](int i) {
            return i < mono.colorCount() && qGray(mono.color(i)) >= 128 ? 1 : 0;
        };
        const int m0 = whiteIndex(0);
        const int m1 = whiteIndex(1);
        const int fullBytes = w / 8;
        const int restBits = w % 8;
        for (int y = 0; y < h; ++y) {
            const uchar *s = mono.constScanLine(y);
            uchar *d = scanLine(y);
            auto map = [&](uchar v) {
                return static_cast<uchar>((m1 ? v : 0) | (m0 ? static_cast<uchar>(~v) : 0));
            };
            for (int i = 0; i < fullBytes; ++i)
                d[i] = map(s[i]);
            if (restBits) {
                // A partial last byte: the picture's bits, then the bitmap's own.
                const uchar keep = static_cast<uchar>(0xFF >> restBits);
                const uchar own = w < m_width ? d[fullBytes] & keep : 0;
                d[fullBytes] = static_cast<uchar>((map(s[fullBytes]) & ~keep) | own);
            }
            if (w == m_width)
                std::memset(d + (w + 7) / 8, 0, m_bytesPerLine - (w + 7) / 8);
        }
        return;
    }
    const QImage src = picture.format() == QImage::Format_RGB32
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB32);
    std::vector<QRgb> row(m_width);
    for (int y = 0; y < h; ++y) {
        const QRgb *s = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        if (w < m_width)
            decodeRow(y, row.data()); // keep the pixels the picture does not reach
        std::copy(s, s + w, row.begin());
        encodeRow(row.data(), y);
    }
}

} // namespace platform
