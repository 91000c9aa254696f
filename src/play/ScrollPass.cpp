// The scrolling pass: each script line is drawn once into the line strip and moved onto
// the play surface one pixel row per step, paced by the busy-wait; messages run once per
// line, in the pre-roll waits and in pauses.
#include "play/BlackScroll.h"

#include "app/Forms.h"
#include "app/Mainform.h"
#include "editor/ScriptEditor.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "play/Mirror.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

void TForm4::updatebitmap() {
    TForm1 *m = Form1;
    EraseAllowed = true;
    m_strip.updatebitmap(m->Memo1->font(), m->editorFontSize(), m->DisPlaColor, m->FormColor,
                         m->FadeTitles && m->FadeTwoline, OutRight - m->S_Left);
    m_brushColor = m->FormColor;
    EraseAllowed = false;
}

void TForm4::DIsplayCtrMarker(int Y, int Colour) {
    m_penColor = Colour;
    m_surface.drawCtrMarker(Y, rgbOf(Colour), rgbOf(m_brushColor));
    // Repainting the pending areas also runs a pending erase, as the screen would.
    repaintNow();
}

void TForm4::pauseUNtilSpaceBarReset() {
    // Leaving the play (Esc, a left click, "E&xit") disables the window: the pause is over
    // then too, so that the pass can return.
    while (Paused && isEnabled())
        platform::waitForMessages();
    Paused = false;
}

void TForm4::presentRow(bool lastRowOfLine, bool synced) {
    // With the retrace wait every row is its own frame. Otherwise at most one present per
    // display refresh; the last row of a line that may not be shown yet is shown as soon
    // as the refresh allows, at the latest from the message pump after the line.
    if (synced || m_pacer.due()) {
        m_deferredPresent->stop();
        presentDirty();
    } else if (lastRowOfLine && !m_deferredPresent->isActive()) {
        m_deferredPresent->start(qMax(1, m_pacer.msUntilDue()));
    }
}

void TForm4::presentWhenDue() {
    if (m_pacer.due())
        presentDirty();
    else
        m_deferredPresent->start(qMax(1, m_pacer.msUntilDue()));
}

