// The fade-title pass: each script line (or pair of lines) is drawn into the strip, faded
// in from black at the title's place on the screen, held for the hold time and faded out,
// before the next one. Messages run in the pre-roll, in each hold and after it; a fade in
// progress always completes.
#include "play/PlayWindow.h"

#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "play/Antialias.h"
#include "play/FadeFrame.h"
#include "play/FadeTitle.h"
#include "play/PixelArrays.h"
#include "play/PlayHost.h"

#include <chrono>
#include <thread>

namespace {

// Displays whose titles are held in 24 bits per pixel; on every other depth they are held
// in 32 bits.
bool titleIn24Bits(int screenBits) {
    return screenBits == 8 || screenBits == 16 || screenBits == 24;
}

} // namespace

bool PlayWindow::fadePreconditionsHold() {
    const PlayOptions &o = m_options;
    QString refusal;
    if (m_state.screenBits > 32)
        refusal = QStringLiteral("LectoScope-32 does not support BPP > 32.");
    else if (m_host->videoShowing())
        refusal = QStringLiteral("Can not use Fading titles with AVI movies.");
    else if (o.mirror)
        refusal = QStringLiteral("Can not use Fading titles with mirror-reverse text.");
    else if (!m_host->backgroundIsBlack())
        refusal = QStringLiteral("Background color must be black to use fading.");
    else if (o.textColor == o.backgroundColor)
        refusal = QStringLiteral("Font color and background color are the same.");
    if (refusal.isEmpty())
        return true;
    platform::MessageBoxes::information(refusal);
    closePlay();
    return false;
}

bool PlayWindow::fadePreroll() {
    const PlayOptions &o = m_options;
    // Armed media, colour bars and the count-down, then the empty background, each leaving
    // a clean screen: the titles touch only their own rectangle, so nothing of the pre-roll
    // may stay behind them.
    if (!prerollPictures())
        return false;
    if (o.tenSecondBackground) {
        eraseNow();
        m_host->waitSeconds(10);
    }
    // Two one-second pauses unless "No Pause".
    if (!o.noPause)
        m_host->waitSeconds(1);
    m_brushColor = o.backgroundColor;
    if (!o.noPause)
        m_host->waitSeconds(1);
    return true;
}

void PlayWindow::runFadePass() {
    if (!fadePreconditionsHold())
        return;
    const PlayOptions &o = m_options;
    // A pass that ran to its end left the stop request set; the next pass of Loop Mode starts
    // without it, or the repetition would end at its first title.
    setEnabled(true);
    m_state.stopRequested = false;
    // The strip in the display's format, laid out afresh.
    m_strip.selectPixelFormat(pixelFormatForDepth(m_state.screenBits), false);
    updateStrip();
    // One frame a display refresh; the refresh is a fraction of the platform's second.
    m_framePacer.setRefreshHz(platform::Screen::refreshRate() * 1000.0 / platform::secondMs());
    m_framePacer.reset();
    if (!fadePreroll())
        return;
    m_host->startSoundWithTitles();
    setCursor(Qt::BlankCursor);
    m_state.currentLine = o.startFromCursor ? o.caretLine : 0;
    m_strip.clearStrip();
    repaintNow();
    m_state.fadeRunning = true;
    pumpMessages();

    // One title per turn: built, antialiased, placed, faded in, held, faded out.
    TitlePosition at{o.left, o.top};
    const QSize screenSize = platform::Screen::size();
    while (m_state.currentLine <= m_host->lineCount() - 1 && isEnabled()) {
        m_state.lineActive = true;
        drawFadeTitle();
        if (o.fadeAntialias && !antialiasTitle())
            return;
        if (o.centerFade || o.lowerThird) {
            const platform::Bitmap &title = m_strip.strip();
            at = placeTitle(o.centerFade, o.lowerThird, QSize(title.width(), title.height()),
                            screenSize, at);
            m_host->setTitlePosition(at.left, at.top);
        }
        if (fadeEnded())
            return;
        if (titleIn24Bits(m_state.screenBits))
            fadeIn(m_strip.strip(), at.top, at.left, m_host->delay());
        else if (m_state.screenBits >= 32)
            fadeIn32(m_strip.strip(), at.top, at.left, m_host->delay());
        m_host->waitSeconds(o.fadeHoldSeconds);
        pumpMessages();
        if (fadeEnded())
            return;
        const platform::Bitmap &shown = o.fadeAntialias ? m_strip.titleImage() : m_strip.strip();
        if (titleIn24Bits(m_state.screenBits))
            fadeOut(shown, at.top, at.left, o.backgroundColor, m_host->delay());
        else
            fadeOut32(shown, at.top, at.left, o.backgroundColor, m_host->delay());
        if (fadeEnded())
            return;
        m_state.currentLine += o.fadeTwoLines ? 2 : 1;
        m_state.lineActive = true;
        m_strip.clearStrip();
    }
    // The titles are over: from here Esc and a left click leave the play as they do after
    // the scrolling pass. A pass left through a disabled window skips the end steps.
    m_state.fadeRunning = false;
    if (!isEnabled())
        return;
    if (o.tenSecondBackground)
        m_host->waitSeconds(10);
    if (o.stopAtEnd) {
        m_state.paused = true;
        pauseUntilSpaceBar();
    }
    m_state.stopRequested = true;
}

