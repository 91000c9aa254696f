#include "play/PixelArrays.h"

#include <new>

namespace {

// A 128-bit count in decimal: count x element size can exceed 64 bits.
QString decimal(unsigned __int128 v) {
    if (v == 0)
        return QStringLiteral("0");
    QString digits;
    while (v != 0) {
        digits.prepend(QChar(char16_t(u'0' + int(v % 10))));
        v /= 10;
    }
    return digits;
}

} // namespace

NotEnoughMemory::NotEnoughMemory(const QString &requestedBytes)
    : m_message(QStringLiteral("error in TBigByteArray.create: Not enough contiguous memory "
                               "available\r\n requested memory block: ") +
                requestedBytes + QStringLiteral(" bytes")),
      m_what(m_message.toUtf8()) {}

std::unique_ptr<uchar[]> allocatePixelBlock(qint64 count, int elementBytes) {
    const unsigned __int128 bytes = static_cast<unsigned __int128>(count) * unsigned(elementBytes);
    if (bytes > static_cast<unsigned __int128>(kMaxPixelBlockBytes))
        throw NotEnoughMemory(decimal(bytes));
    std::unique_ptr<uchar[]> block(new (std::nothrow) uchar[static_cast<size_t>(bytes)]);
    if (!block)
        throw NotEnoughMemory(decimal(bytes));
    return block;
}
