#include "platform/IniFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using platform::IniFile;
using platform::TextEncoding;

namespace {

QByteArray readAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeAll(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Makes every write that would grow a file past `bytes` fail with EFBIG, as a full disk
// would, for the lifetime of the object. Root is not exempt, unlike permission bits.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

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
private slots:
    void parseInteger_data();
    void parseInteger();
    void readString_data();
    void readString();
    void readInteger_data();
    void readInteger();
    void readBool_data();
    void readBool();
    void textLimit_data();
    void textLimit();

    void oddFilesLoad_data();
    void oddFilesLoad();
    void tooLargeFileIsNeverOverwritten();

    void eraseThenWriteOrder();
    void updateKeepsEveryOtherLine();
    void newKeyGoesAfterLastKey();
    void duplicatesFirstWins();
    void lineBreaksCannotInjectEntries();
    void encodingKept_data();
    void encodingKept();

    void singleKeyUpdate();
    void failedWriteKeepsOldFile();
    void writeIntoImpossiblePath_data();
    void writeIntoImpossiblePath();

    void resolvePath_data();
    void resolvePath();

private:
    QTemporaryDir m_dir;
};

void TestIniFile::parseInteger_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("decimal") << "12" << true << 12;
    QTest::newRow("leading blank") << " 12" << true << 12;
    QTest::newRow("surrounding blanks") << "\t12  " << true << 12;
    QTest::newRow("negative") << "-5" << true << -5;
    QTest::newRow("plus sign") << "+7" << true << 7;
    QTest::newRow("leading zeros") << "007" << true << 7;
    QTest::newRow("0x hex") << "0x1F" << true << 31;
    QTest::newRow("0X hex lower digits") << "0X1f" << true << 31;
    QTest::newRow("0x with one digit") << "0x1" << true << 1;
    QTest::newRow("dollar hex") << "$1F" << true << 31;
    QTest::newRow("negative dollar hex") << "-$10" << true << -16;
    QTest::newRow("hex all bits") << "$FFFFFFFF" << true << -1;
    QTest::newRow("0x all bits") << "0xFFFFFFFF" << true << -1;
    QTest::newRow("hex leading zeros") << "$0000000000001" << true << 1;
    QTest::newRow("largest") << "2147483647" << true << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << true << int(-2147483647 - 1);
    QTest::newRow("system colour") << "-2147483644" << true << -2147483644;
    QTest::newRow("0x alone") << "0x" << false << 0;
    QTest::newRow("dollar alone") << "$" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("blanks only") << "   " << false << 0;
    QTest::newRow("sign alone") << "-" << false << 0;
    QTest::newRow("letters") << "abc" << false << 0;
    QTest::newRow("trailing letters") << "12abc" << false << 0;
    QTest::newRow("inner blank") << "1 2" << false << 0;
    QTest::newRow("blank after sign") << "- 5" << false << 0;
    QTest::newRow("x without 0") << "x1F" << false << 0;
    QTest::newRow("signed 0x") << "-0x10" << false << 0;
    QTest::newRow("bad hex digit") << "0x1G" << false << 0;
    QTest::newRow("overflow") << "2147483648" << false << 0;
    QTest::newRow("underflow") << "-2147483649" << false << 0;
    QTest::newRow("huge") << "99999999999999999999999" << false << 0;
    QTest::newRow("hex overflow") << "$100000000" << false << 0;
    QTest::newRow("decimal point") << "1.5" << false << 0;
    QTest::newRow("arabic-indic digit") << QStringLiteral("\u0661") << false << 0;
}

