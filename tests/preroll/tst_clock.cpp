// The screen clock, auto start, and the start-time and colour-bar-time dialogs.
#include "TestSupport.h"

#include "app/MainWindow.h"
#include "app/ProgramWindows.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "preroll/AutoStartCommands.h"
#include "preroll/ColorBarTimeDialog.h"
#include "preroll/StartTimeDialog.h"
#include "preroll/UpDown.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

namespace {
QDateTime at(int h, int m, int s) {
    return QDateTime(QDate(2026, 12, 7), QTime(h, m, s));
}
double fraction(int h, int m, int s) {
    return platform::timeToDayFraction(QTime(h, m, s));
}
} // namespace

// MainWindow::RunTelePrompter1Click is the play command; here it only has to be reached, so the
// tests count plays through the message an empty editor gives.
class TestClock : public QObject, testsupport::MainWindowFixture {
    Q_OBJECT
    static int playsStarted() {
        return testsupport::shownTexts().count(QStringLiteral("Open a text file and try again"));
    }

private slots:
    void init() { openForm(); }
    void cleanup() { closeForm(); }

    void calcBarTime_data() {
        QTest::addColumn<QTime>("now");
        QTest::addColumn<QTime>("start");
        QTest::addColumn<int>("seconds");
        QTest::newRow("two seconds ahead") << QTime(9, 59, 58) << QTime(10, 0, 0) << 2;
        QTest::newRow("earlier in the day") << QTime(11, 0, 0) << QTime(10, 0, 0) << -3600;
        QTest::newRow("milliseconds dropped") << QTime(9, 59, 58, 900) << QTime(10, 0, 0) << 2;
        QTest::newRow("same second") << QTime(10, 0, 0, 500) << QTime(10, 0, 0) << 0;
    }
    void calcBarTime() {
        QFETCH(QTime, now);
        QFETCH(QTime, start);
        QFETCH(int, seconds);
        platform::Clock::setNow(QDateTime(QDate(2026, 12, 7), now));
        f->settings().startTime = platform::timeToDayFraction(start);
        QCOMPARE(f->autoStart().secondsToStart(), seconds);
    }

    void clockToggle() {
        f->autoStart().toggleClock();
        QVERIFY(f->ui().clockAction->isChecked() && f->ui().clockTimer->isActive() &&
                !f->ui().clockLabel->isHidden());
        f->ui().clockAction->trigger();
        QVERIFY(!f->ui().clockAction->isChecked() && !f->ui().clockTimer->isActive() &&
                f->ui().clockLabel->isHidden());
    }

    void armingShowsThePanel() {
        f->settings().startTime = fraction(10, 0, 0);
        f->ui().autoStartAction->trigger();
        QVERIFY(f->ui().autoStartAction->isChecked());
        QVERIFY(f->ui().clockAction->isChecked() &&
                f->ui().clockTimer->isActive()); // the clock starts with it
        QVERIFY(!f->ui().autoTimerPanel->isHidden() && !f->ui().startTimeLabel->isHidden());
        QVERIFY(!f->ui().startProgress->isHidden() && f->ui().windowSizeText->isHidden());
        QCOMPARE(f->ui().startTimeLabel->text(), platform::Clock::longTimeText(QTime(10, 0, 0)));

        f->ui().autoStartAction->trigger();
        QVERIFY(!f->ui().autoStartAction->isChecked());
        QVERIFY(!f->ui().clockAction->isChecked() && !f->ui().clockTimer->isActive());
        QVERIFY(f->ui().startTimeLabel->isHidden() && !f->ui().windowSizeText->isHidden());
        QVERIFY(!f->ui().autoTimerPanel->isHidden()); // the panel stays as it was
    }

