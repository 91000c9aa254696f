#include "app/RemoteControlCommands.h"

#include "app/PlayCommands.h"
#include "platform/MessageBoxes.h"
#include "play/PlayWindow.h"
#include "play/RowSchedule.h"
#include "remote/RemoteControlDialog.h"
#include "remote/RemoteState.h"
#include "settings/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QTimer>

RemoteControlCommands::RemoteControlCommands(Settings &settings, PlayCommands &play,
                                             QWidget *dialogParent,
                                             std::function<void()> saveSettings, QObject *parent)
    : QObject(parent), m_settings(settings), m_play(play), m_dialogParent(dialogParent),
      m_saveSettings(std::move(saveSettings)) {}

RemoteControlCommands::~RemoteControlCommands() {
    // The servers stop before the code they run is unloaded.
    if (m_service)
        m_service->stop();
    m_service.reset();
}

RemoteService *RemoteControlCommands::loadService(QString *error) {
    if (m_service)
        return m_service.get();
    if (m_factory) {
        m_service = m_factory();
        return m_service.get();
    }
    const QString dir = QCoreApplication::applicationDirPath();
    for (const QString &folder :
         {dir, QDir(dir).filePath(QStringLiteral(LECTO_REMOTE_MODULE_DIR))}) {
        auto module =
            std::make_unique<QLibrary>(QDir(folder).filePath(QStringLiteral("lectoscope_remote")));
        const auto create =
            reinterpret_cast<RemoteServiceFactory>(module->resolve(kRemoteServiceFactory));
        if (!create) {
            *error = module->errorString();
            continue;
        }
        m_module = std::move(module);
        m_service.reset(create());
        return m_service.get();
    }
    return nullptr;
}

void RemoteControlCommands::openDialog() {
    QString error;
    RemoteService *service = loadService(&error);
    const RemoteControlValues current{m_settings.remoteControl, m_settings.remotePort,
                                      m_settings.remoteOscPort, m_settings.remoteOtherMachines,
                                      m_settings.remoteAccessCode};
    RemoteControlDialog dialog(
        current,
        [service](const QString &text) { return service ? service->qrCode(text, 4) : QImage(); },
        service ? service->machineAddresses() : QStringList(), m_dialogParent);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    const RemoteControlValues chosen = dialog.values();
    // A code made the first time the dialog opened is kept even when it is cancelled (it may
    // have been read off the screen already); a new one replaces the old one only with OK.
    const bool firstCode = m_settings.remoteAccessCode.isEmpty();
    if (accepted || firstCode)
        m_settings.remoteAccessCode = chosen.code;
    if (accepted) {
        m_settings.remoteControl = chosen.enabled;
        m_settings.remotePort = chosen.port;
        m_settings.remoteOscPort = chosen.oscPort;
        m_settings.remoteOtherMachines = chosen.otherMachines;
    }
    if ((accepted || firstCode) && m_saveSettings)
        m_saveSettings();
    if (accepted)
        apply();
}

void RemoteControlCommands::apply() {
    const bool wanted = m_settings.remoteControl && !m_settings.remoteAccessCode.isEmpty();
    if (!wanted) {
        // Nothing is loaded for a switch that was never on.
        if (m_service)
            m_service->stop();
        // A Back held by a remote whose connection is now closed is let go.
        releaseBack();
        delete m_stateTimer;
        m_stateTimer = nullptr;
        return;
    }
    RemoteServiceConfig config;
    config.httpPort = quint16(m_settings.remotePort);
    config.oscPort = quint16(m_settings.remoteOscPort);
    config.otherMachines = m_settings.remoteOtherMachines;
    config.accessCode = m_settings.remoteAccessCode;
    // Servers that already listen as asked keep their connections.
    if (isRunning() && config == m_config)
        return;
    QString error;
    RemoteService *service = loadService(&error);
    // The servers' thread hands each command over as a queued call; a bounded number wait.
    const std::shared_ptr<std::atomic<int>> waiting = m_waiting;
    auto sink = [this, waiting](const RemoteRequest &request) {
        if (waiting->fetch_add(1) >= kMaxWaitingCommands) {
            waiting->fetch_sub(1);
            return false;
        }
        QMetaObject::invokeMethod(
            this,
            [this, waiting, request] {
                waiting->fetch_sub(1);
                execute(request);
            },
            Qt::QueuedConnection);
        return true;
    };
    m_config = config;
    if (!service || !service->start(config, sink, &error)) {
        m_settings.remoteControl = false;
        platform::MessageBoxes::error(QStringLiteral("Remote control cannot start: %1").arg(error));
        return;
    }
    if (!m_stateTimer) {
        m_stateTimer = new QTimer(this);
        m_stateTimer->setInterval(200);
        connect(m_stateTimer, &QTimer::timeout, this, &RemoteControlCommands::publishState);
        m_stateTimer->start();
    }
    publishState();
}

