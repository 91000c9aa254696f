// The operator's controls during play: keys, mouse buttons, the reverse scroll and the
// window-mode panel. They run from the pass's message pumps, so they act between lines.
#include "play/PlayWindow.h"

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
constexpr int kKeyF = 70;
// Keys slow the text down only while the delay is below this.
constexpr int kSlowestByKey = 6000;
} // namespace

void PlayWindow::operatorKey(int key) {
    // The speed keys step the delay; slower only while it is below the limit, faster only
    // while the step leaves it above 0.
    const auto faster = [this](int step) {
        m_host->operatorTookSpeed();
        if (step < m_host->delay())
            m_host->setDelay(m_host->delay() - step);
    };
    const auto slower = [this](int step) {
        m_host->operatorTookSpeed();
        if (m_host->delay() < kSlowestByKey)
            m_host->setDelay(m_host->delay() + step);
    };
    switch (key) {
    case kKeyEsc:
        if (m_state.fadeRunning) {
            m_state.stopRequested = true;
            return;
        }
        setEnabled(false);
        closePlay();
        break;
    case kKeyPageUp:
        faster(m_options.pageStep);
        break;
    case kKeyPageDown:
        slower(m_options.pageStep);
        break;
    case kKeyUp:
        faster(m_options.arrowStep);
        break;
    case kKeyDown:
        slower(m_options.arrowStep);
        break;
    case kKeySpace:
        if (m_state.paused) {
            m_state.paused = false;
        } else {
            m_host->operatorTookSpeed();
            m_state.paused = true;
            pauseUntilSpaceBar();
        }
        break;
    case kKeyF:
        m_host->followVoiceAgain();
        break;
    default:
        break;
    }
    platform::pumpMessages();
}

void PlayWindow::mouseButtonDown(Qt::MouseButton button) {
    if (button == Qt::LeftButton) {
        if (m_state.fadeRunning && !m_state.stopRequested) {
            m_state.stopRequested = true;
            return;
        }
        if (!m_state.reversed) {
            setEnabled(false);
            closePlay();
            return;
        }
        // Resume after a reverse scroll: a clear screen and a pass from the back line + 1.
        m_state.rightHeld = false;
        m_state.paused = false;
        m_state.eraseAllowed = true;
        invalidate();
        repaintNow();
        m_state.eraseAllowed = false;
        if (m_options.centerMarker)
            drawCenterMarker(height() / 2, m_options.textColor);
        restartPass();
        return;
    }
    if (button == Qt::RightButton && m_state.scrolling && m_state.lineActive) {
        m_state.rightHeld = true;
        platform::pumpMessages();
        reverseScroll();
    }
}

void PlayWindow::mouseButtonUp(Qt::MouseButton button) {
    if (button == Qt::RightButton && m_state.reversed) {
        m_state.paused = true;
        pauseUntilSpaceBar();
        platform::pumpMessages();
    }
}

void PlayWindow::reverseScroll() {
    m_state.reversed = true;
    m_state.backLine = m_state.currentLine;
    if (m_options.centerMarker) {
        drawCenterMarker(height() / 2, m_options.backgroundColor);
        drawCenterMarker(m_options.top + 40, m_options.textColor);
    }
    m_pacer.reset();
    while (m_state.reversed && m_state.backLine >= m_options.caretLine && isEnabled() &&
           m_state.rightHeld) {
        m_state.currentLine -= 1;
        // At twice the editor's size, centred when the "Center" tool button is down.
        m_strip.drawReverseLine(m_host->line(m_state.backLine), m_options.centering);
        platform::pumpMessages();
        // Two rows at a time onto the top of the output rectangle, pushed down by two.
        const QImage &rows = m_strip.toRgb32();
        const int width = rows.width();
        for (int y = m_strip.stripHeight() - 2; y >= 0; y -= 2) {
            m_surface.writeTopRows(reinterpret_cast<const QRgb *>(rows.constScanLine(y)),
                                   reinterpret_cast<const QRgb *>(rows.constScanLine(y + 1)),
                                   width);
            m_surface.scrollArea(2);
            // As fast as the drawing allows: a present when a refresh allows one, and the
            // picture whole when the line is in.
            if (m_pacer.due() || y < 2)
                presentDirty();
        }
        m_strip.clearStrip();
        if (m_state.backLine >= m_options.caretLine)
            m_state.backLine -= 1;
    }
    m_state.paused = true;
    pauseUntilSpaceBar();
}

void PlayWindow::delayBarMoved() {
    m_host->operatorTookSpeed();
    const int delay = m_ui.delayBar->value() * m_host->delayFactor();
    m_host->setDelay(delay);
    m_ui.delayLabel->setText(QString::number(delay));
}

void PlayWindow::slowerToggled() {
    m_host->setSlowerX10(m_ui.slowerBox->isChecked());
    delayBarMoved();
}

void PlayWindow::fontSizeBarMoved() {
    // The drawing font takes twice the size the editor had before the change.
    setCanvasFontSize(2 * m_options.editorPointSize());
    const int points = qMax(1, m_ui.fontSizeBar->value());
    m_options.editorFont.setPointSize(points);
    m_host->applyEditorFontSize(points);
    m_ui.fontSizeLabel->setText(QString::number(2 * points));
    updateStrip();
}

void PlayWindow::pauseButtonClicked() {
    m_ui.restartButton->setEnabled(!m_ui.pauseButton->isChecked());
    m_state.paused = m_ui.pauseButton->isChecked();
    if (m_state.paused) {
        m_host->operatorTookSpeed();
        pauseUntilSpaceBar();
    }
}

void PlayWindow::restartButtonClicked() {
    restartPass();
}

void PlayWindow::showVoiceState(const QString &text) {
    m_ui.voiceLabel->setText(text);
    m_ui.voiceLabel->setVisible(!text.isEmpty());
}

void PlayWindow::exitButtonClicked() {
    setEnabled(false);
    closePlay();
    platform::pumpMessages();
}
