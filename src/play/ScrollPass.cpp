// The scrolling pass: each script line is drawn once into the line strip and moved onto
// the play surface one pixel row per step, each followed by the wait that sets the pace;
// messages run once per line, in the pre-roll waits and in pauses.
#include "play/PlayWindow.h"

#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/PreciseWait.h"
#include "platform/Retrace.h"
#include "platform/TrackBar.h"
#include "play/Mirror.h"
#include "play/PlayHost.h"

#include <QLabel>
#include <QSlider>

void PlayWindow::updateStrip() {
    m_state.eraseAllowed = true;
    m_strip.updateStrip(m_options.editorFont, m_options.editorPointSize(), m_options.textColor,
                        m_options.backgroundColor, m_options.fadeTitles && m_options.fadeTwoLines,
                        m_options.outputWidth());
    m_brushColor = m_options.backgroundColor;
    m_state.eraseAllowed = false;
}

void PlayWindow::drawCenterMarker(int y, int color) {
    m_penColor = color;
    m_surface.drawCenterMarker(y, rgbOf(color), rgbOf(m_brushColor));
    // Repainting the pending areas also runs a pending erase, as the screen would.
    repaintNow();
}

void PlayWindow::pauseUntilSpaceBar() {
    // The picture shows every row scrolled in so far. Leaving the play (Esc, a left click,
    // "E&xit") disables the window: the pause is over then too, so that the pass can return.
    m_presenter.showNewest();
    while (m_state.paused && isEnabled())
        platform::waitForMessages();
    m_state.paused = false;
}

void PlayWindow::holdText() {
    // The reader pauses: the picture shows every row scrolled in so far and the text stands
    // until the voice goes on, the operator takes the speed, or the play is left. Messages
    // run meanwhile, so every key and button acts at once.
    m_presenter.showNewest();
    constexpr qint64 kLookEveryNs = 10'000'000;
    while (isEnabled() && m_host->textHeld()) {
        platform::pumpMessages();
        platform::waitUntilNs(platform::monotonicNs() + kLookEveryNs);
    }
}

void PlayWindow::scrollLineIn(bool synced) {
    const QImage &rows = m_strip.toRgb32(); // converted once for all rows of the line
    const int height = m_strip.stripHeight();
    const int width = rows.width();
    for (int i = 0; i < height; ++i) {
        m_surface.writeEntryRow(reinterpret_cast<const QRgb *>(rows.constScanLine(i)), width);
        if (synced)
            platform::Retrace::wait();
        m_surface.scrollUp();
        // The row goes to the screen through the presenter, not as a change of the surface.
        m_surface.clearDirty();
        m_presenter.rowScrolledIn(reinterpret_cast<const QRgb *>(rows.constScanLine(i)), width,
                                  m_rowSchedule.paceNs());
        m_presenter.poll();
        waitRow(m_host->delay()); // read afresh at every row
        m_host->rowScrolled();
        if (m_host->textHeld())
            holdText();
    }
}

void PlayWindow::mirrorFailed() {
    setEnabled(false);
    m_strip.strip().setSize(1, m_strip.strip().height());
    platform::MessageBoxes::information(
        QStringLiteral("Native Video Driver problem.") + QLatin1Char('\r') +
        QStringLiteral("Please change your system display settings and try again."));
    closePlay();
}

bool PlayWindow::drawAndMirror(bool tvTitle, bool centring, bool mirror) {
    const bool previousEmpty =
        m_state.currentLine == 0 || m_host->line(m_state.currentLine - 1).isEmpty();
    m_strip.drawLine(m_host->line(m_state.currentLine), previousEmpty, tvTitle, centring);
    if (mirror && !mirrorStrip(m_strip.strip())) {
        mirrorFailed();
        return false;
    }
    return true;
}

