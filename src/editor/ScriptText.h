#pragma once

#include "platform/TextCodec.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// Script files on disk, without any window: the byte format, loading, atomic saving and
// the word count of the opened script.
//
// Format: lines separated by CR LF, no line break added after the last line. Any of CR LF,
// CR and LF ends a line on reading. Text is UTF-16 when the file starts with a UTF-16 byte
// order mark, UTF-8 when the file is valid UTF-8 (a leading byte order mark is kept and
// written back), otherwise Windows-1252 (one byte, one character); a script is saved in the
// encoding it was read in, so opening and saving a file whose lines already end in CR LF
// gives back its bytes unchanged. A file that uses LF or CR alone is saved with CR LF
// between its lines. New text is saved as UTF-8.

using TextEncoding = platform::TextEncoding;

struct LoadedScript {
    QString text; // the lines joined with "\n"
    TextEncoding encoding = TextEncoding::Utf8;
};

// Largest script file that is read; bigger files are refused as too large for the editor.
inline constexpr qint64 kMaxScriptBytes = qint64(256) * 1024 * 1024;

// Decodes a script's bytes. Refuses (nullopt, reason in why) bytes holding a NUL character
// (a NUL byte, or a NUL unit of UTF-16): such a file is not a text file.
std::optional<LoadedScript> decodeScript(const QByteArray &bytes, QString *why = nullptr);

// The bytes of a script: the text's lines (ended by CR LF, CR or LF in text) joined with
// CR LF, in the given encoding. When the text cannot be written in that encoding so that it
// reads back the same (a Windows-1252 script that now holds characters outside it), it is
// written as UTF-8 instead; `used` tells which encoding was written, and the caller should
// remember it as the script's encoding from then on.
QByteArray encodeScript(const QString &text, TextEncoding encoding, TextEncoding *used = nullptr);

// Reads and decodes a script file. Refuses (nullopt, reason in why) a path that is not a
// regular file, a file that cannot be read or is larger than kMaxScriptBytes, and a file
// holding NUL characters.
std::optional<LoadedScript> loadScriptFile(const QString &path, QString *why = nullptr);

// Writes the script atomically: a temporary file in the same folder, renamed over the old
// file once everything is written. On failure the old file is untouched, false is returned
// and error holds the reason. `used` as for encodeScript.
bool saveScriptFile(const QString &path, const QString &text, TextEncoding encoding,
                    QString *error = nullptr, TextEncoding *used = nullptr);

// Words of one line: spaces and control characters are trimmed from both ends; a word is
// then a maximal run of characters other than the space character (a tab inside the line
// belongs to a word).
int countWords(QStringView line);
// The sum over the lines.
int countWords(const QStringList &lines);
// The sum over the lines of a whole text whose lines end in CR LF, CR or LF.
int countWordsInText(QStringView text);
