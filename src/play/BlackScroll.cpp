// The play window: creation, show, the orderly close, the operator panel, painting and the
// translation of Qt's key and mouse events into the window's handlers.
#include "play/BlackScroll.h"

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

TForm4::TForm4(PlayHost *host, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_host(host) {
    setObjectName(QStringLiteral("Form4"));
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

TForm4::~TForm4() {
    m_presenter.setTarget(nullptr, false);
}

void TForm4::buildPanel() {
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setCursor(Qt::PointingHandCursor);
    Panel1->setAutoFillBackground(true);
    Panel1->setGeometry(0, 4, 50, 400);
    QFont small(QStringLiteral("Arial"));
    small.setPixelSize(11);
    Panel1->setFont(small);

    ToolButton3 = new QToolButton(Panel1);
    ToolButton3->setObjectName(QStringLiteral("ToolButton3"));
    ToolButton3->setIcon(restartIcon());
    ToolButton2 = new QToolButton(Panel1);
    ToolButton2->setObjectName(QStringLiteral("ToolButton2"));
    ToolButton2->setIcon(pauseIcon());
    ToolButton2->setCheckable(true);
    SpeedButton1 = new QPushButton(QStringLiteral("E&xit"), Panel1);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    Label2 = panelLabel(Panel1, "Label2", QStringLiteral("Delay"));
    CheckBox1 = new QCheckBox(QStringLiteral("x10"), Panel1);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    Label1 = panelLabel(Panel1, "Label1", QString());
    TrackBar1 = panelTrackBar(Panel1, "TrackBar1", 8, 1500, 50, QStringLiteral("Change the Speed"));
    Label3 = panelLabel(Panel1, "Label3", QStringLiteral("FSize"));
    Label4 = panelLabel(Panel1, "Label4", QString());
    TrackBar2 = panelTrackBar(Panel1, "TrackBar2", 2, 200, 4, QStringLiteral("Change Font Size"));
    TrackBar2->setPageStep(4);
    // The keys belong to the play window, never to a control of the panel.
    for (QWidget *w : {static_cast<QWidget *>(ToolButton3), static_cast<QWidget *>(ToolButton2),
                       static_cast<QWidget *>(SpeedButton1), static_cast<QWidget *>(CheckBox1)})
        w->setFocusPolicy(Qt::NoFocus);

    auto *layout = new QVBoxLayout(Panel1);
    layout->setContentsMargins(2, 4, 2, 4);
    layout->setSpacing(3);
    layout->addWidget(ToolButton3, 0, Qt::AlignHCenter);
    layout->addWidget(ToolButton2, 0, Qt::AlignHCenter);
    layout->addWidget(SpeedButton1);
    layout->addWidget(Label2);
    layout->addWidget(CheckBox1);
    layout->addWidget(Label1);
    layout->addWidget(TrackBar1, 1, Qt::AlignHCenter);
    layout->addWidget(Label3);
    layout->addWidget(Label4);
    layout->addWidget(TrackBar2, 1, Qt::AlignHCenter);
    Panel1->hide();
    // A click on the panel belongs to the panel, not to the play window behind it.
    Panel1->installEventFilter(this);

    connect(ToolButton3, &QToolButton::clicked, this, &TForm4::ToolButton3Click);
    connect(ToolButton2, &QToolButton::clicked, this, &TForm4::ToolButton2Click);
    connect(SpeedButton1, &QPushButton::clicked, this, &TForm4::SpeedButton1Click);
    connect(CheckBox1, &QCheckBox::toggled, this, &TForm4::CheckBox1Click);
    connect(TrackBar1, &QSlider::valueChanged, this, &TForm4::TrackBar1Change);
    connect(TrackBar2, &QSlider::valueChanged, this, &TForm4::TrackBar2Change);
}

void TForm4::FormCreate() {
    // The antialias weights come before everything else, a command-line play included.
    copyAntiKernel(AntiKernel);
    killnow = false;
    RightHeld = false;
    Scrolling = false;
    Reversed = false;
    // The window covers the screen (its maximised state).
    const QSize screen = platform::Screen::size();
    setGeometry(QRect(QPoint(0, 0), screen));
    m_surface.resize(screen, rgbOf(m_color));
    // A script named on the command line plays now, before the windows created later exist.
    m_host->runStartUpPlay();
}

void TForm4::FormShow() {
    ScreenBits = static_cast<qint8>(platform::Screen::depth());
    // The speed bar takes the console's position before the x10 box is copied: a change of
    // the box runs its click rule, which sets Delay from the bar's position, and a position
    // left over from an earlier play (or the bar's minimum before the first) would replace
    // the operator's speed.
    platform::setTrackBarPosition(TrackBar1, m_options.delayBarPosition);
    CheckBox1->setChecked(m_options.slowerX10);
    LineActive = false;
    m_color = m_options.backColor;
    m_fontColor = m_options.textColor;
    TrackBar1->setSingleStep(m_options.arrowAmt);
    TrackBar1->setPageStep(m_options.pgJumpAmt);
    const QScreen *s = screen();
    const double hz = s ? s->refreshRate() : 60.0;
    m_pacer.setRefreshHz(hz);
    m_pacer.reset();
    m_presenter.setRefreshHz(hz);
}

void TForm4::startPlay() {
    const QSize screen = platform::Screen::size();
    if (!m_options.videoMode) {
        // The operator panel stands at the screen's right edge, shown once the text starts.
        Panel1->hide();
        Panel1->setGeometry(screen.width() - 50, 4, 50, screen.height() - 8);
    }
    // The window covers the screen in the background colour.
    setCursor(Qt::BlankCursor);
    setVisible(false);
    setGeometry(QRect(QPoint(0, 0), screen));
    if (m_surface.size() != screen)
        m_surface.resize(screen, rgbOf(m_options.backColor));
    setEnabled(true);
    m_color = m_options.backColor;
    m_brushColor = m_options.backColor;
    m_strip.setColors(m_options.textColor, m_options.backColor);
    Reversed = false;
    invalidate();
    show();
    activateWindow();
    choosePresentTarget();
}

void TForm4::choosePresentTarget() {
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

void TForm4::runPass() {
    if (m_options.fadeTitles) {
        fadetitles();
        return;
    }
    restartPass();
}

void TForm4::restartPass() {
    Form4Startup(m_options.tvTitle, m_options.centreText, m_options.mirror, m_options.calibrating);
}

void TForm4::closeform4() {
    Scrolling = false;
    Panel1->hide();
    setVisible(false);
    m_host->handBackSpeed(TrackBar1->value());
    m_host->playClosed();
    hide();
    setEnabled(false);
    // The close event of a hidden window: FormClose runs, nothing else happens.
    QCloseEvent close;
    QCoreApplication::sendEvent(this, &close);
    platform::pumpMessages();
}

void TForm4::FormClose() {
    FadeRunning = false;
    killnow = false;
    m_host->setSlowerX10(CheckBox1->isChecked());
    m_host->handBackSpeed(TrackBar1->value());
}

void TForm4::setCanvasFontSize(int points) {
    m_canvasFont.setPointSize(qMax(1, points));
}

QRgb TForm4::rgbOf(int colorValue) const {
    return platform::toQColor(colorValue).rgb();
}

void TForm4::invalidate() {
    m_erasePending = true;
    update();
}

bool TForm4::flushErase() {
    if (!m_erasePending)
        return false;
    m_erasePending = false;
    if (EraseAllowed)
        m_surface.erase(rgbOf(m_color));
    return true;
}

void TForm4::presentDirty() {
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

void TForm4::repaintNow() {
    flushErase();
    presentDirty();
}

void TForm4::pumpMessages() {
    platform::pumpMessages();
    // A pending repaint is processed at the pump even where the window system has not
    // asked for a paint yet (the window may not be exposed).
    if (flushErase())
        update(m_surface.dirtyRect());
    m_presenter.poll();
}

void TForm4::waitRow(int delay) {
    const qint64 wait = rowWaitNs(delay, platform::secondMs());
    platform::waitUntilNs(m_rowSchedule.next(platform::monotonicNs(), wait));
}

void TForm4::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm4::closeEvent(QCloseEvent *event) {
    FormClose();
    event->accept();
}

void TForm4::paintEvent(QPaintEvent *event) {
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
}

void TForm4::keyPressEvent(QKeyEvent *event) {
    event->accept();
    onkeyHideBlackScreen(virtualKeyCode(event->key()));
}

void TForm4::mousePressEvent(QMouseEvent *event) {
    event->accept();
    PlayFormMouseDown(event->button());
}

void TForm4::mouseReleaseEvent(QMouseEvent *event) {
    event->accept();
    PlayFormMouseUp(event->button());
}

bool TForm4::eventFilter(QObject *watched, QEvent *event) {
    if (watched == Panel1) {
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
