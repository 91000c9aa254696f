#pragma once

#include "platform/TextCodec.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

namespace platform {

// Name of the default configuration file, kept in the Windows directory.
inline constexpr char kDefaultConfigName[] = "ZALSCROL.INI";

// Where a configuration name refers to. Exactly "ZALSCROL.INI" (case-sensitive) is the
// default file in windowsDir, for reading and for writing alike (the bare name resolves to
// windowsDir as well). Any other name without a directory part ("/") is that file in
// windowsDir; a name with a directory part is used unchanged.
QString resolveConfigPath(const QString &name, const QString &windowsDir);

// An integer as the configuration file stores it. Surrounding spaces and control
// characters are ignored. A text longer than two characters that starts with "0x" or "0X"
// is hexadecimal; so is one starting with "$" (after an optional sign); anything else is
// signed decimal. Hexadecimal takes up to 32 bits, read as a two's complement value
// ("$FFFFFFFF" is -1); decimal must fit in 32 bits. nullopt for anything else ("", "0x",
// "$", "12abc", "2147483648").
std::optional<int> parseProfileInt(QStringView text);

// An INI document held in memory, read and written by these rules:
//  - section and key names match without regard to case; surrounding blanks of names and
//    values are ignored; a value enclosed in a matching pair of double or single quotes is
//    read without them;
//  - with duplicates, the first section of a name and the first key of a name inside it
//    are the ones read and written; later ones are kept in the file but never seen;
//  - a key written to a section that lacks it goes after the section's last key; a section
//    that does not exist is appended after all others;
//  - erasing a section removes every section of that name with all its lines.
// Every line that is not changed (comments, blank lines, unknown sections, keys, lines
// without "=") is kept as it was and written back in place. Lines are written with CR LF,
// and any of CR LF, CR and LF ends a line on reading. Bytes follow TextCodec: the file is
// written back in the encoding it was read in; a new document is UTF-8.
//
// Names and values cannot hold line breaks: CR and LF in them are written as spaces. A value
// with blanks at either end, or one enclosed in a pair of quotes, is written inside double
// quotes, so that it reads back as it was given. Key names must not contain "=" nor start
// with "["; an empty key name writes nothing.
class IniFile {
public:
    // GetPrivateProfileString's 1024-character buffer holds 1023 characters and the NUL.
    static constexpr int kMaxTextLength = 1023;
    // Larger files are treated as unreadable.
    static constexpr qint64 kMaxFileBytes = qint64(16) * 1024 * 1024;

    enum class LoadStatus {
        Missing,    // no file at the path: an empty document
        Loaded,     // the file was read
        Unreadable, // something is there but could not be read: an empty document
    };

    // An empty document that was never on disk.
    IniFile() = default;

    // Reads the file at path. Never fails: a missing or unreadable file gives an empty
    // document, and loadStatus()/loadError() tell which.
    static IniFile load(const QString &path);
    // The document held in bytes.
    static IniFile fromBytes(const QByteArray &bytes);

    LoadStatus loadStatus() const { return m_status; }
    bool existed() const { return m_status != LoadStatus::Missing; }
    QString loadError() const { return m_loadError; }
    TextEncoding encoding() const { return m_encoding; }

    // At most kMaxTextLength characters of the value; defaultValue when the key is missing.
    QString readString(const QString &section, const QString &key,
                       const QString &defaultValue) const;
    // parseProfileInt of the value; defaultValue when missing or unparsable.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    // readInteger with 1 or 0 as the default; any non-zero value is true.
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;
    bool hasKey(const QString &section, const QString &key) const;

    void writeString(const QString &section, const QString &key, const QString &value);
    // Signed decimal.
    void writeInteger(const QString &section, const QString &key, int value);
    // "1" or "0".
    void writeBool(const QString &section, const QString &key, bool value);
    void eraseSection(const QString &section);

    // Every section header in file order, duplicates included, as spelt in the file.
    QStringList sectionNames() const;
    // The keys of the first section of that name, in file order, as spelt in the file.
    QStringList keyNames(const QString &section) const;

    // The whole file. `used` as in encodeText (a Windows-1252 document given a value
    // outside the code page becomes UTF-8).
    QByteArray toBytes(TextEncoding *used = nullptr) const;

    // Writes the document atomically: a temporary file in the same folder, renamed over
    // the old one once complete, so a refused or failed write leaves the old file as it
    // was. Returns false with the reason in error when the write fails, and also, without
    // touching anything, when path is the file this document failed to read (writing it
    // would throw away what could not be read). On success the document's encoding
    // becomes the one written.
    // OwnerOnly makes the file readable and writable by its owner alone (a file that holds a
    // secret), set before any byte is written; AsBefore keeps the permissions an existing
    // file had (a new one gets the usual ones).
    enum class Access { AsBefore, OwnerOnly };
    bool save(const QString &path, QString *error = nullptr, Access access = Access::AsBefore);

    // Load, write one text value, save: every other line of the file stays as it was.
    static bool writeSingleString(const QString &path, const QString &section, const QString &key,
                                  const QString &value, QString *error = nullptr);

private:
    struct Line {
        QString text;  // the line as written in the file
        QString key;   // trimmed key name; empty for a line that holds no key
        QString value; // trimmed value text, quotes not yet removed
    };
    struct Section {
        QString header; // the header line as written in the file
        QString name;
        std::vector<Line> lines;
    };

    const Section *findSection(const QString &name) const;
    Section *findSection(const QString &name);
    const Line *findKey(const QString &section, const QString &key) const;

    std::vector<Line> m_preamble; // lines before the first section header
    std::vector<Section> m_sections;
    TextEncoding m_encoding = TextEncoding::Utf8;
    LoadStatus m_status = LoadStatus::Missing;
    QString m_loadError;
    QString m_path; // the path this document was loaded from
};

} // namespace platform
