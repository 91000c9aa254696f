#pragma once

#include <QImage>
#include <QRect>

#include <memory>

namespace platform {

// Drawing into a window of the program straight through the X server, from any one thread
// at a time: a display connection of its own (not the toolkit's), a picture in memory shared
// with the server where it offers that (MIT-SHM), else plain image requests. It lets the
// play picture reach the screen from the presenting thread while the user-interface thread
// waits between rows.
class X11Window {
public:
    // A connection for the native window `window` of the toolkit's X display; nullptr when
    // the program does not run on X11, the display cannot be opened, or its default visual
    // is not 24- or 32-bit true colour (the only layouts put here unconverted).
    static std::unique_ptr<X11Window> open(unsigned long window);
    ~X11Window();
    X11Window(const X11Window &) = delete;
    X11Window &operator=(const X11Window &) = delete;

    // Puts the part rect of picture (32 bits, 0xFFRRGGBB) into the window at the same place
    // and returns once the server has taken it, so the picture may change afterwards.
    // False when the request failed.
    bool put(const QImage &picture, const QRect &rect);
    // put() in two steps: stage() copies the part rect of picture into the memory shared
    // with the server (false where there is none: use put()); commit() puts what was staged
    // into the window and returns once the server has taken it.
    bool stage(const QImage &picture, const QRect &rect);
    void commit();
    bool sharedMemory() const;

private:
    struct State;
    explicit X11Window(std::unique_ptr<State> state);
    bool ensureImage(QSize size);
    std::unique_ptr<State> d;
};

} // namespace platform