    // Armed for 10:00:00: two seconds before, the bar shows 2; the tick of 10:00:00 plays.
    void autoStartFiresInItsSecond() {
        f->settings().startTime = fraction(10, 0, 0);
        f->ui().startProgress->setMaximum(100);
        f->autoStart().toggleAutoStart();
        platform::Clock::setNow(at(9, 59, 58));
        f->autoStart().clockTick();
        QCOMPARE(f->ui().startProgress->value(), 2);
        QCOMPARE(playsStarted(), 0);
        platform::Clock::setNow(at(10, 0, 0));
        f->autoStart().clockTick();
        QCOMPARE(playsStarted(), 1);
        QCOMPARE(f->ui().clockLabel->text(), platform::Clock::longTimeText(QTime(10, 0, 0)));
        f->autoStart().clockTick(); // a second tick in the same second does not play again
        QCOMPARE(playsStarted(), 1);
        platform::Clock::setNow(at(10, 0, 1));
        f->autoStart().clockTick();
        QCOMPARE(playsStarted(), 1);
        QCOMPARE(f->ui().startProgress->value(), 0);      // past: an empty bar
        platform::Clock::setNow(at(10, 0, 0).addDays(1)); // still armed the next day
        f->autoStart().clockTick();
        QCOMPARE(playsStarted(), 2);
    }

    // The real timer drives it too: a fixed clock moved on by each tick.
    void autoStartThroughTimer() {
        platform::Clock::setNow(at(10, 0, 0).addSecs(-3));
        connect(f->ui().clockTimer, &QTimer::timeout, this, [] { platform::Clock::advance(1000); });
        f->settings().startTime = fraction(10, 0, 0);
        f->autoStart().toggleAutoStart();
        QTRY_COMPARE_WITH_TIMEOUT(playsStarted(), 1, 5000);
    }

    void neverFires_data() {
        QTest::addColumn<bool>("armed");
        QTest::addColumn<bool>("clockOff");
        QTest::addColumn<QTime>("start");
        QTest::newRow("midnight never fires") << true << false << QTime(0, 0, 0);
        QTest::newRow("not armed") << false << false << QTime(10, 0, 0);
        QTest::newRow("clock turned off") << true << true << QTime(10, 0, 0);
    }
    void neverFires() {
        QFETCH(bool, armed);
        QFETCH(bool, clockOff);
        QFETCH(QTime, start);
        f->settings().startTime = platform::timeToDayFraction(start);
        if (armed)
            f->autoStart().toggleAutoStart();
        if (clockOff)
            f->autoStart().toggleClock();
        platform::Clock::setNow(QDateTime(QDate(2026, 12, 7), start));
        if (f->ui().clockTimer->isActive())
            f->autoStart().clockTick();
        QCOMPARE(playsStarted(), 0);
    }

    void startTimeDialogOk() {
        StartTimeDialog dialog(f);
        platform::Clock::setNow(at(8, 5, 9));
        dialog.showValues();
        QCOMPARE(dialog.ui().hourEdit->text(), QStringLiteral("8"));
        QCOMPARE(dialog.ui().minuteEdit->text(), QStringLiteral("5"));
        QCOMPARE(dialog.ui().secondEdit->text(), QStringLiteral("9"));
        QVERIFY(dialog.ui().clockTimer->isActive());
        dialog.ui().hourUpDown->stepUp();   // 9
        dialog.ui().secondUpDown->stepUp(); // 9 + 5 = 14
        QCOMPARE(dialog.ui().hourEdit->text(), QStringLiteral("9"));
        QCOMPARE(dialog.ui().secondEdit->text(), QStringLiteral("14"));
        dialog.okClicked();
        f->autoStart().applyStartTimeChoice(dialog.choice());
        QCOMPARE(platform::dayFractionToTime(f->settings().startTime), QTime(9, 5, 14));
        QVERIFY(!dialog.ui().clockTimer->isActive());
        QVERIFY(f->ui().clockTimer->isActive());
        QCOMPARE(f->ui().startProgress->maximum(), 3600 + 5);
    }

    void upDownRanges() {
        StartTimeDialog dialog(f);
        platform::Clock::setNow(at(0, 59, 58));
        dialog.showValues();
        QCOMPARE(dialog.ui().hourUpDown->position(), 1); // 0 is below the hour range
        dialog.ui().minuteUpDown->stepUp();
        QCOMPARE(dialog.ui().minuteEdit->text(), QStringLiteral("59")); // no wrap-around
        dialog.ui().secondUpDown->stepUp();
        QCOMPARE(dialog.ui().secondEdit->text(), QStringLiteral("59"));
        dialog.secondEditClicked();
        QVERIFY(dialog.ui().hourUpDown->isHidden() && dialog.ui().minuteUpDown->isHidden());
        dialog.showValues();
        QVERIFY(!dialog.ui().hourUpDown->isHidden());
    }

