// Building the main window's controls: menus, tool bar, editor, panels, media players, status
// bar and timers, in their designed start-up states; the creation steps and the configuration
// reader change them afterwards.
#include "app/MainWindowUi.h"

#include "media/MediaPlayer.h"

#include "app/ToolIcons.h"
#include "editor/MainLayout.h"
#include "editor/ScriptEditor.h"
#include "platform/FindDialog.h"
#include "platform/Platform.h"
#include "platform/RadioGroup.h"
#include "platform/StatusBar.h"
#include "platform/TrackBar.h"
#include "sysinfo/MenuShortcutFilter.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

QAction *addItem(QMenu *menu, const char *name, const QString &caption,
                 const QKeySequence &shortcut = {}, bool checkable = false, bool checked = false) {
    auto *a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    a->setCheckable(checkable);
    a->setChecked(checked);
    return a;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, QRect geometry) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(geometry);
    return l;
}

QCheckBox *checkBox(QWidget *parent, const char *name, const QString &text, const QString &hint,
                    QRect geometry) {
    auto *c = new QCheckBox(text, parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setToolTip(hint);
    c->setGeometry(geometry);
    return c;
}

// A vertical track bar of the delay panel, ticks on both sides, at x.
struct BarSteps {
    int minimum, maximum, line, page, tick;
};
QSlider *verticalBar(QWidget *parent, const char *name, BarSteps steps, int x) {
    auto *bar = new platform::TrackBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setRange(steps.minimum, steps.maximum);
    bar->setSingleStep(steps.line);
    bar->setPageStep(steps.page);
    bar->setTickInterval(steps.tick);
    bar->setTickPosition(QSlider::TicksBothSides);
    bar->setGeometry(x, 38, 40, 108);
    return bar;
}

QFrame *panel(QWidget *parent, const char *name, QRect geometry) {
    auto *f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(QFrame::StyledPanel);
    f->setFrameShadow(QFrame::Raised);
    f->setGeometry(geometry);
    return f;
}

void buildMenus(QMainWindow *window, MainWindowUi &ui) {
    QMenuBar *bar = window->menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    ui.fileMenu = bar->addMenu(QStringLiteral("&File"));
    ui.fileMenu->setObjectName(QStringLiteral("fileMenu"));
    ui.newAction = addItem(ui.fileMenu, "newAction", QStringLiteral("&New"));
    ui.openAction = addItem(ui.fileMenu, "openAction", QStringLiteral("&Open..."));
    ui.saveAction = addItem(ui.fileMenu, "saveAction", QStringLiteral("&Save Text File"));
    ui.saveAsAction = addItem(ui.fileMenu, "saveAsAction", QStringLiteral("Save Text File &As..."));
    ui.fileMenu->addSeparator();
    ui.saveDefaultConfigurationAction = addItem(ui.fileMenu, "saveDefaultConfigurationAction",
                                                QStringLiteral("Save Default Configuration"));
    ui.loadConfigurationAction =
        addItem(ui.fileMenu, "loadConfigurationAction", QStringLiteral("Load Configuration..."));
    ui.saveConfigurationAsAction = addItem(ui.fileMenu, "saveConfigurationAsAction",
                                           QStringLiteral("Save Configuration As..."));
    ui.fileMenu->addSeparator();
    ui.printAction = addItem(ui.fileMenu, "printAction", QStringLiteral("&Print..."));
    ui.printSetupAction =
        addItem(ui.fileMenu, "printSetupAction", QStringLiteral("P&rint Setup..."));
    ui.fileMenu->addSeparator();
    ui.fileExitAction = addItem(ui.fileMenu, "fileExitAction", QStringLiteral("E&xit"));

    ui.editMenu = bar->addMenu(QStringLiteral("&Edit"));
    ui.editMenu->setObjectName(QStringLiteral("editMenu"));
    ui.undoAction = addItem(ui.editMenu, "undoAction", QStringLiteral("&Undo"));
    ui.editMenu->addSeparator();
    ui.cutAction = addItem(ui.editMenu, "cutAction", QStringLiteral("Cut"),
                           QKeySequence(QStringLiteral("Ctrl+X")));
    ui.copyAction = addItem(ui.editMenu, "copyAction", QStringLiteral("Copy"),
                            QKeySequence(QStringLiteral("Ctrl+C")));
    ui.pasteAction = addItem(ui.editMenu, "pasteAction", QStringLiteral("Paste"),
                             QKeySequence(QStringLiteral("Ctrl+V")));
    ui.editMenu->addSeparator();
    ui.findAction = addItem(ui.editMenu, "findAction", QStringLiteral("Find"),
                            QKeySequence(QStringLiteral("Ctrl+F")));
    ui.replaceAction = addItem(ui.editMenu, "replaceAction", QStringLiteral("Replace"),
                               QKeySequence(QStringLiteral("Ctrl+R")));

    ui.modeMenu = bar->addMenu(QStringLiteral(" &Mode Configure"));
    ui.modeMenu->setObjectName(QStringLiteral("modeMenu"));
    ui.videoModeAction = addItem(ui.modeMenu, "videoModeAction",
                                 QStringLiteral("&Video Mode (full screen)"), {}, true, true);
    ui.outputAreaAction =
        addItem(ui.modeMenu, "outputAreaAction", QStringLiteral("Ad&just  output window size"),
                QKeySequence(QStringLiteral("Ctrl+J")));
    // The screens are listed when the menu opens and when they change (OutputScreenCommands).
    ui.outputScreenMenu = ui.modeMenu->addMenu(QStringLiteral("Output Screen"));
    ui.outputScreenMenu->setObjectName(QStringLiteral("outputScreenMenu"));
    // Owned by the menu above, so that listing the screens anew keeps it.
    ui.livePreviewAction = new QAction(QStringLiteral("Live Preview"), ui.modeMenu);
    ui.livePreviewAction->setObjectName(QStringLiteral("livePreviewAction"));
    ui.livePreviewAction->setCheckable(true);
    ui.livePreviewAction->setChecked(true);
    ui.modeMenu->addSeparator();
    ui.autoStartAction =
        addItem(ui.modeMenu, "autoStartAction", QStringLiteral("St&art by Auto Timer"), {}, true);
    ui.setStartTimeAction =
        addItem(ui.modeMenu, "setStartTimeAction", QStringLiteral("Set Auto &Start Time ..."));
    ui.clockAction =
        addItem(ui.modeMenu, "clockAction", QStringLiteral("&Toggle Screen Clock On"), {}, true);
    ui.modeMenu->addSeparator();
    ui.setColorBarTimeAction =
        addItem(ui.modeMenu, "setColorBarTimeAction", QStringLiteral("Set Color &Bar Time..."));
    ui.colorBarsAction =
        addItem(ui.modeMenu, "colorBarsAction", QStringLiteral("Use &Color Bars"), {}, true);
    ui.countDownAction =
        addItem(ui.modeMenu, "countDownAction", QStringLiteral("&Use Count Down"), {}, true);
    ui.tenSecondBackgroundAction = addItem(ui.modeMenu, "tenSecondBackgroundAction",
                                           QStringLiteral("U&se 10 second background"), {}, true);
    ui.modeMenu->addSeparator();
    ui.keyStepsAction =
        addItem(ui.modeMenu, "keyStepsAction", QStringLiteral("Confi&gure Keys..."));
    ui.remoteControlAction =
        addItem(ui.modeMenu, "remoteControlAction", QStringLiteral("Remote Control..."));
    ui.mirrorAction =
        addItem(ui.modeMenu, "mirrorAction", QStringLiteral("&Reverse Mirror Text"), {}, true);
    ui.loopAction =
        addItem(ui.modeMenu, "loopAction", QStringLiteral("&Loop Mode - Repeat"), {}, true);
    ui.noPauseAction =
        addItem(ui.modeMenu, "noPauseAction", QStringLiteral("No Pause During Loop"), {}, true);
    ui.syncRetraceAction =
        addItem(ui.modeMenu, "syncRetraceAction", QStringLiteral("S&ync W/Retrace"), {}, true);
    ui.followVoiceAction =
        addItem(ui.modeMenu, "followVoiceAction", QStringLiteral("Follow &Voice"), {}, true);

    ui.fontMenu = bar->addMenu(QStringLiteral("F&ont"));
    ui.fontMenu->setObjectName(QStringLiteral("fontMenu"));
    ui.typeAndSizeAction =
        addItem(ui.fontMenu, "typeAndSizeAction", QStringLiteral("Type and Size..."));
    ui.textColorAction = addItem(ui.fontMenu, "textColorAction", QStringLiteral("Color..."));
    ui.backgroundColorAction =
        addItem(ui.fontMenu, "backgroundColorAction", QStringLiteral("Background Color..."));
    ui.fontMenu->addSeparator();
    ui.boldAction = addItem(ui.fontMenu, "boldAction", QStringLiteral("Bold"), {}, true);
    ui.underlineAction =
        addItem(ui.fontMenu, "underlineAction", QStringLiteral("Underline"), {}, true);
    ui.italicAction = addItem(ui.fontMenu, "italicAction", QStringLiteral("Italic"), {}, true);
    ui.fontMenu->addSeparator();
    ui.centerTextAction =
        addItem(ui.fontMenu, "centerTextAction", QStringLiteral("Center Text"), {}, true);
    ui.startFromCursorAction = addItem(ui.fontMenu, "startFromCursorAction",
                                       QStringLiteral("Start from Cursor"), {}, true);
    ui.fadeTitlesAction =
        addItem(ui.fontMenu, "fadeTitlesAction", QStringLiteral("Fade Titles ..."), {}, true);
    ui.tvTitleAction = addItem(ui.fontMenu, "tvTitleAction", QStringLiteral("TV Title"), {}, true);
    ui.fontMenu->addSeparator();
    ui.wordWrapAction =
        addItem(ui.fontMenu, "wordWrapAction", QStringLiteral("Word Wrap"), {}, true);
    ui.noReturnsAction =
        addItem(ui.fontMenu, "noReturnsAction", QStringLiteral("No Returns (CR)"), {}, true);

    ui.playAction = bar->addAction(QStringLiteral("&Play"));
    ui.playAction->setObjectName(QStringLiteral("playAction"));
    ui.playAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    // A shortcut on a menu bar item must reach the window too.
    window->addAction(ui.playAction);

    ui.mediaMenu = bar->addMenu(QStringLiteral("Me&dia Players"));
    ui.mediaMenu->setObjectName(QStringLiteral("mediaMenu"));
    ui.videoPlayerAction = addItem(ui.mediaMenu, "videoPlayerAction", QStringLiteral("AVI"));
    ui.soundPlayerAction =
        addItem(ui.mediaMenu, "soundPlayerAction", QStringLiteral("Wave and Midi"));
    ui.cdPlayerAction = addItem(ui.mediaMenu, "cdPlayerAction", QStringLiteral("CD Player"));

    ui.windowMenu = bar->addMenu(QStringLiteral("&Window"));
    ui.windowMenu->setObjectName(QStringLiteral("windowMenu"));
    ui.showAllAction = addItem(ui.windowMenu, "showAllAction", QStringLiteral("Show All"));
    ui.hideAllAction = addItem(ui.windowMenu, "hideAllAction", QStringLiteral("Hide All"));
    ui.systemInfoAction =
        addItem(ui.windowMenu, "systemInfoAction", QStringLiteral("Under my Hood ..."));
    ui.windowMenu->addSeparator();
    ui.delayPanelAction =
        addItem(ui.windowMenu, "delayPanelAction", QStringLiteral("Delay Control"), {}, true, true);
    ui.pixelProcessingAction = addItem(ui.windowMenu, "pixelProcessingAction",
                                       QStringLiteral("Pixel Processing"), {}, true, true);
    ui.screenResAction = addItem(ui.windowMenu, "screenResAction",
                                 QStringLiteral("Screen Output Resolution"), {}, true, true);
    ui.readingTimeAction = addItem(ui.windowMenu, "readingTimeAction",
                                   QStringLiteral("Read Time Calibration"), {}, true, true);
    ui.toolBarAction =
        addItem(ui.windowMenu, "toolBarAction", QStringLiteral("Speed Bar"), {}, true, true);
    ui.editorAction =
        addItem(ui.windowMenu, "editorAction", QStringLiteral("Text Edit Panel"), {}, true, true);
    ui.autoTimerAction =
        addItem(ui.windowMenu, "autoTimerAction", QStringLiteral("Auto Timer "), {}, true, false);
    ui.playOptionsAction =
        addItem(ui.windowMenu, "playOptionsAction", QStringLiteral("Play Options"), {}, true, true);

    ui.helpMenu = bar->addMenu(QStringLiteral("&Help"));
    ui.helpMenu->setObjectName(QStringLiteral("helpMenu"));
    ui.helpAction = addItem(ui.helpMenu, "helpAction", QStringLiteral("&Help "));
    ui.aboutAction = addItem(ui.helpMenu, "aboutAction", QStringLiteral("&About LectoScope-32"),
                             QKeySequence(QStringLiteral("Ctrl+A")));
    // Ctrl+H opens the Help menu.
    auto *helpKey = new QShortcut(QKeySequence(QStringLiteral("Ctrl+H")), window);
    QObject::connect(helpKey, &QShortcut::activated, window, [window, &ui] {
        window->menuBar()->setActiveAction(ui.helpMenu->menuAction());
    });

    ui.exitAction = bar->addAction(QStringLiteral("E&xit"));
    ui.exitAction->setObjectName(QStringLiteral("exitAction"));
}

void buildToolBar(QMainWindow *window, MainWindowUi &ui) {
    ui.toolBar = new QToolBar(window->centralWidget());
    ui.toolBar->setObjectName(QStringLiteral("toolBar"));
    ui.toolBar->setMovable(false);
    ui.toolBar->setFloatable(false);
    ui.toolBar->setIconSize(QSize(20, 20));
    ui.toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);

    struct Def {
        QToolButton **button;
        const char *name;
        const char *caption;
        const char *hint;
        bool toggle;
    };
    const Def defs[] = {
        {&ui.newButton, "newButton", "Clear", "New Text File", false},
        {&ui.openButton, "openButton", "Open", "Open a Text File", false},
        {&ui.saveButton, "saveButton", "Save", "Save Text File", false},
        {&ui.textColorButton, "textColorButton", "FColor", "Change Font Color", false},
        {&ui.backgroundColorButton, "backgroundColorButton", "BColor", "Change Background Color",
         false},
        {&ui.centerButton, "centerButton", "Center", "Toggle Centering", true},
        {&ui.playButton, "playButton", "Play", "Start LectoScope-32", false},
        {&ui.saveSettingsButton, "saveSettingsButton", "Save C", "Save Current Settings", false},
        {&ui.videoModeButton, "videoModeButton", "Vmode", "Toggle Play Screens", true},
        {&ui.mirrorButton, "mirrorButton", "Reverse", "Reverse Mirror Text", true},
        {&ui.colorBarsButton, "colorBarsButton", "CBars", "Use 15 Second Color Bars", true},
        {&ui.countDownButton, "countDownButton", "CDown", "Use 10 second Count Down", true},
        {&ui.chromaCheckButton, "chromaCheckButton", "Ccheck", "Chroma Key Check", true},
    };
    QFont small(QStringLiteral("Arial"));
    small.setPixelSize(11);
    int index = 0;
    QAction *afterPlay = nullptr; // the button after "Play"
    for (const Def &d : defs) {
        auto *b = new QToolButton(ui.toolBar);
        b->setObjectName(QString::fromLatin1(d.name));
        b->setText(QString::fromLatin1(d.caption));
        // The hint is a tool tip only: a status tip would cover the five status panels.
        b->setToolTip(QString::fromLatin1(d.hint));
        b->setIcon(toolicons::icon(index++));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setCheckable(d.toggle);
        b->setAutoRaise(true);
        b->setFont(small);
        b->setFixedSize(47, 36);
        QAction *added = ui.toolBar->addWidget(b);
        if (d.button == &ui.saveSettingsButton)
            afterPlay = added;
        *d.button = b;
    }
    ui.videoModeButton->setChecked(true);
    // "Voice" stands beside "Play": the play follows the reader's voice while it is down.
    ui.followVoiceButton = new QToolButton(ui.toolBar);
    ui.followVoiceButton->setObjectName(QStringLiteral("followVoiceButton"));
    ui.followVoiceButton->setText(QStringLiteral("Voice"));
    ui.followVoiceButton->setToolTip(QStringLiteral("Follow the Reader's Voice"));
    ui.followVoiceButton->setIcon(toolicons::icon(int(std::size(defs))));
    ui.followVoiceButton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ui.followVoiceButton->setCheckable(true);
    ui.followVoiceButton->setAutoRaise(true);
    ui.followVoiceButton->setFont(small);
    ui.followVoiceButton->setFixedSize(47, 36);
    ui.toolBar->insertWidget(afterPlay, ui.followVoiceButton);
    ui.toolBar->setGeometry(0, 0, window->width(), 40);
}

