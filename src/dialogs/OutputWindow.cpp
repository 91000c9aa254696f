#include "dialogs/OutputWindow.h"

namespace outputwindow {

OutputRect centredRect(int width, int height, QSize screen) {
    const int cx = screen.width() / 2;
    const int cy = screen.height() / 2;
    return {cx - width / 2, cy - height / 2, cx + width / 2, cy + height / 2};
}

QSize previewSize(QSize screen) {
    return QSize(screen.width() / kPreviewScale, screen.height() / kPreviewScale);
}

QRect previewBox(const OutputRect &r) {
    return QRect(QPoint(r.left / kPreviewScale, r.top / kPreviewScale),
                 QPoint(r.right / kPreviewScale, r.bottom / kPreviewScale));
}

QPoint toPreview(QPoint p) {
    return QPoint(p.x() / kPreviewScale, p.y() / kPreviewScale);
}

QPoint fromPreview(QPoint p) {
    return p * kPreviewScale;
}

int fadeTopForBar(int barPosition, int editorPointSize) {
    return barPosition - 2 * editorPointSize;
}

} // namespace outputwindow
