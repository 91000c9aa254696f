// The key increments dialog and the font chooser, opened from the main window's menus.
#include "TestSupport.h"

#include "app/Forms.h"
#include "app/Mainform.h"
#include "dialogs/FontFaceDelegate.h"
#include "dialogs/TConfigKeys.h"
#include "dialogs/TbFontForm.h"
#include "editor/ScriptEditor.h"

#include <QAction>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

namespace {
// Closes a dialog the way the operator chose.
void closeDialog(QDialog *dialog, QPushButton *ok, QPushButton *cancel, const QString &how) {
    if (how == QLatin1String("ok"))
        ok->click();
    else if (how == QLatin1String("cancel"))
        cancel->click();
    else if (how == QLatin1String("esc"))
        QTest::keyClick(dialog, Qt::Key_Escape);
    else
        dialog->close();
}
} // namespace

class TestOptionDialogs : public QObject {
    Q_OBJECT
    std::unique_ptr<testsupport::Sandbox> sandbox;

private slots:
    void init() {
        sandbox = std::make_unique<testsupport::Sandbox>();
        QVERIFY(testsupport::createWindows());
    }
    void cleanup() { sandbox.reset(); }

    // The bars start at the steps in use, clamped to their ranges; only OK takes them.
    void keyIncrements_data() {
        QTest::addColumn<int>("storedPage");
        QTest::addColumn<int>("page"); // where the operator moves the bars
        QTest::addColumn<int>("arrow");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("keptPage");
        QTest::addColumn<int>("keptArrow");
        QTest::newRow("5000 opens at 3000, OK") << 5000 << -1 << -1 << "ok" << 3000 << 50;
        QTest::newRow("5000 kept by Cancel") << 5000 << 1000 << 100 << "cancel" << 5000 << 50;
        QTest::newRow("close box changes nothing") << 100 << 0 << 0 << "close" << 100 << 50;
        QTest::newRow("Esc changes nothing") << 100 << 0 << 0 << "esc" << 100 << 50;
        QTest::newRow("both set to 0") << 100 << 0 << 0 << "ok" << 0 << 0;
    }
    void keyIncrements() {
        QFETCH(int, storedPage);
        QFETCH(int, page);
        QFETCH(int, arrow);
        QFETCH(QString, how);
        QFETCH(int, keptPage);
        QFETCH(int, keptArrow);
        Form1->PgJumpAmt = storedPage;
        Form1->ArrowAmt = 50;
        bool ran = false;
        // A failed check leaves the lambda early; the dialog is closed in any case.
        const auto checks = [&] {
            ran = true;
            QCOMPARE(ConfigKeys->pos(), Form1->underAutoTimerPanel());
            QCOMPARE(ConfigKeys->TrackBar1->value(), std::min(storedPage, 3000));
            QCOMPARE(ConfigKeys->Label2->text(), QString::number(std::min(storedPage, 3000)));
            QCOMPARE(ConfigKeys->Label4->text(), QStringLiteral("50"));
            if (page >= 0) {
                ConfigKeys->TrackBar1->setValue(page);
                ConfigKeys->TrackBar2->setValue(arrow);
                QCOMPARE(ConfigKeys->Label2->text(), QString::number(page));
                QCOMPARE(ConfigKeys->Label4->text(), QString::number(arrow));
                QCOMPARE(Form1->PgJumpAmt, storedPage); // nothing stored before OK
            }
        };
        QTimer::singleShot(0, ConfigKeys, [&] {
            checks();
            closeDialog(ConfigKeys, ConfigKeys->BitBtn1, ConfigKeys->BitBtn2, how);
        });
        Form1->ConfigureKeys1->trigger();
        QVERIFY(ran && !ConfigKeys->isVisible());
        QCOMPARE(Form1->PgJumpAmt, keptPage);
        QCOMPARE(Form1->ArrowAmt, keptArrow);
    }

