#include "platform/TextCodec.h"

#include <QStringDecoder>

namespace platform {
namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";
constexpr QByteArrayView kBomView(kBom, 3);

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

bool fitsLatin1(const QString &text) {
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
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

} // namespace

DecodedText decodeText(const QByteArray &bytes) {
    DecodedText result;
    const bool bom = bytes.startsWith(kBomView);
    const QByteArrayView body = bom ? QByteArrayView(bytes).sliced(3) : QByteArrayView(bytes);
    if (decodeUtf8(body, &result.text)) {
        result.encoding = bom ? TextEncoding::Utf8Bom : TextEncoding::Utf8;
        return result;
    }
    result.text = QString::fromLatin1(bytes);
    result.encoding = TextEncoding::Latin1;
    return result;
}

QByteArray encodeText(const QString &text, TextEncoding encoding, TextEncoding *used) {
    switch (encoding) {
    case TextEncoding::Latin1:
        if (fitsLatin1(text)) {
            QByteArray out = text.toLatin1();
            // Latin-1 bytes that form valid UTF-8 would read back as other characters.
            if (!hasHighByte(out) || decodeText(out).encoding == TextEncoding::Latin1) {
                if (used)
                    *used = TextEncoding::Latin1;
                return out;
            }
        }
        return encodeUtf8(text, used);
    case TextEncoding::Utf8Bom: {
        if (used)
            *used = TextEncoding::Utf8Bom;
        QByteArray out = text.toUtf8();
        out.prepend(kBomView);
        return out;
    }
    case TextEncoding::Utf8:
        break;
    }
    return encodeUtf8(text, used);
}

} // namespace platform
