// The main window's side of the configuration file: the loaded values reach the controls
// in the reading order and are then applied, and the controls give the values to write. The
// keys themselves, their forms and defaults are the table in app/Configuration.cpp; reading
// and writing the file are app/ConfigurationCommands.cpp.
#include "app/MainWindow.h"

#include "app/Configuration.h"
#include "app/Errors.h"
#include "app/ProgramWindows.h"
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

app::Configuration MainWindow::configurationFromControls() const {
    app::Configuration c;
    c.Program = QString::fromLatin1(kApplicationTitle) + u' ' + m_settings.version;
    c.Centering = m_settings.centering;
    c.ShowClock = m_ui.clockAction->isChecked();
    c.VideoMode = m_ui.videoModeAction->isChecked();
    c.TVTitleMode = m_ui.tvTitleAction->isChecked();
    c.StartfromCursor = m_ui.startFromCursorAction->isChecked();
    c.TenSecondDelay = m_ui.tenSecondBackgroundAction->isChecked();
    c.TimerMode = m_ui.autoStartAction->isChecked();
    c.UseCountDown = m_ui.countDownAction->isChecked();
    c.UseCountDownLate = c.UseCountDown;
    c.Startime = platform::dayFractionToTime(m_settings.startTime);
    c.WordWrap = m_ui.wordWrapAction->isChecked();
    c.WantReturns = m_ui.noReturnsAction->isChecked();
    c.FadeTitles = m_settings.fadeTitles;
    c.FadeTwoline = m_settings.fadeTwoLines;
    c.FadeTVTitle = m_settings.fadeTvTitle;
    c.FadeAnti = m_settings.fadeAntialias;
    c.CenterFade = m_settings.centerFade;
    c.LowerThird = m_settings.lowerThird;
    c.UseColorBars = m_ui.colorBarsButton->isChecked();
    c.StopAtEnd = m_ui.stopAtEndBox->isChecked();
    c.LoopMode = m_ui.loopAction->isChecked();
    c.CenterMarker = m_ui.centerMarkerBox->isChecked();
    c.NoPause = m_ui.noPauseBox->isChecked();
    c.Delayx10 = m_ui.slowerBox->isChecked();

    c.FadeHoldTime = m_settings.fadeHoldSeconds;
    c.ArrowAmt = m_settings.arrowStep;
    c.PgJumpAmt = m_settings.pageStep;
    c.FontSize = editorFontSize();
    c.FontColor = m_settings.textColor;
    c.FormColor = m_settings.backgroundColor;
    c.Delay = m_settings.delay;
    c.DelayFactor = m_settings.delayFactor;
    c.FontName = m_ui.editor->font().family();
    c.MainColor = platform::kMenuSystemColor; // the main window's own colour
    c.WordPerMinute = m_settings.wordsPerMinute;
    c.LastFile = m_settings.scriptPath;
    const QDateTime now = platform::Clock::now();
    c.ConfigDate = platform::Clock::shortDateText(now.date()) + u'-' +
                   platform::Clock::longTimeText(now.time());
    c.Ver = m_settings.version;
    c.ccID = QString::number(platform::Clock::tickMs());
    c.Aviname = m_settings.videoFile;
    c.Wavname = m_settings.soundFile;
    c.S_Left = m_settings.outputLeft;
    c.S_Top = m_settings.outputTop;
    c.S_Right = m_settings.outputRight;
    c.S_Bottom = m_settings.outputBottom;
    c.DisPlaColor = m_settings.textColor;
    c.CbarTime = m_settings.colorBarSeconds;
    c.DisPlaySize = m_ui.screenResGroup->itemIndex();
    c.ProcessType = m_ui.pixelProcessingGroup->itemIndex();
    c.UseReverse = m_ui.mirrorButton->isChecked();
    c.UseBold = m_ui.boldAction->isChecked();

    c.DelayControl = m_ui.delayPanelAction->isChecked();
    c.PixelControl = m_ui.pixelProcessingAction->isChecked();
    c.ScreenOutputResolution = m_ui.screenResAction->isChecked();
    c.Calibrate = m_ui.readingTimeAction->isChecked();
    c.TextEditPanel = m_ui.editorAction->isChecked();
    c.AutoTimer = m_ui.autoTimerAction->isChecked();
    c.SpeedBar = m_ui.toolBarAction->isChecked();
    c.ML = x();
    c.MT = y();
    c.MW = width();
    c.MH = height();
    return c;
}

