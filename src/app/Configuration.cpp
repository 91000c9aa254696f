// The configuration file's key table over the settings, and reading and writing through it.
#include "app/Configuration.h"

#include "platform/Clock.h"
#include "platform/IniFile.h"

#include <algorithm>

namespace app {
namespace {

using C = Settings;
using Key = ConfigurationKey;

constexpr QLatin1String kOptions("Options");
constexpr QLatin1String kStuff("Stuff");
constexpr QLatin1String kOptionWindows("OptionWindows");
constexpr QLatin1String kRemote("Remote");

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

// An integer kept in 8 bits: a wider value read keeps its low byte.
Key number(QLatin1String section, const char *key, qint8 C::*member, qint8 fallback) {
    return {section, QLatin1String(key), Key::Use::ReadAndWritten,
            ConfigurationMember<qint8>{member, fallback}};
}

// A time of day, held as a day fraction.
Key timeOfDay(QLatin1String section, const char *key, double C::*member, QTime fallback) {
    return {section, QLatin1String(key), Key::Use::ReadAndWritten,
            ConfigurationMember<double>{member, platform::timeToDayFraction(fallback)}};
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
// match without regard to case, so the keys read as "CenterFade", "DisPlaysize" and
// "Speedbar" are those written as "Centerfade", "DisPlaySize" and "SpeedBar", and
// "UseCounTdown" is "UseCountDown" read a second time. "FontColor" writes the text colour
// again; the text colour is read from "DisPlaColor".
const std::vector<ConfigurationKey> &configurationKeys() {
    static const std::vector<Key> table = {
        written(kOptions, "Program", &C::program),
        flag(kOptions, "Centering", &C::centering, false),
        flag(kOptions, "ShowClock", &C::showClock, true),
        flag(kOptions, "VideoMode", &C::videoMode, true),
        flag(kOptions, "TVTitleMode", &C::tvTitle, false),
        flag(kOptions, "StartfromCursor", &C::startFromCursor, false),
        flag(kOptions, "TenSecondDelay", &C::tenSecondBackground, false),
        flag(kOptions, "TimerMode", &C::autoStart, true),
        flag(kOptions, "UseCountDown", &C::countDown, true),
        readOnly(flag(kOptions, "UseCounTdown", &C::countDownSecondRead, false)),
        timeOfDay(kOptions, "Startime", &C::startTime, QTime(12, 0, 0)),
        flag(kOptions, "WordWrap", &C::wordWrap, true),
        flag(kOptions, "WantReturns", &C::noReturns, false),
        flag(kOptions, "FadeTitles", &C::fadeTitles, false),
        flag(kOptions, "FadeTwoline", &C::fadeTwoLines, false),
        flag(kOptions, "FadeTVTitle", &C::fadeTvTitle, false),
        flag(kOptions, "FadeAnti", &C::fadeAntialias, false),
        flag(kOptions, "Centerfade", &C::centerFade, false),
        flag(kOptions, "LowerThird", &C::lowerThird, false),
        flag(kOptions, "UseColorBars", &C::colorBars, false),
        flag(kOptions, "StopAtEnd", &C::stopAtEnd, false),
        flag(kOptions, "LoopMode", &C::loopMode, false),
        flag(kOptions, "CenterMarker", &C::centerMarker, false),
        flag(kOptions, "NoPause", &C::noPause, false),
        flag(kOptions, "Delayx10", &C::slowerX10, false),
        flag(kOptions, "FollowVoice", &C::followVoice, false),
        // Read before the output rectangle, whose defaults are the sides of this screen.
        text(kOptions, "OutputScreen", &C::outputScreen),
        flag(kOptions, "LivePreview", &C::livePreview, true),

        number(kStuff, "FadeHoldTime", &C::fadeHoldSeconds, 0),
        number(kStuff, "ArrowAmt", &C::arrowStep, 50),
        number(kStuff, "PgJumpAmt", &C::pageStep, 100),
        number(kStuff, "FontSize", &C::fontSize, 24),
        written(kStuff, "FontColor", &C::textColor),
        number(kStuff, "FormColor", &C::backgroundColor, 0),
        number(kStuff, "Delay", &C::delay, 0),
        number(kStuff, "DelayFactor", &C::delayFactor, qint8(1)),
        // An empty face leaves the editor's face as it is; a face name holds 31 characters.
        cutAt(text(kStuff, "FontName", &C::fontName), 31),
        number(kStuff, "MainColor", &C::mainWindowColor, -1),
        number(kStuff, "WordPerMinute", &C::wordsPerMinute, 65),
        text(kStuff, "LastFile", &C::scriptPath),
        written(kStuff, "ConfigDate", &C::savedAt),
        written(kStuff, "Ver", &C::version),
        written(kStuff, "ccID", &C::savedTick),
        text(kStuff, "Aviname", &C::videoFile),
        text(kStuff, "Wavname", &C::soundFile),
        number(kStuff, "S_Left", &C::outputLeft, 0),
        number(kStuff, "S_Top", &C::outputTop, 0),
        screenNumber(kStuff, "S_Right", &C::outputRight, Side::Width),
        screenNumber(kStuff, "S_Bottom", &C::outputBottom, Side::Height),
        number(kStuff, "DisPlaColor", &C::textColor, 0),
        number(kStuff, "CbarTime", &C::colorBarSeconds, 3),
        number(kStuff, "DisPlaySize", &C::outputSizeChoice, 0),
        // Only the eight pixel formats exist; any other number reads as the default.
        within(number(kStuff, "ProcessType", &C::pixelFormat, 0), 0, 7),
        flag(kStuff, "UseReverse", &C::mirror, false),
        flag(kStuff, "UseBold", &C::bold, false),

        flag(kOptionWindows, "DelayControl", &C::delayPanel, true),
        flag(kOptionWindows, "PixelControl", &C::pixelProcessingPanel, false),
        flag(kOptionWindows, "ScreenOutputResolution", &C::screenResPanel, false),
        flag(kOptionWindows, "Calibrate", &C::readingTimePanel, false),
        flag(kOptionWindows, "TextEditPanel", &C::editorPanel, true),
        flag(kOptionWindows, "AutoTimer", &C::autoTimerPanel, false),
        flag(kOptionWindows, "SpeedBar", &C::toolBar, true),
        windowBound(number(kOptionWindows, "ML", &C::windowLeft, 10)),
        windowBound(number(kOptionWindows, "MT", &C::windowTop, 10)),
        windowBound(number(kOptionWindows, "MW", &C::windowWidth, 600)),
        windowBound(number(kOptionWindows, "MH", &C::windowHeight, 440)),

        flag(kRemote, "Enabled", &C::remoteControl, false),
        within(number(kRemote, "Port", &C::remotePort, 8035), 1, 65535),
        within(number(kRemote, "OscPort", &C::remoteOscPort, 8036), 1, 65535),
        flag(kRemote, "OtherMachines", &C::remoteOtherMachines, false),
        text(kRemote, "AccessCode", &C::remoteAccessCode),
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

void readKey(const platform::IniFile &ini, const Key &k, const ScreenSizeOf &screenSize,
             ConfigurationRead &out) {
    Settings &c = out.values;
    std::visit(Overloaded{
                   [&](const ConfigurationMember<bool> &m) {
                       c.*m.member = ini.readBool(k.section, k.key, m.fallback);
                   },
                   [&](const ConfigurationMember<int> &m) {
                       const QSize screen =
                           k.screenDefault == Side::None ? QSize() : screenSize(c.outputScreen);
                       const int fallback = k.screenDefault == Side::Width    ? screen.width()
                                            : k.screenDefault == Side::Height ? screen.height()
                                                                              : m.fallback;
                       const int value = ini.readInteger(k.section, k.key, fallback);
                       c.*m.member = value < k.lowest || value > k.highest ? fallback : value;
                   },
                   [&](const ConfigurationMember<qint8> &m) {
                       c.*m.member =
                           static_cast<qint8>(ini.readInteger(k.section, k.key, m.fallback));
                   },
                   [&](const ConfigurationMember<QString> &m) {
                       c.*m.member = cut(ini.readString(k.section, k.key, m.fallback), k.longest);
                   },
                   [&](const ConfigurationMember<double> &m) {
                       // Missing or empty reads as the default; any other text must be a time.
                       const QString stored = ini.readString(k.section, k.key, QString());
                       const std::optional<QTime> time =
                           stored.isEmpty()
                               ? std::optional<QTime>(platform::dayFractionToTime(m.fallback))
                               : platform::Clock::parseTime(stored);
                       if (!time)
                           out.invalidStartTime = stored;
                       c.*m.member = time ? platform::timeToDayFraction(*time) : m.fallback;
                   },
               },
               k.value);
}

void writeKey(platform::IniFile &ini, const Key &k, const Settings &c) {
    std::visit(Overloaded{
                   [&](const ConfigurationMember<bool> &m) {
                       ini.writeBool(k.section, k.key, c.*m.member);
                   },
                   [&](const ConfigurationMember<int> &m) {
                       ini.writeInteger(k.section, k.key, c.*m.member);
                   },
                   [&](const ConfigurationMember<qint8> &m) {
                       ini.writeInteger(k.section, k.key, c.*m.member);
                   },
                   [&](const ConfigurationMember<QString> &m) {
                       ini.writeString(k.section, k.key, c.*m.member);
                   },
                   [&](const ConfigurationMember<double> &m) {
                       ini.writeString(
                           k.section, k.key,
                           platform::Clock::longTimeText(platform::dayFractionToTime(c.*m.member)));
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
    return readConfiguration(ini, [screen](const QString &) { return screen; });
}

ConfigurationRead readConfiguration(const platform::IniFile &ini, const ScreenSizeOf &screenSize) {
    ConfigurationRead out;
    for (const Key &k : configurationKeys()) {
        if (k.isRead())
            readKey(ini, k, screenSize, out);
        if (k.windowBound && ini.hasKey(k.section, k.key))
            out.windowBounds = true;
    }
    return out;
}

void writeConfiguration(platform::IniFile &ini, const Settings &values) {
    for (const QLatin1String section :
         {QLatin1String("Stuff"), QLatin1String("Configuration"), QLatin1String("OPTIONS"),
          QLatin1String("OptionWindows"), kRemote})
        ini.eraseSection(section);
    // The remote control's section is written once remote control has been used (it has an
    // access code): until then a file looks as it did before there was one.
    const bool remoteUsed = values.remoteControl || !values.remoteAccessCode.isEmpty();
    for (const Key &k : configurationKeys()) {
        if (k.isWritten() && (remoteUsed || k.section != kRemote))
            writeKey(ini, k, values);
    }
}

bool rememberLastFile(const QString &iniPath, const QString &scriptPath) {
    const Key &k = keyOf(&C::scriptPath);
    platform::IniFile ini = platform::IniFile::load(iniPath);
    if (ini.hasKey(k.section, k.key) && ini.readString(k.section, k.key, QString()) == scriptPath)
        return true;
    ini.writeString(k.section, k.key, scriptPath);
    return saveConfigurationFile(ini, iniPath);
}

bool rememberRemoteSettings(const QString &iniPath, const Settings &values) {
    platform::IniFile ini = platform::IniFile::load(iniPath);
    ini.eraseSection(kRemote);
    for (const Key &k : configurationKeys()) {
        if (k.section == kRemote)
            writeKey(ini, k, values);
    }
    return saveConfigurationFile(ini, iniPath);
}

bool holdsAccessCode(const platform::IniFile &ini) {
    const Key &k = keyOf(&C::remoteAccessCode);
    return !ini.readString(k.section, k.key, QString()).trimmed().isEmpty();
}

bool saveConfigurationFile(platform::IniFile &ini, const QString &path, QString *error) {
    return ini.save(path, error,
                    holdsAccessCode(ini) ? platform::IniFile::Access::OwnerOnly
                                         : platform::IniFile::Access::AsBefore);
}

QString unableToWrite(const QString &path) {
    return QStringLiteral("Unable to write to %1").arg(path);
}

} // namespace app