void TestIniFile::parseInteger() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const std::optional<int> parsed = platform::parseProfileInt(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

void TestIniFile::readString_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected"); // "<default>" when the default comes back
    QTest::newRow("plain") << QByteArray("[Stuff]\r\nFontName=Arial\r\n") << "Stuff"
                           << "FontName"
                           << "Arial";
    QTest::newRow("key case") << QByteArray("[Stuff]\r\nDisPlaySize=3\r\n") << "Stuff"
                              << "DisPlaysize"
                              << "3";
    QTest::newRow("section case") << QByteArray("[OPTIONS]\r\nx=1\r\n") << "Options"
                                  << "x"
                                  << "1";
    QTest::newRow("blanks around names and value")
        << QByteArray("  [ Stuff ]  \r\n  FontName  =  Courier New \t\r\n") << "Stuff"
        << "FontName"
        << "Courier New";
    QTest::newRow("double quotes dropped") << QByteArray("[s]\r\nk=\" a b \"\r\n") << "s"
                                           << "k"
                                           << " a b ";
    QTest::newRow("single quotes dropped") << QByteArray("[s]\r\nk='x'\r\n") << "s"
                                           << "k"
                                           << "x";
    QTest::newRow("unmatched quote kept") << QByteArray("[s]\r\nk=\"x'\r\n") << "s"
                                          << "k"
                                          << "\"x'";
    QTest::newRow("equals sign in value") << QByteArray("[s]\r\nk=a=b\r\n") << "s"
                                          << "k"
                                          << "a=b";
    QTest::newRow("empty value is not missing") << QByteArray("[s]\r\nk=\r\n") << "s"
                                                << "k"
                                                << "";
    QTest::newRow("lf endings") << QByteArray("[s]\nk=lf\n") << "s"
                                << "k"
                                << "lf";
    QTest::newRow("cr endings") << QByteArray("[s]\rk=cr") << "s"
                                << "k"
                                << "cr";
    QTest::newRow("missing section") << QByteArray("[s]\r\nk=1\r\n") << "t"
                                     << "k"
                                     << "<default>";
    QTest::newRow("missing key") << QByteArray("[s]\r\nk=1\r\n") << "s"
                                 << "j"
                                 << "<default>";
    QTest::newRow("key of the next section") << QByteArray("[s]\r\n[t]\r\nk=1\r\n") << "s"
                                             << "k"
                                             << "<default>";
    QTest::newRow("key before any section") << QByteArray("k=1\r\n[s]\r\n") << "s"
                                            << "k"
                                            << "<default>";
    QTest::newRow("line without equals") << QByteArray("[s]\r\nk\r\n") << "s"
                                         << "k"
                                         << "<default>";
    QTest::newRow("comment") << QByteArray("[s]\r\n;k=1\r\n") << "s"
                             << "k"
                             << "<default>";
    QTest::newRow("header without bracket is no section")
        << QByteArray("[s]\r\n[t\r\nk=1\r\n") << "s"
        << "k"
        << "1";
    QTest::newRow("bracket inside section name") << QByteArray("[a]b]\r\nk=1\r\n") << "a]b"
                                                 << "k"
                                                 << "1";
    QTest::newRow("utf-8 value") << QByteArray("[s]\r\nk=caf\xc3\xa9\r\n") << "s"
                                 << "k" << QStringLiteral("café");
    QTest::newRow("latin-1 value") << QByteArray("[s]\r\nk=caf\xe9\r\n") << "s"
                                   << "k" << QStringLiteral("café");
    QTest::newRow("bom before the first section") << QByteArray("\xef\xbb\xbf[s]\r\nk=1\r\n") << "s"
                                                  << "k"
                                                  << "1";
}

void TestIniFile::readString() {
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const IniFile ini = IniFile::fromBytes(file);
    QCOMPARE(ini.readString(section, key, QStringLiteral("<default>")), expected);
}

void TestIniFile::readInteger_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("expected");
    QTest::newRow("decimal") << QByteArray("v=125") << 125;
    QTest::newRow("blanks around") << QByteArray("v =  12  ") << 12;
    QTest::newRow("0x hex") << QByteArray("v=0x1F") << 31;
    QTest::newRow("dollar hex") << QByteArray("v=$1F") << 31;
    QTest::newRow("quoted") << QByteArray("v=\"7\"") << 7;
    QTest::newRow("0x alone") << QByteArray("v=0x") << -99;
    QTest::newRow("empty") << QByteArray("v=") << -99;
    QTest::newRow("garbage") << QByteArray("v=abc") << -99;
    QTest::newRow("overflow") << QByteArray("v=4294967296") << -99;
    QTest::newRow("missing") << QByteArray("w=1") << -99;
}

