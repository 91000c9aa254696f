#pragma once

#include "play/LineStrip.h"
#include "play/PlayOptions.h"
#include "play/PlaySurface.h"
#include "play/PresentPacer.h"
#include "play/RowSchedule.h"
#include "play/ScreenPresenter.h"

#include <QFont>
#include <QRgb>
#include <QWidget>

#include <functional>
#include <memory>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QSlider;
class QToolButton;
class PlayHost;

// The play window: borderless, covering the screen while a script plays. Its picture is
// kept in memory (the play surface); the script is drawn one line at a time into the line
// strip and scrolled in row by row. The screen presenter shows the scrolled rows at an even
// cadence (from a thread of its own where the window can be drawn into directly); every
// other change of the surface is shown at once by a repaint.
//
// It knows nothing of the console: a play reads its PlayOptions once at the start of each
// pass and asks its PlayHost for what stays live (the speed, the script lines, the waits).
//
// Its handlers live in several files of play/:
//   BlackScroll.cpp       creation, show, close, the operator panel, painting, events
//   ScrollPass.cpp        the scrolling pass, the pause, the centre marker
//   OperatorControls.cpp  keys, mouse buttons, reverse scroll, the panel's controls
//   PlayPreroll.cpp       colour bars and count-down
//   FadePass.cpp          the fade titles: the pass, the title, the fades and their frames
class TForm4 : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool killnow READ getkill WRITE setkill)

