#include "platform/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {
namespace {

bool isBlank(QChar c) {
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\v' || u == u'\f' || u == 0x1A;
}

QStringView trimBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A name or value is written on one line: line breaks become spaces.
QString oneLine(const QString &text) {
    QString out = text;
    out.replace(u'\r', u' ');
    out.replace(u'\n', u' ');
    return out;
}

bool isQuote(QChar c) {
    return c == u'"' || c == u'\'';
}

// A value is written so that it reads back as it is: one with blanks at either end, or one
// enclosed in a pair of quotes, goes inside double quotes, which reading takes off again.
QString writtenValue(const QString &value) {
    const QString text = oneLine(value);
    const bool enclosed = text.size() >= 2 && isQuote(text.front()) && text.back() == text.front();
    if (enclosed || trimBlanks(text).size() != text.size())
        return u'"' + text + u'"';
    return text;
}

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

std::optional<quint32> parseHex(QStringView digits) {
    if (digits.isEmpty())
        return std::nullopt;
    quint64 value = 0;
    for (const QChar c : digits) {
        const int d = hexDigit(c);
        if (d < 0)
            return std::nullopt;
        value = value * 16 + quint64(d);
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return quint32(value);
}

// Splits text at CR LF, CR and LF. A final line break ends the last line rather than
// starting an empty one.
std::vector<QStringView> splitLines(QStringView text) {
    std::vector<QStringView> lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        lines.push_back(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.push_back(text.sliced(start));
    return lines;
}

} // namespace

QString resolveConfigPath(const QString &name, const QString &windowsDir) {
    if (name == QLatin1String(kDefaultConfigName) || !name.contains(u'/'))
        return windowsDir + u'/' + name;
    return name;
}

std::optional<int> parseProfileInt(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= u' ')
        ++begin;
    while (end > begin && text[end - 1].unicode() <= u' ')
        --end;
    QStringView s = text.sliced(begin, end - begin);

    if (s.size() > 2 && s[0] == u'0' && (s[1] == u'x' || s[1] == u'X')) {
        const auto value = parseHex(s.sliced(2));
        if (!value)
            return std::nullopt;
        return int(*value);
    }

    bool negative = false;
    if (!s.isEmpty() && (s[0] == u'+' || s[0] == u'-')) {
        negative = s[0] == u'-';
        s = s.sliced(1);
    }
    if (!s.isEmpty() && s[0] == u'$') {
        const auto value = parseHex(s.sliced(1));
        if (!value)
            return std::nullopt;
        return int(negative ? quint32(0) - *value : *value);
    }

    if (s.isEmpty())
        return std::nullopt;
    const qint64 limit = negative ? qint64(2147483648) : qint64(2147483647);
    qint64 value = 0;
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        if (u < u'0' || u > u'9')
            return std::nullopt;
        value = value * 10 + (u - u'0');
        if (value > limit)
            return std::nullopt;
    }
    return int(negative ? -value : value);
}

IniFile IniFile::load(const QString &path) {
    IniFile doc;
    doc.m_path = path;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return doc;

    doc.m_status = LoadStatus::Unreadable;
    if (!info.isFile()) {
        doc.m_loadError = QStringLiteral("Not a regular file");
        return doc;
    }
    if (info.size() > kMaxFileBytes) {
        doc.m_loadError = QStringLiteral("The file is too large");
        return doc;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        doc.m_loadError = file.errorString();
        return doc;
    }
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        doc.m_loadError = file.errorString();
        return doc;
    }
    if (bytes.size() > kMaxFileBytes) {
        doc.m_loadError = QStringLiteral("The file is too large");
        return doc;
    }
    IniFile parsed = fromBytes(bytes);
    parsed.m_path = path;
    return parsed;
}

IniFile IniFile::fromBytes(const QByteArray &bytes) {
    IniFile doc;
    doc.m_status = LoadStatus::Loaded;
    const DecodedText decoded = decodeText(bytes);
    doc.m_encoding = decoded.encoding;

    std::vector<Line> *target = &doc.m_preamble;
    for (const QStringView raw : splitLines(decoded.text)) {
        const QStringView trimmed = trimBlanks(raw);
        if (trimmed.startsWith(u'[')) {
            const qsizetype close = trimmed.lastIndexOf(u']');
            if (close > 0) {
                Section section;
                section.header = raw.toString();
                section.name = trimBlanks(trimmed.sliced(1, close - 1)).toString();
                doc.m_sections.push_back(std::move(section));
                target = &doc.m_sections.back().lines;
                continue;
            }
        }
        Line line;
        line.text = raw.toString();
        const qsizetype eq = raw.indexOf(u'=');
        if (eq >= 0) {
            const QStringView key = trimBlanks(raw.first(eq));
            if (!key.isEmpty()) {
                line.key = key.toString();
                line.value = trimBlanks(raw.sliced(eq + 1)).toString();
            }
        }
        target->push_back(std::move(line));
    }
    return doc;
}

