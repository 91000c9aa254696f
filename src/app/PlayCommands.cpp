#include "app/PlayCommands.h"

#include "app/MainWindowUi.h"
#include "app/OutputScreenCommands.h"
#include "editor/ReadingTimeCommands.h"
#include "editor/ScriptEditor.h"
#include "editor/ScriptFileCommands.h"
#include "media/MediaCommands.h"
#include "platform/MessageBoxes.h"
#include "platform/TrackBar.h"
#include "play/PlayWindow.h"
#include "preroll/ColorBarHold.h"
#include "preroll/TimedWait.h"
#include "settings/Settings.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QSlider>
#include <QToolButton>

PlayCommands::PlayCommands(const MainWindowUi &ui, Settings &settings, Rooms rooms,
                           std::function<bool()> backgroundIsBlack, std::function<void()> playEnded,
                           QObject *parent)
    : QObject(parent), m_ui(ui), m_settings(settings), m_rooms(rooms),
      m_backgroundIsBlack(std::move(backgroundIsBlack)), m_playEnded(std::move(playEnded)) {}

PlayOptions PlayCommands::playOptions() const {
    PlayOptions o;
    o.left = m_settings.outputLeft;
    o.top = m_settings.outputTop;
    o.bottom = m_settings.outputBottom;
    o.videoMode = m_settings.videoMode;
    // Window mode leaves room for the operator panel in this play only; the stored
    // rectangle keeps its right edge.
    o.right = o.videoMode ? m_settings.outputRight : m_settings.outputRight - 55;
    o.textColor = m_settings.textColor;
    o.backgroundColor = m_settings.backgroundColor;
    o.editorFont = m_ui.editor->font();
    o.pixelFormat = m_settings.pixelFormat;
    o.tvTitle = m_settings.tvTitle;
    o.centerText = m_settings.centerText;
    o.mirror = m_settings.mirror;
    o.measuringReadingTime = m_rooms.readingTime->measuring();
    o.centering = m_settings.centerText; // the "Center" button, as "Center Text"
    o.colorBars = m_settings.colorBars;
    o.countDown = m_settings.countDown;
    o.tenSecondBackground = m_settings.tenSecondBackground;
    o.noPause = m_settings.noPause;
    o.centerMarker = m_settings.centerMarker;
    o.stopAtEnd = m_settings.stopAtEnd;
    o.startFromCursor = m_settings.startFromCursor;
    o.caretLine = m_rooms.scriptFiles->caretLine();
    // The retrace wait only where the display offers one (retracePort set at start).
    o.syncRetrace = m_settings.syncRetrace && m_settings.retracePort != 0;
    o.fadeTitles = m_settings.fadeTitles;
    o.fadeTwoLines = m_settings.fadeTwoLines;
    o.fadeTvTitle = m_settings.fadeTvTitle;
    o.fadeAntialias = m_settings.fadeAntialias;
    o.lowerThird = m_settings.lowerThird;
    o.centerFade = m_settings.centerFade;
    o.fadeHoldSeconds = m_settings.fadeHoldSeconds;
    o.arrowStep = m_settings.arrowStep;
    o.pageStep = m_settings.pageStep;
    o.delayBarPosition = m_ui.delayBar->value();
    o.slowerX10 = m_settings.slowerX10;
    return o;
}