void buildMediaPlayers(QWidget *client, MainWindowUi &ui) {
    using platform::MediaDevice;
    using B = MediaPlayer::Button;
    ui.videoPlayer = new MediaPlayer(MediaDevice::Kind::Video,
                                     {B::Play, B::Pause, B::Stop, B::Next, B::Prev}, client);
    ui.videoPlayer->setObjectName(QStringLiteral("videoPlayer"));
    ui.videoPlayer->move(500, 368);
    ui.soundPlayer =
        new MediaPlayer(MediaDevice::Kind::Sound, {B::Play, B::Pause, B::Stop, B::Prev}, client);
    ui.soundPlayer->setObjectName(QStringLiteral("soundPlayer"));
    ui.soundPlayer->move(500, 368);

    // "Start w/Video" and "Close" are one group of two toggle buttons: pressing one releases
    // the other, and both may be up.
    const auto toggleButton = [client](const char *name, const QString &caption, QRect geometry) {
        auto *b = new QToolButton(client);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(caption);
        b->setCheckable(true);
        b->setGeometry(geometry);
        return b;
    };
    ui.startWithVideoButton = toggleButton("startWithVideoButton", QStringLiteral("Start w/Video"),
                                           QRect(622, 368, 80, 26));
    ui.closePlayersButton =
        toggleButton("closePlayersButton", QStringLiteral("Close"), QRect(704, 368, 50, 26));
    for (QWidget *w :
         {static_cast<QWidget *>(ui.videoPlayer), static_cast<QWidget *>(ui.soundPlayer),
          static_cast<QWidget *>(ui.startWithVideoButton),
          static_cast<QWidget *>(ui.closePlayersButton)})
        w->hide();
}

