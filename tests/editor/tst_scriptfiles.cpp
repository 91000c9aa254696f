// Script files on the main window: Open with its statistics and status panels, Save and
// Save As with the current save name, byte-exact round trips, the encoding fallback, and
// files that are refused.
#include "TestSupport.h"

#include "app/MainWindow.h"
#include "editor/ScriptEditor.h"
#include "editor/ScriptFileCommands.h"
#include "platform/FileDialogs.h"
#include "platform/IniFile.h"
#include "platform/MessageBoxes.h"
#include "platform/StatusBar.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QToolButton>

using testsupport::dialogText;
using testsupport::readFile;
using testsupport::Refusal;
using testsupport::shownTexts;

class TestScriptFiles : public QObject, testsupport::MainWindowFixture {
    Q_OBJECT

    QString panel(int i) const { return f->ui().statusBar->panelText(i); }
    QString defaultIni() const { return sandbox->configDir() + QStringLiteral("/ZALSCROL.INI"); }

    // Opens a file through the File menu, the dialog answering with path.
    void openThroughMenu(const QString &path) {
        platform::FileDialogs::queueAnswer(path);
        f->ui().openAction->trigger();
    }

private slots:
    void init() {
        openForm();
        f->resize(900, 600);
    }
    void cleanup() { closeForm(); }

    void dialogs() {
        openThroughMenu(QString());
        f->ui().openButton->click(); // the dialog answers Cancel
        f->ui().editor->setText(QStringLiteral("text"));
        f->ui().saveAsAction->trigger();
        const QList<platform::FileDialogRequest> asked = platform::FileDialogs::requests();
        QCOMPARE(asked.size(), 3);
        QCOMPARE(dialogText(asked[0]), "Open: Open a Text file | Text Type Files Only|*.txt | TXT");
        QCOMPARE(dialogText(asked[1]), dialogText(asked[0]));
        QCOMPARE(dialogText(asked[2]), "Save: Save File | Text Only|*.txt | TXT");
    }

    // Open and Save As start in the folder of the current script, once there is one.
    void dialogsStartInScriptFolder() {
        f->ui().editor->setText(QStringLiteral("text"));
        f->ui().openAction->trigger();
        QVERIFY(QDir().mkpath(sandbox->path(QStringLiteral("news"))));
        const QString script =
            sandbox->writeFile(QStringLiteral("news/evening.txt"), QByteArray("evening"));
        openThroughMenu(script);
        f->ui().openAction->trigger();
        f->ui().saveAsAction->trigger();
        const QList<platform::FileDialogRequest> asked = platform::FileDialogs::requests();
        QCOMPARE(asked.size(), 4);
        QCOMPARE(asked[0].folder, QString());
        const QString folder = QFileInfo(script).absolutePath();
        QCOMPARE(asked[2].folder, folder);
        QCOMPARE(asked[3].folder, folder);
    }

