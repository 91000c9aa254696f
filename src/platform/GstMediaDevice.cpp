// GStreamer's headers come first: GLib names members "signals", which Qt's keyword macros
// would otherwise rewrite.
#include <gst/gst.h>
#include <gst/video/video.h>
#include <gst/video/videooverlay.h>

#include "platform/GstMediaDevice.h"

#include <QFileInfo>
#include <QSet>
#include <QUrl>

#include <cstdlib>

namespace platform {
namespace {

// How long an open may take to show its first picture, and a seek to land, before the
// file is taken as unplayable: a broken file never hangs the program.
constexpr GstClockTime kOpenTimeout = 10 * GST_SECOND;
constexpr GstClockTime kSeekTimeout = 3 * GST_SECOND;

// playbin's "flags": which streams it plays.
constexpr guint kPlayVideo = 0x1;
constexpr guint kPlayAudio = 0x2;
constexpr guint kSoftVolume = 0x10;

qint64 toMs(gint64 ns) {
    return ns < 0 ? 0 : ns / GST_MSECOND;
}

// The sound goes to the system's output; the automatic sink falls back by itself to one that
// keeps time where there is none. Only without that element does the program choose one.
GstElement *audioSink() {
    if (GstElement *sink = gst_element_factory_make("autoaudiosink", nullptr))
        return sink;
    GstElement *sink = gst_element_factory_make("fakesink", nullptr);
    if (sink)
        g_object_set(sink, "sync", TRUE, nullptr);
    return sink;
}

GstElement *videoSink(quintptr window) {
    if (window != 0) {
        if (GstElement *sink = gst_element_factory_make("ximagesink", nullptr)) {
            // The window's events belong to the program; it asks for redraws itself.
            g_object_set(sink, "handle-events", FALSE, nullptr);
            gst_video_overlay_set_window_handle(GST_VIDEO_OVERLAY(sink), window);
            return sink;
        }
    }
    GstElement *sink = gst_element_factory_make("fakesink", nullptr);
    if (sink)
        g_object_set(sink, "sync", TRUE, nullptr);
    return sink;
}

// Called on GStreamer's threads for every message of a pipeline: only the end and errors
// matter, and nothing else is kept.
GstBusSyncReply onBusMessage(GstBus *, GstMessage *message, gpointer data) {
    auto *flags = static_cast<GstMediaDevice::BusFlags *>(data);
    if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS)
        flags->ended = true;
    else if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR)
        flags->failed = true;
    gst_message_unref(message);
    return GST_BUS_DROP;
}

// The devices alive. A program that ends at once (the exit commands) stops them first, so
// that no streaming thread still draws or plays while the process winds down.
QSet<GstMediaDevice *> &liveDevices() {
    static auto *devices = new QSet<GstMediaDevice *>;
    return *devices;
}

void closeLiveDevices() {
    for (GstMediaDevice *d : liveDevices())
        d->close();
}

} // namespace

GstMediaDevice::GstMediaDevice(Kind kind) : m_kind(kind) {
    liveDevices().insert(this);
}

GstMediaDevice::~GstMediaDevice() {
    close();
    liveDevices().remove(this);
}

bool GstMediaDevice::initialise() {
    static const bool ok = [] {
        if (!gst_init_check(nullptr, nullptr, nullptr))
            return false;
        std::atexit(closeLiveDevices);
        return true;
    }();
    return ok;
}

bool GstMediaDevice::open(const QString &path) {
    close();
    if (!prepare(path)) {
        close();
        return false;
    }
    m_mode = Mode::Stopped;
    return true;
}

