#pragma once

#include <QObject>
#include <QPoint>

#include <functional>

class ColorBarTimeDialog;
class QAction;
class QFrame;
class QLabel;
class QProgressBar;
class QTimer;
class QWidget;
class StartTimeDialog;
struct Settings;
struct StartTimeChoice;

// The screen clock and the automatic start at a time of day, with the dialogs that set the
// start time and the colour-bar time.
class AutoStartCommands : public QObject {
    Q_OBJECT
public:
    struct Controls {
        QWidget *window = nullptr; // shown again after a start time is set
        QAction *clockAction = nullptr, *autoStartAction = nullptr;
        QTimer *clockTimer = nullptr;
        // The auto-timer panel, its clock and start time, and the summary texts it also shows.
        QFrame *autoTimerPanel = nullptr;
        QLabel *clockLabel = nullptr, *startTimeLabel = nullptr, *currentCaption = nullptr,
               *startCaption = nullptr;
        QProgressBar *startProgress = nullptr;
        QLabel *summaryTexts[4] = {};
    };
    // play starts the play; showSummary refreshes the summary texts.
    AutoStartCommands(const Controls &controls, Settings &settings, std::function<void()> play,
                      std::function<void()> showSummary, QObject *parent = nullptr);
    // The dialogs are created after the main window.
    void setDialogs(StartTimeDialog *startTime, ColorBarTimeDialog *colorBarTime);

    // A tick of the one-second clock: the clock's text, the bar towards the start, and the
    // play at the start time.
    void clockTick();
    int secondsToStart() const;
    void toggleClock();
    void toggleAutoStart();
    void setStartTime();
    // Applies what the start time dialog handed back.
    void applyStartTimeChoice(const StartTimeChoice &choice);
    void setColorBarTime();
    // Where the clock's dialogs open: under the auto-timer panel.
    QPoint underAutoTimerPanel() const;

private:
    Controls m_controls;
    Settings &m_settings;
    std::function<void()> m_play;
    std::function<void()> m_showSummary;
    StartTimeDialog *m_startTimeDialog = nullptr;
    ColorBarTimeDialog *m_colorBarTimeDialog = nullptr;
    // The second (since the epoch) in which auto start last ran the play.
    qint64 m_autoStartedSecond = -1;
};