    void openStatistics_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("words");
        QTest::newRow("empty file") << QByteArray() << 0 << 0;
        QTest::newRow("one and two spaces") << QByteArray("one two  three") << 1 << 3;
        QTest::newRow("empty and blank lines") << QByteArray("\r\n   \r\nx") << 3 << 1;
        QTest::newRow("final break not a line") << QByteArray("a b\r\nc\r\n") << 2 << 3;
        QTest::newRow("CR, LF and CR LF") << QByteArray("a\rb\nc\r\nd") << 4 << 4;
        QTest::newRow("blank lines only") << QByteArray("\r\n\r\n\r\n") << 3 << 0;
    }
    void openStatistics() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, lines);
        QFETCH(int, words);
        const QString path = sandbox->writeFile(QStringLiteral("script.txt"), bytes);
        f->settings().wordsPerMinute = 0;
        openThroughMenu(path);

        QCOMPARE(f->ui().editor->lineCount(), lines);
        QCOMPARE(f->scriptFiles().lineCount(), lines);
        QCOMPARE(f->scriptFiles().wordCount(), words);
        QCOMPARE(panel(1), QStringLiteral("Lines: %1").arg(lines));
        QCOMPARE(panel(2), QStringLiteral("Words: %1").arg(words));
        QCOMPARE(panel(4), QStringLiteral("script.txt"));
        QCOMPARE(f->settings().wordsPerMinute, 50);
        QVERIFY(!f->ui().editor->isModified());
        QCOMPARE(f->settings().scriptPath, path);
        QCOMPARE(f->scriptFiles().saveRequest().fileName, path);
        QVERIFY(f->scriptFiles().openRequest().fileName.isEmpty());
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
        f->ui().editor->setWordWrap(true);
        f->ui().editor->setFixedWidth(300);
        openThroughMenu(sandbox->writeFile(QStringLiteral("wrap.txt"), paragraph.trimmed()));
        QVERIFY2(f->ui().editor->lineCount() > 1, "the paragraph should wrap");
        QCOMPARE(panel(1), QStringLiteral("Lines: %1").arg(f->ui().editor->lineCount()));
        QCOMPARE(f->scriptFiles().wordCount(), 40);
    }

    // A script missing on disk: nothing is loaded, but the statistics still run.
    void openafileMissing() {
        f->ui().editor->setText(QStringLiteral("kept text here"));
        QVERIFY(f->scriptFiles().openScriptFile(sandbox->path(QStringLiteral("gone.txt"))));
        QCOMPARE(f->ui().editor->text(), QStringLiteral("kept text here"));
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
        same("UTF-8 with mark", QByteArray("\xEF\xBB\xBFmark\r\nd\xC3\xA9j\xC3\xA0"));
        same("Windows-1252", QByteArray("caf\xE9\r\nna\xEFve \xA9 1999 \x93\x80\x94"));
        QTest::newRow("LF") << QByteArray("a\nb\n") << QByteArray("a\r\nb\r\n");
        QTest::newRow("Windows-1252 with LF")
            << QByteArray("\xE9t\xE9\nhiver") << QByteArray("\xE9t\xE9\r\nhiver");
    }
    void byteExactRoundTrip() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, saved);
        const QString path = sandbox->writeFile(QStringLiteral("round.txt"), bytes);
        openThroughMenu(path);
        f->ui().saveAction->trigger();
        QVERIFY(platform::MessageBoxes::shown().isEmpty());
        QCOMPARE(readFile(path), saved);
        // Save As to another file writes the same bytes.
        const QString copy = sandbox->path(QStringLiteral("copy.txt"));
        platform::FileDialogs::queueAnswer(copy);
        QVERIFY(f->scriptFiles().saveScriptAs());
        QCOMPARE(readFile(copy), saved);
    }

    // A Windows-1252 script stays Windows-1252 after an edit, unless the edit needs more.
    void editedWindows1252() {
        const QString path = sandbox->writeFile(QStringLiteral("latin.txt"), "caf\xE9");
        openThroughMenu(path);
        QCOMPARE(f->ui().editor->text(), QStringLiteral("caf\u00E9"));
        f->ui().editor->setText(f->ui().editor->text() + QStringLiteral(" cr\u00E8me \u20AC"));
        f->ui().saveAction->trigger();
        QCOMPARE(readFile(path), QByteArray("caf\xE9 cr\xE8me \x80"));
        f->ui().editor->setText(f->ui().editor->text() + QStringLiteral(" \u2713"));
        f->ui().saveAction->trigger();
        QCOMPARE(readFile(path), QByteArray("caf\xC3\xA9 cr\xC3\xA8me \xE2\x82\xAC \xE2\x9C\x93"));
    }

    // New text is UTF-8, even where it goes to a Windows-1252 file's name.
    void newTextIsUtf8() {
        const QString path = sandbox->writeFile(QStringLiteral("old.txt"), "\xE9t\xE9");
        openThroughMenu(path);
        f->ui().newButton->click();
        QVERIFY(f->ui().editor->isModified());
        QCOMPARE(f->settings().scriptPath, path);
        QCOMPARE(panel(4), QStringLiteral("old.txt"));
        f->ui().editor->textCursor().insertText(QStringLiteral("d\u00E9j\u00E0"));
        f->ui().saveButton->click(); // Save writes to the previous file's name without a prompt
        QVERIFY(platform::MessageBoxes::shown().isEmpty());
        QCOMPARE(readFile(path), QByteArray("d\xC3\xA9j\xC3\xA0"));
        QVERIFY(!f->ui().editor->isModified());
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
        const QByteArray iniBefore = readFile(defaultIni());
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
        QCOMPARE(f->ui().editor->text(), QStringLiteral("good words"));
        QCOMPARE(f->settings().scriptPath, good);
        QCOMPARE(f->scriptFiles().saveRequest().fileName, good);
        QCOMPARE(panel(2), QStringLiteral("Words: 2"));
        QCOMPARE(panel(4), QStringLiteral("good.txt"));
        QCOMPARE(readFile(defaultIni()), iniBefore);
    }

    // Saves that write nothing: no name yet, an empty editor, a cancelled dialog.
    void nothingSaved_data() {
        QTest::addColumn<bool>("saveAs");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("named");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("dialogs");
        QTest::newRow("Save, no name: nothing at all")
            << false << "typed" << false << QStringList() << 0;
        QTest::newRow("Save, empty editor")
            << false << "" << true << QStringList{"Nothing To Save"} << 0;
        QTest::newRow("Save As, empty editor")
            << true << "" << false << QStringList{"Nothing To Save"} << 0;
        QTest::newRow("Save As cancelled") << true << "typed" << false << QStringList() << 1;
    }
    void nothingSaved() {
        QFETCH(bool, saveAs);
        QFETCH(QString, text);
        QFETCH(bool, named);
        QFETCH(QStringList, messages);
        QFETCH(int, dialogs);
        const QString path = sandbox->path(QStringLiteral("named.txt"));
        if (named)
            f->scriptFiles().saveRequest().fileName = path;
        f->ui().editor->setText(text);
        f->ui().editor->setModified(true);
        if (saveAs)
            QVERIFY(!f->scriptFiles().saveScriptAs());
        else
            f->ui().saveAction->trigger();
        QCOMPARE(shownTexts(), messages);
        QCOMPARE(platform::FileDialogs::requests().size(), dialogs);
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(f->ui().editor->isModified());
        QCOMPARE(f->scriptFiles().saveRequest().fileName, named ? path : QString());
    }

    // Save As names the file for later Saves but leaves LastFile alone.
    void saveAsSetsSaveName() {
        f->settings().scriptPath = QStringLiteral("/somewhere/else.txt");
        f->ui().editor->setText(QStringLiteral("one\r\ntwo"));
        const QString path = sandbox->path(QStringLiteral("as.txt"));
        platform::FileDialogs::queueAnswer(path);
        QVERIFY(f->scriptFiles().saveScriptAs());
        QCOMPARE(readFile(path), QByteArray("one\r\ntwo"));
        QCOMPARE(f->scriptFiles().saveRequest().fileName, path);
        QCOMPARE(f->settings().scriptPath, QStringLiteral("/somewhere/else.txt"));
        QVERIFY(!f->ui().editor->isModified());
        f->ui().editor->setText(QStringLiteral("three"));
        f->ui().saveAction->trigger();
        QCOMPARE(readFile(path), QByteArray("three"));
        QCOMPARE(platform::FileDialogs::requests().size(), 1);
    }

    // A refused write shows the command's message and leaves the editor modified, the folder
    // as it was and an old file whole.
    void saveRefused_data() {
        QTest::addColumn<bool>("saveAs");
        QTest::addColumn<Refusal>("how");
        QTest::newRow("Save, disk full") << false << Refusal::DiskFull;
        QTest::newRow("Save As, disk full") << true << Refusal::DiskFull;
        QTest::newRow("Save As, parent is a file") << true << Refusal::ParentIsFile;
        QTest::newRow("Save As, path is a folder") << true << Refusal::PathIsFolder;
        QTest::newRow("Save As, folder missing") << true << Refusal::FolderMissing;
    }
    void saveRefused() {
        QFETCH(bool, saveAs);
        QFETCH(Refusal, how);
        const QString scratch = sandbox->path(QString());
        const QString path = testsupport::refusedPath(scratch, how, QStringLiteral("s.txt"));
        if (how == Refusal::DiskFull)
            openThroughMenu(path);
        const QStringList before = testsupport::entriesIn(scratch);
        const QString text(4096, QLatin1Char('x'));
        f->ui().editor->setText(text);
        f->ui().editor->setModified(true);
        platform::MessageBoxes::clearShown();
        if (saveAs)
            platform::FileDialogs::queueAnswer(path);
        QVERIFY(!testsupport::attemptSave(how, [&] {
            return saveAs ? f->scriptFiles().saveScriptAs()
                          : (f->scriptFiles().saveScript(), !f->ui().editor->isModified());
        }));
        QCOMPARE(shownTexts(), QStringList{saveAs ? "File save problem, Try using [Save As]"
                                                  : "File save problem, Try using [Save AS]"});
        QCOMPARE(platform::MessageBoxes::shown().first().kind, platform::MessageKind::Error);
        QCOMPARE(f->ui().editor->text(), text);
        QVERIFY(f->ui().editor->isModified());
        QCOMPARE(testsupport::entriesIn(scratch), before);
        if (how == Refusal::DiskFull)
            QCOMPARE(readFile(path), testsupport::oldContent());
    }

    // The LastFile key changes alone; every other line of the default file stays.
    void lastFileKeyOnly() {
        const QByteArray before =
            "; kept\r\n[Other]\r\nA=1\r\n[Stuff]\r\nDelay=7\r\nLastFile=old\r\n"
            "[OptionWindows]\r\nML=3\r\n";
        QVERIFY(testsupport::writeBytes(defaultIni(), before));
        const QString path = sandbox->writeFile(QStringLiteral("s.txt"), "x");
        openThroughMenu(path);
        QByteArray expected = before;
        expected.replace("LastFile=old", "LastFile=" + QFile::encodeName(path));
        QCOMPARE(readFile(defaultIni()), expected);
    }

    // The default file cannot take the key: the script is open all the same, and the
    // message names the file.
    void lastFileKeyUnwritable() {
        QVERIFY(QDir().mkpath(defaultIni()));
        const QString path = sandbox->writeFile(QStringLiteral("s.txt"), "words here");
        openThroughMenu(path);
        QCOMPARE(shownTexts(), QStringList{QStringLiteral("Unable to write to ") + defaultIni()});
        QCOMPARE(f->ui().editor->text(), QStringLiteral("words here"));
        QCOMPARE(f->settings().scriptPath, path);
        QCOMPARE(panel(2), QStringLiteral("Words: 2"));
    }

    // A 5 MB script opens, is counted and saved unchanged (the benchmark times it).
    void largeScript() {
        QByteArray bytes;
        const QByteArray line = "The quick brown fox jumps over the lazy dog again and again.\r\n";
        while (bytes.size() < 5 * 1024 * 1024)
            bytes += line;
        bytes.chop(2);
        const QString path = sandbox->writeFile(QStringLiteral("big.txt"), bytes);
        const int lines = int(bytes.count('\n')) + 1;
        f->ui().editor->setWordWrap(false);
        openThroughMenu(path);
        f->ui().saveAction->trigger();
        QCOMPARE(f->scriptFiles().lineCount(), lines);
        QCOMPARE(f->scriptFiles().wordCount(), lines * 12);
        QCOMPARE(readFile(path), bytes);
    }
};

QTEST_MAIN(TestScriptFiles)
#include "tst_scriptfiles.moc"
