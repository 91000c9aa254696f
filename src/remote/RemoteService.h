#pragma once

#include "remote/RemoteCommand.h"
#include "remote/RemoteState.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>

// How the remote control's servers listen.
struct RemoteServiceConfig {
    quint16 httpPort = 8035;    // the web remote, its JSON commands and its WebSocket
    quint16 oscPort = 8036;     // OSC over UDP
    bool otherMachines = false; // listen on every address, else on the loopback address only
    QString accessCode;
    bool operator==(const RemoteServiceConfig &) const = default;
};

// Counts of what the servers have seen, for the dialog and the tests.
struct RemoteCounters {
    qint64 commands = 0;  // commands handed on
    qint64 refusals = 0;  // requests and messages refused for their access code
    qint64 blocked = 0;   // addresses that were ignored for a minute
    qint64 malformed = 0; // requests, frames and packets that could not be read
    int webSocketClients = 0;
};

// The remote control's servers: HTTP (the web remote and JSON commands), WebSocket and OSC,
// on a thread of their own with its own event loop, so that a slow client never delays a row.
// They live in a module of their own that the program loads when remote control is first
// used (lectoscopeCreateRemoteService); until then neither the servers nor their libraries
// cost anything.
class RemoteService {
public:
    // Called on the servers' thread with each command that carried the access code; it must
    // hand the command on to the user-interface thread and return at once. False when it
    // cannot take more now: the remote is told the console is busy.
    using CommandSink = std::function<bool(const RemoteRequest &)>;

    virtual ~RemoteService() = default;

    // Starts the servers (stopping any that run); false with the reason when a port cannot
    // be had.
    virtual bool start(const RemoteServiceConfig &config, CommandSink sink, QString *error) = 0;
    // Stops the servers and closes every connection at once.
    virtual void stop() = 0;
    virtual bool isRunning() const = 0;
    // The ports listened on (the ones asked for, or those the system chose for port 0).
    virtual quint16 httpPort() const = 0;
    virtual quint16 oscPort() const = 0;
    // The state the servers report from now on; any thread may publish.
    virtual void publish(const RemoteState &state) = 0;
    virtual RemoteCounters counters() const = 0;

    // The addresses other machines can reach this one at (IPv4, not the loopback).
    virtual QStringList machineAddresses() const = 0;
    // The text as a QR code, black modules on white with a quiet zone, `scale` pixels a
    // module; a null image when the text does not fit one.
    virtual QImage qrCode(const QString &text, int scale) const = 0;
};

// The module's entry point, looked up by this name.
inline constexpr char kRemoteServiceFactory[] = "lectoscopeCreateRemoteService";
using RemoteServiceFactory = RemoteService *(*)();