// Menu check marks and tool buttons are set without running anything; a check box whose
// state changes runs its click rule as an operator's click would.
void MainWindow::configurationToControls(const app::ConfigurationRead &read) {
    const app::Configuration &c = read.values;
    const QSize screen = platform::Screen::size();
    // Media files, the output rectangle, and the fade hold, bar time and key amounts.
    m_settings.videoFile = c.Aviname;
    m_settings.soundFile = c.Wavname;
    m_settings.outputLeft = c.S_Left;
    m_settings.outputTop = c.S_Top;
    m_settings.outputRight = c.S_Right;
    m_settings.outputBottom = c.S_Bottom;
    m_settings.fadeHoldSeconds = c.FadeHoldTime;
    m_settings.colorBarSeconds = c.CbarTime;
    m_settings.arrowStep = c.ArrowAmt;
    m_settings.pageStep = c.PgJumpAmt;
    // The fade options, then "Slower x10", whose click rule sets the delay factor and the
    // delay (both are stored again further down).
    m_settings.centerFade = c.CenterFade;
    m_settings.lowerThird = c.LowerThird;
    m_settings.fadeTitles = c.FadeTitles;
    m_settings.fadeTwoLines = c.FadeTwoline;
    m_settings.fadeTvTitle = c.FadeTVTitle;
    m_settings.fadeAntialias = c.FadeAnti;
    m_ui.slowerBox->setChecked(c.Delayx10);
    // The main window's bounds, each applied at once. A file that holds none has the window
    // fitted to the screen once the values are applied.
    if (read.windowBounds) {
        setWindowState(windowState() & ~Qt::WindowMaximized);
        move(boundedPosition(c.ML, screen.width()), y());
        move(x(), boundedPosition(c.MT, screen.height()));
        resize(boundedSize(c.MW, screen.width()), height());
        resize(width(), boundedSize(c.MH, screen.height()));
    }
    // Play modes, the clock and auto start, and the count-down as first read.
    m_ui.tvTitleAction->setChecked(c.TVTitleMode);
    m_ui.tenSecondBackgroundAction->setChecked(c.TenSecondDelay);
    m_settings.centering = c.Centering;
    m_ui.clockAction->setChecked(c.ShowClock);
    m_ui.autoStartAction->setChecked(c.TimerMode);
    m_ui.videoModeAction->setChecked(c.VideoMode);
    m_ui.countDownAction->setChecked(c.UseCountDown);
    // Pixel format, output size choice, reading rate and the editor's font.
    m_settings.pixelFormat = c.ProcessType;
    m_settings.outputSizeChoice = c.DisPlaySize;
    m_settings.wordsPerMinute = c.WordPerMinute;
    m_settings.mainWindowColor = c.MainColor;
    setEditorFontSize(qBound(1, c.FontSize, 1000));
    if (!c.FontName.isEmpty()) {
        QFont font = m_ui.editor->font();
        font.setFamily(c.FontName);
        m_ui.editor->setFont(font);
    }
    // A stored start time that is no time ends the load here.
    if (read.invalidStartime)
        throw ConversionError::invalidTime(*read.invalidStartime);
    m_settings.startTime = platform::timeToDayFraction(c.Startime);
    // The last script and the play colours.
    m_settings.scriptPath = c.LastFile;
    m_settings.backgroundColor = c.FormColor;
    m_settings.textColor = c.DisPlaColor;
    // The second read of the count-down decides. Loop Mode goes to the menu item, then, after
    // "Stop @ End", to the check box, so that with both stored loop play wins.
    m_ui.countDownAction->setChecked(c.UseCountDownLate);
    m_ui.colorBarsAction->setChecked(c.UseColorBars);
    m_ui.loopAction->setChecked(c.LoopMode);
    m_ui.stopAtEndBox->setChecked(c.StopAtEnd);
    m_ui.loopBox->setChecked(c.LoopMode);
    m_ui.centerMarkerBox->setChecked(c.CenterMarker);
    m_ui.noPauseBox->setChecked(c.NoPause);
    m_ui.startFromCursorAction->setChecked(c.StartfromCursor);
    m_ui.wordWrapAction->setChecked(c.WordWrap);
    m_ui.noReturnsAction->setChecked(c.WantReturns);
    // The "CBars" button is down exactly when "Use &Color Bars" is checked.
    m_ui.colorBarsButton->setChecked(m_ui.colorBarsAction->isChecked());
    // Mirror, bold, and the speed over what "Slower x10" computed.
    m_ui.mirrorButton->setChecked(c.UseReverse);
    m_ui.boldAction->setChecked(c.UseBold);
    m_settings.delay = c.Delay;
    m_settings.delayFactor = static_cast<qint8>(c.DelayFactor);
    // Which panels the menu marks as shown.
    m_ui.delayPanelAction->setChecked(c.DelayControl);
    m_ui.pixelProcessingAction->setChecked(c.PixelControl);
    m_ui.screenResAction->setChecked(c.ScreenOutputResolution);
    m_ui.readingTimeAction->setChecked(c.Calibrate);
    m_ui.editorAction->setChecked(c.TextEditPanel);
    m_ui.autoTimerAction->setChecked(c.AutoTimer);
    m_ui.toolBarAction->setChecked(c.SpeedBar);

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
    // Centred script lines, through the "Center" button.
    if (m_settings.centering) {
        m_ui.centerButton->setChecked(true);
        m_fontCommands->centerButtonClicked();
    }
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
