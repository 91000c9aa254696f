// The main window's side of the configuration file: the loaded values reach the controls
// in the reading order and are then applied, and the controls give the values to write. The
// keys themselves, their forms and defaults are the table in app/Configuration.cpp; reading
// and writing the file are app/ConfigurationCommands.cpp.
#include "app/MainWindow.h"
#include "app/OutputScreenCommands.h"

#include "app/Configuration.h"
#include "app/Errors.h"
#include "app/ProgramWindows.h"
#include "app/RemoteControlCommands.h"
#include "editor/FontCommands.h"
#include "editor/ScriptEditor.h"
#include "editor/ScriptFileCommands.h"
#include "platform/Clock.h"
#include "platform/Colors.h"
#include "platform/IniFile.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/RadioGroup.h"
#include "platform/Screen.h"
#include "platform/TrackBar.h"
#include "preroll/AutoStartCommands.h"
#include "preroll/PrerollCommands.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QSlider>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

// Bounds of the main window as stored: kept within a few screens of the real one, so that a
// damaged file cannot ask for a window the size of a city.
int boundedPosition(int value, int screen) {
    return qBound(-4 * screen, value, 4 * screen);
}
int boundedSize(int value, int screen) {
    return qBound(0, value, 4 * screen);
}

} // namespace

Settings MainWindow::configurationFromControls() const {
    Settings c = m_settings;
    c.program = QString::fromLatin1(kApplicationTitle) + u' ' + m_settings.version;
    c.showClock = m_ui.clockAction->isChecked();
    c.videoMode = m_ui.videoModeAction->isChecked();
    c.tvTitle = m_ui.tvTitleAction->isChecked();
    c.startFromCursor = m_ui.startFromCursorAction->isChecked();
    c.tenSecondBackground = m_ui.tenSecondBackgroundAction->isChecked();
    c.autoStart = m_ui.autoStartAction->isChecked();
    c.countDown = m_ui.countDownAction->isChecked();
    c.countDownSecondRead = c.countDown;
    c.wordWrap = m_ui.wordWrapAction->isChecked();
    c.noReturns = m_ui.noReturnsAction->isChecked();
    c.colorBars = m_ui.colorBarsButton->isChecked();
    c.stopAtEnd = m_ui.stopAtEndBox->isChecked();
    c.loopMode = m_ui.loopAction->isChecked();
    c.centerMarker = m_ui.centerMarkerBox->isChecked();
    c.noPause = m_ui.noPauseBox->isChecked();
    c.slowerX10 = m_ui.slowerBox->isChecked();
    c.followVoice = m_ui.followVoiceAction->isChecked();

    c.fontSize = editorFontSize();
    c.fontName = m_ui.editor->font().family();
    c.mainWindowColor = platform::kMenuSystemColor; // the main window's own colour
    const QDateTime now = platform::Clock::now();
    c.savedAt = platform::Clock::shortDateText(now.date()) + u'-' +
                platform::Clock::longTimeText(now.time());
    c.savedTick = QString::number(platform::Clock::tickMs());
    c.outputSizeChoice = m_ui.screenResGroup->itemIndex();
    c.pixelFormat = m_ui.pixelProcessingGroup->itemIndex();
    c.mirror = m_ui.mirrorButton->isChecked();
    c.bold = m_ui.boldAction->isChecked();

    c.delayPanel = m_ui.delayPanelAction->isChecked();
    c.pixelProcessingPanel = m_ui.pixelProcessingAction->isChecked();
    c.screenResPanel = m_ui.screenResAction->isChecked();
    c.readingTimePanel = m_ui.readingTimeAction->isChecked();
    c.editorPanel = m_ui.editorAction->isChecked();
    c.autoTimerPanel = m_ui.autoTimerAction->isChecked();
    c.toolBar = m_ui.toolBarAction->isChecked();
    c.outputScreen = m_settings.outputScreen;
    c.livePreview = m_ui.livePreviewAction->isChecked();
    c.windowLeft = x();
    c.windowTop = y();
    c.windowWidth = width();
    c.windowHeight = height();
    return c;
}

