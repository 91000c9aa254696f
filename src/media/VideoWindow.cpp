#include "media/VideoWindow.h"

#include <QGuiApplication>

VideoWindow::VideoWindow(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("VideoWindow"));
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Clicks and keys go to the window it stands in.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

VideoWindow::~VideoWindow() {
    if (aboutToBeDestroyed)
        aboutToBeDestroyed();
}

quintptr VideoWindow::nativeId() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return 0;
    return static_cast<quintptr>(winId());
}

void VideoWindow::paintEvent(QPaintEvent *) {
    if (exposed)
        exposed();
}