void buildPanels(QMainWindow *window, MainWindowUi &ui) {
    QWidget *client = window->centralWidget();

    ui.editor = new ScriptEditor(client);
    ui.editor->setObjectName(QStringLiteral("editor"));
    QFont editorFont(QStringLiteral("Arial"));
    editorFont.setPointSize(14);
    editorFont.setBold(true);
    ui.editor->setFont(editorFont);
    ui.editor->setGeometry(10, 50, 480, 400);

    QFont panelFont(QStringLiteral("Arial"));
    panelFont.setPixelSize(11);

    // Auto-timer panel, shared by the clock display and the summary texts.
    ui.autoTimerPanel = panel(client, "autoTimerPanel", QRect(500, 45, 200, 75));
    ui.autoTimerPanel->setFont(panelFont);
    ui.currentCaption =
        label(ui.autoTimerPanel, "currentCaption", QStringLiteral("Current"), QRect(4, 6, 50, 16));
    ui.startCaption =
        label(ui.autoTimerPanel, "startCaption", QStringLiteral("Start"), QRect(4, 30, 50, 16));
    ui.clockLabel =
        label(ui.autoTimerPanel, "clockLabel", QStringLiteral("Time"), QRect(60, 4, 130, 20));
    ui.startTimeLabel = label(ui.autoTimerPanel, "startTimeLabel", QStringLiteral("Start Time"),
                              QRect(60, 28, 130, 20));
    {
        QFont clockFont(QStringLiteral("Arial"));
        clockFont.setPixelSize(16);
        clockFont.setBold(true);
        ui.clockLabel->setFont(clockFont);
        ui.clockLabel->setStyleSheet(QStringLiteral("color: grey"));
        ui.startTimeLabel->setFont(clockFont);
        ui.startTimeLabel->setStyleSheet(QStringLiteral("color: blue"));
    }
    ui.startProgress = new QProgressBar(ui.autoTimerPanel);
    ui.startProgress->setObjectName(QStringLiteral("startProgress"));
    ui.startProgress->setGeometry(4, 54, 190, 14);
    ui.startProgress->setRange(0, 1);
    ui.startProgress->setValue(0);
    ui.startProgress->setTextVisible(false);
    const QString star = QStringLiteral("*");
    ui.fadingText = label(ui.autoTimerPanel, "fadingText", star, QRect(3, 6, 115, 14));
    ui.windowSizeText = label(ui.autoTimerPanel, "windowSizeText", star, QRect(4, 22, 115, 14));
    ui.leftTopText = label(ui.autoTimerPanel, "leftTopText", star, QRect(4, 38, 115, 14));
    ui.rightBottomText = label(ui.autoTimerPanel, "rightBottomText", star, QRect(3, 54, 115, 14));
    ui.twoLinesText = label(ui.autoTimerPanel, "twoLinesText", star, QRect(120, 24, 78, 14));
    ui.antialiasText = label(ui.autoTimerPanel, "antialiasText", star, QRect(120, 39, 78, 14));
    ui.tvTitleText = label(ui.autoTimerPanel, "tvTitleText", star, QRect(120, 54, 78, 14));

    // Delay panel: font size and delay.
    ui.delayPanel = panel(client, "delayPanel", QRect(500, 124, 200, 172));
    ui.delayPanel->setFont(panelFont);
    ui.fontFaceLabel =
        label(ui.delayPanel, "fontFaceLabel", QStringLiteral("Font"), QRect(6, 4, 188, 14));
    ui.fontSizeCaption =
        label(ui.delayPanel, "fontSizeCaption", QStringLiteral("Font Size "), QRect(6, 20, 60, 14));
    ui.fontSizeLabel =
        label(ui.delayPanel, "fontSizeLabel", QStringLiteral("?"), QRect(66, 20, 30, 14));
    ui.delayCaption =
        label(ui.delayPanel, "delayCaption", QStringLiteral("Delay"), QRect(106, 20, 40, 14));
    ui.delayLabel = label(ui.delayPanel, "delayLabel", QString(), QRect(146, 20, 50, 14));
    ui.fontSizeBar = verticalBar(ui.delayPanel, "fontSizeBar", {2, 200, 1, 4, 5}, 20);
    ui.delayBar = verticalBar(ui.delayPanel, "delayBar", {0, 1500, 5, 50, 60}, 120);
    ui.delayBar->setCursor(Qt::PointingHandCursor);
    platform::setTrackBarPosition(ui.fontSizeBar, 8);
    platform::setTrackBarPosition(ui.delayBar, 1);
    ui.slowerBox = checkBox(ui.delayPanel, "slowerBox", QStringLiteral("Slower x10"), QString(),
                            QRect(100, 150, 96, 18));

    // Reading-time panel.
    ui.readingTimePanel = panel(client, "readingTimePanel", QRect(500, 300, 200, 64));
    ui.readingTimePanel->setFont(panelFont);
    ui.estimateButton =
        new QPushButton(QStringLiteral("Estimate reading time"), ui.readingTimePanel);
    ui.estimateButton->setObjectName(QStringLiteral("estimateButton"));
    ui.estimateButton->setGeometry(4, 4, 192, 22);
    ui.readingTimeLabel =
        label(ui.readingTimePanel, "readingTimeLabel", QStringLiteral("0"), QRect(6, 28, 188, 14));
    ui.wordsPerMinuteCaption = label(ui.readingTimePanel, "wordsPerMinuteCaption",
                                     QStringLiteral("Words Per Minute"), QRect(6, 44, 100, 14));
    ui.wordsPerMinuteLabel = label(ui.readingTimePanel, "wordsPerMinuteLabel",
                                   QStringLiteral("calibrate"), QRect(110, 44, 84, 14));
    ui.wordsPerMinuteLabel->hide();

    buildMediaPlayers(client, ui);

    // Play options.
    ui.playOptionsGroup = new QGroupBox(QStringLiteral("Play Options"), client);
    ui.playOptionsGroup->setObjectName(QStringLiteral("playOptionsGroup"));
    ui.playOptionsGroup->setGeometry(710, 40, 140, 80);
    ui.playOptionsGroup->setFont(panelFont);
    ui.centerMarkerBox = checkBox(
        ui.playOptionsGroup, "centerMarkerBox", QStringLiteral("Ctr Marker On"),
        QStringLiteral("Turn play screen center marker on and off"), QRect(8, 16, 128, 15));
    ui.loopBox = checkBox(ui.playOptionsGroup, "loopBox", QStringLiteral("Loop Mode"),
                          QStringLiteral("Turn loop mode On or Off"), QRect(8, 31, 128, 15));
    ui.noPauseBox = checkBox(ui.playOptionsGroup, "noPauseBox", QStringLiteral("No Pause"),
                             QStringLiteral("Do not pause if in loop mode"), QRect(8, 46, 128, 15));
    ui.stopAtEndBox =
        checkBox(ui.playOptionsGroup, "stopAtEndBox", QStringLiteral("Stop @ End"),
                 QStringLiteral("Stop at end of text and wait for key or mouse click"),
                 QRect(8, 61, 128, 15));

    ui.pixelProcessingGroup =
        new RadioGroup(QStringLiteral("Pixel Processing"),
                       {QStringLiteral("Device"), QStringLiteral("1 Bit"), QStringLiteral("4 Bit"),
                        QStringLiteral("8 Bit"), QStringLiteral("15 Bit"), QStringLiteral("16 Bit"),
                        QStringLiteral("24 Bit"), QStringLiteral("32 Bit")},
                       client);
    ui.pixelProcessingGroup->setObjectName(QStringLiteral("pixelProcessingGroup"));
    ui.pixelProcessingGroup->setToolTip(QStringLiteral("See on line help for Pixel Processing"));
    ui.pixelProcessingGroup->setFont(panelFont);
    ui.pixelProcessingGroup->setGeometry(710, 124, 140, 128);
    ui.screenResGroup = new RadioGroup(QStringLiteral("Screen Res"),
                                       {QStringLiteral("Full Screen"), QStringLiteral("640 x 480"),
                                        QStringLiteral("500 x 420"), QStringLiteral("400 x 320"),
                                        QStringLiteral("320 x 180"), QStringLiteral("Sw x 180")},
                                       client);
    ui.screenResGroup->setObjectName(QStringLiteral("screenResGroup"));
    ui.screenResGroup->setToolTip(QStringLiteral("Change display output window size"));
    ui.screenResGroup->setFont(panelFont);
    ui.screenResGroup->setGeometry(710, 256, 140, 104);
    ui.pixelProcessingGroup->setItemIndex(0);
    ui.screenResGroup->setItemIndex(0);
}

