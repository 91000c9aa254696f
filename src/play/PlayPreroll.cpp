// The pre-roll pictures on the play window: the colour bars, held for the colour-bar time,
// and the count-down from 10 to 1, as both passes show them.
#include "play/PlayWindow.h"

#include "platform/Colors.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "play/PlayHost.h"
#include "preroll/ColorBars.h"
#include "preroll/CountDown.h"

#include <QPainter>

void PlayWindow::eraseNow() {
    m_state.eraseAllowed = true;
    invalidate();
    repaintNow();
    m_state.eraseAllowed = false;
}

bool PlayWindow::prerollPictures() {
    // Armed media start before the pre-roll; a clean screen is asked for.
    m_host->startArmedMedia();
    m_state.elapsedMs = 0;
    m_state.eraseAllowed = true;
    invalidate();
    // Colour bars, then a clean screen.
    if (m_options.colorBars) {
        if (!showColorBars())
            return false;
        eraseNow();
    }
    // The count-down, a second on its last number, then a clean screen.
    if (m_options.countDown) {
        showCountDown();
        m_host->waitSeconds(1);
        eraseNow();
    }
    return true;
}

bool PlayWindow::showColorBars() {
    pumpMessages();
    // The pattern covers the screen, not the play window.
    const QSize screen = platform::Screen::size();
    const QColor pen = platform::toQColor(m_penColor);
    m_surface.paint([&](QPainter &p) { drawColorBars(p, screen.width(), screen.height(), pen); });
    presentDirty();
    // Leaving the play (Esc, a left click, "E&xit") disables and hides the window: like a
    // pause, the hold is over then.
    const auto showing = [this] {
        return isEnabled() && isVisible();
    };
    m_host->holdColorBars(showing);
    platform::pumpMessages();
    return showing();
}

void PlayWindow::showCountDown() {
    const QFont remembered = m_canvasFont;
    if (m_options.countDown)
        m_canvasFont.setPointSize(120);
    m_brushColor = m_options.backgroundColor;
    m_fontColor = m_options.textColor;
    const QColor ink = platform::toQColor(m_fontColor);
    const QColor fill = platform::toQColor(m_brushColor);
    for (int n = 10; n >= 1; --n) {
        m_host->waitSeconds(1);
        flushErase(); // a repaint pending since before the wait has happened by now
        m_surface.paint([&](QPainter &p) { drawCountDown(p, m_canvasFont, ink, fill, size(), n); });
        presentDirty();
    }
    m_canvasFont = remembered;
}
