#include "platform/Colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace platform {

QColor toQColor(int value) {
    if (value < 0) {
        // System colours: the few the program stores map onto the palette.
        const int index = value & 0xFF;
        const QPalette pal = QGuiApplication::palette();
        switch (index) {
        case 5: // window
            return pal.color(QPalette::Base);
        case 8: // window text
            return pal.color(QPalette::Text);
        case 4: // menu
        default:
            return pal.color(QPalette::Window);
        }
    }
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

int fromQColor(const QColor &c) {
    return rgbValue(c.red(), c.green(), c.blue());
}

} // namespace platform
