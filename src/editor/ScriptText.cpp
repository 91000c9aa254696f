#include "editor/ScriptText.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

void setReason(QString *out, const QString &reason) {
    if (out)
        *out = reason;
}

// The text with every CR LF, lone CR and lone LF replaced by `lineBreak`.
QString withLineBreaks(QStringView text, QStringView lineBreak) {
    QString out;
    out.reserve(text.size() + text.size() / 32);
    qsizetype runStart = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        out.append(text.sliced(runStart, i - runStart));
        out.append(lineBreak);
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        runStart = i + 1;
    }
    out.append(text.sliced(runStart));
    return out;
}

bool isTrimmed(char16_t c) {
    return c <= u' ';
}

} // namespace

std::optional<LoadedScript> decodeScript(const QByteArray &bytes, QString *why) {
    // A NUL character has no place in a text file; in UTF-16 the NUL bytes of every other
    // character are no such thing.
    platform::DecodedText decoded = platform::decodeText(bytes);
    if (decoded.text.contains(QChar(0))) {
        setReason(why, QStringLiteral("The file holds NUL bytes; it is not a text file."));
        return std::nullopt;
    }
    LoadedScript script;
    script.encoding = decoded.encoding;
    script.text = withLineBreaks(decoded.text, u"\n");
    return script;
}

QByteArray encodeScript(const QString &text, TextEncoding encoding, TextEncoding *used) {
    return platform::encodeText(withLineBreaks(text, u"\r\n"), encoding, used);
}

std::optional<LoadedScript> loadScriptFile(const QString &path, QString *why) {
    const QFileInfo info(path);
    if (!info.exists()) {
        setReason(why, QStringLiteral("The file does not exist."));
        return std::nullopt;
    }
    if (!info.isFile()) {
        setReason(why, QStringLiteral("This is not a regular file."));
        return std::nullopt;
    }
    if (info.size() > kMaxScriptBytes) {
        setReason(why, QStringLiteral("The file is too large for the editor."));
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setReason(why, file.errorString());
        return std::nullopt;
    }
    // Read one byte past the limit, so that a file that grew since it was measured is
    // still caught.
    const QByteArray bytes = file.read(kMaxScriptBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        setReason(why, file.errorString());
        return std::nullopt;
    }
    if (bytes.size() > kMaxScriptBytes) {
        setReason(why, QStringLiteral("The file is too large for the editor."));
        return std::nullopt;
    }
    return decodeScript(bytes, why);
}

bool saveScriptFile(const QString &path, const QString &text, TextEncoding encoding, QString *error,
                    TextEncoding *used) {
    TextEncoding written = encoding;
    const QByteArray bytes = encodeScript(text, encoding, &written);
    // Unbuffered, so that a short write (a full disk, a file size limit) shows in the count
    // that write() returns: a buffered QSaveFile can commit a file cut short without an error.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        setReason(error, file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        setReason(error, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        setReason(error, file.errorString());
        return false;
    }
    if (used)
        *used = written;
    return true;
}

int countWords(QStringView line) {
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && isTrimmed(line[begin].unicode()))
        ++begin;
    while (end > begin && isTrimmed(line[end - 1].unicode()))
        --end;
    int words = 0;
    bool inWord = false;
    for (qsizetype i = begin; i < end; ++i) {
        const bool space = line[i] == u' ';
        if (!space && !inWord)
            ++words;
        inWord = !space;
    }
    return words;
}

int countWords(const QStringList &lines) {
    int words = 0;
    for (const QString &line : lines)
        words += countWords(QStringView(line));
    return words;
}

int countWordsInText(QStringView text) {
    int words = 0;
    qsizetype lineStart = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        words += countWords(text.sliced(lineStart, i - lineStart));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        lineStart = i + 1;
    }
    words += countWords(text.sliced(lineStart));
    return words;
}
