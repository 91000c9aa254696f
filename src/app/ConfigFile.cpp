// Reading and writing the configuration file, and the three File-menu commands that drive
// them.
//
// Every key lives in one table (section, key as written, value form, how the value is taken
// from and put into the main window, default on read). The file is written in table order;
// it is read in its own order, a list over the same table. A few table rows are read only:
// the second reads of "UseCountDown" (spelt "UseCounTdown", with another default) and of
// "LoopMode" (into the check box). Names match without regard to case, so "CenterFade",
// "DisPlaysize" and "Speedbar" find the keys written as "Centerfade", "DisPlaySize" and
// "SpeedBar".
#include "app/Mainform.h"

#include "app/Errors.h"
#include "app/Forms.h"
#include "app/RadioGroup.h"
#include "editor/ScriptEditor.h"
#include "platform/Clock.h"
#include "platform/Colors.h"
#include "platform/IniFile.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/Screen.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>
#include <QVariant>

#include <algorithm>
#include <functional>
#include <variant>
#include <vector>

namespace {

constexpr const char *kOptions = "Options";
constexpr const char *kStuff = "Stuff";
constexpr const char *kOptionWindows = "OptionWindows";

// How a value is written and read.
enum class Form {
    Integer, // signed decimal; hexadecimal "0x1F" or "$1F" also read
    Boolean, // "1" or "0"; any non-zero integer reads as true
    Text,    // as is; at most 1023 characters read
    Time,    // the long time text of a day fraction
};

enum class Key {
    Program,
    Centering,
    ShowClock,
    VideoMode,
    TVTitleMode,
    StartfromCursor,
    TenSecondDelay,
    TimerMode,
    UseCountDown,
    UseCountDownLate, // read only
    Startime,
    WordWrap,
    WantReturns,
    FadeTitles,
    FadeTwoline,
    FadeTVTitle,
    FadeAnti,
    CenterFade,
    LowerThird,
    UseColorBars,
    StopAtEnd,
    LoopMode,
    LoopModeBox, // read only
    CenterMarker,
    NoPause,
    Delayx10,
    FadeHoldTime,
    ArrowAmt,
    PgJumpAmt,
    FontSize,
    FontColor,
    FormColor,
    Delay,
    DelayFactor,
    FontName,
    MainColor,
    WordPerMinute,
    LastFile,
    ConfigDate,
    Ver,
    ccID,
    Aviname,
    Wavname,
    S_Left,
    S_Top,
    S_Right,
    S_Bottom,
    DisPlaColor,
    CbarTime,
    DisPlaySize,
    ProcessType,
    UseReverse,
    UseBold,
    DelayControl,
    PixelControl,
    ScreenOutputResolution,
    Calibrate,
    TextEditPanel,
    AutoTimer,
    SpeedBar,
    ML,
    MT,
    MW,
    MH,
};

using Getter = std::function<QVariant(const TForm1 &)>;
using Setter = std::function<void(TForm1 &, const QVariant &)>;

// Where a value comes from when written and goes to when read.
struct Binding {
    Getter get; // empty: read only
    Setter set; // empty: written only
};

struct Row {
    Key key;
    const char *section;
    const char *name; // as written
    Form form;
    Binding binding;
    Getter fallback; // the default on read; empty for keys that are written only
};

Getter constant(const QVariant &value) {
    return [value](const TForm1 &) {
        return value;
    };
}

template <typename T> Binding field(T TForm1::*member) {
    return {[member](const TForm1 &f) { return QVariant::fromValue(f.*member); },
            [member](TForm1 &f, const QVariant &v) {
                f.*member = v.value<T>();
            }};
}

template <typename T> Binding writtenField(T TForm1::*member) {
    return {[member](const TForm1 &f) { return QVariant::fromValue(f.*member); }, {}};
}

// A menu check mark or a tool button's down state: setting it runs nothing.
Binding checkMark(QAction *TForm1::*item) {
    return {[item](const TForm1 &f) { return QVariant((f.*item)->isChecked()); },
            [item](TForm1 &f, const QVariant &v) {
                (f.*item)->setChecked(v.toBool());
            }};
}

Binding buttonDown(QToolButton *TForm1::*button) {
    return {[button](const TForm1 &f) { return QVariant((f.*button)->isChecked()); },
            [button](TForm1 &f, const QVariant &v) {
                (f.*button)->setChecked(v.toBool());
            }};
}

// A check box: setting it from here runs its click rule when its state changes.
Binding checkBox(QCheckBox *TForm1::*box) {
    return {[box](const TForm1 &f) { return QVariant((f.*box)->isChecked()); },
            [box](TForm1 &f, const QVariant &v) {
                (f.*box)->setChecked(v.toBool());
            }};
}

Binding readInto(Setter set) {
    return {{}, std::move(set)};
}

Binding writeFrom(Getter get) {
    return {std::move(get), {}};
}

// Bounds of the main window as stored: kept within a few screens of the real one, so that a
// damaged file cannot ask for a window the size of a city.
int boundedPosition(int value, int screen) {
    return qBound(-4 * screen, value, 4 * screen);
}
int boundedSize(int value, int screen) {
    return qBound(0, value, 4 * screen);
}

const std::vector<Row> &keyTable() {
    static const std::vector<Row> rows = [] {
        using F = TForm1;
        const auto screenWidth = [](const TForm1 &) {
            return QVariant(platform::Screen::width());
        };
        const auto screenHeight = [](const TForm1 &) {
            return QVariant(platform::Screen::height());
        };
        return std::vector<Row>{
            // Options.
            {Key::Program,
             kOptions,
             "Program",
             Form::Text,
             writeFrom([](const F &f) {
                 return QVariant(QString::fromLatin1(app::kApplicationTitle) + u' ' + f.Ver);
             }),
             {}},
            {Key::Centering, kOptions, "Centering", Form::Boolean, field(&F::Centering),
             constant(false)},
            {Key::ShowClock, kOptions, "ShowClock", Form::Boolean, checkMark(&F::ClockOn),
             constant(true)},
            {Key::VideoMode, kOptions, "VideoMode", Form::Boolean, checkMark(&F::VideoMode1),
             constant(true)},
            {Key::TVTitleMode, kOptions, "TVTitleMode", Form::Boolean, checkMark(&F::TVTitle1),
             constant(false)},
            {Key::StartfromCursor, kOptions, "StartfromCursor", Form::Boolean,
             checkMark(&F::StartfromCursor1), constant(false)},
            {Key::TenSecondDelay, kOptions, "TenSecondDelay", Form::Boolean,
             checkMark(&F::Use10secondbackground1), constant(false)},
            {Key::TimerMode, kOptions, "TimerMode", Form::Boolean, checkMark(&F::StartbyAutoTimer1),
             constant(true)},
            {Key::UseCountDown, kOptions, "UseCountDown", Form::Boolean,
             checkMark(&F::UseCountDown), constant(true)},
            {Key::UseCountDownLate, kOptions, "UseCounTdown", Form::Boolean,
             readInto(checkMark(&F::UseCountDown).set), constant(false)},
            {Key::Startime, kOptions, "Startime", Form::Time, field(&F::Startime),
             constant(platform::timeToDayFraction(QTime(12, 0, 0)))},
            {Key::WordWrap, kOptions, "WordWrap", Form::Boolean, checkMark(&F::WordWrap1),
             constant(true)},
            {Key::WantReturns, kOptions, "WantReturns", Form::Boolean, checkMark(&F::Wantreturn),
             constant(false)},
            {Key::FadeTitles, kOptions, "FadeTitles", Form::Boolean, field(&F::FadeTitles),
             constant(false)},
            {Key::FadeTwoline, kOptions, "FadeTwoline", Form::Boolean, field(&F::FadeTwoline),
             constant(false)},
            {Key::FadeTVTitle, kOptions, "FadeTVTitle", Form::Boolean, field(&F::FadeTVTitle),
             constant(false)},
            {Key::FadeAnti, kOptions, "FadeAnti", Form::Boolean, field(&F::FadeAnti),
             constant(false)},
            {Key::CenterFade, kOptions, "Centerfade", Form::Boolean, field(&F::CenterFade),
             constant(false)},
            {Key::LowerThird, kOptions, "LowerThird", Form::Boolean, field(&F::LowerThird),
             constant(false)},
            {Key::UseColorBars,
             kOptions,
             "UseColorBars",
             Form::Boolean,
             {buttonDown(&F::ColorBarsButton).get, checkMark(&F::usecolorbars).set},
             constant(false)},
            {Key::StopAtEnd, kOptions, "StopAtEnd", Form::Boolean, checkBox(&F::stopatend),
             constant(false)},
            {Key::LoopMode, kOptions, "LoopMode", Form::Boolean, checkMark(&F::LoopMode1),
             constant(false)},
            {Key::LoopModeBox, kOptions, "LoopMode", Form::Boolean,
             readInto(checkBox(&F::LoopCheckBox).set), constant(false)},
            {Key::CenterMarker, kOptions, "CenterMarker", Form::Boolean,
             checkBox(&F::CtrMarkerCheckbox), constant(false)},
            {Key::NoPause, kOptions, "NoPause", Form::Boolean, checkBox(&F::Nopausecheckbox),
             constant(false)},
            {Key::Delayx10, kOptions, "Delayx10", Form::Boolean, checkBox(&F::CheckBox1),
             constant(false)},

            // Stuff.
            {Key::FadeHoldTime, kStuff, "FadeHoldTime", Form::Integer, field(&F::FadeHoldTime),
             constant(0)},
            {Key::ArrowAmt, kStuff, "ArrowAmt", Form::Integer, field(&F::ArrowAmt), constant(50)},
            {Key::PgJumpAmt, kStuff, "PgJumpAmt", Form::Integer, field(&F::PgJumpAmt),
             constant(100)},
            {Key::FontSize,
             kStuff,
             "FontSize",
             Form::Integer,
             {[](const F &f) { return QVariant(f.editorFontSize()); },
              [](F &f, const QVariant &v) {
                  f.setEditorFontSize(qBound(1, v.toInt(), 1000));
              }},
             constant(24)},
            {Key::FontColor, kStuff, "FontColor", Form::Integer, writtenField(&F::DisPlaColor), {}},
            {Key::FormColor, kStuff, "FormColor", Form::Integer, field(&F::FormColor), constant(0)},
            {Key::Delay, kStuff, "Delay", Form::Integer, field(&F::Delay), constant(0)},
            {Key::DelayFactor,
             kStuff,
             "DelayFactor",
             Form::Integer,
             {[](const F &f) { return QVariant(int(f.DelayFactor)); },
              [](F &f, const QVariant &v) {
                  f.DelayFactor = static_cast<qint8>(v.toInt());
              }},
             constant(1)},
            {Key::FontName,
             kStuff,
             "FontName",
             Form::Text,
             {[](const F &f) { return QVariant(f.Memo1->font().family()); },
              [](F &f, const QVariant &v) {
                  const QString face = v.toString().left(31);
                  if (face.isEmpty())
                      return;
                  QFont font = f.Memo1->font();
                  font.setFamily(face);
                  f.Memo1->setFont(font);
              }},
             constant(QString())},
            {Key::MainColor,
             kStuff,
             "MainColor",
             Form::Integer,
             {constant(platform::kMenuSystemColor), field(&F::MainColor).set},
             constant(-1)},
            {Key::WordPerMinute, kStuff, "WordPerMinute", Form::Integer, field(&F::WordPerMinute),
             constant(65)},
            {Key::LastFile, kStuff, "LastFile", Form::Text, field(&F::LastFile),
             constant(QString())},
            {Key::ConfigDate,
             kStuff,
             "ConfigDate",
             Form::Text,
             writeFrom([](const F &) {
                 const QDateTime now = platform::Clock::now();
                 return QVariant(platform::Clock::shortDateText(now.date()) + u'-' +
                                 platform::Clock::longTimeText(now.time()));
             }),
             {}},
            {Key::Ver, kStuff, "Ver", Form::Text, writtenField(&F::Ver), {}},
            {Key::ccID,
             kStuff,
             "ccID",
             Form::Text,
             writeFrom(
                 [](const F &) { return QVariant(QString::number(platform::Clock::tickMs())); }),
             {}},
            {Key::Aviname, kStuff, "Aviname", Form::Text, field(&F::AviPlayerFileName),
             constant(QString())},
            {Key::Wavname, kStuff, "Wavname", Form::Text, field(&F::waveplayerFileName),
             constant(QString())},
            {Key::S_Left, kStuff, "S_Left", Form::Integer, field(&F::S_Left), constant(0)},
            {Key::S_Top, kStuff, "S_Top", Form::Integer, field(&F::S_Top), constant(0)},
            {Key::S_Right, kStuff, "S_Right", Form::Integer, field(&F::S_Right), screenWidth},
            {Key::S_Bottom, kStuff, "S_Bottom", Form::Integer, field(&F::S_Bottom), screenHeight},
            {Key::DisPlaColor, kStuff, "DisPlaColor", Form::Integer, field(&F::DisPlaColor),
             constant(0)},
            {Key::CbarTime, kStuff, "CbarTime", Form::Integer, field(&F::CbarTime), constant(3)},
            {Key::DisPlaySize,
             kStuff,
             "DisPlaySize",
             Form::Integer,
             {[](const F &f) { return QVariant(f.RadioGroup2->itemIndex()); },
              field(&F::DisPlaysize).set},
             constant(0)},
            {Key::ProcessType,
             kStuff,
             "ProcessType",
             Form::Integer,
             {[](const F &f) { return QVariant(f.RadioGroup1->itemIndex()); },
              // Only the eight pixel formats exist; anything else reads as the default.
              [](F &f, const QVariant &v) {
                  const int type = v.toInt();
                  f.ProcessType = type >= 0 && type < f.RadioGroup1->count() ? type : 0;
              }},
             constant(0)},
            {Key::UseReverse, kStuff, "UseReverse", Form::Boolean, buttonDown(&F::ReverseButton),
             constant(false)},
            {Key::UseBold, kStuff, "UseBold", Form::Boolean, checkMark(&F::Bold2), constant(false)},

            // OptionWindows.
            {Key::DelayControl, kOptionWindows, "DelayControl", Form::Boolean,
             checkMark(&F::DelayControl1), constant(true)},
            {Key::PixelControl, kOptionWindows, "PixelControl", Form::Boolean,
             checkMark(&F::PixelControl1), constant(false)},
            {Key::ScreenOutputResolution, kOptionWindows, "ScreenOutputResolution", Form::Boolean,
             checkMark(&F::ScreenOutputResolution1), constant(false)},
            {Key::Calibrate, kOptionWindows, "Calibrate", Form::Boolean, checkMark(&F::Calibrate1),
             constant(false)},
            {Key::TextEditPanel, kOptionWindows, "TextEditPanel", Form::Boolean,
             checkMark(&F::TextEditPanel1), constant(true)},
            {Key::AutoTimer, kOptionWindows, "AutoTimer", Form::Boolean, checkMark(&F::AutoTimer1),
             constant(false)},
            {Key::SpeedBar, kOptionWindows, "SpeedBar", Form::Boolean, checkMark(&F::SpeedBar1),
             constant(true)},
            {Key::ML,
             kOptionWindows,
             "ML",
             Form::Integer,
             {[](const F &f) { return QVariant(f.x()); },
              [](F &f, const QVariant &v) {
                  f.move(boundedPosition(v.toInt(), platform::Screen::width()), f.y());
              }},
             constant(10)},
            {Key::MT,
             kOptionWindows,
             "MT",
             Form::Integer,
             {[](const F &f) { return QVariant(f.y()); },
              [](F &f, const QVariant &v) {
                  f.move(f.x(), boundedPosition(v.toInt(), platform::Screen::height()));
              }},
             constant(10)},
            {Key::MW,
             kOptionWindows,
             "MW",
             Form::Integer,
             {[](const F &f) { return QVariant(f.width()); },
              [](F &f, const QVariant &v) {
                  f.resize(boundedSize(v.toInt(), platform::Screen::width()), f.height());
              }},
             constant(600)},
            {Key::MH,
             kOptionWindows,
             "MH",
             Form::Integer,
             {[](const F &f) { return QVariant(f.height()); },
              [](F &f, const QVariant &v) {
                  f.resize(f.width(), boundedSize(v.toInt(), platform::Screen::height()));
              }},
             constant(440)},
        };
    }();
    return rows;
}

const Row &row(Key key) {
    const std::vector<Row> &rows = keyTable();
    return *std::find_if(rows.begin(), rows.end(), [key](const Row &r) { return r.key == key; });
}

// "Use &Color Bars" decides the "CBars" button.
void colourBarsButtonFollowsMenu(TForm1 &f) {
    f.ColorBarsButton->setChecked(f.usecolorbars->isChecked());
}

// The reading order: keys of the table, and one step that reads no key.
using ReadStep = std::variant<Key, void (*)(TForm1 &)>;

const std::vector<ReadStep> &readingOrder() {
    static const std::vector<ReadStep> steps = {
        // 1. Stuff.
        Key::Aviname, Key::Wavname, Key::S_Left, Key::S_Top, Key::S_Right, Key::S_Bottom,
        Key::FadeHoldTime, Key::CbarTime, Key::ArrowAmt, Key::PgJumpAmt,
        // 2. Options.
        Key::CenterFade, Key::LowerThird, Key::FadeTitles, Key::FadeTwoline, Key::FadeTVTitle,
        Key::FadeAnti, Key::Delayx10,
        // 3. OptionWindows: the main window's bounds.
        Key::ML, Key::MT, Key::MW, Key::MH,
        // 4. Options.
        Key::TVTitleMode, Key::TenSecondDelay, Key::Centering, Key::ShowClock, Key::TimerMode,
        Key::VideoMode, Key::UseCountDown,
        // 5. Stuff.
        Key::ProcessType, Key::DisPlaySize, Key::WordPerMinute, Key::MainColor, Key::FontSize,
        Key::FontName,
        // 6. Options.
        Key::Startime,
        // 7. Stuff.
        Key::LastFile, Key::FormColor, Key::DisPlaColor,
        // 8. Options.
        Key::UseCountDownLate, Key::UseColorBars, Key::LoopMode, Key::StopAtEnd, Key::LoopModeBox,
        Key::CenterMarker, Key::NoPause, Key::StartfromCursor, Key::WordWrap, Key::WantReturns,
        // 9.
        &colourBarsButtonFollowsMenu,
        // 10. Stuff.
        Key::UseReverse, Key::UseBold, Key::Delay, Key::DelayFactor,
        // 11. OptionWindows.
        Key::DelayControl, Key::PixelControl, Key::ScreenOutputResolution, Key::Calibrate,
        Key::TextEditPanel, Key::AutoTimer, Key::SpeedBar};
    return steps;
}

QVariant readValue(const platform::IniFile &ini, const Row &r, const TForm1 &f) {
    const QString section = QString::fromLatin1(r.section);
    const QString name = QString::fromLatin1(r.name);
    const QVariant fallback = r.fallback(f);
    switch (r.form) {
    case Form::Integer:
        return ini.readInteger(section, name, fallback.toInt());
    case Form::Boolean:
        return ini.readBool(section, name, fallback.toBool());
    case Form::Text:
        return ini.readString(section, name, fallback.toString());
    case Form::Time: {
        const QString text = ini.readString(section, name, QString());
        if (text.isEmpty())
            return fallback;
        const std::optional<QTime> time = platform::Clock::parseTime(text);
        if (!time)
            throw ConversionError::invalidTime(text);
        return platform::timeToDayFraction(*time);
    }
    }
    return fallback;
}

void writeValue(platform::IniFile &ini, const Row &r, const TForm1 &f) {
    const QString section = QString::fromLatin1(r.section);
    const QString name = QString::fromLatin1(r.name);
    const QVariant value = r.binding.get(f);
    switch (r.form) {
    case Form::Integer:
        ini.writeInteger(section, name, value.toInt());
        return;
    case Form::Boolean:
        ini.writeBool(section, name, value.toBool());
        return;
    case Form::Text:
        ini.writeString(section, name, value.toString());
        return;
    case Form::Time:
        ini.writeString(
            section, name,
            platform::Clock::longTimeText(platform::dayFractionToTime(value.toDouble())));
        return;
    }
}

// The loaded values reach the controls.
void applyConfiguration(TForm1 &f) {
    // 1. The last script. Opening it counts as a change of the editor text, which would
    // take back the Loop Mode this configuration has just set; the loop setting stays.
    if (!f.LastFile.isEmpty() && QFileInfo(f.LastFile).isFile()) {
        const bool loop = f.LoopCheckBox->isChecked();
        f.openafile(f.LastFile);
        f.LoopCheckBox->setChecked(loop);
    }
    // 2.
    f.setfadedefaults();
    // 3. A running clock and armed auto start.
    if (f.StartbyAutoTimer1->isChecked()) {
        f.StartbyAutoTimer1->setChecked(false);
        f.ClockOn->setChecked(false);
        f.ToggleScreenClockOnClick();
        f.StartbyAutoTimer1Click();
    }
    // 4.-6. The toggle commands bring their tool buttons along.
    if (f.VideoMode1->isChecked()) {
        f.VideoMode1->setChecked(false);
        f.VideoMode1Click();
    }
    if (f.UseCountDown->isChecked()) {
        f.UseCountDown->setChecked(false);
        f.UseCountDown2Click();
    }
    if (f.usecolorbars->isChecked()) {
        f.usecolorbars->setChecked(false);
        f.usecolorbarsClick();
    }
    // 7.
    if (f.Centering) {
        f.ToolButton7->setChecked(true);
        f.ToolButton7Click();
    }
    // 8. Panels; selecting another radio item runs the group's rule.
    f.ToolBar1->setVisible(f.SpeedBar1->isChecked());
    f.delaypanel->setVisible(f.DelayControl1->isChecked());
    f.RadioGroup1->setVisible(f.PixelControl1->isChecked());
    f.RadioGroup1->setItemIndex(f.ProcessType);
    f.RadioGroup2->setVisible(f.ScreenOutputResolution1->isChecked());
    f.RadioGroup2->setItemIndex(f.DisPlaysize);
    f.calibratPanel->setVisible(f.Calibrate1->isChecked());
    f.Panel1->setVisible(f.AutoTimer1->isChecked());
    f.Memo1->setVisible(f.TextEditPanel1->isChecked());
    // 9.-11.
    TForm1::setTrackBarPosition(f.TrackBar1, f.editorFontSize());
    if (f.Delay > 0 && f.DelayFactor > 0)
        TForm1::setTrackBarPosition(f.TrackBar2, f.Delay / f.DelayFactor);
    f.delayLabel->setText(QString::number(f.Delay));
    // 12.
    f.MainFormResize();
    f.ShowStats();
}

// The folder of the default file: WindowsDir, or the folder it is set from when the creation
// steps have not run yet.
QString configFolder(const QString &windowsDir) {
    return windowsDir.isEmpty() ? platform::windowsDirectory() : windowsDir;
}

const QString kConfigExt = QStringLiteral("INI");
const QString kConfigFilter = QStringLiteral("ZAL Config Ini|*.INI");

} // namespace

