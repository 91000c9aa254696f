#include "platform/TextCodec.h"

#include <QStringDecoder>
#include <QtEndian>

#include <optional>

namespace platform {
namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";
constexpr QByteArrayView kBomView(kBom, 3);

// What the bytes 80 to 9F stand for in Windows-1252. The five bytes the code page leaves
// unassigned stand for the control character of the same number, so that they survive a
// load and a save.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The Windows-1252 byte of a character, if the code page has one.
std::optional<char> windows1252Byte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == c)
            return char(0x80 + i);
    }
    return std::nullopt;
}

QString decodeWindows1252(const QByteArray &bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *out++ = QChar(u >= 0x80 && u < 0xA0 ? kHighControls[u - 0x80] : char16_t(u));
    }
    return text;
}

std::optional<QByteArray> encodeWindows1252(const QString &text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    char *p = out.data();
    for (const QChar c : text) {
        const std::optional<char> b = windows1252Byte(c.unicode());
        if (!b)
            return std::nullopt;
        *p++ = *b;
    }
    return out;
}

// Whole, well-formed UTF-16 after a byte order mark: an even number of bytes and no
// unpaired surrogate, so that the text encodes back to the same bytes.
std::optional<DecodedText> decodeUtf16(const QByteArray &bytes) {
    const bool little = bytes.startsWith("\xFF\xFE");
    if ((!little && !bytes.startsWith("\xFE\xFF")) || bytes.size() % 2 != 0)
        return std::nullopt;
    const qsizetype units = (bytes.size() - 2) / 2;
    QString text(units, Qt::Uninitialized);
    const uchar *in = reinterpret_cast<const uchar *>(bytes.constData()) + 2;
    for (qsizetype i = 0; i < units; ++i, in += 2)
        text[i] = QChar(little ? qFromLittleEndian<quint16>(in) : qFromBigEndian<quint16>(in));
    if (!QStringView(text).isValidUtf16())
        return std::nullopt;
    return DecodedText{std::move(text), little ? TextEncoding::Utf16Le : TextEncoding::Utf16Be};
}

QByteArray encodeUtf16(const QString &text, bool little) {
    QByteArray out(2 + 2 * text.size(), Qt::Uninitialized);
    uchar *p = reinterpret_cast<uchar *>(out.data());
    const auto put = [&p, little](quint16 unit) {
        little ? qToLittleEndian(unit, p) : qToBigEndian(unit, p);
        p += 2;
    };
    put(0xFEFF);
    for (const QChar c : text)
        put(c.unicode());
    return out;
}

// Strict UTF-8: overlong forms, encoded surrogates, values above U+10FFFF and sequences cut
// short all count as invalid, so text that decodes without error encodes back to the same bytes.
bool decodeUtf8(QByteArrayView bytes, QString *text) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom |
                                                     QStringDecoder::Flag::Stateless);
    QString decoded = decoder.decode(bytes);
    if (decoder.hasError())
        return false;
    *text = std::move(decoded);
    return true;
}

bool hasHighByte(const QByteArray &bytes) {
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    }
    return false;
}

QByteArray encodeUtf8(const QString &text, TextEncoding *used) {
    // A text that itself starts with U+FEFF needs the mark in front, or the reader would
    // take its first character for the mark.
    const bool bom = !text.isEmpty() && text.front() == QChar(0xFEFF);
    if (used)
        *used = bom ? TextEncoding::Utf8Bom : TextEncoding::Utf8;
    QByteArray out = text.toUtf8();
    if (bom)
        out.prepend(kBomView);
    return out;
}

void report(TextEncoding *used, TextEncoding encoding) {
    if (used)
        *used = encoding;
}

} // namespace

DecodedText decodeText(const QByteArray &bytes) {
    if (std::optional<DecodedText> utf16 = decodeUtf16(bytes))
        return std::move(*utf16);
    DecodedText result;
    const bool bom = bytes.startsWith(kBomView);
    const QByteArrayView body = bom ? QByteArrayView(bytes).sliced(3) : QByteArrayView(bytes);
    if (decodeUtf8(body, &result.text)) {
        result.encoding = bom ? TextEncoding::Utf8Bom : TextEncoding::Utf8;
        return result;
    }
    result.text = decodeWindows1252(bytes);
    result.encoding = TextEncoding::Windows1252;
    return result;
}

QByteArray encodeText(const QString &text, TextEncoding encoding, TextEncoding *used) {
    switch (encoding) {
    case TextEncoding::Windows1252:
        if (std::optional<QByteArray> out = encodeWindows1252(text)) {
            // Bytes that read as another encoding would read back as other characters.
            if (!hasHighByte(*out) || decodeText(*out).encoding == TextEncoding::Windows1252) {
                report(used, TextEncoding::Windows1252);
                return std::move(*out);
            }
        }
        return encodeUtf8(text, used);
    case TextEncoding::Utf8Bom: {
        report(used, TextEncoding::Utf8Bom);
        QByteArray out = text.toUtf8();
        out.prepend(kBomView);
        return out;
    }
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
        report(used, encoding);
        return encodeUtf16(text, encoding == TextEncoding::Utf16Le);
    case TextEncoding::Utf8:
        break;
    }
    return encodeUtf8(text, used);
}

} // namespace platform
