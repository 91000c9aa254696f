#pragma once

#include <QFont>
#include <QList>
#include <QSize>
#include <QString>

#include <optional>

// How a fade title is laid out in the strip and where it stands on the screen. No drawing
// here: the play window draws what the layout says.

// The title's point sizes: N, twice the editor's size (the play text), and T, N - 8 for TV
// titles when that is above 0, else N.
struct FadeTitleSizes {
    int normal = 0; // N
    int title = 0;  // T
};
FadeTitleSizes fadeTitleSizes(int editorPointSize, bool tvTitle);

struct FadeTitleRequest {
    QString line;                // the script line k
    std::optional<QString> next; // line k + 1, when the script has one (two-line titles)
    QFont font;                  // the strip's font as the last title left it
    int editorPointSize = 0;
    int stripWidth = 0; // the strip's width before this title (the output width)
    bool twoLine = false;
    bool tvTitle = false; // the first line of a two-line title underlined at size T
    bool centre = false;  // "Center Text"
};

// One text of the title: drawn with its cell's top-left corner at (x, y).
struct FadeTitleText {
    QString text;
    QFont font;
    int x = 0;
    int y = 0;
};

struct FadeTitleLayout {
    int stripWidth = 0;
    QList<FadeTitleText> texts;
    QFont fontAfter; // the strip's font once the title is drawn
};

// The title for line k, its texts trimmed of leading and trailing blanks.
// One line: centred at size N with "Center Text" (x = strip width / 2 - text width / 2),
// else at x = 0 in the font as it stands; the strip keeps its width.
// Two lines: the strip becomes as wide as the wider line, W1 (line k at T for TV titles,
// else at N) or W2 (line k + 1 at N). Line k is drawn at y = 0: underlined only at T for TV
// titles, else at N in the style in force; line k + 1 plain at N with its top at N + T / 3
// (the point sizes used as pixel offsets). With "Center Text" each line is centred on half
// the strip's width. When line k is the script's last, it is drawn alone at N in the style
// in force.
FadeTitleLayout layoutFadeTitle(const FadeTitleRequest &request);

// Where a title of the given size stands: the output rectangle's left and top.
struct TitlePosition {
    int left = 0;
    int top = 0;
    bool operator==(const TitlePosition &) const = default;
};

// The automatic placement ("Auto Center", "Position in lower third"), on a screen:
//   centred only: top = SH / 2 - H / 2, left = SW / 2 - W / 2;
//   lower third only: top = SH - SH / 3, left unchanged;
//   both: top = SH - SH / 3, left = SW / 2 - W / 2;
//   neither: unchanged.
// A title wider or taller than the screen is placed at 0 and clipped by the screen's
// right or bottom edge, never placed left of or above it.
TitlePosition placeTitle(bool centerFade, bool lowerThird, QSize title, QSize screen,
                         TitlePosition current);
