// The main window's creation, life cycle and closing, and the wiring of its controls to the
// command classes.
#include "app/MainWindow.h"

#include "app/Configuration.h"
#include "app/ConfigurationCommands.h"
#include "app/DefaultConfiguration.h"
#include "app/Errors.h"
#include "app/OutputScreenCommands.h"
#include "app/PlayCommands.h"
#include "app/ProgramWindows.h"
#include "app/RemoteControlCommands.h"
#include "dialogs/OptionDialogCommands.h"
#include "editor/EditCommands.h"
#include "editor/FontCommands.h"
#include "editor/PrintCommands.h"
#include "editor/ReadingTimeCommands.h"
#include "editor/ScriptEditor.h"
#include "editor/ScriptFileCommands.h"
#include "media/MediaCommands.h"
#include "platform/FindDialog.h"
#include "platform/IniFile.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/RadioGroup.h"
#include "platform/Retrace.h"
#include "platform/Screen.h"
#include "platform/StatusBar.h"
#include "platform/TrackBar.h"
#include "play/PlayWindow.h"
#include "preroll/AutoStartCommands.h"
#include "preroll/ColorBarHold.h"
#include "preroll/PrerollCommands.h"
#include "preroll/TimedWait.h"
#include "sysinfo/MenuShortcutFilter.h"
#include "sysinfo/SystemInfoCommands.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QSlider>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent) {
    m_ui.setupUi(this);
    createCommands();
    connectControls();
}

MainWindow::~MainWindow() {
    // The controls are deleted after this object has stopped being a MainWindow; none of their
    // last signals (the editor losing the focus) may reach a handler then.
    for (QObject *child : findChildren<QObject *>())
        child->disconnect(this);
}

