// Closing the main window and the exit commands, answered through the message-box and
// file-dialog seams; "ending" is recorded by the test hook instead of ending the process.
#include "TestSupport.h"

#include "app/MainWindow.h"
#include "editor/ScriptEditor.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"

#include <QAction>
#include <QFile>
#include <QTest>

using platform::Answer;
using platform::MessageKind;

Q_DECLARE_METATYPE(platform::Answer)

// How the program is asked to end, and what the Save As dialog answers.
enum class Path { FileExit, MenuBarExit, CloseWindow };
enum class SaveAs { NotAsked, Chosen, Cancelled, Unwritable };
Q_DECLARE_METATYPE(Path)
Q_DECLARE_METATYPE(SaveAs)

class TestExit : public QObject, testsupport::MainWindowFixture {
    Q_OBJECT

    QString target() const { return sandbox->path(QStringLiteral("saved.txt")); }

private slots:
    void init() { openForm(); }
    void cleanup() { closeForm(); }

    // Both "E&xit" commands, the File menu's and the menu bar's, ask "Save lastest changes
    // ...?" when there are changes; closing the window first asks
    // "Quit ... Now?", then the same. Cancel, or a Save As that writes nothing, keeps the
    // program open with the unsaved text.
    void exit_data() {
        QTest::addColumn<Path>("path");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<SaveAs>("saveAs");
        QTest::addColumn<bool>("ends");
        using L = QList<Answer>;
        const Answer Y = Answer::Yes, N = Answer::No, C = Answer::Cancel;
        const auto row = [](const char *name, Path p, const char *text, bool modified,
                            const L &answers, SaveAs s, bool ends) {
            QTest::newRow(name) << p << QString::fromLatin1(text) << modified << answers << s
                                << ends;
        };
        const Path x = Path::FileExit;
        row("File Exit, unchanged: ends unasked", x, "text", false, {}, SaveAs::NotAsked, true);
        row("File Exit, Cancel: stays open", x, "text", true, L{C}, SaveAs::NotAsked, false);
        row("File Exit, Yes, saved: ends", x, "text", true, L{Y}, SaveAs::Chosen, true);
        const Path m = Path::MenuBarExit;
        row("Exit, unchanged: ends unasked", m, "text", false, {}, SaveAs::NotAsked, true);
        row("Exit, No: ends unsaved", m, "text", true, L{N}, SaveAs::NotAsked, true);
        row("Exit, Yes, saved: ends", m, "text", true, L{Y}, SaveAs::Chosen, true);
        row("Exit, Cancel: stays open", m, "text", true, L{C}, SaveAs::NotAsked, false);
        row("Exit, Yes, Save As cancelled: stays open", m, "text", true, L{Y}, SaveAs::Cancelled,
            false);
        row("Exit, Yes, Save As failed: stays open", m, "text", true, L{Y}, SaveAs::Unwritable,
            false);
        row("Exit, Yes on an empty editor: ends", m, "", true, L{Y}, SaveAs::NotAsked, true);
        const Path w = Path::CloseWindow;
        row("Close, No: stays open", w, "text", true, L{N}, SaveAs::NotAsked, false);
        row("Close, Yes, unchanged: ends", w, "text", false, L{Y}, SaveAs::NotAsked, true);
        row("Close, Yes, No: ends unsaved", w, "text", true, L{Y, N}, SaveAs::NotAsked, true);
        row("Close, Yes, Cancel: stays open", w, "text", true, L{Y, C}, SaveAs::NotAsked, false);
        row("Close, Yes, Yes, Save As cancelled: stays open", w, "text", true, L{Y, Y},
            SaveAs::Cancelled, false);
        row("Close, Yes, Yes, saved: ends", w, "text", true, L{Y, Y}, SaveAs::Chosen, true);
    }
    void exit() {
        QFETCH(Path, path);
        QFETCH(QString, text);
        QFETCH(bool, modified);
        QFETCH(QList<Answer>, answers);
        QFETCH(SaveAs, saveAs);
        QFETCH(bool, ends);
        f->settings().scriptPath = QStringLiteral("/scripts/news.txt");
        f->ui().editor->setText(text);
        f->ui().editor->setModified(modified);
        for (Answer a : answers)
            platform::MessageBoxes::queueAnswer(a);
        if (saveAs == SaveAs::Chosen)
            platform::FileDialogs::queueAnswer(target());
        else if (saveAs == SaveAs::Cancelled)
            platform::FileDialogs::queueAnswer(std::nullopt);
        else if (saveAs == SaveAs::Unwritable)
            platform::FileDialogs::queueAnswer(testsupport::refusedPath(
                sandbox->path(QString()), testsupport::Refusal::ParentIsFile, "saved.txt"));

        if (path == Path::FileExit) {
            f->ui().fileExitAction->trigger();
        } else if (path == Path::MenuBarExit) {
            QCOMPARE(f->exitAfterSaveQuestion(), ends);
        } else {
            f->show();
            QVERIFY(QTest::qWaitForWindowExposed(f));
            QCOMPARE(f->close(), ends);
            QCOMPARE(f->isVisible(), !ends);
        }
        QCOMPARE(platform::terminateRequested(), ends);

        const char *kinds[] = {"Information: ", "Error: ", "Confirm: ", "ConfirmCancel: "};
        QStringList asked;
        for (const platform::ShownMessage &m : platform::MessageBoxes::shown())
            asked << kinds[int(m.kind)] + m.text;
        QStringList expected;
        if (path == Path::CloseWindow)
            expected << QStringLiteral("Confirm: Quit ZAL LectoScope-32 Now?");
        if (modified && answers.size() > expected.size())
            expected << QStringLiteral("ConfirmCancel: Save lastest changes /scripts/news.txt?");
        if (text.isEmpty())
            expected << QStringLiteral("Information: Nothing To Save");
        if (saveAs == SaveAs::Unwritable)
            expected << QStringLiteral("Error: File save problem, Try using [Save As]");
        QCOMPARE(asked, expected);
        QCOMPARE(platform::FileDialogs::requests().size(), saveAs == SaveAs::NotAsked ? 0 : 1);
        QCOMPARE(testsupport::readFile(target()),
                 saveAs == SaveAs::Chosen ? text.toUtf8() : QByteArray("<unreadable>"));
        if (!ends || path == Path::CloseWindow) {
            QCOMPARE(f->ui().editor->text(), text);
            QCOMPARE(f->ui().editor->isModified(), modified && saveAs != SaveAs::Chosen);
        }
    }
};

QTEST_MAIN(TestExit)
#include "tst_exit.moc"
