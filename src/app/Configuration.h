#pragma once

#include <QLatin1String>
#include <QSize>
#include <QString>
#include <QTime>

#include <limits>
#include <optional>
#include <variant>
#include <vector>

namespace platform {
class IniFile;
}

namespace app {

// The values of a configuration file, one member per key, each named after its key. A
// member holds what its key stores; what a missing key reads as is given by the key table
// (configurationKeys), not by the initial values here.
struct Configuration {
    // Options.
    QString Program; // written only: the program's title and version
    bool Centering = false;
    bool ShowClock = false;
    bool VideoMode = false;
    bool TVTitleMode = false;
    bool StartfromCursor = false;
    bool TenSecondDelay = false;
    bool TimerMode = false;
    bool UseCountDown = false;
    // Read only: "UseCountDown" read a second time, spelt "UseCounTdown", with false as its
    // default; this later read decides whether the count-down is used.
    bool UseCountDownLate = false;
    QTime Startime;
    bool WordWrap = false;
    bool WantReturns = false;
    bool FadeTitles = false;
    bool FadeTwoline = false;
    bool FadeTVTitle = false;
    bool FadeAnti = false;
    bool CenterFade = false;
    bool LowerThird = false;
    bool UseColorBars = false;
    bool StopAtEnd = false;
    bool LoopMode = false;
    bool CenterMarker = false;
    bool NoPause = false;
    bool Delayx10 = false;

    // Stuff.
    int FadeHoldTime = 0;
    int ArrowAmt = 0;
    int PgJumpAmt = 0;
    int FontSize = 0;
    int FontColor = 0; // written only: the play text colour again
    int FormColor = 0;
    int Delay = 0;
    int DelayFactor = 0; // the main window keeps it in 8 bits
    QString FontName;
    int MainColor = 0;
    int WordPerMinute = 0;
    QString LastFile;
    QString ConfigDate; // written only: the date and time of saving
    QString Ver;        // written only
    QString ccID;       // written only: the tick count at the moment of saving
    QString Aviname;
    QString Wavname;
    int S_Left = 0;
    int S_Top = 0;
    int S_Right = 0;
    int S_Bottom = 0;
    int DisPlaColor = 0;
    int CbarTime = 0;
    int DisPlaySize = 0;
    int ProcessType = 0;
    bool UseReverse = false;
    bool UseBold = false;

    // OptionWindows: which panels are shown, and the main window's bounds.
    bool DelayControl = false;
    bool PixelControl = false;
    bool ScreenOutputResolution = false;
    bool Calibrate = false;
    bool TextEditPanel = false;
    bool AutoTimer = false;
    bool SpeedBar = false;
    int ML = 0;
    int MT = 0;
    int MW = 0;
    int MH = 0;

    bool operator==(const Configuration &) const = default;
};

// One member of the record with what a missing or unreadable key reads as.
template <typename T> struct ConfigurationMember {
    T Configuration::*member = nullptr;
    T fallback{};
};

// A key of the configuration file. The member's type is the value form: bool is a boolean
// ("1" or "0"; any non-zero integer reads as true), int a signed decimal integer ("0x1F"
// and "$1F" also read), QString a text, QTime a time of day in the locale's long time text.
struct ConfigurationKey {
    enum class Use { Read, Written, ReadAndWritten };
    // An integer key whose default is a side of the screen rather than its fallback.
    enum class ScreenDefault { None, Width, Height };

    QLatin1String section;
    QLatin1String key; // as written; names match without regard to case
    Use use = Use::ReadAndWritten;
    std::variant<ConfigurationMember<bool>, ConfigurationMember<int>, ConfigurationMember<QString>,
                 ConfigurationMember<QTime>>
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
    Configuration values;
    // The stored start time when it is not a valid time of day (values.Startime then holds
    // its default). Whoever applies the values stops at the start time.
    std::optional<QString> invalidStartime;
    // The file holds at least one of the main window's bounds; when it holds none, the
    // values of all four are only their defaults.
    bool windowBounds = false;
};

// Reads every key that is read; a missing or malformed value gives the key's default. The
// defaults of S_Right and S_Bottom are the screen's width and height.
ConfigurationRead readConfiguration(const platform::IniFile &ini, QSize screen);

// Erases the sections "Stuff", "Configuration", "OPTIONS" and "OptionWindows", in this
// order, then writes every written key in table order; other sections stay as they are.
void writeConfiguration(platform::IniFile &ini, const Configuration &values);

// Has the file at iniPath name scriptPath as the last script. Only that key changes, a file
// that already names the script is left untouched, and the file is replaced whole or not at
// all. False when the file could not be written.
bool rememberLastFile(const QString &iniPath, const QString &scriptPath);

// The message shown when a configuration file cannot be written.
QString unableToWrite(const QString &path);

} // namespace app
