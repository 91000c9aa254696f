#include "play/LivePreview.h"

#include "play/ScreenPresenter.h"
#include "play/WorkerThread.h"

#include <QPainter>

#include <chrono>

namespace {
// Around the picture.
constexpr QRgb kMargin = 0xFF303030;
// The longest a preview waits for a present of the play to follow (a paused play has none).
constexpr qint64 kPresentWaitNs = 25 * 1000 * 1000;
} // namespace

LivePreview::~LivePreview() {
    stop();
}

void LivePreview::start(const ScreenPresenter *presenter, bool mirrored, QSize size, int intervalMs,
                        Target target) {
    stop();
    {
        std::lock_guard lock(m_mutex);
        m_presenter = presenter;
        m_mirrored = mirrored;
        m_size = size;
        m_intervalMs = std::max(1, intervalMs);
        m_target = std::move(target);
        m_made = 0;
        m_quit = false;
    }
    m_thread = std::thread([this] { run(); });
}

void LivePreview::stop() {
    if (!m_thread.joinable())
        return;
    endWorkerThread(m_thread, m_mutex, m_wake, m_quit);
    std::lock_guard lock(m_mutex);
    m_target = nullptr;
    m_presenter = nullptr;
}

void LivePreview::setSize(QSize size) {
    {
        std::lock_guard lock(m_mutex);
        m_size = size;
    }
    m_wake.notify_all();
}

QImage LivePreview::latest() const {
    std::lock_guard lock(m_mutex);
    return m_latest;
}

qint64 LivePreview::made() const {
    std::lock_guard lock(m_mutex);
    return m_made;
}

QRect LivePreview::fittedRect(QSize pictureSize, QSize previewSize) {
    if (pictureSize.isEmpty() || previewSize.isEmpty())
        return {};
    const QSize fitted = pictureSize.scaled(previewSize, Qt::KeepAspectRatio);
    return QRect(QPoint((previewSize.width() - fitted.width()) / 2,
                        (previewSize.height() - fitted.height()) / 2),
                 fitted);
}

void LivePreview::run() {
    using Clock = std::chrono::steady_clock;
    // The preview in the making: the margins are painted when its size changes, the
    // picture's part at every turn.
    QImage preview;
    QRect picturePart;
    auto next = Clock::now();
    std::unique_lock lock(m_mutex);
    while (!m_quit) {
        const QSize size = m_size;
        const bool mirrored = m_mirrored;
        const ScreenPresenter *presenter = m_presenter;
        const Target target = m_target;
        lock.unlock();

        bool whole = false;
        if (preview.size() != size) {
            preview = QImage(size, QImage::Format_RGB32);
            preview.fill(kMargin);
            picturePart = QRect();
            whole = true;
        }
        // Made and put just after a present of the play: the display server takes the
        // preview in the time between two of the play's presents, not in the way of one.
        if (presenter)
            presenter->waitForPresent(kPresentWaitNs);
        if (presenter && !preview.isNull()) {
            const QRect part = fittedRect(presenter->pictureSize(), size);
            if (part != picturePart) {
                preview.fill(kMargin);
                picturePart = part;
                whole = true;
            }
            if (!part.isEmpty()) {
                const QImage small = presenter->previewPicture(part.size(), mirrored);
                QPainter p(&preview);
                p.drawImage(part.topLeft(), small);
            }
        }
        lock.lock();
        m_latest = preview;
        ++m_made;
        lock.unlock();
        if (target && !preview.isNull())
            target(preview, whole ? preview.rect() : picturePart);

        lock.lock();
        next += std::chrono::milliseconds(m_intervalMs);
        const auto now = Clock::now();
        if (next < now)
            next = now; // late: no burst to catch up
        m_wake.wait_until(lock, next, [this] { return m_quit; });
    }
}
