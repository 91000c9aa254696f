#include "platform/MediaDevice.h"

#include "platform/GstMediaDevice.h"

namespace platform {
namespace {
MediaDevice::Factory g_factory;
} // namespace

MediaDevice::~MediaDevice() = default;

std::unique_ptr<MediaDevice> MediaDevice::create(Kind kind) {
    if (g_factory)
        return g_factory(kind);
    return std::make_unique<GstMediaDevice>(kind);
}

void MediaDevice::setFactory(Factory factory) {
    g_factory = std::move(factory);
}

} // namespace platform