void TestIniFile::readInteger() {
    QFETCH(QByteArray, line);
    QFETCH(int, expected);
    const IniFile ini = IniFile::fromBytes("[Stuff]\r\n" + line + "\r\n");
    QCOMPARE(ini.readInteger(QStringLiteral("stuff"), QStringLiteral("V"), -99), expected);
}

void TestIniFile::readBool_data() {
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

void TestIniFile::readBool() {
    QFETCH(QByteArray, line);
    QFETCH(bool, defaultValue);
    QFETCH(bool, expected);
    const IniFile ini = IniFile::fromBytes("[Options]\r\n" + line + "\r\n");
    QCOMPARE(ini.readBool(QStringLiteral("Options"), QStringLiteral("b"), defaultValue), expected);
}

void TestIniFile::textLimit_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("length");
    QTest::newRow("short") << QString(10, u'a') << 10;
    QTest::newRow("exactly the limit") << QString(1023, u'a') << 1023;
    QTest::newRow("one over") << QString(1024, u'a') << 1023;
    QTest::newRow("long line") << QString(1 << 20, u'a') << 1023;
    // A character outside the basic plane is never cut in half.
    QTest::newRow("surrogate pair at the cut")
        << QString(1022, u'a') + QStringLiteral("\U0001F600") << 1022;
}

void TestIniFile::textLimit() {
    QFETCH(QString, value);
    QFETCH(int, length);
    IniFile ini;
    ini.writeString(QStringLiteral("s"), QStringLiteral("k"), value);
    const IniFile reread = IniFile::fromBytes(ini.toBytes());
    const QString read = reread.readString(QStringLiteral("s"), QStringLiteral("k"), QString());
    QCOMPARE(read.size(), length);
    QCOMPARE(read, value.left(length));
}

