#pragma once

#include <QSignalBlocker>
#include <QSlider>

namespace platform {

// A vertical track bar: its minimum at the top, and the keys and the mouse wheel move the
// thumb the way the bar is drawn. Up, Left, Page Up and the wheel turned up move it up,
// towards the minimum; Down, Right, Page Down and the wheel turned down move it down; Home
// and End go to the minimum and the maximum.
class TrackBar : public QSlider {
public:
    explicit TrackBar(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// A track bar's position set by the program: clamped to the bar's range, and none of the
// bar's change rules runs (only an operator's move runs them).
inline void setTrackBarPosition(QSlider *bar, int position) {
    const QSignalBlocker block(bar);
    bar->setValue(position);
}

} // namespace platform
