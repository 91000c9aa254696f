#pragma once

#include <QRect>
#include <QSize>

namespace platform {

// The screen the play window covers: the primary screen's size in pixels and its colour
// depth in bits per pixel, and the part of it that windows may use (the screen less the
// desktop's panels). Tests may set all three.
class Screen {
public:
    static QSize size();
    static int width() { return size().width(); }
    static int height() { return size().height(); }
    static int depth();
    static QRect availableGeometry();

    // An empty `available` is the whole screen.
    static void setOverride(QSize size, int depth = 32, QRect available = QRect());
    static void clearOverride();
};

} // namespace platform
