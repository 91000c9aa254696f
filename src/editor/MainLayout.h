#pragma once

#include <QRect>
#include <QString>

#include <optional>

// Window-free arithmetic of the main window: the output rectangle chosen in "Screen Res",
// the layout rule of the panels and the summary texts.
namespace mainlayout {

struct OutputRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const OutputRect &) const = default;
};

// The output rectangle for a "Screen Res" item on a screen sw x sh; marker adds the 15-pixel
// strip on the left for the centre marker. Nothing for an index outside 0..5.
std::optional<OutputRect> screenResRect(int index, int sw, int sh, bool marker);

struct LayoutInput {
    OutputRect output;
    bool editorVisible = true;
    bool toolBarVisible = true;
    int toolBarBottom = 0;
    int panel1Width = 0;
    int clientHeight = 0; // the whole client area, status bar included
    int statusBarHeight = 0;
};

struct LayoutResult {
    int editorWidth = 0;
    int editorLeft = 10;
    int editorTop = 0;
    int editorHeight = 0;
    int middleX = 10; // Panel1, delaypanel, calibratPanel and the media players
    int rightX = 0;   // GroupBox1, RadioGroup1, RadioGroup2
};

LayoutResult computeLayout(const LayoutInput &in);

struct StatsInput {
    OutputRect output;
    bool fadeTitlesChecked = false; // the "Fade Titles ..." menu check mark
    bool fadeTitles = false, fadeAnti = false, fadeTwoline = false, fadeTVTitle = false;
};

struct StatsTexts {
    QString panel3, staticText3, staticText5, staticText6, staticText7, staticText8, staticText9,
        staticText10;
};

StatsTexts computeStats(const StatsInput &in);

} // namespace mainlayout
