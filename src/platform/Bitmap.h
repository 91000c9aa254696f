#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>
#include <QVector>

#include <cstdint>
#include <functional>
#include <vector>

class QPainter;

namespace platform {

// Pixel formats of an off-screen bitmap, in the order of the "Pixel Processing" choice.
enum class PixelFormat {
    Device = 0, // the screen's own format (see Bitmap::deviceFormat)
    Bits1 = 1,  // monochrome, 8 pixels a byte, most significant bit first; palette black, white
    Bits4 = 2,  // two pixels a byte, high nibble first; 16-entry palette
    Bits8 = 3,  // one byte a pixel; 256-entry palette
    Bits15 = 4, // 16-bit words x-5-5-5 (red in bits 10..14), little endian
    Bits16 = 5, // 16-bit words 5-6-5 (red in bits 11..15), little endian
    Bits24 = 6, // 3 bytes a pixel: blue, green, red
    Bits32 = 7, // 4 bytes a pixel: blue, green, red, unused
};

// An off-screen bitmap with direct access to each row's pixel memory, in one of the eight
// formats. Rows are top-down (row 0 is the top) and each row is padded to a multiple of
// 4 bytes. Drawing goes through a 32-bit picture of the bitmap (QPainter cannot draw into
// palette or sub-byte formats) that is stored back in the bitmap's format afterwards;
// reading back as 32 bits is what the play surface needs.
class Bitmap {
public:
    Bitmap() : Bitmap(0, 0, PixelFormat::Device) {} // a null bitmap, format Device
    Bitmap(int width, int height, PixelFormat format = PixelFormat::Device);

    bool isNull() const { return m_width <= 0 || m_height <= 0; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    QRect rect() const { return QRect(0, 0, m_width, m_height); }

    // The format as it was asked for (Device stays Device), and the bits per pixel the rows
    // really hold (Device resolved when the format was set).
    PixelFormat pixelFormat() const { return m_format; }
    int bitsPerPixel() const { return m_bits; }

    // Changes the size; the overlapping part of the picture is kept, new pixels are zero
    // bytes. Negative sizes count as 0; a size needing more than 512 MiB of pixel memory
    // leaves the bitmap null.
    void setSize(int width, int height);
    // Changes the format; the picture is converted into the new one.
    void setPixelFormat(PixelFormat format);

    // Pixel memory of one row, nullptr for a row outside the bitmap.
    uchar *scanLine(int row);
    const uchar *scanLine(int row) const;
    int bytesPerLine() const { return m_bytesPerLine; }

    // The palette of the 1-, 4- and 8-bit formats (2, 16, 256 entries); empty otherwise.
    // setPalette takes at most that many entries, missing ones are black; the 1-bit palette
    // is always black, white. Pixels keep their indexes.
    const QVector<QRgb> &palette() const { return m_palette; }
    void setPalette(const QVector<QRgb> &colours);

    // Reads one pixel as 0xFFRRGGBB (0 outside the bitmap).
    QRgb pixel(int x, int y) const;

    // Fills the whole bitmap, or a rectangle of it (clipped), with the nearest colour of the
    // format.
    void fill(QRgb colour);
    void fillRect(const QRect &area, QRgb colour);
    // Draws with a QPainter on a 32-bit picture of the bitmap (antialiasing off unless the
    // caller turns it on); the result is stored back in the bitmap's format.
    void paint(const std::function<void(QPainter &)> &draw);

    // The picture as 32 bits (QImage::Format_RGB32), converted in one go. The target is
    // reallocated only when its size or format differs.
    void toRgb32(QImage &target) const;
    QImage toRgb32() const;
    // Rows first .. first + count - 1 as 32 bits into dst, each row dstStride bytes apart.
    void rowsToRgb32(int first, int count, uchar *dst, qsizetype dstStride) const;
    // Stores a 32-bit picture of the same size in the bitmap's format: 4 and 8 bits take the
    // nearest palette entry, 1 bit is thresholded to black or white.
    void fromRgb32(const QImage &picture);

    // The format the screen's colour depth calls for: 1, 4, 8, 15 or 16 bits as the depth
    // says, 32 bits for 24- and 32-bit displays and any other depth.
    static PixelFormat deviceFormat(int screenDepth);
    static int bitsOf(PixelFormat resolved);
    // The palette the 4- and 8-bit formats start with: the 16 standard colours, then (8 bits)
    // a 6 x 6 x 6 colour cube and a grey ramp.
    static QVector<QRgb> defaultPalette(int bits);
    // n colours evenly spaced from one colour to another (n >= 2).
    static QVector<QRgb> rampPalette(QRgb from, QRgb to, int n);

private:
    void allocate(int width, int height, int bits);
    void resetPalette();
    void decodeRow(int row, QRgb *out) const;
    void encodeRow(const QRgb *in, int row);
    int nearestIndex(QRgb colour) const;

    int m_width = 0;
    int m_height = 0;
    PixelFormat m_format = PixelFormat::Device;
    int m_bits = 32;
    int m_bytesPerLine = 0;
    std::vector<uchar> m_data;
    QVector<QRgb> m_palette;
    mutable QImage m_scratch;
    // Nearest palette entry of the colours met so far: a direct-mapped table of opaque
    // colours (0 = free slot) and their indexes, emptied when the palette changes.
    mutable std::vector<quint32> m_nearestKey;
    mutable std::vector<uchar> m_nearestIndex;
};

} // namespace platform
