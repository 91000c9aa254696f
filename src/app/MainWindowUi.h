#pragma once

class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMainWindow;
class QMenu;
class QProgressBar;
class QPushButton;
class QSlider;
class QTimer;
class QToolBar;
class QToolButton;
class MediaPlayer;
class RadioGroup;
class ScriptEditor;
class StatusBar;
namespace platform {
class FindDialog;
}

// The main window's controls, each named as its objectName: the menus and their items, the
// tool bar, the editor, the panels, the status bar, the one-second timers and the Edit
// menu's find and replace dialogs. MainWindow builds them (MainWindowUi.cpp) and wires them
// to the command classes.
struct MainWindowUi {
    // Menu bar.
    QMenu *fileMenu = nullptr, *editMenu = nullptr, *modeMenu = nullptr, *fontMenu = nullptr,
          *mediaMenu = nullptr, *windowMenu = nullptr, *helpMenu = nullptr;
    // File.
    QAction *newAction = nullptr, *openAction = nullptr, *saveAction = nullptr,
            *saveAsAction = nullptr, *saveDefaultConfigurationAction = nullptr,
            *loadConfigurationAction = nullptr, *saveConfigurationAsAction = nullptr,
            *printAction = nullptr, *printSetupAction = nullptr, *fileExitAction = nullptr;
    // Edit.
    QAction *undoAction = nullptr, *cutAction = nullptr, *copyAction = nullptr,
            *pasteAction = nullptr, *findAction = nullptr, *replaceAction = nullptr;
    // Mode Configure.
    QAction *videoModeAction = nullptr, *outputAreaAction = nullptr, *autoStartAction = nullptr,
            *setStartTimeAction = nullptr, *clockAction = nullptr, *setColorBarTimeAction = nullptr,
            *colorBarsAction = nullptr, *countDownAction = nullptr,
            *tenSecondBackgroundAction = nullptr, *keyStepsAction = nullptr,
            *mirrorAction = nullptr, *loopAction = nullptr, *noPauseAction = nullptr,
            *syncRetraceAction = nullptr;
    QAction *followVoiceAction = nullptr;   // "Follow &Voice", with followVoiceButton
    QAction *remoteControlAction = nullptr; // "Remote Control..."
    // "Output Screen": one checkable item a connected screen, then "Live Preview".
    QMenu *outputScreenMenu = nullptr;
    QAction *livePreviewAction = nullptr;
    // Font.
    QAction *typeAndSizeAction = nullptr, *textColorAction = nullptr,
            *backgroundColorAction = nullptr, *boldAction = nullptr, *underlineAction = nullptr,
            *italicAction = nullptr, *centerTextAction = nullptr, *startFromCursorAction = nullptr,
            *fadeTitlesAction = nullptr, *tvTitleAction = nullptr, *wordWrapAction = nullptr,
            *noReturnsAction = nullptr;
    // Play, media, window, help, exit.
    QAction *playAction = nullptr;
    QAction *videoPlayerAction = nullptr, *soundPlayerAction = nullptr, *cdPlayerAction = nullptr;
    QAction *showAllAction = nullptr, *hideAllAction = nullptr, *systemInfoAction = nullptr,
            *delayPanelAction = nullptr, *pixelProcessingAction = nullptr,
            *screenResAction = nullptr, *readingTimeAction = nullptr, *toolBarAction = nullptr,
            *editorAction = nullptr, *autoTimerAction = nullptr, *playOptionsAction = nullptr;
    QAction *helpAction = nullptr, *aboutAction = nullptr;
    QAction *exitAction = nullptr;

    // Tool bar.
    QToolBar *toolBar = nullptr;
    QToolButton *newButton = nullptr, *openButton = nullptr, *saveButton = nullptr,
                *textColorButton = nullptr, *backgroundColorButton = nullptr,
                *centerButton = nullptr, *playButton = nullptr, *saveSettingsButton = nullptr,
                *videoModeButton = nullptr, *mirrorButton = nullptr, *colorBarsButton = nullptr,
                *countDownButton = nullptr, *chromaCheckButton = nullptr;

    // Editor.
    ScriptEditor *editor = nullptr;

    // Delay panel.
    QFrame *delayPanel = nullptr;
    QLabel *fontFaceLabel = nullptr, *fontSizeCaption = nullptr, *fontSizeLabel = nullptr,
           *delayCaption = nullptr, *delayLabel = nullptr;
    QCheckBox *slowerBox = nullptr;
    QSlider *fontSizeBar = nullptr; // font size 2..200
    QSlider *delayBar = nullptr;    // delay 0..1500

    // Reading-time panel.
    QFrame *readingTimePanel = nullptr;
    QPushButton *estimateButton = nullptr;
    QLabel *readingTimeLabel = nullptr, *wordsPerMinuteCaption = nullptr,
           *wordsPerMinuteLabel = nullptr;

    // Auto-timer panel with the summary texts.
    QFrame *autoTimerPanel = nullptr;
    QLabel *currentCaption = nullptr, *startCaption = nullptr, *clockLabel = nullptr,
           *startTimeLabel = nullptr;
    QProgressBar *startProgress = nullptr;
    QLabel *rightBottomText = nullptr, *fadingText = nullptr, *windowSizeText = nullptr,
           *leftTopText = nullptr, *antialiasText = nullptr, *twoLinesText = nullptr,
           *tvTitleText = nullptr;

    // Play options.
    QGroupBox *playOptionsGroup = nullptr;
    QCheckBox *centerMarkerBox = nullptr, *loopBox = nullptr, *noPauseBox = nullptr,
              *stopAtEndBox = nullptr;

    RadioGroup *pixelProcessingGroup = nullptr; // Pixel Processing
    RadioGroup *screenResGroup = nullptr;       // Screen Res

    // Media players: the video, whose picture shows in the play window, and the sound.
    MediaPlayer *videoPlayer = nullptr, *soundPlayer = nullptr;
    QToolButton *startWithVideoButton = nullptr; // "Start w/Video"
    QToolButton *followVoiceButton = nullptr;    // "Voice", beside "Play"
    QToolButton *closePlayersButton = nullptr;   // "Close"

    StatusBar *statusBar = nullptr;

    // One-second timers.
    QTimer *clockTimer = nullptr;    // screen clock and auto start
    QTimer *waitTimer = nullptr;     // the timed wait
    QTimer *colorBarTimer = nullptr; // colour-bar hold

    // The Edit menu's modeless find and replace dialogs.
    platform::FindDialog *findDialog = nullptr;
    platform::FindDialog *replaceDialog = nullptr;

    // Builds every control in the window, as designed.
    void setupUi(QMainWindow *window);
};
