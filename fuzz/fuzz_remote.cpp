// Feeds arbitrary bytes to the remote control's readers: the first byte picks one. An HTTP
// request (with its query and field look-ups), a JSON command, or an OSC datagram read by
// liblo and its arguments taken as a command. Each checks the rules the servers rely on.
#include "remote/AccessCode.h"
#include "remote/HttpRequest.h"
#include "remote/OscPacket.h"
#include "remote/RemoteCommand.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool condition, const char *what) {
    if (condition)
        return;
    std::fprintf(stderr, "fuzz_remote: %s\n", what);
    std::abort();
}

// A read command is one of the table's, with a Delay in range.
void checkMessage(const RemoteMessage &m) {
    check(m.request.has_value() == m.error.isEmpty(), "a command both read and refused");
    if (!m.request)
        return;
    check(!remoteCommandName(m.request->command).isEmpty(), "a command without a name");
    check(m.request->value >= 0 && m.request->value <= kRemoteDelayMax, "a Delay out of range");
    if (m.request->command != RemoteCommand::SetDelay)
        check(m.request->value == 0, "a value on a command that takes none");
    remote::accessCodeMatches(m.code, QStringLiteral("ABCDEFGHJKMNPQRSTVWXYZ0123"));
}

void http(QByteArrayView data) {
    const HttpParse p = parseHttpRequest(data);
    if (p.status != HttpParse::Status::Complete) {
        check(p.consumed == 0, "an incomplete request consumed bytes");
        return;
    }
    check(p.consumed > 0 && p.consumed <= data.size(), "consumed outside the data");
    check(p.consumed <= HttpRequest::kMaxRequestBytes, "a request over the limit read");
    check(p.request.path.startsWith('/'), "a target that is no path");
    check(p.request.headers.size() <= HttpRequest::kMaxHeaderFields, "too many fields");
    p.request.queryItem("code");
    p.request.wantsWebSocket();
    p.request.keepAlive();
    checkMessage(parseJsonCommand(p.request.body));
}

void osc(QByteArrayView data) {
    const std::optional<OscPacket> packet = readOscPacket(data);
    if (!packet)
        return;
    check(data.size() <= OscPacket::kMaxBytes, "a datagram over the limit read");
    checkMessage(parseOscCommand(packet->address, packet->arguments));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size) {
    if (size == 0)
        return 0;
    const QByteArrayView data(reinterpret_cast<const char *>(bytes) + 1, qsizetype(size - 1));
    switch (bytes[0] % 3) {
    case 0:
        http(data);
        break;
    case 1:
        checkMessage(parseJsonCommand(data));
        break;
    default:
        osc(data);
        break;
    }
    return 0;
}
