// Feeds arbitrary bytes to the configuration file reader and writer: every read form on
// every section and key, erase and write as the configuration writer does them, and the
// written file read back.
#include "platform/IniFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using platform::IniFile;

namespace {

void check(bool condition, const char *what) {
    if (condition)
        return;
    std::fprintf(stderr, "fuzz_ini: %s\n", what);
    std::abort();
}

bool isAscii(const QString &text) {
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

// Reads every key of every section in every form; returns the texts read, in order.
QStringList readEverything(const IniFile &ini) {
    QStringList seen;
    for (const QString &section : ini.sectionNames()) {
        for (const QString &key : ini.keyNames(section)) {
            check(ini.hasKey(section, key), "a listed key is not found");
            const QString text = ini.readString(section, key, QStringLiteral("<none>"));
            check(text.size() <= IniFile::kMaxTextLength, "text longer than the limit");
            const int a = ini.readInteger(section, key, 7);
            if (isAscii(section) && isAscii(key)) {
                const int b = ini.readInteger(section.toUpper(), key.toLower(), 7);
                check(a == b, "names matched with regard to case");
            }
            const auto parsed = platform::parseProfileInt(text);
            check(a == parsed.value_or(7), "integer read differs from parsing the text");
            check(ini.readBool(section, key, true) == (parsed.value_or(1) != 0), "bool read");
            seen.append(section + u'|' + key + u'|' + text);
        }
    }
    for (const char *key : {"Delay", "DisPlaysize", "LastFile", "FontName", "UseCounTdown"}) {
        const QString name = QString::fromLatin1(key);
        seen.append(ini.readString(QStringLiteral("Stuff"), name, QStringLiteral("<none>")));
        seen.append(QString::number(ini.readInteger(QStringLiteral("Options"), name, 3)));
    }
    return seen;
}

// A printable value made of the input's letters and digits, which must read back unchanged.
QString plainValue(const QByteArray &bytes) {
    QString value;
    for (const char c : bytes.left(1100)) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            c == '/' || c == '.')
            value.append(QLatin1Char(c));
    }
    return value.left(IniFile::kMaxTextLength);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    IniFile ini = IniFile::fromBytes(bytes);
    const QStringList before = readEverything(ini);

    // Writing out and reading back an unchanged document gives the same document, and
    // writing that out again gives the same bytes.
    const QByteArray once = ini.toBytes();
    const IniFile again = IniFile::fromBytes(once);
    check(again.sectionNames() == ini.sectionNames(), "sections changed by a round trip");
    check(readEverything(again) == before, "values changed by a round trip");
    check(again.toBytes() == once, "second round trip changed the bytes");

    // What the configuration writer does, with values taken from the input.
    QStringList kept;
    for (const QString &name : ini.sectionNames()) {
        bool erased = false;
        for (const char *section : {"Stuff", "Configuration", "OPTIONS", "OptionWindows"})
            erased = erased || name.compare(QLatin1String(section), Qt::CaseInsensitive) == 0;
        if (!erased)
            kept.append(name);
    }
    for (const char *section : {"Stuff", "Configuration", "OPTIONS", "OptionWindows"})
        ini.eraseSection(QString::fromLatin1(section));
    const QString plain = plainValue(bytes);
    const QString raw = QString::fromUtf8(bytes.left(2000));
    ini.writeString(QStringLiteral("Options"), QStringLiteral("Program"), plain);
    ini.writeInteger(QStringLiteral("options"), QStringLiteral("Delay"), int(size) - 1000);
    ini.writeBool(QStringLiteral("OptionWindows"), QStringLiteral("SpeedBar"), size % 2 == 0);
    ini.writeString(QStringLiteral("Stuff"), QStringLiteral("LastFile"), raw);
    ini.writeString(QStringLiteral("STUFF"), QStringLiteral("lastfile"), raw + raw);

    const IniFile written = IniFile::fromBytes(ini.toBytes());
    check(written.sectionNames() == kept + QStringList{"Options", "OptionWindows", "Stuff"},
          "sections after erase and write");
    check(written.keyNames(QStringLiteral("Options")) == QStringList({"Program", "Delay"}),
          "keys of Options in write order");
    check(written.keyNames(QStringLiteral("Stuff")) == QStringList{"LastFile"},
          "a written value started a line of its own");
    check(written.readString(QStringLiteral("Options"), QStringLiteral("Program"), QString()) ==
              plain,
          "plain value read back");
    check(written.readInteger(QStringLiteral("Options"), QStringLiteral("Delay"), 0) ==
              int(size) - 1000,
          "integer read back");
    check(written.readBool(QStringLiteral("OptionWindows"), QStringLiteral("SpeedBar"), false) ==
              (size % 2 == 0),
          "bool read back");
    for (const QString &name : kept) {
        for (const QString &key : written.keyNames(name))
            check(written.readString(name, key, QString()) ==
                      again.readString(name, key, QString()),
                  "another section's value changed");
    }
    return 0;
}
