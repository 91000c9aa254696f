#include "remote/RemoteServer.h"

#include "remote/AccessCode.h"
#include "remote/HttpRequest.h"
#include "remote/OscPacket.h"
#include "remote/RemotePage.h"

#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkDatagram>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>
#include <QWebSocket>
#include <QWebSocketServer>

namespace {

QString addressOf(const QHostAddress &address) {
    // An IPv4 address reached over IPv6 counts as itself.
    bool ok = false;
    const quint32 v4 = address.toIPv4Address(&ok);
    return ok ? QHostAddress(v4).toString() : address.toString();
}

QByteArray reason(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 413:
        return "Content Too Large";
    case 501:
        return "Not Implemented";
    case 503:
        return "Service Unavailable";
    default:
        return "Error";
    }
}

QByteArray errorJson(const QString &text) {
    QJsonObject o;
    o.insert(QLatin1String("error"), text);
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

const QByteArray kJson = "application/json";

} // namespace

RemoteServer::RemoteServer(const RemoteServiceConfig &config, RemoteService::CommandSink sink,
                           RemoteShared *shared)
    : m_config(config), m_sink(std::move(sink)), m_shared(shared) {}

RemoteServer::~RemoteServer() {
    closeAll();
}

bool RemoteServer::listen(QString *error) {
    const QHostAddress host = m_config.otherMachines ? QHostAddress(QHostAddress::Any)
                                                     : QHostAddress(QHostAddress::LocalHost);
    m_http = new QTcpServer(this);
    connect(m_http, &QTcpServer::newConnection, this, &RemoteServer::acceptHttp);
    if (!m_http->listen(host, m_config.httpPort)) {
        *error = QStringLiteral("Port %1: %2").arg(m_config.httpPort).arg(m_http->errorString());
        return false;
    }
    m_osc = new QUdpSocket(this);
    connect(m_osc, &QUdpSocket::readyRead, this, &RemoteServer::readOsc);
    if (!m_osc->bind(host, m_config.oscPort)) {
        *error = QStringLiteral("OSC port %1: %2").arg(m_config.oscPort).arg(m_osc->errorString());
        return false;
    }
    m_webSockets = new QWebSocketServer(QStringLiteral("LectoScope-32"),
                                        QWebSocketServer::NonSecureMode, this);
    m_webSockets->setMaxPendingConnections(kMaxWebSocketClients);
    m_webSockets->setHandshakeTimeout(kRequestTimeoutMs);
    connect(m_webSockets, &QWebSocketServer::newConnection, this, &RemoteServer::acceptWebSocket);
    m_stateTimer = new QTimer(this);
    m_stateTimer->setInterval(kStateIntervalMs);
    connect(m_stateTimer, &QTimer::timeout, this, &RemoteServer::pushState);
    m_stateTimer->start();
    const QMutexLocker lock(&m_shared->mutex);
    m_shared->httpPort = m_http->serverPort();
    m_shared->oscPort = m_osc->localPort();
    return true;
}

void RemoteServer::closeAll() {
    if (m_stateTimer)
        m_stateTimer->stop();
    for (QWebSocket *client : m_clients.keys()) {
        client->disconnect(this);
        client->abort();
        delete client;
    }
    m_clients.clear();
    m_backHolders.clear(); // the console lets go of Back itself when it stops the servers
    for (QTcpSocket *socket : m_httpSockets.values()) {
        socket->disconnect(this);
        socket->abort();
        delete socket;
    }
    m_httpSockets.clear();
    if (m_webSockets)
        m_webSockets->close();
    if (m_http)
        m_http->close();
    if (m_osc)
        m_osc->close();
    const QMutexLocker lock(&m_shared->mutex);
    m_shared->counters.webSocketClients = 0;
}

// ---- HTTP ---------------------------------------------------------------------------------

void RemoteServer::acceptHttp() {
    while (QTcpSocket *socket = m_http->nextPendingConnection()) {
        if (ignored(addressOf(socket->peerAddress())) ||
            m_httpSockets.size() >= kMaxHttpConnections) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        // Never more than one request (and a byte to tell it is too long) waits in memory.
        socket->setReadBufferSize(HttpRequest::kMaxRequestBytes + 1);
        m_httpSockets.insert(socket);
        // A request must arrive whole within the time, and a kept connection is closed when
        // it has been idle that long.
        auto *deadline = new QTimer(socket);
        deadline->setObjectName(QStringLiteral("deadline"));
        deadline->setSingleShot(true);
        connect(deadline, &QTimer::timeout, socket, &QTcpSocket::abort);
        deadline->start(kRequestTimeoutMs);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readHttp(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_httpSockets.remove(socket);
            socket->deleteLater();
        });
    }
}

