// The operator's controls during play: keys, mouse buttons, the reverse scroll and the
// window-mode panel. They run from the pass's message pumps, so they act between lines.
#include "play/BlackScroll.h"

#include "app/Forms.h"
#include "app/Mainform.h"
#include "editor/ScriptEditor.h"
#include "platform/Platform.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <QToolButton>

namespace {
constexpr int kKeyEsc = 27;
constexpr int kKeySpace = 32;
constexpr int kKeyPageUp = 33;
constexpr int kKeyPageDown = 34;
constexpr int kKeyUp = 38;
constexpr int kKeyDown = 40;
// Keys slow the text down only while the delay is below this.
constexpr int kSlowestByKey = 6000;
} // namespace

void TForm4::onkeyHideBlackScreen(int key) {
    TForm1 *m = Form1;
    if (!m)
        return;
    switch (key) {
    case kKeyEsc:
        if (FadeRunning) {
            killnow = true;
            return;
        }
        setEnabled(false);
        closeform4();
        break;
    case kKeyPageUp:
        if (m->PgJumpAmt < m->Delay)
            m->Delay -= m->PgJumpAmt;
        break;
    case kKeyPageDown:
        if (m->Delay < kSlowestByKey)
            m->Delay += m->PgJumpAmt;
        break;
    case kKeyUp:
        if (m->ArrowAmt < m->Delay)
            m->Delay -= m->ArrowAmt;
        break;
    case kKeyDown:
        if (m->Delay < kSlowestByKey)
            m->Delay += m->ArrowAmt;
        break;
    case kKeySpace:
        if (Paused) {
            Paused = false;
        } else {
            Paused = true;
            pauseUNtilSpaceBarReset();
        }
        break;
    default:
        break;
    }
    platform::pumpMessages();
}

void TForm4::PlayFormMouseDown(Qt::MouseButton button) {
    TForm1 *m = Form1;
    if (!m)
        return;
    if (button == Qt::LeftButton) {
        if (FadeRunning && !killnow) {
            killnow = true;
            return;
        }
        if (!Reversed) {
            setEnabled(false);
            closeform4();
            return;
        }
        // Resume after a reverse scroll: a clear screen and a pass from BackLine + 1.
        RightHeld = false;
        Paused = false;
        EraseAllowed = true;
        invalidate();
        repaintNow();
        EraseAllowed = false;
        if (m->CtrMarkerCheckbox->isChecked())
            DIsplayCtrMarker(height() / 2, m->DisPlaColor);
        Form4Startup(m->TVTitle1->isChecked(), m->CenterText1->isChecked(),
                     m->ReverseButton->isChecked(), m->Calibrating);
        return;
    }
    if (button == Qt::RightButton && Scrolling && LineActive) {
        RightHeld = true;
        platform::pumpMessages();
        highspeedreversit();
    }
}

void TForm4::PlayFormMouseUp(Qt::MouseButton button) {
    if (button == Qt::RightButton && Reversed) {
        Paused = true;
        pauseUNtilSpaceBarReset();
        platform::pumpMessages();
    }
}

void TForm4::highspeedreversit() {
    TForm1 *m = Form1;
    Reversed = true;
    BackLine = CurrentLine;
    if (m->CtrMarkerCheckbox->isChecked()) {
        DIsplayCtrMarker(height() / 2, m->FormColor);
        DIsplayCtrMarker(OutTop + 40, m->DisPlaColor);
    }
    m_pacer.reset();
    while (Reversed && BackLine >= m->CaretLine && isEnabled() && RightHeld) {
        CurrentLine -= 1;
        // At twice the editor's size, centred when the "Center" tool button is down.
        m_strip.drawReverseLine(m->Memo1->line(BackLine), m->ToolButton7->isChecked());
        platform::pumpMessages();
        // Two rows at a time onto the top of the output rectangle, pushed down by two.
        const QImage &rows = m_strip.toRgb32();
        const int width = rows.width();
        for (int y = m_strip.StripHeight() - 2; y >= 0; y -= 2) {
            m_surface.writeTopRows(reinterpret_cast<const QRgb *>(rows.constScanLine(y)),
                                   reinterpret_cast<const QRgb *>(rows.constScanLine(y + 1)),
                                   width);
            m_surface.scrollArea(2);
            presentRow(y < 2, false);
        }
        m_strip.ClearBitmap();
        if (BackLine >= m->CaretLine)
            BackLine -= 1;
    }
    Paused = true;
    pauseUNtilSpaceBarReset();
}

void TForm4::TrackBar1Change() {
    TForm1 *m = Form1;
    m->Delay = TrackBar1->value() * m->DelayFactor;
    Label1->setText(QString::number(TrackBar1->value() * m->DelayFactor));
}

void TForm4::CheckBox1Click() {
    TForm1 *m = Form1;
    m->DelayFactor = CheckBox1->isChecked() ? 10 : 1;
    m->CheckBox1->setChecked(CheckBox1->isChecked());
    TrackBar1Change();
}

void TForm4::TrackBar2Change() {
    TForm1 *m = Form1;
    setCanvasFontSize(2 * m->editorFontSize());
    m->setEditorFontSize(TrackBar2->value());
    TForm1::setTrackBarPosition(m->TrackBar1, m->editorFontSize());
    Label4->setText(QString::number(2 * m->editorFontSize()));
    updatebitmap();
}

void TForm4::ToolButton2Click() {
    ToolButton3->setEnabled(!ToolButton2->isChecked());
    Paused = ToolButton2->isChecked();
    if (Paused)
        pauseUNtilSpaceBarReset();
}

void TForm4::ToolButton3Click() {
    TForm1 *m = Form1;
    Form4Startup(m->TVTitle1->isChecked(), m->CenterText1->isChecked(),
                 m->ReverseButton->isChecked(), m->Calibrating);
}

void TForm4::SpeedButton1Click() {
    setEnabled(false);
    closeform4();
    platform::pumpMessages();
}
