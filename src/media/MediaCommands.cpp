#include "media/MediaCommands.h"

#include "media/MediaRules.h"
#include "platform/AudioDevices.h"
#include "platform/Colors.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/Screen.h"
#include "play/PlayOptions.h"
#include "play/PlayWindow.h"
#include "settings/Settings.h"

#include <QAction>
#include <QFileInfo>
#include <QGuiApplication>
#include <QToolButton>

using platform::MediaDevice;

MediaCommands::MediaCommands(const Controls &controls, Settings &settings,
                             std::function<void()> layOut, std::function<void()> showSummary,
                             QObject *parent)
    : QObject(parent), m_controls(controls), m_settings(settings), m_layOut(std::move(layOut)),
      m_showSummary(std::move(showSummary)) {
    // "Start w/Video" and "Close" are one group of two toggle buttons: pressing one releases
    // the other, and both may be up.
    connect(m_controls.startWithVideoButton, &QToolButton::clicked, this, [this](bool down) {
        if (down)
            m_controls.closePlayersButton->setChecked(false);
        startWithVideoClicked();
    });
    connect(m_controls.closePlayersButton, &QToolButton::clicked, this, [this](bool down) {
        if (down)
            m_controls.startWithVideoButton->setChecked(false);
        closePlayers();
    });
    m_controls.videoPlayer->onClick = [this](MediaPlayer::Button b) {
        videoPlayerClicked(b);
    };
}

platform::FileDialogRequest MediaCommands::videoOpenRequestDefaults() {
    platform::FileDialogRequest r;
    r.title = QStringLiteral("Open a Video File (MCI)");
    r.filter = QStringLiteral("AVI Video Files (MCI)|*.AVI");
    return r;
}

platform::FileDialogRequest MediaCommands::soundOpenRequestDefaults() {
    platform::FileDialogRequest r;
    r.filter = QStringLiteral("Wave|*.wav|Midi FIles|*.mid|Movie|*.mov");
    r.defaultExt = QStringLiteral("WAV");
    return r;
}

namespace {
// Runs a media open dialog; a confirmed file is remembered as the dialog's next choice.
std::optional<QString> chooseMedia(platform::FileDialogRequest &dialog) {
    const std::optional<QString> path = platform::FileDialogs::run(dialog);
    if (path)
        dialog.fileName = *path;
    return path;
}
} // namespace

void MediaCommands::openVideo() {
    if (const auto path = chooseMedia(m_videoOpenRequest))
        loadVideo(*path);
}

void MediaCommands::openSound() {
    // The wave outputs as the audio pages list them: the sound server's.
    if (platform::AudioDevices::devices(platform::AudioClass::WaveOut).isEmpty()) {
        platform::MessageBoxes::information(media::noWaveOutputMessage());
        return;
    }
    if (const auto path = chooseMedia(m_soundOpenRequest))
        loadSound(*path);
}

void MediaCommands::openCdPlayer() {
    platform::MessageBoxes::information(media::notWrittenYetMessage());
}

void MediaCommands::loadVideo(const QString &path) {
    // The title names the file first, whether or not it opens.
    m_controls.window->setWindowTitle(media::fileNameOf(path));
    m_settings.videoFile = path;
    if (!QFileInfo::exists(path))
        return;
    // The picture shows in the play window, at the top-left in its natural size.
    m_controls.videoPlayer->setDisplay(m_playWindow);
    if (m_controls.videoPlayer->open(path)) {
        if (media::videoNeedsX11(QGuiApplication::platformName()))
            platform::MessageBoxes::information(media::videoNeedsX11Message());
        m_controls.videoPlayer->setDisplayRect(QRect(0, 0, 0, 0));
        m_controls.videoPlayer->show();
        m_controls.closePlayersButton->show();
        m_controls.startWithVideoButton->show();
        m_settings.outputTop =
            media::outputTopBelowVideo(m_controls.videoPlayer->displayRect().height());
    } else {
        m_settings.videoFile.clear();
        platform::MessageBoxes::error(media::videoBrokenMessage());
    }
    if (m_settings.centering && m_controls.videoPlayer->isOpen()) {
        const QRect r = m_controls.videoPlayer->displayRect();
        m_controls.videoPlayer->setDisplayRect(
            QRect(media::centredVideoLeft(platform::Screen::width(), r.width()), 0, 0, 0));
    }
    m_layOut();
    m_showSummary();
}