void RemoteServer::readHttp(QTcpSocket *socket) {
    const QString address = addressOf(socket->peerAddress());
    while (m_httpSockets.contains(socket) && socket->bytesAvailable() > 0) {
        if (ignored(address)) {
            socket->abort();
            return;
        }
        // Peeked, not read: a WebSocket's handshake must still be there for its server.
        const QByteArray data = socket->peek(HttpRequest::kMaxRequestBytes + 1);
        const HttpParse parse = parseHttpRequest(data);
        switch (parse.status) {
        case HttpParse::Status::NeedMore:
            return;
        case HttpParse::Status::TooLarge:
            count(&RemoteCounters::malformed);
            refuse(address);
            answer(socket, 413, kJson, errorJson(QStringLiteral("request too large")), false);
            return;
        case HttpParse::Status::Malformed:
        case HttpParse::Status::Unsupported:
            count(&RemoteCounters::malformed);
            refuse(address);
            answer(socket, parse.status == HttpParse::Status::Malformed ? 400 : 501, kJson,
                   errorJson(QStringLiteral("not a request this server reads")), false);
            return;
        case HttpParse::Status::Complete:
            break;
        }
        const HttpRequest &r = parse.request;
        const bool keep = r.keepAlive();
        const bool command = r.path == "/api/command";
        std::optional<RemoteMessage> message;
        QString code = QString::fromUtf8(r.queryItem("code"));
        if (command && r.method == "POST") {
            message = parseJsonCommand(r.body);
            if (code.isEmpty())
                code = message->code;
        }
        if (!admit(code, address)) {
            socket->read(parse.consumed);
            answer(socket, 401, kJson, errorJson(QStringLiteral("access code needed")), false);
            return;
        }
        if (r.path == "/ws" && r.wantsWebSocket()) {
            handOver(socket);
            return;
        }
        socket->read(parse.consumed);
        if (r.path == "/" || r.path == "/index.html") {
            if (r.method != "GET")
                answer(socket, 405, kJson, errorJson(QStringLiteral("GET only")), keep);
            else
                answer(socket, 200, "text/html; charset=utf-8", remotePageHtml(), keep);
        } else if (r.path == "/api/state") {
            answer(socket, 200, kJson, stateJson(), keep);
        } else if (command) {
            if (!message) {
                answer(socket, 405, kJson, errorJson(QStringLiteral("POST only")), keep);
            } else if (!message->request) {
                count(&RemoteCounters::malformed);
                answer(socket, 400, kJson, errorJson(message->error), keep);
            } else if (!deliver(*message->request)) {
                answer(socket, 503, kJson, errorJson(QStringLiteral("busy")), keep);
            } else {
                answer(socket, 200, kJson, stateJson(), keep);
            }
        } else {
            answer(socket, 404, kJson, errorJson(QStringLiteral("no such page")), keep);
        }
    }
}

void RemoteServer::answer(QTcpSocket *socket, int status, const QByteArray &type,
                          const QByteArray &body, bool keepAlive) {
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason(status) + "\r\n";
    head += "Content-Type: " + type + "\r\n";
    head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    head += "Cache-Control: no-store\r\n";
    head += "X-Content-Type-Options: nosniff\r\n";
    head += "Referrer-Policy: no-referrer\r\n";
    if (type.startsWith("text/html"))
        head += "Content-Security-Policy: default-src 'none'; script-src 'unsafe-inline'; "
                "style-src 'unsafe-inline'; connect-src 'self' ws: http:; img-src data:\r\n";
    head += keepAlive ? "Connection: keep-alive\r\n\r\n" : "Connection: close\r\n\r\n";
    socket->write(head + body);
    if (keepAlive) {
        if (auto *deadline = socket->findChild<QTimer *>(QStringLiteral("deadline")))
            deadline->start(kRequestTimeoutMs);
    } else {
        m_httpSockets.remove(socket);
        socket->disconnect(this);
        socket->disconnectFromHost();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->state() == QAbstractSocket::UnconnectedState)
            socket->deleteLater();
    }
}

void RemoteServer::handOver(QTcpSocket *socket) {
    m_httpSockets.remove(socket);
    socket->disconnect(this);
    delete socket->findChild<QTimer *>(QStringLiteral("deadline"));
    if (m_clients.size() >= kMaxWebSocketClients) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    // The WebSocket server reads the handshake still waiting in the socket.
    socket->setReadBufferSize(0);
    m_webSockets->handleConnection(socket);
}

// ---- WebSocket ----------------------------------------------------------------------------