void PlayCommands::play() {
    ScriptFileCommands &script = *m_rooms.scriptFiles;
    m_looping = false;
    if (!script.checkScript())
        return;
    PlayWindow *w = m_playWindow;
    if (!w)
        return;
    // Room for the centre marker, kept in the settings.
    if (m_settings.outputLeft == 0 && m_settings.centerMarker)
        m_settings.outputLeft = 15;
    w->setOptions(playOptions());
    w->startPlay();

    if (!m_settings.loopMode) {
        m_rooms.outputScreen->playStarting();
        w->runPass();
        return;
    }
    m_looping = true;
    for (bool first = true; m_looping; first = false) {
        // Each pass reads the settings as they are when it starts.
        if (!first)
            w->setOptions(playOptions());
        m_rooms.outputScreen->playStarting();
        w->runPass();
        // An operator exit ends the whole repetition at once.
        if (!m_looping)
            break;
        if (m_settings.startFromCursor)
            continue;
        if (!QFileInfo(m_settings.scriptPath).isFile())
            continue; // the next pass plays the editor's text as it is
        // Reloading replaces the editor's text: text the operator has changed and not
        // saved is played as it stands instead of being thrown away.
        if (m_ui.editor->isModified())
            continue;
        m_ui.editor->clear();
        if (!script.loadEditorFromFile(m_settings.scriptPath)) {
            platform::MessageBoxes::information(QStringLiteral("Cant reload txt file: ") +
                                                m_settings.scriptPath);
            m_ui.editor->clear();
            m_looping = false;
            break;
        }
        m_ui.editor->setModified(false);
        if (!script.checkScript()) {
            m_looping = false;
            break;
        }
    }
}

// ---- What the play window asks while a pass runs ----------------------------------------

int PlayCommands::delay() const {
    return m_settings.delay;
}

void PlayCommands::setDelay(int delay) {
    m_settings.delay = delay;
}

int PlayCommands::delayFactor() const {
    return m_settings.delayFactor;
}

void PlayCommands::setSlowerX10(bool on) {
    m_settings.delayFactor = Settings::delayFactorFor(on);
    // The box's own rule runs when its state changes.
    m_ui.slowerBox->setChecked(on);
}

void PlayCommands::handBackSpeed() {
    // Delay over the factor, held within the bar's range; the bar's change handler does not
    // run, so Delay stays as the keys left it.
    const int factor = qMax(1, m_settings.delayFactor);
    platform::setTrackBarPosition(
        m_ui.delayBar,
        qBound(m_ui.delayBar->minimum(), m_settings.delay / factor, m_ui.delayBar->maximum()));
    m_ui.delayLabel->setText(QString::number(m_settings.delay));
}

void PlayCommands::waitSeconds(int seconds) {
    m_rooms.timedWait->wait(seconds);
}

void PlayCommands::holdColorBars(const std::function<bool()> &showing) {
    m_rooms.colorBarHold->hold(showing);
}

int PlayCommands::lineCount() const {
    return m_rooms.scriptFiles->lineCount();
}

QString PlayCommands::line(int index) const {
    return m_ui.editor->line(index);
}

void PlayCommands::readingTimeMeasured(double elapsedMs) {
    m_rooms.readingTime->measured(elapsedMs);
}

void PlayCommands::startArmedMedia() {
    if (m_ui.startWithVideoButton->isChecked() && m_rooms.media->soundArmed())
        m_rooms.media->startArmedPlayers();
}

void PlayCommands::startVideoWithText() {
    m_rooms.media->startVideoWithText();
}

bool PlayCommands::videoShowing() const {
    return m_rooms.media->videoShowing();
}

bool PlayCommands::backgroundIsBlack() {
    return m_backgroundIsBlack();
}

void PlayCommands::setTitlePosition(int left, int top) {
    m_settings.outputLeft = left;
    m_settings.outputTop = top;
}

void PlayCommands::startSoundWithTitles() {
    m_rooms.media->startSoundWithTitles();
}

void PlayCommands::setPlayColors(int textColor, int backgroundColor) {
    m_settings.textColor = textColor;
    m_settings.backgroundColor = backgroundColor;
}

void PlayCommands::applyEditorFontSize(int points) {
    m_ui.editor->setFontPointSize(points);
    platform::setTrackBarPosition(m_ui.fontSizeBar, m_ui.editor->fontPointSize());
}

void PlayCommands::playClosed() {
    m_rooms.media->stopShownPlayers();
    m_rooms.colorBarHold->stop();
    m_rooms.outputScreen->playClosed();
    m_looping = false;
    m_playEnded();
}

void PlayCommands::playWindowGoing() {
    m_rooms.outputScreen->setPlayWindow(nullptr);
}

void PlayCommands::runStartUpPlay() {
    if (!m_settings.playAtStart)
        return;
    m_settings.playAtStart = false;
    play();
}
