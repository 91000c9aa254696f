// The configuration file format: value forms, reading rules, writing in place, encodings
// and atomic saves.
#include "TestSupport.h"

#include "platform/IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using platform::IniFile;
using platform::TextEncoding;
using testsupport::readFile;
using testsupport::Refusal;
using testsupport::writeBytes;

namespace {

// What the configuration writer does: erase its sections, then write its keys in order.
void writeLikeTheProgram(IniFile &ini) {
    for (const char *section : {"Stuff", "Configuration", "OPTIONS", "OptionWindows"})
        ini.eraseSection(QString::fromLatin1(section));
    ini.writeString(QStringLiteral("Options"), QStringLiteral("Program"),
                    QStringLiteral("ZAL LectoScope-32 1.24"));
    ini.writeBool(QStringLiteral("Options"), QStringLiteral("Centering"), true);
    ini.writeInteger(QStringLiteral("Stuff"), QStringLiteral("ArrowAmt"), 50);
    ini.writeInteger(QStringLiteral("Stuff"), QStringLiteral("MainColor"), -2147483644);
    ini.writeBool(QStringLiteral("OptionWindows"), QStringLiteral("SpeedBar"), false);
}

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void parseInteger_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        QTest::newRow("decimal") << "12" << true << 12;
        QTest::newRow("surrounding blanks") << "\t12  " << true << 12;
        QTest::newRow("negative") << "-5" << true << -5;
        QTest::newRow("leading zeros") << "007" << true << 7;
        QTest::newRow("0x hex") << "0x1F" << true << 31;
        QTest::newRow("0X hex lower digits") << "0X1f" << true << 31;
        QTest::newRow("dollar hex") << "$1F" << true << 31;
        QTest::newRow("negative dollar hex") << "-$10" << true << -16;
        QTest::newRow("hex all bits") << "$FFFFFFFF" << true << -1;
        QTest::newRow("0x all bits") << "0xFFFFFFFF" << true << -1;
        QTest::newRow("largest") << "2147483647" << true << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << true << int(-2147483647 - 1);
        QTest::newRow("system colour") << "-2147483644" << true << -2147483644;
        QTest::newRow("0x alone") << "0x" << false << 0;
        QTest::newRow("dollar alone") << "$" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("sign alone") << "-" << false << 0;
        QTest::newRow("trailing letters") << "12abc" << false << 0;
        QTest::newRow("inner blank") << "1 2" << false << 0;
        QTest::newRow("blank after sign") << "- 5" << false << 0;
        QTest::newRow("signed 0x") << "-0x10" << false << 0;
        QTest::newRow("bad hex digit") << "0x1G" << false << 0;
        QTest::newRow("overflow") << "2147483648" << false << 0;
        QTest::newRow("huge") << "99999999999999999999999" << false << 0;
        QTest::newRow("hex overflow") << "$100000000" << false << 0;
        QTest::newRow("decimal point") << "1.5" << false << 0;
        QTest::newRow("arabic-indic digit") << QStringLiteral("\u0661") << false << 0;
    }

    void parseInteger() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, value);
        const std::optional<int> parsed = platform::parseProfileInt(text);
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QCOMPARE(*parsed, value);
    }

    void readString_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected"); // "<default>" when the default comes back
        const auto row = [](const char *name, const char *file, const char *section,
                            const char *key, const char *expected) {
            QTest::newRow(name) << QByteArray(file) << QString::fromLatin1(section)
                                << QString::fromLatin1(key) << QString::fromUtf8(expected);
        };
        row("plain", "[Stuff]\r\nFontName=Arial\r\n", "Stuff", "FontName", "Arial");
        row("key case", "[Stuff]\r\nDisPlaySize=3\r\n", "Stuff", "DisPlaysize", "3");
        row("section case", "[OPTIONS]\r\nx=1\r\n", "Options", "x", "1");
        row("blanks around names and value", "  [ Stuff ]  \r\n  FontName  =  Courier New \t\r\n",
            "Stuff", "FontName", "Courier New");
        row("double quotes dropped", "[s]\r\nk=\" a b \"\r\n", "s", "k", " a b ");
        row("single quotes dropped", "[s]\r\nk='x'\r\n", "s", "k", "x");
        row("unmatched quote kept", "[s]\r\nk=\"x'\r\n", "s", "k", "\"x'");
        row("equals sign in value", "[s]\r\nk=a=b\r\n", "s", "k", "a=b");
        row("empty value is not missing", "[s]\r\nk=\r\n", "s", "k", "");
        row("lf endings", "[s]\nk=lf\n", "s", "k", "lf");
        row("cr endings", "[s]\rk=cr", "s", "k", "cr");
        row("missing section", "[s]\r\nk=1\r\n", "t", "k", "<default>");
        row("missing key", "[s]\r\nk=1\r\n", "s", "j", "<default>");
        row("key of the next section", "[s]\r\n[t]\r\nk=1\r\n", "s", "k", "<default>");
        row("key before any section", "k=1\r\n[s]\r\n", "s", "k", "<default>");
        row("line without equals", "[s]\r\nk\r\n", "s", "k", "<default>");
        row("comment", "[s]\r\n;k=1\r\n", "s", "k", "<default>");
        row("header without bracket is no section", "[s]\r\n[t\r\nk=1\r\n", "s", "k", "1");
        row("bracket inside section name", "[a]b]\r\nk=1\r\n", "a]b", "k", "1");
        row("utf-8 value", "[s]\r\nk=caf\xc3\xa9\r\n", "s", "k", "café");
        row("windows-1252 value", "[s]\r\nk=caf\xe9 \x80\r\n", "s", "k", "café €");
        row("bom before the first section", "\xef\xbb\xbf[s]\r\nk=1\r\n", "s", "k", "1");
    }

    void readString() {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        const IniFile ini = IniFile::fromBytes(file);
        QCOMPARE(ini.readString(section, key, QStringLiteral("<default>")), expected);
    }

    void readInteger_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("expected");
        QTest::newRow("decimal") << QByteArray("v=125") << 125;
        QTest::newRow("quoted") << QByteArray("v=\"7\"") << 7;
        QTest::newRow("0x alone") << QByteArray("v=0x") << -99;
        QTest::newRow("overflow") << QByteArray("v=4294967296") << -99;
        QTest::newRow("missing") << QByteArray("w=1") << -99;
    }

    void readInteger() {
        QFETCH(QByteArray, line);
        QFETCH(int, expected);
        const IniFile ini = IniFile::fromBytes("[Stuff]\r\n" + line + "\r\n");
        QCOMPARE(ini.readInteger(QStringLiteral("stuff"), QStringLiteral("V"), -99), expected);
    }

    void readBool_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("defaultValue");
        QTest::addColumn<bool>("expected");
        QTest::newRow("1") << QByteArray("b=1") << false << true;
        QTest::newRow("0") << QByteArray("b=0") << true << false;
        QTest::newRow("any non-zero") << QByteArray("b=-2") << false << true;
        QTest::newRow("hex non-zero") << QByteArray("b=$10") << false << true;
        QTest::newRow("word gives default true") << QByteArray("b=yes") << true << true;
        QTest::newRow("word gives default false") << QByteArray("b=true") << false << false;
        QTest::newRow("missing gives default true") << QByteArray("c=0") << true << true;
        QTest::newRow("missing gives default false") << QByteArray("c=1") << false << false;
    }

    void readBool() {
        QFETCH(QByteArray, line);
        QFETCH(bool, defaultValue);
        QFETCH(bool, expected);
        const IniFile ini = IniFile::fromBytes("[Options]\r\n" + line + "\r\n");
        QCOMPARE(ini.readBool(QStringLiteral("Options"), QStringLiteral("b"), defaultValue),
                 expected);
    }

    // A written text reads back as written, up to the length limit.
    void textLimit_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("length");
        QTest::newRow("short") << QString(10, u'a') << 10;
        QTest::newRow("exactly the limit") << QString(1023, u'a') << 1023;
        QTest::newRow("one over") << QString(1024, u'a') << 1023;
        QTest::newRow("long line") << QString(1 << 20, u'a') << 1023;
        // A character outside the basic plane is never cut in half.
        QTest::newRow("surrogate pair at the cut")
            << QString(1022, u'a') + QStringLiteral("\U0001F600") << 1022;
        // Blanks at the ends and enclosing quotes, which reading drops, come back as written.
        QTest::newRow("blanks at the ends") << QStringLiteral(" a b\t") << 5;
        QTest::newRow("double quotes") << QStringLiteral("\"x\"") << 3;
        QTest::newRow("single quotes and a blank") << QStringLiteral("'x' ") << 4;
    }

    void textLimit() {
        QFETCH(QString, value);
        QFETCH(int, length);
        IniFile ini;
        ini.writeString(QStringLiteral("s"), QStringLiteral("k"), value);
        const IniFile reread = IniFile::fromBytes(ini.toBytes());
        const QString read = reread.readString(QStringLiteral("s"), QStringLiteral("k"), QString());
        QCOMPARE(read.size(), length);
        QCOMPARE(read, value.left(length));
    }

    void oddFilesLoad_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("line breaks only") << QByteArray("\r\n\n\r\r\n");
        QByteArray binary;
        for (int i = 0; i < 4096; ++i)
            binary.append(char((i * 131 + i / 7) & 0xff));
        QTest::newRow("binary") << binary;
        QTest::newRow("nul bytes") << QByteArray("[Stuff]\r\nArrowAmt=7\0\0\r\n", 22);
        QTest::newRow("brackets only") << QByteArray("[\r\n]\r\n[]\r\n[[]]\r\n=\r\n==\r\n");
        QByteArray many;
        for (int i = 0; i < 50000; ++i)
            many += "[S" + QByteArray::number(i % 50) + "]\r\nk" + QByteArray::number(i) + "=" +
                    QByteArray::number(i) + "\r\n";
        QTest::newRow("many duplicate sections") << many;
        QTest::newRow("one overlong line") << QByteArray(8 * 1024 * 1024, 'x');
    }

    void oddFilesLoad() {
        QFETCH(QByteArray, bytes);
        const QString path = m_dir.filePath(QStringLiteral("odd.ini"));
        QVERIFY(writeBytes(path, bytes));
        IniFile ini = IniFile::load(path);
        QCOMPARE(ini.loadStatus(), IniFile::LoadStatus::Loaded);
        QCOMPARE(ini.readInteger(QStringLiteral("Stuff"), QStringLiteral("PgJumpAmt"), 100), 100);
        QCOMPARE(ini.readString(QStringLiteral("Stuff"), QStringLiteral("LastFile"), QString()),
                 QString());
        writeLikeTheProgram(ini);
        QString error;
        QVERIFY2(ini.save(path, &error), qPrintable(error));
        const IniFile reread = IniFile::load(path);
        QCOMPARE(reread.readInteger(QStringLiteral("stuff"), QStringLiteral("arrowamt"), 0), 50);
        QCOMPARE(reread.readBool(QStringLiteral("OptionWindows"), QStringLiteral("Speedbar"), true),
                 false);
    }

    void tooLargeFileIsNeverOverwritten() {
        const QString path = m_dir.filePath(QStringLiteral("large.ini"));
        const QByteArray bytes = "[Mine]\r\nkeep=1\r\n" + QByteArray(IniFile::kMaxFileBytes, ';');
        QVERIFY(writeBytes(path, bytes));
        IniFile ini = IniFile::load(path);
        QCOMPARE(ini.loadStatus(), IniFile::LoadStatus::Unreadable);
        QVERIFY(ini.existed());
        QCOMPARE(ini.readInteger(QStringLiteral("Mine"), QStringLiteral("keep"), 0), 0);
        writeLikeTheProgram(ini);
        QString error;
        // Writing would lose the section that could not be read.
        QVERIFY(!ini.save(path, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(QFileInfo(path).size(), bytes.size());
        // The same settings may still go to another file.
        QVERIFY(ini.save(m_dir.filePath(QStringLiteral("elsewhere.ini")), &error));
    }

    void eraseThenWriteOrder() {
        IniFile ini = IniFile::fromBytes("; my notes\r\n[Custom]\r\nx=1\r\n[Stuff]\r\nOld=1\r\n"
                                         "[Options]\r\nOld=2\r\n\r\n[Other]\r\ny = 2 \r\n"
                                         "[configuration]\r\nz=3\r\n");
        writeLikeTheProgram(ini);
        QCOMPARE(ini.sectionNames(),
                 (QStringList{"Custom", "Other", "Options", "Stuff", "OptionWindows"}));
        QCOMPARE(ini.keyNames(QStringLiteral("options")), (QStringList{"Program", "Centering"}));
        QCOMPARE(ini.toBytes(), QByteArray("; my notes\r\n[Custom]\r\nx=1\r\n[Other]\r\n"
                                           "y = 2 \r\n[Options]\r\n"
                                           "Program=ZAL LectoScope-32 1.24\r\nCentering=1\r\n"
                                           "[Stuff]\r\nArrowAmt=50\r\nMainColor=-2147483644\r\n"
                                           "[OptionWindows]\r\nSpeedBar=0\r\n"));
    }

    void updateKeepsEveryOtherLine() {
        const QByteArray before("; header comment\n[Stuff]\n  FontName = Arial  \n"
                                "LASTFILE=/old/script.txt\njunk line\nDelay=5\n\n[Keep]\n"
                                "a=\"quoted\"\n");
        IniFile ini = IniFile::fromBytes(before);
        ini.writeString(QStringLiteral("Stuff"), QStringLiteral("LastFile"),
                        QStringLiteral("/new/script.txt"));
        // The key keeps its place and spelling; every other line is written back as it was,
        // with CR LF line ends.
        QByteArray expected = before;
        expected.replace("LASTFILE=/old/script.txt", "LASTFILE=/new/script.txt");
        expected.replace("\n", "\r\n");
        QCOMPARE(ini.toBytes(), expected);
    }

    void newKeyGoesAfterLastKey() {
        IniFile ini = IniFile::fromBytes("[Stuff]\r\na=1\r\n; comment about [Next]\r\n\r\n"
                                         "[Next]\r\n");
        ini.writeInteger(QStringLiteral("Stuff"), QStringLiteral("b"), 2);
        ini.writeInteger(QStringLiteral("Next"), QStringLiteral("c"), 3);
        QCOMPARE(ini.toBytes(), QByteArray("[Stuff]\r\na=1\r\nb=2\r\n; comment about [Next]\r\n"
                                           "\r\n[Next]\r\nc=3\r\n"));
    }

    void duplicatesFirstWins() {
        IniFile ini = IniFile::fromBytes("[Stuff]\r\nDelay=1\r\ndelay=2\r\n[Other]\r\n"
                                         "[STUFF]\r\nDelay=3\r\nExtra=4\r\n");
        // The first section of the name and the first key of the name in it are read; a key
        // that only a later duplicate section holds is not seen.
        QCOMPARE(ini.readInteger(QStringLiteral("Stuff"), QStringLiteral("Delay"), 0), 1);
        QCOMPARE(ini.readInteger(QStringLiteral("Stuff"), QStringLiteral("Extra"), 0), 0);
        QCOMPARE(ini.sectionNames(), (QStringList{"Stuff", "Other", "STUFF"}));
        // Writing changes that same first key; a new key goes to the first section.
        ini.writeInteger(QStringLiteral("stuff"), QStringLiteral("DELAY"), 9);
        ini.writeInteger(QStringLiteral("stuff"), QStringLiteral("Extra"), 8);
        QCOMPARE(ini.keyNames(QStringLiteral("Stuff")), (QStringList{"Delay", "delay", "Extra"}));
        QCOMPARE(ini.readInteger(QStringLiteral("Stuff"), QStringLiteral("Delay"), 0), 9);
        QCOMPARE(ini.readInteger(QStringLiteral("Stuff"), QStringLiteral("Extra"), 0), 8);
        // Erasing removes every section of the name, so no stale duplicate comes to light.
        ini.eraseSection(QStringLiteral("stuff"));
        QCOMPARE(ini.sectionNames(), QStringList{"Other"});
        QCOMPARE(ini.readInteger(QStringLiteral("Stuff"), QStringLiteral("Delay"), -1), -1);
    }

    void lineBreaksCannotInjectEntries() {
        IniFile ini;
        ini.writeString(QStringLiteral("Stuff"), QStringLiteral("LastFile"),
                        QStringLiteral("/tmp/odd\r\n[Options]\nShowClock=0"));
        const IniFile reread = IniFile::fromBytes(ini.toBytes());
        QCOMPARE(reread.sectionNames(), QStringList{"Stuff"});
        QCOMPARE(reread.readString(QStringLiteral("Stuff"), QStringLiteral("LastFile"), QString()),
                 QStringLiteral("/tmp/odd  [Options] ShowClock=0"));
    }

    void encodingKept_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<TextEncoding>("encoding");
        QTest::newRow("windows-1252 stays windows-1252")
            << QByteArray("[Mine]\r\nname=Andr\xe9\r\n") << QStringLiteral("/home/x/caf\u00e9.txt")
            << QByteArray("[Mine]\r\nname=Andr\xe9\r\n[Stuff]\r\nLastFile=/home/x/caf\xe9.txt\r\n")
            << TextEncoding::Windows1252;
        QTest::newRow("windows-1252 given a character outside it becomes utf-8")
            << QByteArray("[Mine]\r\nname=Andr\xe9\r\n") << QStringLiteral("/x/\u2713.txt")
            << QByteArray(
                   "[Mine]\r\nname=Andr\xc3\xa9\r\n[Stuff]\r\nLastFile=/x/\xe2\x9c\x93.txt\r\n")
            << TextEncoding::Utf8;
        QTest::newRow("utf-8 stays utf-8")
            << QByteArray("[Mine]\r\nname=Andr\xc3\xa9\r\n") << QStringLiteral("/x/\u00e9")
            << QByteArray("[Mine]\r\nname=Andr\xc3\xa9\r\n[Stuff]\r\nLastFile=/x/\xc3\xa9\r\n")
            << TextEncoding::Utf8;
        QTest::newRow("bom kept") << QByteArray("\xef\xbb\xbf[Mine]\r\n") << QStringLiteral("/x")
                                  << QByteArray("\xef\xbb\xbf[Mine]\r\n[Stuff]\r\nLastFile=/x\r\n")
                                  << TextEncoding::Utf8Bom;
        QTest::newRow("new file is utf-8")
            << QByteArray() << QStringLiteral("/x/\u00e9")
            << QByteArray("[Stuff]\r\nLastFile=/x/\xc3\xa9\r\n") << TextEncoding::Utf8;
    }

    void encodingKept() {
        QFETCH(QByteArray, before);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        QFETCH(TextEncoding, encoding);
        const QString path = m_dir.filePath(QStringLiteral("enc.ini"));
        QFile::remove(path);
        if (!before.isEmpty())
            QVERIFY(writeBytes(path, before));
        QString error;
        QVERIFY2(IniFile::writeSingleString(path, QStringLiteral("Stuff"),
                                            QStringLiteral("LastFile"), value, &error),
                 qPrintable(error));
        QCOMPARE(readFile(path), after);
        const IniFile reread = IniFile::load(path);
        QCOMPARE(reread.encoding(), encoding);
        QCOMPARE(reread.readString(QStringLiteral("Stuff"), QStringLiteral("LastFile"), QString()),
                 value);
    }

    // A refused save reports why and leaves the folder as it was, an old file whole.
    void saveRefused_data() {
        QTest::addColumn<Refusal>("how");
        QTest::newRow("disk full over an old file") << Refusal::DiskFull;
        QTest::newRow("parent is a file") << Refusal::ParentIsFile;
        QTest::newRow("target is a folder") << Refusal::PathIsFolder;
    }
    void saveRefused() {
        QFETCH(Refusal, how);
        QTemporaryDir dir;
        const QString path = testsupport::refusedPath(dir.path(), how, QStringLiteral("c.ini"));
        const QStringList before = testsupport::entriesIn(dir.path());
        IniFile ini;
        ini.writeString(QStringLiteral("Stuff"), QStringLiteral("FontName"), QString(4000, u'x'));
        QString error;
        QVERIFY(!testsupport::attemptSave(how, [&] { return ini.save(path, &error); }));
        QVERIFY(!error.isEmpty());
        QCOMPARE(testsupport::entriesIn(dir.path()), before);
        if (how == Refusal::DiskFull)
            QCOMPARE(readFile(path), testsupport::oldContent());
    }

    void resolvePath_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("default file")
            << QStringLiteral("ZALSCROL.INI") << QStringLiteral("/cfg/lectoscope/ZALSCROL.INI");
        QTest::newRow("other case is a plain name")
            << QStringLiteral("zalscrol.ini") << QStringLiteral("/cfg/lectoscope/zalscrol.ini");
        QTest::newRow("bare name")
            << QStringLiteral("studio.ini") << QStringLiteral("/cfg/lectoscope/studio.ini");
        QTest::newRow("full path")
            << QStringLiteral("/home/op/studio.ini") << QStringLiteral("/home/op/studio.ini");
        QTest::newRow("relative path")
            << QStringLiteral("sub/studio.ini") << QStringLiteral("sub/studio.ini");
    }

    void resolvePath() {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(platform::resolveConfigPath(name, QStringLiteral("/cfg/lectoscope")), expected);
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
