#pragma once

#include <QSize>
#include <QString>

#include <functional>
#include <memory>

namespace platform {

// A media device: one file opened for playing, as the players of the main window use it.
// Open, close, play, pause, stop, seek and the picture's natural size; a video device draws
// its pictures by itself into a native window it is given.
//
// The program's implementation is GStreamer's playbin (GstMediaDevice). The choice was made
// by measurement: the play pass holds the user-interface thread in its row waits while a
// line scrolls in and lets messages run only between lines, so anything painted by the
// user-interface thread freezes for the whole of each line. A 25 frames-a-second clip at
// the top of a window, with that thread busy for 500 ms between message pumps, showed 25.0
// frames a second with playbin drawing through its X image sink into a native child window,
// and 1.0 a second through Qt Multimedia (a QVideoWidget, or a widget painting the frames
// of a QVideoSink), which manages 24 a second only while the thread is free. Sound goes
// through the same framework: wave files, MIDI through a software synthesizer, and
// whatever else it plays; with no audio output at all a device plays silently.
//
// Tests install a factory of their own (setFactory) to run the players without GStreamer.
class MediaDevice {
public:
    // What a device is for: a video with its picture ("AVIVideo"), or a sound, whose kind
    // the file itself decides (wave, MIDI, or the sound of a movie).
    enum class Kind { Video, Sound };
    enum class Mode { NotOpen, Stopped, Playing, Paused };

    virtual ~MediaDevice();

    // The native window that a video's pictures are drawn into (an X window id), or 0 for
    // none: the pictures are then decoded and dropped in time. Takes effect at the next open.
    virtual void setDisplayWindow(quintptr window) = 0;
    // Opens the file, closing what the device had open; waits until the file is ready to
    // play (its first picture shown), at most a few seconds. False when the file is missing,
    // is not media, or holds nothing of the device's kind (no picture for a video device,
    // no sound for a sound device); the device is then closed.
    virtual bool open(const QString &path) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // The stored size of the video's picture; empty for a sound or a closed device.
    virtual QSize naturalSize() const = 0;

    // Plays from the current position and returns at once; a medium at its end starts
    // again from the beginning. Pause and stop hold the position.
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual void seek(qint64 ms) = 0;
    virtual qint64 position() const = 0;
    virtual qint64 length() const = 0;
    virtual Mode mode() const = 0;
    // True once the medium has played to its end, until play() or seek() moves it again.
    virtual bool ended() const = 0;

    // The display window was uncovered: draw the last picture again.
    virtual void expose() = 0;

    using Factory = std::function<std::unique_ptr<MediaDevice>(Kind)>;
    static std::unique_ptr<MediaDevice> create(Kind kind);
    // Test seam: devices come from this factory until it is reset with an empty one.
    static void setFactory(Factory factory);
};

} // namespace platform
