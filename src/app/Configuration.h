#pragma once

#include "settings/Settings.h"

#include <QLatin1String>
#include <QSize>
#include <QString>
#include <QTime>

#include <functional>
#include <limits>
#include <optional>
#include <variant>
#include <vector>

namespace platform {
class IniFile;
}

namespace app {

// The member of the settings a key holds, with what a missing or unreadable key reads as.
template <typename T> struct ConfigurationMember {
    T Settings::*member = nullptr;
    T fallback{};
};

// A key of the configuration file. The member's type is the value form: bool is a boolean
// ("1" or "0"; any non-zero integer reads as true), int a signed decimal integer ("0x1F"
// and "$1F" also read), qint8 such an integer kept in 8 bits, QString a text, and double a
// time of day (a day fraction) in the locale's long time text. A new key is one row of the
// table, over a member of Settings.
struct ConfigurationKey {
    enum class Use { Read, Written, ReadAndWritten };
    // An integer key whose default is a side of the screen rather than its fallback.
    enum class ScreenDefault { None, Width, Height };

    QLatin1String section;
    QLatin1String key; // as written; names match without regard to case
    Use use = Use::ReadAndWritten;
    std::variant<ConfigurationMember<bool>, ConfigurationMember<int>, ConfigurationMember<qint8>,
                 ConfigurationMember<QString>, ConfigurationMember<double>>
        value;
    ScreenDefault screenDefault = ScreenDefault::None;
    // An integer outside [lowest, highest] reads as the default.
    int lowest = std::numeric_limits<int>::min();
    int highest = std::numeric_limits<int>::max();
    // A text is cut to this many characters (the file itself holds at most 1023).
    qsizetype longest = std::numeric_limits<qsizetype>::max();
    // One of the main window's bounds: whether a file holds any of them is reported.
    bool windowBound = false;

    bool isRead() const { return use != Use::Written; }
    bool isWritten() const { return use != Use::Read; }
};

// Every key of the file, in the order they are written.
const std::vector<ConfigurationKey> &configurationKeys();

struct ConfigurationRead {
    Settings values;
    // The stored start time when it is not a valid time of day (values.startTime then holds
    // its default). Whoever applies the values stops at the start time.
    std::optional<QString> invalidStartTime;
    // The file holds at least one of the main window's bounds; when it holds none, the
    // values of all four are only their defaults.
    bool windowBounds = false;
};

// Reads every key that is read; a missing or malformed value gives the key's default. The
// defaults of the output rectangle's right and bottom are the screen's width and height.
ConfigurationRead readConfiguration(const platform::IniFile &ini, QSize screen);
// The same, the screen being the output screen the file names (screenSize is given the
// name read, empty when there is none).
using ScreenSizeOf = std::function<QSize(const QString &outputScreen)>;
ConfigurationRead readConfiguration(const platform::IniFile &ini, const ScreenSizeOf &screenSize);

// Erases the sections "Stuff", "Configuration", "OPTIONS", "OptionWindows" and "Remote", in
// this order, then writes every written key in table order ("Remote" only once remote control
// has been used); other sections stay as they are.
void writeConfiguration(platform::IniFile &ini, const Settings &values);

// Has the file at iniPath name scriptPath as the last script. Only that key changes, a file
// that already names the script is left untouched, and the file is replaced whole or not at
// all. False when the file could not be written.
bool rememberLastFile(const QString &iniPath, const QString &scriptPath);

// Has the file at iniPath hold the [Remote] section of values; every other line stays as it
// was. False when the file could not be written.
bool rememberRemoteSettings(const QString &iniPath, const Settings &values);

// Whether the file holds a remote control access code: such a file is readable by its owner
// only.
bool holdsAccessCode(const platform::IniFile &ini);
// Saves a configuration file whole or not at all (IniFile::save), readable by its owner only
// when it holds an access code.
bool saveConfigurationFile(platform::IniFile &ini, const QString &path, QString *error = nullptr);

// The message shown when a configuration file cannot be written.
QString unableToWrite(const QString &path);

} // namespace app