void MainWindow::createCommands() {
    m_scriptFiles = std::make_unique<ScriptFileCommands>(
        m_ui.editor, m_ui.statusBar, m_settings,
        [this](const QString &path) { m_configuration->rememberScript(path); });
    const auto caretMoved = [this] {
        m_scriptFiles->showCaretLine();
    };
    m_editCommands = std::make_unique<EditCommands>(m_ui.editor, this, m_ui.findDialog,
                                                    m_ui.replaceDialog, caretMoved);
    FontCommands::Controls font;
    font.editor = m_ui.editor;
    font.window = this;
    font.fontSizeBar = m_ui.fontSizeBar;
    font.fontFaceLabel = m_ui.fontFaceLabel;
    font.fontSizeLabel = m_ui.fontSizeLabel;
    font.bold = m_ui.boldAction;
    font.underline = m_ui.underlineAction;
    font.italic = m_ui.italicAction;
    font.centerText = m_ui.centerTextAction;
    font.startFromCursor = m_ui.startFromCursorAction;
    font.tvTitle = m_ui.tvTitleAction;
    font.fadeTitles = m_ui.fadeTitlesAction;
    font.wordWrap = m_ui.wordWrapAction;
    font.noReturns = m_ui.noReturnsAction;
    font.syncRetrace = m_ui.syncRetraceAction;
    font.centerButton = m_ui.centerButton;
    font.chromaCheckButton = m_ui.chromaCheckButton;
    m_fontCommands = std::make_unique<FontCommands>(font, m_settings, caretMoved);
    m_printCommands = std::make_unique<PrintCommands>(m_ui.editor, this, m_settings);
    m_readingTime = std::make_unique<ReadingTimeCommands>(
        m_ui.estimateButton, m_ui.readingTimeLabel, m_ui.wordsPerMinuteLabel, *m_scriptFiles,
        [this] { m_playCommands->play(); });
    m_media = std::make_unique<MediaCommands>(
        MediaCommands::Controls{this, m_ui.videoPlayer, m_ui.soundPlayer, m_ui.startWithVideoButton,
                                m_ui.closePlayersButton},
        m_settings, [this] { layOutPanels(); }, [this] { showSummary(); });
    m_systemInfo = std::make_unique<SystemInfoCommands>(this, m_settings);
    AutoStartCommands::Controls clock;
    clock.window = this;
    clock.clockAction = m_ui.clockAction;
    clock.autoStartAction = m_ui.autoStartAction;
    clock.clockTimer = m_ui.clockTimer;
    clock.autoTimerPanel = m_ui.autoTimerPanel;
    clock.clockLabel = m_ui.clockLabel;
    clock.startTimeLabel = m_ui.startTimeLabel;
    clock.currentCaption = m_ui.currentCaption;
    clock.startCaption = m_ui.startCaption;
    clock.startProgress = m_ui.startProgress;
    clock.summaryTexts[0] = m_ui.rightBottomText;
    clock.summaryTexts[1] = m_ui.fadingText;
    clock.summaryTexts[2] = m_ui.windowSizeText;
    clock.summaryTexts[3] = m_ui.leftTopText;
    m_autoStart = std::make_unique<AutoStartCommands>(
        clock, m_settings, [this] { m_playCommands->play(); }, [this] { showSummary(); });
    m_preroll = std::make_unique<PrerollCommands>(
        PrerollCommands::Controls{m_ui.colorBarsAction, m_ui.countDownAction,
                                  m_ui.tenSecondBackgroundAction, m_ui.colorBarsButton,
                                  m_ui.countDownButton, m_ui.chromaCheckButton},
        m_settings, [this](QPalette::ColorRole role, int color) {
            m_fontCommands->setEditorColor(role, color);
        });
    m_timedWait = std::make_unique<TimedWait>(m_ui.waitTimer);
    m_colorBarHold = std::make_unique<ColorBarHold>(m_ui.colorBarTimer, m_settings);
    OptionDialogCommands::Hooks hooks;
    hooks.applyFadeMode = [this] {
        applyFadeMode();
    };
    hooks.showSummary = [this] {
        showSummary();
    };
    hooks.showStatus = [this](const QString &text) {
        m_ui.statusBar->setPanelText(3, text);
    };
    hooks.layOut = [this] {
        layOutPanels();
    };
    hooks.titleSize = [] {
        if (!playWindow)
            return QSize();
        return QSize(playWindow->strip().strip().width(), playWindow->strip().strip().height());
    };
    m_optionDialogs =
        std::make_unique<OptionDialogCommands>(m_settings, m_ui.editor, m_ui.screenResGroup, hooks);
    m_configuration = std::make_unique<ConfigurationCommands>(
        m_settings, *m_scriptFiles, [this] { return configurationFromControls(); },
        [this](const app::ConfigurationRead &read) { configurationToControls(read); });
    m_outputScreen = std::make_unique<OutputScreenCommands>(m_ui, m_settings, [this] {
        showSummary();
        layOutPanels();
    });
    m_playCommands = std::make_unique<PlayCommands>(
        m_ui, m_settings,
        PlayCommands::Rooms{m_scriptFiles.get(), m_media.get(), m_readingTime.get(),
                            m_timedWait.get(), m_colorBarHold.get(), m_outputScreen.get()},
        [this] { return backgroundIsBlack(); },
        [this] {
            // The operator's keys reach the console again at once.
            show();
            activateWindow();
        });
    m_remoteControl = std::make_unique<RemoteControlCommands>(
        m_settings, *m_playCommands, this, [this] { m_configuration->rememberRemoteSettings(); });
}

void MainWindow::attachWindows(const app::ProgramWindows &windows) {
    m_fontCommands->setFontChooser(windows.fontChooser);
    m_media->setPlayWindow(windows.playWindow, [this] { return m_playCommands->playOptions(); });
    m_systemInfo->setDialog(windows.systemInfoDialog);
    m_autoStart->setDialogs(windows.startTimeDialog, windows.colorBarTimeDialog);
    m_optionDialogs->setDialogs(windows.fadingOptionsDialog, windows.outputAreaDialog,
                                windows.keyStepsDialog);
    m_playCommands->setPlayWindow(windows.playWindow);
    m_remoteControl->setPlayWindow(windows.playWindow);
    m_outputScreen->setPlayWindow(windows.playWindow);
}

namespace {
// A checkable menu item toggles its own check mark in its command, as the program's toggle
// commands expect; Qt's automatic toggle on a click is taken back first.
template <typename Room> void connectToggle(QAction *item, Room *room, void (Room::*command)()) {
    QObject::connect(item, &QAction::triggered, room, [item, room, command](bool) {
        item->setChecked(!item->isChecked());
        (room->*command)();
    });
}
// A menu item or a button that runs a command.
template <typename Sender, typename Signal, typename Room>
void connectCommand(Sender *sender, Signal signal, Room *room, void (Room::*command)()) {
    QObject::connect(sender, signal, room, [room, command] { (room->*command)(); });
}
} // namespace

