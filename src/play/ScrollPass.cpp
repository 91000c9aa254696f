// The scrolling pass: each script line is drawn once into the line strip and moved onto
// the play surface one pixel row per step, each followed by the wait that sets the pace;
// messages run once per line, in the pre-roll waits and in pauses.
#include "play/BlackScroll.h"

#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/Retrace.h"
#include "platform/TrackBar.h"
#include "play/Mirror.h"
#include "play/PlayHost.h"

#include <QLabel>
#include <QSlider>

void TForm4::updatebitmap() {
    EraseAllowed = true;
    m_strip.updatebitmap(m_options.editorFont, m_options.editorPointSize(), m_options.textColor,
                         m_options.backColor, m_options.fadeTitles && m_options.fadeTwoline,
                         m_options.outputWidth());
    m_brushColor = m_options.backColor;
    EraseAllowed = false;
}

void TForm4::DIsplayCtrMarker(int Y, int Colour) {
    m_penColor = Colour;
    m_surface.drawCtrMarker(Y, rgbOf(Colour), rgbOf(m_brushColor));
    // Repainting the pending areas also runs a pending erase, as the screen would.
    repaintNow();
}

void TForm4::pauseUNtilSpaceBarReset() {
    // The picture shows every row scrolled in so far. Leaving the play (Esc, a left click,
    // "E&xit") disables the window: the pause is over then too, so that the pass can return.
    m_presenter.showNewest();
    while (Paused && isEnabled())
        platform::waitForMessages();
    Paused = false;
}

void TForm4::scrollLineIn(bool synced) {
    const QImage &rows = m_strip.toRgb32(); // converted once for all rows of the line
    const int height = m_strip.StripHeight();
    const int width = rows.width();
    for (int i = 0; i < height; ++i) {
        m_surface.writeEntryRow(reinterpret_cast<const QRgb *>(rows.constScanLine(i)), width);
        if (synced)
            platform::Retrace::wait();
        m_surface.scrollUp();
        // The row goes to the screen through the presenter, not as a change of the surface.
        m_surface.clearDirty();
        m_presenter.rowScrolledIn(reinterpret_cast<const QRgb *>(rows.constScanLine(i)), width);
        m_presenter.poll();
        waitRow(m_host->delay()); // read afresh at every row
    }
}

void TForm4::mirrorFailed() {
    setEnabled(false);
    m_strip.strip().setSize(1, m_strip.strip().height());
    platform::MessageBoxes::information(
        QStringLiteral("Native Video Driver problem.") + QLatin1Char('\r') +
        QStringLiteral("Please change your system display settings and try again."));
    closeform4();
}

bool TForm4::drawAndMirror(bool TVTitle, bool Centring, bool Mirror) {
    const bool previousEmpty = CurrentLine == 0 || m_host->line(CurrentLine - 1).isEmpty();
    m_strip.drawLine(m_host->line(CurrentLine), previousEmpty, TVTitle, Centring);
    if (Mirror && !mirrorStrip(m_strip.strip())) {
        mirrorFailed();
        return false;
    }
    return true;
}

void TForm4::Form4Startup(bool TVTitle, bool Centring, bool Mirror, bool Calibration) {
    const PlayOptions &o = m_options;
    // Text and background must differ.
    if (o.textColor == o.backColor) {
        platform::MessageBoxes::information(
            QStringLiteral("Font color and background color are the same."));
        closeform4();
        return;
    }
    // The strip afresh, in its pixel format; one bit per pixel plays white on black, and
    // the settings keep those colours.
    m_strip.strip().setSize(1, 1);
    updatebitmap();
    m_strip.selectPixelFormat(o.processType, Mirror);
    if (m_strip.isMonochrome()) {
        m_options.textColor = 0xFFFFFF;
        m_options.backColor = 0;
        m_host->setPlayColors(o.textColor, o.backColor);
        m_strip.setColors(o.textColor, o.backColor);
        m_color = o.backColor;
        m_fontColor = o.textColor;
    }
    // Armed media, colour bars and the count-down.
    if (!prerollPictures())
        return;
    // Ten seconds of empty background.
    if (o.tenSecondBackground) {
        EraseAllowed = true;
        invalidate();
        m_host->Startdelay(10);
    }
    // Scrolling begins: two one-second pauses unless "No Pause", and between them the
    // screen is cleared, except after a reverse scroll, whose picture the text continues.
    Scrolling = true;
    if (!o.noPause)
        m_host->Startdelay(1);
    m_brushColor = o.backColor;
    if (!Reversed || Mirror) {
        EraseAllowed = true;
        invalidate();
    } else {
        EraseAllowed = false;
    }
    if (!o.noPause)
        m_host->Startdelay(1);
    // Window mode: the operator panel shows the speed and the play font size.
    if (!o.videoMode) {
        platform::setTrackBarPosition(TrackBar2, o.editorPointSize());
        Label1->setText(QString::number(o.delayBarPosition * m_host->delayFactor()));
        Label4->setText(QString::number(o.editorPointSize() * 2));
        setCursor(Qt::DragMoveCursor);
        Panel1->show();
    }
    if (o.centerMarker)
        DIsplayCtrMarker(height() / 2, o.textColor);
    // The entry row is the bottom row of the scroll area.
    m_surface.setScrollArea(o.left, o.top, o.right, o.bottom);
    m_host->startVideoWithText();
    if (o.videoMode)
        setCursor(Qt::BlankCursor);
    // The first line: after a reverse scroll the one below the line reached, else the
    // caret's line with "Start from Cursor", else the first.
    if (Reversed)
        CurrentLine = BackLine + 1;
    else if (o.startFromCursor)
        CurrentLine = o.caretLine;
    else
        CurrentLine = 0;
    Reversed = false;
    if (o.centerMarker)
        DIsplayCtrMarker(height() / 2, o.textColor);
    m_strip.ClearBitmap();
    pumpMessages();

    // The main loop: one script line per turn. The screen shows the picture as it stands;
    // from here on the scrolled rows reach it through the presenter.
    presentDirty();
    m_presenter.setFollowRows(o.syncRetrace);
    m_presenter.beginRows(m_surface);
    while (CurrentLine <= m_host->lineCount() - 1 && isEnabled()) {
        LineActive = true;
        if (!isVisible())
            closeform4(); // the loop ends at its next test
        const int started = Calibration ? platform::Clock::msOfDay() : 0;
        if (!drawAndMirror(TVTitle, Centring, Mirror))
            return;
        scrollLineIn(o.syncRetrace);
        m_strip.ClearBitmap();
        if (Calibration) {
            // A calibration plays one line and hands its time to the estimate.
            ElapsedMs = platform::Clock::msOfDay() - started;
            m_options.calibrating = false;
            m_host->calibrated(ElapsedMs);
            setEnabled(false);
            closeform4();
        }
        CurrentLine += 1;
        LineActive = true;
        pumpMessages(); // the operator's keys and buttons act here
    }
    // The end of the text, or an exit: the newest row is shown at once.
    m_presenter.showNewest();
    // An exit through a disabled window skips the end steps.
    if (!isEnabled())
        return;
    Scrolling = false;
    if (o.tenSecondBackground)
        m_host->Startdelay(10);
    if (o.stopAtEnd) {
        Paused = true;
        pauseUNtilSpaceBarReset();
    }
}
