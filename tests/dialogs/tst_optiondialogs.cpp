// The key increments dialog and the font chooser, opened from the main window's menus.
#include "TestSupport.h"

#include "app/MainWindow.h"
#include "app/ProgramWindows.h"
#include "dialogs/FontChooser.h"
#include "dialogs/FontFaceDelegate.h"
#include "dialogs/KeyStepsDialog.h"
#include "editor/ScriptEditor.h"
#include "preroll/AutoStartCommands.h"

#include <QAction>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTest>

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
        QTest::addColumn<int>("stored"); // Page Up/Down step when the dialog opens
        QTest::addColumn<int>("moved");  // both bars moved there; -1: not moved
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("keptPage");
        QTest::addColumn<int>("keptArrow");
        QTest::newRow("5000 opens at 3000, OK") << 5000 << -1 << "ok" << 3000 << 50;
        QTest::newRow("5000 kept by Cancel") << 5000 << 100 << "cancel" << 5000 << 50;
        QTest::newRow("close box changes nothing") << 100 << 0 << "close" << 100 << 50;
        QTest::newRow("Esc changes nothing") << 100 << 0 << "esc" << 100 << 50;
        QTest::newRow("both set to 0") << 100 << 0 << "ok" << 0 << 0;
    }
    void keyIncrements() {
        QFETCH(int, stored);
        QFETCH(int, moved);
        QFETCH(QString, how);
        QFETCH(int, keptPage);
        QFETCH(int, keptArrow);
        mainWindow->settings().pageStep = stored;
        mainWindow->settings().arrowStep = 50;
        KeyStepsDialog *d = keyStepsDialog;
        testsupport::runDialog(
            mainWindow->ui().keyStepsAction, d, d->ui().okButton, d->ui().cancelButton, how, [&] {
                QCOMPARE(d->pos(), mainWindow->autoStart().underAutoTimerPanel());
                QCOMPARE(d->ui().pageStepValue->text(), QString::number(std::min(stored, 3000)));
                QCOMPARE(d->ui().arrowStepValue->text(), QStringLiteral("50"));
                if (moved < 0)
                    return;
                d->ui().pageStepBar->setValue(moved);
                d->ui().arrowStepBar->setValue(moved);
                QCOMPARE(d->ui().pageStepValue->text() + d->ui().arrowStepValue->text(),
                         QString::number(moved).repeated(2));
                QCOMPARE(mainWindow->settings().pageStep, stored); // nothing stored before OK
            });
        QCOMPARE(mainWindow->settings().pageStep, keptPage);
        QCOMPARE(mainWindow->settings().arrowStep, keptArrow);
    }

    // The editor follows the chooser at once; the two size bars follow each other; Cancel,
    // Esc and the close box restore face and size on both bars and labels.
    void fontChooser_data() {
        QTest::addColumn<QString>("how");
        for (const char *how : {"ok", "cancel", "esc", "close"})
            QTest::newRow(how) << QString::fromLatin1(how);
    }
    void fontChooser() {
        QFETCH(QString, how);
        const QString face = mainWindow->ui().editor->font().family();
        const QString shown =
            QFontInfo(mainWindow->ui().editor->font()).family(); // "Arial" resolved
        QCOMPARE(mainWindow->editorFontSize(), 24);              // from the configuration
        QString other;
        for (const QString &f : QFontDatabase::families())
            if (f != face && f != shown && !QFontDatabase::isPrivateFamily(f))
                other = f;
        FontChooser *d = ::fontChooser;
        testsupport::runDialog(
            mainWindow->ui().typeAndSizeAction, d, d->ui().okButton, d->ui().cancelButton, how,
            [&] {
                QCOMPARE(d->ui().sizeLabel->text(), QStringLiteral("24"));
                QCOMPARE(d->ui().faceLabel->text(), face);
                QVERIFY(d->ui().faceList->currentItem());
                QCOMPARE(d->ui().faceList->currentItem()->text(), shown);
                d->ui().faceList->setCurrentItem(
                    d->ui().faceList->findItems(other, Qt::MatchExactly).value(0));
                QCOMPARE(mainWindow->ui().editor->font().family(), other);
                d->ui().sizeBar->setValue(40);
                QCOMPARE(mainWindow->editorFontSize(), 40);
                QCOMPARE(mainWindow->ui().fontSizeBar->value(), 40);
                QCOMPARE(mainWindow->ui().fontSizeLabel->text(), QStringLiteral("40"));
                mainWindow->ui().fontSizeBar->setValue(
                    300); // the main bar stops at 200, and the chooser's
                QCOMPARE(d->ui().sizeLabel->text(), QStringLiteral("200"));
            });
        const bool kept = how == QLatin1String("ok");
        const int size = kept ? 200 : 24;
        QCOMPARE(mainWindow->ui().editor->font().family(), kept ? other : face);
        QCOMPARE(mainWindow->editorFontSize(), size);
        for (const QSlider *bar : {mainWindow->ui().fontSizeBar, d->ui().sizeBar})
            QCOMPARE(bar->value(), size);
        for (const QLabel *label : {mainWindow->ui().fontSizeLabel, d->ui().sizeLabel})
            QCOMPARE(label->text(), QString::number(size));
    }

    // Only the faces of the items shown are loaded; each drawn item is as high as "Wg" + 2
    // in its own face, on the editor's colours.
    void fontListDrawsLazily() {
        FontChooser dialog;
        FontChooserInput input;
        input.font = QFont(QStringLiteral("Arial"), 14);
        input.background = Qt::darkBlue;
        input.height = 260; // the lowest: a list 100 pixels high
        dialog.prepare(input);
        dialog.show();
        QListWidget *list = dialog.ui().faceList;
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
            const QFont font = FontFaceDelegate::faceFont(list->item(i)->text(), list->font());
            if (!r.intersects(list->viewport()->rect()))
                continue;
            ++drawn;
            QCOMPARE(r.height(), QFontMetrics(font).height() + 2);
        }
        QVERIFY(drawn > 0);
    }
};

QTEST_MAIN(TestOptionDialogs)
#include "tst_optiondialogs.moc"
