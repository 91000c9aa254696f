#pragma once

#include <QColor>
#include <QRgb>

namespace platform {

// A colour value: 0x00BBGGRR for an RGB colour (red in the low byte), or a negative value
// 0x80000000 + n naming system colour n.
constexpr int kMenuSystemColor = static_cast<int>(0x80000004u);

QColor toQColor(int colorValue);
int fromQColor(const QColor &c);
inline int rgbValue(int r, int g, int b) {
    return (b << 16) | (g << 8) | r;
}

} // namespace platform