void TForm1::ReadTheIniFile(const QString &name) {
    // A missing or unreadable file reads as empty: every key takes its default.
    const platform::IniFile ini =
        platform::IniFile::load(platform::resolveConfigPath(name, configFolder(WindowsDir)));
    for (const ReadStep &step : readingOrder()) {
        if (const auto *action = std::get_if<void (*)(TForm1 &)>(&step)) {
            (*action)(*this);
            continue;
        }
        const Row &r = row(std::get<Key>(step));
        // Each value is stored at once: a conversion error leaves the keys read so far.
        r.binding.set(*this, readValue(ini, r, *this));
    }
    applyConfiguration(*this);
}

bool TForm1::WriteTheIniFile(const QString &name) {
    const QString path = platform::resolveConfigPath(name, configFolder(WindowsDir));
    platform::IniFile ini = platform::IniFile::load(path);
    for (const char *section : {"Stuff", "Configuration", "OPTIONS", "OptionWindows"})
        ini.eraseSection(QString::fromLatin1(section));
    for (const Row &r : keyTable()) {
        if (r.binding.get)
            writeValue(ini, r, *this);
    }
    // The file is replaced whole or not at all: a refused write leaves it as it was.
    if (!ini.save(path)) {
        platform::MessageBoxes::error(QStringLiteral("Unable to write to %1").arg(path));
        return false;
    }
    return true;
}

