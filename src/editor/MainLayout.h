#pragma once

#include "settings/OutputRect.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

// Window-free arithmetic of the main window: the output rectangle chosen in "Screen Res",
// the layout rule of the panels, the window's size on a first start and the summary texts.
namespace mainlayout {

// The main window's size as designed.
inline constexpr QSize kDesignedWindowSize(900, 600);
// The editor is never fitted lower than this.
inline constexpr int kMinimumEditorHeight = 100;
using OutputRect = ::OutputRect;

// The output rectangle for a "Screen Res" item on a screen sw x sh; marker adds the 15-pixel
// strip on the left for the centre marker. Nothing for an index outside 0..5.
std::optional<OutputRect> screenResRect(int index, int sw, int sh, bool marker);

struct LayoutInput {
    OutputRect output;
    bool editorVisible = true;
    bool toolBarVisible = true;
    int toolBarBottom = 0;
    int autoTimerPanelWidth = 0;
    int clientHeight = 0; // the whole client area, status bar included
    int statusBarHeight = 0;
};

struct LayoutResult {
    int editorWidth = 0;
    int editorLeft = 10;
    int editorTop = 0;
    int editorHeight = 0;
    int middleX = 10; // the auto-timer, delay and reading-time panels and the media players
    int rightX = 0;   // the play options and the pixel processing and screen res groups
};

LayoutResult computeLayout(const LayoutInput &in);

// A shown panel of the middle or the right column: its designed top and its size.
struct ColumnPanel {
    bool rightColumn = false;
    int top = 0;
    QSize size;
};

struct FitInput {
    LayoutInput layout; // its clientHeight and statusBarHeight are not used
    std::vector<ColumnPanel> panels;
    int toolBarWidth = 0; // the tool bar's own width when it is shown, else 0
    int menuBarWidth = 0; // the menu bar's width with every title on one row
};

// The smallest client area (between the menu bar and the status bar) in which the layout
// rule shows the tool bar, the editor (at least kMinimumEditorHeight high) and every given
// panel wholly, with its 10-pixel margins.
QSize fittingClientSize(const FitInput &in);

struct WindowPlacement {
    QRect geometry;
    bool maximised = false;
};

// Where a window that needs `needed` (menu bar, client area and status bar) goes on a screen
// whose usable part is `available`: as wide as needed and the designed height where that
// is taller, centred; maximised over the available area where that is smaller than needed.
WindowPlacement placeWindow(QSize needed, QRect available);

struct StatsInput {
    OutputRect output;
    bool fadeTitlesChecked = false; // the "Fade Titles ..." menu check mark
    bool fadeTitles = false, fadeAntialias = false, fadeTwoLines = false, fadeTvTitle = false;
};

struct StatsTexts {
    QString statusText, rightBottomText, fadingText, windowSizeText, leftTopText, antialiasText,
        twoLinesText, tvTitleText;
};

StatsTexts computeStats(const StatsInput &in);

} // namespace mainlayout