void TestIniFile::oddFilesLoad_data() {
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

void TestIniFile::oddFilesLoad() {
    QFETCH(QByteArray, bytes);
    const QString path = m_dir.filePath(QStringLiteral("odd.ini"));
    QVERIFY(writeAll(path, bytes));
    QElapsedTimer timer;
    timer.start();
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
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
}

void TestIniFile::tooLargeFileIsNeverOverwritten() {
    const QString path = m_dir.filePath(QStringLiteral("large.ini"));
    const QByteArray bytes = "[Mine]\r\nkeep=1\r\n" + QByteArray(IniFile::kMaxFileBytes, ';');
    QVERIFY(writeAll(path, bytes));
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

void TestIniFile::eraseThenWriteOrder() {
    IniFile ini = IniFile::fromBytes("; my notes\r\n"
                                     "[Custom]\r\n"
                                     "x=1\r\n"
                                     "[Stuff]\r\n"
                                     "Old=1\r\n"
                                     "[Options]\r\n"
                                     "Old=2\r\n"
                                     "\r\n"
                                     "[Other]\r\n"
                                     "y = 2 \r\n"
                                     "[configuration]\r\n"
                                     "z=3\r\n");
    writeLikeTheProgram(ini);
    QCOMPARE(ini.sectionNames(),
             (QStringList{"Custom", "Other", "Options", "Stuff", "OptionWindows"}));
    QCOMPARE(ini.keyNames(QStringLiteral("options")), (QStringList{"Program", "Centering"}));
    QCOMPARE(ini.toBytes(), QByteArray("; my notes\r\n"
                                       "[Custom]\r\n"
                                       "x=1\r\n"
                                       "[Other]\r\n"
                                       "y = 2 \r\n"
                                       "[Options]\r\n"
                                       "Program=ZAL LectoScope-32 1.24\r\n"
                                       "Centering=1\r\n"
                                       "[Stuff]\r\n"
                                       "ArrowAmt=50\r\n"
                                       "MainColor=-2147483644\r\n"
                                       "[OptionWindows]\r\n"
                                       "SpeedBar=0\r\n"));
}

void TestIniFile::updateKeepsEveryOtherLine() {
    const QByteArray before("; header comment\n"
                            "[Stuff]\n"
                            "  FontName = Arial  \n"
                            "LASTFILE=/old/script.txt\n"
                            "junk line\n"
                            "Delay=5\n"
                            "\n"
                            "[Keep]\n"
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

void TestIniFile::newKeyGoesAfterLastKey() {
    IniFile ini = IniFile::fromBytes("[Stuff]\r\n"
                                     "a=1\r\n"
                                     "; comment about [Next]\r\n"
                                     "\r\n"
                                     "[Next]\r\n");
    ini.writeInteger(QStringLiteral("Stuff"), QStringLiteral("b"), 2);
    ini.writeInteger(QStringLiteral("Next"), QStringLiteral("c"), 3);
    QCOMPARE(ini.toBytes(), QByteArray("[Stuff]\r\n"
                                       "a=1\r\n"
                                       "b=2\r\n"
                                       "; comment about [Next]\r\n"
                                       "\r\n"
                                       "[Next]\r\n"
                                       "c=3\r\n"));
}

void TestIniFile::duplicatesFirstWins() {
    IniFile ini = IniFile::fromBytes("[Stuff]\r\n"
                                     "Delay=1\r\n"
                                     "delay=2\r\n"
                                     "[Other]\r\n"
                                     "[STUFF]\r\n"
                                     "Delay=3\r\n"
                                     "Extra=4\r\n");
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

void TestIniFile::lineBreaksCannotInjectEntries() {
    IniFile ini;
    ini.writeString(QStringLiteral("Stuff"), QStringLiteral("LastFile"),
                    QStringLiteral("/tmp/odd\r\n[Options]\nShowClock=0"));
    const IniFile reread = IniFile::fromBytes(ini.toBytes());
    QCOMPARE(reread.sectionNames(), QStringList{"Stuff"});
    QCOMPARE(reread.readString(QStringLiteral("Stuff"), QStringLiteral("LastFile"), QString()),
             QStringLiteral("/tmp/odd  [Options] ShowClock=0"));
}

void TestIniFile::encodingKept_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::newRow("latin-1 stays latin-1")
        << QByteArray("[Mine]\r\nname=Andr\xe9\r\n") << QStringLiteral("/home/x/caf\u00e9.txt")
        << QByteArray("[Mine]\r\nname=Andr\xe9\r\n[Stuff]\r\nLastFile=/home/x/caf\xe9.txt\r\n")
        << TextEncoding::Latin1;
    QTest::newRow("latin-1 given the euro sign becomes utf-8")
        << QByteArray("[Mine]\r\nname=Andr\xe9\r\n") << QStringLiteral("/x/\u20ac.txt")
        << QByteArray("[Mine]\r\nname=Andr\xc3\xa9\r\n[Stuff]\r\nLastFile=/x/\xe2\x82\xac.txt\r\n")
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

void TestIniFile::encodingKept() {
    QFETCH(QByteArray, before);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    QFETCH(TextEncoding, encoding);
    const QString path = m_dir.filePath(QStringLiteral("enc.ini"));
    QFile::remove(path);
    if (!before.isEmpty())
        QVERIFY(writeAll(path, before));
    QString error;
    QVERIFY2(IniFile::writeSingleString(path, QStringLiteral("Stuff"), QStringLiteral("LastFile"),
                                        value, &error),
             qPrintable(error));
    QCOMPARE(readAll(path), after);
    const IniFile reread = IniFile::load(path);
    QCOMPARE(reread.encoding(), encoding);
    QCOMPARE(reread.readString(QStringLiteral("Stuff"), QStringLiteral("LastFile"), QString()),
             value);
}

void TestIniFile::singleKeyUpdate() {
    const QString path = m_dir.filePath(QStringLiteral("single.ini"));
    QFile::remove(path);
    QString error;
    QVERIFY(IniFile::writeSingleString(path, QStringLiteral("Stuff"), QStringLiteral("LastFile"),
                                       QStringLiteral("/a.txt"), &error));
    QCOMPARE(readAll(path), QByteArray("[Stuff]\r\nLastFile=/a.txt\r\n"));

    const QByteArray full("[Options]\r\nShowClock=1\r\n[Stuff]\r\nArrowAmt=50\r\n"
                          "LastFile=/a.txt\r\nFontName=Arial\r\n[OptionWindows]\r\nML=10\r\n");
    QVERIFY(writeAll(path, full));
    QVERIFY(IniFile::writeSingleString(path, QStringLiteral("Stuff"), QStringLiteral("LastFile"),
                                       QStringLiteral("/b.txt"), &error));
    QByteArray expected = full;
    expected.replace("/a.txt", "/b.txt");
    QCOMPARE(readAll(path), expected);
}

void TestIniFile::failedWriteKeepsOldFile() {
    // Tests run as root here, where a read-only file or folder does not stop a write. A file
    // size limit does: the write fails half way, as on a full disk.
    const QString path = m_dir.filePath(QStringLiteral("kept.ini"));
    const QByteArray old("[Stuff]\r\nArrowAmt=50\r\n");
    QVERIFY(writeAll(path, old));
    IniFile ini = IniFile::load(path);
    ini.eraseSection(QStringLiteral("Stuff"));
    ini.writeString(QStringLiteral("Stuff"), QStringLiteral("FontName"), QString(4000, u'x'));
    QString error;
    bool saved = true;
    {
        FileSizeLimit limit(1024);
        saved = ini.save(path, &error);
    }
    QVERIFY(!saved);
    QVERIFY(!error.isEmpty());
    QCOMPARE(readAll(path), old);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).filter("kept"),
             QStringList{"kept.ini"});
}

void TestIniFile::writeIntoImpossiblePath_data() {
    QTest::addColumn<QString>("name");
    // The parent is a regular file: no folder can hold the temporary file.
    QTest::newRow("parent is a file") << "plain.ini/ZALSCROL.INI";
    // The target is a folder: the finished file cannot replace it.
    QTest::newRow("target is a folder") << "folder.ini";
}

void TestIniFile::writeIntoImpossiblePath() {
    QFETCH(QString, name);
    QVERIFY(writeAll(m_dir.filePath(QStringLiteral("plain.ini")), "[a]\r\n"));
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder.ini")));
    const QString path = m_dir.filePath(name);
    QString error;
    QVERIFY(!IniFile::writeSingleString(path, QStringLiteral("Stuff"), QStringLiteral("LastFile"),
                                        QStringLiteral("/x"), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(readAll(m_dir.filePath(QStringLiteral("plain.ini"))), QByteArray("[a]\r\n"));
    QVERIFY(QFileInfo(m_dir.filePath(QStringLiteral("folder.ini"))).isDir());
}

void TestIniFile::resolvePath_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("default file") << "ZALSCROL.INI"
                                  << "/cfg/lectoscope/ZALSCROL.INI";
    QTest::newRow("other case is a plain name") << "zalscrol.ini"
                                                << "/cfg/lectoscope/zalscrol.ini";
    QTest::newRow("bare name") << "studio.ini"
                               << "/cfg/lectoscope/studio.ini";
    QTest::newRow("full path") << "/home/op/studio.ini"
                               << "/home/op/studio.ini";
    QTest::newRow("relative path") << "sub/studio.ini"
                                   << "sub/studio.ini";
}

void TestIniFile::resolvePath() {
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(platform::resolveConfigPath(name, QStringLiteral("/cfg/lectoscope")), expected);
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
