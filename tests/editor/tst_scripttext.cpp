#include "editor/ScriptText.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

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

} // namespace

Q_DECLARE_METATYPE(TextEncoding)

class TestScriptText : public QObject {
    Q_OBJECT
private slots:
    void countWordsInLine_data();
    void countWordsInLine();
    void countWordsInText();

    void decode_data();
    void decode();
    void decodeRefusesNul_data();
    void decodeRefusesNul();

    void encode_data();
    void encode();

    void byteExactRoundTrip_data();
    void byteExactRoundTrip();
    void loneBreaksBecomeCrLf();

    void loadRefuses_data();
    void loadRefuses();
    void saveFailureKeepsOldFile_data();
    void saveFailureKeepsOldFile();
    void saveIntoImpossiblePath_data();
    void saveIntoImpossiblePath();

    void fiveMegabyteScript();

private:
    QTemporaryDir m_dir;
};

void TestScriptText::countWordsInLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("words");
    QTest::newRow("one and two spaces") << "one two  three" << 3;
    QTest::newRow("word between spaces") << "  one  " << 1;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("only spaces") << "   " << 0;
    QTest::newRow("tab inside joins") << "one\ttwo" << 1;
    QTest::newRow("tabs at the ends trimmed") << "\tone two\t" << 2;
    QTest::newRow("lone tab between spaces is a word") << "a \t b" << 3;
    QTest::newRow("control characters trimmed") << "\x01one two\x1f" << 2;
    QTest::newRow("only control characters") << "\t\x02\t" << 0;
    QTest::newRow("no-break space joins") << QStringLiteral("one\u00a0two") << 1;
    QTest::newRow("punctuation alone counts") << "one - two" << 3;
}

void TestScriptText::countWordsInLine() {
    QFETCH(QString, line);
    QFETCH(int, words);
    QCOMPARE(::countWords(QStringView(line)), words);
}

void TestScriptText::countWordsInText() {
    // Lines end at CR LF, CR and LF alike; each line is counted on its own.
    const QString text = QStringLiteral("one two  three\r\n  one  \r\n\r\n   \rx\ty\nlast word");
    QCOMPARE(::countWordsInText(text), 3 + 1 + 0 + 0 + 1 + 2);
    QCOMPARE(::countWordsInText(u""), 0);
    const QStringList lines{QStringLiteral("one two"), QString(), QStringLiteral(" \tthree\t ")};
    QCOMPARE(::countWords(lines), 3);
}

void TestScriptText::decode_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::newRow("ascii") << QByteArray("abc") << "abc" << TextEncoding::Utf8;
    QTest::newRow("empty") << QByteArray() << "" << TextEncoding::Utf8;
    QTest::newRow("utf-8 e acute")
        << QByteArray("caf\xc3\xa9") << QStringLiteral("café") << TextEncoding::Utf8;
    QTest::newRow("latin-1 e acute")
        << QByteArray("caf\xe9") << QStringLiteral("café") << TextEncoding::Latin1;
    QTest::newRow("mixed invalid utf-8 is latin-1")
        << QByteArray("\xc3\xa9 \xe9") << QStringLiteral("Ã© é") << TextEncoding::Latin1;
    QTest::newRow("overlong form")
        << QByteArray("a\xc0\xafz") << QStringLiteral("aÀ¯z") << TextEncoding::Latin1;
    QTest::newRow("encoded surrogate")
        << QByteArray("\xed\xa0\x80") << QStringLiteral("í\u00a0\u0080") << TextEncoding::Latin1;
    QTest::newRow("cut short at end")
        << QByteArray("x\xe2\x82") << QStringLiteral("xâ\u0082") << TextEncoding::Latin1;
    QTest::newRow("bom") << QByteArray("\xef\xbb\xbf"
                                       "abc")
                         << "abc" << TextEncoding::Utf8Bom;
    QTest::newRow("bom only") << QByteArray("\xef\xbb\xbf") << "" << TextEncoding::Utf8Bom;
    QTest::newRow("two boms keep the second") << QByteArray("\xef\xbb\xbf\xef\xbb\xbf"
                                                            "a")
                                              << QStringLiteral("\ufeffa") << TextEncoding::Utf8Bom;
    QTest::newRow("bom then invalid is latin-1")
        << QByteArray("\xef\xbb\xbf\xe9") << QStringLiteral("ï»¿é") << TextEncoding::Latin1;
    QTest::newRow("crlf") << QByteArray("a\r\nb") << "a\nb" << TextEncoding::Utf8;
    QTest::newRow("cr") << QByteArray("a\rb") << "a\nb" << TextEncoding::Utf8;
    QTest::newRow("lf") << QByteArray("a\nb") << "a\nb" << TextEncoding::Utf8;
    QTest::newRow("mixed breaks") << QByteArray("a\r\n\r\nb\rc\nd\r\n") << "a\n\nb\nc\nd\n"
                                  << TextEncoding::Utf8;
    QTest::newRow("cr before crlf") << QByteArray("\r\r\n") << "\n\n" << TextEncoding::Utf8;
    QTest::newRow("lf cr is two breaks") << QByteArray("\n\r") << "\n\n" << TextEncoding::Utf8;
}

