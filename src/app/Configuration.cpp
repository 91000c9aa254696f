// The configuration file's key table, and reading and writing the record through it.
#include "app/Configuration.h"

#include "platform/Clock.h"
#include "platform/IniFile.h"

#include <algorithm>

namespace app {
namespace {

using C = Configuration;
using Key = ConfigurationKey;

constexpr QLatin1String kOptions("Options");
constexpr QLatin1String kStuff("Stuff");
constexpr QLatin1String kOptionWindows("OptionWindows");

Key flag(QLatin1String section, const char *key, bool C::*member, bool fallback) {
    return {section, QLatin1String(key), Key::Use::ReadAndWritten,
            ConfigurationMember<bool>{member, fallback}};
}

Key number(QLatin1String section, const char *key, int C::*member, int fallback) {
    return {section, QLatin1String(key), Key::Use::ReadAndWritten,
            ConfigurationMember<int>{member, fallback}};
}

// An integer whose default is the screen's width or height.
Key screenNumber(QLatin1String section, const char *key, int C::*member, Key::ScreenDefault side) {
    Key k = number(section, key, member, 0);
    k.screenDefault = side;
    return k;
}

// A text; every text key reads as empty when it is missing.
Key text(QLatin1String section, const char *key, QString C::*member) {
    return {section, QLatin1String(key), Key::Use::ReadAndWritten,
            ConfigurationMember<QString>{member, {}}};
}

Key timeOfDay(QLatin1String section, const char *key, QTime C::*member, QTime fallback) {
    return {section, QLatin1String(key), Key::Use::ReadAndWritten,
            ConfigurationMember<QTime>{member, fallback}};
}

// Keys that are written but never read, and so have no default.
Key written(QLatin1String section, const char *key, QString C::*member) {
    Key k = text(section, key, member);
    k.use = Key::Use::Written;
    return k;
}
Key written(QLatin1String section, const char *key, int C::*member) {
    Key k = number(section, key, member, 0);
    k.use = Key::Use::Written;
    return k;
}

Key readOnly(Key k) {
    k.use = Key::Use::Read;
    return k;
}

Key within(Key k, int lowest, int highest) {
    k.lowest = lowest;
    k.highest = highest;
    return k;
}

Key cutAt(Key k, qsizetype longest) {
    k.longest = longest;
    return k;
}

Key windowBound(Key k) {
    k.windowBound = true;
    return k;
}

using Side = Key::ScreenDefault;

} // namespace

// Every key in write order, the one read-only key next to the key it reads again. Names
// match without regard to case, so the main window's "CenterFade", "DisPlaysize" and
// "Speedbar" are the keys written as "Centerfade", "DisPlaySize" and "SpeedBar", and
// "UseCounTdown" is "UseCountDown" read a second time.
const std::vector<ConfigurationKey> &configurationKeys() {
    static const std::vector<Key> table = {
        written(kOptions, "Program", &C::Program),
        flag(kOptions, "Centering", &C::Centering, false),
        flag(kOptions, "ShowClock", &C::ShowClock, true),
        flag(kOptions, "VideoMode", &C::VideoMode, true),
        flag(kOptions, "TVTitleMode", &C::TVTitleMode, false),
        flag(kOptions, "StartfromCursor", &C::StartfromCursor, false),
        flag(kOptions, "TenSecondDelay", &C::TenSecondDelay, false),
        flag(kOptions, "TimerMode", &C::TimerMode, true),
        flag(kOptions, "UseCountDown", &C::UseCountDown, true),
        readOnly(flag(kOptions, "UseCounTdown", &C::UseCountDownLate, false)),
        timeOfDay(kOptions, "Startime", &C::Startime, QTime(12, 0, 0)),
        flag(kOptions, "WordWrap", &C::WordWrap, true),
        flag(kOptions, "WantReturns", &C::WantReturns, false),
        flag(kOptions, "FadeTitles", &C::FadeTitles, false),
        flag(kOptions, "FadeTwoline", &C::FadeTwoline, false),
        flag(kOptions, "FadeTVTitle", &C::FadeTVTitle, false),
        flag(kOptions, "FadeAnti", &C::FadeAnti, false),
        flag(kOptions, "Centerfade", &C::CenterFade, false),
        flag(kOptions, "LowerThird", &C::LowerThird, false),
        flag(kOptions, "UseColorBars", &C::UseColorBars, false),
        flag(kOptions, "StopAtEnd", &C::StopAtEnd, false),
        flag(kOptions, "LoopMode", &C::LoopMode, false),
        flag(kOptions, "CenterMarker", &C::CenterMarker, false),
        flag(kOptions, "NoPause", &C::NoPause, false),
        flag(kOptions, "Delayx10", &C::Delayx10, false),

        number(kStuff, "FadeHoldTime", &C::FadeHoldTime, 0),
        number(kStuff, "ArrowAmt", &C::ArrowAmt, 50),
        number(kStuff, "PgJumpAmt", &C::PgJumpAmt, 100),
        number(kStuff, "FontSize", &C::FontSize, 24),
        written(kStuff, "FontColor", &C::FontColor),
        number(kStuff, "FormColor", &C::FormColor, 0),
        number(kStuff, "Delay", &C::Delay, 0),
        number(kStuff, "DelayFactor", &C::DelayFactor, 1),
        // An empty face leaves the editor's face as it is; a face name holds 31 characters.
        cutAt(text(kStuff, "FontName", &C::FontName), 31),
        number(kStuff, "MainColor", &C::MainColor, -1),
        number(kStuff, "WordPerMinute", &C::WordPerMinute, 65),
        text(kStuff, "LastFile", &C::LastFile),
        written(kStuff, "ConfigDate", &C::ConfigDate),
        written(kStuff, "Ver", &C::Ver),
        written(kStuff, "ccID", &C::ccID),
        text(kStuff, "Aviname", &C::Aviname),
        text(kStuff, "Wavname", &C::Wavname),
        number(kStuff, "S_Left", &C::S_Left, 0),
        number(kStuff, "S_Top", &C::S_Top, 0),
        screenNumber(kStuff, "S_Right", &C::S_Right, Side::Width),
        screenNumber(kStuff, "S_Bottom", &C::S_Bottom, Side::Height),
        number(kStuff, "DisPlaColor", &C::DisPlaColor, 0),
        number(kStuff, "CbarTime", &C::CbarTime, 3),
        number(kStuff, "DisPlaySize", &C::DisPlaySize, 0),
        // Only the eight pixel formats exist; any other number reads as the default.
        within(number(kStuff, "ProcessType", &C::ProcessType, 0), 0, 7),
        flag(kStuff, "UseReverse", &C::UseReverse, false),
        flag(kStuff, "UseBold", &C::UseBold, false),

        flag(kOptionWindows, "DelayControl", &C::DelayControl, true),
        flag(kOptionWindows, "PixelControl", &C::PixelControl, false),
        flag(kOptionWindows, "ScreenOutputResolution", &C::ScreenOutputResolution, false),
        flag(kOptionWindows, "Calibrate", &C::Calibrate, false),
        flag(kOptionWindows, "TextEditPanel", &C::TextEditPanel, true),
        flag(kOptionWindows, "AutoTimer", &C::AutoTimer, false),
        flag(kOptionWindows, "SpeedBar", &C::SpeedBar, true),
        windowBound(number(kOptionWindows, "ML", &C::ML, 10)),
        windowBound(number(kOptionWindows, "MT", &C::MT, 10)),
        windowBound(number(kOptionWindows, "MW", &C::MW, 600)),
        windowBound(number(kOptionWindows, "MH", &C::MH, 440)),
    };
    return table;
}

namespace {

// At most `longest` characters, never keeping half of a surrogate pair.
QString cut(QString text, qsizetype longest) {
    if (text.size() > longest)
        text.truncate(longest > 0 && text[longest - 1].isHighSurrogate() ? longest - 1 : longest);
    return text;
}

template <typename... F> struct Overloaded : F... { using F::operator()...; };
template <typename... F> Overloaded(F...) -> Overloaded<F...>;

void readKey(const platform::IniFile &ini, const Key &k, QSize screen, ConfigurationRead &out) {
    Configuration &c = out.values;
    std::visit(Overloaded{
                   [&](const ConfigurationMember<bool> &m) {
                       c.*m.member = ini.readBool(k.section, k.key, m.fallback);
                   },
                   [&](const ConfigurationMember<int> &m) {
                       const int fallback = k.screenDefault == Side::Width    ? screen.width()
                                            : k.screenDefault == Side::Height ? screen.height()
                                                                              : m.fallback;
                       const int value = ini.readInteger(k.section, k.key, fallback);
                       c.*m.member = value < k.lowest || value > k.highest ? fallback : value;
                   },
                   [&](const ConfigurationMember<QString> &m) {
                       c.*m.member = cut(ini.readString(k.section, k.key, m.fallback), k.longest);
                   },
                   [&](const ConfigurationMember<QTime> &m) {
                       // Missing or empty reads as the default; any other text must be a time.
                       const QString stored = ini.readString(k.section, k.key, QString());
                       const std::optional<QTime> time = stored.isEmpty()
                                                             ? std::optional<QTime>(m.fallback)
                                                             : platform::Clock::parseTime(stored);
                       if (!time)
                           out.invalidStartime = stored;
                       c.*m.member = time.value_or(m.fallback);
                   },
               },
               k.value);
}

void writeKey(platform::IniFile &ini, const Key &k, const Configuration &c) {
    std::visit(Overloaded{
                   [&](const ConfigurationMember<bool> &m) {
                       ini.writeBool(k.section, k.key, c.*m.member);
                   },
                   [&](const ConfigurationMember<int> &m) {
                       ini.writeInteger(k.section, k.key, c.*m.member);
                   },
                   [&](const ConfigurationMember<QString> &m) {
                       ini.writeString(k.section, k.key, c.*m.member);
                   },
                   [&](const ConfigurationMember<QTime> &m) {
                       ini.writeString(k.section, k.key,
                                       platform::Clock::longTimeText(c.*m.member));
                   },
               },
               k.value);
}

// The row of a text member.
const Key &keyOf(QString C::*member) {
    return *std::find_if(configurationKeys().begin(), configurationKeys().end(),
                         [member](const Key &k) {
                             const auto *m = std::get_if<ConfigurationMember<QString>>(&k.value);
                             return m && m->member == member;
                         });
}

} // namespace

ConfigurationRead readConfiguration(const platform::IniFile &ini, QSize screen) {
    ConfigurationRead out;
    for (const Key &k : configurationKeys()) {
        if (k.isRead())
            readKey(ini, k, screen, out);
        if (k.windowBound && ini.hasKey(k.section, k.key))
            out.windowBounds = true;
    }
    return out;
}

void writeConfiguration(platform::IniFile &ini, const Configuration &values) {
    for (const QLatin1String section : {QLatin1String("Stuff"), QLatin1String("Configuration"),
                                        QLatin1String("OPTIONS"), QLatin1String("OptionWindows")})
        ini.eraseSection(section);
    for (const Key &k : configurationKeys()) {
        if (k.isWritten())
            writeKey(ini, k, values);
    }
}

bool rememberLastFile(const QString &iniPath, const QString &scriptPath) {
    const Key &k = keyOf(&C::LastFile);
    platform::IniFile ini = platform::IniFile::load(iniPath);
    if (ini.hasKey(k.section, k.key) && ini.readString(k.section, k.key, QString()) == scriptPath)
        return true;
    ini.writeString(k.section, k.key, scriptPath);
    return ini.save(iniPath);
}

QString unableToWrite(const QString &path) {
    return QStringLiteral("Unable to write to %1").arg(path);
}

} // namespace app
