#include "remote/ThreadedRemoteService.h"

#include <QNetworkInterface>
#include <QPainter>
#include <QThread>

#include <qrencode.h>

ThreadedRemoteService::ThreadedRemoteService() = default;

ThreadedRemoteService::~ThreadedRemoteService() {
    stop();
}

bool ThreadedRemoteService::start(const RemoteServiceConfig &config, CommandSink sink,
                                  QString *error) {
    stop();
    m_thread = std::make_unique<QThread>();
    m_thread->setObjectName(QStringLiteral("remote control"));
    m_server = new RemoteServer(config, std::move(sink), &m_shared);
    m_server->moveToThread(m_thread.get());
    QObject::connect(m_thread.get(), &QThread::finished, m_server, &QObject::deleteLater);
    m_thread->start();
    bool listening = false;
    QString reason;
    QMetaObject::invokeMethod(
        m_server, [this, &listening, &reason] { listening = m_server->listen(&reason); },
        Qt::BlockingQueuedConnection);
    if (!listening) {
        stop();
        if (error)
            *error = reason;
        return false;
    }
    return true;
}

void ThreadedRemoteService::stop() {
    if (!m_thread)
        return;
    // Every connection is closed before this returns; the server is deleted as its thread
    // ends.
    QMetaObject::invokeMethod(
        m_server, [server = m_server] { server->closeAll(); }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    m_thread.reset();
    m_server = nullptr;
    const QMutexLocker lock(&m_shared.mutex);
    m_shared.httpPort = 0;
    m_shared.oscPort = 0;
}

bool ThreadedRemoteService::isRunning() const {
    return m_thread != nullptr;
}

quint16 ThreadedRemoteService::httpPort() const {
    const QMutexLocker lock(&m_shared.mutex);
    return m_shared.httpPort;
}

quint16 ThreadedRemoteService::oscPort() const {
    const QMutexLocker lock(&m_shared.mutex);
    return m_shared.oscPort;
}

void ThreadedRemoteService::publish(const RemoteState &state) {
    const QMutexLocker lock(&m_shared.mutex);
    m_shared.state = state;
}

RemoteCounters ThreadedRemoteService::counters() const {
    const QMutexLocker lock(&m_shared.mutex);
    return m_shared.counters;
}

QStringList ThreadedRemoteService::machineAddresses() const {
    QStringList addresses;
    for (const QHostAddress &a : QNetworkInterface::allAddresses()) {
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback())
            addresses.append(a.toString());
    }
    return addresses;
}

QImage ThreadedRemoteService::qrCode(const QString &text, int scale) const {
    const QByteArray utf8 = text.toUtf8();
    QRcode *code = QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (!code)
        return {};
    constexpr int kQuietZone = 4;
    const int modules = code->width + 2 * kQuietZone;
    scale = qMax(1, scale);
    QImage image(modules * scale, modules * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            if (code->data[y * code->width + x] & 1)
                p.fillRect((x + kQuietZone) * scale, (y + kQuietZone) * scale, scale, scale,
                           Qt::black);
        }
    }
    p.end();
    QRcode_free(code);
    return image;
}
