#pragma once

#include <QSignalBlocker>
#include <QSlider>

namespace platform {

// A track bar's position set by the program: clamped to the bar's range, and none of the
// bar's change rules runs (only an operator's move runs them).
inline void setTrackBarPosition(QSlider *bar, int position) {
    const QSignalBlocker block(bar);
    bar->setValue(position);
}

} // namespace platform
