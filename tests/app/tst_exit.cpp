// Closing the main window and the two exit commands, answered through the message-box and
// file-dialog seams; "ending" is recorded by the test hook instead of ending the process.
#include "TestSupport.h"

#include "app/Mainform.h"
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

// What the Save As dialog answers.
enum class SaveAs { NotAsked, Chosen, Cancelled, Unwritable };
Q_DECLARE_METATYPE(SaveAs)

class TestExit : public QObject, testsupport::MainWindowFixture {
    Q_OBJECT

    QString target() const { return sandbox->path(QStringLiteral("saved.txt")); }

    // The editor holds typed, unsaved text (or nothing at all).
    void type(const QString &text) {
        f->LastFile = QStringLiteral("/scripts/news.txt");
        f->Memo1->setText(text);
        f->Memo1->setModified(true);
    }

    void queueSaveAs(SaveAs saveAs) {
        switch (saveAs) {
        case SaveAs::NotAsked:
            break;
        case SaveAs::Chosen:
            platform::FileDialogs::queueAnswer(target());
            break;
        case SaveAs::Cancelled:
            platform::FileDialogs::queueAnswer(std::nullopt);
            break;
        case SaveAs::Unwritable:
            platform::FileDialogs::queueAnswer(sandbox->writeFile(QStringLiteral("plain"), "x") +
                                               QStringLiteral("/saved.txt"));
            break;
        }
    }

private slots:
    void init() { openForm(); }
    void cleanup() { closeForm(); }

    // File menu "E&xit" ends at once, whatever the editor holds.
    void exit1EndsAtOnce() {
        type(QStringLiteral("unsaved words"));
        f->Exit1->trigger();
        QVERIFY(platform::terminateRequested());
        QVERIFY(platform::MessageBoxes::shown().isEmpty());
        QVERIFY(platform::FileDialogs::requests().isEmpty());
    }

    // Menu bar "E&xit": the save question and its answers.
    void exit2_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<SaveAs>("saveAs");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<bool>("saved");
        QTest::newRow("unchanged: ends without a question")
            << "text" << false << Answer::Ok << SaveAs::NotAsked << true << false;
        QTest::newRow("No: ends unsaved")
            << "text" << true << Answer::No << SaveAs::NotAsked << true << false;
        QTest::newRow("Yes, saved: ends")
            << "text" << true << Answer::Yes << SaveAs::Chosen << true << true;
        QTest::newRow("Cancel: stays open")
            << "text" << true << Answer::Cancel << SaveAs::NotAsked << false << false;
        QTest::newRow("Yes, Save As cancelled: stays open")
            << "text" << true << Answer::Yes << SaveAs::Cancelled << false << false;
        QTest::newRow("Yes, Save As failed: stays open")
            << "text" << true << Answer::Yes << SaveAs::Unwritable << false << false;
        QTest::newRow("Yes on an empty editor: nothing to lose, ends")
            << "" << true << Answer::Yes << SaveAs::NotAsked << true << false;
    }
    void exit2() {
        QFETCH(QString, text);
        QFETCH(bool, modified);
        QFETCH(Answer, answer);
        QFETCH(SaveAs, saveAs);
        QFETCH(bool, ends);
        QFETCH(bool, saved);
        type(text);
        f->Memo1->setModified(modified);
        if (modified)
            platform::MessageBoxes::queueAnswer(answer);
        queueSaveAs(saveAs);

        QCOMPARE(f->Exit2Click(), ends);
        QCOMPARE(platform::terminateRequested(), ends);
        if (modified) {
            const auto &first = platform::MessageBoxes::shown().first();
            QCOMPARE(first.kind, MessageKind::ConfirmCancel);
            QCOMPARE(first.text, QStringLiteral("Save lastest changes /scripts/news.txt?"));
        } else {
            QVERIFY(platform::MessageBoxes::shown().isEmpty());
        }
        QCOMPARE(QFile::exists(target()), saved);
        if (saved)
            QCOMPARE(testsupport::readFile(target()), text.toUtf8());
        QCOMPARE(platform::FileDialogs::requests().size(), saveAs == SaveAs::NotAsked ? 0 : 1);
        if (!ends) {
            QCOMPARE(f->Memo1->text(), text);
            QVERIFY(f->Memo1->isModified());
        }
    }

    // Closing the window: first "Quit ... Now?", then the exit question when there are
    // changes. Cancel, or a Save As that writes nothing, keeps the program open.
    void closeWindow_data() {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<SaveAs>("saveAs");
        QTest::addColumn<bool>("closes");
        QTest::newRow("No: stays open")
            << true << QList<Answer>{Answer::No} << SaveAs::NotAsked << false;
        QTest::newRow("Yes, unchanged: ends")
            << false << QList<Answer>{Answer::Yes} << SaveAs::NotAsked << true;
        QTest::newRow("Yes, then No: ends unsaved")
            << true << QList<Answer>{Answer::Yes, Answer::No} << SaveAs::NotAsked << true;
        QTest::newRow("Yes, then Cancel: stays open")
            << true << QList<Answer>{Answer::Yes, Answer::Cancel} << SaveAs::NotAsked << false;
        QTest::newRow("Yes, Yes, Save As cancelled: stays open")
            << true << QList<Answer>{Answer::Yes, Answer::Yes} << SaveAs::Cancelled << false;
        QTest::newRow("Yes, Yes, saved: ends")
            << true << QList<Answer>{Answer::Yes, Answer::Yes} << SaveAs::Chosen << true;
    }
    void closeWindow() {
        QFETCH(bool, modified);
        QFETCH(QList<Answer>, answers);
        QFETCH(SaveAs, saveAs);
        QFETCH(bool, closes);
        type(QStringLiteral("the script"));
        f->Memo1->setModified(modified);
        for (Answer a : answers)
            platform::MessageBoxes::queueAnswer(a);
        queueSaveAs(saveAs);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));

        QCOMPARE(f->close(), closes);
        QCOMPARE(platform::terminateRequested(), closes);
        QCOMPARE(f->isVisible(), !closes);
        const QList<platform::ShownMessage> &shown = platform::MessageBoxes::shown();
        QCOMPARE(shown.size(), answers.size());
        QCOMPARE(shown.first().kind, MessageKind::Confirm);
        QCOMPARE(shown.first().text, QStringLiteral("Quit ZAL LectoScope-32 Now?"));
        if (shown.size() > 1)
            QCOMPARE(shown.at(1).kind, MessageKind::ConfirmCancel);
        QCOMPARE(f->Memo1->text(), QStringLiteral("the script"));
        QCOMPARE(f->Memo1->isModified(), modified && !(saveAs == SaveAs::Chosen));
    }
};

QTEST_MAIN(TestExit)
#include "tst_exit.moc"
