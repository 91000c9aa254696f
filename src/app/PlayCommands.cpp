#include "app/PlayCommands.h"

#include "app/MainWindowUi.h"
#include "app/OutputScreenCommands.h"
#include "editor/ReadingTimeCommands.h"
#include "editor/ScriptEditor.h"
#include "editor/ScriptFileCommands.h"
#include "media/MediaCommands.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/PreciseWait.h"
#include "platform/StatusBar.h"
#include "platform/TrackBar.h"
#include "play/PlayWindow.h"
#include "play/RowSchedule.h"
#include "preroll/ColorBarHold.h"
#include "preroll/TimedWait.h"
#include "settings/Settings.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

namespace {
// The voice steers at most this often, and the panel shows its state at most this often.
constexpr qint64 kSteerEveryNs = 20'000'000;
constexpr qint64 kPanelEveryNs = 200'000'000;
// How long after the play the status bar keeps saying why the voice was not followed, in
// seconds.
constexpr int kVoiceMessageSeconds = 30;

// Rows a second at `delay`; Delay 0 (no wait) counts as a thousand.
double rowsPerSecondOf(int delay) {
    return rowsPerSecondAt(delay).value_or(1000.0);
}
} // namespace

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
    if (m_voiceMessageShown) {
        m_ui.statusBar->clearMessage();
        m_voiceMessageShown = false;
    }
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

// ---- Following the voice --------------------------------------------------------------

void PlayCommands::textStarted(int firstLine, int lineHeight, int rowsToReadingLine) {
    m_textLayout = {firstLine, lineHeight, rowsToReadingLine};
    m_rows = 0;
    m_textScrolling = true;
    if (m_settings.followVoice)
        startFollowing();
}

void PlayCommands::startFollowing() {
    if (!m_voice)
        m_voice = std::make_unique<VoiceFollower>();
    // The recogniser expects the script's words: the display lines as the pass plays them.
    QStringList lines;
    const int count = lineCount();
    lines.reserve(count);
    for (int k = 0; k < count; ++k)
        lines << line(k);
    m_operatorDelay = m_settings.delay;
    const qint64 now = platform::monotonicNs();
    m_voice->start(lines, m_textLayout, m_rows, rowsPerSecondOf(m_settings.delay), now);
    m_voiceSteers = true;
    m_voiceHolds = false;
    m_nextSteerNs = now;
    m_nextPanelNs = now;
}

void PlayCommands::resumeFollowing() {
    if (!m_textScrolling)
        return;
    if (!m_voice || !m_voice->running()) {
        startFollowing();
        return;
    }
    m_operatorDelay = m_settings.delay;
    m_voice->restartSteering(rowsPerSecondOf(m_settings.delay), platform::monotonicNs());
    m_voiceSteers = true;
}

void PlayCommands::stopFollowing() {
    if (m_voice)
        m_voice->stop(); // the recogniser's thread, model and input go
    m_voiceSteers = false;
    m_voiceHolds = false;
}

void PlayCommands::sayWhyVoiceIsNotFollowed(VoiceFollower::Failure failure) {
    QString why;
    switch (failure) {
    case VoiceFollower::Failure::NoInput:
        why = QStringLiteral("Follow Voice: no sound input; the play runs at the set speed.");
        break;
    case VoiceFollower::Failure::NoModel:
        why = QStringLiteral(
            "Follow Voice: the speech model is missing; the play runs at the set speed.");
        break;
    case VoiceFollower::Failure::NoWords:
        why = QStringLiteral(
            "Follow Voice: the script has no words to follow; the play runs at the set speed.");
        break;
    case VoiceFollower::Failure::None:
        return;
    }
    m_ui.statusBar->showMessage(why);
    m_voiceMessageShown = true;
}

void PlayCommands::steerByVoice() {
    const qint64 now = platform::monotonicNs();
    if (now < m_nextSteerNs)
        return;
    m_nextSteerNs = now + kSteerEveryNs;
    if (const VoiceFollower::Failure failure = m_voice->failure();
        failure != VoiceFollower::Failure::None) {
        // The play goes on at the operator's speed, and the status bar says why.
        const bool steered = m_voiceSteers;
        stopFollowing();
        if (steered)
            setDelay(m_operatorDelay);
        sayWhyVoiceIsNotFollowed(failure);
        if (m_playWindow)
            m_playWindow->showVoiceState(QStringLiteral("Voice off"));
        return;
    }
    const double speed = m_voice->steer(m_rows, now);
    if (m_voiceSteers) {
        m_voiceHolds = speed <= 0.0;
        if (!m_voiceHolds) {
            const int delay = delayForRowsPerSecond(speed);
            if (delay != m_settings.delay)
                setDelay(delay);
        }
    }
    if (m_playWindow && now >= m_nextPanelNs) {
        m_nextPanelNs = now + kPanelEveryNs;
        m_playWindow->showVoiceState(m_voiceSteers
                                         ? QStringLiteral("Voice %1").arg(m_voice->level())
                                         : QStringLiteral("Voice off"));
        m_playWindow->ui().delayLabel->setText(QString::number(m_settings.delay));
    }
}

void PlayCommands::rowScrolled() {
    ++m_rows;
    if (m_voice && m_voice->running())
        steerByVoice();
}

bool PlayCommands::textHeld() {
    if (!m_voiceHolds)
        return false;
    steerByVoice();
    return m_voiceHolds;
}

void PlayCommands::textEnded() {
    m_textScrolling = false;
    stopFollowing();
}

void PlayCommands::operatorTookSpeed() {
    if (!m_voiceSteers)
        return;
    m_voiceSteers = false;
    m_voiceHolds = false;
    if (m_playWindow)
        m_playWindow->showVoiceState(QStringLiteral("Voice off"));
}

void PlayCommands::followVoiceAgain() {
    // Checking "Follow &Voice" resumes through its toggle.
    if (!m_settings.followVoice)
        m_ui.followVoiceAction->setChecked(true);
    else
        resumeFollowing();
}

void PlayCommands::followVoiceToggled(bool on) {
    if (!m_textScrolling)
        return;
    if (on) {
        resumeFollowing();
    } else {
        stopFollowing();
        if (m_playWindow)
            m_playWindow->showVoiceState(QString());
    }
}

void PlayCommands::playClosed() {
    m_textScrolling = false;
    stopFollowing();
    if (m_playWindow)
        m_playWindow->showVoiceState(QString());
    if (m_voiceMessageShown)
        QTimer::singleShot(kVoiceMessageSeconds * platform::secondMs(), this, [this] {
            if (m_voiceMessageShown)
                m_ui.statusBar->clearMessage();
            m_voiceMessageShown = false;
        });
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
