// Script files on the main window: Open with its statistics and status panels, Save and
// Save As with the current save name, byte-exact round trips, the encoding fallback, and
// files that are refused.
#include "TestSupport.h"

#include "app/Mainform.h"
#include "app/StatusBar.h"
#include "editor/ScriptEditor.h"
#include "platform/FileDialogs.h"
#include "platform/IniFile.h"
#include "platform/MessageBoxes.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QToolButton>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray readAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Makes every write that would grow a file past `bytes` fail with EFBIG, as a full disk
// would. Root is not exempt, unlike permission bits.
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

QStringList shownTexts() {
    QStringList texts;
    for (const auto &m : platform::MessageBoxes::shown())
        texts << m.text;
    return texts;
}

} // namespace

class TestScriptFiles : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::Sandbox> sandbox;
    TForm1 *f = nullptr;

    QString panel(int i) const { return f->StatusBar1->panelText(i); }
    QString defaultIni() const { return sandbox->configDir() + QStringLiteral("/ZALSCROL.INI"); }

    // Opens a file through the File menu, the dialog answering with path.
    void openThroughMenu(const QString &path) {
        platform::FileDialogs::queueAnswer(path);
        f->Open1->trigger();
    }

private slots:
    void init() {
        sandbox = std::make_unique<testsupport::Sandbox>();
        f = new TForm1;
        f->initialiseSettings();
        f->resize(900, 600);
    }
    void cleanup() {
        delete f;
        f = nullptr;
        sandbox.reset();
    }

    void dialogs() {
        openThroughMenu(QString());
        f->ToolButton2->click(); // the dialog answers Cancel
        QCOMPARE(platform::FileDialogs::requests().size(), 2);
        const platform::FileDialogRequest open = platform::FileDialogs::requests().first();
        QVERIFY(!open.save);
        QCOMPARE(open.title, QStringLiteral("Open a Text file"));
        QCOMPARE(open.filter, QStringLiteral("Text Type Files Only|*.txt"));
        QCOMPARE(open.defaultExt, QStringLiteral("TXT"));

        f->Memo1->setText(QStringLiteral("text"));
        f->SaveAs1->trigger();
        const platform::FileDialogRequest save = platform::FileDialogs::requests().last();
        QVERIFY(save.save);
        QCOMPARE(save.title, QStringLiteral("Save File"));
        QCOMPARE(save.filter, QStringLiteral("Text Only|*.txt"));
        QCOMPARE(save.defaultExt, QStringLiteral("TXT"));
    }

    void openStatistics_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("words");
        QTest::newRow("empty file") << QByteArray() << 0 << 0;
        QTest::newRow("one and two spaces") << QByteArray("one two  three") << 1 << 3;
        QTest::newRow("word between spaces") << QByteArray("   one   ") << 1 << 1;
        QTest::newRow("empty and blank lines") << QByteArray("\r\n   \r\nx") << 3 << 1;
        QTest::newRow("tab inside a word") << QByteArray("a\tb c") << 1 << 2;
        QTest::newRow("leading tab trimmed") << QByteArray("\t\tword\t") << 1 << 1;
        QTest::newRow("final break not a line") << QByteArray("a b\r\nc\r\n") << 2 << 3;
        QTest::newRow("CR, LF and CR LF") << QByteArray("a\rb\nc\r\nd") << 4 << 4;
        QTest::newRow("blank lines only") << QByteArray("\r\n\r\n\r\n") << 3 << 0;
    }
    void openStatistics() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, lines);
        QFETCH(int, words);
        const QString path = sandbox->writeFile(QStringLiteral("script.txt"), bytes);
        f->WordPerMinute = 0;
        openThroughMenu(path);

        QCOMPARE(f->Memo1->lineCount(), lines);
        QCOMPARE(f->LineCount, lines);
        QCOMPARE(f->ScriptWordCount, words);
        QCOMPARE(panel(1), QStringLiteral("Lines: %1").arg(lines));
        QCOMPARE(panel(2), QStringLiteral("Words: %1").arg(words));
        QCOMPARE(panel(4), QStringLiteral("script.txt"));
        QCOMPARE(f->WordPerMinute, 50);
        QVERIFY(!f->Memo1->isModified());
        QCOMPARE(f->LastFile, path);
        QCOMPARE(f->SaveDialog1.fileName, path);
        QVERIFY(f->OpenDialog1.fileName.isEmpty());
        QVERIFY(platform::MessageBoxes::shown().isEmpty());
        // The default configuration remembers the script at once.
        const platform::IniFile ini = platform::IniFile::load(defaultIni());
        QCOMPARE(ini.readString("Stuff", "LastFile", {}), path);
    }

    // With word wrap a long paragraph counts as the lines the editor shows.
    void wrappedLinesCount() {
        QByteArray paragraph;
        for (int i = 0; i < 40; ++i)
            paragraph += "word ";
        f->Memo1->setWordWrap(true);
        f->Memo1->setFixedWidth(300);
        openThroughMenu(sandbox->writeFile(QStringLiteral("wrap.txt"), paragraph.trimmed()));
        QVERIFY2(f->Memo1->lineCount() > 1, "the paragraph should wrap");
        QCOMPARE(panel(1), QStringLiteral("Lines: %1").arg(f->Memo1->lineCount()));
        QCOMPARE(f->ScriptWordCount, 40);
    }

    // A script missing on disk: nothing is loaded, but the statistics still run.
    void openafileMissing() {
        f->Memo1->setText(QStringLiteral("kept text here"));
        QVERIFY(f->openafile(sandbox->path(QStringLiteral("gone.txt"))));
        QCOMPARE(f->Memo1->text(), QStringLiteral("kept text here"));
        QCOMPARE(panel(2), QStringLiteral("Words: 3"));
        QCOMPARE(panel(4), QStringLiteral("gone.txt"));
        QVERIFY(!QFileInfo::exists(defaultIni()));
    }

    // Opening and saving an unedited file gives back its bytes; files that end lines with
    // LF or CR alone come back with CR LF.
    void byteExactRoundTrip_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("saved");
        const auto same = [](const char *name, const QByteArray &b) {
            QTest::newRow(name) << b << b;
        };
        same("ASCII CR LF", QByteArray("first line\r\nsecond line"));
        same("final break kept", QByteArray("line\r\n"));
        same("empty lines", QByteArray("\r\n\r\na\r\n\r\n"));
        same("UTF-8", QByteArray("caf\xC3\xA9 \xE2\x82\xAC\r\nna\xC3\xAFve"));
        same("UTF-8 with mark", QByteArray("\xEF\xBB\xBFmark\r\nd\xC3\xA9j\xC3\xA0"));
        same("Latin-1", QByteArray("caf\xE9\r\nna\xEFve \xA9 1999"));
        same("Latin-1 high only", QByteArray("\xFF\xFE\xFD"));
        same("trailing spaces and tabs", QByteArray("a  \t\r\n\t b"));
        QTest::newRow("LF") << QByteArray("a\nb\n") << QByteArray("a\r\nb\r\n");
        QTest::newRow("CR") << QByteArray("a\rb") << QByteArray("a\r\nb");
        QTest::newRow("Latin-1 with LF")
            << QByteArray("\xE9t\xE9\nhiver") << QByteArray("\xE9t\xE9\r\nhiver");
    }
    void byteExactRoundTrip() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, saved);
        const QString path = sandbox->writeFile(QStringLiteral("round.txt"), bytes);
        openThroughMenu(path);
        f->Save1->trigger();
        QVERIFY(platform::MessageBoxes::shown().isEmpty());
        QCOMPARE(readAll(path), saved);
        // Save As to another file writes the same bytes.
        const QString copy = sandbox->path(QStringLiteral("copy.txt"));
        platform::FileDialogs::queueAnswer(copy);
        QVERIFY(f->SaveAs1Click());
        QCOMPARE(readAll(copy), saved);
    }

    void encodingFallback_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("valid UTF-8") << QByteArray("caf\xC3\xA9") << QStringLiteral("café");
        QTest::newRow("Latin-1") << QByteArray("caf\xE9") << QStringLiteral("café");
        QTest::newRow("cut UTF-8 sequence is Latin-1")
            << QByteArray("\xC3") << QString(QChar(0xC3));
        QTest::newRow("overlong form is Latin-1")
            << QByteArray("\xC0\xAF") << QString(QChar(0xC0)) + QChar(0xAF);
    }
    void encodingFallback() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        openThroughMenu(sandbox->writeFile(QStringLiteral("enc.txt"), bytes));
        QCOMPARE(f->Memo1->text(), text);
    }

    // A Latin-1 script stays Latin-1 after an edit, unless the edit needs more.
    void editedLatin1() {
        const QString path = sandbox->writeFile(QStringLiteral("latin.txt"), "caf\xE9");
        openThroughMenu(path);
        f->Memo1->setText(f->Memo1->text() + QStringLiteral(" cr\u00E8me"));
        f->Save1->trigger();
        QCOMPARE(readAll(path), QByteArray("caf\xE9 cr\xE8me"));
        f->Memo1->setText(f->Memo1->text() + QStringLiteral(" \u20AC"));
        f->Save1->trigger();
        QCOMPARE(readAll(path), QByteArray("caf\xC3\xA9 cr\xC3\xA8me \xE2\x82\xAC"));
    }

    // New text is UTF-8, even where it goes to a Latin-1 file's name.
    void newTextIsUtf8() {
        const QString path = sandbox->writeFile(QStringLiteral("old.txt"), "\xE9t\xE9");
        openThroughMenu(path);
        f->ToolButton1->click();
        QVERIFY(f->Memo1->isModified());
        QCOMPARE(f->LastFile, path);
        QCOMPARE(panel(4), QStringLiteral("old.txt"));
        f->Memo1->textCursor().insertText(QStringLiteral("d\u00E9j\u00E0"));
        f->ToolButton3->click(); // Save writes to the previous file's name without a prompt
        QVERIFY(platform::MessageBoxes::shown().isEmpty());
        QCOMPARE(readAll(path), QByteArray("d\xC3\xA9j\xC3\xA0"));
        QVERIFY(!f->Memo1->isModified());
    }

    // Refused files change nothing: editor, current file, save name, status, configuration.
    void refused_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("NUL bytes") << QStringLiteral("nul");
        QTest::newRow("directory") << QStringLiteral("dir");
    }
    void refused() {
        QFETCH(QString, kind);
        const QString good = sandbox->writeFile(QStringLiteral("good.txt"), "good words");
        openThroughMenu(good);
        const QByteArray iniBefore = readAll(defaultIni());
        QString bad;
        if (kind == QLatin1String("nul")) {
            bad = sandbox->writeFile(QStringLiteral("binary.txt"), QByteArray("ab\0cd", 5));
        } else {
            bad = sandbox->path(QStringLiteral("folder.txt"));
            QVERIFY(QDir().mkpath(bad));
        }
        platform::MessageBoxes::clearShown();
        openThroughMenu(bad);

        QCOMPARE(platform::MessageBoxes::shown().size(), 1);
        QCOMPARE(platform::MessageBoxes::shown().first().kind, platform::MessageKind::Error);
        QVERIFY(platform::MessageBoxes::shown().first().text.startsWith(
            QStringLiteral("Could not open ") + bad));
        QCOMPARE(f->Memo1->text(), QStringLiteral("good words"));
        QCOMPARE(f->LastFile, good);
        QCOMPARE(f->SaveDialog1.fileName, good);
        QCOMPARE(panel(2), QStringLiteral("Words: 2"));
        QCOMPARE(panel(4), QStringLiteral("good.txt"));
        QCOMPARE(readAll(defaultIni()), iniBefore);
    }

    void saveRules_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("named");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("dialogs");
        QTest::newRow("no name: nothing at all") << "typed" << false << QStringList() << 0;
        QTest::newRow("empty editor") << "" << true << QStringList{"Nothing To Save"} << 0;
    }
    void saveRules() {
        QFETCH(QString, text);
        QFETCH(bool, named);
        QFETCH(QStringList, messages);
        QFETCH(int, dialogs);
        const QString path = sandbox->path(QStringLiteral("named.txt"));
        if (named)
            f->SaveDialog1.fileName = path;
        f->Memo1->setText(text);
        f->Save1->trigger();
        QCOMPARE(shownTexts(), messages);
        QCOMPARE(platform::FileDialogs::requests().size(), dialogs);
        QVERIFY(!QFileInfo::exists(path));
    }

    void saveAsEmptyEditor() {
        QVERIFY(!f->SaveAs1Click());
        QCOMPARE(shownTexts(), QStringList{"Nothing To Save"});
        QVERIFY(platform::FileDialogs::requests().isEmpty());
    }

    // Save As names the file for later Saves but leaves LastFile alone.
    void saveAsSetsSaveName() {
        f->LastFile = QStringLiteral("/somewhere/else.txt");
        f->Memo1->setText(QStringLiteral("one\r\ntwo"));
        const QString path = sandbox->path(QStringLiteral("as.txt"));
        platform::FileDialogs::queueAnswer(path);
        QVERIFY(f->SaveAs1Click());
        QCOMPARE(readAll(path), QByteArray("one\r\ntwo"));
        QCOMPARE(f->SaveDialog1.fileName, path);
        QCOMPARE(f->LastFile, QStringLiteral("/somewhere/else.txt"));
        QVERIFY(!f->Memo1->isModified());
        f->Memo1->setText(QStringLiteral("three"));
        f->Save1->trigger();
        QCOMPARE(readAll(path), QByteArray("three"));
        QCOMPARE(platform::FileDialogs::requests().size(), 1);
    }

    void saveAsCancelled() {
        f->Memo1->setText(QStringLiteral("text"));
        f->Memo1->setModified(true);
        platform::FileDialogs::queueAnswer(std::nullopt);
        QVERIFY(!f->SaveAs1Click());
        QVERIFY(f->Memo1->isModified());
        QVERIFY(f->SaveDialog1.fileName.isEmpty());
    }

    // A write that fails shows the command's message, leaves the editor modified and the
    // file on disk as it was.
    void writeFailures_data() {
        QTest::addColumn<bool>("saveAs");
        QTest::addColumn<QString>("message");
        QTest::newRow("Save") << false << QStringLiteral("File save problem, Try using [Save AS]");
        QTest::newRow("Save As") << true
                                 << QStringLiteral("File save problem, Try using [Save As]");
    }
    void writeFailures() {
        QFETCH(bool, saveAs);
        QFETCH(QString, message);
        const QString path = sandbox->writeFile(QStringLiteral("keep.txt"), "short");
        openThroughMenu(path);
        f->Memo1->setText(QString(4096, QLatin1Char('x')));
        f->Memo1->setModified(true);
        platform::MessageBoxes::clearShown();
        {
            const FileSizeLimit limit(1024);
            if (saveAs) {
                platform::FileDialogs::queueAnswer(path);
                QVERIFY(!f->SaveAs1Click());
            } else {
                f->Save1Click();
            }
        }
        QCOMPARE(shownTexts(), QStringList{message});
        QCOMPARE(platform::MessageBoxes::shown().first().kind, platform::MessageKind::Error);
        QVERIFY(f->Memo1->isModified());
        QCOMPARE(readAll(path), QByteArray("short"));
        QCOMPARE(QDir(sandbox->path(QString())).entryList(QDir::Files),
                 QStringList{QStringLiteral("keep.txt")});
    }

    void unwritablePath_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("parent is a file") << QStringLiteral("parent");
        QTest::newRow("path is a folder") << QStringLiteral("folder");
        QTest::newRow("folder missing") << QStringLiteral("missing");
    }
    void unwritablePath() {
        QFETCH(QString, kind);
        QString path;
        if (kind == QLatin1String("parent")) {
            path = sandbox->writeFile(QStringLiteral("plain"), "x") + QStringLiteral("/s.txt");
        } else if (kind == QLatin1String("folder")) {
            path = sandbox->path(QStringLiteral("dir.txt"));
            QVERIFY(QDir().mkpath(path));
        } else {
            path = sandbox->path(QStringLiteral("no/such/s.txt"));
        }
        f->Memo1->setText(QStringLiteral("text"));
        platform::FileDialogs::queueAnswer(path);
        QVERIFY(!f->SaveAs1Click());
        QCOMPARE(shownTexts(), QStringList{"File save problem, Try using [Save As]"});
        QCOMPARE(f->Memo1->text(), QStringLiteral("text"));
    }

    // The LastFile key changes alone; every other line of the default file stays.
    void lastFileKeyOnly() {
        const QByteArray before =
            "; kept\r\n[Other]\r\nA=1\r\n[Stuff]\r\nDelay=7\r\nLastFile=old\r\n"
            "[OptionWindows]\r\nML=3\r\n";
        QFile ini(defaultIni());
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(before);
        ini.close();
        const QString path = sandbox->writeFile(QStringLiteral("s.txt"), "x");
        openThroughMenu(path);
        QByteArray expected = before;
        expected.replace("LastFile=old", "LastFile=" + QFile::encodeName(path));
        QCOMPARE(readAll(defaultIni()), expected);
    }

    // The default file cannot take the key: the script is open all the same, and the
    // message names the file.
    void lastFileKeyUnwritable() {
        QVERIFY(QDir().mkpath(defaultIni()));
        const QString path = sandbox->writeFile(QStringLiteral("s.txt"), "words here");
        openThroughMenu(path);
        QCOMPARE(shownTexts(), QStringList{QStringLiteral("Unable to write to ") + defaultIni()});
        QCOMPARE(f->Memo1->text(), QStringLiteral("words here"));
        QCOMPARE(f->LastFile, path);
        QCOMPARE(panel(2), QStringLiteral("Words: 2"));
    }

    void loadEditorFromFile() {
        const QString latin = sandbox->writeFile(QStringLiteral("l.txt"), "\xE9t\xE9\nx");
        QVERIFY(f->loadEditorFromFile(latin));
        QCOMPARE(f->Memo1->text(), QStringLiteral("\u00E9t\u00E9\r\nx"));
        QCOMPARE(f->ScriptEncoding, platform::TextEncoding::Latin1);
        const QString nul = sandbox->writeFile(QStringLiteral("n.txt"), QByteArray("a\0b", 3));
        QVERIFY(!f->loadEditorFromFile(nul));
        QVERIFY(!f->loadEditorFromFile(sandbox->path(QStringLiteral("none.txt"))));
        QCOMPARE(f->Memo1->text(), QStringLiteral("\u00E9t\u00E9\r\nx"));
    }

    // A 5 MB script opens, is counted and saved in a second or two.
    void largeScript() {
        QByteArray bytes;
        const QByteArray line = "The quick brown fox jumps over the lazy dog again and again.\r\n";
        while (bytes.size() < 5 * 1024 * 1024)
            bytes += line;
        bytes.chop(2);
        const QString path = sandbox->writeFile(QStringLiteral("big.txt"), bytes);
        const int lines = int(bytes.count('\n')) + 1;
        f->Memo1->setWordWrap(false);
        QElapsedTimer timer;
        timer.start();
        openThroughMenu(path);
        f->Save1->trigger();
        const qint64 ms = timer.elapsed();
        qInfo("5 MB: open, count and save in %lld ms", ms);
        QCOMPARE(f->LineCount, lines);
        QCOMPARE(f->ScriptWordCount, lines * 12);
        QCOMPARE(readAll(path), bytes);
        QVERIFY2(ms < 8000, qPrintable(QStringLiteral("%1 ms").arg(ms)));
    }
};

QTEST_MAIN(TestScriptFiles)
#include "tst_scriptfiles.moc"