    // The start time is kept by an invalid time (with a message) and by Cancel; Cancel with
    // the panel showing toggles auto start: armed becomes disarmed and back.
    void startTimeDialogKeepsTime_data() {
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<bool>("armed");
        QTest::newRow("hour 25") << "25"
                                 << "0" << false << false;
        QTest::newRow("letters") << "x"
                                 << "0" << false << false;
        QTest::newRow("empty minute") << "10"
                                      << "" << false << false;
        QTest::newRow("Cancel disarms") << "11"
                                        << "0" << true << true;
        QTest::newRow("Cancel arms") << "11"
                                     << "0" << true << false;
    }
    void startTimeDialogKeepsTime() {
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        QFETCH(bool, cancel);
        QFETCH(bool, armed);
        f->ui().autoTimerPanel->setVisible(cancel);
        f->ui().autoStartAction->setChecked(armed);
        f->settings().startTime = fraction(7, 0, 0);
        StartTimeDialog dialog(f);
        dialog.showValues();
        dialog.ui().hourEdit->setText(hour);
        dialog.ui().minuteEdit->setText(minute);
        dialog.ui().secondEdit->setText(QStringLiteral("0"));
        cancel ? dialog.cancelClicked() : dialog.okClicked();
        f->autoStart().applyStartTimeChoice(dialog.choice());
        QCOMPARE(f->settings().startTime, fraction(7, 0, 0));
        QVERIFY(f->ui().clockTimer->isActive());
        QVERIFY(!dialog.ui().clockTimer->isActive());
        if (cancel)
            QCOMPARE(f->ui().autoStartAction->isChecked(), !armed);
        else
            QCOMPARE(testsupport::shownTexts().last(),
                     QStringLiteral("'%1:%2:0' is not a valid time").arg(hour, minute));
    }

    void nonIntegerField() {
        StartTimeDialog dialog(f);
        dialog.show();
        dialog.ui().minuteEdit->setFocus();
        dialog.ui().minuteEdit->setText(QStringLiteral("ab"));
        emit dialog.ui().minuteEdit->editingFinished();
        QCOMPARE(testsupport::shownTexts().last(),
                 QStringLiteral("'ab' is not a valid integer value"));
        dialog.hide();
    }

    void colourBarTimeDialog_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shown");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("after");
        QTest::newRow("OK takes the bar") << 15 << 15 << true << 22;
        QTest::newRow("Cancel keeps the old value") << 15 << 15 << false << 15;
        QTest::newRow("above 30 shows as 30") << 45 << 30 << false << 45;
    }
    void colourBarTimeDialog() {
        QFETCH(int, stored);
        QFETCH(int, shown);
        QFETCH(bool, ok);
        QFETCH(int, after);
        ColorBarTimeDialog dialog(f);
        dialog.setSeconds(stored);
        dialog.showValues();
        QCOMPARE(dialog.ui().secondsBar->value(), shown);
        QCOMPARE(dialog.ui().secondsLabel->text(), QString::number(shown));
        dialog.ui().secondsBar->setValue(22);
        QCOMPARE(dialog.ui().secondsLabel->text(), QStringLiteral("22"));
        ok ? dialog.okClicked() : dialog.cancelClicked();
        QCOMPARE(dialog.seconds(), after);
    }

    // The menu items open the dialogs modally; the dialogs answer and close.
    void menuItemsOpenTheDialogs() {
        QVERIFY(testsupport::createWindows());
        platform::Clock::setNow(at(14, 20, 0));
        QTimer::singleShot(0, startTimeDialog, [] {
            QVERIFY(startTimeDialog->isVisible());
            startTimeDialog->ui().hourEdit->setText(QStringLiteral("15"));
            startTimeDialog->ui().okButton->click();
        });
        mainWindow->ui().setStartTimeAction->trigger();
        QVERIFY(!startTimeDialog->isVisible());
        QCOMPARE(platform::dayFractionToTime(mainWindow->settings().startTime), QTime(15, 20, 0));

        mainWindow->settings().colorBarSeconds = 10;
        QTimer::singleShot(0, colorBarTimeDialog, [] {
            colorBarTimeDialog->ui().secondsBar->setValue(4);
            colorBarTimeDialog->ui().okButton->click();
        });
        mainWindow->ui().setColorBarTimeAction->trigger();
        QCOMPARE(mainWindow->settings().colorBarSeconds, 4);
    }
};

QTEST_MAIN(TestClock)
#include "tst_clock.moc"
