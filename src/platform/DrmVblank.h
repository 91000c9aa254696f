#pragma once

#include <QString>

namespace platform {

// The kernel's DRM vertical-blank wait on a display card (/dev/dri/card*). open() looks for
// a card the user can open for reading and writing on which a relative wait for 0 blanks
// succeeds; only then is the wait available.
class DrmVblank {
public:
    explicit DrmVblank(QString deviceDirectory = QStringLiteral("/dev/dri"));
    ~DrmVblank();
    DrmVblank(const DrmVblank &) = delete;
    DrmVblank &operator=(const DrmVblank &) = delete;

    // Finds a usable card; true when one answered the wait. Safe to call again.
    bool open();
    bool isOpen() const { return m_fd >= 0; }
    QString cardPath() const { return m_cardPath; }
    // Waits for the next vertical blank (a relative wait for 1 blank). False when no card
    // is open or the wait failed.
    bool waitNext();

private:
    void close();

    QString m_directory;
    QString m_cardPath;
    int m_fd = -1;
};

} // namespace platform
