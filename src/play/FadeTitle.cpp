#include "play/FadeTitle.h"

#include "play/LineStrip.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

QFont sized(QFont f, int points) {
    f.setPointSize(points);
    return f;
}

// Underlined only, or with no style at all.
QFont styled(QFont f, bool underline) {
    f.setBold(false);
    f.setItalic(false);
    f.setStrikeOut(false);
    f.setUnderline(underline);
    return f;
}

int widthOf(const QFont &font, const QString &text) {
    return QFontMetrics(font).horizontalAdvance(text);
}

} // namespace

FadeTitleSizes fadeTitleSizes(int editorPointSize, bool tvTitle) {
    FadeTitleSizes s;
    s.normal = playPointSize(editorPointSize);
    s.title = tvTitle && s.normal - 8 > 0 ? s.normal - 8 : s.normal;
    return s;
}

FadeTitleLayout layoutFadeTitle(const FadeTitleRequest &r) {
    const FadeTitleSizes sizes = fadeTitleSizes(r.editorPointSize, r.tvTitle);
    const int n = sizes.normal;
    const int t = sizes.title;
    const QString line = r.line.trimmed();
    FadeTitleLayout out;
    out.stripWidth = r.stripWidth;
    if (!r.twoLine) {
        const QFont font = r.centre ? sized(r.font, n) : r.font;
        const int x = r.centre ? r.stripWidth / 2 - widthOf(font, line) / 2 : 0;
        out.texts.append({line, font, x, 0});
        out.fontAfter = font;
        return out;
    }
    const QFont first = r.tvTitle ? sized(styled(r.font, true), t) : sized(r.font, n);
    const QFont second = sized(styled(r.font, false), n);
    const QString next = r.next.value_or(QString()).trimmed();
    const int w1 = widthOf(first, line);
    const int w2 = r.next ? widthOf(second, next) : 0;
    out.stripWidth = std::max(w1, w2);
    const int half = out.stripWidth / 2;
    const int x1 = r.centre ? half - w1 / 2 : 0;
    if (!r.next) {
        // The script's last line stands alone, at size N in the style in force.
        const QFont alone = sized(r.font, n);
        out.texts.append({line, alone, x1, 0});
        out.fontAfter = alone;
        return out;
    }
    out.texts.append({line, first, x1, 0});
    out.texts.append({next, second, r.centre ? half - w2 / 2 : 0, n + t / 3});
    out.fontAfter = second;
    return out;
}

TitlePosition placeTitle(bool centerFade, bool lowerThird, QSize title, QSize screen,
                         TitlePosition current) {
    const int sw = screen.width();
    const int sh = screen.height();
    TitlePosition p = current;
    if (centerFade)
        p.left = std::max(0, sw / 2 - title.width() / 2);
    if (lowerThird)
        p.top = sh - sh / 3;
    else if (centerFade)
        p.top = std::max(0, sh / 2 - title.height() / 2);
    return p;
}