void MainWindow::bindSwitches() {
    // Each switch's control and its setting: the setting follows the control whenever the
    // control changes, by the operator or by the program, before any rule of the control runs.
    const std::pair<QAction *, bool Settings::*> actions[] = {
        {m_ui.clockAction, &Settings::showClock},
        {m_ui.autoStartAction, &Settings::autoStart},
        {m_ui.videoModeAction, &Settings::videoMode},
        {m_ui.tvTitleAction, &Settings::tvTitle},
        {m_ui.startFromCursorAction, &Settings::startFromCursor},
        {m_ui.tenSecondBackgroundAction, &Settings::tenSecondBackground},
        {m_ui.countDownAction, &Settings::countDown},
        {m_ui.wordWrapAction, &Settings::wordWrap},
        {m_ui.noReturnsAction, &Settings::noReturns},
        {m_ui.colorBarsAction, &Settings::colorBars},
        {m_ui.loopAction, &Settings::loopMode},
        {m_ui.boldAction, &Settings::bold},
        {m_ui.centerTextAction, &Settings::centerText},
        {m_ui.syncRetraceAction, &Settings::syncRetrace},
        {m_ui.followVoiceAction, &Settings::followVoice},
        {m_ui.delayPanelAction, &Settings::delayPanel},
        {m_ui.pixelProcessingAction, &Settings::pixelProcessingPanel},
        {m_ui.screenResAction, &Settings::screenResPanel},
        {m_ui.readingTimeAction, &Settings::readingTimePanel},
        {m_ui.editorAction, &Settings::editorPanel},
        {m_ui.autoTimerAction, &Settings::autoTimerPanel},
        {m_ui.toolBarAction, &Settings::toolBar}};
    for (const auto &[action, member] : actions) {
        m_settings.*member = action->isChecked();
        connect(action, &QAction::toggled, this,
                [this, member = member](bool on) { m_settings.*member = on; });
    }
    const std::pair<QAbstractButton *, bool Settings::*> buttons[] = {
        {m_ui.stopAtEndBox, &Settings::stopAtEnd},
        {m_ui.centerMarkerBox, &Settings::centerMarker},
        {m_ui.noPauseBox, &Settings::noPause},
        {m_ui.slowerBox, &Settings::slowerX10},
        {m_ui.mirrorButton, &Settings::mirror}};
    for (const auto &[button, member] : buttons) {
        m_settings.*member = button->isChecked();
        connect(button, &QAbstractButton::toggled, this,
                [this, member = member](bool on) { m_settings.*member = on; });
    }
}

