#include "editor/MainLayout.h"

#include <algorithm>

namespace mainlayout {

std::optional<OutputRect> screenResRect(int index, int sw, int sh, bool marker) {
    const int m = marker ? 15 : 0;
    const int hw = sw / 2;
    const int hh = sh / 2;
    switch (index) {
    case 0:
        return OutputRect{m, 0, sw, sh};
    case 1:
        return OutputRect{hw - 320 + m, hh - 240, hw + 320, hh + 240};
    case 2:
        return OutputRect{hw - 250 + m, hh - 210, hw + 250, hh + 210};
    case 3:
        return OutputRect{hw - 200 + m, hh - 160, hw + 200, hh + 160};
    case 4:
        return OutputRect{hw - 160 + m, hh - 90, hw + 160, hh + 90};
    case 5:
        return OutputRect{m, hh - 90, sw, hh + 90};
    default:
        return std::nullopt;
    }
}

LayoutResult computeLayout(const LayoutInput &in) {
    LayoutResult r;
    r.editorWidth = (in.output.right - in.output.left) / 2;
    r.middleX = in.editorVisible ? 10 + r.editorWidth + 10 : 10;
    r.rightX = r.middleX + in.autoTimerPanelWidth + 10;
    r.editorTop = in.toolBarVisible ? in.toolBarBottom + 10 : 0;
    r.editorHeight = in.clientHeight - r.editorTop - in.statusBarHeight - 10;
    r.editorLeft = 10;
    return r;
}

QSize fittingClientSize(const FitInput &in) {
    const LayoutResult r = computeLayout(in.layout);
    int width = std::max(in.toolBarWidth, in.menuBarWidth);
    int height = in.layout.toolBarVisible ? in.layout.toolBarBottom : 0;
    if (in.layout.editorVisible) {
        width = std::max(width, r.editorLeft + r.editorWidth + 10);
        height = std::max(height, r.editorTop + kMinimumEditorHeight + 10);
    }
    for (const ColumnPanel &p : in.panels) {
        const int x = p.rightColumn ? r.rightX : r.middleX;
        width = std::max(width, x + p.size.width() + 10);
        height = std::max(height, p.top + p.size.height() + 10);
    }
    return {width, height};
}

WindowPlacement placeWindow(QSize needed, QRect available) {
    if (needed.width() > available.width() || needed.height() > available.height())
        return {available, true};
    const QSize size(needed.width(),
                     std::clamp(kDesignedWindowSize.height(), needed.height(), available.height()));
    const QPoint topLeft(available.x() + (available.width() - size.width()) / 2,
                         available.y() + (available.height() - size.height()) / 2);
    return {QRect(topLeft, size), false};
}

StatsTexts computeStats(const StatsInput &in) {
    const OutputRect &o = in.output;
    const int w = o.right - o.left;
    const int h = o.bottom - o.top;
    StatsTexts t;
    t.statusText = in.fadeTitlesChecked ? QStringLiteral("Left %1 Top %2").arg(o.left).arg(o.top)
                                        : QStringLiteral(" %1 x %2").arg(w).arg(h);
    t.windowSizeText = QStringLiteral("Window %1 x %2").arg(w).arg(h);
    t.fadingText = in.fadeTitles ? QStringLiteral("Fading On") : QString();
    t.antialiasText = in.fadeAntialias ? QStringLiteral("Antialias On") : QString();
    t.twoLinesText = in.fadeTwoLines ? QStringLiteral("Two line On") : QString();
    t.tvTitleText = in.fadeTvTitle ? QStringLiteral("TVTitle On") : QString();
    t.leftTopText = QStringLiteral("Left  :%1 Top :%2").arg(o.left).arg(o.top);
    t.rightBottomText = QStringLiteral("Right :%1 Bottom:%2").arg(o.right).arg(o.bottom);
    return t;
}

} // namespace mainlayout