public:
    explicit TForm4(PlayHost *host, QWidget *parent = nullptr);
    ~TForm4() override;

    // ---- Play state -----------------------------------------------------------------
    int CurrentLine = 0;
    int BackLine = 0;
    bool Paused = false;
    bool Reversed = false;
    bool Scrolling = false;
    bool LineActive = false;
    bool RightHeld = false;
    bool FadeRunning = false;
    qint8 ScreenBits = 0;
    // The window honours a request to erase its background (to its colour) only while this
    // is set; at all other times the scrolled picture survives repaints.
    bool EraseAllowed = false;
    // Milliseconds measured for the calibration line.
    double ElapsedMs = 0.0;

    bool getkill() const { return killnow; }
    void setkill(bool v) { killnow = v; }

    // The antialias weights of the fade titles, filled when the window is created.
    int AntiKernel[5][5] = {};

    // ---- Operator panel (window mode) ------------------------------------------------
    QFrame *Panel1 = nullptr;
    QToolButton *ToolButton3 = nullptr; // restart
    QToolButton *ToolButton2 = nullptr; // pause while down
    QPushButton *SpeedButton1 = nullptr;
    QLabel *Label2 = nullptr, *Label1 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    QCheckBox *CheckBox1 = nullptr; // "x10"
    QSlider *TrackBar1 = nullptr;   // speed 8..1500
    QSlider *TrackBar2 = nullptr;   // font size 2..200

    // ---- Life cycle -------------------------------------------------------------------
    void FormCreate();
    void FormShow();
    void FormClose();
    void closeform4();

    // ---- A play ------------------------------------------------------------------------
    // The options of the passes to come; the play command sets them before each pass.
    void setOptions(const PlayOptions &options) { m_options = options; }
    const PlayOptions &options() const { return m_options; }
    // Prepares the window for a play with its options: the output rectangle, the operator
    // panel's place in window mode, the whole screen in the background colour, then shows it.
    void startPlay();
    // One pass: the fade titles when they are on, else the scrolling pass with the options'
    // switches.
    void runPass();

    // ---- The scrolling pass ------------------------------------------------------------
    void Form4Startup(bool TVTitle, bool Centring, bool Mirror, bool Calibration);
    void updatebitmap();
    void DIsplayCtrMarker(int Y, int Colour);
    void pauseUNtilSpaceBarReset();
    // The wait after a scrolled row (or a fade frame) at Delay `delay`, kept on the row
    // schedule: its deadline is the last one's plus the wait.
    void waitRow(int delay);

    // ---- Fade titles --------------------------------------------------------------------
    // One fade-title pass over the script: each line (or pair of lines) is drawn into the
    // strip, faded in from black at the title's place, held, and faded out.
    void fadetitles();
    // Draws the title of line CurrentLine (and the next in two-line mode) into the strip, in
    // 24 bits on displays of 8 to 24 bits per pixel, else in 32.
    void MakeFadeBitmap();
    // The fades of a 24-bit (FadeIn, FadeOut) or 32-bit (FadeIn32, FadeOut32) title: 33
    // frames drawn on the play window with their top-left corner at (left, top), each shown
    // on screen and followed by the row wait of Delay d. A fade out starts from the background
    // colour.
    void FadeIn(const platform::Bitmap &source, int top, int left, int d);
    void FadeOut(const platform::Bitmap &source, int top, int left, int background, int d);
    void FadeIn32(const platform::Bitmap &source, int top, int left, int d);
    void FadeOut32(const platform::Bitmap &source, int top, int left, int background, int d);
    // Frames shown by the fades since the window was created.
    int fadeFramesShown() const { return m_fadeFramesShown; }

    // ---- Pre-roll ---------------------------------------------------------------------
    // False when the operator left the play during the hold: the pass then ends at once.
    [[nodiscard]] bool StartColorBars();
    void StartCOuntDown();

    // ---- Operator controls ------------------------------------------------------------
    // key is a virtual-key code (27 Esc, 32 Space, 33/34 Page Up/Down, 38/40 Up/Down).
    void onkeyHideBlackScreen(int key);
    void PlayFormMouseDown(Qt::MouseButton button);
    void PlayFormMouseUp(Qt::MouseButton button);
    void highspeedreversit();
    void TrackBar1Change();
    void TrackBar2Change();
    void CheckBox1Click();
    void ToolButton2Click();
    void ToolButton3Click();
    void SpeedButton1Click();

    // ---- Canvas -----------------------------------------------------------------------
    // The window's colour (what an allowed erase fills with), its drawing brush, its font
    // colour and drawing font. Colours are colour values 0x00BBGGRR.
    int color() const { return m_color; }
    void setColor(int colorValue) { m_color = colorValue; }
    int brushColor() const { return m_brushColor; }
    void setBrushColor(int colorValue) { m_brushColor = colorValue; }
    int fontColor() const { return m_fontColor; }
    void setFontColor(int colorValue) { m_fontColor = colorValue; }
    const QFont &canvasFont() const { return m_canvasFont; }
    void setCanvasFontSize(int points);
    int penColor() const { return m_penColor; }

    // Marks the whole window for repainting; the background is erased at that repaint
    // only if EraseAllowed is set then.
    void invalidate();
    // Processes a pending repaint at once (erase included), as an immediate update does.
    void repaintNow();

    PlaySurface &surface() { return m_surface; }
    const PlaySurface &surface() const { return m_surface; }
    LineStrip &strip() { return m_strip; }
    const LineStrip &strip() const { return m_strip; }
    int StripHeight() const { return m_strip.StripHeight(); }
    QRect StripRect() const { return m_strip.StripRect(); }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildPanel();
    void pumpMessages();
    bool flushErase();
    void presentDirty();
    void choosePresentTarget();
    void scrollLineIn(bool synced);
    bool drawAndMirror(bool TVTitle, bool Centring, bool Mirror);
    void mirrorFailed();
    QRgb rgbOf(int colorValue) const;

    void restartPass();

    bool fadePreconditionsHold();
    // False when the operator left the play during the colour bars.
    [[nodiscard]] bool fadePreroll();
    bool antialiasTitle();
    bool fadeEnded();
    // The picture cleared to the background colour now.
    void eraseNow();
    // The start of both passes' pre-roll: the armed media, then colour bars and the
    // count-down, each followed by a clean screen. False when the operator left the play
    // during the colour bars: the pass then ends at once.
    [[nodiscard]] bool prerollPictures();
    void fade(const platform::Bitmap &source, int top, int left, bool in, int background, int d);
    void presentFrame();

    PlayHost *m_host;
    PlayOptions m_options;
    bool killnow = false;
    int m_color = 0;
    int m_brushColor = 0;
    int m_fontColor = 0xFFFFFF;
    int m_penColor = 0;
    QFont m_canvasFont;
    bool m_erasePending = false;
    bool m_presenting = false;
    PlaySurface m_surface;
    LineStrip m_strip;
    PresentPacer m_pacer; // the reverse scroll's presents
    // Where the scrolled rows are shown: straight into the window from the presenter's
    // thread, or by a repaint of the window (declared before the presenter, which uses them).
    std::unique_ptr<ScreenPresenter::Target> m_repaintTarget;
    std::unique_ptr<ScreenPresenter::Target> m_directTarget;
    unsigned long m_directWindow = 0;
    ScreenPresenter m_presenter;
    PresentPacer m_framePacer; // one fade frame a display refresh, where no thread presents
    QImage m_fadeFrame;        // a fade frame in the surface's 32 bits
    int m_fadeFramesShown = 0;
    RowSchedule m_rowSchedule; // the deadlines of the rows and fade frames
};
