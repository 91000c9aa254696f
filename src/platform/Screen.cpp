#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {
namespace {
bool g_override = false;
QSize g_size;
int g_depth = 32;
QRect g_available;
} // namespace

QSize Screen::size() {
    if (g_override)
        return g_size;
    if (QScreen *s = QGuiApplication::primaryScreen())
        return s->geometry().size();
    return QSize(1024, 768);
}

int Screen::depth() {
    if (g_override)
        return g_depth;
    if (QScreen *s = QGuiApplication::primaryScreen())
        return s->depth();
    return 32;
}

QRect Screen::availableGeometry() {
    if (g_override)
        return g_available.isEmpty() ? QRect(QPoint(0, 0), g_size) : g_available;
    if (QScreen *s = QGuiApplication::primaryScreen())
        return s->availableGeometry();
    return QRect(QPoint(0, 0), size());
}

void Screen::setOverride(QSize size, int depth, QRect available) {
    g_override = true;
    g_size = size;
    g_depth = depth;
    g_available = available;
}

void Screen::clearOverride() {
    g_override = false;
}

} // namespace platform