// Menu check marks and tool buttons are set without running anything; a check box whose
// state changes runs its click rule as an operator's click would.
void MainWindow::configurationToControls(const app::ConfigurationRead &read) {
    const Settings &c = read.values;
    // The output screen first: the screen's measures below are its.
    m_outputScreen->remember(c.outputScreen);
    m_ui.livePreviewAction->setChecked(c.livePreview);
    const QSize screen = platform::Screen::size();
    // Media files, the output rectangle, and the fade hold, bar time and key amounts.
    m_settings.videoFile = c.videoFile;
    m_settings.soundFile = c.soundFile;
    m_settings.outputLeft = c.outputLeft;
    m_settings.outputTop = c.outputTop;
    m_settings.outputRight = c.outputRight;
    m_settings.outputBottom = c.outputBottom;
    m_settings.fadeHoldSeconds = c.fadeHoldSeconds;
    m_settings.colorBarSeconds = c.colorBarSeconds;
    m_settings.arrowStep = c.arrowStep;
    m_settings.pageStep = c.pageStep;
    // The fade options, then "Slower x10", whose click rule sets the delay factor and the
    // delay (both are stored again further down).
    m_settings.centerFade = c.centerFade;
    m_settings.lowerThird = c.lowerThird;
    m_settings.fadeTitles = c.fadeTitles;
    m_settings.fadeTwoLines = c.fadeTwoLines;
    m_settings.fadeTvTitle = c.fadeTvTitle;
    m_settings.fadeAntialias = c.fadeAntialias;
    m_ui.slowerBox->setChecked(c.slowerX10);
    // The main window's bounds, each applied at once. A file that holds none has the window
    // fitted to the screen once the values are applied.
    if (read.windowBounds) {
        setWindowState(windowState() & ~Qt::WindowMaximized);
        move(boundedPosition(c.windowLeft, screen.width()), y());
        move(x(), boundedPosition(c.windowTop, screen.height()));
        resize(boundedSize(c.windowWidth, screen.width()), height());
        resize(width(), boundedSize(c.windowHeight, screen.height()));
    }
    // Play modes, the clock and auto start, and the count-down as first read.
    m_ui.tvTitleAction->setChecked(c.tvTitle);
    m_ui.tenSecondBackgroundAction->setChecked(c.tenSecondBackground);
    m_settings.centering = c.centering;
    m_ui.clockAction->setChecked(c.showClock);
    m_ui.autoStartAction->setChecked(c.autoStart);
    m_ui.videoModeAction->setChecked(c.videoMode);
    m_ui.countDownAction->setChecked(c.countDown);
    // Pixel format, output size choice, reading rate and the editor's font.
    m_settings.pixelFormat = c.pixelFormat;
    m_settings.outputSizeChoice = c.outputSizeChoice;
    m_settings.wordsPerMinute = c.wordsPerMinute;
    m_settings.mainWindowColor = c.mainWindowColor;
    setEditorFontSize(qBound(1, c.fontSize, 1000));
    if (!c.fontName.isEmpty()) {
        QFont font = m_ui.editor->font();
        font.setFamily(c.fontName);
        m_ui.editor->setFont(font);
    }
    // A stored start time that is no time ends the load here.
    if (read.invalidStartTime)
        throw ConversionError::invalidTime(*read.invalidStartTime);
    m_settings.startTime = c.startTime;
    // The last script and the play colours.
    m_settings.scriptPath = c.scriptPath;
    m_settings.backgroundColor = c.backgroundColor;
    m_settings.textColor = c.textColor;
    // The second read of the count-down decides. Loop Mode goes to the menu item, then, after
    // "Stop @ End", to the check box, so that with both stored loop play wins.
    m_ui.countDownAction->setChecked(c.countDownSecondRead);
    m_ui.colorBarsAction->setChecked(c.colorBars);
    m_ui.loopAction->setChecked(c.loopMode);
    m_ui.stopAtEndBox->setChecked(c.stopAtEnd);
    m_ui.loopBox->setChecked(c.loopMode);
    m_ui.centerMarkerBox->setChecked(c.centerMarker);
    m_ui.noPauseBox->setChecked(c.noPause);
    m_ui.followVoiceAction->setChecked(c.followVoice);
    m_ui.startFromCursorAction->setChecked(c.startFromCursor);
    m_ui.wordWrapAction->setChecked(c.wordWrap);
    m_ui.noReturnsAction->setChecked(c.noReturns);
    // The "CBars" button is down exactly when "Use &Color Bars" is checked.
    m_ui.colorBarsButton->setChecked(m_ui.colorBarsAction->isChecked());
    // Mirror, bold, and the speed over what "Slower x10" computed.
    m_ui.mirrorButton->setChecked(c.mirror);
    m_ui.boldAction->setChecked(c.bold);
    m_settings.delay = c.delay;
    m_settings.delayFactor = c.delayFactor;
    // Which panels the menu marks as shown.
    m_ui.delayPanelAction->setChecked(c.delayPanel);
    m_ui.pixelProcessingAction->setChecked(c.pixelProcessingPanel);
    m_ui.screenResAction->setChecked(c.screenResPanel);
    m_ui.readingTimeAction->setChecked(c.readingTimePanel);
    m_ui.editorAction->setChecked(c.editorPanel);
    m_ui.autoTimerAction->setChecked(c.autoTimerPanel);
    m_ui.toolBarAction->setChecked(c.toolBar);
    // Remote control: the servers start (or stop) once the window has been set up.
    m_settings.remoteControl = c.remoteControl;
    m_settings.remotePort = c.remotePort;
    m_settings.remoteOscPort = c.remoteOscPort;
    m_settings.remoteOtherMachines = c.remoteOtherMachines;
    m_settings.remoteAccessCode = c.remoteAccessCode;
    QTimer::singleShot(0, m_remoteControl.get(), &RemoteControlCommands::apply);

    applyConfiguration(!read.windowBounds);
}