void MainWindow::connectControls() {
    bindSwitches();

    // Script files.
    ScriptFileCommands *files = m_scriptFiles.get();
    connectCommand(m_ui.newAction, &QAction::triggered, files, &ScriptFileCommands::newScript);
    connectCommand(m_ui.newButton, &QToolButton::clicked, files, &ScriptFileCommands::newScript);
    connectCommand(m_ui.openAction, &QAction::triggered, files, &ScriptFileCommands::openScript);
    connectCommand(m_ui.openButton, &QToolButton::clicked, files, &ScriptFileCommands::openScript);
    connectCommand(m_ui.saveAction, &QAction::triggered, files, &ScriptFileCommands::saveScript);
    connectCommand(m_ui.saveButton, &QToolButton::clicked, files, &ScriptFileCommands::saveScript);
    connect(m_ui.saveAsAction, &QAction::triggered, files, [files] { files->saveScriptAs(); });

    // Configuration.
    ConfigurationCommands *config = m_configuration.get();
    connectCommand(m_ui.saveDefaultConfigurationAction, &QAction::triggered, config,
                   &ConfigurationCommands::saveDefaultConfiguration);
    connectCommand(m_ui.saveSettingsButton, &QToolButton::clicked, config,
                   &ConfigurationCommands::saveDefaultConfiguration);
    connectCommand(m_ui.loadConfigurationAction, &QAction::triggered, config,
                   &ConfigurationCommands::loadConfiguration);
    connectCommand(m_ui.saveConfigurationAsAction, &QAction::triggered, config,
                   &ConfigurationCommands::saveConfigurationAs);

    // Exit.
    connect(m_ui.fileExitAction, &QAction::triggered, this, [this] { exitAfterSaveQuestion(); });
    connect(m_ui.exitAction, &QAction::triggered, this, [this] { exitAfterSaveQuestion(); });

    // Mode menu and its tool buttons.
    connectToggle(m_ui.videoModeAction, this, &MainWindow::toggleVideoMode);
    connectCommand(m_ui.videoModeButton, &QToolButton::clicked, this, &MainWindow::toggleVideoMode);
    connectToggle(m_ui.mirrorAction, this, &MainWindow::toggleMirror);
    connectCommand(m_ui.mirrorButton, &QToolButton::clicked, this,
                   &MainWindow::mirrorButtonClicked);
    PrerollCommands *preroll = m_preroll.get();
    connectToggle(m_ui.colorBarsAction, preroll, &PrerollCommands::toggleColorBars);
    connectCommand(m_ui.colorBarsButton, &QToolButton::clicked, preroll,
                   &PrerollCommands::toggleColorBars);
    connectToggle(m_ui.countDownAction, preroll, &PrerollCommands::toggleCountDown);
    connectCommand(m_ui.countDownButton, &QToolButton::clicked, preroll,
                   &PrerollCommands::toggleCountDown);
    connectCommand(m_ui.chromaCheckButton, &QToolButton::clicked, preroll,
                   &PrerollCommands::chromaCheckClicked);
    connectToggle(m_ui.tenSecondBackgroundAction, preroll,
                  &PrerollCommands::toggleTenSecondBackground);
    connectToggle(m_ui.loopAction, this, &MainWindow::toggleLoop);
    connectToggle(m_ui.noPauseAction, this, &MainWindow::toggleNoPause);
    // "Follow &Voice" and its tool button are one switch.
    connect(m_ui.followVoiceAction, &QAction::toggled, m_ui.followVoiceButton,
            &QToolButton::setChecked);
    connect(m_ui.followVoiceButton, &QToolButton::toggled, m_ui.followVoiceAction,
            &QAction::setChecked);
    connect(m_ui.followVoiceAction, &QAction::toggled, m_playCommands.get(),
            &PlayCommands::followVoiceToggled);
    AutoStartCommands *clock = m_autoStart.get();
    connectToggle(m_ui.clockAction, clock, &AutoStartCommands::toggleClock);
    connectToggle(m_ui.autoStartAction, clock, &AutoStartCommands::toggleAutoStart);
    connectCommand(m_ui.setStartTimeAction, &QAction::triggered, clock,
                   &AutoStartCommands::setStartTime);
    connectCommand(m_ui.setColorBarTimeAction, &QAction::triggered, clock,
                   &AutoStartCommands::setColorBarTime);
    connectCommand(m_ui.clockTimer, &QTimer::timeout, clock, &AutoStartCommands::clockTick);

    // Option dialogs; the "Fade Titles ..." check mark follows the fading switch.
    OptionDialogCommands *options = m_optionDialogs.get();
    connectToggle(m_ui.fadeTitlesAction, options, &OptionDialogCommands::editFadingOptions);
    connectCommand(m_ui.outputAreaAction, &QAction::triggered, options,
                   &OptionDialogCommands::editOutputArea);
    connectCommand(m_ui.keyStepsAction, &QAction::triggered, options,
                   &OptionDialogCommands::editKeySteps);
    connectCommand(m_ui.remoteControlAction, &QAction::triggered, m_remoteControl.get(),
                   &RemoteControlCommands::openDialog);

    // Edit menu.
    EditCommands *edit = m_editCommands.get();
    connectCommand(m_ui.undoAction, &QAction::triggered, edit, &EditCommands::undo);
    connectCommand(m_ui.cutAction, &QAction::triggered, edit, &EditCommands::cut);
    connectCommand(m_ui.copyAction, &QAction::triggered, edit, &EditCommands::copy);
    connectCommand(m_ui.pasteAction, &QAction::triggered, edit, &EditCommands::paste);
    connect(m_ui.editor, &QPlainTextEdit::undoAvailable, m_ui.undoAction, &QAction::setEnabled);
    m_ui.undoAction->setEnabled(false);
    connectCommand(m_ui.findAction, &QAction::triggered, edit, &EditCommands::find);
    connectCommand(m_ui.replaceAction, &QAction::triggered, edit, &EditCommands::replace);

    // Font menu and its tool buttons.
    FontCommands *font = m_fontCommands.get();
    connectToggle(m_ui.syncRetraceAction, font, &FontCommands::toggleSyncRetrace);
    connectCommand(m_ui.typeAndSizeAction, &QAction::triggered, font, &FontCommands::chooseFont);
    connectCommand(m_ui.textColorAction, &QAction::triggered, font, &FontCommands::chooseTextColor);
    connectCommand(m_ui.textColorButton, &QToolButton::clicked, font,
                   &FontCommands::chooseTextColor);
    connectCommand(m_ui.backgroundColorAction, &QAction::triggered, font,
                   &FontCommands::chooseBackgroundColor);
    connectCommand(m_ui.backgroundColorButton, &QToolButton::clicked, font,
                   &FontCommands::chooseBackgroundColor);
    connectToggle(m_ui.boldAction, font, &FontCommands::toggleBold);
    connectToggle(m_ui.underlineAction, font, &FontCommands::toggleUnderline);
    connectToggle(m_ui.italicAction, font, &FontCommands::toggleItalic);
    connectToggle(m_ui.centerTextAction, font, &FontCommands::toggleCenterText);
    connectCommand(m_ui.centerButton, &QToolButton::clicked, font,
                   &FontCommands::centerButtonClicked);
    connectToggle(m_ui.startFromCursorAction, font, &FontCommands::toggleStartFromCursor);
    connectToggle(m_ui.tvTitleAction, font, &FontCommands::toggleTvTitle);
    connectToggle(m_ui.wordWrapAction, font, &FontCommands::toggleWordWrap);
    connectToggle(m_ui.noReturnsAction, font, &FontCommands::toggleNoReturns);
    // The play window takes a chosen colour at once; fading titles are offered only on black.
    connect(font, &FontCommands::textColorChosen, this, [](int color) {
        if (playWindow)
            playWindow->setFontColor(color);
    });
    connect(font, &FontCommands::backgroundColorChosen, this, [this](int color) {
        if (playWindow)
            playWindow->setColor(color);
        backgroundIsBlack();
    });

    // Play.
    PlayCommands *play = m_playCommands.get();
    connectCommand(m_ui.playAction, &QAction::triggered, play, &PlayCommands::play);
    connectCommand(m_ui.playButton, &QToolButton::clicked, play, &PlayCommands::play);
    connectCommand(m_ui.estimateButton, &QPushButton::clicked, m_readingTime.get(),
                   &ReadingTimeCommands::estimateReadingTime);

    // Media players.
    MediaCommands *media = m_media.get();
    connectCommand(m_ui.videoPlayerAction, &QAction::triggered, media, &MediaCommands::openVideo);
    connectCommand(m_ui.soundPlayerAction, &QAction::triggered, media, &MediaCommands::openSound);
    connectCommand(m_ui.cdPlayerAction, &QAction::triggered, media, &MediaCommands::openCdPlayer);

    // Printing, system information, About and help.
    connectCommand(m_ui.printAction, &QAction::triggered, m_printCommands.get(),
                   &PrintCommands::print);
    connectCommand(m_ui.printSetupAction, &QAction::triggered, m_printCommands.get(),
                   &PrintCommands::printSetup);
    SystemInfoCommands *system = m_systemInfo.get();
    connectCommand(m_ui.systemInfoAction, &QAction::triggered, system,
                   &SystemInfoCommands::showSystemInfo);
    connectCommand(m_ui.aboutAction, &QAction::triggered, system, &SystemInfoCommands::showAbout);
    qApp->installEventFilter(new MenuShortcutFilter(m_ui.aboutAction, this, this));
    connectCommand(m_ui.helpAction, &QAction::triggered, system, &SystemInfoCommands::showHelp);

    // Window menu.
    connect(m_ui.showAllAction, &QAction::triggered, this, &MainWindow::showAllPanels);
    connect(m_ui.hideAllAction, &QAction::triggered, this, &MainWindow::hideAllPanels);
    const std::pair<QAction *, QWidget *> toggles[] = {
        {m_ui.delayPanelAction, m_ui.delayPanel},
        {m_ui.pixelProcessingAction, m_ui.pixelProcessingGroup},
        {m_ui.screenResAction, m_ui.screenResGroup},
        {m_ui.readingTimeAction, m_ui.readingTimePanel},
        {m_ui.toolBarAction, m_ui.toolBar},
        {m_ui.editorAction, m_ui.editor},
        {m_ui.autoTimerAction, m_ui.autoTimerPanel},
        {m_ui.playOptionsAction, m_ui.playOptionsGroup}};
    for (const auto &[item, control] : toggles) {
        // Qt has already toggled the check mark when triggered arrives.
        connect(item, &QAction::triggered, this,
                [this, item = item, control = control](bool) { applyPanelToggle(item, control); });
    }

    // Delay panel, play options and the two groups.
    connect(m_ui.fontSizeBar, &QSlider::valueChanged, this, &MainWindow::fontSizeBarMoved);
    connect(m_ui.delayBar, &QSlider::valueChanged, this, &MainWindow::delayBarMoved);
    connect(m_ui.slowerBox, &QCheckBox::toggled, this, &MainWindow::slowerToggled);
    connect(m_ui.loopBox, &QCheckBox::toggled, this, &MainWindow::loopBoxToggled);
    connect(m_ui.stopAtEndBox, &QCheckBox::toggled, this, &MainWindow::stopAtEndToggled);
    connect(m_ui.noPauseBox, &QCheckBox::toggled, this, &MainWindow::noPauseBoxToggled);
    connect(m_ui.pixelProcessingGroup, &RadioGroup::clicked, this,
            &MainWindow::pixelProcessingChosen);
    connect(m_ui.screenResGroup, &RadioGroup::clicked, this, &MainWindow::screenResChosen);

    // Editor.
    connect(m_ui.editor, &QPlainTextEdit::textChanged, this, &MainWindow::editorTextChanged);
    connect(m_ui.editor, &ScriptEditor::focusChanged, this, [this](bool focused) {
        const int n = m_scriptFiles->showCaretLine();
        if (!focused)
            m_scriptFiles->setCaretLine(n); // losing the focus stores even an empty editor's 0
    });
    connect(m_ui.editor, &ScriptEditor::clicked, this, [this] { m_scriptFiles->showCaretLine(); });
    connect(m_ui.editor, &ScriptEditor::dragOrDrop, this,
            [this] { m_scriptFiles->showCaretLine(); });
}

