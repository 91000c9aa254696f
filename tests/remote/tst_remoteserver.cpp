// The remote control's servers over the loopback address: HTTP with and without the access
// code, the WebSocket and OSC, the size limits, the refusal limit, a bounded flood of
// malformed requests, frames and packets, and turning them off closing every connection.
#include "remote/OscPacket.h"
#include "remote/ThreadedRemoteService.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QNetworkDatagram>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>
#include <QWebSocket>

#include <lo/lo.h>

namespace {

const QString kCode = QStringLiteral("ABCDEFGHJKMNPQRSTVWXYZ0123");

// The commands the servers handed on, from their thread.
struct Received {
    QMutex mutex;
    QList<RemoteRequest> requests;
    QList<RemoteRequest> take() {
        const QMutexLocker lock(&mutex);
        return std::exchange(requests, {});
    }
};

// One HTTP exchange: the answer's status line and body (empty when the server said nothing).
struct Answer {
    int status = 0;
    QByteArray body;
};
Answer exchange(quint16 port, const QByteArray &request) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000))
        return {};
    socket.write(request);
    QByteArray data;
    while (socket.waitForReadyRead(5000))
        data += socket.readAll();
    data += socket.readAll();
    Answer a;
    if (data.startsWith("HTTP/1.1 "))
        a.status = data.mid(9, 3).toInt();
    a.body = data.mid(data.indexOf("\r\n\r\n") + 4);
    return a;
}

QByteArray get(const QByteArray &target) {
    return "GET " + target + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n";
}
QByteArray post(const QByteArray &target, const QByteArray &body) {
    return "POST " + target + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\nContent-Length: " +
           QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

QByteArray oscMessage(const char *path, const char *code, int delay) {
    lo_message m = lo_message_new();
    lo_message_add_string(m, code);
    if (delay >= 0)
        lo_message_add_int32(m, delay);
    size_t size = 0;
    void *data = lo_message_serialise(m, path, nullptr, &size);
    const QByteArray bytes(static_cast<const char *>(data), qsizetype(size));
    free(data);
    lo_message_free(m);
    return bytes;
}

} // namespace

class TestRemoteServer : public QObject {
    Q_OBJECT

    ThreadedRemoteService m_service;
    Received m_received;
    quint16 m_port = 0;
    RemoteCounters m_before; // the counts are kept across starts: a test sees its own

    qint64 refusals() const { return m_service.counters().refusals - m_before.refusals; }
    qint64 blocked() const { return m_service.counters().blocked - m_before.blocked; }

    void start() {
        RemoteServiceConfig config;
        config.httpPort = 0;
        config.oscPort = 0;
        config.accessCode = kCode;
        QString error;
        QVERIFY2(m_service.start(
                     config,
                     [this](const RemoteRequest &r) {
                         const QMutexLocker lock(&m_received.mutex);
                         m_received.requests.append(r);
                         return true;
                     },
                     &error),
                 qPrintable(error));
        m_port = m_service.httpPort();
        QVERIFY(m_port != 0);
    }

private slots:
    void init() {
        m_before = m_service.counters();
        start();
    }
    void cleanup() {
        m_service.stop();
        m_received.take();
    }

