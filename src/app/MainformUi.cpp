// Building the main window: menus, tool bar, panels, status bar, and wiring each control
// to its handler. The controls keep their designed start-up states here; FormCreate and the
// configuration reader change them afterwards.
#include "app/Mainform.h"

#include "app/RadioGroup.h"
#include "app/StatusBar.h"
#include "app/ToolIcons.h"
#include "editor/MainLayout.h"
#include "editor/ScriptEditor.h"
#include "platform/FindDialog.h"
#include "platform/Platform.h"
#include "sysinfo/MenuShortcutFilter.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
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

QFrame *panel(QWidget *parent, const char *name, QRect geometry) {
    auto *f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(QFrame::StyledPanel);
    f->setFrameShadow(QFrame::Raised);
    f->setGeometry(geometry);
    return f;
}

} // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);

    buildMenus();
    buildToolBar();
    buildPanels();
    buildStatusBar();
    // The Edit menu's modeless find and replace dialogs.
    FindDialog1 = new platform::FindDialog(platform::FindDialog::Kind::Find, this);
    ReplaceDialog1 = new platform::FindDialog(platform::FindDialog::Kind::Replace, this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    holdtimer = new QTimer(this);
    holdtimer->setObjectName(QStringLiteral("holdtimer"));
    for (QTimer *t : {Timer1, Timer2, holdtimer})
        t->setInterval(platform::secondMs());

    connectControls();

    // Designed bounds: left 130, top 319.
    setGeometry(QRect(QPoint(130, 319), mainlayout::kDesignedWindowSize));
}

TForm1::~TForm1() {
    // The controls are deleted after this object has stopped being a TForm1; none of their
    // last signals (the editor losing the focus) may reach a handler then.
    for (QObject *child : findChildren<QObject *>())
        child->disconnect(this);
}