bool MainWindow::runCreationSteps() {
    // The screen must be at least 640 pixels wide.
    const int sw = platform::Screen::width();
    if (sw < 640) {
        platform::MessageBoxes::information(
            QStringLiteral("LectoScope-32 does support your current screen resolution : %1")
                .arg(sw));
        platform::terminateProgram(0);
        return false;
    }
    initialiseSettings();
    // The default configuration; a first start gets the shipped one. A conversion error
    // ends the creation steps here.
    platform::pumpMessages();
    app::installDefaultConfiguration(m_settings.configFolder);
    try {
        m_configuration->readConfigurationFile(QString::fromLatin1(platform::kDefaultConfigName));
    } catch (const ConversionError &e) {
        platform::MessageBoxes::error(e.message());
        return true;
    }
    // The command-line script replaces whatever the configuration opened.
    if (m_settings.playAtStart) {
        const QString arg = m_arguments.first();
        m_ui.editor->clear();
        // Opened exactly as Open does: it becomes the save name and the configuration's last
        // file, the status bar counts it, and it starts unmodified.
        if (!m_scriptFiles->openReadableScript(arg)) {
            m_settings.playAtStart = false;
            m_ui.editor->clear();
            m_settings.scriptPath.clear();
            platform::MessageBoxes::information(QStringLiteral("Could not open ") + arg);
        }
    }
    // The status bar names the current script.
    m_ui.statusBar->setPanelText(4, QFileInfo(m_settings.scriptPath).fileName());
    return true;
}