void RemoteServer::acceptWebSocket() {
    while (QWebSocket *client = m_webSockets->nextPendingConnection()) {
        client->setParent(this);
        client->setMaxAllowedIncomingFrameSize(kMaxFrameBytes);
        client->setMaxAllowedIncomingMessageSize(kMaxFrameBytes);
        m_clients.insert(client, 0);
        connect(client, &QWebSocket::textMessageReceived, this,
                [this, client](const QString &text) { readWebSocketMessage(client, text); });
        connect(client, &QWebSocket::binaryMessageReceived, this, [this, client] {
            count(&RemoteCounters::malformed);
            refuse(addressOf(client->peerAddress()));
        });
        connect(client, &QWebSocket::bytesWritten, this, [this, client](qint64 bytes) {
            auto it = m_clients.find(client);
            if (it != m_clients.end())
                *it = qMax<qint64>(0, *it - bytes);
        });
        connect(client, &QWebSocket::disconnected, this, [this, client] {
            m_clients.remove(client);
            if (m_backHolders.remove(client))
                deliver({RemoteCommand::BackRelease, 0});
            client->deleteLater();
            const QMutexLocker lock(&m_shared->mutex);
            m_shared->counters.webSocketClients = int(m_clients.size());
        });
        {
            const QMutexLocker lock(&m_shared->mutex);
            m_shared->counters.webSocketClients = int(m_clients.size());
        }
        sendState(client);
    }
}

void RemoteServer::readWebSocketMessage(QWebSocket *client, const QString &text) {
    const QString address = addressOf(client->peerAddress());
    const RemoteMessage message = parseJsonCommand(text.toUtf8());
    if (!admit(message.code, address)) {
        if (ignored(address))
            client->abort();
        else
            client->sendTextMessage(
                QString::fromUtf8(errorJson(QStringLiteral("access code needed"))));
        return;
    }
    if (!message.request) {
        count(&RemoteCounters::malformed);
        client->sendTextMessage(QString::fromUtf8(errorJson(message.error)));
        return;
    }
    if (!deliver(*message.request)) {
        client->sendTextMessage(QString::fromUtf8(errorJson(QStringLiteral("busy"))));
        return;
    }
    if (message.request->command == RemoteCommand::Back)
        m_backHolders.insert(client);
    else if (message.request->command == RemoteCommand::BackRelease)
        m_backHolders.remove(client);
}

void RemoteServer::pushState() {
    if (m_clients.isEmpty())
        return;
    for (QWebSocket *client : m_clients.keys())
        sendState(client);
}

void RemoteServer::sendState(QWebSocket *client) {
    auto it = m_clients.find(client);
    if (it == m_clients.end() || *it > kMaxUnsentBytes)
        return; // a slow client gets the state again once it has caught up
    *it += client->sendTextMessage(QString::fromUtf8(stateJson()));
}

// ---- OSC ----------------------------------------------------------------------------------

void RemoteServer::readOsc() {
    while (m_osc->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_osc->receiveDatagram(OscPacket::kMaxBytes + 1);
        const QString address = addressOf(datagram.senderAddress());
        if (ignored(address))
            continue;
        const std::optional<OscPacket> packet = readOscPacket(datagram.data());
        if (!packet) {
            count(&RemoteCounters::malformed);
            refuse(address);
            continue;
        }
        const RemoteMessage message = parseOscCommand(packet->address, packet->arguments);
        if (!admit(message.code, address))
            continue;
        if (!message.request)
            count(&RemoteCounters::malformed);
        else
            deliver(*message.request);
    }
}

// ---- Access -------------------------------------------------------------------------------

bool RemoteServer::ignored(const QString &address) const {
    return m_guard.isBlocked(address, remoteClockMs());
}

bool RemoteServer::admit(QStringView code, const QString &address) {
    if (remote::accessCodeMatches(code, m_config.accessCode))
        return true;
    refuse(address);
    return false;
}

void RemoteServer::refuse(const QString &address) {
    const bool blocked = m_guard.refuse(address, remoteClockMs());
    const QMutexLocker lock(&m_shared->mutex);
    ++m_shared->counters.refusals;
    if (blocked)
        ++m_shared->counters.blocked;
}

bool RemoteServer::deliver(const RemoteRequest &request) {
    if (!m_sink || !m_sink(request))
        return false;
    count(&RemoteCounters::commands);
    return true;
}

void RemoteServer::count(qint64 RemoteCounters::*counter) {
    const QMutexLocker lock(&m_shared->mutex);
    ++(m_shared->counters.*counter);
}

QByteArray RemoteServer::stateJson() const {
    RemoteState state;
    {
        const QMutexLocker lock(&m_shared->mutex);
        state = m_shared->state;
    }
    return remoteStateJson(state, remoteClockMs());
}
