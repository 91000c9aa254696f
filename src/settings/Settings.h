#pragma once

#include <QString>

// The program's title.
inline constexpr const char *kApplicationTitle = "ZAL LectoScope-32";

// The live settings of the program: what the play reads, the controls show and change, and
// the configuration file stores (its key table, app/Configuration.cpp, says which member each
// key holds). Colours are colour values 0x00BBGGRR (or a negative system colour). The values
// here are those the main window holds before its creation steps; a check mark's value is
// its control's designed state.
struct Settings {
    // The output (play) rectangle in screen pixels, right and bottom exclusive.
    int outputLeft = 0, outputTop = 0, outputRight = 0, outputBottom = 0;
    // Fade titles instead of scrolling, how they look and where they stand.
    bool fadeTitles = false;
    bool fadeTwoLines = false;
    bool fadeTvTitle = false;
    bool fadeAntialias = false;
    bool lowerThird = false;
    bool centerFade = false;
    int fadeHoldSeconds = 0;
    // The delay units the arrow keys and Page Up / Page Down add or take away during play.
    int arrowStep = 0;
    int pageStep = 0;
    // The "Pixel Processing" choice 0..7 and the "Screen Res" choice 0..5.
    int pixelFormat = 0;
    int outputSizeChoice = 0;
    // The pace: the wait units after each pixel row, the delay bar's position times
    // delayFactor (1, or 10 with "Slower x10"), kept in 8 bits.
    int delay = 0;
    qint8 delayFactor = 1;
    // Seconds the colour bars stay up.
    int colorBarSeconds = 0;
    double startTime = 0.0; // time of day as a day fraction; 0 disables auto start
    int wordsPerMinute = 0;
    bool centering = false; // script lines centred (the "Center" tool button)
    QString scriptPath;     // the current script file
    int backgroundColor = 0;
    int textColor = 0;
    int mainWindowColor = 0; // what the file stores; nothing reads it
    QString version = QStringLiteral("01.24A");
    // The media players' last files.
    QString videoFile;
    QString soundFile;

    // The switches of the menus, tool buttons and check boxes, as their controls show them.
    bool showClock = false;           // "&Toggle Screen Clock On"
    bool autoStart = false;           // "St&art by Auto Timer"
    bool videoMode = true;            // "&Video Mode (full screen)" and "Vmode"
    bool tvTitle = false;             // "TV Title"
    bool startFromCursor = false;     // "Start from Cursor"
    bool tenSecondBackground = false; // "U&se 10 second background"
    bool countDown = false;           // "&Use Count Down" and "CDown"
    bool wordWrap = false;            // "Word Wrap"
    bool noReturns = false;           // "No Returns (CR)"
    bool colorBars = false;           // "Use &Color Bars" and "CBars"
    bool stopAtEnd = false;           // "Stop @ End"
    bool loopMode = false;            // "&Loop Mode - Repeat" and "Loop Mode"
    bool centerMarker = false;        // "Ctr Marker On"
    bool noPause = false;             // "No Pause" and "No Pause During Loop"
    bool slowerX10 = false;           // "Slower x10"
    bool mirror = false;              // "Reverse" and "&Reverse Mirror Text"
    bool bold = false;                // "Bold"
    bool centerText = false;          // "Center Text" and "Center"
    bool syncRetrace = false;         // "S&ync W/Retrace"
    bool followVoice = false;         // "Follow &Voice" and "Voice"
    // The editor's font, which play draws at twice its size.
    int fontSize = 14;
    QString fontName = QStringLiteral("Arial");
    // The panels the Window menu shows.
    bool delayPanel = true;
    bool pixelProcessingPanel = true;
    bool screenResPanel = true;
    bool readingTimePanel = true;
    bool editorPanel = true;
    bool autoTimerPanel = false;
    bool toolBar = true;
    // The main window's bounds.
    int windowLeft = 0, windowTop = 0, windowWidth = 0, windowHeight = 0;
    // The screen the play window covers, by name ("Output Screen"); empty, or a screen not
    // connected: the main window's. While a play runs on another screen than the main
    // window's, the console shows it in the editor's place ("Live Preview").
    QString outputScreen;
    bool livePreview = true;

    // Remote control: off until the operator allows it; the web remote's port, the OSC port,
    // whether other machines may connect (else the loopback address only), and the access
    // code (made on first use).
    bool remoteControl = false;
    int remotePort = 8035;
    int remoteOscPort = 8036;
    bool remoteOtherMachines = false;
    QString remoteAccessCode;

    // Only written, at the moment of saving: the program and its version, the date and time,
    // and the tick count.
    QString program;
    QString savedAt;
    QString savedTick;
    // Only read: "UseCountDown" read a second time, which decides whether the count-down is
    // used.
    bool countDownSecondRead = false;

    // Held for this run only, never stored: the folder of the default configuration file,
    // a script named on the command line to be played at once, the configuration file last
    // loaded, and the retrace port (0 where the display offers no vertical-blank wait).
    QString configFolder;
    bool playAtStart = false;
    QString lastConfigurationFile;
    quint16 retracePort = 0;

    // The rules of the pace: "Slower x10" makes each step of the delay bar ten units, and the
    // delay is the bar's position in those steps.
    static qint8 delayFactorFor(bool slowerX10) { return slowerX10 ? 10 : 1; }
    void setDelayFromBar(int position) { delay = position * delayFactor; }

    bool operator==(const Settings &) const = default;
};
