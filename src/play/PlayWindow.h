#pragma once

#include "play/Antialias.h"
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
//   PlayWindow.cpp        creation, show, close, the operator panel, painting, events
//   ScrollPass.cpp        the scrolling pass, the pause, the centre marker
//   OperatorControls.cpp  keys, mouse buttons, reverse scroll, the panel's controls
//   PlayPreroll.cpp       colour bars and count-down
//   FadePass.cpp          the fade titles: the pass, the title, the fades and their frames
class PlayWindow : public QWidget {
    Q_OBJECT

public:
    explicit PlayWindow(PlayHost *host, QWidget *parent = nullptr);
    ~PlayWindow() override;

    // The state of a play, as the passes and the operator's controls leave it.
    struct State {
        int currentLine = 0;
        int backLine = 0;
        bool paused = false;
        bool reversed = false;
        bool scrolling = false;
        bool lineActive = false;
        bool rightHeld = false;
        bool fadeRunning = false;
        qint8 screenBits = 0;
        // The window honours a request to erase its background (to its colour) only while
        // this is set; at all other times the scrolled picture survives repaints.
        bool eraseAllowed = false;
        // Milliseconds measured for the reading-time line.
        double elapsedMs = 0.0;
        // The operator has asked to leave the play.
        bool stopRequested = false;
    };
    State &state() { return m_state; }
    const State &state() const { return m_state; }

    // The antialias weights of the fade titles, filled when the window is created.
    const AntialiasKernel &antialiasKernel() const { return m_antialiasKernel; }

    // The operator panel (window mode), each control named as its objectName.
    struct Ui {
        QFrame *operatorPanel = nullptr;
        QToolButton *restartButton = nullptr;
        QToolButton *pauseButton = nullptr; // pause while down
        QPushButton *exitButton = nullptr;
        QLabel *delayCaption = nullptr, *delayLabel = nullptr, *fontSizeCaption = nullptr,
               *fontSizeLabel = nullptr;
        QCheckBox *slowerBox = nullptr; // "x10"
        QSlider *delayBar = nullptr;    // 8..1500
        QSlider *fontSizeBar = nullptr; // 2..200
    };
    const Ui &ui() const { return m_ui; }

    // ---- Life cycle -------------------------------------------------------------------
    void create();
    void prepareToShow();
    void closeSteps();
    void closePlay();

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
    // The window covers the output screen (hidden or not yet shown).
    void coverOutputScreen();
    // The output screen has changed during a play (the operator chose another, or its screen
    // was unplugged): the shown window moves there and the play goes on where it is; its
    // picture keeps its size. A hidden window waits for the next play.
    void followOutputScreen();
    // What the screen shows of the play.
    const ScreenPresenter &presenter() const { return m_presenter; }

    // ---- The scrolling pass ------------------------------------------------------------
    void runScrollPass(bool tvTitle, bool centring, bool mirror, bool measuring);
    void updateStrip();
    void drawCenterMarker(int y, int color);
    void pauseUntilSpaceBar();
    // The wait after a scrolled row (or a fade frame) at Delay `delay`, kept on the row
    // schedule: its deadline is the last one's plus the wait.
    void waitRow(int delay);

    // ---- Fade titles --------------------------------------------------------------------
    // One fade-title pass over the script: each line (or pair of lines) is drawn into the
    // strip, faded in from black at the title's place, held, and faded out.
    void runFadePass();
    // Draws the title of the current line (and the next in two-line mode) into the strip, in
    // 24 bits on displays of 8 to 24 bits per pixel, else in 32.
    void drawFadeTitle();
    // The fades of a 24-bit (fadeIn, fadeOut) or 32-bit (fadeIn32, fadeOut32) title: 33
    // frames drawn on the play window with their top-left corner at (left, top), each shown
    // on screen and followed by the row wait of Delay d. A fade out starts from the background
    // colour.
    void fadeIn(const platform::Bitmap &source, int top, int left, int d);
    void fadeOut(const platform::Bitmap &source, int top, int left, int background, int d);
    void fadeIn32(const platform::Bitmap &source, int top, int left, int d);
    void fadeOut32(const platform::Bitmap &source, int top, int left, int background, int d);
    // Frames shown by the fades since the window was created.
    int fadeFramesShown() const { return m_fadeFramesShown; }

    // ---- Pre-roll ---------------------------------------------------------------------
    // False when the operator left the play during the hold: the pass then ends at once.
    [[nodiscard]] bool showColorBars();
    void showCountDown();

    // ---- Operator controls ------------------------------------------------------------
    // key is a virtual-key code (27 Esc, 32 Space, 33/34 Page Up/Down, 38/40 Up/Down).
    void operatorKey(int key);
    void mouseButtonDown(Qt::MouseButton button);
    void mouseButtonUp(Qt::MouseButton button);
    void reverseScroll();
    void delayBarMoved();
    void fontSizeBarMoved();
    void slowerToggled();
    void pauseButtonClicked();
    void restartButtonClicked();
    void exitButtonClicked();

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
    // only if erasing is allowed then.
    void invalidate();
    // Processes a pending repaint at once (erase included), as an immediate update does.
    void repaintNow();

    PlaySurface &surface() { return m_surface; }
    const PlaySurface &surface() const { return m_surface; }
    LineStrip &strip() { return m_strip; }
    const LineStrip &strip() const { return m_strip; }
    int stripHeight() const { return m_strip.stripHeight(); }
    QRect stripRect() const { return m_strip.stripRect(); }

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
    bool drawAndMirror(bool tvTitle, bool centring, bool mirror);
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
    State m_state;
    Ui m_ui;
    AntialiasKernel m_antialiasKernel = {};
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
