#pragma once

#include "play/PlayHost.h"
#include "play/PlayOptions.h"

#include <QObject>

#include <functional>

class ColorBarHold;
class MediaCommands;
class OutputScreenCommands;
class ReadingTimeCommands;
class ScriptFileCommands;
class PlayWindow;
class TimedWait;
struct MainWindowUi;
struct Settings;

// The Play command, the options each pass reads, and the PlayHost the play window asks while
// a pass runs: the speed, the script's lines, the timed waits, the colour-bar hold and the
// media points. Everything a play needs from the console goes through here.
class PlayCommands : public QObject, public PlayHost {
    Q_OBJECT
public:
    // The rooms a play uses besides the controls and the settings.
    struct Rooms {
        ScriptFileCommands *scriptFiles = nullptr;
        MediaCommands *media = nullptr;
        ReadingTimeCommands *readingTime = nullptr;
        TimedWait *timedWait = nullptr;
        ColorBarHold *colorBarHold = nullptr;
        OutputScreenCommands *outputScreen = nullptr;
    };
    // backgroundIsBlack: whether fading titles may run (the console's menu item follows);
    // playEnded: the console is shown again.
    PlayCommands(const MainWindowUi &ui, Settings &settings, Rooms rooms,
                 std::function<bool()> backgroundIsBlack, std::function<void()> playEnded,
                 QObject *parent = nullptr);
    // The play window is created after the main window.
    void setPlayWindow(PlayWindow *window) { m_playWindow = window; }

    // Plays the script once, or pass after pass in Loop Mode.
    void play();
    // What a pass reads once: the settings and switches as they are now.
    PlayOptions playOptions() const;
    // True while Loop Mode repeats the play; an operator exit ends it.
    bool looping() const { return m_looping; }

    // ---- PlayHost ---------------------------------------------------------------------
    int delay() const override;
    void setDelay(int delay) override;
    int delayFactor() const override;
    void setSlowerX10(bool on) override;
    void handBackSpeed() override;
    void waitSeconds(int seconds) override;
    void holdColorBars(const std::function<bool()> &showing) override;
    int lineCount() const override;
    QString line(int index) const override;
    void readingTimeMeasured(double elapsedMs) override;
    void startArmedMedia() override;
    void startVideoWithText() override;
    bool videoShowing() const override;
    bool backgroundIsBlack() override;
    void setTitlePosition(int left, int top) override;
    void startSoundWithTitles() override;
    void setPlayColors(int textColor, int backgroundColor) override;
    void applyEditorFontSize(int points) override;
    void playClosed() override;
    void playWindowGoing() override;
    void runStartUpPlay() override;

private:
    const MainWindowUi &m_ui;
    Settings &m_settings;
    Rooms m_rooms;
    std::function<bool()> m_backgroundIsBlack;
    std::function<void()> m_playEnded;
    PlayWindow *m_playWindow = nullptr;
    bool m_looping = false;
};
