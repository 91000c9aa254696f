#pragma once

namespace platform {

// Waiting for the display's vertical blank. Available only where the machine offers a
// real wait (the kernel's DRM vertical-blank wait on a /dev/dri card the user may open);
// otherwise unavailable, and the "sync with retrace" option is disabled.
class Retrace {
public:
    static bool available();
    // Blocks until the next vertical blank; returns at once when unavailable.
    static void wait();

    // Test seam: a stand-in that decides availability and is called instead of the wait.
    struct Backend {
        virtual ~Backend() = default;
        virtual bool available() = 0;
        virtual void wait() = 0;
    };
    static void setBackend(Backend *backend); // nullptr restores the real one
};

} // namespace platform