void MediaCommands::loadSound(const QString &path) {
    m_settings.soundFile = path;
    if (m_controls.soundPlayer->isHidden()) {
        m_controls.startWithVideoButton->show();
        m_controls.closePlayersButton->show();
        m_controls.soundPlayer->show();
        m_layOut();
    }
    if (m_controls.soundPlayer->open(path)) {
        // A sound that opens is armed at once, and the video no longer starts with it.
        m_videoArmed = false;
        m_soundArmed = true;
    } else {
        platform::MessageBoxes::error(media::soundUnplayableMessage());
        m_soundArmed = false;
    }
}

void MediaCommands::startWithVideoClicked() {
    const media::Arming a =
        media::armingFor(m_controls.startWithVideoButton->isChecked(),
                         !m_controls.soundPlayer->isHidden(), !m_controls.videoPlayer->isHidden());
    m_soundArmed = a.soundArmed;
    m_videoStartsWithText = a.videoStartsWithText;
    m_videoArmed = a.videoArmed;
}

void MediaCommands::closePlayers() {
    // Only armed media are closed; the others are only hidden.
    if (m_soundArmed)
        m_controls.soundPlayer->close();
    if (m_videoArmed) {
        m_controls.videoPlayer->close();
        m_videoStartsWithText = false;
        m_settings.outputTop = 0;
    }
    m_soundArmed = false;
    m_videoArmed = false;
    for (QWidget *w : {static_cast<QWidget *>(m_controls.soundPlayer),
                       static_cast<QWidget *>(m_controls.videoPlayer),
                       static_cast<QWidget *>(m_controls.closePlayersButton),
                       static_cast<QWidget *>(m_controls.startWithVideoButton)})
        w->hide();
    m_showSummary();
}

void MediaCommands::startArmedPlayers() {
    if (m_soundArmed)
        m_controls.soundPlayer->play();
    if (m_videoArmed)
        m_controls.videoPlayer->play();
}

void MediaCommands::videoPlayerClicked(MediaPlayer::Button button) {
    if (button != MediaPlayer::Button::Play || m_videoStartsWithText || !m_playWindow)
        return;
    // The video can be watched without the script: the play window covers the screen. Esc
    // or a click leaves it, as after a play.
    m_playWindow->coverOutputScreen();
    // No picture of an earlier play stays behind the video.
    m_playWindow->surface().resize(platform::Screen::size(),
                                   platform::toQColor(m_settings.backgroundColor).rgb());
    // It takes the settings as a play does: leaving it hands its speed and x10 back.
    if (m_playOptions)
        m_playWindow->setOptions(m_playOptions());
    m_playWindow->setEnabled(true);
    m_playWindow->show();
    m_playWindow->activateWindow();
}

void MediaCommands::startVideoWithText() {
    // A video armed with a sound is already running: the second play lets it run on.
    if (!m_videoStartsWithText)
        return;
    m_controls.videoPlayer->show();
    m_controls.videoPlayer->play();
}

void MediaCommands::startSoundWithTitles() {
    if (!m_videoStartsWithText)
        return;
    m_controls.soundPlayer->show();
    m_controls.soundPlayer->play();
}

void MediaCommands::stopShownPlayers() {
    // They stay open for the next play.
    for (MediaPlayer *player : {m_controls.soundPlayer, m_controls.videoPlayer}) {
        if (player->isHidden())
            continue;
        player->stop();
        player->rewind();
    }
}

bool MediaCommands::videoShowing() const {
    return !m_controls.videoPlayer->isHidden();
}
