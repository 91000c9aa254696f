// Script text: word counts, decoding with the encoding fallback, encoding back, and the
// byte-exact, atomic file round trip.
#include "TestSupport.h"

#include "editor/ScriptText.h"

#include <QTemporaryDir>
#include <QTest>

using testsupport::readFile;
using testsupport::Refusal;
using testsupport::writeBytes;

Q_DECLARE_METATYPE(TextEncoding)

namespace {
constexpr TextEncoding U8 = TextEncoding::Utf8;
constexpr TextEncoding CP = TextEncoding::Windows1252;
constexpr TextEncoding LE = TextEncoding::Utf16Le;
constexpr TextEncoding BE = TextEncoding::Utf16Be;
constexpr TextEncoding Bom = TextEncoding::Utf8Bom;
} // namespace

class TestScriptText : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void countWordsInLine_data() {
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
    void countWordsInLine() {
        QFETCH(QString, line);
        QFETCH(int, words);
        QCOMPARE(::countWords(QStringView(line)), words);
    }

    void countWordsInText() {
        // Lines end at CR LF, CR and LF alike; each line is counted on its own.
        const QString text =
            QStringLiteral("one two  three\r\n  one  \r\n\r\n   \rx\ty\nlast word");
        QCOMPARE(::countWordsInText(text), 3 + 1 + 0 + 0 + 1 + 2);
        QCOMPARE(::countWordsInText(u""), 0);
        const QStringList lines{QStringLiteral("one two"), QString(),
                                QStringLiteral(" \tthree\t ")};
        QCOMPARE(::countWords(lines), 3);
    }

