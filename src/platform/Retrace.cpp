#include "platform/Retrace.h"

#include "platform/DrmVblank.h"

namespace platform {
namespace {

// The real wait: the first DRM card that answers a vertical-blank wait, looked for once.
class DrmBackend : public Retrace::Backend {
public:
    bool available() override {
        if (!m_probed) {
            m_probed = true;
            m_available = m_card.open();
        }
        return m_available;
    }
    void wait() override {
        if (available())
            m_card.waitNext();
    }

private:
    DrmVblank m_card;
    bool m_probed = false;
    bool m_available = false;
};

Retrace::Backend *g_backend = nullptr;

Retrace::Backend &backend() {
    static DrmBackend real;
    return g_backend ? *g_backend : real;
}

} // namespace

bool Retrace::available() {
    return backend().available();
}

void Retrace::wait() {
    Backend &b = backend();
    if (b.available())
        b.wait();
}

void Retrace::setBackend(Backend *backend) {
    g_backend = backend;
}

} // namespace platform
