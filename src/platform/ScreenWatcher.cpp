#include "platform/ScreenWatcher.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

ScreenWatcher::ScreenWatcher(QObject *parent) : QObject(parent) {
    if (!qGuiApp)
        return;
    for (QScreen *s : QGuiApplication::screens())
        watch(s);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen *s) {
        watch(s);
        emit screensChanged();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &ScreenWatcher::screensChanged);
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, &ScreenWatcher::screensChanged);
}

void ScreenWatcher::watch(QScreen *screen) {
    connect(screen, &QScreen::geometryChanged, this, &ScreenWatcher::screensChanged);
}

} // namespace platform