    // UTF-16 after its mark, UTF-8 where the bytes are valid UTF-8, Windows-1252 otherwise;
    // NUL characters are refused.
    void decode_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text"); // "<refused>" when the bytes are refused
        QTest::addColumn<TextEncoding>("encoding");
        const auto row = [](const char *name, const QByteArray &b, const QString &text,
                            TextEncoding e) {
            QTest::newRow(name) << b << text << e;
        };
        row("ascii", "abc", "abc", U8);
        row("empty", QByteArray(), "", U8);
        row("utf-8 e acute", "caf\xc3\xa9", "café", U8);
        row("windows-1252 e acute", "caf\xe9", "café", CP);
        row("windows-1252 quotes and euro", "\x93Hi\x94 \x80", "“Hi” €", CP);
        row("windows-1252 unassigned bytes", "\x81\x8d\x8f\x90\x9d",
            QStringLiteral("\u0081\u008d\u008f\u0090\u009d"), CP);
        row("mixed invalid utf-8 is windows-1252", "\xc3\xa9 \xe9", "Ã© é", CP);
        row("overlong form", "a\xc0\xafz", "aÀ¯z", CP);
        row("encoded surrogate", "\xed\xa0\x80", "í\u00a0€", CP);
        row("cut short at end", "x\xe2\x82", "xâ‚", CP);
        row("bom",
            "\xef\xbb\xbf"
            "abc",
            "abc", Bom);
        row("bom only", "\xef\xbb\xbf", "", Bom);
        row("two boms keep the second",
            "\xef\xbb\xbf\xef\xbb\xbf"
            "a",
            QStringLiteral("\ufeffa"), Bom);
        row("bom then invalid is windows-1252", "\xef\xbb\xbf\xe9", "ï»¿é", CP);
        row("crlf", "a\r\nb", "a\nb", U8);
        row("cr", "a\rb", "a\nb", U8);
        row("lf", "a\nb", "a\nb", U8);
        row("mixed breaks", "a\r\n\r\nb\rc\nd\r\n", "a\n\nb\nc\nd\n", U8);
        row("cr before crlf", "\r\r\n", "\n\n", U8);
        row("lf cr is two breaks", "\n\r", "\n\n", U8);
        row("nul alone", QByteArray(1, '\0'), "<refused>", U8);
        row("nul inside", QByteArray("abc\0def", 7), "<refused>", U8);
        row("utf-16 le",
            QByteArray("\xff\xfe\x1c\x20"
                       "a\0\r\0\n\0\xac\x20",
                       12),
            "“a\n€", LE);
        row("utf-16 be", QByteArray("\xfe\xff\0a\0\r\xd8\x3d\xde\0", 10),
            QStringLiteral("a\n\U0001F600"), BE);
        row("utf-16 mark only", "\xff\xfe", "", LE);
        row("utf-16 holding a nul",
            QByteArray("\xff\xfe"
                       "a\0\0\0",
                       6),
            "<refused>", U8);
        row("utf-16 cut short",
            QByteArray("\xff\xfe"
                       "a\0b",
                       5),
            "<refused>", U8);
        row("utf-16 unpaired surrogate",
            QByteArray("\xff\xfe\x3d\xd8"
                       "a\0",
                       6),
            "<refused>", U8);
    }
    void decode() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(TextEncoding, encoding);
        QString why;
        const auto script = decodeScript(bytes, &why);
        QCOMPARE(script.has_value(), text != QLatin1String("<refused>"));
        QCOMPARE(why.isEmpty(), script.has_value());
        if (script) {
            QCOMPARE(script->text, text);
            QCOMPARE(script->encoding, encoding);
        }
    }

    // Written with CR LF between lines, in the given encoding while it can hold the text.
    void encode_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<TextEncoding>("encoding");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<TextEncoding>("used");
        const auto row = [](const char *name, const QString &text, TextEncoding e,
                            const QByteArray &bytes, TextEncoding used) {
            QTest::newRow(name) << text << e << bytes << used;
        };
        row("lf between lines", "a\nb", U8, "a\r\nb", U8);
        row("crlf stays", "a\r\nb", U8, "a\r\nb", U8);
        row("cr alone", "a\rb", U8, "a\r\nb", U8);
        row("no break added", "a", U8, "a", U8);
        row("final break kept", "a\n", U8, "a\r\n", U8);
        row("empty", "", CP, QByteArray(), CP);
        row("windows-1252", "café “€”", CP, "caf\xe9 \x93\x80\x94", CP);
        row("windows-1252 unassigned", QStringLiteral("\u0081\u009d"), CP, "\x81\x9d", CP);
        row("utf-8", "café", U8, "caf\xc3\xa9", U8);
        row("windows-1252 given a character outside it becomes utf-8", "é✓", CP,
            "\xc3\xa9\xe2\x9c\x93", U8);
        row("a control it stands for none of becomes utf-8", QStringLiteral("\u0080"), CP,
            "\xc2\x80", U8);
        row("windows-1252 that would read as utf-8 becomes utf-8", "Ã©", CP, "\xc3\x83\xc2\xa9",
            U8);
        row("windows-1252 that would read as utf-16 becomes utf-8", "ÿþab", CP,
            "\xc3\xbf\xc3\xbe"
            "ab",
            U8);
        row("utf-16 le", "a\nb", LE,
            QByteArray("\xff\xfe"
                       "a\0\r\0\n\0b\0",
                       10),
            LE);
        row("utf-16 be", "€", BE, "\xfe\xff\x20\xac", BE);
        row("bom restored", "abc", Bom,
            "\xef\xbb\xbf"
            "abc",
            Bom);
        row("leading U+FEFF gets a bom", QStringLiteral("\ufeffx"), U8, "\xef\xbb\xbf\xef\xbb\xbfx",
            Bom);
    }
    void encode() {
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
        QCOMPARE(back->text, QString(text)
                                 .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                 .replace(u'\r', u'\n'));
    }

    void byteExactRoundTrip_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("one break") << QByteArray("\r\n");
        QTest::newRow("ascii, no final break") << QByteArray("one\r\ntwo");
        QTest::newRow("ascii, final break") << QByteArray("one\r\ntwo\r\n");
        QTest::newRow("empty lines") << QByteArray("\r\n\r\none\r\n\r\n");
        QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9\r\n\xe2\x82\xac 5");
        QTest::newRow("windows-1252") << QByteArray("caf\xe9\r\nna\xefve");
        QTest::newRow("windows-1252 80 to 9f")
            << QByteArray("\x80\x81\x8d\x8f\x90\x9d\x9f\xa0\xff\r\n");
        QTest::newRow("utf-16 le") << QByteArray("\xff\xfe"
                                                 "a\0\r\0\n\0\xe9\0",
                                                 10);
        QTest::newRow("utf-16 be") << QByteArray("\xfe\xff\0\r\0\n\x20\xac", 8);
        QTest::newRow("bom") << QByteArray("\xef\xbb\xbfTitle\r\nBody");
        QTest::newRow("tabs and controls") << QByteArray("\tA\x01\x1b[0m\r\n\x7f");
    }
    void byteExactRoundTrip() {
        QFETCH(QByteArray, bytes);
        const QString path = m_dir.filePath(QStringLiteral("round.txt"));
        QVERIFY(writeBytes(path, bytes));
        QString why;
        const auto script = loadScriptFile(path, &why);
        QVERIFY2(script.has_value(), qPrintable(why));
        TextEncoding used = TextEncoding::Utf8;
        QVERIFY(saveScriptFile(path, script->text, script->encoding, &why, &used));
        QCOMPARE(readFile(path), bytes);
        QCOMPARE(used, script->encoding);
    }

    void loadRefuses_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // written to name unless empty
        QTest::newRow("missing") << "nothing-here.txt" << QByteArray();
        QTest::newRow("directory") << "." << QByteArray();
        QTest::newRow("nul bytes") << "nul.txt" << QByteArray("text\0more", 9);
    }
    void loadRefuses() {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        const QString path = m_dir.filePath(name);
        if (!content.isEmpty())
            QVERIFY(writeBytes(path, content));
        QString why;
        QVERIFY(!loadScriptFile(path, &why).has_value());
        QVERIFY(!why.isEmpty());
    }

    // A refused save reports why and leaves the folder as it was, an old file whole.
    void saveRefused_data() {
        QTest::addColumn<Refusal>("how");
        QTest::addColumn<int>("length");
        QTest::newRow("disk full, less than a write buffer") << Refusal::DiskFull << 3000;
        QTest::newRow("disk full, more than a write buffer") << Refusal::DiskFull << 64 * 1024;
        QTest::newRow("parent is a file") << Refusal::ParentIsFile << 10;
        QTest::newRow("target is a folder") << Refusal::PathIsFolder << 10;
        QTest::newRow("folder missing") << Refusal::FolderMissing << 10;
    }
    void saveRefused() {
        QFETCH(Refusal, how);
        QFETCH(int, length);
        QTemporaryDir dir;
        const QString path = testsupport::refusedPath(dir.path(), how, QStringLiteral("s.txt"));
        const QStringList before = testsupport::entriesIn(dir.path());
        QString error;
        QVERIFY(!testsupport::attemptSave(how, [&] {
            return saveScriptFile(path, QString(length, u'x'), TextEncoding::Utf8, &error);
        }));
        QVERIFY(!error.isEmpty());
        QCOMPARE(testsupport::entriesIn(dir.path()), before);
        if (how == Refusal::DiskFull)
            QCOMPARE(readFile(path), testsupport::oldContent());
    }
};

QTEST_GUILESS_MAIN(TestScriptText)
#include "tst_scripttext.moc"