    // The editor follows the chooser at once; the two size bars follow each other; Cancel,
    // Esc and the close box restore face and size on both bars and labels.
    void fontChooser_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK") << "ok";
        QTest::newRow("Cancel") << "cancel";
        QTest::newRow("Esc") << "esc";
        QTest::newRow("close box") << "close";
    }
    void fontChooser() {
        QFETCH(QString, how);
        const QString face = Form1->Memo1->font().family();
        const QString shown = QFontInfo(Form1->Memo1->font()).family(); // "Arial" resolved
        QCOMPARE(Form1->editorFontSize(), 24);                          // from the configuration
        QString other;
        for (const QString &f : QFontDatabase::families())
            if (f != face && f != shown && !QFontDatabase::isPrivateFamily(f))
                other = f;
        QVERIFY(!other.isEmpty());
        bool ran = false;
        const auto checks = [&] {
            ran = true;
            QCOMPARE(bFontForm->FontSizeTrackbar->value(), 24);
            QCOMPARE(bFontForm->fontsizelabel->text(), QStringLiteral("24"));
            QCOMPARE(bFontForm->fontlabel->text(), face);
            QVERIFY(bFontForm->ListBox1->currentItem());
            QCOMPARE(bFontForm->ListBox1->currentItem()->text(), shown);
            bFontForm->ListBox1->setCurrentItem(
                bFontForm->ListBox1->findItems(other, Qt::MatchExactly).value(0));
            QCOMPARE(Form1->Memo1->font().family(), other);
            QCOMPARE(bFontForm->fontlabel->text(), other);
            bFontForm->FontSizeTrackbar->setValue(40);
            QCOMPARE(Form1->editorFontSize(), 40);
            QCOMPARE(Form1->TrackBar1->value(), 40);
            QCOMPARE(Form1->Label6->text(), QStringLiteral("40"));
            Form1->TrackBar1->setValue(300); // the main bar stops at 200, and the chooser's
            QCOMPARE(bFontForm->FontSizeTrackbar->value(), 200);
            QCOMPARE(bFontForm->fontsizelabel->text(), QStringLiteral("200"));
        };
        QTimer::singleShot(0, bFontForm, [&] {
            checks();
            closeDialog(bFontForm, bFontForm->BitBtn1, bFontForm->BitBtn2, how);
        });
        Form1->TypeansSize1->trigger();
        QVERIFY(ran && !bFontForm->isVisible());
        const bool kept = how == QLatin1String("ok");
        const int size = kept ? 200 : 24;
        QCOMPARE(Form1->Memo1->font().family(), kept ? other : face);
        QCOMPARE(Form1->editorFontSize(), size);
        QCOMPARE(Form1->TrackBar1->value(), size);
        QCOMPARE(Form1->Label6->text(), QString::number(size));
        QCOMPARE(bFontForm->FontSizeTrackbar->value(), size);
        QCOMPARE(bFontForm->fontsizelabel->text(), QString::number(size));
    }

    // Only the faces of the items shown are loaded; each drawn item is as high as "Wg" + 2
    // in its own face, on the editor's colours.
    void fontListDrawsLazily() {
        TbFontForm dialog;
        FontChooserInput input;
        input.font = QFont(QStringLiteral("Arial"), 14);
        input.text = Qt::yellow;
        input.background = Qt::darkBlue;
        input.height = 260; // the lowest: a list 100 pixels high
        dialog.prepare(input);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QListWidget *list = dialog.ListBox1;
        if (list->count() < 12)
            QSKIP("too few installed faces to fill more than the list shows");
        // The list lays out again once the first items drawn have their heights.
        QTRY_VERIFY(dialog.facesLoaded() > 0);
        list->viewport()->repaint();
        QCoreApplication::processEvents();
        QVERIFY2(dialog.facesLoaded() < list->count() / 2,
                 qPrintable(QStringLiteral("%1 of %2 faces loaded")
                                .arg(dialog.facesLoaded())
                                .arg(list->count())));
        QCOMPARE(list->palette().color(QPalette::Base), QColor(Qt::darkBlue));
        int drawn = 0;
        for (int i = 0; i < list->count(); ++i) {
            const QRect r = list->visualItemRect(list->item(i));
            if (!r.intersects(list->viewport()->rect()))
                continue;
            ++drawn;
            const QFont font = FontFaceDelegate::faceFont(list->item(i)->text(), list->font());
            QCOMPARE(r.height(), QFontMetrics(font).height() + 2);
        }
        QVERIFY(drawn > 0);
    }
};

QTEST_MAIN(TestOptionDialogs)
#include "tst_optiondialogs.moc"
