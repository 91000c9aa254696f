#include "play/ScreenPresenter.h"

#include "platform/PreciseWait.h"
#include "play/PlaySurface.h"
#include "play/WorkerThread.h"

#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

// Rows the ring keeps beyond the scroll area's height: a trail's worth at any pace a person
// can read, and more.
constexpr int kSpareRows = 512;
// A showing of rows is made this long before its time: the picture moved and handed to
// the target, which then only has to put it on screen at the showing's time. What the
// copies cost, and how much that varies, then stays out of the cadence.
constexpr qint64 kStageAheadNs = 3'000'000;

} // namespace

qint64 ScreenPresenter::nowNs() {
    return platform::monotonicNs();
}

ScreenPresenter::ScreenPresenter() = default;

ScreenPresenter::~ScreenPresenter() {
    stopThread();
}

void ScreenPresenter::stopThread() {
    endWorkerThread(m_thread, m_mutex, m_wake, m_quit);
    m_quit = false;
}

void ScreenPresenter::setTarget(Target *target, bool ownThread) {
    stopThread();
    {
        std::lock_guard lock(m_mutex);
        m_target = target;
    }
    if (target && ownThread)
        m_thread = std::thread([this] { run(); });
}

void ScreenPresenter::setRefreshHz(double hz) {
    std::lock_guard lock(m_mutex);
    m_schedule.setRefreshNs(hz > 0.0 && std::isfinite(hz) ? std::llround(1e9 / hz) : 0);
}

void ScreenPresenter::setFollowRows(bool on) {
    std::lock_guard lock(m_mutex);
    m_schedule.setFollowRows(on);
    std::lock_guard ring(m_ringMutex);
    m_follow = on;
}

void ScreenPresenter::adopt(const PlaySurface &surface, const QRect &rect) {
    std::lock_guard lock(m_mutex);
    adoptLocked(surface, rect);
}

void ScreenPresenter::adoptLocked(const PlaySurface &surface, const QRect &rect) {
    ++m_generation; // a showing staged before this is not put on screen
    QRect r = rect;
    if (m_picture.size() != surface.size()) {
        m_picture = QImage(surface.size(), QImage::Format_RGB32);
        r = m_picture.rect();
    }
    if (m_rows && r.intersects(m_area)) {
        // The surface holds every finished row: none waits any longer.
        r |= m_area;
        std::lock_guard ring(m_ringMutex);
        m_taken = m_finished;
        m_schedule.restart(m_finished);
    }
    surface.copyTo(m_picture, r);
}

void ScreenPresenter::showFrame(const PlaySurface &surface, const QRect &rect) {
    std::unique_lock lock(m_mutex);
    // The picture before goes out first: none is skipped.
    m_frameOut.wait(lock, [this] { return m_frame.isEmpty(); });
    adoptLocked(surface, rect);
    const QRect r = rect.intersected(m_picture.rect());
    if (r.isEmpty() || !m_target)
        return;
    if (m_thread.joinable()) {
        m_frame = r;
        lock.unlock();
        m_wake.notify_one();
        return;
    }
    Target *target = m_target;
    lock.unlock();
    target->show(m_picture, r);
}

void ScreenPresenter::beginRows(const PlaySurface &surface) {
    beginRowsLocked(surface);
    m_wake.notify_one(); // a thread asleep without rows to look for
}

void ScreenPresenter::beginRowsLocked(const PlaySurface &surface) {
    std::lock_guard lock(m_mutex);
    ++m_generation;
    m_area = surface.scrollArea();
    m_rows = !m_area.isEmpty();
    if (m_picture.size() != surface.size()) {
        m_picture = QImage(surface.size(), QImage::Format_RGB32);
        surface.copyTo(m_picture, m_picture.rect());
    } else {
        surface.copyTo(m_picture, m_area);
    }
    std::lock_guard ring(m_ringMutex);
    const QSize ringSize(m_area.width(), m_area.height() + kSpareRows);
    if (!m_rows) {
        m_ring = QImage();
    } else if (m_ring.size() != ringSize) {
        m_ring = QImage(ringSize, QImage::Format_RGB32);
        m_ringTimes.assign(static_cast<size_t>(ringSize.height()), 0);
        m_ringPaces.assign(static_cast<size_t>(ringSize.height()), 0);
    }
    // Row 0 is the area's bottom row as it stands: a row narrower than the area keeps the
    // rest of the row above it, as the surface does.
    if (m_rows)
        std::memcpy(m_ring.scanLine(0),
                    m_picture.constScanLine(m_area.bottom()) + m_area.left() * 4,
                    static_cast<size_t>(m_area.width()) * 4);
    m_finished = 0;
    m_taken = 0;
    m_schedule.restart(0);
}

