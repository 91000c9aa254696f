// The play window: creation, show, the orderly close, the operator panel, painting and the
// translation of Qt's key and mouse events into the window's handlers.
#include "play/PlayWindow.h"

#include "platform/Colors.h"
#include "platform/Platform.h"
#include "platform/PreciseWait.h"
#include "platform/Retrace.h"
#include "platform/Screen.h"
#include "platform/TrackBar.h"
#include "platform/X11Window.h"
#include "play/Antialias.h"
#include "play/PlayHost.h"
#include "play/VirtualKeys.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRegion>
#include <QScreen>
#include <QShowEvent>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The panel's tool button pictures: restart (a bar and a triangle pointing back to it) and
// pause (two bars).
QIcon restartIcon() {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 96, 0));
    p.drawRect(2, 2, 3, 12);
    const QPointF triangle[] = {{14, 2}, {14, 14}, {5, 8}};
    p.drawPolygon(triangle, 3);
    return QIcon(pm);
}

QIcon pauseIcon() {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(3, 2, 4, 12);
    p.drawRect(9, 2, 4, 12);
    return QIcon(pm);
}

// Rows shown by a synchronous repaint of the window (on the thread that polls).
class RepaintTarget : public ScreenPresenter::Target {
public:
    explicit RepaintTarget(std::function<void(const QRect &)> repaint)
        : m_repaint(std::move(repaint)) {}
    void show(const QImage &, const QRect &rect) override { m_repaint(rect); }

private:
    std::function<void(const QRect &)> m_repaint;
};

// Rows put straight into the window's X11 window, from the presenter's thread.
class DirectTarget : public ScreenPresenter::Target {
public:
    explicit DirectTarget(std::unique_ptr<platform::X11Window> window)
        : m_window(std::move(window)) {}
    void show(const QImage &picture, const QRect &rect) override { m_window->put(picture, rect); }
    bool stage(const QImage &picture, const QRect &rect) override {
        return m_window->stage(picture, rect);
    }
    void commit() override { m_window->commit(); }

private:
    std::unique_ptr<platform::X11Window> m_window;
};

QLabel *panelLabel(QWidget *parent, const char *name, const QString &text) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAlignment(Qt::AlignHCenter);
    return l;
}

QSlider *panelTrackBar(QWidget *parent, const char *name, int min, int max, int tick,
                       const QString &hint) {
    auto *t = new platform::TrackBar(parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setRange(min, max);
    t->setTickInterval(tick);
    t->setTickPosition(QSlider::TicksBothSides);
    t->setToolTip(hint);
    t->setFocusPolicy(Qt::NoFocus);
    return t;
}

} // namespace