bool PlayWindow::fadeEnded() {
    // The operator's second left click has left the play already.
    if (!isEnabled())
        return true;
    if (!m_state.stopRequested)
        return false;
    closePlay();
    return true;
}

bool PlayWindow::antialiasTitle() {
    // The filter follows the strip's format, which follows the display's depth.
    try {
        if (m_strip.strip().bitsPerPixel() == 24)
            antialias(m_strip.strip(), m_antialiasKernel);
        else
            antialias32(m_strip.strip(), m_antialiasKernel);
    } catch (const NotEnoughMemory &e) {
        // The pass ends with the error, and the play with it.
        platform::MessageBoxes::error(e.message());
        setEnabled(false);
        closePlay();
        return false;
    }
    m_strip.titleImage() = m_strip.strip();
    return true;
}

void PlayWindow::drawFadeTitle() {
    const PlayOptions &o = m_options;
    const platform::PixelFormat format = titleIn24Bits(m_state.screenBits)
                                             ? platform::PixelFormat::Bits24
                                             : platform::PixelFormat::Bits32;
    if (m_strip.strip().pixelFormat() != format)
        m_strip.strip().setPixelFormat(format);
    if (m_strip.titleImage().pixelFormat() != format)
        m_strip.titleImage().setPixelFormat(format);
    FadeTitleRequest r;
    r.line = m_host->line(m_state.currentLine);
    if (m_state.currentLine + 1 < m_host->lineCount())
        r.next = m_host->line(m_state.currentLine + 1);
    r.font = m_strip.font();
    r.editorPointSize = o.editorPointSize();
    r.stripWidth = m_strip.stripRect().width();
    r.twoLine = o.fadeTwoLines;
    r.tvTitle = o.fadeTvTitle;
    r.centre = o.centerText;
    const FadeTitleLayout layout = layoutFadeTitle(r);
    if (layout.stripWidth != r.stripWidth)
        m_strip.setStripWidth(layout.stripWidth);
    // Each text leaves its font as the strip's, so the next title starts from the last.
    for (const FadeTitleText &t : layout.texts)
        m_strip.drawText(t.font, t.text, t.x, t.y);
}

void PlayWindow::fadeIn(const platform::Bitmap &source, int top, int left, int d) {
    fade(source, top, left, true, 0, d);
}

void PlayWindow::fadeOut(const platform::Bitmap &source, int top, int left, int background, int d) {
    fade(source, top, left, false, background, d);
}

void PlayWindow::fadeIn32(const platform::Bitmap &source, int top, int left, int d) {
    fade(source, top, left, true, 0, d);
}

void PlayWindow::fadeOut32(const platform::Bitmap &source, int top, int left, int background,
                           int d) {
    fade(source, top, left, false, background, d);
}

void PlayWindow::fade(const platform::Bitmap &source, int top, int left, bool in, int background,
                      int d) {
    // The work bitmap has the source's size and format: black for a fade in, the
    // background for a fade out. Each frame changes only the pixels under the letters.
    platform::Bitmap work(source.width(), source.height(), source.pixelFormat());
    work.fill(in ? qRgb(0, 0, 0) : rgbOf(background));
    for (int frame = 0; frame < kFadeLevels; ++frame) {
        fadeFrame(source, work, fadeLevel(in, frame));
        work.toRgb32(m_fadeFrame);
        m_surface.putImage(QPoint(left, top), m_fadeFrame);
        presentFrame();
        waitRow(d);
    }
}

void PlayWindow::presentFrame() {
    // A frame is shown whole and never dropped, one a display refresh at most, each in a
    // present of its own: through the presenter, by the same thread and target as the
    // scrolled rows (the presenter waits for the refresh); without a presenting thread the
    // frame waits for its refresh here.
    const QRect dirty = m_surface.dirtyRect();
    m_surface.clearDirty();
    if (!m_presenter.hasThread()) {
        for (qint64 wait = m_framePacer.nsUntilDue(); wait > 0; wait = m_framePacer.nsUntilDue())
            std::this_thread::sleep_for(std::chrono::nanoseconds(wait));
        m_framePacer.due();
    }
    m_presenter.showFrame(m_surface, dirty);
    ++m_fadeFramesShown;
}