    void httpCommands_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("commands");
        const QByteArray code = kCode.toLatin1();
        QTest::newRow("state without the code") << get("/api/state") << 401 << 0;
        QTest::newRow("state with the code") << get("/api/state?code=" + code) << 200 << 0;
        QTest::newRow("page without the code") << get("/") << 401 << 0;
        QTest::newRow("page") << get("/?code=" + code) << 200 << 0;
        QTest::newRow("command without the code")
            << post("/api/command", R"({"command":"faster"})") << 401 << 0;
        QTest::newRow("command with a wrong code")
            << post("/api/command", R"({"code":"ABCDEFGHJKMNPQRSTVWXYZ0124","command":"faster"})")
            << 401 << 0;
        QTest::newRow("command, code in the body")
            << post("/api/command", R"({"code":")" + code + R"(","command":"faster"})") << 200 << 1;
        QTest::newRow("command, code in the address")
            << post("/api/command?code=" + code, R"({"command":"stop"})") << 200 << 1;
        QTest::newRow("unknown command")
            << post("/api/command?code=" + code, R"({"command":"open"})") << 400 << 0;
        QTest::newRow("command by GET") << get("/api/command?code=" + code) << 405 << 0;
        QTest::newRow("no such page") << get("/etc/passwd?code=" + code) << 404 << 0;
        QTest::newRow("request over 16 KB")
            << post("/api/command?code=" + code, QByteArray(16 * 1024, ' ')) << 413 << 0;
        QTest::newRow("malformed") << QByteArray("GET / HTTP/1.1\nHost: x\r\n\r\n") << 400 << 0;
    }
    void httpCommands() {
        QFETCH(QByteArray, request);
        const Answer a = exchange(m_port, request);
        QFETCH(int, status);
        QCOMPARE(a.status, status);
        QFETCH(int, commands);
        QCOMPARE(m_received.take().size(), commands);
    }

    void webSocket() {
        QWebSocket client;
        QSignalSpy texts(&client, &QWebSocket::textMessageReceived);
        client.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws?code=%2").arg(m_port).arg(kCode)));
        // The state comes at once and then at most five times a second.
        QVERIFY(texts.wait(5000));
        QCOMPARE(QJsonDocument::fromJson(texts.takeFirst().at(0).toString().toUtf8())
                     .object()
                     .value(QLatin1String("state"))
                     .toString(),
                 QStringLiteral("stopped"));
        client.sendTextMessage(
            QStringLiteral(R"({"code":"%1","command":"much-slower"})").arg(kCode));
        client.sendTextMessage(QStringLiteral(R"({"command":"much-slower"})"));
        QTRY_COMPARE(m_received.requests.size(), 1);
        QCOMPARE(m_received.take().front().command, RemoteCommand::MuchSlower);
        QCOMPARE(m_service.counters().webSocketClients, 1);
        // A frame over 4 KB closes the connection.
        QSignalSpy closed(&client, &QWebSocket::disconnected);
        client.sendTextMessage(QString(5000, u'x'));
        QVERIFY(closed.wait(5000));
    }

    // A client that holds Back and goes away lets go of it; one that let go first is not
    // released again.
    void backReleasedWithItsConnection_data() {
        QTest::addColumn<bool>("releasedFirst");
        QTest::newRow("connection closed while held") << false;
        QTest::newRow("released, then closed") << true;
    }
    void backReleasedWithItsConnection() {
        QFETCH(bool, releasedFirst);
        QWebSocket client;
        QSignalSpy texts(&client, &QWebSocket::textMessageReceived);
        client.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws?code=%2").arg(m_port).arg(kCode)));
        QVERIFY(texts.wait(5000));
        client.sendTextMessage(QStringLiteral(R"({"code":"%1","command":"back"})").arg(kCode));
        if (releasedFirst)
            client.sendTextMessage(
                QStringLiteral(R"({"code":"%1","command":"back-release"})").arg(kCode));
        QTRY_COMPARE(m_received.requests.size(), releasedFirst ? 2 : 1);
        client.abort();
        QTRY_COMPARE(m_service.counters().webSocketClients, 0);
        const QList<RemoteRequest> got = m_received.take();
        QCOMPARE(got.size(), 2);
        QCOMPARE(got.back().command, RemoteCommand::BackRelease);
    }

    void webSocketWithoutCode() {
        QWebSocket client;
        QSignalSpy closed(&client, &QWebSocket::disconnected);
        client.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws").arg(m_port)));
        QVERIFY(closed.wait(5000));
        QCOMPARE(m_service.counters().webSocketClients, 0);
        QCOMPARE(refusals(), 1);
    }

    void osc() {
        QUdpSocket socket;
        const quint16 port = m_service.oscPort();
        socket.writeDatagram(oscMessage("/lectoscope/delay", "wrong", 500), QHostAddress::LocalHost,
                             port);
        socket.writeDatagram(oscMessage("/lectoscope/delay", kCode.toLatin1().constData(), 900),
                             QHostAddress::LocalHost, port);
        socket.writeDatagram(oscMessage("/lectoscope/restart", kCode.toLatin1().constData(), -1),
                             QHostAddress::LocalHost, port);
        QTRY_COMPARE(m_received.requests.size(), 2);
        const QList<RemoteRequest> got = m_received.take();
        QCOMPARE(got[0], (RemoteRequest{RemoteCommand::SetDelay, 900}));
        QCOMPARE(got[1].command, RemoteCommand::Restart);
        QCOMPARE(refusals(), 1);
        const std::optional<OscPacket> read =
            readOscPacket(oscMessage("/lectoscope/delay", "c", 7));
        QVERIFY(read && read->address == QStringLiteral("/lectoscope/delay"));
        QCOMPARE(read->arguments.size(), 2u);
    }

    void refusalLimit() {
        // Twenty refusals in a minute: the address is ignored, even with the right code.
        for (int i = 0; i < 20; ++i)
            QCOMPARE(exchange(m_port, get("/api/state")).status, 401);
        QCOMPARE(exchange(m_port, get("/api/state?code=" + kCode.toLatin1())).status, 0);
        QCOMPARE(blocked(), 1);
    }

    void flood() {
        // A bounded flood of junk from many sockets: the servers stay up and count it, and a
        // fresh start answers at once.
        QUdpSocket udp;
        for (int i = 0; i < 2000; ++i) {
            QByteArray junk = QByteArray::number(i * 7919) + QByteArray(i % 300, char(i));
            if (i % 3 == 0)
                junk.prepend("/lectoscope/");
            udp.writeDatagram(junk, QHostAddress::LocalHost, m_service.oscPort());
        }
        for (int i = 0; i < 50; ++i)
            exchange(m_port, QByteArray("\x16\x03\x01 junk ") + QByteArray::number(i) + "\r\n\r\n");
        QWebSocket client;
        QSignalSpy closed(&client, &QWebSocket::disconnected);
        client.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws?code=%2").arg(m_port).arg(kCode)));
        QTRY_VERIFY(closed.size() == 1 || client.state() == QAbstractSocket::ConnectedState);
        QTRY_COMPARE(blocked(), 1);
        QVERIFY(m_received.take().isEmpty());
        m_service.stop();
        start();
        QCOMPARE(exchange(m_port, get("/api/state?code=" + kCode.toLatin1())).status, 200);
    }

    void turnedOffClosesEverything() {
        QWebSocket client;
        QSignalSpy texts(&client, &QWebSocket::textMessageReceived);
        client.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws?code=%2").arg(m_port).arg(kCode)));
        QVERIFY(texts.wait(5000));
        QTcpSocket idle; // a connection that never sends its request
        idle.connectToHost(QHostAddress::LocalHost, m_port);
        QVERIFY(idle.waitForConnected(5000));
        QSignalSpy wsClosed(&client, &QWebSocket::disconnected);
        QSignalSpy tcpClosed(&idle, &QTcpSocket::disconnected);
        m_service.stop();
        QVERIFY(!m_service.isRunning());
        QTRY_COMPARE(wsClosed.size(), 1);
        QTRY_COMPARE(tcpClosed.size(), 1);
        QCOMPARE(exchange(m_port, get("/api/state?code=" + kCode.toLatin1())).status, 0);
    }
};

QTEST_GUILESS_MAIN(TestRemoteServer)
#include "tst_remoteserver.moc"