void ScreenPresenter::rowScrolledIn(const QRgb *pixels, int count, qint64 paceNs) {
    const qint64 at = nowNs();
    bool wake = false;
    {
        std::lock_guard ring(m_ringMutex);
        if (m_ring.isNull() || !pixels)
            return;
        const int lines = m_ring.height();
        const qint64 n = m_finished + 1;
        uchar *line = m_ring.scanLine(static_cast<int>(n % lines));
        const int width = m_ring.width();
        const int c = std::clamp(count, 0, width);
        std::memcpy(line, pixels, static_cast<size_t>(c) * 4);
        if (c < width)
            std::memcpy(line + c * 4,
                        m_ring.constScanLine(static_cast<int>((n - 1) % lines)) + c * 4,
                        static_cast<size_t>(width - c) * 4);
        m_ringTimes[static_cast<size_t>(n % lines)] = at;
        m_ringPaces[static_cast<size_t>(n % lines)] = paceNs;
        m_finished = n;
        wake = m_follow || n == m_awaited;
    }
    if (wake)
        m_wake.notify_one();
}

void ScreenPresenter::takeArrivals() {
    std::lock_guard ring(m_ringMutex);
    if (m_ring.isNull())
        return;
    const qint64 lines = m_ring.height();
    // Rows the ring no longer holds count as finished at the oldest time it holds.
    const qint64 oldest = std::max<qint64>(1, m_finished - lines + 1);
    for (qint64 n = m_taken + 1; n <= m_finished; ++n) {
        const auto k = static_cast<size_t>(std::max(n, oldest) % lines);
        m_schedule.rowArrived(m_ringTimes[k], n >= oldest ? m_ringPaces[k] : 0);
    }
    m_taken = m_finished;
}

QRect ScreenPresenter::presentDue(qint64 nowNs) {
    if (!m_rows || !m_target)
        return {};
    takeArrivals();
    if (m_schedule.dueAt() > nowNs)
        return {};
    const qint64 from = m_schedule.shown();
    const qint64 to = m_schedule.present(nowNs);
    if (to == from)
        return {};
    writeRows(from, to);
    return m_area;
}

void ScreenPresenter::writeRows(qint64 from, qint64 to) {
    std::unique_lock ring(m_ringMutex);
    const int lines = m_ring.height();
    const int h = m_area.height();
    const size_t bytes = static_cast<size_t>(m_area.width()) * 4;
    const int left = m_area.left() * 4;
    // The rows the picture needs: those above the bottom row and the bottom row again.
    if (std::max(from + 1, to - h + 2) <= m_finished - lines) {
        // The rows ran further ahead than the ring holds: the newest rows fill the area.
        to = m_finished;
        from = to - h;
        m_taken = m_finished;
        m_schedule.restart(to);
    }
    const qint64 moved = to - from;
    // Moving the picture needs no ring: the rows go on being finished meanwhile, and the
    // rows read below (at most an area's height behind the newest) stay in the ring, which
    // holds hundreds of rows more.
    ring.unlock();
    if (moved < h)
        for (int y = m_area.top(); y <= m_area.top() + h - 1 - static_cast<int>(moved); ++y)
            std::memcpy(m_picture.scanLine(y) + left,
                        m_picture.constScanLine(y + static_cast<int>(moved)) + left, bytes);
    ring.lock();
    for (qint64 n = std::max(from + 1, to - h + 2); n <= to; ++n) {
        const int y = m_area.top() + h - 2 - static_cast<int>(to - n);
        std::memcpy(m_picture.scanLine(y) + left, m_ring.constScanLine(static_cast<int>(n % lines)),
                    bytes);
    }
    std::memcpy(m_picture.scanLine(m_area.bottom()) + left,
                m_ring.constScanLine(static_cast<int>(to % lines)), bytes);
}

