#include "media/Tform8.h"

Tform8::Tform8(QWidget *parent) : QWidget(parent, Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Tform8"));
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    setStyleSheet(QStringLiteral("background-color: black"));
    setWindowState(Qt::WindowMaximized);
}
