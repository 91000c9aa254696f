#include "platform/DrmVblank.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#if __has_include(<drm/drm.h>)
#include <drm/drm.h>
#else
// The kernel's DRM vertical-blank request, as its user-space interface defines it (the
// header is not installed everywhere; the layout is a fixed part of the kernel's ABI).
extern "C" {
enum drm_vblank_seq_type {
    _DRM_VBLANK_ABSOLUTE = 0x0,
    _DRM_VBLANK_RELATIVE = 0x1,
};
struct drm_wait_vblank_request {
    enum drm_vblank_seq_type type;
    unsigned int sequence;
    unsigned long signal;
};
struct drm_wait_vblank_reply {
    enum drm_vblank_seq_type type;
    unsigned int sequence;
    long tval_sec;
    long tval_usec;
};
union drm_wait_vblank {
    struct drm_wait_vblank_request request;
    struct drm_wait_vblank_reply reply;
};
}
#define DRM_IOCTL_WAIT_VBLANK _IOWR('d', 0x3a, union drm_wait_vblank)
#endif

namespace platform {
namespace {

// A relative wait for `count` vertical blanks on the card's first display pipe.
bool waitVblank(int fd, unsigned int count) {
    union drm_wait_vblank vbl {};
    vbl.request.type = _DRM_VBLANK_RELATIVE;
    vbl.request.sequence = count;
    int rc;
    do {
        rc = ::ioctl(fd, DRM_IOCTL_WAIT_VBLANK, &vbl);
    } while (rc == -1 && (errno == EINTR || errno == EAGAIN));
    return rc == 0;
}

} // namespace

DrmVblank::DrmVblank(QString deviceDirectory) : m_directory(std::move(deviceDirectory)) {}

DrmVblank::~DrmVblank() {
    close();
}

void DrmVblank::close() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_cardPath.clear();
}

bool DrmVblank::open() {
    if (m_fd >= 0)
        return true;
    const QDir dir(m_directory);
    const QStringList cards =
        dir.entryList({QStringLiteral("card*")}, QDir::System | QDir::Files, QDir::Name);
    for (const QString &name : cards) {
        const QString path = dir.filePath(name);
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (waitVblank(fd, 0)) {
            m_fd = fd;
            m_cardPath = path;
            return true;
        }
        ::close(fd);
    }
    return false;
}

bool DrmVblank::waitNext() {
    return m_fd >= 0 && waitVblank(m_fd, 1);
}

} // namespace platform