bool ScreenPresenter::waitForPresent(qint64 timeoutNs) const {
    std::unique_lock lock(m_mutex);
    const quint64 seen = m_presents;
    return m_presented.wait_for(lock, std::chrono::nanoseconds(timeoutNs), [&] {
        return m_presents != seen || m_quit;
    }) && m_presents != seen;
}

void ScreenPresenter::run() {
    std::unique_lock lock(m_mutex);
    while (!m_quit) {
        qint64 now = nowNs();
        takeArrivals();
        const qint64 refresh = m_schedule.refreshNs();
        // A whole picture waiting goes first, a refresh after the last present; else the rows.
        const bool frame = !m_frame.isEmpty();
        qint64 due = frame    ? m_lastPresentNs + refresh
                     : m_rows ? m_schedule.dueAt()
                              : PresentSchedule::kNever;
        // Without a vertical blank to wait for, a showing of rows due soon is made now and
        // staged, and goes on screen at its time.
        if (!frame && !m_verticalBlank && due != PresentSchedule::kNever &&
            due - now <= kStageAheadNs) {
            const qint64 at = std::max(now, due);
            const QRect shown = presentDue(at);
            if (!shown.isEmpty()) {
                const bool staged = m_target->stage(m_picture, shown);
                const quint64 generation = m_generation;
                lock.unlock();
                platform::waitUntilNs(at);
                lock.lock();
                // The picture changed meanwhile (an erase, a new run of rows): the staged
                // showing is out of date, and the change is shown by its own caller.
                if (m_quit || generation != m_generation)
                    continue;
                m_lastPresentNs = at;
                if (staged)
                    m_target->commit();
                else
                    m_target->show(m_picture, shown);
                ++m_presents;
                m_presented.notify_all();
                continue;
            }
        }
        // With a vertical-blank wait, a present due within the coming refresh goes out at
        // the blank (unless the rows already wait for it themselves).
        if (m_verticalBlank && (frame || !m_follow) && due != PresentSchedule::kNever &&
            due < now + refresh) {
            const std::function<void()> wait = m_verticalBlank;
            lock.unlock();
            wait();
            lock.lock();
            if (m_quit)
                break;
            now = std::max(nowNs(), due);
        }
        QRect shown;
        if (frame && now >= due && !m_frame.isEmpty())
            shown = std::exchange(m_frame, QRect());
        else if (!frame && m_verticalBlank)
            shown = presentDue(now);
        if (!shown.isEmpty()) {
            m_lastPresentNs = now;
            m_target->show(m_picture, shown);
            if (frame)
                m_frameOut.notify_all();
            ++m_presents;
            m_presented.notify_all();
            continue;
        }
        // Asleep until the next present is due (a refresh before it with a vertical-blank
        // wait, the staging time before it without); new rows are looked for once a refresh.
        if (!frame)
            due = m_schedule.dueAt();
        if (due != PresentSchedule::kNever && m_verticalBlank)
            due -= refresh;
        else if (due != PresentSchedule::kNever && !frame)
            due -= kStageAheadNs;
        // A showing still short of rows is woken by its last row as it is finished.
        {
            std::lock_guard ring(m_ringMutex);
            m_awaited = frame ? PresentSchedule::kNever : m_schedule.awaitedRow();
            if (m_awaited <= m_finished)
                continue; // it came meanwhile
        }
        const qint64 wake = m_rows ? std::min(due, now + refresh) : due;
        if (wake == PresentSchedule::kNever)
            m_wake.wait(lock);
        else
            m_wake.wait_until(
                lock, std::chrono::steady_clock::time_point(std::chrono::nanoseconds(wake)));
    }
    // A picture still waiting is not shown: its caller must not wait for it.
    m_frame = QRect();
    m_frameOut.notify_all();
}

