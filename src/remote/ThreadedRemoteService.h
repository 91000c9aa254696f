#pragma once

#include "remote/RemoteServer.h"
#include "remote/RemoteService.h"

#include <memory>

class QThread;

// The remote control's servers on a thread of their own with its own event loop: nothing the
// servers do, and no client however slow, takes time from the user-interface thread.
class ThreadedRemoteService : public RemoteService {
public:
    ThreadedRemoteService();
    ~ThreadedRemoteService() override;

    bool start(const RemoteServiceConfig &config, CommandSink sink, QString *error) override;
    void stop() override;
    bool isRunning() const override;
    quint16 httpPort() const override;
    quint16 oscPort() const override;
    void publish(const RemoteState &state) override;
    RemoteCounters counters() const override;
    QStringList machineAddresses() const override;
    QImage qrCode(const QString &text, int scale) const override;

private:
    RemoteShared m_shared;
    std::unique_ptr<QThread> m_thread;
    RemoteServer *m_server = nullptr; // lives on m_thread
};
