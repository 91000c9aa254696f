#pragma once

#include <QByteArray>
#include <QString>

// The byte policy shared by script files and configuration files. A file that starts with a
// UTF-16 byte order mark (FF FE little-endian, FE FF big-endian) and holds whole, well-formed
// UTF-16 after it is read as UTF-16; otherwise a file is read as UTF-8 when its bytes are
// valid UTF-8 (a leading UTF-8 byte order mark is noted and dropped from the text), and as
// Windows-1252 when they are not. Writing uses the encoding the file was read in, so that
// reading and writing an unchanged text gives back exactly the bytes that were read.
namespace platform {

enum class TextEncoding {
    Utf8,        // UTF-8 without a byte order mark; also what new files use
    Utf8Bom,     // UTF-8 that starts with the byte order mark EF BB BF
    Windows1252, // one byte per character, the Windows code page of Western Europe
    Utf16Le,     // UTF-16 little-endian after the byte order mark FF FE
    Utf16Be,     // UTF-16 big-endian after the byte order mark FE FF
};

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
};

// Never fails: bytes that are neither UTF-16 with a mark nor valid UTF-8 are Windows-1252.
// The five bytes Windows-1252 leaves unassigned (81, 8D, 8F, 90, 9D) read as the control
// characters of the same number (U+0081 …), so that they are written back unchanged.
DecodedText decodeText(const QByteArray &bytes);

// Encodes text in the requested encoding. When the bytes would not read back as the same
// text, another encoding is used instead and reported through `used`:
//  - Windows-1252 text holding a character the code page lacks, or whose bytes happen to
//    read as another encoding (valid UTF-8, a UTF-16 mark), is written as UTF-8;
//  - UTF-8 text that starts with U+FEFF is written with a byte order mark, since a leading
//    EF BB BF is read as the mark.
// UTF-16 is written with its byte order mark. For every text without unpaired surrogates,
// decodeText(encodeText(t, e)).text == t.
QByteArray encodeText(const QString &text, TextEncoding encoding, TextEncoding *used = nullptr);

} // namespace platform
