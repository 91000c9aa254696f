#pragma once

#include "settings/OutputRect.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// The arithmetic of the output window dialog: the rectangle of a chosen size centred on
// the screen, and the one-sixth preview of the screen with the title's marker on it.
namespace outputwindow {

// The preview's scale: one preview pixel is six screen pixels.
inline constexpr int kPreviewScale = 6;

// A width x height output window centred on the screen: SW / 2 - W / 2 to SW / 2 + W / 2,
// and the same vertically (an odd size loses one pixel).
OutputRect centredRect(int width, int height, QSize screen);

// The preview: the screen at one sixth, and a screen rectangle or point on it.
QSize previewSize(QSize screen);
QRect previewBox(const OutputRect &rect);
QPoint toPreview(QPoint screenPoint);
// A point of the preview as a screen position (what dragging the marker sets the bars to).
QPoint fromPreview(QPoint previewPoint);

// Fade mode: the title's top that an operator's move of the vertical bar sets: the bar's
// position less twice the editor's point size.
int fadeTopForBar(int barPosition, int editorPointSize);

} // namespace outputwindow
