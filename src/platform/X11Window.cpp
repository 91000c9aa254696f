#include "platform/X11Window.h"

#include <QGuiApplication>

#include <cstring>
#include <mutex>
#include <utility>

#if defined(LECTO_HAVE_X11) && QT_CONFIG(xcb)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#endif

namespace platform {

#if defined(LECTO_HAVE_X11) && QT_CONFIG(xcb)

struct X11Window::State {
    Display *display = nullptr;
    Window window = 0;
    GC gc = nullptr;
    Visual *visual = nullptr;
    int depth = 0;
    bool shm = false;
    XShmSegmentInfo segment{};
    XImage *image = nullptr; // the shared picture, the window's size
    QSize size;
    QRect staged; // the part of the shared picture waiting to be put

    void dropImage() {
        if (!image)
            return;
        if (shm) {
            XShmDetach(display, &segment);
            XSync(display, False);
            shmdt(segment.shmaddr);
            segment = XShmSegmentInfo{};
        }
        image->data = nullptr; // the data was never Xlib's to free
        XDestroyImage(image);
        image = nullptr;
        size = QSize();
    }
};

namespace {

// Errors on our own connection while shared memory is tried: attaching can fail where the
// server is in another memory namespace. The toolkit ignores Xlib errors, so the handler is
// ours only for the few requests in between.
bool g_failed = false;
// The error handler is the process's, and windows are put from more than one thread (the
// play window's presenting thread and the console's preview): one attach at a time.
std::mutex g_attachMutex;
int recordError(Display *, XErrorEvent *) {
    g_failed = true;
    return 0;
}

} // namespace

std::unique_ptr<X11Window> X11Window::open(unsigned long window) {
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display() || window == 0)
        return nullptr;
    // A window the toolkit has only just made may still wait in its connection's buffer: the
    // server must know it before another connection asks about it.
    XSync(x11->display(), False);
    auto s = std::make_unique<State>();
    s->display = XOpenDisplay(DisplayString(x11->display()));
    if (!s->display)
        return nullptr;
    // The window may stand on another X screen of the server than the default one (a play
    // on a second screen): its own screen's default visual is the one to match.
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(s->display, window, &attributes) || !attributes.screen) {
        XCloseDisplay(s->display);
        return nullptr;
    }
    Visual *visual = DefaultVisualOfScreen(attributes.screen);
    XVisualInfo want{};
    want.visualid = XVisualIDFromVisual(visual);
    int count = 0;
    XVisualInfo *info = XGetVisualInfo(s->display, VisualIDMask, &want, &count);
    const bool trueColour = info && count > 0 && info->c_class == TrueColor &&
                            (info->depth == 24 || info->depth == 32) &&
                            info->red_mask == 0xFF0000 && info->green_mask == 0xFF00 &&
                            info->blue_mask == 0xFF;
    if (info)
        XFree(info);
    if (!trueColour || attributes.visual != visual) {
        XCloseDisplay(s->display);
        return nullptr;
    }
    s->window = window;
    s->visual = attributes.visual;
    s->depth = attributes.depth;
    s->gc = XCreateGC(s->display, window, 0, nullptr);
    s->shm = XShmQueryExtension(s->display);
    return std::unique_ptr<X11Window>(new X11Window(std::move(s)));
}

X11Window::X11Window(std::unique_ptr<State> state) : d(std::move(state)) {}

X11Window::~X11Window() {
    d->dropImage();
    XFreeGC(d->display, d->gc);
    XCloseDisplay(d->display);
}

bool X11Window::sharedMemory() const {
    return d->shm;
}

