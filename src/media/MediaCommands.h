#pragma once

#include "media/MediaPlayer.h"
#include "platform/FileDialogs.h"

#include <QObject>

#include <functional>

class QAction;
class QToolButton;
class PlayWindow;
struct PlayOptions;
struct Settings;

// The media players: the video player, whose picture shows at the top of the play window,
// and the sound player; loading a file into each, arming them to start with the script,
// starting them with a play, and closing them.
class MediaCommands : public QObject {
    Q_OBJECT
public:
    struct Controls {
        QWidget *window = nullptr; // its title names the video
        MediaPlayer *videoPlayer = nullptr, *soundPlayer = nullptr;
        QToolButton *startWithVideoButton = nullptr, *closePlayersButton = nullptr;
    };
    // layOut and showSummary: the main window's layout and summary texts follow the players.
    MediaCommands(const Controls &controls, Settings &settings, std::function<void()> layOut,
                  std::function<void()> showSummary, QObject *parent = nullptr);
    // The play window, where the video shows, is created after the main window; playOptions
    // makes the options a play would take from the settings now.
    void setPlayWindow(PlayWindow *window, std::function<PlayOptions()> playOptions) {
        m_playWindow = window;
        m_playOptions = std::move(playOptions);
    }

    void openVideo();
    void openSound();
    void openCdPlayer();
    void loadVideo(const QString &path);
    void loadSound(const QString &path);
    void startWithVideoClicked();
    void closePlayers();
    // The armed players start (before the pre-roll).
    void startArmedPlayers();
    // The video armed to start with the text starts (scrolling), or the sound does (titles).
    void startVideoWithText();
    void startSoundWithTitles();
    // A play has ended: the players showing stop and go back to their start.
    void stopShownPlayers();
    bool videoShowing() const;
    void videoPlayerClicked(MediaPlayer::Button button);

    // The arming: the sound (and the video with it) starts before the pre-roll, the video
    // starts with the text.
    bool soundArmed() const { return m_soundArmed; }
    bool videoArmed() const { return m_videoArmed; }
    bool videoStartsWithText() const { return m_videoStartsWithText; }

    static platform::FileDialogRequest videoOpenRequestDefaults();
    static platform::FileDialogRequest soundOpenRequestDefaults();

private:
    Controls m_controls;
    Settings &m_settings;
    std::function<void()> m_layOut;
    std::function<void()> m_showSummary;
    PlayWindow *m_playWindow = nullptr;
    std::function<PlayOptions()> m_playOptions;
    platform::FileDialogRequest m_videoOpenRequest = videoOpenRequestDefaults();
    platform::FileDialogRequest m_soundOpenRequest = soundOpenRequestDefaults();
    bool m_soundArmed = false;
    bool m_videoArmed = false;
    bool m_videoStartsWithText = false;
};
