#pragma once

#include "platform/MediaDevice.h"

#include <atomic>

typedef struct _GstElement GstElement;

namespace platform {

// A media device over GStreamer's playbin. A video's pictures go to an X image sink drawing
// into the display window from GStreamer's own threads, so they keep their pace while the
// user-interface thread is busy; without a display window they are decoded and dropped in
// time. Sound goes to the system's audio output, or, where there is none, to a sink that
// only keeps time, so that the medium still plays (silently).
class GstMediaDevice final : public MediaDevice {
public:
    explicit GstMediaDevice(Kind kind);
    ~GstMediaDevice() override;
    GstMediaDevice(const GstMediaDevice &) = delete;
    GstMediaDevice &operator=(const GstMediaDevice &) = delete;

    void setDisplayWindow(quintptr window) override { m_window = window; }
    bool open(const QString &path) override;
    void close() override;
    bool isOpen() const override { return m_pipeline != nullptr; }
    QSize naturalSize() const override { return m_size; }
    void play() override;
    void pause() override;
    void stop() override;
    void seek(qint64 ms) override;
    qint64 position() const override;
    qint64 length() const override;
    Mode mode() const override;
    bool ended() const override { return m_bus.ended; }
    void expose() override;

    // GStreamer is started once, on first use; false when it cannot be.
    static bool initialise();

private:
    bool prepare(const QString &path);
    bool waitForState() const;
    void hold(Mode mode);

    Kind m_kind;
    quintptr m_window = 0;
    GstElement *m_pipeline = nullptr;
    GstElement *m_videoSink = nullptr; // owned by the pipeline
    QSize m_size;
    Mode m_mode = Mode::NotOpen;

public:
    // Set from GStreamer's threads: the medium reached its end, or failed while playing.
    struct BusFlags {
        std::atomic<bool> ended{false};
        std::atomic<bool> failed{false};
    };

private:
    BusFlags m_bus;
};

} // namespace platform
