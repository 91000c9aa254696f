// "Fading Options" and the output window dialog, opened from the main window's menu as the
// operator opens them: what each hands back and how the main window applies it.
#include "TestSupport.h"

#include "app/MainWindow.h"
#include "app/ProgramWindows.h"
#include "dialogs/FadingOptionsDialog.h"
#include "dialogs/OutputAreaDialog.h"
#include "editor/ScriptEditor.h"
#include "platform/RadioGroup.h"
#include "platform/StatusBar.h"
#include "play/PlayWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSlider>
#include <QtTest>

class TestFadeDialogs : public QObject {
    Q_OBJECT
    std::unique_ptr<testsupport::Sandbox> sandbox;

private slots:
    void init() {
        sandbox = std::make_unique<testsupport::Sandbox>();
        QVERIFY(testsupport::createWindows());
        mainWindow->setEditorFontSize(24);
        mainWindow->settings().outputLeft = mainWindow->settings().outputTop = 0;
        mainWindow->settings().outputRight = 1024;
        mainWindow->settings().outputBottom = 768;
        mainWindow->ui().screenResGroup->setItemIndex(0);
    }
    void cleanup() { sandbox.reset(); }

    // The window system shows a minimised dialog again when it is restored: the dialog's
    // values, and what Cancel goes back to, stay as they were.
    static void restoreFromMinimised(QDialog *d) {
        QShowEvent restored;
        QApplication::sendEvent(d, &restored);
    }

