#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <exception>
#include <memory>

// Heap pixel arrays for the antialias filter: a flat array of 3- or 4-byte pixel values in
// one contiguous block, and a two-dimensional view on it, both indexed from 1.
//
// BigByteArray<3> holds 3-byte elements (blue, green, red, as in a 24-bit pixel row), <4>
// 4-byte elements (one 32-bit value, little endian). Sizes are computed in 64 bits: a
// request whose byte size is too large for one block, or that the allocator refuses, is
// refused whole with NotEnoughMemory; a block is never shorter than its count says. The
// block is not cleared when it is allocated.

// The refusal of a block: "error in TBigByteArray.create: Not enough contiguous memory
// available" CR LF " requested memory block: <bytes> bytes".
class NotEnoughMemory : public std::exception {
public:
    // requestedBytes as a decimal text (it may exceed 64 bits).
    explicit NotEnoughMemory(const QString &requestedBytes);
    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    QString m_message;
    QByteArray m_what;
};

// The largest block one pixel array is given: well above any strip a bitmap can hold.
inline constexpr qint64 kMaxPixelBlockBytes = qint64(1) << 30;

// A block of count elements of elementBytes each; throws NotEnoughMemory when the byte
// size exceeds kMaxPixelBlockBytes or cannot be allocated. count must be positive.
std::unique_ptr<uchar[]> allocatePixelBlock(qint64 count, int elementBytes);

// The flat array: valid indexes 1 .. count; element i at byte offset (i - 1) x Bytes.
template <int Bytes> class BigByteArray {
    static_assert(Bytes == 3 || Bytes == 4);

public:
    BigByteArray() = default;
    explicit BigByteArray(qint64 count) { create(count); }

    // Allocates count elements (the old block goes first). A count of 0 or less allocates
    // nothing; every access is then out of range.
    void create(qint64 count) {
        destroy();
        if (count <= 0)
            return;
        m_data = allocatePixelBlock(count, Bytes);
        m_count = count;
    }
    void destroy() {
        m_data.reset();
        m_count = 0;
    }
    qint64 count() const { return m_count; }

    // Element i into value. Out of range the 3-byte array leaves value as it is and the
    // 4-byte array sets it to 0.
    void get(qint64 i, quint32 &value) const {
        if (i < 1 || i > m_count) {
            if constexpr (Bytes == 4)
                value = 0;
            return;
        }
        const uchar *p = m_data.get() + (i - 1) * Bytes;
        quint32 v = p[0] | (quint32(p[1]) << 8) | (quint32(p[2]) << 16);
        if constexpr (Bytes == 4)
            v |= quint32(p[3]) << 24;
        value = v;
    }
    // The 4-byte array's read: element i, or 0 out of range.
    quint32 get(qint64 i) const requires(Bytes == 4) {
        quint32 v = 0;
        get(i, v);
        return v;
    }
    // Stores the low Bytes bytes of value at i (bits 0-7 first); out of range nothing happens.
    void set(qint64 i, quint32 value) {
        if (i < 1 || i > m_count)
            return;
        uchar *p = m_data.get() + (i - 1) * Bytes;
        p[0] = uchar(value);
        p[1] = uchar(value >> 8);
        p[2] = uchar(value >> 16);
        if constexpr (Bytes == 4)
            p[3] = uchar(value >> 24);
    }

    // The block itself, count x Bytes bytes (nullptr when empty).
    uchar *data() { return m_data.get(); }
    const uchar *data() const { return m_data.get(); }

private:
    std::unique_ptr<uchar[]> m_data;
    qint64 m_count = 0;
};

// The 2-D view: (x, y), 1 <= x <= width and 1 <= y <= height, is flat element
// x + (y - 1) x width, row after row. Only the flat index is checked: (width + 1, y) is the
// same element as (1, y + 1).
template <int Bytes> class ByteArray2D {
public:
    ByteArray2D() = default;
    ByteArray2D(int width, int height) { create(width, height); }

    // width x height elements; a negative size counts as 0.
    void create(int width, int height) {
        destroy();
        const int w = qMax(width, 0);
        const int h = qMax(height, 0);
        m_array.create(qint64(w) * h);
        m_width = w;
        m_height = h;
    }
    void destroy() {
        m_array.destroy();
        m_width = 0;
        m_height = 0;
    }
    int width() const { return m_width; }
    int height() const { return m_height; }

    qint64 index(int x, int y) const { return x + (qint64(y) - 1) * m_width; }
    void get(int x, int y, quint32 &value) const { m_array.get(index(x, y), value); }
    quint32 get(int x, int y) const requires(Bytes == 4) { return m_array.get(index(x, y)); }
    void set(int x, int y, quint32 value) { m_array.set(index(x, y), value); }

    BigByteArray<Bytes> &array() { return m_array; }
    const BigByteArray<Bytes> &array() const { return m_array; }

private:
    BigByteArray<Bytes> m_array;
    int m_width = 0;
    int m_height = 0;
};
