#include "play/PlayPreview.h"

#include "platform/X11Window.h"
#include "play/ScreenPresenter.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

PlayPreview::PlayPreview(QWidget *covered) : QWidget(covered->parentWidget()), m_covered(covered) {
    setObjectName(QStringLiteral("playPreview"));
    // A window of its own, which the preview's thread draws into, is made at the first preview
    // (a native child made with the main window would cost every start); the main window and
    // the other controls stay as they are.
    setAttribute(Qt::WA_DontCreateNativeAncestors);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setToolTip(QStringLiteral("The play screen, as the reader sees it"));
    covered->installEventFilter(this);
    hide();
}

PlayPreview::~PlayPreview() {
    stop();
}

void PlayPreview::start(const ScreenPresenter &presenter, bool mirrored) {
    stop();
    m_mirrored = mirrored;
    setGeometry(m_covered->geometry());
    setAttribute(Qt::WA_NativeWindow);
    show();
    raise();
    // Straight into the window where the platform allows it and window pixels are screen
    // pixels; the toolkit may have made a new native window since the last preview.
    if (devicePixelRatioF() == 1.0)
        m_direct = platform::X11Window::open(static_cast<unsigned long>(winId()));
    // The thread is stopped before the window goes: it may name the window.
    platform::X11Window *direct = m_direct.get();
    m_feed.start(&presenter, mirrored, size(), kIntervalMs,
                 [this, direct](const QImage &preview, const QRect &changed) {
                     if (direct)
                         direct->put(preview, changed);
                     else
                         QMetaObject::invokeMethod(
                             this, [this] { update(); }, Qt::QueuedConnection);
                 });
}

void PlayPreview::stop() {
    m_feed.stop();
    m_direct.reset();
    hide();
}

void PlayPreview::paintEvent(QPaintEvent *event) {
    QPainter p(this);
    const QImage latest = m_feed.latest();
    if (latest.size() == size())
        p.drawImage(event->rect().topLeft(), latest, event->rect());
    else
        p.fillRect(event->rect(), QColor(0x30, 0x30, 0x30));
}

void PlayPreview::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    m_feed.setSize(event->size());
}

bool PlayPreview::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_covered && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        setGeometry(m_covered->geometry());
    return QWidget::eventFilter(watched, event);
}
