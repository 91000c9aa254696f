#pragma once

#include <QFont>

// Everything a play pass reads once, taken from the console when a pass starts: the output
// rectangle, the colours, the typeface, the switches of the pass and of its pre-roll, and the
// fade-title settings. Values that must stay live while a pass runs (the speed, the script
// lines) come from the PlayHost instead.
struct PlayOptions {
    // The output rectangle of this play, right and bottom exclusive. In window mode the
    // right edge already leaves room for the operator panel.
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    // Colour values 0x00BBGGRR: the text and the background.
    int textColor = 0xFFFFFF;
    int backgroundColor = 0;
    // The editor's font: its face, style and point size; the play text is twice that size.
    QFont editorFont;
    // "Pixel Processing" choice 0..7 (Device, 1, 4, 8, 15, 16, 24, 32 bits per pixel).
    int pixelFormat = 0;

    // The switches of a scrolling pass: TV titles, "Center Text", mirrored text, the
    // one-line reading-time measurement, and the "Center" tool button (the reverse scroll's
    // centring).
    bool tvTitle = false;
    bool centerText = false;
    bool mirror = false;
    bool measuringReadingTime = false;
    bool centering = false;

    // Full-screen play; without it the operator panel is shown at the right edge.
    bool videoMode = true;
    // The pre-roll and the end of a pass.
    bool colorBars = false;
    bool countDown = false;
    bool tenSecondBackground = false;
    bool noPause = false;
    bool centerMarker = false;
    bool stopAtEnd = false;
    // Where the text starts, and each row's wait for the vertical blank.
    bool startFromCursor = false;
    int caretLine = 0;
    bool syncRetrace = false;

    // Fade titles instead of scrolling, and how they look and stand.
    bool fadeTitles = false;
    bool fadeTwoLines = false;
    bool fadeTvTitle = false;
    bool fadeAntialias = false;
    bool lowerThird = false;
    bool centerFade = false;
    int fadeHoldSeconds = 0;

    // The speed keys' steps, and the console's delay bar and "Slower x10" at the start.
    int arrowStep = 50;
    int pageStep = 100;
    int delayBarPosition = 0;
    bool slowerX10 = false;

    int editorPointSize() const { return editorFont.pointSize(); }
    int outputWidth() const { return right - left; }
};