void TestScriptText::decode() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(TextEncoding, encoding);
    QString why;
    const auto script = decodeScript(bytes, &why);
    QVERIFY2(script.has_value(), qPrintable(why));
    QCOMPARE(script->text, text);
    QCOMPARE(script->encoding, encoding);
}

void TestScriptText::decodeRefusesNul_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("nul alone") << QByteArray(1, '\0');
    QTest::newRow("nul inside") << QByteArray("abc\0def", 7);
    QTest::newRow("utf-16 text") << QByteArray("\xff\xfe"
                                               "a\0b\0",
                                               6);
}

void TestScriptText::decodeRefusesNul() {
    QFETCH(QByteArray, bytes);
    QString why;
    QVERIFY(!decodeScript(bytes, &why).has_value());
    QVERIFY(!why.isEmpty());
}

void TestScriptText::encode_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("used");
    QTest::newRow("lf between lines")
        << "a\nb" << TextEncoding::Utf8 << QByteArray("a\r\nb") << TextEncoding::Utf8;
    QTest::newRow("crlf stays") << "a\r\nb" << TextEncoding::Utf8 << QByteArray("a\r\nb")
                                << TextEncoding::Utf8;
    QTest::newRow("cr alone") << "a\rb" << TextEncoding::Utf8 << QByteArray("a\r\nb")
                              << TextEncoding::Utf8;
    QTest::newRow("no break added")
        << "a" << TextEncoding::Utf8 << QByteArray("a") << TextEncoding::Utf8;
    QTest::newRow("final break kept")
        << "a\n"
        << TextEncoding::Utf8 << QByteArray("a\r\n") << TextEncoding::Utf8;
    QTest::newRow("empty") << "" << TextEncoding::Latin1 << QByteArray() << TextEncoding::Latin1;
    QTest::newRow("latin-1") << QStringLiteral("café") << TextEncoding::Latin1
                             << QByteArray("caf\xe9") << TextEncoding::Latin1;
    QTest::newRow("utf-8") << QStringLiteral("café") << TextEncoding::Utf8
                           << QByteArray("caf\xc3\xa9") << TextEncoding::Utf8;
    QTest::newRow("latin-1 given the euro sign becomes utf-8")
        << QStringLiteral("é€") << TextEncoding::Latin1 << QByteArray("\xc3\xa9\xe2\x82\xac")
        << TextEncoding::Utf8;
    QTest::newRow("latin-1 that would read as utf-8 becomes utf-8")
        << QStringLiteral("Ã©") << TextEncoding::Latin1 << QByteArray("\xc3\x83\xc2\xa9")
        << TextEncoding::Utf8;
    QTest::newRow("bom restored") << "abc" << TextEncoding::Utf8Bom
                                  << QByteArray("\xef\xbb\xbf"
                                                "abc")
                                  << TextEncoding::Utf8Bom;
    QTest::newRow("leading U+FEFF gets a bom")
        << QStringLiteral("\ufeffx") << TextEncoding::Utf8
        << QByteArray("\xef\xbb\xbf\xef\xbb\xbfx") << TextEncoding::Utf8Bom;
}

void TestScriptText::encode() {
    QFETCH(QString, text);
    QFETCH(TextEncoding, encoding);
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, used);
    TextEncoding written = TextEncoding::Utf8;
    QCOMPARE(encodeScript(text, encoding, &written), bytes);
    QCOMPARE(written, used);
    // Whatever was written reads back as the same lines.
    const auto back = decodeScript(bytes);
    QVERIFY(back.has_value());
    QCOMPARE(
        back->text,
        QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n'));
}

void TestScriptText::byteExactRoundTrip_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("one break") << QByteArray("\r\n");
    QTest::newRow("ascii, no final break") << QByteArray("one\r\ntwo");
    QTest::newRow("ascii, final break") << QByteArray("one\r\ntwo\r\n");
    QTest::newRow("empty lines") << QByteArray("\r\n\r\none\r\n\r\n");
    QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9\r\n\xe2\x82\xac 5");
    QTest::newRow("latin-1") << QByteArray("caf\xe9\r\nna\xefve");
    QTest::newRow("latin-1 c1 bytes") << QByteArray("\x80\x81\x9f\xa0\xff\r\n");
    QTest::newRow("bom") << QByteArray("\xef\xbb\xbfTitle\r\nBody");
    QTest::newRow("tabs and controls") << QByteArray("\tA\x01\x1b[0m\r\n\x7f");
}