// The start-up values of the settings, before the configuration file is read.
void MainWindow::initialiseSettings() {
    const int sw = platform::Screen::width();
    // A script named on the command line is played at once.
    m_settings.playAtStart = false;
    if (!m_arguments.isEmpty() && QFileInfo(m_arguments.first()).isFile()) {
        m_settings.playAtStart = true;
        m_settings.scriptPath = m_arguments.first();
    }
    // The speed factor, and the folder of the configuration file.
    m_settings.delayFactor = 1;
    m_settings.configFolder = platform::windowsDirectory().trimmed();
    // Waiting for the vertical retrace is offered only where the display has a real
    // vertical-blank wait (and never on a platform that calls itself "Windows NT").
    const bool retrace =
        platform::platformName() != QLatin1String("Windows NT") && platform::Retrace::available();
    m_ui.syncRetraceAction->setEnabled(retrace);
    m_settings.retracePort = retrace ? 0x3DA : 0;
    // No CD player; the version goes into the caption.
    m_ui.cdPlayerAction->setVisible(false);
    m_settings.version = QStringLiteral("01.24A");
    setWindowTitle(QString::fromLatin1(kApplicationTitle) + QStringLiteral(" PRO ") +
                   m_settings.version);
    // Speed, output rectangle and colour-bar time start afresh.
    m_settings.delay = 0;
    m_settings.outputLeft = 0;
    m_settings.outputTop = 0;
    m_settings.outputRight = sw;
    m_settings.outputBottom = platform::Screen::height();
    m_settings.colorBarSeconds = 15;
    m_ui.fontFaceLabel->setText(m_ui.editor->font().family());
    // Fade hold time; the auto-timer panel and its parts stay hidden until armed.
    m_settings.fadeHoldSeconds = 3;
    m_ui.autoTimerPanel->hide();
    m_ui.startTimeLabel->hide();
    m_ui.startProgress->hide();
    m_ui.currentCaption->hide();
    m_ui.startCaption->hide();
    // Colours, key steps, fade placement and the pixel format.
    m_settings.textColor = 0xFFFFFF;
    m_settings.arrowStep = 50;
    m_settings.pageStep = 100;
    m_settings.lowerThird = false;
    m_settings.centerFade = false;
    m_settings.pixelFormat = 0;
}