PlayWindow::PlayWindow(PlayHost *host, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_host(host) {
    setObjectName(QStringLiteral("playWindow"));
    // The picture is the play surface: Qt must neither clear nor fill the window itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::StrongFocus);
    m_canvasFont = QFont(QStringLiteral("Arial"));
    m_canvasFont.setPixelSize(28);
    buildPanel();
    m_repaintTarget = std::make_unique<RepaintTarget>([this](const QRect &rect) {
        m_presenting = true;
        repaint(rect);
        m_presenting = false;
    });
    m_presenter.setTarget(m_repaintTarget.get(), false);
    setEnabled(false);
}

PlayWindow::~PlayWindow() {
    m_host->playWindowGoing();
    m_presenter.setTarget(nullptr, false);
}

void PlayWindow::buildPanel() {
    m_ui.operatorPanel = new QFrame(this);
    m_ui.operatorPanel->setObjectName(QStringLiteral("operatorPanel"));
    m_ui.operatorPanel->setFrameShape(QFrame::Panel);
    m_ui.operatorPanel->setFrameShadow(QFrame::Sunken);
    m_ui.operatorPanel->setCursor(Qt::PointingHandCursor);
    m_ui.operatorPanel->setAutoFillBackground(true);
    m_ui.operatorPanel->setGeometry(0, 4, 50, 400);
    QFont small(QStringLiteral("Arial"));
    small.setPixelSize(11);
    m_ui.operatorPanel->setFont(small);

    m_ui.restartButton = new QToolButton(m_ui.operatorPanel);
    m_ui.restartButton->setObjectName(QStringLiteral("restartButton"));
    m_ui.restartButton->setIcon(restartIcon());
    m_ui.pauseButton = new QToolButton(m_ui.operatorPanel);
    m_ui.pauseButton->setObjectName(QStringLiteral("pauseButton"));
    m_ui.pauseButton->setIcon(pauseIcon());
    m_ui.pauseButton->setCheckable(true);
    m_ui.exitButton = new QPushButton(QStringLiteral("E&xit"), m_ui.operatorPanel);
    m_ui.exitButton->setObjectName(QStringLiteral("exitButton"));
    m_ui.delayCaption = panelLabel(m_ui.operatorPanel, "delayCaption", QStringLiteral("Delay"));
    m_ui.slowerBox = new QCheckBox(QStringLiteral("x10"), m_ui.operatorPanel);
    m_ui.slowerBox->setObjectName(QStringLiteral("slowerBox"));
    m_ui.delayLabel = panelLabel(m_ui.operatorPanel, "delayLabel", QString());
    m_ui.delayBar = panelTrackBar(m_ui.operatorPanel, "delayBar", 8, 1500, 50,
                                  QStringLiteral("Change the Speed"));
    m_ui.fontSizeCaption =
        panelLabel(m_ui.operatorPanel, "fontSizeCaption", QStringLiteral("FSize"));
    m_ui.fontSizeLabel = panelLabel(m_ui.operatorPanel, "fontSizeLabel", QString());
    m_ui.fontSizeBar = panelTrackBar(m_ui.operatorPanel, "fontSizeBar", 2, 200, 4,
                                     QStringLiteral("Change Font Size"));
    m_ui.fontSizeBar->setPageStep(4);
    // The keys belong to the play window, never to a control of the panel.
    for (QWidget *w :
         {static_cast<QWidget *>(m_ui.restartButton), static_cast<QWidget *>(m_ui.pauseButton),
          static_cast<QWidget *>(m_ui.exitButton), static_cast<QWidget *>(m_ui.slowerBox)})
        w->setFocusPolicy(Qt::NoFocus);

    auto *layout = new QVBoxLayout(m_ui.operatorPanel);
    layout->setContentsMargins(2, 4, 2, 4);
    layout->setSpacing(3);
    layout->addWidget(m_ui.restartButton, 0, Qt::AlignHCenter);
    layout->addWidget(m_ui.pauseButton, 0, Qt::AlignHCenter);
    layout->addWidget(m_ui.exitButton);
    layout->addWidget(m_ui.delayCaption);
    layout->addWidget(m_ui.slowerBox);
    layout->addWidget(m_ui.delayLabel);
    layout->addWidget(m_ui.delayBar, 1, Qt::AlignHCenter);
    layout->addWidget(m_ui.fontSizeCaption);
    layout->addWidget(m_ui.fontSizeLabel);
    layout->addWidget(m_ui.fontSizeBar, 1, Qt::AlignHCenter);
    m_ui.operatorPanel->hide();
    // A click on the panel belongs to the panel, not to the play window behind it.
    m_ui.operatorPanel->installEventFilter(this);

    connect(m_ui.restartButton, &QToolButton::clicked, this, &PlayWindow::restartButtonClicked);
    connect(m_ui.pauseButton, &QToolButton::clicked, this, &PlayWindow::pauseButtonClicked);
    connect(m_ui.exitButton, &QPushButton::clicked, this, &PlayWindow::exitButtonClicked);
    connect(m_ui.slowerBox, &QCheckBox::toggled, this, &PlayWindow::slowerToggled);
    connect(m_ui.delayBar, &QSlider::valueChanged, this, &PlayWindow::delayBarMoved);
    connect(m_ui.fontSizeBar, &QSlider::valueChanged, this, &PlayWindow::fontSizeBarMoved);
}

void PlayWindow::create() {
    // The antialias weights come before everything else, a command-line play included.
    copyAntialiasKernel(m_antialiasKernel);
    m_state.stopRequested = false;
    m_state.rightHeld = false;
    m_state.scrolling = false;
    m_state.reversed = false;
    // The window covers the output screen (its maximised state).
    coverOutputScreen();
    m_surface.resize(platform::Screen::size(), rgbOf(m_color));
    // A script named on the command line plays now, before the windows created later exist.
    m_host->runStartUpPlay();
}

void PlayWindow::prepareToShow() {
    m_state.screenBits = static_cast<qint8>(platform::Screen::depth());
    // The speed bar takes the console's position before the x10 box is copied: a change of
    // the box runs its click rule, which sets Delay from the bar's position, and a position
    // left over from an earlier play (or the bar's minimum before the first) would replace
    // the operator's speed.
    platform::setTrackBarPosition(m_ui.delayBar, m_options.delayBarPosition);
    m_ui.slowerBox->setChecked(m_options.slowerX10);
    m_state.lineActive = false;
    m_color = m_options.backgroundColor;
    m_fontColor = m_options.textColor;
    m_ui.delayBar->setSingleStep(m_options.arrowStep);
    m_ui.delayBar->setPageStep(m_options.pageStep);
    const double hz = platform::Screen::refreshRate();
    m_pacer.setRefreshHz(hz);
    m_pacer.reset();
    m_presenter.setRefreshHz(hz);
}

void PlayWindow::startPlay() {
    const QSize screen = platform::Screen::size();
    if (!m_options.videoMode) {
        // The operator panel stands at the screen's right edge, shown once the text starts.
        m_ui.operatorPanel->hide();
        m_ui.operatorPanel->setGeometry(screen.width() - 50, 4, 50, screen.height() - 8);
    }
    // The window covers the output screen in the background colour.
    setCursor(Qt::BlankCursor);
    setVisible(false);
    coverOutputScreen();
    if (m_surface.size() != screen)
        m_surface.resize(screen, rgbOf(m_options.backgroundColor));
    setEnabled(true);
    m_color = m_options.backgroundColor;
    m_brushColor = m_options.backgroundColor;
    m_strip.setColors(m_options.textColor, m_options.backgroundColor);
    m_state.reversed = false;
    invalidate();
    show();
    activateWindow();
    choosePresentTarget();
}

void PlayWindow::coverOutputScreen() {
    // A screen of another X screen gets a native window of its own there.
    if (QScreen *s = platform::Screen::outputScreen(); s && s != screen())
        setScreen(s);
    setGeometry(platform::Screen::geometry());
}

void PlayWindow::followOutputScreen() {
    QScreen *output = platform::Screen::outputScreen();
    if (!isVisible() ||
        (geometry() == platform::Screen::geometry() && (!output || output == screen())))
        return;
    // The presenting thread lets go of the window before it may be made anew.
    m_presenter.setTarget(m_repaintTarget.get(), false);
    const bool active = isActiveWindow();
    coverOutputScreen();
    if (!m_options.videoMode) {
        const QSize screen = platform::Screen::size();
        m_ui.operatorPanel->setGeometry(screen.width() - 50, 4, 50, screen.height() - 8);
    }
    show();
    if (active)
        activateWindow();
    choosePresentTarget();
    // The picture as it stands, at once.
    update();
}

void PlayWindow::choosePresentTarget() {
    // Straight into the window where the platform allows it and window pixels are screen
    // pixels; else by repaints from the pass. The native window is looked at each play: the
    // toolkit may have made a new one.
    const unsigned long window =
        devicePixelRatioF() == 1.0 ? static_cast<unsigned long>(winId()) : 0;
    if (window != m_directWindow) {
        m_presenter.setTarget(m_repaintTarget.get(), false);
        std::unique_ptr<platform::X11Window> direct =
            window ? platform::X11Window::open(window) : nullptr;
        m_directTarget = direct ? std::make_unique<DirectTarget>(std::move(direct)) : nullptr;
        m_directWindow = window;
    }
    if (m_directTarget && !m_presenter.hasThread())
        m_presenter.setTarget(m_directTarget.get(), true);
    // Where the display has a vertical blank to wait for, the presents go out at it.
    if (m_presenter.hasThread() && platform::Retrace::available())
        m_presenter.setVerticalBlank([] { platform::Retrace::wait(); });
    else
        m_presenter.setVerticalBlank({});
}

void PlayWindow::runPass() {
    if (m_options.fadeTitles) {
        runFadePass();
        return;
    }
    restartPass();
}

void PlayWindow::restartPass() {
    runScrollPass(m_options.tvTitle, m_options.centerText, m_options.mirror,
                  m_options.measuringReadingTime);
}

void PlayWindow::closePlay() {
    m_state.scrolling = false;
    m_ui.operatorPanel->hide();
    setVisible(false);
    m_host->handBackSpeed();
    m_host->playClosed();
    hide();
    setEnabled(false);
    // The close event of a hidden window: closeSteps runs, nothing else happens.
    QCloseEvent close;
    QCoreApplication::sendEvent(this, &close);
    platform::pumpMessages();
}

void PlayWindow::closeSteps() {
    m_state.fadeRunning = false;
    m_state.stopRequested = false;
    m_host->setSlowerX10(m_ui.slowerBox->isChecked());
    m_host->handBackSpeed();
}

void PlayWindow::setCanvasFontSize(int points) {
    m_canvasFont.setPointSize(qMax(1, points));
}

QRgb PlayWindow::rgbOf(int colorValue) const {
    return platform::toQColor(colorValue).rgb();
}

void PlayWindow::invalidate() {
    m_erasePending = true;
    update();
}

bool PlayWindow::flushErase() {
    if (!m_erasePending)
        return false;
    m_erasePending = false;
    if (m_state.eraseAllowed)
        m_surface.erase(rgbOf(m_color));
    return true;
}

void PlayWindow::presentDirty() {
    const QRect dirty = m_surface.dirtyRect();
    m_surface.clearDirty();
    if (dirty.isEmpty())
        return;
    // The presenter's picture is what the screen shows: it takes the change first.
    m_presenter.adopt(m_surface, dirty);
    if (!isVisible())
        return;
    m_presenting = true;
    repaint(dirty);
    m_presenting = false;
}

void PlayWindow::repaintNow() {
    flushErase();
    presentDirty();
}

void PlayWindow::pumpMessages() {
    platform::pumpMessages();
    // A pending repaint is processed at the pump even where the window system has not
    // asked for a paint yet (the window may not be exposed).
    if (flushErase())
        update(m_surface.dirtyRect());
    m_presenter.poll();
}

void PlayWindow::waitRow(int delay) {
    const qint64 wait = rowWaitNs(delay, platform::secondMs());
    platform::waitUntilNs(m_rowSchedule.next(platform::monotonicNs(), wait));
}

void PlayWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        prepareToShow();
}

