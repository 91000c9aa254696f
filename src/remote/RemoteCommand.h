#pragma once

#include <QByteArrayView>
#include <QLatin1String>
#include <QString>
#include <QStringView>

#include <optional>
#include <variant>
#include <vector>

// What a remote may ask of the play: the operator's own keys and buttons, and the speed.
// Each command is the key or button it stands for and acts where that one would act.
enum class RemoteCommand {
    Play,        // the console's Play
    Pause,       // Space, when the play is not paused
    Resume,      // Space, when it is
    TogglePause, // Space
    Faster,      // Up arrow: the arrow step faster
    Slower,      // Down arrow
    MuchFaster,  // Page Up: the page step faster
    MuchSlower,  // Page Down
    Back,        // the right mouse button pressed: the reverse scroll while held
    BackRelease, // the right mouse button released
    Restart,     // the operator panel's restart button
    Stop,        // Esc
    SetDelay,    // Delay set to the value given
};

struct RemoteRequest {
    RemoteCommand command = RemoteCommand::Play;
    int value = 0; // the Delay of SetDelay
    bool operator==(const RemoteRequest &) const = default;
};

// A command's name: the "command" of a JSON command and the last part of its OSC address
// ("/lectoscope/much-faster").
struct RemoteCommandName {
    RemoteCommand command;
    QLatin1String name;
};
const std::vector<RemoteCommandName> &remoteCommandNames();
std::optional<RemoteCommand> remoteCommandNamed(QStringView name);
QLatin1String remoteCommandName(RemoteCommand command);

// The Delay a remote may set: the delay bar's range at "Slower x10".
inline constexpr int kRemoteDelayMax = 15000;

// The OSC address of every command starts with this.
inline constexpr char kOscPrefix[] = "/lectoscope/";

// A message from a remote, read. code is the access code it carries (empty when none);
// error says why a message without a command is refused.
struct RemoteMessage {
    QString code;
    std::optional<RemoteRequest> request;
    QString error;
};

// A JSON command: {"code": "...", "command": "faster"}, {"command": "delay", "value": 800}.
// Anything else (not an object, an unknown command, a missing or non-integral value, a value
// outside 0..kRemoteDelayMax) gives no request and an error.
RemoteMessage parseJsonCommand(QByteArrayView json);

// An OSC message's arguments as liblo gives them: integers (i, h), reals (f, d), texts (s,
// S) and anything else as monostate.
using OscArgument = std::variant<std::monostate, qint64, double, QString>;

// An OSC message: its address and arguments. The first argument is the access code; the
// delay takes its value as the second (an integer, or a real with no fraction).
RemoteMessage parseOscCommand(QStringView address, const std::vector<OscArgument> &arguments);

// What a command does on the console, given whether a play is showing and whether it is
// paused: the key or button it stands for, delivered where that one would be.
struct OperatorAction {
    enum class Kind {
        None,            // nothing: the key would do nothing now
        ConsolePlay,     // the console's Play
        Key,             // a key of the play window; value is its virtual-key code
        RightButtonDown, // the play window's right mouse button
        RightButtonUp,
        RestartButton, // the operator panel's restart button
        SetDelay,      // the speed; value is the Delay
    };
    Kind kind = Kind::None;
    int value = 0;
    bool operator==(const OperatorAction &) const = default;
};
OperatorAction operatorActionFor(const RemoteRequest &request, bool playing, bool paused);
