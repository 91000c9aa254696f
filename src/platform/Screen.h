#pragma once

#include <QSize>

namespace platform {

// The screen the play window covers: the primary screen's size in pixels and its colour
// depth in bits per pixel. Tests may set both.
class Screen {
public:
    static QSize size();
    static int width() { return size().width(); }
    static int height() { return size().height(); }
    static int depth();

    static void setOverride(QSize size, int depth = 32);
    static void clearOverride();
};

} // namespace platform
