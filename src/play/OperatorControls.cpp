// The operator's controls during play: keys, mouse buttons, the reverse scroll and the
// window-mode panel. They run from the pass's message pumps, so they act between lines.
#include "play/BlackScroll.h"

#include "platform/Platform.h"
#include "platform/TrackBar.h"
#include "play/PlayHost.h"

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
    // The speed keys step the delay; slower only while it is below the limit, faster only
    // while the step leaves it above 0.
    const auto faster = [this](int step) {
        if (step < m_host->delay())
            m_host->setDelay(m_host->delay() - step);
    };
    const auto slower = [this](int step) {
        if (m_host->delay() < kSlowestByKey)
            m_host->setDelay(m_host->delay() + step);
    };
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
        faster(m_options.pgJumpAmt);
        break;
    case kKeyPageDown:
        slower(m_options.pgJumpAmt);
        break;
    case kKeyUp:
        faster(m_options.arrowAmt);
        break;
    case kKeyDown:
        slower(m_options.arrowAmt);
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
        if (m_options.centerMarker)
            DIsplayCtrMarker(height() / 2, m_options.textColor);
        restartPass();
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
    Reversed = true;
    BackLine = CurrentLine;
    if (m_options.centerMarker) {
        DIsplayCtrMarker(height() / 2, m_options.backColor);
        DIsplayCtrMarker(m_options.top + 40, m_options.textColor);
    }
    m_pacer.reset();
    while (Reversed && BackLine >= m_options.caretLine && isEnabled() && RightHeld) {
        CurrentLine -= 1;
        // At twice the editor's size, centred when the "Center" tool button is down.
        m_strip.drawReverseLine(m_host->line(BackLine), m_options.centering);
        platform::pumpMessages();
        // Two rows at a time onto the top of the output rectangle, pushed down by two.
        const QImage &rows = m_strip.toRgb32();
        const int width = rows.width();
        for (int y = m_strip.StripHeight() - 2; y >= 0; y -= 2) {
            m_surface.writeTopRows(reinterpret_cast<const QRgb *>(rows.constScanLine(y)),
                                   reinterpret_cast<const QRgb *>(rows.constScanLine(y + 1)),
                                   width);
            m_surface.scrollArea(2);
            // As fast as the drawing allows: a present when a refresh allows one, and the
            // picture whole when the line is in.
            if (m_pacer.due() || y < 2)
                presentDirty();
        }
        m_strip.ClearBitmap();
        if (BackLine >= m_options.caretLine)
            BackLine -= 1;
    }
    Paused = true;
    pauseUNtilSpaceBarReset();
}

void TForm4::TrackBar1Change() {
    const int delay = TrackBar1->value() * m_host->delayFactor();
    m_host->setDelay(delay);
    Label1->setText(QString::number(delay));
}

void TForm4::CheckBox1Click() {
    m_host->setSlowerX10(CheckBox1->isChecked());
    TrackBar1Change();
}

void TForm4::TrackBar2Change() {
    // The drawing font takes twice the size the editor had before the change.
    setCanvasFontSize(2 * m_options.editorPointSize());
    const int points = qMax(1, TrackBar2->value());
    m_options.editorFont.setPointSize(points);
    m_host->applyEditorFontSize(points);
    Label4->setText(QString::number(2 * points));
    updatebitmap();
}

void TForm4::ToolButton2Click() {
    ToolButton3->setEnabled(!ToolButton2->isChecked());
    Paused = ToolButton2->isChecked();
    if (Paused)
        pauseUNtilSpaceBarReset();
}

void TForm4::ToolButton3Click() {
    restartPass();
}

void TForm4::SpeedButton1Click() {
    setEnabled(false);
    closeform4();
    platform::pumpMessages();
}