    // Fading on with every option: unchecking "Use fading titles" clears and disables the
    // other three, TV titles go only with two-line titles, the bar sets the hold time; OK
    // keeps the changes, Cancel brings every value back, the close box keeps the changes.
    // The main window follows the fading switch.
    void fadeOptions_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("fading");
        QTest::addColumn<int>("hold");
        QTest::newRow("OK") << "ok" << false << 12;
        QTest::newRow("Cancel") << "cancel" << true << 5;
        QTest::newRow("close box") << "close" << false << 12;
    }
    void fadeOptions() {
        QFETCH(QString, how);
        QFETCH(bool, fading);
        QFETCH(int, hold);
        mainWindow->settings().fadeTitles = mainWindow->settings().fadeTwoLines =
            mainWindow->settings().fadeTvTitle = mainWindow->settings().fadeAntialias = true;
        mainWindow->settings().fadeHoldSeconds = 5;
        mainWindow->applyFadeMode();
        FadingOptionsDialog *d = fadingOptionsDialog;
        testsupport::runDialog(
            mainWindow->ui().fadeTitlesAction, d, d->ui().okButton, d->ui().cancelButton, how, [&] {
                QVERIFY(d->ui().fadeTitlesBox->isChecked() && d->ui().tvTitlesBox->isChecked());
                QCOMPARE(d->ui().holdValue->text(), QStringLiteral("5"));
                d->ui().fadeTitlesBox->click();
                for (QCheckBox *b :
                     {d->ui().twoLinesBox, d->ui().tvTitlesBox, d->ui().antialiasBox})
                    QVERIFY(!b->isChecked() && !b->isEnabled());
                // The main window follows the click at once.
                QCOMPARE(mainWindow->ui().outputAreaAction->text(),
                         QStringLiteral("Ad&just output window size..."));
                QVERIFY(mainWindow->ui().screenResGroup->isEnabled());
                d->ui().fadeTitlesBox->click();
                QVERIFY(d->ui().twoLinesBox->isEnabled() && !d->ui().tvTitlesBox->isEnabled());
                d->ui().twoLinesBox->click();
                d->ui().tvTitlesBox->click();
                d->ui().twoLinesBox->click();
                QVERIFY(!d->ui().tvTitlesBox->isChecked() && !d->ui().tvTitlesBox->isEnabled());
                d->ui().fadeTitlesBox->click();
                d->ui().holdBar->setValue(12);
                restoreFromMinimised(d);
                QCOMPARE(d->ui().holdValue->text(), QStringLiteral("12"));
            });
        for (bool flag : {mainWindow->settings().fadeTitles, mainWindow->settings().fadeTwoLines,
                          mainWindow->settings().fadeTvTitle, mainWindow->settings().fadeAntialias})
            QCOMPARE(flag, fading);
        QCOMPARE(mainWindow->settings().fadeHoldSeconds, hold);
        QCOMPARE(mainWindow->ui().fadeTitlesAction->isChecked(), fading);
        QCOMPARE(mainWindow->ui().screenResGroup->isEnabled(), !fading);
        QCOMPARE(mainWindow->ui().statusBar->panelText(3),
                 fading ? QStringLiteral("Left 0 Top 0") : QStringLiteral(" 1024 x 768"));
    }

    // Output mode on a 1024 x 768 screen: the bars give a centred window (an odd width
    // loses a pixel) no lower than the font size; OK deselects "Screen Res" and gives the
    // editor half the width, Cancel restores the rectangle and the selection, the close box
    // keeps the rectangle and the selection.
    void outputWindow_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<int>("screenRes");
        QTest::newRow("OK") << "ok" << QRect(192, 144, 640, 480) << -1;
        QTest::newRow("Cancel") << "cancel" << QRect(0, 0, 1024, 768) << 0;
        QTest::newRow("close box") << "close" << QRect(192, 144, 640, 480) << 0;
    }
    void outputWindow() {
        QFETCH(QString, how);
        QFETCH(QRect, rect);
        QFETCH(int, screenRes);
        OutputAreaDialog *d = outputAreaDialog;
        testsupport::runDialog(
            mainWindow->ui().outputAreaAction, d, d->ui().okButton, d->ui().cancelButton, how, [&] {
                QVERIFY(!d->ui().titleMarker->isVisible() && !d->ui().autoCenterBox->isVisible());
                QCOMPARE(d->ui().verticalBar->minimum(), 24);
                QCOMPARE(d->ui().horizontalBar->value(), 1024);
                // The outer size, frame included: the preview (170 x 128) + 20 and + 80.
                QCOMPARE(d->frameGeometry().size(), QSize(240 + 170 + 20, 64 + 128 + 80));
                d->ui().horizontalBar->setValue(641);
                d->ui().verticalBar->setValue(480);
                restoreFromMinimised(d);
                QCOMPARE(d->ui().horizontalBar->value(), 641);
            });
        QCOMPARE(QRect(mainWindow->settings().outputLeft, mainWindow->settings().outputTop,
                       mainWindow->settings().outputRight - mainWindow->settings().outputLeft,
                       mainWindow->settings().outputBottom - mainWindow->settings().outputTop),
                 rect);
        QCOMPARE(mainWindow->ui().screenResGroup->itemIndex(), screenRes);
        if (how == QLatin1String("ok"))
            QCOMPARE(mainWindow->ui().editor->width(), 320);
    }

    // Fade mode: the vertical bar shows the top less twice the font size, and OK takes
    // the bars; both boxes put the title in the lower third, centred; dragging the marker
    // sets the bars to six times the preview point.
    void fadePosition_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("topShown");
        QTest::addColumn<QPoint>("stored");
        QTest::newRow("vertical bar") << "bar" << 352 << QPoint(0, 400);
        QTest::newRow("both boxes") << "boxes" << 512 << QPoint(412, 512);
        QTest::newRow("dragged marker") << "drag" << 0 << QPoint(300, 240);
    }
    void fadePosition() {
        QFETCH(QString, step);
        QFETCH(int, topShown);
        QFETCH(QPoint, stored);
        mainWindow->settings().fadeTitles = true;
        mainWindow->applyFadeMode();
        playWindow->strip().setStripWidth(200); // the last title drawn
        OutputAreaDialog *d = outputAreaDialog;
        testsupport::runDialog(
            mainWindow->ui().outputAreaAction, d, d->ui().okButton, d->ui().cancelButton,
            QStringLiteral("ok"), [&] {
                if (step == QLatin1String("bar")) {
                    d->ui().verticalBar->setValue(400);
                } else if (step == QLatin1String("boxes")) {
                    // The status bar follows each box at once.
                    const auto panel = [] {
                        return mainWindow->ui().statusBar->panelText(3);
                    };
                    d->ui().autoCenterBox->click();
                    QCOMPARE(mainWindow->settings().outputLeft, 412);
                    QCOMPARE(
                        panel(),
                        QStringLiteral("Left 412 Top %1").arg(mainWindow->settings().outputTop));
                    d->ui().lowerThirdBox->click();
                    QCOMPARE(panel(), QStringLiteral("Left 412 Top 512"));
                } else {
                    const QPoint at = d->ui().titleMarker->mapFromGlobal(
                        d->ui().preview->mapToGlobal(QPoint(50, 40)));
                    QTest::mousePress(d->ui().titleMarker, Qt::LeftButton, {}, at);
                    QTest::mouseMove(d->ui().titleMarker, at);
                    QTest::mouseRelease(d->ui().titleMarker, Qt::LeftButton, {}, at);
                    QCOMPARE(d->ui().titleMarker->pos(), d->ui().preview->pos() + QPoint(50, 40));
                }
                QCOMPARE(d->ui().topLabel->text(), QStringLiteral("Top    %1").arg(topShown));
            });
        QCOMPARE(QPoint(mainWindow->settings().outputLeft, mainWindow->settings().outputTop),
                 stored);
        QCOMPARE(mainWindow->settings().centerFade, step == QLatin1String("boxes"));
    }
};

QTEST_MAIN(TestFadeDialogs)
#include "tst_fadedialogs.moc"