void buildStatusBar(QMainWindow *window, MainWindowUi &ui) {
    ui.statusBar = new StatusBar(window);
    ui.statusBar->setObjectName(QStringLiteral("statusBar"));
    window->setStatusBar(ui.statusBar);
}

} // namespace

void MainWindowUi::setupUi(QMainWindow *window) {
    window->setObjectName(QStringLiteral("mainWindow"));
    auto *client = new QWidget(window);
    client->setObjectName(QStringLiteral("clientArea"));
    window->setCentralWidget(client);
    buildMenus(window, *this);
    buildToolBar(window, *this);
    buildPanels(window, *this);
    buildStatusBar(window, *this);
    findDialog = new platform::FindDialog(platform::FindDialog::Kind::Find, window);
    replaceDialog = new platform::FindDialog(platform::FindDialog::Kind::Replace, window);
    // The one-second timers.
    clockTimer = new QTimer(window);
    clockTimer->setObjectName(QStringLiteral("clockTimer"));
    waitTimer = new QTimer(window);
    waitTimer->setObjectName(QStringLiteral("waitTimer"));
    colorBarTimer = new QTimer(window);
    colorBarTimer->setObjectName(QStringLiteral("colorBarTimer"));
    for (QTimer *t : {clockTimer, waitTimer, colorBarTimer})
        t->setInterval(platform::secondMs());
    // A coarse timer may tick up to 5% early or late: a two-second hold measured from 1.90 to
    // 2.11 s. The timed waits tick on time.
    waitTimer->setTimerType(Qt::PreciseTimer);
    // Designed bounds: left 130, top 319.
    window->setGeometry(QRect(QPoint(130, 319), mainlayout::kDesignedWindowSize));
}