void PlayWindow::runScrollPass(bool tvTitle, bool centring, bool mirror, bool measuring) {
    const PlayOptions &o = m_options;
    // Text and background must differ.
    if (o.textColor == o.backgroundColor) {
        platform::MessageBoxes::information(
            QStringLiteral("Font color and background color are the same."));
        closePlay();
        return;
    }
    // The strip afresh, in its pixel format; one bit per pixel plays white on black, and
    // the settings keep those colours.
    m_strip.strip().setSize(1, 1);
    updateStrip();
    m_strip.selectPixelFormat(o.pixelFormat, mirror);
    if (m_strip.isMonochrome()) {
        m_options.textColor = 0xFFFFFF;
        m_options.backgroundColor = 0;
        m_host->setPlayColors(o.textColor, o.backgroundColor);
        m_strip.setColors(o.textColor, o.backgroundColor);
        m_color = o.backgroundColor;
        m_fontColor = o.textColor;
    }
    // Armed media, colour bars and the count-down.
    if (!prerollPictures())
        return;
    // Ten seconds of empty background.
    if (o.tenSecondBackground) {
        m_state.eraseAllowed = true;
        invalidate();
        m_host->waitSeconds(10);
    }
    // Scrolling begins: two one-second pauses unless "No Pause", and between them the
    // screen is cleared, except after a reverse scroll, whose picture the text continues.
    m_state.scrolling = true;
    if (!o.noPause)
        m_host->waitSeconds(1);
    m_brushColor = o.backgroundColor;
    if (!m_state.reversed || mirror) {
        m_state.eraseAllowed = true;
        invalidate();
    } else {
        m_state.eraseAllowed = false;
    }
    if (!o.noPause)
        m_host->waitSeconds(1);
    // Window mode: the operator panel shows the speed and the play font size.
    if (!o.videoMode) {
        platform::setTrackBarPosition(m_ui.fontSizeBar, o.editorPointSize());
        m_ui.delayLabel->setText(QString::number(o.delayBarPosition * m_host->delayFactor()));
        m_ui.fontSizeLabel->setText(QString::number(o.editorPointSize() * 2));
        setCursor(Qt::DragMoveCursor);
        m_ui.operatorPanel->show();
    }
    if (o.centerMarker)
        drawCenterMarker(height() / 2, o.textColor);
    // The entry row is the bottom row of the scroll area.
    m_surface.setScrollArea(o.left, o.top, o.right, o.bottom);
    m_host->startVideoWithText();
    if (o.videoMode)
        setCursor(Qt::BlankCursor);
    // The first line: after a reverse scroll the one below the line reached, else the
    // caret's line with "Start from Cursor", else the first.
    if (m_state.reversed)
        m_state.currentLine = m_state.backLine + 1;
    else if (o.startFromCursor)
        m_state.currentLine = o.caretLine;
    else
        m_state.currentLine = 0;
    m_state.reversed = false;
    if (o.centerMarker)
        drawCenterMarker(height() / 2, o.textColor);
    m_strip.clearStrip();
    pumpMessages();

    // The main loop: one script line per turn. The screen shows the picture as it stands;
    // from here on the scrolled rows reach it through the presenter.
    presentDirty();
    m_presenter.setFollowRows(o.syncRetrace);
    m_presenter.beginRows(m_surface);
    // The reading line: the centre marker's height, else a third of the output rectangle
    // from its top. The entry row is the scroll area's bottom row.
    if (!measuring) {
        const int readingLine = o.centerMarker ? height() / 2 : o.top + (o.bottom - o.top) / 3;
        m_host->textStarted(m_state.currentLine, m_strip.stripHeight(),
                            (o.bottom - 1) - readingLine);
    }
    while (m_state.currentLine <= m_host->lineCount() - 1 && isEnabled()) {
        m_state.lineActive = true;
        if (!isVisible())
            closePlay(); // the loop ends at its next test
        const int started = measuring ? platform::Clock::msOfDay() : 0;
        if (!drawAndMirror(tvTitle, centring, mirror))
            return;
        scrollLineIn(o.syncRetrace);
        m_strip.clearStrip();
        if (measuring) {
            // A calibration plays one line and hands its time to the estimate.
            m_state.elapsedMs = platform::Clock::msOfDay() - started;
            m_options.measuringReadingTime = false;
            m_host->readingTimeMeasured(m_state.elapsedMs);
            setEnabled(false);
            closePlay();
        }
        m_state.currentLine += 1;
        m_state.lineActive = true;
        pumpMessages(); // the operator's keys and buttons act here
    }
    // The end of the text, or an exit: the newest row is shown at once.
    m_host->textEnded();
    m_presenter.showNewest();
    // An exit through a disabled window skips the end steps.
    if (!isEnabled())
        return;
    m_state.scrolling = false;
    if (o.tenSecondBackground)
        m_host->waitSeconds(10);
    if (o.stopAtEnd) {
        m_state.paused = true;
        pauseUntilSpaceBar();
    }
}