void PlayWindow::closeEvent(QCloseEvent *event) {
    closeSteps();
    event->accept();
}

void PlayWindow::paintEvent(QPaintEvent *event) {
    // A repaint asked for by an invalidation erases first, if erasing is allowed now, and
    // the presenter's picture takes what changed; presents only show the picture. The
    // picture is painted rather than the surface, so that a repaint never runs ahead of
    // the scrolled rows the presenter has shown.
    if (!m_presenting) {
        flushErase();
        const QRect dirty = m_surface.dirtyRect();
        if (!dirty.isEmpty()) {
            m_presenter.adopt(m_surface, dirty);
            m_surface.clearDirty();
        }
    }
    QPainter p(this);
    m_presenter.paintOnto(p, event->rect());
    // A window larger than its picture (moved to a larger screen during a play): the rest in
    // the window's colour.
    const QRegion beyond = QRegion(event->rect()) - QRect(QPoint(0, 0), m_presenter.pictureSize());
    for (const QRect &r : beyond)
        p.fillRect(r, platform::toQColor(m_color));
}

void PlayWindow::keyPressEvent(QKeyEvent *event) {
    event->accept();
    operatorKey(virtualKeyCode(event->key()));
}

void PlayWindow::mousePressEvent(QMouseEvent *event) {
    event->accept();
    mouseButtonDown(event->button());
}

void PlayWindow::mouseReleaseEvent(QMouseEvent *event) {
    event->accept();
    mouseButtonUp(event->button());
}

bool PlayWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_ui.operatorPanel) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
