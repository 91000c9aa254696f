#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {
namespace {
bool g_override = false;
QSize g_size;
int g_depth = 32;
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

void Screen::setOverride(QSize size, int depth) {
    g_override = true;
    g_size = size;
    g_depth = depth;
}

void Screen::clearOverride() {
    g_override = false;
}

} // namespace platform
