#pragma once

#include <QByteArray>
#include <QString>

// The byte policy shared by script files and configuration files. A file is read as UTF-8
// when its bytes are valid UTF-8 (a leading UTF-8 byte order mark is noted and dropped from
// the text), otherwise as Latin-1, where every byte is one character. Writing uses the
// encoding the file was read in, so that reading and writing an unchanged text gives back
// exactly the bytes that were read.
namespace platform {

enum class TextEncoding {
    Utf8,    // UTF-8 without a byte order mark; also what new files use
    Utf8Bom, // UTF-8 that starts with the byte order mark EF BB BF
    Latin1,  // one byte per character, U+0000 to U+00FF
};

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
};

// Never fails: bytes that are not valid UTF-8 are Latin-1.
DecodedText decodeText(const QByteArray &bytes);

// Encodes text in the requested encoding. When the bytes would not read back as the same
// text, another encoding is used instead and reported through `used`:
//  - Latin-1 text holding a character above U+00FF, or whose Latin-1 bytes happen to form
//    valid UTF-8 (they would read back as other characters), is written as UTF-8;
//  - UTF-8 text that starts with U+FEFF is written with a byte order mark, since a leading
//    EF BB BF is read as the mark.
// For every text without unpaired surrogates, decodeText(encodeText(t, e)).text == t.
QByteArray encodeText(const QString &text, TextEncoding encoding, TextEncoding *used = nullptr);

} // namespace platform