bool X11Window::ensureImage(QSize size) {
    if (d->image && d->size == size)
        return true;
    d->dropImage();
    if (!d->shm)
        return false;
    d->image = XShmCreateImage(d->display, d->visual, d->depth, ZPixmap, nullptr, &d->segment,
                               size.width(), size.height());
    if (!d->image || d->image->bits_per_pixel != 32) {
        if (d->image)
            XDestroyImage(d->image);
        d->image = nullptr;
        d->shm = false;
        return false;
    }
    const size_t bytes = static_cast<size_t>(d->image->bytes_per_line) * size.height();
    d->segment.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    void *memory = d->segment.shmid >= 0 ? shmat(d->segment.shmid, nullptr, 0) : nullptr;
    if (memory == nullptr || memory == reinterpret_cast<void *>(-1)) {
        if (d->segment.shmid >= 0)
            shmctl(d->segment.shmid, IPC_RMID, nullptr);
        d->image->data = nullptr;
        XDestroyImage(d->image);
        d->image = nullptr;
        d->shm = false;
        return false;
    }
    d->segment.shmaddr = d->image->data = static_cast<char *>(memory);
    d->segment.readOnly = True;
    std::unique_lock attaching(g_attachMutex);
    g_failed = false;
    XErrorHandler previous = XSetErrorHandler(recordError);
    XShmAttach(d->display, &d->segment);
    XSync(d->display, False);
    XSetErrorHandler(previous);
    const bool failed = g_failed;
    attaching.unlock();
    // Marked for removal now: it goes when both sides have let go of it.
    shmctl(d->segment.shmid, IPC_RMID, nullptr);
    if (failed) {
        shmdt(d->segment.shmaddr);
        d->segment = XShmSegmentInfo{};
        d->image->data = nullptr;
        XDestroyImage(d->image);
        d->image = nullptr;
        d->shm = false;
        return false;
    }
    d->size = size;
    return true;
}

bool X11Window::stage(const QImage &picture, const QRect &rect) {
    const QRect r = rect.intersected(picture.rect());
    if (r.isEmpty() || picture.depth() != 32 || !ensureImage(picture.size()))
        return false;
    const size_t bytes = static_cast<size_t>(r.width()) * 4;
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::memcpy(d->image->data + static_cast<size_t>(y) * d->image->bytes_per_line +
                        r.left() * 4,
                    picture.constScanLine(y) + r.left() * 4, bytes);
    d->staged = r;
    return true;
}

void X11Window::commit() {
    const QRect r = std::exchange(d->staged, QRect());
    if (r.isEmpty() || !d->image)
        return;
    XShmPutImage(d->display, d->window, d->gc, d->image, r.left(), r.top(), r.left(), r.top(),
                 r.width(), r.height(), False);
    XSync(d->display, False);
}

bool X11Window::put(const QImage &picture, const QRect &rect) {
    const QRect r = rect.intersected(picture.rect());
    if (r.isEmpty() || picture.depth() != 32)
        return false;
    if (stage(picture, r)) {
        commit();
        return true;
    }
    // Without shared memory: an image over the picture's own rows, sent whole.
    XImage *image = XCreateImage(d->display, d->visual, d->depth, ZPixmap, 0,
                                 reinterpret_cast<char *>(const_cast<uchar *>(picture.constBits())),
                                 picture.width(), picture.height(), 32, picture.bytesPerLine());
    if (!image)
        return false;
    XPutImage(d->display, d->window, d->gc, image, r.left(), r.top(), r.left(), r.top(), r.width(),
              r.height());
    image->data = nullptr;
    XDestroyImage(image);
    XSync(d->display, False);
    return true;
}

#else

// Built without X11: nothing to draw into; the play window presents by itself.
struct X11Window::State {};

std::unique_ptr<X11Window> X11Window::open(unsigned long) {
    return nullptr;
}

X11Window::X11Window(std::unique_ptr<State> state) : d(std::move(state)) {}
X11Window::~X11Window() = default;

bool X11Window::sharedMemory() const {
    return false;
}

bool X11Window::ensureImage(QSize) {
    return false;
}

bool X11Window::put(const QImage &, const QRect &) {
    return false;
}

bool X11Window::stage(const QImage &, const QRect &) {
    return false;
}

void X11Window::commit() {}

#endif

} // namespace platform