bool GstMediaDevice::prepare(const QString &path) {
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable() || !initialise())
        return false;
    m_pipeline = gst_element_factory_make("playbin", nullptr);
    if (!m_pipeline)
        return false;
    m_bus.ended = false;
    m_bus.failed = false;
    GstBus *bus = gst_element_get_bus(m_pipeline);
    gst_bus_set_sync_handler(bus, onBusMessage, &m_bus, nullptr);
    gst_object_unref(bus);

    const QByteArray uri = QUrl::fromLocalFile(file.absoluteFilePath()).toEncoded();
    const bool video = m_kind == Kind::Video;
    g_object_set(m_pipeline, "uri", uri.constData(), "flags",
                 (video ? kPlayVideo : 0u) | kPlayAudio | kSoftVolume, nullptr);
    if (GstElement *sink = audioSink())
        g_object_set(m_pipeline, "audio-sink", sink, nullptr);
    // Both sinks are named, so that playbin never tries the system's other video outputs
    // (some of which crash where they find no device). A sound device drops any picture.
    m_videoSink = videoSink(video ? m_window : 0);
    if (m_videoSink)
        g_object_set(m_pipeline, "video-sink", m_videoSink, nullptr);

    // Ready to play means paused with the first picture shown (or the first sound queued).
    if (gst_element_set_state(m_pipeline, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE)
        return false;
    if (!waitForState())
        return false;

    gint videoStreams = 0, audioStreams = 0;
    g_object_get(m_pipeline, "n-video", &videoStreams, "n-audio", &audioStreams, nullptr);
    if (video ? videoStreams == 0 : audioStreams == 0)
        return false;
    if (video) {
        GstPad *pad = nullptr;
        g_signal_emit_by_name(m_pipeline, "get-video-pad", 0, &pad);
        if (!pad)
            return false;
        GstCaps *caps = gst_pad_get_current_caps(pad);
        GstVideoInfo info;
        const bool known = caps && gst_video_info_from_caps(&info, caps);
        if (caps)
            gst_caps_unref(caps);
        gst_object_unref(pad);
        if (!known || info.width <= 0 || info.height <= 0)
            return false;
        m_size = QSize(info.width, info.height);
    }
    return true;
}

bool GstMediaDevice::waitForState() const {
    const GstStateChangeReturn r =
        gst_element_get_state(m_pipeline, nullptr, nullptr, kOpenTimeout);
    return (r == GST_STATE_CHANGE_SUCCESS || r == GST_STATE_CHANGE_NO_PREROLL) && !m_bus.failed;
}

void GstMediaDevice::close() {
    if (m_pipeline) {
        // Stopping joins GStreamer's threads: nothing draws into the window after this.
        gst_element_set_state(m_pipeline, GST_STATE_NULL);
        gst_object_unref(m_pipeline);
    }
    m_pipeline = nullptr;
    m_videoSink = nullptr;
    m_size = QSize();
    m_mode = Mode::NotOpen;
}

void GstMediaDevice::play() {
    if (!m_pipeline)
        return;
    if (m_bus.ended)
        seek(0);
    gst_element_set_state(m_pipeline, GST_STATE_PLAYING);
    m_mode = Mode::Playing;
}

void GstMediaDevice::hold(Mode mode) {
    if (!m_pipeline)
        return;
    gst_element_set_state(m_pipeline, GST_STATE_PAUSED);
    m_mode = mode;
}

void GstMediaDevice::pause() {
    hold(Mode::Paused);
}

void GstMediaDevice::stop() {
    hold(Mode::Stopped);
}

void GstMediaDevice::seek(qint64 ms) {
    if (!m_pipeline)
        return;
    m_bus.ended = false;
    gst_element_seek_simple(m_pipeline, GST_FORMAT_TIME,
                            GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                            qMax<qint64>(0, ms) * GST_MSECOND);
    // The position reads back once the seek has landed.
    gst_element_get_state(m_pipeline, nullptr, nullptr, kSeekTimeout);
}

qint64 GstMediaDevice::position() const {
    gint64 ns = 0;
    if (!m_pipeline || !gst_element_query_position(m_pipeline, GST_FORMAT_TIME, &ns))
        return 0;
    return toMs(ns);
}

qint64 GstMediaDevice::length() const {
    gint64 ns = 0;
    if (!m_pipeline || !gst_element_query_duration(m_pipeline, GST_FORMAT_TIME, &ns))
        return 0;
    return toMs(ns);
}

MediaDevice::Mode GstMediaDevice::mode() const {
    // A medium that reached its end (or broke off) has stopped by itself.
    if (m_mode == Mode::Playing && (m_bus.ended || m_bus.failed))
        return Mode::Stopped;
    return m_mode;
}

void GstMediaDevice::expose() {
    if (m_videoSink && GST_IS_VIDEO_OVERLAY(m_videoSink))
        gst_video_overlay_expose(GST_VIDEO_OVERLAY(m_videoSink));
}

} // namespace platform