void TestScriptText::byteExactRoundTrip() {
    QFETCH(QByteArray, bytes);
    const QString path = m_dir.filePath(QStringLiteral("round.txt"));
    QVERIFY(writeAll(path, bytes));
    QString why;
    const auto script = loadScriptFile(path, &why);
    QVERIFY2(script.has_value(), qPrintable(why));
    TextEncoding used = TextEncoding::Utf8;
    QVERIFY(saveScriptFile(path, script->text, script->encoding, &why, &used));
    QCOMPARE(readAll(path), bytes);
    QCOMPARE(used, script->encoding);
}

void TestScriptText::loneBreaksBecomeCrLf() {
    // A file with LF or CR breaks enters with ordinary line breaks and is written in the
    // script format: CR LF between lines. The characters themselves stay as they were,
    // byte for byte, in the file's own encoding.
    const auto script = decodeScript(QByteArray("caf\xe9\nline\rend\n"));
    QVERIFY(script.has_value());
    QCOMPARE(script->encoding, TextEncoding::Latin1);
    QCOMPARE(encodeScript(script->text, script->encoding),
             QByteArray("caf\xe9\r\nline\r\nend\r\n"));
}

void TestScriptText::loadRefuses_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // written to name unless empty
    QTest::newRow("missing") << "nothing-here.txt" << QByteArray();
    QTest::newRow("directory") << "." << QByteArray();
    QTest::newRow("nul bytes") << "nul.txt" << QByteArray("text\0more", 9);
}

void TestScriptText::loadRefuses() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    const QString path = m_dir.filePath(name);
    if (!content.isEmpty())
        QVERIFY(writeAll(path, content));
    QString why;
    QVERIFY(!loadScriptFile(path, &why).has_value());
    QVERIFY(!why.isEmpty());
}

void TestScriptText::saveFailureKeepsOldFile_data() {
    QTest::addColumn<int>("length");
    QTest::newRow("smaller than a write buffer") << 3000;
    QTest::newRow("larger than a write buffer") << 64 * 1024;
}

void TestScriptText::saveFailureKeepsOldFile() {
    QFETCH(int, length);
    // Tests run as root here, where permission bits do not stop a write; a file size limit
    // does, and it makes the write fail half way, as a full disk would.
    const QString path = m_dir.filePath(QStringLiteral("kept.txt"));
    const QByteArray old("old\r\ncontent");
    QVERIFY(writeAll(path, old));
    const QString longText(length, u'x');
    QString error;
    bool saved = true;
    {
        FileSizeLimit limit(1024);
        saved = saveScriptFile(path, longText, TextEncoding::Utf8, &error);
    }
    QVERIFY(!saved);
    QVERIFY(!error.isEmpty());
    QCOMPARE(readAll(path), old);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).filter("kept"),
             QStringList{QStringLiteral("kept.txt")});
}

void TestScriptText::saveIntoImpossiblePath_data() {
    QTest::addColumn<QString>("name");
    // The parent is a regular file: no folder can hold the temporary file.
    QTest::newRow("parent is a file") << "plain.txt/script.txt";
    // The target is a folder: the finished file cannot replace it.
    QTest::newRow("target is a folder") << "folder";
}

void TestScriptText::saveIntoImpossiblePath() {
    QFETCH(QString, name);
    QVERIFY(writeAll(m_dir.filePath(QStringLiteral("plain.txt")), "plain"));
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder")));
    QString error;
    QVERIFY(
        !saveScriptFile(m_dir.filePath(name), QStringLiteral("text"), TextEncoding::Utf8, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(readAll(m_dir.filePath(QStringLiteral("plain.txt"))), QByteArray("plain"));
    QVERIFY(QFileInfo(m_dir.filePath(QStringLiteral("folder"))).isDir());
}

void TestScriptText::fiveMegabyteScript() {
    QByteArray bytes;
    const QByteArray line("The quick brown fox jumps over the lazy dog, caf\xe9 na\xefve.\r\n");
    while (bytes.size() < 5 * 1024 * 1024)
        bytes += line;
    const int lines = int(bytes.size() / line.size());
    const QString path = m_dir.filePath(QStringLiteral("big.txt"));
    QVERIFY(writeAll(path, bytes));

    QElapsedTimer timer;
    timer.start();
    const auto script = loadScriptFile(path);
    QVERIFY(script.has_value());
    const int words = ::countWordsInText(script->text);
    QVERIFY(saveScriptFile(path, script->text, script->encoding));
    const qint64 ms = timer.elapsed();

    QCOMPARE(script->encoding, TextEncoding::Latin1);
    QCOMPARE(words, lines * 11);
    QCOMPARE(readAll(path), bytes);
    // Far below the time that matters to the operator, even on a loaded sanitizer build.
    QVERIFY2(ms < 2000, qPrintable(QStringLiteral("%1 ms").arg(ms)));
}

QTEST_GUILESS_MAIN(TestScriptText)
#include "tst_scripttext.moc"
