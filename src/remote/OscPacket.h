#pragma once

#include "remote/RemoteCommand.h"

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

// One OSC message as the remote control reads it: its address and arguments. Bundles are
// not read.
struct OscPacket {
    static constexpr qsizetype kMaxBytes = 4096;
    QString address;
    std::vector<OscArgument> arguments;
};

// The message in a datagram (read by liblo), or none when the datagram is not one OSC
// message of at most kMaxBytes.
std::optional<OscPacket> readOscPacket(QByteArrayView datagram);
