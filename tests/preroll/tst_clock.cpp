// The screen clock, auto start, and the start-time and colour-bar-time dialogs.
#include "TestSupport.h"

#include "app/Forms.h"
#include "app/Mainform.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
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

// TForm1::RunTelePrompter1Click is the play command; here it only has to be reached, so the
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
        f->Startime = platform::timeToDayFraction(start);
        QCOMPARE(f->CalcBarTime(), seconds);
    }

    void clockToggle() {
        f->ToggleScreenClockOnClick();
        QVERIFY(f->ClockOn->isChecked() && f->Timer1->isActive() &&
                !f->FrontClockLabel->isHidden());
        f->ClockOn->trigger();
        QVERIFY(!f->ClockOn->isChecked() && !f->Timer1->isActive() &&
                f->FrontClockLabel->isHidden());
    }

    void armingShowsThePanel() {
        f->Startime = fraction(10, 0, 0);
        f->StartbyAutoTimer1->trigger();
        QVERIFY(f->StartbyAutoTimer1->isChecked());
        QVERIFY(f->ClockOn->isChecked() && f->Timer1->isActive()); // the clock starts with it
        QVERIFY(!f->Panel1->isHidden() && !f->AutoStarttimelabel->isHidden());
        QVERIFY(!f->ProgressBar1->isHidden() && f->StaticText6->isHidden());
        QCOMPARE(f->AutoStarttimelabel->text(), platform::Clock::longTimeText(QTime(10, 0, 0)));

        f->StartbyAutoTimer1->trigger();
        QVERIFY(!f->StartbyAutoTimer1->isChecked());
        QVERIFY(!f->ClockOn->isChecked() && !f->Timer1->isActive());
        QVERIFY(f->AutoStarttimelabel->isHidden() && !f->StaticText6->isHidden());
        QVERIFY(!f->Panel1->isHidden()); // the panel stays as it was
    }

    // Armed for 10:00:00: two seconds before, the bar shows 2; the tick of 10:00:00 plays.
    void autoStartFiresInItsSecond() {
        f->Startime = fraction(10, 0, 0);
        f->ProgressBar1->setMaximum(100);
        f->StartbyAutoTimer1Click();
        platform::Clock::setNow(at(9, 59, 58));
        f->Timer1Timer();
        QCOMPARE(f->ProgressBar1->value(), 2);
        QCOMPARE(playsStarted(), 0);
        platform::Clock::setNow(at(10, 0, 0));
        f->Timer1Timer();
        QCOMPARE(playsStarted(), 1);
        QCOMPARE(f->FrontClockLabel->text(), platform::Clock::longTimeText(QTime(10, 0, 0)));
        f->Timer1Timer(); // a second tick in the same second does not play again
        QCOMPARE(playsStarted(), 1);
        platform::Clock::setNow(at(10, 0, 1));
        f->Timer1Timer();
        QCOMPARE(playsStarted(), 1);
        QCOMPARE(f->ProgressBar1->value(), 0);            // past: an empty bar
        platform::Clock::setNow(at(10, 0, 0).addDays(1)); // still armed the next day
        f->Timer1Timer();
        QCOMPARE(playsStarted(), 2);
    }

    // The real timer drives it too: a fixed clock moved on by each tick.
    void autoStartThroughTimer() {
        platform::Clock::setNow(at(10, 0, 0).addSecs(-3));
        connect(f->Timer1, &QTimer::timeout, this, [] { platform::Clock::advance(1000); });
        f->Startime = fraction(10, 0, 0);
        f->StartbyAutoTimer1Click();
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
        f->Startime = platform::timeToDayFraction(start);
        if (armed)
            f->StartbyAutoTimer1Click();
        if (clockOff)
            f->ToggleScreenClockOnClick();
        platform::Clock::setNow(QDateTime(QDate(2026, 12, 7), start));
        if (f->Timer1->isActive())
            f->Timer1Timer();
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
        f->applyStartTimeChoice(dialog.choice());
        QCOMPARE(platform::dayFractionToTime(f->Startime), QTime(9, 5, 14));
        QVERIFY(!dialog.ui().clockTimer->isActive());
        QVERIFY(f->Timer1->isActive());
        QCOMPARE(f->ProgressBar1->maximum(), 3600 + 5);
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
        f->Panel1->setVisible(cancel);
        f->StartbyAutoTimer1->setChecked(armed);
        f->Startime = fraction(7, 0, 0);
        StartTimeDialog dialog(f);
        dialog.showValues();
        dialog.ui().hourEdit->setText(hour);
        dialog.ui().minuteEdit->setText(minute);
        dialog.ui().secondEdit->setText(QStringLiteral("0"));
        cancel ? dialog.cancelClicked() : dialog.okClicked();
        f->applyStartTimeChoice(dialog.choice());
        QCOMPARE(f->Startime, fraction(7, 0, 0));
        QVERIFY(f->Timer1->isActive());
        QVERIFY(!dialog.ui().clockTimer->isActive());
        if (cancel)
            QCOMPARE(f->StartbyAutoTimer1->isChecked(), !armed);
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
        Form1->SetAutoStartTime1->trigger();
        QVERIFY(!startTimeDialog->isVisible());
        QCOMPARE(platform::dayFractionToTime(Form1->Startime), QTime(15, 20, 0));

        Form1->CbarTime = 10;
        QTimer::singleShot(0, colorBarTimeDialog, [] {
            colorBarTimeDialog->ui().secondsBar->setValue(4);
            colorBarTimeDialog->ui().okButton->click();
        });
        Form1->SetColorBarTime1->trigger();
        QCOMPARE(Form1->CbarTime, 4);
    }
};

QTEST_MAIN(TestClock)
#include "tst_clock.moc"
