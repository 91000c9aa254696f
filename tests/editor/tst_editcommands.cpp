// The Edit and Font menus on the main window: find and replace through their dialogs, the
// clipboard, the colours, and every check mark acting when it is clicked.
#include "TestSupport.h"

#include "app/MainWindow.h"
#include "app/PlayCommands.h"
#include "editor/EditCommands.h"
#include "editor/FontCommands.h"
#include "editor/ScriptEditor.h"
#include "editor/ScriptFileCommands.h"
#include "platform/Colors.h"
#include "platform/FileDialogs.h"
#include "platform/FindDialog.h"
#include "platform/StatusBar.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using Effect = std::function<bool(MainWindow *)>;
using ColourAnswers = QList<std::optional<int>>;
Q_DECLARE_METATYPE(Effect)
Q_DECLARE_METATYPE(ColourAnswers)

class TestEditCommands : public QObject, testsupport::MainWindowFixture {
    Q_OBJECT

    QString selection() const { return f->ui().editor->textCursor().selectedText(); }
    QString panel(int i) const { return f->ui().statusBar->panelText(i); }

private slots:
    void init() { openForm(); }
    void cleanup() { closeForm(); }

    // Find Next selects whole lines further down and never wraps, and says when it finds
    // nothing; the status panel shows the line; closing the dialog starts the next search at
    // the top; an unticked "Match case" finds any case.
    void findThroughTheDialog() {
        f->ui().editor->setText(QStringLiteral("alpha\r\nbeta\r\nalphabet"));
        platform::FindDialog *dialog = f->ui().findDialog;
        f->ui().findAction->trigger();
        dialog->setFindText(QStringLiteral("alpha"));
        QStringList seen;
        for (int i = 0; i < 3; ++i) {
            dialog->FindNextButton->click();
            seen << selection() + u' ' + panel(0);
        }
        QCOMPARE(seen, (QStringList{"alpha Line: 0", "alphabet Line: 2", "alphabet Line: 2"}));
        dialog->CancelButton->click();
        QCOMPARE(f->editCommands().findFromLine(), 0);

        f->ui().findAction->trigger();
        QVERIFY(dialog->MatchCase->isChecked());
        dialog->setFindText(QStringLiteral("ALPHA"));
        dialog->FindNextButton->click();
        dialog->MatchCase->setChecked(false);
        dialog->FindNextButton->click();
        QCOMPARE(selection() + u' ' + panel(0), QStringLiteral("alpha Line: 0"));
        QCOMPARE(testsupport::shownTexts(),
                 (QStringList{"Could not find \"alpha\".", "Could not find \"ALPHA\"."}));
    }

    // Find Next and Replace replace the first occurrence, Replace All every one; Undo takes
    // back one press; opening the dialog empties the replace text.
    void replaceThroughTheDialog() {
        f->ui().editor->setText(QStringLiteral("banana"));
        f->ui().replaceAction->trigger();
        f->ui().replaceDialog->setFindText(QStringLiteral("a"));
        f->ui().replaceDialog->ReplaceButton->click();
        f->ui().replaceDialog->setReplaceText(QStringLiteral("b"));
        f->ui().replaceDialog->FindNextButton->click();
        QCOMPARE(f->ui().editor->text(), QStringLiteral("bbnana"));
        f->ui().replaceDialog->ReplaceAllButton->click();
        QCOMPARE(f->ui().editor->text(), QStringLiteral("bbnbnb"));
        f->ui().undoAction->trigger();
        QCOMPARE(f->ui().editor->text(), QStringLiteral("bbnana"));
        f->ui().replaceDialog->ReplaceButton->click(); // what is searched followed the undo
        QCOMPARE(f->ui().editor->text(), QStringLiteral("bbnbna"));
        QCOMPARE(testsupport::shownTexts(),
                 QStringList{QStringLiteral("Please enter text to Replace \"a\" with.")});
        f->ui().replaceDialog->close();
        f->ui().replaceAction->trigger();
        QCOMPARE(f->ui().replaceDialog->replaceText(), QString());
    }

