// Feeds arbitrary bytes to the configuration file reader and writer: every read form on
// every section and key, then the configuration record read from the file, written back into
// it and read again from the written bytes, with no window.
#include "app/Configuration.h"
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

    // The settings: what is read from the input is written back into it, and the written
    // file reads back as the same settings. Keys written only are not read, and
    // the second read of the count-down finds what the first one wrote.
    const QSize screen(1024, 768);
    const app::ConfigurationRead first = app::readConfiguration(ini, screen);
    check(first.values.pixelFormat >= 0 && first.values.pixelFormat <= 7, "pixel format range");
    check(first.values.fontName.size() <= 31, "font face longer than 31 characters");
    QStringList kept;
    for (const QString &name : ini.sectionNames()) {
        bool erased = false;
        for (const char *section : {"Stuff", "Configuration", "OPTIONS", "OptionWindows"})
            erased = erased || name.compare(QLatin1String(section), Qt::CaseInsensitive) == 0;
        if (!erased)
            kept.append(name);
    }
    app::writeConfiguration(ini, first.values);
    const IniFile written = IniFile::fromBytes(ini.toBytes());
    check(written.sectionNames() == kept + QStringList{"Options", "Stuff", "OptionWindows"},
          "sections after erase and write");
    for (const char *section : {"Options", "Stuff", "OptionWindows"}) {
        QStringList keys;
        for (const app::ConfigurationKey &k : app::configurationKeys()) {
            if (k.isWritten() && k.section == QLatin1String(section))
                keys.append(k.key);
        }
        check(written.keyNames(QLatin1String(section)) == keys, "keys not in table order");
    }
    const app::ConfigurationRead second = app::readConfiguration(written, screen);
    Settings expected = first.values;
    expected.countDownSecondRead = expected.countDown;
    check(!second.invalidStartTime, "the written start time is not a valid time");
    check(second.values == expected, "the written settings read back otherwise");
    // A value holding line breaks stays one entry.
    Settings raw = first.values;
    raw.scriptPath = QString::fromUtf8(bytes.left(2000));
    app::writeConfiguration(ini, raw);
    const IniFile rewritten = IniFile::fromBytes(ini.toBytes());
    check(rewritten.sectionNames() == written.sectionNames(), "a written value started a section");
    check(rewritten.keyNames(QStringLiteral("Stuff")) == written.keyNames(QStringLiteral("Stuff")),
          "a written value started a key");
    for (const QString &name : kept) {
        for (const QString &key : written.keyNames(name))
            check(written.readString(name, key, QString()) ==
                      again.readString(name, key, QString()),
                  "another section's value changed");
    }
    return 0;
}
