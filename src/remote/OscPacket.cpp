#include "remote/OscPacket.h"

#include <lo/lo.h>

#include <cstring>
#include <memory>

namespace {
// liblo's arguments stand at the four-byte steps of the datagram: a value of eight bytes is
// copied out rather than read in place.
template <typename T> T valueAt(const lo_arg *argument) {
    T value;
    std::memcpy(&value, argument, sizeof value);
    return value;
}
} // namespace

std::optional<OscPacket> readOscPacket(QByteArrayView datagram) {
    if (datagram.isEmpty() || datagram.size() > OscPacket::kMaxBytes || datagram.front() != '/')
        return std::nullopt;
    // liblo reads from memory it may align: it gets a copy of its own.
    QByteArray bytes = datagram.toByteArray();
    int result = 0;
    const std::unique_ptr<std::remove_pointer_t<lo_message>, decltype(&lo_message_free)> message(
        lo_message_deserialise(bytes.data(), size_t(bytes.size()), &result), &lo_message_free);
    if (!message || result != 0)
        return std::nullopt;
    const char *path = lo_get_path(bytes.data(), bytes.size());
    if (!path)
        return std::nullopt;
    OscPacket packet;
    packet.address = QString::fromUtf8(path);
    const int count = lo_message_get_argc(message.get());
    const char *types = lo_message_get_types(message.get());
    lo_arg **argv = lo_message_get_argv(message.get());
    for (int i = 0; i < count && types && types[i]; ++i) {
        const lo_arg *a = argv[i];
        switch (types[i]) {
        case LO_INT32:
            packet.arguments.emplace_back(qint64(valueAt<int32_t>(a)));
            break;
        case LO_INT64:
            packet.arguments.emplace_back(qint64(valueAt<int64_t>(a)));
            break;
        case LO_FLOAT:
            packet.arguments.emplace_back(double(valueAt<float>(a)));
            break;
        case LO_DOUBLE:
            packet.arguments.emplace_back(valueAt<double>(a));
            break;
        case LO_STRING:
        case LO_SYMBOL:
            packet.arguments.emplace_back(QString::fromUtf8(reinterpret_cast<const char *>(a)));
            break;
        default:
            packet.arguments.emplace_back(std::monostate{});
            break;
        }
    }
    return packet;
}