// The loaded values take effect in the window; `fit` sizes the window to the screen.
void MainWindow::applyConfiguration(bool fit) {
    // The editor's bold style, word wrap and Enter key as their check marks say, before the
    // script's lines are counted.
    m_fontCommands->applyEditorCheckMarks();
    // The last script is opened. Opening it counts as a change of the editor text, which
    // would take back the Loop Mode this configuration has just set; the loop setting stays.
    if (!m_settings.scriptPath.isEmpty() && QFileInfo(m_settings.scriptPath).isFile()) {
        const bool loop = m_ui.loopBox->isChecked();
        m_scriptFiles->openScriptFile(m_settings.scriptPath);
        m_ui.loopBox->setChecked(loop);
    }
    applyFadeMode();
    // Auto start armed: the toggle commands leave a running clock and armed auto start.
    if (m_ui.autoStartAction->isChecked()) {
        m_ui.autoStartAction->setChecked(false);
        m_ui.clockAction->setChecked(false);
        m_autoStart->toggleClock();
        m_autoStart->toggleAutoStart();
    }
    // Video mode, count-down and colour bars go through their toggle commands, which bring
    // their tool buttons along.
    if (m_ui.videoModeAction->isChecked()) {
        m_ui.videoModeAction->setChecked(false);
        toggleVideoMode();
    }
    if (m_ui.countDownAction->isChecked()) {
        m_ui.countDownAction->setChecked(false);
        m_preroll->toggleCountDown();
    }
    if (m_ui.colorBarsAction->isChecked()) {
        m_ui.colorBarsAction->setChecked(false);
        m_preroll->toggleColorBars();
    }
    // Centred script lines, through the "Center" button: a stored 1 puts it down, a 0 up, so
    // the button, "Center Text", the editor and the setting agree.
    m_ui.centerButton->setChecked(m_settings.centering);
    m_fontCommands->centerButtonClicked();
    // The panels the menu marks as shown; selecting another radio item runs the group's rule.
    m_ui.toolBar->setVisible(m_ui.toolBarAction->isChecked());
    m_ui.delayPanel->setVisible(m_ui.delayPanelAction->isChecked());
    m_ui.pixelProcessingGroup->setVisible(m_ui.pixelProcessingAction->isChecked());
    m_ui.pixelProcessingGroup->setItemIndex(m_settings.pixelFormat);
    m_ui.screenResGroup->setVisible(m_ui.screenResAction->isChecked());
    m_ui.screenResGroup->setItemIndex(m_settings.outputSizeChoice);
    m_ui.readingTimePanel->setVisible(m_ui.readingTimeAction->isChecked());
    m_ui.autoTimerPanel->setVisible(m_ui.autoTimerAction->isChecked());
    m_ui.editor->setVisible(m_ui.editorAction->isChecked());
    // The track bars and the delay label follow the font size and the delay.
    setTrackBarPosition(m_ui.fontSizeBar, editorFontSize());
    if (m_settings.delay > 0 && m_settings.delayFactor > 0)
        setTrackBarPosition(m_ui.delayBar, m_settings.delay / m_settings.delayFactor);
    m_ui.delayLabel->setText(QString::number(m_settings.delay));
    // The window's size where the file gave none, then layout and status texts.
    if (fit)
        fitToScreen();
    layOutPanels();
    showSummary();
}