bool RemoteControlCommands::playing() const {
    return m_playWindow && m_playWindow->isVisible() && m_playWindow->isEnabled();
}

void RemoteControlCommands::execute(const RemoteRequest &request) {
    // A repeat of Back keeps it held; its release is the right button's, once.
    if (request.command == RemoteCommand::Back && m_backHeld) {
        holdBack();
        return;
    }
    if (request.command == RemoteCommand::BackRelease) {
        releaseBack();
        if (m_service)
            publishState();
        return;
    }
    const bool paused = playing() && m_playWindow->state().paused;
    const OperatorAction action = operatorActionFor(request, playing(), paused);
    switch (action.kind) {
    case OperatorAction::Kind::None:
        break;
    case OperatorAction::Kind::ConsolePlay:
        publishState();
        m_play.play();
        break;
    case OperatorAction::Kind::Key:
        m_playWindow->operatorKey(action.value);
        break;
    case OperatorAction::Kind::RightButtonDown:
        // Held before the press: the reverse scroll runs inside it, and a release or the
        // hold's end may come while it does.
        holdBack();
        m_playWindow->mouseButtonDown(Qt::RightButton);
        break;
    case OperatorAction::Kind::RightButtonUp:
        m_playWindow->mouseButtonUp(Qt::RightButton);
        break;
    case OperatorAction::Kind::RestartButton:
        m_playWindow->restartButtonClicked();
        break;
    case OperatorAction::Kind::SetDelay:
        m_play.setDelay(action.value);
        break;
    }
    if (m_service)
        publishState();
}

void RemoteControlCommands::holdBack() {
    if (!m_backHold) {
        m_backHold = new QTimer(this);
        m_backHold->setSingleShot(true);
        connect(m_backHold, &QTimer::timeout, this, &RemoteControlCommands::releaseBack);
    }
    m_backHeld = true;
    m_backHold->start(m_backHoldMs);
}

void RemoteControlCommands::releaseBack() {
    if (!m_backHeld)
        return;
    m_backHeld = false;
    m_backHold->stop();
    const RemoteRequest release{RemoteCommand::BackRelease, 0};
    if (operatorActionFor(release, playing(), false).kind == OperatorAction::Kind::RightButtonUp)
        m_playWindow->mouseButtonUp(Qt::RightButton);
}

void RemoteControlCommands::publishState() {
    if (!m_service)
        return;
    RemoteState s;
    const qint64 now = remoteClockMs();
    s.takenAtMs = now;
    s.delay = m_play.delay();
    s.pixelsPerSecond = rowsPerSecondAt(s.delay);
    if (playing()) {
        const PlayWindow::State &w = m_playWindow->state();
        s.lineCount = m_play.lineCount();
        s.line = qBound(1, w.currentLine + 1, qMax(1, s.lineCount));
        if (w.currentLine >= s.lineCount)
            s.phase = RemoteState::Phase::Ended;
        else
            s.phase = w.paused ? RemoteState::Phase::Paused : RemoteState::Phase::Playing;
        s.remainingMs =
            remainingMsAt(s.lineCount - w.currentLine, m_playWindow->stripHeight(), s.delay);
        if (s.phase == RemoteState::Phase::Ended)
            s.remainingMs = 0;
    }
    // A play that ran to its end (or was left on its last line) stays "ended" until the next.
    const bool endedLast = m_lastPhase == RemoteState::Phase::Ended ||
                           (m_lastPhase == RemoteState::Phase::Playing && m_lastLineCount > 0 &&
                            m_lastLine >= m_lastLineCount);
    if (s.phase == RemoteState::Phase::Stopped && endedLast) {
        s.phase = RemoteState::Phase::Ended;
        s.line = m_lastLine;
        s.lineCount = m_lastLineCount;
        s.remainingMs = 0;
    }
    // The elapsed time counts the stretches spent playing; a new play starts it afresh.
    using P = RemoteState::Phase;
    const bool wasShowing = m_lastPhase == P::Playing || m_lastPhase == P::Paused;
    if (!wasShowing && (s.phase == P::Playing || s.phase == P::Paused))
        m_elapsedMs = 0;
    if (m_playingSinceMs >= 0)
        m_elapsedMs += now - m_playingSinceMs;
    m_playingSinceMs = s.phase == RemoteState::Phase::Playing ? now : -1;
    m_lastPhase = s.phase;
    m_lastLine = s.line;
    m_lastLineCount = s.lineCount;
    s.elapsedMs = m_elapsedMs;
    m_service->publish(s);
}