void ScreenPresenter::setVerticalBlank(std::function<void()> wait) {
    std::lock_guard lock(m_mutex);
    m_verticalBlank = std::move(wait);
}

void ScreenPresenter::poll() {
    if (m_thread.joinable())
        return;
    std::unique_lock lock(m_mutex);
    const QRect shown = presentDue(nowNs());
    if (shown.isEmpty())
        return;
    Target *target = m_target;
    // The target may paint the picture again through paintOnto().
    lock.unlock();
    target->show(m_picture, shown);
}

void ScreenPresenter::showNewest() {
    std::unique_lock lock(m_mutex);
    takeArrivals();
    m_schedule.showNewest();
    if (m_thread.joinable()) {
        lock.unlock();
        m_wake.notify_one();
        return;
    }
    // Without a thread: at once.
    const qint64 from = m_schedule.shown();
    const qint64 to = m_schedule.present(nowNs());
    if (to == from || !m_target)
        return;
    writeRows(from, to);
    Target *target = m_target;
    lock.unlock();
    target->show(m_picture, m_area);
}

void ScreenPresenter::paintOnto(QPainter &painter, const QRect &rect) const {
    std::lock_guard lock(m_mutex);
    const QRect r = rect.intersected(m_picture.rect());
    if (!r.isEmpty())
        painter.drawImage(r.topLeft(), m_picture, r);
}

QImage ScreenPresenter::picture() const {
    std::lock_guard lock(m_mutex);
    return m_picture.copy();
}

QSize ScreenPresenter::pictureSize() const {
    std::lock_guard lock(m_mutex);
    return m_picture.size();
}

QImage ScreenPresenter::previewPicture(QSize size, bool mirrored) const {
    QImage out(size, QImage::Format_RGB32);
    if (out.isNull())
        return out;
    // Rows of the preview made under one hold of the lock.
    constexpr int kBand = 8;
    const int w = out.width();
    const int h = out.height();
    for (int top = 0; top < h; top += kBand) {
        std::lock_guard lock(m_mutex);
        const int sw = m_picture.width();
        const int sh = m_picture.height();
        for (int y = top; y < std::min(top + kBand, h); ++y) {
            auto *to = reinterpret_cast<QRgb *>(out.scanLine(y));
            if (sw == 0 || sh == 0) {
                std::fill(to, to + w, qRgb(0, 0, 0));
                continue;
            }
            const int sy = static_cast<int>(static_cast<qint64>(y) * sh / h);
            const auto *upper = reinterpret_cast<const QRgb *>(m_picture.constScanLine(sy));
            const auto *lower =
                reinterpret_cast<const QRgb *>(m_picture.constScanLine(std::min(sy + 1, sh - 1)));
            for (int x = 0; x < w; ++x) {
                const int sx = static_cast<int>(static_cast<qint64>(x) * sw / w);
                const int sx2 = std::min(sx + 1, sw - 1);
                // Red and blue, and green, summed in their own bits: four 8-bit values fit.
                const quint32 rb = (upper[sx] & 0xFF00FFu) + (upper[sx2] & 0xFF00FFu) +
                                   (lower[sx] & 0xFF00FFu) + (lower[sx2] & 0xFF00FFu);
                const quint32 g = (upper[sx] & 0xFF00u) + (upper[sx2] & 0xFF00u) +
                                  (lower[sx] & 0xFF00u) + (lower[sx2] & 0xFF00u);
                to[mirrored ? w - 1 - x : x] =
                    0xFF000000u | ((rb >> 2) & 0xFF00FFu) | ((g >> 2) & 0xFF00u);
            }
        }
    }
    return out;
}

qint64 ScreenPresenter::rowsFinished() const {
    std::lock_guard ring(m_ringMutex);
    return m_finished;
}

qint64 ScreenPresenter::rowsShown() const {
    std::lock_guard lock(m_mutex);
    return m_schedule.shown();
}