void TForm4::scrollLineIn(bool synced) {
    TForm1 *m = Form1;
    const QImage &rows = m_strip.toRgb32(); // converted once for all rows of the line
    const int height = m_strip.StripHeight();
    const int width = rows.width();
    for (int i = 0; i < height; ++i) {
        m_surface.writeEntryRow(reinterpret_cast<const QRgb *>(rows.constScanLine(i)), width);
        if (synced)
            m->chkcrt();
        m_surface.scrollUp();
        presentRow(i == height - 1, synced);
        m->vdelayit(m->Delay); // read afresh at every row
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
    const ScriptEditor *memo = Form1->Memo1;
    const bool previousEmpty = CurrentLine == 0 || memo->line(CurrentLine - 1).isEmpty();
    m_strip.drawLine(memo->line(CurrentLine), previousEmpty, TVTitle, Centring);
    if (Mirror && !mirrorStrip(m_strip.strip())) {
        mirrorFailed();
        return false;
    }
    return true;
}

void TForm4::Form4Startup(bool TVTitle, bool Centring, bool Mirror, bool Calibration) {
    TForm1 *m = Form1;
    if (!m)
        return;
    // 1. Text and background must differ.
    if (m->DisPlaColor == m->FormColor) {
        platform::MessageBoxes::information(
            QStringLiteral("Font color and background color are the same."));
        closeform4();
        return;
    }
    // 2. The strip afresh, in its pixel format; one bit per pixel plays white on black.
    m_strip.strip().setSize(1, 1);
    updatebitmap();
    m_strip.selectPixelFormat(m->ProcessType, Mirror);
    if (m_strip.isMonochrome()) {
        m->DisPlaColor = 0xFFFFFF;
        m->FormColor = 0;
        m_strip.setColors(m->DisPlaColor, m->FormColor);
        m_color = m->FormColor;
        m_fontColor = m->DisPlaColor;
    }
    // 3. Media, first point.
    if (m->SpeedButton2->isChecked() && m->WaveArmed && Media.startArmed)
        Media.startArmed();
    // 4.
    ElapsedMs = 0;
    EraseAllowed = true;
    invalidate();
    // 5. Colour bars.
    if (m->usecolorbars->isChecked()) {
        StartColorBars();
        EraseAllowed = true;
        invalidate();
        repaintNow();
        EraseAllowed = false;
    }
    // 6. Count-down.
    if (m->UseCountDown->isChecked()) {
        StartCOuntDown();
        m->Startdelay(1);
        EraseAllowed = true;
        invalidate();
        repaintNow();
        EraseAllowed = false;
    }
    // 7. Blank lead-in.
    if (m->Use10secondbackground1->isChecked()) {
        EraseAllowed = true;
        invalidate();
        m->Startdelay(10);
    }
    // 8.-12.
    Scrolling = true;
    const bool noPause = m->Nopausecheckbox->isChecked();
    if (!noPause)
        m->Startdelay(1);
    m_brushColor = m->FormColor;
    if (!Reversed || Mirror) {
        EraseAllowed = true;
        invalidate();
    } else {
        EraseAllowed = false; // after a reverse scroll the picture is kept
    }
    if (!noPause)
        m->Startdelay(1);
    // 13. Window mode: the operator panel.
    const bool videoMode = m->VideoMode1->isChecked();
    if (!videoMode) {
        TForm1::setTrackBarPosition(TrackBar2, m->editorFontSize());
        Label1->setText(QString::number(m->TrackBar2->value() * m->DelayFactor));
        Label4->setText(QString::number(m->editorFontSize() * 2));
        setCursor(Qt::DragMoveCursor);
        Panel1->show();
    }
    // 14.
    const bool marker = m->CtrMarkerCheckbox->isChecked();
    if (marker)
        DIsplayCtrMarker(height() / 2, m->DisPlaColor);
    // 15. The entry row is the bottom row of the scroll area.
    m_surface.setScrollArea(OutLeft, OutTop, OutRight, OutBottom);
    // 16. Media, second point.
    if (m->AviStartsWithText && Media.startAviWithText)
        Media.startAviWithText();
    // 17.
    if (videoMode)
        setCursor(Qt::BlankCursor);
    // 18. Start line.
    if (Reversed)
        CurrentLine = BackLine + 1;
    else if (m->StartfromCursor1->isChecked())
        CurrentLine = m->CaretLine;
    else
        CurrentLine = 0;
    Reversed = false;
    // 19.-20.
    if (marker)
        DIsplayCtrMarker(height() / 2, m->DisPlaColor);
    m_strip.ClearBitmap();
    pumpMessages();

    // The main loop: one script line per turn.
    m_pacer.reset();
    while (CurrentLine <= m->LineCount - 1 && isEnabled()) {
        LineActive = true;
        if (!isVisible())
            closeform4(); // the loop ends at its next test
        const int started = Calibration ? platform::Clock::msOfDay() : 0;
        if (!drawAndMirror(TVTitle, Centring, Mirror))
            return;
        scrollLineIn(m->SyncWRetrace1->isChecked());
        m_strip.ClearBitmap();
        if (Calibration) {
            ElapsedMs = platform::Clock::msOfDay() - started;
            m->showEstimate();
            m->Calibrating = false;
            setEnabled(false);
            closeform4();
        }
        CurrentLine += 1;
        LineActive = true;
        pumpMessages(); // the operator's keys and buttons act here
    }
    // An exit through a disabled window skips the end steps.
    if (!isEnabled())
        return;
    Scrolling = false;
    if (m->Use10secondbackground1->isChecked())
        m->Startdelay(10);
    if (m->stopatend->isChecked()) {
        Paused = true;
        pauseUNtilSpaceBarReset();
    }
}
