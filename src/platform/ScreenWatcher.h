#pragma once

#include <QObject>

class QScreen;

namespace platform {

// Tells when the connected screens change: a screen plugged in or unplugged, or a screen's
// place or size changed (and, in tests, the pretend screens replaced). Reached through
// Screen::watcher(). The signal comes as the toolkit reports the change; a removed screen
// is no longer among Screen::screens() by then.
class ScreenWatcher : public QObject {
    Q_OBJECT
public:
    explicit ScreenWatcher(QObject *parent = nullptr);

signals:
    void screensChanged();

private:
    void watch(QScreen *screen);
};

} // namespace platform
