#include "preroll/AutoStartCommands.h"

#include "platform/Clock.h"
#include "platform/Platform.h"
#include "preroll/ColorBarTimeDialog.h"
#include "preroll/StartTimeDialog.h"
#include "settings/Settings.h"

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

AutoStartCommands::AutoStartCommands(const Controls &controls, Settings &settings,
                                     std::function<void()> play, std::function<void()> showSummary,
                                     QObject *parent)
    : QObject(parent), m_controls(controls), m_settings(settings), m_play(std::move(play)),
      m_showSummary(std::move(showSummary)) {}

void AutoStartCommands::setDialogs(StartTimeDialog *startTime, ColorBarTimeDialog *colorBarTime) {
    m_startTimeDialog = startTime;
    m_colorBarTimeDialog = colorBarTime;
}

void AutoStartCommands::clockTick() {
    const QDateTime nowFull = platform::Clock::now();
    const QTime now = nowFull.time();
    if (m_controls.clockAction->isChecked())
        m_controls.clockLabel->setText(platform::Clock::longTimeText(now));
    const QTime start = platform::dayFractionToTime(m_settings.startTime);
    if (m_controls.autoStartAction->isChecked() && secondsOfDay(start) > 0) {
        // A value outside the bar's range shows as an empty or a full bar.
        m_controls.startProgress->setValue(qBound(m_controls.startProgress->minimum(),
                                                  secondsToStart(),
                                                  m_controls.startProgress->maximum()));
        const QString startText = platform::Clock::longTimeText(start);
        m_controls.startTimeLabel->setText(startText);
        // One start per matching second: a tick that comes early, or one that runs while
        // the play it started pumps messages, can land in the same second again.
        if (startText == platform::Clock::longTimeText(now) &&
            nowFull.toSecsSinceEpoch() != m_autoStartedSecond) {
            m_autoStartedSecond = nowFull.toSecsSinceEpoch();
            m_play();
        }
    }
    platform::pumpMessages();
}

int AutoStartCommands::secondsToStart() const {
    return secondsOfDay(platform::dayFractionToTime(m_settings.startTime)) -
           secondsOfDay(platform::Clock::timeOfDay());
}

void AutoStartCommands::toggleClock() {
    if (m_controls.clockAction->isChecked()) {
        m_controls.clockAction->setChecked(false);
        m_controls.clockTimer->stop();
        m_controls.clockLabel->hide();
        return;
    }
    m_controls.clockLabel->show();
    m_controls.clockAction->setChecked(true);
    m_controls.clockTimer->setInterval(platform::secondMs());
    m_controls.clockTimer->start();
    m_controls.clockLabel->setText(platform::Clock::longTimeText(platform::Clock::timeOfDay()));
}

void AutoStartCommands::toggleAutoStart() {
    m_controls.autoStartAction->setChecked(!m_controls.autoStartAction->isChecked());
    if (m_controls.autoStartAction->isChecked()) {
        if (!m_controls.clockAction->isChecked())
            toggleClock();
        for (QLabel *l : m_controls.summaryTexts)
            l->hide();
        m_controls.autoTimerPanel->show();
        m_controls.currentCaption->show();
        m_controls.startCaption->show();
        if (m_controls.startProgress->maximum() > 0)
            m_controls.startProgress->show();
        m_controls.startTimeLabel->setText(
            platform::Clock::longTimeText(platform::dayFractionToTime(m_settings.startTime)));
        m_controls.startTimeLabel->show();
        return;
    }
    m_controls.clockTimer->stop();
    m_controls.startTimeLabel->hide();
    m_controls.startProgress->hide();
    m_controls.clockLabel->hide();
    m_controls.clockAction->setChecked(false);
    m_controls.currentCaption->hide();
    m_controls.startCaption->hide();
    for (QLabel *l : m_controls.summaryTexts)
        l->show();
    m_showSummary();
}

QPoint AutoStartCommands::underAutoTimerPanel() const {
    return QPoint(m_controls.autoTimerPanel->x(),
                  m_controls.autoTimerPanel->y() + m_controls.autoTimerPanel->height());
}

void AutoStartCommands::setStartTime() {
    if (m_startTimeDialog)
        applyStartTimeChoice(m_startTimeDialog->execute());
}

void AutoStartCommands::applyStartTimeChoice(const StartTimeChoice &choice) {
    // Cancel with the auto-timer panel showing toggles auto start.
    if (!choice.accepted && !m_controls.autoTimerPanel->isHidden())
        toggleAutoStart();
    // Either button sets the clock going again.
    m_controls.clockTimer->setInterval(platform::secondMs());
    m_controls.clockTimer->start();
    if (!choice.accepted)
        return;
    if (choice.startTime) {
        m_settings.startTime = *choice.startTime;
        const int left = secondsToStart();
        if (left >= 1)
            m_controls.startProgress->setMaximum(left);
    }
    m_controls.window->show();
}

void AutoStartCommands::setColorBarTime() {
    if (m_colorBarTimeDialog)
        m_settings.colorBarSeconds = m_colorBarTimeDialog->execute(m_settings.colorBarSeconds);
}
