#pragma once

#include "play/PlayHost.h"
#include "play/PlayOptions.h"
#include "voice/VoiceFollower.h"

#include <QObject>

#include <functional>
#include <memory>

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
    // "Follow &Voice" changed: during a play the voice takes the speed, or hands it back.
    void followVoiceToggled(bool on);
    // Whether the voice sets the speed now, and the follower (null before the first play that
    // follows the voice).
    bool followingVoice() const { return m_voiceSteers; }
    const VoiceFollower *voiceFollower() const { return m_voice.get(); }

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
    void textStarted(int firstLine, int lineHeight, int rowsToReadingLine) override;
    void rowScrolled() override;
    bool textHeld() override;
    void textEnded() override;
    void operatorTookSpeed() override;
    void followVoiceAgain() override;
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

    // Following the voice: the follower (made at the first play that follows the voice), the
    // text's layout and the rows it has moved in this pass, whether the voice sets the speed
    // and holds the text now, the operator's speed it took over, and when it steers and the
    // panel shows its state next.
    void startFollowing();
    void resumeFollowing();
    void stopFollowing();
    void steerByVoice();
    void sayWhyVoiceIsNotFollowed(VoiceFollower::Failure failure);
    std::unique_ptr<VoiceFollower> m_voice;
    VoiceFollower::Layout m_textLayout;
    bool m_textScrolling = false;
    int m_rows = 0;
    bool m_voiceSteers = false;
    bool m_voiceHolds = false;
    int m_operatorDelay = 0;
    qint64 m_nextSteerNs = 0;
    qint64 m_nextPanelNs = 0;
    bool m_voiceMessageShown = false;
};
