// The Edit and Font menus on the main window: find and replace through their dialogs, the
// clipboard, the colours, and every check mark acting when it is clicked.
#include "TestSupport.h"

#include "app/Mainform.h"
#include "app/StatusBar.h"
#include "editor/ScriptEditor.h"
#include "platform/FileDialogs.h"
#include "platform/FindDialog.h"
#include "platform/MessageBoxes.h"

#include <QAction>
#include <QCheckBox>
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

    // Find Next selects whole lines further and further down and never wraps; closing and
    // opening the dialog starts at the top again. The status panels show the line found.
    void findThroughTheDialog() {
        f->Memo1->setText(QStringLiteral("alpha\r\nbeta\r\nalphabet"));
        f->Find1->trigger();
        QVERIFY(f->FindDialog1->isVisible());
        f->FindDialog1->setFindText(QStringLiteral("alpha"));
        f->FindDialog1->FindNextButton->click();
        QCOMPARE(selection(), QStringLiteral("alpha"));
        QCOMPARE(panel(0), QStringLiteral("Line: 0"));
        f->FindDialog1->FindNextButton->click();
        QCOMPARE(selection(), QStringLiteral("alphabet"));
        QCOMPARE(panel(0), QStringLiteral("Line: 2"));
        QCOMPARE(panel(1), QStringLiteral("Lines: 3"));
        f->FindDialog1->FindNextButton->click();
        QCOMPARE(selection(), QStringLiteral("alphabet"));
        QCOMPARE(f->FindNextLine, 3);
        f->FindDialog1->CancelButton->click();
        QVERIFY(!f->FindDialog1->isVisible());
        QCOMPARE(f->FindNextLine, 0);
        f->Find1->trigger();
        f->FindDialog1->MatchCase->setChecked(false); // matching stays case-sensitive
        f->FindDialog1->setFindText(QStringLiteral("Beta"));
        f->FindDialog1->FindNextButton->click();
        QCOMPARE(selection(), QStringLiteral("alphabet"));
        f->FindDialog1->setFindText(QStringLiteral("beta"));
        f->FindDialog1->FindNextButton->click();
        QCOMPARE(selection(), QStringLiteral("beta"));
    }

    // Every button of the replace dialog replaces the first occurrence; the messages quote
    // the find text; Undo takes back one replacement; opening empties the replace text.
    void replaceThroughTheDialog() {
        f->Memo1->setText(QStringLiteral("banana"));
        f->replacetext->trigger();
        f->ReplaceDialog1->setFindText(QStringLiteral("a"));
        f->ReplaceDialog1->ReplaceButton->click();
        QCOMPARE(testsupport::shownTexts(),
                 QStringList{QStringLiteral("Please enter text to Replace \"a\" with.")});
        f->ReplaceDialog1->setReplaceText(QStringLiteral("b"));
        f->ReplaceDialog1->ReplaceButton->click();
        f->ReplaceDialog1->ReplaceAllButton->click();
        QCOMPARE(f->Memo1->text(), QStringLiteral("bbnbna"));
        QVERIFY(f->Undo1->isEnabled());
        f->Undo1->trigger();
        QCOMPARE(f->Memo1->text(), QStringLiteral("bbnana"));
        f->ReplaceDialog1->setFindText(QStringLiteral("x"));
        f->ReplaceDialog1->FindNextButton->click();
        QCOMPARE(testsupport::shownTexts().last(), QStringLiteral("Could not find \"x\"."));
        f->ReplaceDialog1->close();
        f->replacetext->trigger();
        QCOMPARE(f->ReplaceDialog1->replaceText(), QString());
        QCOMPARE(f->ReplaceDialog1->findText(), QStringLiteral("x"));
    }

    // The clipboard holds plain text, and formatted text arrives as plain text.
    void clipboardIsPlainText() {
        f->Memo1->setText(QStringLiteral("one\r\ntwo"));
        f->Memo1->selectAll();
        f->Copy1->trigger();
        const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(copied->formats(), QStringList{QStringLiteral("text/plain")});
        QCOMPARE(copied->text(), QStringLiteral("one\ntwo"));

        auto *rich = new QMimeData;
        rich->setHtml(QStringLiteral("<b>bold</b> <i>words</i>"));
        QGuiApplication::clipboard()->setMimeData(rich);
        f->Memo1->setText(QString());
        f->Paste1->trigger();
        QCOMPARE(f->Memo1->text(), QStringLiteral("bold words"));
        f->Memo1->selectAll();
        f->Cut1->trigger();
        QCOMPARE(f->Memo1->text(), QString());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("bold words"));
    }

    // A new colour reaches the editor at once only with the chroma check down; a background
    // other than black disables "Fade Titles ...", black enables it again; Cancel keeps.
    void colours_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("chroma");
        QTest::addColumn<ColourAnswers>("answers");
        QTest::addColumn<int>("text");
        QTest::addColumn<int>("back");
        QTest::addColumn<bool>("fadeEnabled");
        using Answers = ColourAnswers;
        QTest::newRow("text colour")
            << "Color3" << false << Answers{0x0000FF} << 0x0000FF << 0 << true;
        QTest::newRow("text colour, chroma check")
            << "ToolButton5" << true << Answers{0x00FF00} << 0x00FF00 << 0 << true;
        QTest::newRow("blue background")
            << "ToolButton6" << false << Answers{0xFF0000} << 0xFFFFFF << 0xFF0000 << false;
        QTest::newRow("back to black, chroma check")
            << "BackgroundColor1" << true << Answers{0x123456, 0} << 0xFFFFFF << 0 << true;
        QTest::newRow("cancelled")
            << "BackgroundColor1" << false << Answers{std::nullopt} << 0xFFFFFF << 0 << true;
    }
    void colours() {
        QFETCH(QString, command);
        QFETCH(bool, chroma);
        QFETCH(ColourAnswers, answers);
        QFETCH(int, text);
        QFETCH(int, back);
        QFETCH(bool, fadeEnabled);
        if (chroma)
            f->Chromacheck->click();
        platform::ColorDialogs::scripted(answers);
        for (int i = 0; i < answers.size(); ++i)
            testsupport::toggle(f, command);
        QCOMPARE(f->DisPlaColor, text);
        QCOMPARE(f->FormColor, back);
        QCOMPARE(f->FadeTitles1->isEnabled(), fadeEnabled);
        const QPalette pal = f->Memo1->palette();
        QCOMPARE(pal.color(QPalette::Text),
                 chroma ? QColor(text & 0xFF, (text >> 8) & 0xFF, text >> 16) : QColor(Qt::black));
        QCOMPARE(pal.color(QPalette::Base),
                 chroma ? QColor(back & 0xFF, (back >> 8) & 0xFF, back >> 16) : QColor(Qt::white));
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
        // Where the display offers a vertical-blank wait.
        f->SyncWRetrace1->setEnabled(true);
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

    // Word wrap changes the display lines, which are the lines play scrolls.
    void wordWrapChangesThePlayLines() {
        f->Memo1->setText(QStringLiteral("word ").repeated(200).trimmed() +
                          QStringLiteral("\r\nlast"));
        f->WordWrap1->setChecked(false);
        f->WordWrap1->trigger();
        QVERIFY(f->checkmemo());
        const int wrapped = f->lineCount();
        QVERIFY(wrapped > 2);
        QVERIFY(f->line(0).startsWith(QStringLiteral("word word")));
        QCOMPARE(f->line(wrapped - 1), QStringLiteral("last"));
        QCOMPARE(panel(1), QStringLiteral("Lines: %1").arg(wrapped));
        f->WordWrap1->trigger();
        QVERIFY(f->checkmemo());
        QCOMPARE(f->lineCount(), 2);
        QCOMPARE(f->line(1), QStringLiteral("last"));
        QCOMPARE(panel(1), QStringLiteral("Lines: 2"));
    }
};

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
