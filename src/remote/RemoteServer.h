#pragma once

#include "remote/RefusalGuard.h"
#include "remote/RemoteService.h"

#include <QHash>
#include <QMutex>
#include <QObject>
#include <QSet>

class QTcpServer;
class QTcpSocket;
class QTimer;
class QUdpSocket;
class QWebSocket;
class QWebSocketServer;

// What the servers' thread and the rest of the program share: the state to report and the
// counts, behind one lock.
struct RemoteShared {
    mutable QMutex mutex;
    RemoteState state;
    RemoteCounters counters;
    quint16 httpPort = 0;
    quint16 oscPort = 0;
};

// The servers themselves: HTTP with the web remote's page and the JSON commands, the
// WebSocket the page keeps open, and OSC over UDP. It lives on the servers' thread; every
// message is read there, checked for the access code, and handed to the sink.
class RemoteServer : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxHttpConnections = 32;
    static constexpr int kMaxWebSocketClients = 16;
    static constexpr int kRequestTimeoutMs = 10'000;
    static constexpr qint64 kMaxFrameBytes = 4096;
    // A client that has this much of the state still unsent is skipped until it catches up.
    static constexpr qint64 kMaxUnsentBytes = 32 * 1024;
    static constexpr int kStateIntervalMs = 200; // at most five times a second

    RemoteServer(const RemoteServiceConfig &config, RemoteService::CommandSink sink,
                 RemoteShared *shared);
    ~RemoteServer() override;

    // Listens on the ports; false with the reason when one cannot be had.
    bool listen(QString *error);
    // Closes every connection and stops listening.
    void closeAll();

private:
    void acceptHttp();
    void readHttp(QTcpSocket *socket);
    void answer(QTcpSocket *socket, int status, const QByteArray &type, const QByteArray &body,
                bool keepAlive);
    void handOver(QTcpSocket *socket);
    void acceptWebSocket();
    void readWebSocketMessage(QWebSocket *client, const QString &text);
    void readOsc();
    void pushState();
    void sendState(QWebSocket *client);

    // Whether the address's messages are ignored now.
    bool ignored(const QString &address) const;
    // Whether the code is the access code; a wrong or missing one is a refusal of the address.
    bool admit(QStringView code, const QString &address);
    void refuse(const QString &address);
    // Hands a command to the sink; false when it cannot take it now.
    bool deliver(const RemoteRequest &request);
    void count(qint64 RemoteCounters::*counter);
    QByteArray stateJson() const;

    RemoteServiceConfig m_config;
    RemoteService::CommandSink m_sink;
    RemoteShared *m_shared;
    RefusalGuard m_guard;
    QTcpServer *m_http = nullptr;
    QWebSocketServer *m_webSockets = nullptr;
    QUdpSocket *m_osc = nullptr;
    QTimer *m_stateTimer = nullptr;
    QSet<QTcpSocket *> m_httpSockets;
    // Each client's bytes of state sent but not yet written out.
    QHash<QWebSocket *, qint64> m_clients;
    // The clients that hold Back: when one goes away, Back is released for it.
    QSet<QWebSocket *> m_backHolders;
};
