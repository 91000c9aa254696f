// The pre-roll pictures on the play window: the colour bars, held for the colour-bar time,
// and the count-down from 10 to 1.
#include "play/BlackScroll.h"

#include "app/Forms.h"
#include "app/Mainform.h"
#include "platform/Colors.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "preroll/ColorBars.h"
#include "preroll/CountDown.h"

#include <QAction>
#include <QPainter>
#include <QTimer>

void TForm4::StartColorBars() {
    TForm1 *m = Form1;
    pumpMessages();
    // The pattern covers the screen, not the play window.
    const QSize screen = platform::Screen::size();
    const QColor pen = platform::toQColor(m_penColor);
    m_surface.paint([&](QPainter &p) { drawColorBars(p, screen.width(), screen.height(), pen); });
    presentDirty();
    if (m->CbarTime == 0)
        m->CbarTime = 15;
    // The seconds are counted in a signed byte: a hold longer than it can count ends when
    // the count runs over instead of never.
    m->BarCount = 0;
    m->holdtimer->setInterval(platform::secondMs());
    m->holdtimer->start();
    while (m->BarCount >= 0 && m->BarCount < m->CbarTime)
        platform::waitForMessages();
    m->holdtimer->stop();
    platform::pumpMessages();
}

void TForm4::StartCOuntDown() {
    TForm1 *m = Form1;
    const QFont remembered = m_canvasFont;
    if (m->UseCountDown->isChecked())
        m_canvasFont.setPointSize(120);
    m_brushColor = m->FormColor;
    m_fontColor = m->DisPlaColor;
    const QColor ink = platform::toQColor(m_fontColor);
    const QColor fill = platform::toQColor(m_brushColor);
    for (int n = 10; n >= 1; --n) {
        m->Startdelay(1);
        flushErase(); // a repaint pending since before the wait has happened by now
        m_surface.paint([&](QPainter &p) { drawCountDown(p, m_canvasFont, ink, fill, size(), n); });
        presentDirty();
    }
    m_canvasFont = remembered;
}
