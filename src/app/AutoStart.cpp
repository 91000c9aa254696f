// The screen clock and the auto-start timer of the main window, and the two dialogs that
// set the start time and the colour-bar time.
#include "app/Mainform.h"

#include "app/Forms.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "preroll/ColorBarTimeDialog.h"
#include "preroll/StartTimeDialog.h"

#include <QAction>
#include <QDateTime>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

namespace {
int secondsOfDay(const QTime &t) {
    return t.hour() * 3600 + t.minute() * 60 + t.second();
}
} // namespace

void TForm1::Timer1Timer() {
    const QDateTime nowFull = platform::Clock::now();
    const QTime now = nowFull.time();
    if (ClockOn->isChecked())
        FrontClockLabel->setText(platform::Clock::longTimeText(now));
    const QTime start = platform::dayFractionToTime(Startime);
    if (StartbyAutoTimer1->isChecked() && secondsOfDay(start) > 0) {
        // A value outside the bar's range shows as an empty or a full bar.
        ProgressBar1->setValue(
            qBound(ProgressBar1->minimum(), CalcBarTime(), ProgressBar1->maximum()));
        const QString startText = platform::Clock::longTimeText(start);
        AutoStarttimelabel->setText(startText);
        // One start per matching second: a tick that comes early, or one that runs while
        // the play it started pumps messages, can land in the same second again.
        if (startText == platform::Clock::longTimeText(now) &&
            nowFull.toSecsSinceEpoch() != m_autoStartedSecond) {
            m_autoStartedSecond = nowFull.toSecsSinceEpoch();
            RunTelePrompter1Click();
        }
    }
    platform::pumpMessages();
}

int TForm1::CalcBarTime() {
    return secondsOfDay(platform::dayFractionToTime(Startime)) -
           secondsOfDay(platform::Clock::timeOfDay());
}

void TForm1::ToggleScreenClockOnClick() {
    if (ClockOn->isChecked()) {
        ClockOn->setChecked(false);
        Timer1->stop();
        FrontClockLabel->hide();
        return;
    }
    FrontClockLabel->show();
    ClockOn->setChecked(true);
    Timer1->setInterval(platform::secondMs());
    Timer1->start();
    FrontClockLabel->setText(platform::Clock::longTimeText(platform::Clock::timeOfDay()));
}

void TForm1::StartbyAutoTimer1Click() {
    StartbyAutoTimer1->setChecked(!StartbyAutoTimer1->isChecked());
    if (StartbyAutoTimer1->isChecked()) {
        if (!ClockOn->isChecked())
            ToggleScreenClockOnClick();
        for (QLabel *l : {StaticText3, StaticText5, StaticText6, StaticText7})
            l->hide();
        Panel1->show();
        StaticText1->show();
        StaticText2->show();
        if (ProgressBar1->maximum() > 0)
            ProgressBar1->show();
        AutoStarttimelabel->setText(
            platform::Clock::longTimeText(platform::dayFractionToTime(Startime)));
        AutoStarttimelabel->show();
        return;
    }
    Timer1->stop();
    AutoStarttimelabel->hide();
    ProgressBar1->hide();
    FrontClockLabel->hide();
    ClockOn->setChecked(false);
    StaticText1->hide();
    StaticText2->hide();
    for (QLabel *l : {StaticText3, StaticText5, StaticText6, StaticText7})
        l->show();
    ShowStats();
}

QPoint TForm1::underAutoTimerPanel() const {
    return QPoint(Panel1->x(), Panel1->y() + Panel1->height());
}

void TForm1::SetAutoStartTime1Click() {
    if (startTimeDialog)
        applyStartTimeChoice(startTimeDialog->execute());
}

void TForm1::applyStartTimeChoice(const StartTimeChoice &choice) {
    // Cancel with the auto-timer panel showing toggles auto start.
    if (!choice.accepted && !Panel1->isHidden())
        StartbyAutoTimer1Click();
    // Either button sets the clock going again.
    Timer1->setInterval(platform::secondMs());
    Timer1->start();
    if (!choice.accepted)
        return;
    if (choice.startTime) {
        Startime = *choice.startTime;
        const int left = CalcBarTime();
        if (left >= 1)
            ProgressBar1->setMaximum(left);
    }
    show();
}

void TForm1::SetColorBarTime1Click() {
    if (colorBarTimeDialog)
        CbarTime = colorBarTimeDialog->execute(CbarTime);
}
