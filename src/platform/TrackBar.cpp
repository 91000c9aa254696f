#include "platform/TrackBar.h"

#include <QKeyEvent>

namespace platform {

TrackBar::TrackBar(QWidget *parent) : QSlider(Qt::Vertical, parent) {
    setInvertedAppearance(true);
    // Up, Page Up and the wheel turned up step towards the top, where the minimum is.
    setInvertedControls(true);
}

void TrackBar::keyPressEvent(QKeyEvent *event) {
    // Inverted controls would turn Left and Right round as well: Left keeps stepping towards
    // the minimum, as Up does.
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        triggerAction(event->key() == Qt::Key_Left ? SliderSingleStepSub : SliderSingleStepAdd);
        return;
    }
    QSlider::keyPressEvent(event);
}

} // namespace platform
