#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class ScreenPresenter;

// The console's small picture of a play on another screen, made by a thread of its own.
//
// The scrolling pass holds the user-interface thread while a line scrolls in (messages run
// once a line, a second or more apart at reading speeds), so a preview painted by that thread
// would stand still for a whole line. This one is made every `interval` from the presenter's
// picture (ScreenPresenter::previewPicture, which keeps the picture's lock for a band of rows
// at a time) and handed to the target from this thread: the target puts it on screen
// itself (straight into a window through the X server) or asks its window to repaint. The
// scrolling pass never waits for it, and the presents wait at most one band.
//
// The preview is the picture scaled to fit the preview's size, with its proportions,
// centred; the rest is dark grey. It is shown as the reader sees it: a mirrored play is turned
// back.
class LivePreview {
public:
    // Given the whole preview and the part of it that changed. Called on the preview's thread.
    using Target = std::function<void(const QImage &preview, const QRect &changed)>;

    LivePreview() = default;
    ~LivePreview();
    LivePreview(const LivePreview &) = delete;
    LivePreview &operator=(const LivePreview &) = delete;

    // Starts the thread: a preview of `size` now and then every intervalMs.
    void start(const ScreenPresenter *presenter, bool mirrored, QSize size, int intervalMs,
               Target target);
    void stop();
    bool running() const { return m_thread.joinable(); }
    // The preview's size from its next picture on.
    void setSize(QSize size);

    // The last preview made, and how many have been made since start().
    QImage latest() const;
    qint64 made() const;

    // Where a picture of pictureSize stands in a preview of previewSize: as large as fits
    // with the picture's proportions, centred.
    static QRect fittedRect(QSize pictureSize, QSize previewSize);

private:
    void run();

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::thread m_thread;
    bool m_quit = false;
    const ScreenPresenter *m_presenter = nullptr;
    bool m_mirrored = false;
    QSize m_size;
    int m_intervalMs = 100;
    Target m_target;
    QImage m_latest;
    qint64 m_made = 0;
};