    // Tab goes through the fields first, then the buttons.
    void dialogTabOrder_data() {
        QTest::addColumn<bool>("replacing");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("Find") << false
                              << QStringList{"FindEdit", "MatchCase", "FindNextButton",
                                             "CancelButton"};
        QTest::newRow("Replace") << true << QStringList{"FindEdit",         "ReplaceEdit",
                                                        "FindNextButton",   "ReplaceButton",
                                                        "ReplaceAllButton", "CancelButton"};
    }
    void dialogTabOrder() {
        QFETCH(bool, replacing);
        QFETCH(QStringList, order);
        (replacing ? f->ui().replaceAction : f->ui().findAction)->trigger();
        platform::FindDialog *dialog = replacing ? f->ui().replaceDialog : f->ui().findDialog;
        QStringList seen{dialog->FindEdit->objectName()};
        for (QWidget *w = dialog->FindEdit->nextInFocusChain(); w != dialog->FindEdit;
             w = w->nextInFocusChain()) {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(dialog))
                seen << w->objectName();
        }
        QCOMPARE(seen, order);
        dialog->close();
    }

    // The clipboard holds plain text, and formatted text arrives as plain text.
    void clipboardIsPlainText() {
        f->ui().editor->setText(QStringLiteral("one\r\ntwo"));
        f->ui().editor->selectAll();
        f->ui().cutAction->trigger();
        const QMimeData *cut = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(cut->formats(), QStringList{QStringLiteral("text/plain")});
        QCOMPARE(cut->text(), QStringLiteral("one\ntwo"));
        auto *rich = new QMimeData;
        rich->setHtml(QStringLiteral("<b>bold</b> <i>words</i>"));
        QGuiApplication::clipboard()->setMimeData(rich);
        f->ui().pasteAction->trigger();
        QCOMPARE(f->ui().editor->text(), QStringLiteral("bold words"));
    }

    // The editor takes a new colour at once only with the chroma check down; a background
    // other than black disables "Fade Titles ...", black enables it again; Cancel keeps.
    void colours_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("chroma");
        QTest::addColumn<ColourAnswers>("answers");
        QTest::addColumn<int>("text");
        QTest::addColumn<int>("back");
        QTest::newRow("FColor, chroma check down")
            << "textColorButton" << true << ColourAnswers{0xFF00} << 0xFF00 << 0;
        QTest::newRow("BColor blue")
            << "backgroundColorButton" << false << ColourAnswers{0xFF0000} << 0xFFFFFF << 0xFF0000;
        QTest::newRow("back to black, chroma check")
            << "backgroundColorAction" << true << ColourAnswers{0x123456, 0} << 0xFFFFFF << 0;
        QTest::newRow("cancelled")
            << "backgroundColorAction" << false << ColourAnswers{std::nullopt} << 0xFFFFFF << 0;
    }
    void colours() {
        QFETCH(QString, command);
        QFETCH(bool, chroma);
        QFETCH(ColourAnswers, answers);
        QFETCH(int, text);
        QFETCH(int, back);
        if (chroma)
            f->ui().chromaCheckButton->click();
        platform::ColorDialogs::scripted(answers);
        for (int i = 0; i < answers.size(); ++i)
            testsupport::toggle(f, command);
        QCOMPARE(f->settings().textColor, text);
        QCOMPARE(f->settings().backgroundColor, back);
        QCOMPARE(f->ui().fadeTitlesAction->isEnabled(), back == 0);
        const QPalette pal = f->ui().editor->palette();
        QCOMPARE(pal.color(QPalette::Text), platform::toQColor(chroma ? text : 0));
        QCOMPARE(pal.color(QPalette::Base), platform::toQColor(chroma ? back : 0xFFFFFF));
    }

    // Each check mark flips when clicked and what it stands for changes with it; a font style
    // leaves the other two as they are.
    void checkMarksAct_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<Effect>("effect");
        const auto row = [](const char *name, Effect effect) {
            QTest::newRow(name) << QString::fromLatin1(name) << effect;
        };
        row("boldAction", [](MainWindow *f) { return f->ui().editor->font().bold(); });
        row("underlineAction", [](MainWindow *f) { return f->ui().editor->font().underline(); });
        row("italicAction", [](MainWindow *f) { return f->ui().editor->font().italic(); });
        row("wordWrapAction", [](MainWindow *f) { return f->ui().editor->wordWrap(); });
        row("noReturnsAction", [](MainWindow *f) { return !f->ui().editor->wantReturns(); });
        row("tvTitleAction", [](MainWindow *f) { return f->playCommands().playOptions().tvTitle; });
        row("startFromCursorAction",
            [](MainWindow *f) { return f->playCommands().playOptions().startFromCursor; });
        row("syncRetraceAction",
            [](MainWindow *f) { return f->playCommands().playOptions().syncRetrace; });
    }
    void checkMarksAct() {
        QFETCH(QString, item);
        QFETCH(Effect, effect);
        f->ui().syncRetraceAction->setEnabled(
            true); // as where the display has a vertical-blank wait
        f->settings().retracePort = 0x3DA;
        f->fontCommands().applyEditorCheckMarks(); // the editor as the marks say, as after a load
        const auto styleOn = [this](const QString &name) {
            const QFont font = f->ui().editor->font();
            return name == u"boldAction"        ? font.bold()
                   : name == u"underlineAction" ? font.underline()
                                                : font.italic();
        };
        QStringList otherStyles{"boldAction", "underlineAction", "italicAction"};
        if (!otherStyles.removeOne(item))
            otherStyles.clear();
        for (const QString &other : otherStyles) {
            if (!styleOn(other))
                testsupport::toggle(f, other);
        }
        for (int i = 0; i < 2; ++i) {
            const bool before = testsupport::isChecked(f, item);
            QCOMPARE(effect(f), before);
            testsupport::toggle(f, item);
            QCOMPARE(testsupport::isChecked(f, item), !before);
            QCOMPARE(effect(f), !before);
            for (const QString &other : otherStyles)
                QVERIFY2(styleOn(other), qPrintable(other));
        }
    }

    void tvTitleStaysOffWhileFading() {
        f->settings().fadeTitles = true;
        f->applyFadeMode();
        f->ui().tvTitleAction->trigger();
        QVERIFY(!f->ui().tvTitleAction->isChecked());
    }

    // Word wrap changes the display lines, which are the lines play scrolls, and the status.
    void wordWrapChangesThePlayLines() {
        f->ui().editor->setText(QStringLiteral("word ").repeated(200) + QStringLiteral("\r\nlast"));
        for (const bool wrapped : {true, false}) {
            f->ui().wordWrapAction->trigger();
            QVERIFY(f->scriptFiles().checkScript());
            const int lines = f->playCommands().lineCount();
            QCOMPARE(lines > 2, wrapped);
            QCOMPARE(f->playCommands().line(lines - 1), QStringLiteral("last"));
            QCOMPARE(panel(1), QStringLiteral("Lines: %1").arg(lines));
        }
    }
};

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