void TForm1::buildMenus() {
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    File1 = bar->addMenu(QStringLiteral("&File"));
    File1->setObjectName(QStringLiteral("File1"));
    New1 = addItem(File1, "New1", QStringLiteral("&New"));
    Open1 = addItem(File1, "Open1", QStringLiteral("&Open..."));
    Save1 = addItem(File1, "Save1", QStringLiteral("&Save Text File"));
    SaveAs1 = addItem(File1, "SaveAs1", QStringLiteral("Save Text File &As..."));
    File1->addSeparator();
    SaveDefaultConfiguration1 =
        addItem(File1, "SaveDefaultConfiguration1", QStringLiteral("Save Default Configuration"));
    LoadConfiguration1 =
        addItem(File1, "LoadConfiguration1", QStringLiteral("Load Configuration..."));
    SaveConfigurationAs1 =
        addItem(File1, "SaveConfigurationAs1", QStringLiteral("Save Configuration As..."));
    File1->addSeparator();
    Print1 = addItem(File1, "Print1", QStringLiteral("&Print..."));
    PrintSetup1 = addItem(File1, "PrintSetup1", QStringLiteral("P&rint Setup..."));
    File1->addSeparator();
    Exit1 = addItem(File1, "Exit1", QStringLiteral("E&xit"));

    Edit1 = bar->addMenu(QStringLiteral("&Edit"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Undo1 = addItem(Edit1, "Undo1", QStringLiteral("&Undo"));
    Edit1->addSeparator();
    Cut1 = addItem(Edit1, "Cut1", QStringLiteral("Cut"), QKeySequence(QStringLiteral("Ctrl+X")));
    Copy1 = addItem(Edit1, "Copy1", QStringLiteral("Copy"), QKeySequence(QStringLiteral("Ctrl+C")));
    Paste1 =
        addItem(Edit1, "Paste1", QStringLiteral("Paste"), QKeySequence(QStringLiteral("Ctrl+V")));
    Edit1->addSeparator();
    Find1 = addItem(Edit1, "Find1", QStringLiteral("Find"), QKeySequence(QStringLiteral("Ctrl+F")));
    replacetext = addItem(Edit1, "replacetext", QStringLiteral("Replace"),
                          QKeySequence(QStringLiteral("Ctrl+R")));

    ModeConfigure1 = bar->addMenu(QStringLiteral(" &Mode Configure"));
    ModeConfigure1->setObjectName(QStringLiteral("ModeConfigure1"));
    VideoMode1 = addItem(ModeConfigure1, "VideoMode1", QStringLiteral("&Video Mode (full screen)"),
                         {}, true, true);
    Adjustoutputwindowsize1 = addItem(ModeConfigure1, "Adjustoutputwindowsize1",
                                      QStringLiteral("Ad&just  output window size"),
                                      QKeySequence(QStringLiteral("Ctrl+J")));
    ModeConfigure1->addSeparator();
    StartbyAutoTimer1 = addItem(ModeConfigure1, "StartbyAutoTimer1",
                                QStringLiteral("St&art by Auto Timer"), {}, true);
    SetAutoStartTime1 =
        addItem(ModeConfigure1, "SetAutoStartTime1", QStringLiteral("Set Auto &Start Time ..."));
    ClockOn =
        addItem(ModeConfigure1, "ClockOn", QStringLiteral("&Toggle Screen Clock On"), {}, true);
    ModeConfigure1->addSeparator();
    SetColorBarTime1 =
        addItem(ModeConfigure1, "SetColorBarTime1", QStringLiteral("Set Color &Bar Time..."));
    usecolorbars =
        addItem(ModeConfigure1, "usecolorbars", QStringLiteral("Use &Color Bars"), {}, true);
    UseCountDown =
        addItem(ModeConfigure1, "UseCountDown", QStringLiteral("&Use Count Down"), {}, true);
    Use10secondbackground1 = addItem(ModeConfigure1, "Use10secondbackground1",
                                     QStringLiteral("U&se 10 second background"), {}, true);
    ModeConfigure1->addSeparator();
    ConfigureKeys1 =
        addItem(ModeConfigure1, "ConfigureKeys1", QStringLiteral("Confi&gure Keys..."));
    ReversMirrorText1 = addItem(ModeConfigure1, "ReversMirrorText1",
                                QStringLiteral("&Reverse Mirror Text"), {}, true);
    LoopMode1 =
        addItem(ModeConfigure1, "LoopMode1", QStringLiteral("&Loop Mode - Repeat"), {}, true);
    NoPauseDuringLoop1 = addItem(ModeConfigure1, "NoPauseDuringLoop1",
                                 QStringLiteral("No Pause During Loop"), {}, true);
    SyncWRetrace1 =
        addItem(ModeConfigure1, "SyncWRetrace1", QStringLiteral("S&ync W/Retrace"), {}, true);

    Font1 = bar->addMenu(QStringLiteral("F&ont"));
    Font1->setObjectName(QStringLiteral("Font1"));
    TypeansSize1 = addItem(Font1, "TypeansSize1", QStringLiteral("Type and Size..."));
    Color3 = addItem(Font1, "Color3", QStringLiteral("Color..."));
    BackgroundColor1 = addItem(Font1, "BackgroundColor1", QStringLiteral("Background Color..."));
    Font1->addSeparator();
    Bold2 = addItem(Font1, "Bold2", QStringLiteral("Bold"), {}, true);
    Underline1 = addItem(Font1, "Underline1", QStringLiteral("Underline"), {}, true);
    Italic1 = addItem(Font1, "Italic1", QStringLiteral("Italic"), {}, true);
    Font1->addSeparator();
    CenterText1 = addItem(Font1, "CenterText1", QStringLiteral("Center Text"), {}, true);
    StartfromCursor1 =
        addItem(Font1, "StartfromCursor1", QStringLiteral("Start from Cursor"), {}, true);
    FadeTitles1 = addItem(Font1, "FadeTitles1", QStringLiteral("Fade Titles ..."), {}, true);
    TVTitle1 = addItem(Font1, "TVTitle1", QStringLiteral("TV Title"), {}, true);
    Font1->addSeparator();
    WordWrap1 = addItem(Font1, "WordWrap1", QStringLiteral("Word Wrap"), {}, true);
    Wantreturn = addItem(Font1, "Wantreturn", QStringLiteral("No Returns (CR)"), {}, true);

    RunTelePrompter1 = bar->addAction(QStringLiteral("&Play"));
    RunTelePrompter1->setObjectName(QStringLiteral("RunTelePrompter1"));
    RunTelePrompter1->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    // A shortcut on a menu bar item must reach the window too.
    addAction(RunTelePrompter1);

    MediaPlayers1 = bar->addMenu(QStringLiteral("Me&dia Players"));
    MediaPlayers1->setObjectName(QStringLiteral("MediaPlayers1"));
    AVI1 = addItem(MediaPlayers1, "AVI1", QStringLiteral("AVI"));
    WAVE1 = addItem(MediaPlayers1, "WAVE1", QStringLiteral("Wave and Midi"));
    cd1 = addItem(MediaPlayers1, "cd1", QStringLiteral("CD Player"));

    Window1 = bar->addMenu(QStringLiteral("&Window"));
    Window1->setObjectName(QStringLiteral("Window1"));
    ShowAll1 = addItem(Window1, "ShowAll1", QStringLiteral("Show All"));
    HideAll1 = addItem(Window1, "HideAll1", QStringLiteral("Hide All"));
    NewWindow1 = addItem(Window1, "NewWindow1", QStringLiteral("Under my Hood ..."));
    Window1->addSeparator();
    DelayControl1 =
        addItem(Window1, "DelayControl1", QStringLiteral("Delay Control"), {}, true, true);
    PixelControl1 =
        addItem(Window1, "PixelControl1", QStringLiteral("Pixel Processing"), {}, true, true);
    ScreenOutputResolution1 = addItem(Window1, "ScreenOutputResolution1",
                                      QStringLiteral("Screen Output Resolution"), {}, true, true);
    Calibrate1 =
        addItem(Window1, "Calibrate1", QStringLiteral("Read Time Calibration"), {}, true, true);
    SpeedBar1 = addItem(Window1, "SpeedBar1", QStringLiteral("Speed Bar"), {}, true, true);
    TextEditPanel1 =
        addItem(Window1, "TextEditPanel1", QStringLiteral("Text Edit Panel"), {}, true, true);
    AutoTimer1 = addItem(Window1, "AutoTimer1", QStringLiteral("Auto Timer "), {}, true, false);
    PlayOptions1 = addItem(Window1, "PlayOptions1", QStringLiteral("Play Options"), {}, true, true);

    Help1 = bar->addMenu(QStringLiteral("&Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
    MenuHelp1 = addItem(Help1, "MenuHelp1", QStringLiteral("&Help "));
    About2 = addItem(Help1, "About2", QStringLiteral("&About LectoScope-32"),
                     QKeySequence(QStringLiteral("Ctrl+A")));
    // Ctrl+H opens the Help menu.
    auto *helpKey = new QShortcut(QKeySequence(QStringLiteral("Ctrl+H")), this);
    connect(helpKey, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(Help1->menuAction()); });

    Exit2 = bar->addAction(QStringLiteral("E&xit"));
    Exit2->setObjectName(QStringLiteral("Exit2"));
}

void TForm1::buildToolBar() {
    ToolBar1 = new QToolBar(centralWidget());
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(20, 20));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);

    struct Def {
        QToolButton **button;
        const char *name;
        const char *caption;
        const char *hint;
        bool toggle;
    };
    const Def defs[] = {
        {&ToolButton1, "ToolButton1", "Clear", "New Text File", false},
        {&ToolButton2, "ToolButton2", "Open", "Open a Text File", false},
        {&ToolButton3, "ToolButton3", "Save", "Save Text File", false},
        {&ToolButton5, "ToolButton5", "FColor", "Change Font Color", false},
        {&ToolButton6, "ToolButton6", "BColor", "Change Background Color", false},
        {&ToolButton7, "ToolButton7", "Center", "Toggle Centering", true},
        {&Playbutton, "Playbutton", "Play", "Start LectoScope-32", false},
        {&ToolButton11, "ToolButton11", "Save C", "Save Current Settings", false},
        {&videomodebutton, "videomodebutton", "Vmode", "Toggle Play Screens", true},
        {&ReverseButton, "ReverseButton", "Reverse", "Reverse Mirror Text", true},
        {&ColorBarsButton, "ColorBarsButton", "CBars", "Use 15 Second Color Bars", true},
        {&CountDownButton, "CountDownButton", "CDown", "Use 10 second Count Down", true},
        {&Chromacheck, "Chromacheck", "Ccheck", "Chroma Key Check", true},
    };
    QFont small(QStringLiteral("Arial"));
    small.setPixelSize(11);
    int index = 0;
    for (const Def &d : defs) {
        auto *b = new QToolButton(ToolBar1);
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
        ToolBar1->addWidget(b);
        *d.button = b;
    }
    videomodebutton->setChecked(true);
    ToolBar1->setGeometry(0, 0, width(), 40);
}

void TForm1::buildPanels() {
    QWidget *client = centralWidget();

    Memo1 = new ScriptEditor(client);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    QFont editorFont(QStringLiteral("Arial"));
    editorFont.setPointSize(14);
    editorFont.setBold(true);
    Memo1->setFont(editorFont);
    Memo1->setGeometry(10, 50, 480, 400);

    QFont panelFont(QStringLiteral("Arial"));
    panelFont.setPixelSize(11);

    // Auto-timer panel, shared by the clock display and the summary texts.
    Panel1 = panel(client, "Panel1", QRect(500, 45, 200, 75));
    Panel1->setFont(panelFont);
    StaticText1 = label(Panel1, "StaticText1", QStringLiteral("Current"), QRect(4, 6, 50, 16));
    StaticText2 = label(Panel1, "StaticText2", QStringLiteral("Start"), QRect(4, 30, 50, 16));
    FrontClockLabel =
        label(Panel1, "FrontClockLabel", QStringLiteral("Time"), QRect(60, 4, 130, 20));
    AutoStarttimelabel =
        label(Panel1, "AutoStarttimelabel", QStringLiteral("Start Time"), QRect(60, 28, 130, 20));
    {
        QFont clockFont(QStringLiteral("Arial"));
        clockFont.setPixelSize(16);
        clockFont.setBold(true);
        FrontClockLabel->setFont(clockFont);
        FrontClockLabel->setStyleSheet(QStringLiteral("color: grey"));
        AutoStarttimelabel->setFont(clockFont);
        AutoStarttimelabel->setStyleSheet(QStringLiteral("color: blue"));
    }
    ProgressBar1 = new QProgressBar(Panel1);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(4, 54, 190, 14);
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    const QString star = QStringLiteral("*");
    StaticText5 = label(Panel1, "StaticText5", star, QRect(3, 6, 115, 14));
    StaticText6 = label(Panel1, "StaticText6", star, QRect(4, 22, 115, 14));
    StaticText7 = label(Panel1, "StaticText7", star, QRect(4, 38, 115, 14));
    StaticText3 = label(Panel1, "StaticText3", star, QRect(3, 54, 115, 14));
    StaticText9 = label(Panel1, "StaticText9", star, QRect(120, 24, 78, 14));
    StaticText8 = label(Panel1, "StaticText8", star, QRect(120, 39, 78, 14));
    StaticText10 = label(Panel1, "StaticText10", star, QRect(120, 54, 78, 14));

    // Delay panel: font size and delay.
    delaypanel = panel(client, "delaypanel", QRect(500, 124, 200, 172));
    delaypanel->setFont(panelFont);
    Label10 = label(delaypanel, "Label10", QStringLiteral("Font"), QRect(6, 4, 188, 14));
    Label5 = label(delaypanel, "Label5", QStringLiteral("Font Size "), QRect(6, 20, 60, 14));
    Label6 = label(delaypanel, "Label6", QStringLiteral("?"), QRect(66, 20, 30, 14));
    Label2 = label(delaypanel, "Label2", QStringLiteral("Delay"), QRect(106, 20, 40, 14));
    delayLabel = label(delaypanel, "delayLabel", QString(), QRect(146, 20, 50, 14));
    TrackBar1 = new platform::TrackBar(delaypanel);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(2, 200);
    TrackBar1->setPageStep(4);
    TrackBar1->setSingleStep(1);
    TrackBar1->setTickInterval(5);
    TrackBar1->setTickPosition(QSlider::TicksBothSides);
    TrackBar1->setGeometry(20, 38, 40, 108);
    TrackBar2 = new platform::TrackBar(delaypanel);
    TrackBar2->setObjectName(QStringLiteral("TrackBar2"));
    TrackBar2->setRange(0, 1500);
    TrackBar2->setSingleStep(5);
    TrackBar2->setPageStep(50);
    TrackBar2->setTickInterval(60);
    TrackBar2->setTickPosition(QSlider::TicksBothSides);
    TrackBar2->setCursor(Qt::PointingHandCursor);
    TrackBar2->setGeometry(120, 38, 40, 108);
    setTrackBarPosition(TrackBar1, 8);
    setTrackBarPosition(TrackBar2, 1);
    CheckBox1 = checkBox(delaypanel, "CheckBox1", QStringLiteral("Slower x10"), QString(),
                         QRect(100, 150, 96, 18));

    // Reading-time panel.
    calibratPanel = panel(client, "calibratPanel", QRect(500, 300, 200, 64));
    calibratPanel->setFont(panelFont);
    SpeedButton3 = new QPushButton(QStringLiteral("Estimate reading time"), calibratPanel);
    SpeedButton3->setObjectName(QStringLiteral("SpeedButton3"));
    SpeedButton3->setGeometry(4, 4, 192, 22);
    Approx = label(calibratPanel, "Approx", QStringLiteral("0"), QRect(6, 28, 188, 14));
    StaticText4 = label(calibratPanel, "StaticText4", QStringLiteral("Words Per Minute"),
                        QRect(6, 44, 100, 14));
    calibrate =
        label(calibratPanel, "calibrate", QStringLiteral("calibrate"), QRect(110, 44, 84, 14));
    calibrate->hide();

    buildMediaPlayers(client);

    // Play options.
    GroupBox1 = new QGroupBox(QStringLiteral("Play Options"), client);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(710, 40, 140, 80);
    GroupBox1->setFont(panelFont);
    CtrMarkerCheckbox = checkBox(GroupBox1, "CtrMarkerCheckbox", QStringLiteral("Ctr Marker On"),
                                 QStringLiteral("Turn play screen center marker on and off"),
                                 QRect(8, 16, 128, 15));
    LoopCheckBox = checkBox(GroupBox1, "LoopCheckBox", QStringLiteral("Loop Mode"),
                            QStringLiteral("Turn loop mode On or Off"), QRect(8, 31, 128, 15));
    Nopausecheckbox =
        checkBox(GroupBox1, "Nopausecheckbox", QStringLiteral("No Pause"),
                 QStringLiteral("Do not pause if in loop mode"), QRect(8, 46, 128, 15));
    stopatend = checkBox(GroupBox1, "stopatend", QStringLiteral("Stop @ End"),
                         QStringLiteral("Stop at end of text and wait for key or mouse click"),
                         QRect(8, 61, 128, 15));

    RadioGroup1 =
        new RadioGroup(QStringLiteral("Pixel Processing"),
                       {QStringLiteral("Device"), QStringLiteral("1 Bit"), QStringLiteral("4 Bit"),
                        QStringLiteral("8 Bit"), QStringLiteral("15 Bit"), QStringLiteral("16 Bit"),
                        QStringLiteral("24 Bit"), QStringLiteral("32 Bit")},
                       client);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setToolTip(QStringLiteral("See on line help for Pixel Processing"));
    RadioGroup1->setFont(panelFont);
    RadioGroup1->setGeometry(710, 124, 140, 128);
    RadioGroup2 = new RadioGroup(QStringLiteral("Screen Res"),
                                 {QStringLiteral("Full Screen"), QStringLiteral("640 x 480"),
                                  QStringLiteral("500 x 420"), QStringLiteral("400 x 320"),
                                  QStringLiteral("320 x 180"), QStringLiteral("Sw x 180")},
                                 client);
    RadioGroup2->setObjectName(QStringLiteral("RadioGroup2"));
    RadioGroup2->setToolTip(QStringLiteral("Change display output window size"));
    RadioGroup2->setFont(panelFont);
    RadioGroup2->setGeometry(710, 256, 140, 104);
    RadioGroup1->setItemIndex(0);
    RadioGroup2->setItemIndex(0);
}

void TForm1::buildStatusBar() {
    StatusBar1 = new StatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(StatusBar1);
}

namespace {
// A checkable menu item toggles its own check mark in its handler, as the program's toggle
// commands expect; Qt's automatic toggle on a click is taken back first.
template <typename Handler> void connectToggle(QAction *item, TForm1 *form, Handler handler) {
    QObject::connect(item, &QAction::triggered, form, [item, form, handler](bool) {
        item->setChecked(!item->isChecked());
        (form->*handler)();
    });
}
} // namespace

void TForm1::connectControls() {
    // Script files.
    connect(New1, &QAction::triggered, this, &TForm1::New1Click);
    connect(ToolButton1, &QToolButton::clicked, this, &TForm1::New1Click);
    connect(Open1, &QAction::triggered, this, &TForm1::Open1Click);
    connect(ToolButton2, &QToolButton::clicked, this, &TForm1::Open1Click);
    connect(Save1, &QAction::triggered, this, &TForm1::Save1Click);
    connect(ToolButton3, &QToolButton::clicked, this, &TForm1::Save1Click);
    connect(SaveAs1, &QAction::triggered, this, [this] { SaveAs1Click(); });

    // Configuration.
    connect(SaveDefaultConfiguration1, &QAction::triggered, this,
            &TForm1::SaveDefaultConfiguration1Click);
    connect(ToolButton11, &QToolButton::clicked, this, &TForm1::SaveDefaultConfiguration1Click);
    connect(LoadConfiguration1, &QAction::triggered, this, &TForm1::LoadConfiguration1Click);
    connect(SaveConfigurationAs1, &QAction::triggered, this, &TForm1::SaveConfigurationAs1Click);

    // Exit.
    connect(Exit1, &QAction::triggered, this, &TForm1::Exit1Click);
    connect(Exit2, &QAction::triggered, this, [this] { Exit2Click(); });

    // Mode menu and its tool buttons.
    connectToggle(VideoMode1, this, &TForm1::VideoMode1Click);
    connect(videomodebutton, &QToolButton::clicked, this, &TForm1::videomodebuttonClick);
    connectToggle(ReversMirrorText1, this, &TForm1::ReversMirrorText1Click);
    connect(ReverseButton, &QToolButton::clicked, this, &TForm1::ReverseButtonClick);
    connectToggle(usecolorbars, this, &TForm1::usecolorbarsClick);
    connect(ColorBarsButton, &QToolButton::clicked, this, &TForm1::ColorBarsButtonClick);
    connectToggle(UseCountDown, this, &TForm1::UseCountDown2Click);
    connect(CountDownButton, &QToolButton::clicked, this, &TForm1::CountDownButtonClick);
    connect(Chromacheck, &QToolButton::clicked, this, &TForm1::ChromacheckClick);
    connectToggle(Use10secondbackground1, this, &TForm1::Use10secondbackground1Click);
    connectToggle(LoopMode1, this, &TForm1::LoopMode1Click);
    connectToggle(NoPauseDuringLoop1, this, &TForm1::NoPauseDuringLoop1Click);
    connectToggle(ClockOn, this, &TForm1::ToggleScreenClockOnClick);
    connectToggle(StartbyAutoTimer1, this, &TForm1::StartbyAutoTimer1Click);
    connect(SetAutoStartTime1, &QAction::triggered, this, &TForm1::SetAutoStartTime1Click);
    connect(SetColorBarTime1, &QAction::triggered, this, &TForm1::SetColorBarTime1Click);

    // Option dialogs; the "Fade Titles ..." check mark follows the fading switch.
    connectToggle(FadeTitles1, this, &TForm1::FadeTitles1Click);
    connect(Adjustoutputwindowsize1, &QAction::triggered, this,
            &TForm1::Adjustoutputwindowsize1Click);

    // Edit menu, and its find and replace dialogs: opening or closing the find dialog starts
    // the search at the top, opening the replace dialog empties its replace text.
    connect(Undo1, &QAction::triggered, this, &TForm1::Undo1Click);
    connect(Cut1, &QAction::triggered, this, &TForm1::Cut1Click);
    connect(Copy1, &QAction::triggered, this, &TForm1::Copy1Click);
    connect(Paste1, &QAction::triggered, this, &TForm1::Paste1Click);
    connect(Memo1, &QPlainTextEdit::undoAvailable, Undo1, &QAction::setEnabled);
    Undo1->setEnabled(false);
    connect(Find1, &QAction::triggered, this, &TForm1::Find1Click);
    connect(FindDialog1, &platform::FindDialog::opened, this, &TForm1::FindDialog1Close);
    connect(FindDialog1, &platform::FindDialog::findNext, this, &TForm1::FindDialog1Find);
    connect(FindDialog1, &QDialog::finished, this, &TForm1::FindDialog1Close);
    connect(replacetext, &QAction::triggered, this, &TForm1::replacetextClick);
    connect(ReplaceDialog1, &platform::FindDialog::opened, this,
            [this] { ReplaceDialog1->setReplaceText(QString()); });
    for (auto signal : {&platform::FindDialog::findNext, &platform::FindDialog::replace,
                        &platform::FindDialog::replaceAll})
        connect(ReplaceDialog1, signal, this, &TForm1::ReplaceDialog1Replace);
    connect(ConfigureKeys1, &QAction::triggered, this, &TForm1::ConfigureKeys1Click);
    connectToggle(SyncWRetrace1, this, &TForm1::SyncWRetrace1Click);

    // Font menu and its tool buttons.
    connect(TypeansSize1, &QAction::triggered, this, &TForm1::TypeansSize1Click);
    connect(Color3, &QAction::triggered, this, &TForm1::Color3Click);
    connect(ToolButton5, &QToolButton::clicked, this, &TForm1::Color3Click);
    connect(BackgroundColor1, &QAction::triggered, this, &TForm1::BackgroundColor1Click);
    connect(ToolButton6, &QToolButton::clicked, this, &TForm1::BackgroundColor1Click);
    connectToggle(Bold2, this, &TForm1::Bold2Click);
    connectToggle(Underline1, this, &TForm1::Underline1Click);
    connectToggle(Italic1, this, &TForm1::Italic1Click);
    connectToggle(CenterText1, this, &TForm1::CenterText1Click);
    connect(ToolButton7, &QToolButton::clicked, this, &TForm1::ToolButton7Click);
    connectToggle(StartfromCursor1, this, &TForm1::StartfromCursor1Click);
    connectToggle(TVTitle1, this, &TForm1::TVTitle1Click);
    connectToggle(WordWrap1, this, &TForm1::WordWrap1Click);
    connectToggle(Wantreturn, this, &TForm1::WantreturnClick);

    // Play.
    connect(RunTelePrompter1, &QAction::triggered, this, &TForm1::RunTelePrompter1Click);
    connect(Playbutton, &QToolButton::clicked, this, &TForm1::PlaybuttonClick);
    connect(SpeedButton3, &QPushButton::clicked, this, &TForm1::SpeedButton3Click);

    // Printing, system information, About and help.
    connect(Print1, &QAction::triggered, this, &TForm1::Print1Click);
    connect(PrintSetup1, &QAction::triggered, this, &TForm1::PrintSetup1Click);
    connect(NewWindow1, &QAction::triggered, this, &TForm1::NewWindow1Click);
    connect(About2, &QAction::triggered, this, &TForm1::About2Click);
    Memo1->installEventFilter(new MenuShortcutFilter(About2, this));
    connect(MenuHelp1, &QAction::triggered, this, &TForm1::MenuHelp1Click);

    // Window menu.
    connect(ShowAll1, &QAction::triggered, this, &TForm1::ShowAll1Click);
    connect(HideAll1, &QAction::triggered, this, &TForm1::HideAll1Click);
    const std::pair<QAction *, QWidget *> toggles[] = {{DelayControl1, delaypanel},
                                                       {PixelControl1, RadioGroup1},
                                                       {ScreenOutputResolution1, RadioGroup2},
                                                       {Calibrate1, calibratPanel},
                                                       {SpeedBar1, ToolBar1},
                                                       {TextEditPanel1, Memo1},
                                                       {AutoTimer1, Panel1},
                                                       {PlayOptions1, GroupBox1}};
    for (const auto &[item, control] : toggles) {
        // Qt has already toggled the check mark when triggered arrives.
        connect(item, &QAction::triggered, this,
                [this, item = item, control = control](bool) { applyPanelToggle(item, control); });
    }

    // Delay panel, play options and the two groups.
    connect(TrackBar1, &QSlider::valueChanged, this, &TForm1::TrackBar1Change);
    connect(TrackBar2, &QSlider::valueChanged, this, &TForm1::TrackBar2Change);
    connect(CheckBox1, &QCheckBox::toggled, this, &TForm1::CheckBox1Click);
    connect(LoopCheckBox, &QCheckBox::toggled, this, &TForm1::LoopCheckBoxClick);
    connect(stopatend, &QCheckBox::toggled, this, &TForm1::stopatendClick);
    connect(Nopausecheckbox, &QCheckBox::toggled, this, &TForm1::NopausecheckboxClick);
    connect(RadioGroup1, &RadioGroup::clicked, this, &TForm1::RadioGroup1Click);
    connect(RadioGroup2, &RadioGroup::clicked, this, &TForm1::RadioGroup2Click);

    // Editor.
    connect(Memo1, &QPlainTextEdit::textChanged, this, &TForm1::Memo1Change);
    connect(Memo1, &ScriptEditor::focusChanged, this, [this](bool focused) {
        const int n = GetCurrentLineNumber();
        if (!focused)
            CaretLine = n; // losing the focus stores even the 0 of an empty editor
    });
    connect(Memo1, &ScriptEditor::clicked, this, [this] { GetCurrentLineNumber(); });
    connect(Memo1, &ScriptEditor::dragOrDrop, this, [this] { GetCurrentLineNumber(); });

    // Timers.
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    connect(holdtimer, &QTimer::timeout, this, &TForm1::holdtimerTimer);
}
