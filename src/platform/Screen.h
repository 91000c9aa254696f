#pragma once

#include <QSize>

namespace platform {

// The screen the play window covers: its size in pixels and colour depth in bits per
// pixel (what GetDeviceCaps answered). Tests may set both.
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