void MainWindow::refreshOnShow() {
    m_ui.fadeTitlesAction->setEnabled(backgroundIsBlack());
    m_ui.fontSizeLabel->setText(QString::number(editorFontSize()));
    m_ui.delayLabel->setText(QString::number(m_settings.delay));
    setTrackBarPosition(m_ui.delayBar,
                        m_ui.slowerBox->isChecked() ? m_settings.delay / 10 : m_settings.delay);
    showSummary();
}

void MainWindow::scrollToCaretLine() {
    if (!m_ui.startFromCursorAction->isChecked())
        return;
    m_ui.editor->scrollLines(m_scriptFiles->caretLine());
    m_ui.editor->scrollCaret();
    platform::pumpMessages();
}

bool MainWindow::backgroundIsBlack() {
    const bool black = m_settings.backgroundColor == 0;
    m_ui.fadeTitlesAction->setEnabled(black);
    return black;
}

void MainWindow::applyFadeMode() {
    const bool fading = m_settings.fadeTitles;
    m_ui.fadeTitlesAction->setChecked(fading);
    m_ui.outputAreaAction->setText(fading ? QStringLiteral("Ad&just Fading text position...")
                                          : QStringLiteral("Ad&just output window size..."));
    m_ui.readingTimePanel->setEnabled(!fading);
    m_ui.pixelProcessingGroup->setEnabled(!fading);
    m_ui.videoModeButton->setEnabled(!fading);
    m_ui.screenResGroup->setEnabled(!fading);
    m_ui.videoPlayerAction->setEnabled(!fading);
}

void MainWindow::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        refreshOnShow();
}

void MainWindow::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        scrollToCaretLine();
}

bool MainWindow::confirmQuit() {
    return platform::MessageBoxes::confirm(QStringLiteral("Quit ZAL LectoScope-32 Now?")) ==
           platform::Answer::Yes;
}

bool MainWindow::finishClosing() {
    return exitAfterSaveQuestion();
}

// Both "E&xit" commands (the File menu's and the menu bar's), and the last step of closing the
// window. The program ends unless the operator keeps it open: Cancel on the save question, or Yes
// and then a Save As that was cancelled or failed, leaves the program running with the text as it
// was.
bool MainWindow::exitAfterSaveQuestion() {
    if (m_ui.editor->isModified()) {
        const platform::Answer answer = platform::MessageBoxes::confirmCancel(
            QStringLiteral("Save lastest changes %1?").arg(m_settings.scriptPath));
        if (answer == platform::Answer::Cancel)
            return false;
        // An empty editor has nothing to lose: Save As only says "Nothing To Save".
        if (answer == platform::Answer::Yes && !m_scriptFiles->saveScriptAs() &&
            m_ui.editor->lineCount() > 0)
            return false;
    }
    platform::terminateProgram(0);
    return true;
}

void MainWindow::closeEvent(QCloseEvent *event) {
    if (!confirmQuit() || !finishClosing()) {
        event->ignore();
        return;
    }
    event->accept();
}