const IniFile::Section *IniFile::findSection(const QString &name) const {
    const QStringView wanted = trimBlanks(name);
    for (const Section &section : m_sections) {
        if (sameName(section.name, wanted))
            return &section;
    }
    return nullptr;
}

IniFile::Section *IniFile::findSection(const QString &name) {
    return const_cast<Section *>(std::as_const(*this).findSection(name));
}

const IniFile::Line *IniFile::findKey(const QString &section, const QString &key) const {
    const Section *s = findSection(section);
    if (!s)
        return nullptr;
    const QStringView wanted = trimBlanks(key);
    for (const Line &line : s->lines) {
        if (!line.key.isEmpty() && sameName(line.key, wanted))
            return &line;
    }
    return nullptr;
}

QString IniFile::readString(const QString &section, const QString &key,
                            const QString &defaultValue) const {
    const Line *line = findKey(section, key);
    if (!line)
        return defaultValue;
    QStringView value = line->value;
    if (value.size() >= 2 && isQuote(value.front()) && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    if (value.size() > kMaxTextLength) {
        qsizetype keep = kMaxTextLength;
        // Never keep half of a surrogate pair.
        if (value[keep - 1].isHighSurrogate())
            --keep;
        value = value.first(keep);
    }
    return value.toString();
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const {
    // A missing key reads as "", which does not parse either.
    return parseProfileInt(readString(section, key, QString())).value_or(defaultValue);
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const {
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniFile::hasKey(const QString &section, const QString &key) const {
    return findKey(section, key) != nullptr;
}

void IniFile::writeString(const QString &sectionName, const QString &keyName,
                          const QString &value) {
    const QString key = trimBlanks(oneLine(keyName)).toString();
    if (key.isEmpty())
        return;
    const QString text = writtenValue(value);

    Section *section = findSection(sectionName);
    if (!section) {
        Section added;
        added.name = trimBlanks(oneLine(sectionName)).toString();
        added.header = u'[' + added.name + u']';
        m_sections.push_back(std::move(added));
        section = &m_sections.back();
    }

    std::vector<Line> &lines = section->lines;
    qsizetype afterLastKey = 0;
    for (qsizetype i = 0; i < qsizetype(lines.size()); ++i) {
        Line &line = lines[size_t(i)];
        if (line.key.isEmpty())
            continue;
        if (sameName(line.key, key)) {
            line.text = line.key + u'=' + text;
            line.value = trimBlanks(text).toString();
            return;
        }
        afterLastKey = i + 1;
    }
    Line line;
    line.key = key;
    line.text = key + u'=' + text;
    line.value = trimBlanks(text).toString();
    lines.insert(lines.begin() + afterLastKey, std::move(line));
}

void IniFile::writeInteger(const QString &section, const QString &key, int value) {
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value) {
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::eraseSection(const QString &section) {
    std::erase_if(m_sections, [&](const Section &s) { return sameName(s.name, section); });
}

QStringList IniFile::sectionNames() const {
    QStringList names;
    for (const Section &section : m_sections)
        names.append(section.name);
    return names;
}

QStringList IniFile::keyNames(const QString &section) const {
    QStringList names;
    if (const Section *s = findSection(section)) {
        for (const Line &line : s->lines) {
            if (!line.key.isEmpty())
                names.append(line.key);
        }
    }
    return names;
}

QByteArray IniFile::toBytes(TextEncoding *used) const {
    QString text;
    const auto add = [&text](const QString &line) {
        text.append(line);
        text.append(u"\r\n");
    };
    for (const Line &line : m_preamble)
        add(line.text);
    for (const Section &section : m_sections) {
        add(section.header);
        for (const Line &line : section.lines)
            add(line.text);
    }
    return encodeText(text, m_encoding, used);
}

bool IniFile::save(const QString &path, QString *error, Access access) {
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (m_status == LoadStatus::Unreadable && QFileInfo(path) == QFileInfo(m_path))
        return fail(QStringLiteral("The existing file could not be read (%1); it is left as it is")
                        .arg(m_loadError));

    TextEncoding used = m_encoding;
    const QByteArray bytes = toBytes(&used);
    // Unbuffered, so that a short write (a full disk, a file size limit) shows in the count
    // that write() returns: a buffered QSaveFile can commit a file cut short without an error.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    if (access == Access::OwnerOnly &&
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    m_encoding = used;
    return true;
}

bool IniFile::writeSingleString(const QString &path, const QString &section, const QString &key,
                                const QString &value, QString *error) {
    IniFile doc = load(path);
    doc.writeString(section, key, value);
    return doc.save(path, error);
}

} // namespace platform