void TForm1::SaveDefaultConfiguration1Click() {
    WriteTheIniFile(QString::fromLatin1(kDefaultIniName));
}

void TForm1::SaveConfigurationAs1Click() {
    const platform::FileDialogRequest scripts = SaveDialog1;
    SaveDialog1.defaultExt = kConfigExt;
    SaveDialog1.filter = kConfigFilter;
    SaveDialog1.title = QStringLiteral("Save Configuration AS");
    SaveDialog1.fileName = LastConfigFile;
    if (const std::optional<QString> chosen = platform::FileDialogs::run(SaveDialog1))
        WriteTheIniFile(*chosen);
    SaveDialog1.defaultExt = scripts.defaultExt;
    SaveDialog1.filter = scripts.filter;
    SaveDialog1.title = scripts.title;
    // The current save name is gone: Save does nothing until Open or Save As names a file.
    SaveDialog1.fileName.clear();
}

void TForm1::LoadConfiguration1Click() {
    const platform::FileDialogRequest scripts = OpenDialog1;
    OpenDialog1.defaultExt = kConfigExt;
    OpenDialog1.filter = kConfigFilter;
    OpenDialog1.title = QStringLiteral("Open A ZAL Configuration File");
    if (const std::optional<QString> chosen = platform::FileDialogs::run(OpenDialog1)) {
        OpenDialog1.fileName = *chosen;
        LastConfigFile = *chosen;
        // An invalid time ends the command here; the dialog then keeps the configuration's
        // extension, filter and title.
        ReadTheIniFile(*chosen);
    }
    OpenDialog1.defaultExt = scripts.defaultExt;
    OpenDialog1.filter = scripts.filter;
    OpenDialog1.title = scripts.title;
}
