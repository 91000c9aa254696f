#pragma once

#include "settings/OutputRect.h"

#include <QSize>

// What the option dialogs take in and hand back. The main window fills a request from its
// settings, runs the dialog, and applies the result.

// How a dialog was closed: its OK button, its Cancel button (or Esc), or the close box,
// which keeps what was changed without the OK steps.
enum class DialogClose { Ok, Cancel, CloseBox };

// "Fading Options": the four switches and the hold time.
struct FadingOptions {
    bool fadeTitles = false;
    bool fadeTwoLines = false;
    bool fadeTvTitle = false;
    bool fadeAntialias = false;
    int fadeHoldSeconds = 0; // seconds, 0 .. 30 on the dialog's bar
    bool operator==(const FadingOptions &) const = default;
};

struct FadingOptionsResult {
    DialogClose closedBy = DialogClose::Cancel;
    FadingOptions values;
};

// The output window dialog: the output rectangle (or in fade mode the title's position in
// its left and top), the automatic placement switches and the "Screen Res" selection
// (-1: none).
struct OutputAreaValues {
    OutputRect rect;
    bool centerFade = false;
    bool lowerThird = false;
    int screenResIndex = -1;
    bool operator==(const OutputAreaValues &) const = default;
};

struct OutputAreaRequest {
    OutputAreaValues values;
    bool fadeMode = false;   // fading titles on: the dialog places the title
    int editorPointSize = 0; // the least output height; the fade bar's offset is twice it
    int editorWidth = 0;
    QSize screen;
    QSize title; // the play window's strip as it stands (the last title or line drawn)
};

// What changed the values while the output window dialog is open.
enum class OutputAreaChange { Opened, BarMoved, AutoCenter, LowerThird };

struct OutputAreaResult {
    DialogClose closedBy = DialogClose::Cancel;
    OutputAreaValues values;
    // The editor's width after OK in output mode: half the output width.
    int editorWidth = 0;
};
