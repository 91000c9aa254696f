#pragma once

#include "remote/RemoteCommand.h"
#include "remote/RemoteService.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>

class PlayCommands;
class PlayWindow;
class QLibrary;
class QTimer;
class QWidget;
struct Settings;

// Remote control: "Remote Control..." and the servers it allows. The servers run in a module
// loaded on first use, on a thread of their own; each command they take is handed to the
// user-interface thread as a queued call and run there as the key or button it stands for, so
// that it acts where that key would (between lines during a play). The state of the play is
// published for them five times a second and after every command.
class RemoteControlCommands : public QObject {
    Q_OBJECT
public:
    // Commands waiting for the user-interface thread; more are refused as busy.
    static constexpr int kMaxWaitingCommands = 32;
    // Back holds the reverse scroll while the remote repeats it (the web remote does every
    // 500 ms); without a repeat or a release for this long it is released, so that a remote
    // that went away never leaves the play scrolling back.
    static constexpr int kBackHoldMs = 1500;

    // saveSettings: the [Remote] section written to the configuration file.
    RemoteControlCommands(Settings &settings, PlayCommands &play, QWidget *dialogParent,
                          std::function<void()> saveSettings, QObject *parent = nullptr);
    ~RemoteControlCommands() override;
    void setPlayWindow(PlayWindow *window) { m_playWindow = window; }

    // Test seam: how the service is made (else the module is loaded).
    using ServiceFactory = std::function<std::unique_ptr<RemoteService>()>;
    void setServiceFactory(ServiceFactory factory) { m_factory = std::move(factory); }

    // "Remote Control...".
    void openDialog();
    // Starts the servers when remote control is allowed, or stops them and closes every
    // connection at once when it is not. An error is told in a message box and leaves remote
    // control off.
    void apply();
    bool isRunning() const { return m_service && m_service->isRunning(); }
    RemoteService *service() const { return m_service.get(); }

    // A command from a remote, on the user-interface thread.
    void execute(const RemoteRequest &request);
    // The state as it stands now, handed to the servers.
    void publishState();
    // Whether a remote holds Back now.
    bool backHeld() const { return m_backHeld; }
    // Test seam: how long Back holds without a repeat.
    void setBackHoldMs(int ms) { m_backHoldMs = ms; }

private:
    // The service, from the module the first time; null with the reason when it cannot be had.
    RemoteService *loadService(QString *error);
    bool playing() const;
    // Back pressed by a remote, or repeated while it holds.
    void holdBack();
    // Back let go: the right button's release, as when the remote releases it.
    void releaseBack();

    Settings &m_settings;
    PlayCommands &m_play;
    QWidget *m_dialogParent;
    std::function<void()> m_saveSettings;
    PlayWindow *m_playWindow = nullptr;
    ServiceFactory m_factory;
    std::unique_ptr<QLibrary> m_module;
    std::unique_ptr<RemoteService> m_service;
    QTimer *m_stateTimer = nullptr;
    QTimer *m_backHold = nullptr; // made when Back is first held
    int m_backHoldMs = kBackHoldMs;
    bool m_backHeld = false;
    std::shared_ptr<std::atomic<int>> m_waiting = std::make_shared<std::atomic<int>>(0);
    // The play's time so far: what earlier stretches of playing added up to, and since when
    // it has been playing (-1 while it is not).
    qint64 m_elapsedMs = 0;
    qint64 m_playingSinceMs = -1;
    RemoteState::Phase m_lastPhase = RemoteState::Phase::Stopped;
    int m_lastLine = 0, m_lastLineCount = 0;
    RemoteServiceConfig m_config; // what the servers were last started with
};
