// The Edit and Font menus on the main window: find and replace through their dialogs, the
// clipboard, the colours, and every check mark acting when it is clicked.
#include "TestSupport.h"

#include "app/Mainform.h"
#include "app/StatusBar.h"
#include "editor/ScriptEditor.h"
#include "platform/Colors.h"
#include "platform/FileDialogs.h"
#include "platform/FindDialog.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using Effect = std::function<bool(TForm1 *)>;
using ColourAnswers = QList<std::optional<int>>;
Q_DECLARE_METATYPE(Effect)
Q_DECLARE_METATYPE(ColourAnswers)

class TestEditCommands : public QObject, testsupport::MainWindowFixture {
    Q_OBJECT

    QString selection() const { return f->Memo1->textCursor().selectedText(); }
    QString panel(int i) const { return f->StatusBar1->panelText(i); }

private slots:
    void init() { openForm(); }
    void cleanup() { closeForm(); }

    // Find Next selects whole lines further down and never wraps; the status panel shows the
    // line; closing the dialog starts the next search at the top.
    void findThroughTheDialog() {
        f->Memo1->setText(QStringLiteral("alpha\r\nbeta\r\nalphabet"));
        f->Find1->trigger();
        f->FindDialog1->setFindText(QStringLiteral("alpha"));
        QStringList seen;
        for (int i = 0; i < 3; ++i) {
            f->FindDialog1->FindNextButton->click();
            seen << selection() + u' ' + panel(0);
        }
        QCOMPARE(seen, (QStringList{"alpha Line: 0", "alphabet Line: 2", "alphabet Line: 2"}));
        f->FindDialog1->CancelButton->click();
        QCOMPARE(f->FindNextLine, 0);
    }

    // Every button of the replace dialog replaces the first occurrence; Undo takes back one;
    // opening the dialog empties the replace text.
    void replaceThroughTheDialog() {
        f->Memo1->setText(QStringLiteral("banana"));
        f->replacetext->trigger();
        f->ReplaceDialog1->setFindText(QStringLiteral("a"));
        f->ReplaceDialog1->ReplaceButton->click();
        f->ReplaceDialog1->setReplaceText(QStringLiteral("b"));
        f->ReplaceDialog1->ReplaceAllButton->click();
        f->ReplaceDialog1->FindNextButton->click();
        QCOMPARE(f->Memo1->text(), QStringLiteral("bbnbna"));
        f->Undo1->trigger();
        QCOMPARE(f->Memo1->text(), QStringLiteral("bbnana"));
        f->ReplaceDialog1->ReplaceButton->click(); // what is searched followed the undo
        QCOMPARE(f->Memo1->text(), QStringLiteral("bbnbna"));
        QCOMPARE(testsupport::shownTexts(),
                 QStringList{QStringLiteral("Please enter text to Replace \"a\" with.")});
        f->ReplaceDialog1->close();
        f->replacetext->trigger();
        QCOMPARE(f->ReplaceDialog1->replaceText(), QString());
    }

    // The clipboard holds plain text, and formatted text arrives as plain text.
    void clipboardIsPlainText() {
        f->Memo1->setText(QStringLiteral("one\r\ntwo"));
        f->Memo1->selectAll();
        f->Cut1->trigger();
        const QMimeData *cut = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(cut->formats(), QStringList{QStringLiteral("text/plain")});
        QCOMPARE(cut->text(), QStringLiteral("one\ntwo"));
        auto *rich = new QMimeData;
        rich->setHtml(QStringLiteral("<b>bold</b> <i>words</i>"));
        QGuiApplication::clipboard()->setMimeData(rich);
        f->Paste1->trigger();
        QCOMPARE(f->Memo1->text(), QStringLiteral("bold words"));
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
            << "ToolButton5" << true << ColourAnswers{0xFF00} << 0xFF00 << 0;
        QTest::newRow("BColor blue")
            << "ToolButton6" << false << ColourAnswers{0xFF0000} << 0xFFFFFF << 0xFF0000;
        QTest::newRow("back to black, chroma check")
            << "BackgroundColor1" << true << ColourAnswers{0x123456, 0} << 0xFFFFFF << 0;
        QTest::newRow("cancelled")
            << "BackgroundColor1" << false << ColourAnswers{std::nullopt} << 0xFFFFFF << 0;
    }
    void colours() {
        QFETCH(QString, command);
        QFETCH(bool, chroma);
        QFETCH(ColourAnswers, answers);
        QFETCH(int, text);
        QFETCH(int, back);
        if (chroma)
            f->Chromacheck->click();
        platform::ColorDialogs::scripted(answers);
        for (int i = 0; i < answers.size(); ++i)
            testsupport::toggle(f, command);
        QCOMPARE(f->DisPlaColor, text);
        QCOMPARE(f->FormColor, back);
        QCOMPARE(f->FadeTitles1->isEnabled(), back == 0);
        const QPalette pal = f->Memo1->palette();
        QCOMPARE(pal.color(QPalette::Text), platform::toQColor(chroma ? text : 0));
        QCOMPARE(pal.color(QPalette::Base), platform::toQColor(chroma ? back : 0xFFFFFF));
    }

    // Each check mark flips when clicked and what it stands for changes with it.
    void checkMarksAct_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<Effect>("effect");
        const auto row = [](const char *name, Effect effect) {
            QTest::newRow(name) << QString::fromLatin1(name) << effect;
        };
        row("Bold2", [](TForm1 *f) { return f->Memo1->font().bold(); });
        row("Underline1", [](TForm1 *f) { return f->Memo1->font().underline(); });
        row("Italic1", [](TForm1 *f) { return f->Memo1->font().italic(); });
        row("WordWrap1", [](TForm1 *f) { return f->Memo1->wordWrap(); });
        row("Wantreturn", [](TForm1 *f) { return !f->Memo1->wantReturns(); });
        row("TVTitle1", [](TForm1 *f) { return f->playOptions().tvTitle; });
        row("StartfromCursor1", [](TForm1 *f) { return f->playOptions().startFromCursor; });
        row("SyncWRetrace1", [](TForm1 *f) { return f->playOptions().syncRetrace; });
    }
    void checkMarksAct() {
        QFETCH(QString, item);
        QFETCH(Effect, effect);
        f->SyncWRetrace1->setEnabled(true); // as where the display has a vertical-blank wait
        f->RetracePort = 0x3DA;
        f->applyEditorCheckMarks(); // the editor as the marks say, as after a load
        for (int i = 0; i < 2; ++i) {
            const bool before = testsupport::isChecked(f, item);
            QCOMPARE(effect(f), before);
            testsupport::toggle(f, item);
            QCOMPARE(testsupport::isChecked(f, item), !before);
            QCOMPARE(effect(f), !before);
        }
    }

    void tvTitleStaysOffWhileFading() {
        f->FadeTitles = true;
        f->setfadedefaults();
        f->TVTitle1->trigger();
        QVERIFY(!f->TVTitle1->isChecked());
    }

    // Word wrap changes the display lines, which are the lines play scrolls, and the status.
    void wordWrapChangesThePlayLines() {
        f->Memo1->setText(QStringLiteral("word ").repeated(200) + QStringLiteral("\r\nlast"));
        for (const bool wrapped : {true, false}) {
            f->WordWrap1->trigger();
            QVERIFY(f->checkmemo());
            const int lines = f->lineCount();
            QCOMPARE(lines > 2, wrapped);
            QCOMPARE(f->line(lines - 1), QStringLiteral("last"));
            QCOMPARE(panel(1), QStringLiteral("Lines: %1").arg(lines));
        }
    }
};

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
