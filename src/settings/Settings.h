#pragma once

#include <QString>

// The program's title.
inline constexpr const char *kApplicationTitle = "ZAL LectoScope-32";

// The live settings of the program: what the play reads, the controls show and change, and
// the configuration file stores. Colours are colour values 0x00BBGGRR (or a negative system
// colour). The values here are those the main window holds before its creation steps.
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
    // The pace: busy-wait units per pixel row, the delay bar's position times delayFactor
    // (1, or 10 with "Slower x10").
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

    // Held for this run only, never stored: the folder of the default configuration file,
    // a script named on the command line to be played at once, the configuration file last
    // loaded, and the retrace port (0 where the display offers no vertical-blank wait).
    QString configFolder;
    bool playAtStart = false;
    QString lastConfigurationFile;
    quint16 retracePort = 0;
};
