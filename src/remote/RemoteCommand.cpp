#include "remote/RemoteCommand.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>

const std::vector<RemoteCommandName> &remoteCommandNames() {
    using C = RemoteCommand;
    static const std::vector<RemoteCommandName> names = {
        {C::Play, QLatin1String("play")},
        {C::Pause, QLatin1String("pause")},
        {C::Resume, QLatin1String("resume")},
        {C::TogglePause, QLatin1String("pause-resume")},
        {C::Faster, QLatin1String("faster")},
        {C::Slower, QLatin1String("slower")},
        {C::MuchFaster, QLatin1String("much-faster")},
        {C::MuchSlower, QLatin1String("much-slower")},
        {C::Back, QLatin1String("back")},
        {C::BackRelease, QLatin1String("back-release")},
        {C::Restart, QLatin1String("restart")},
        {C::Stop, QLatin1String("stop")},
        {C::SetDelay, QLatin1String("delay")},
    };
    return names;
}

std::optional<RemoteCommand> remoteCommandNamed(QStringView name) {
    for (const RemoteCommandName &n : remoteCommandNames()) {
        if (name == n.name)
            return n.command;
    }
    return std::nullopt;
}

QLatin1String remoteCommandName(RemoteCommand command) {
    for (const RemoteCommandName &n : remoteCommandNames()) {
        if (n.command == command)
            return n.name;
    }
    return QLatin1String();
}

namespace {

// A Delay a remote may set: a whole number in range.
std::optional<int> delayValue(double value) {
    if (!std::isfinite(value) || value != std::trunc(value) || value < 0 || value > kRemoteDelayMax)
        return std::nullopt;
    return static_cast<int>(value);
}

RemoteMessage refused(RemoteMessage message, const QString &error) {
    message.request.reset();
    message.error = error;
    return message;
}

// The request of a named command, with the value the delay needs.
RemoteMessage withCommand(RemoteMessage message, QStringView name,
                          const std::optional<double> &value) {
    const std::optional<RemoteCommand> command = remoteCommandNamed(name);
    if (!command)
        return refused(std::move(message), QStringLiteral("unknown command"));
    RemoteRequest request{*command, 0};
    if (*command == RemoteCommand::SetDelay) {
        const std::optional<int> delay = value ? delayValue(*value) : std::nullopt;
        if (!delay)
            return refused(
                std::move(message),
                QStringLiteral("the delay needs a whole number from 0 to %1").arg(kRemoteDelayMax));
        request.value = *delay;
    }
    message.request = request;
    return message;
}

} // namespace

RemoteMessage parseJsonCommand(QByteArrayView json) {
    RemoteMessage message;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return refused(std::move(message), QStringLiteral("not a JSON object"));
    const QJsonObject object = doc.object();
    const QJsonValue code = object.value(QLatin1String("code"));
    if (code.isString())
        message.code = code.toString();
    const QJsonValue command = object.value(QLatin1String("command"));
    if (!command.isString())
        return refused(std::move(message), QStringLiteral("no command"));
    const QJsonValue value = object.value(QLatin1String("value"));
    return withCommand(std::move(message), command.toString(),
                       value.isDouble() ? std::optional<double>(value.toDouble()) : std::nullopt);
}

RemoteMessage parseOscCommand(QStringView address, const std::vector<OscArgument> &arguments) {
    RemoteMessage message;
    if (!arguments.empty()) {
        if (const QString *code = std::get_if<QString>(&arguments.front()))
            message.code = *code;
    }
    const QLatin1String prefix(kOscPrefix);
    if (!address.startsWith(prefix))
        return refused(std::move(message), QStringLiteral("unknown address"));
    std::optional<double> value;
    if (arguments.size() > 1) {
        if (const qint64 *i = std::get_if<qint64>(&arguments[1]))
            value = double(*i);
        else if (const double *d = std::get_if<double>(&arguments[1]))
            value = *d;
    }
    return withCommand(std::move(message), address.mid(prefix.size()), value);
}

OperatorAction operatorActionFor(const RemoteRequest &request, bool playing, bool paused) {
    using K = OperatorAction::Kind;
    constexpr int kEsc = 27, kSpace = 32, kPageUp = 33, kPageDown = 34, kUp = 38, kDown = 40;
    const auto key = [playing](int code) {
        return playing ? OperatorAction{K::Key, code} : OperatorAction{};
    };
    switch (request.command) {
    case RemoteCommand::Play:
        // Play starts a play from the console; during a pause it goes on, as Space would.
        if (!playing)
            return {K::ConsolePlay, 0};
        return paused ? key(kSpace) : OperatorAction{};
    case RemoteCommand::Pause:
        return paused ? OperatorAction{} : key(kSpace);
    case RemoteCommand::Resume:
        return paused ? key(kSpace) : OperatorAction{};
    case RemoteCommand::TogglePause:
        return key(kSpace);
    case RemoteCommand::Faster:
        return key(kUp);
    case RemoteCommand::Slower:
        return key(kDown);
    case RemoteCommand::MuchFaster:
        return key(kPageUp);
    case RemoteCommand::MuchSlower:
        return key(kPageDown);
    case RemoteCommand::Back:
        return playing && !paused ? OperatorAction{K::RightButtonDown, 0} : OperatorAction{};
    case RemoteCommand::BackRelease:
        return playing ? OperatorAction{K::RightButtonUp, 0} : OperatorAction{};
    case RemoteCommand::Restart:
        // The restart button is disabled while the play is paused.
        return playing && !paused ? OperatorAction{K::RestartButton, 0} : OperatorAction{};
    case RemoteCommand::Stop:
        return key(kEsc);
    case RemoteCommand::SetDelay:
        return {K::SetDelay, request.value};
    }
    return {};
}
