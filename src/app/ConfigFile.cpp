// The main window's side of the configuration file: the loaded values reach the controls
// in the reading order and are then applied; the controls give the values to write; and the
// three File-menu commands that drive reading and writing. The keys themselves, their
// forms and defaults are the table in app/Configuration.cpp.
#include "app/Mainform.h"

#include "app/Configuration.h"
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

namespace {

// Bounds of the main window as stored: kept within a few screens of the real one, so that a
// damaged file cannot ask for a window the size of a city.
int boundedPosition(int value, int screen) {
    return qBound(-4 * screen, value, 4 * screen);
}
int boundedSize(int value, int screen) {
    return qBound(0, value, 4 * screen);
}

// The loaded values take effect in the window; `fit` sizes the window to the screen.
void applyConfiguration(TForm1 &f, bool fit) {
    // The editor's bold style, word wrap and Enter key as their check marks say, before the
    // script's lines are counted.
    f.applyEditorCheckMarks();
    // The last script is opened. Opening it counts as a change of the editor text, which
    // would take back the Loop Mode this configuration has just set; the loop setting stays.
    if (!f.LastFile.isEmpty() && QFileInfo(f.LastFile).isFile()) {
        const bool loop = f.LoopCheckBox->isChecked();
        f.openafile(f.LastFile);
        f.LoopCheckBox->setChecked(loop);
    }
    f.setfadedefaults();
    // Auto start armed: the toggle commands leave a running clock and armed auto start.
    if (f.StartbyAutoTimer1->isChecked()) {
        f.StartbyAutoTimer1->setChecked(false);
        f.ClockOn->setChecked(false);
        f.ToggleScreenClockOnClick();
        f.StartbyAutoTimer1Click();
    }
    // Video mode, count-down and colour bars go through their toggle commands, which bring
    // their tool buttons along.
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
    // Centred script lines, through the "Center" button.
    if (f.Centering) {
        f.ToolButton7->setChecked(true);
        f.ToolButton7Click();
    }
    // The panels the menu marks as shown; selecting another radio item runs the group's rule.
    f.ToolBar1->setVisible(f.SpeedBar1->isChecked());
    f.delaypanel->setVisible(f.DelayControl1->isChecked());
    f.RadioGroup1->setVisible(f.PixelControl1->isChecked());
    f.RadioGroup1->setItemIndex(f.ProcessType);
    f.RadioGroup2->setVisible(f.ScreenOutputResolution1->isChecked());
    f.RadioGroup2->setItemIndex(f.DisPlaysize);
    f.calibratPanel->setVisible(f.Calibrate1->isChecked());
    f.Panel1->setVisible(f.AutoTimer1->isChecked());
    f.Memo1->setVisible(f.TextEditPanel1->isChecked());
    // The track bars and the delay label follow the font size and the delay.
    TForm1::setTrackBarPosition(f.TrackBar1, f.editorFontSize());
    if (f.Delay > 0 && f.DelayFactor > 0)
        TForm1::setTrackBarPosition(f.TrackBar2, f.Delay / f.DelayFactor);
    f.delayLabel->setText(QString::number(f.Delay));
    // The window's size where the file gave none, then layout and status texts.
    if (fit)
        f.fitToScreen();
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

app::Configuration TForm1::configurationFromControls() const {
    app::Configuration c;
    c.Program = QString::fromLatin1(app::kApplicationTitle) + u' ' + Ver;
    c.Centering = Centering;
    c.ShowClock = ClockOn->isChecked();
    c.VideoMode = VideoMode1->isChecked();
    c.TVTitleMode = TVTitle1->isChecked();
    c.StartfromCursor = StartfromCursor1->isChecked();
    c.TenSecondDelay = Use10secondbackground1->isChecked();
    c.TimerMode = StartbyAutoTimer1->isChecked();
    c.UseCountDown = UseCountDown->isChecked();
    c.UseCountDownLate = c.UseCountDown;
    c.Startime = platform::dayFractionToTime(Startime);
    c.WordWrap = WordWrap1->isChecked();
    c.WantReturns = Wantreturn->isChecked();
    c.FadeTitles = FadeTitles;
    c.FadeTwoline = FadeTwoline;
    c.FadeTVTitle = FadeTVTitle;
    c.FadeAnti = FadeAnti;
    c.CenterFade = CenterFade;
    c.LowerThird = LowerThird;
    c.UseColorBars = ColorBarsButton->isChecked();
    c.StopAtEnd = stopatend->isChecked();
    c.LoopMode = LoopMode1->isChecked();
    c.CenterMarker = CtrMarkerCheckbox->isChecked();
    c.NoPause = Nopausecheckbox->isChecked();
    c.Delayx10 = CheckBox1->isChecked();

    c.FadeHoldTime = FadeHoldTime;
    c.ArrowAmt = ArrowAmt;
    c.PgJumpAmt = PgJumpAmt;
    c.FontSize = editorFontSize();
    c.FontColor = DisPlaColor;
    c.FormColor = FormColor;
    c.Delay = Delay;
    c.DelayFactor = DelayFactor;
    c.FontName = Memo1->font().family();
    c.MainColor = platform::kMenuSystemColor; // the main window's own colour
    c.WordPerMinute = WordPerMinute;
    c.LastFile = LastFile;
    const QDateTime now = platform::Clock::now();
    c.ConfigDate = platform::Clock::shortDateText(now.date()) + u'-' +
                   platform::Clock::longTimeText(now.time());
    c.Ver = Ver;
    c.ccID = QString::number(platform::Clock::tickMs());
    c.Aviname = AviPlayerFileName;
    c.Wavname = waveplayerFileName;
    c.S_Left = S_Left;
    c.S_Top = S_Top;
    c.S_Right = S_Right;
    c.S_Bottom = S_Bottom;
    c.DisPlaColor = DisPlaColor;
    c.CbarTime = CbarTime;
    c.DisPlaySize = RadioGroup2->itemIndex();
    c.ProcessType = RadioGroup1->itemIndex();
    c.UseReverse = ReverseButton->isChecked();
    c.UseBold = Bold2->isChecked();

    c.DelayControl = DelayControl1->isChecked();
    c.PixelControl = PixelControl1->isChecked();
    c.ScreenOutputResolution = ScreenOutputResolution1->isChecked();
    c.Calibrate = Calibrate1->isChecked();
    c.TextEditPanel = TextEditPanel1->isChecked();
    c.AutoTimer = AutoTimer1->isChecked();
    c.SpeedBar = SpeedBar1->isChecked();
    c.ML = x();
    c.MT = y();
    c.MW = width();
    c.MH = height();
    return c;
}

// Menu check marks and tool buttons are set without running anything; a check box whose
// state changes runs its click rule as an operator's click would.
void TForm1::configurationToControls(const app::ConfigurationRead &read) {
    const app::Configuration &c = read.values;
    const QSize screen = platform::Screen::size();
    // Media files, the output rectangle, and the fade hold, bar time and key amounts.
    AviPlayerFileName = c.Aviname;
    waveplayerFileName = c.Wavname;
    S_Left = c.S_Left;
    S_Top = c.S_Top;
    S_Right = c.S_Right;
    S_Bottom = c.S_Bottom;
    FadeHoldTime = c.FadeHoldTime;
    CbarTime = c.CbarTime;
    ArrowAmt = c.ArrowAmt;
    PgJumpAmt = c.PgJumpAmt;
    // The fade options, then "Slower x10", whose click rule sets the delay factor and the
    // delay (both are stored again further down).
    CenterFade = c.CenterFade;
    LowerThird = c.LowerThird;
    FadeTitles = c.FadeTitles;
    FadeTwoline = c.FadeTwoline;
    FadeTVTitle = c.FadeTVTitle;
    FadeAnti = c.FadeAnti;
    CheckBox1->setChecked(c.Delayx10);
    // The main window's bounds, each applied at once. A file that holds none has the window
    // fitted to the screen once the values are applied.
    if (read.windowBounds) {
        setWindowState(windowState() & ~Qt::WindowMaximized);
        move(boundedPosition(c.ML, screen.width()), y());
        move(x(), boundedPosition(c.MT, screen.height()));
        resize(boundedSize(c.MW, screen.width()), height());
        resize(width(), boundedSize(c.MH, screen.height()));
    }
    // Play modes, the clock and auto start, and the count-down as first read.
    TVTitle1->setChecked(c.TVTitleMode);
    Use10secondbackground1->setChecked(c.TenSecondDelay);
    Centering = c.Centering;
    ClockOn->setChecked(c.ShowClock);
    StartbyAutoTimer1->setChecked(c.TimerMode);
    VideoMode1->setChecked(c.VideoMode);
    UseCountDown->setChecked(c.UseCountDown);
    // Pixel format, output size choice, reading rate and the editor's font.
    ProcessType = c.ProcessType;
    DisPlaysize = c.DisPlaySize;
    WordPerMinute = c.WordPerMinute;
    MainColor = c.MainColor;
    setEditorFontSize(qBound(1, c.FontSize, 1000));
    if (!c.FontName.isEmpty()) {
        QFont font = Memo1->font();
        font.setFamily(c.FontName);
        Memo1->setFont(font);
    }
    // A stored start time that is no time ends the load here.
    if (read.invalidStartime)
        throw ConversionError::invalidTime(*read.invalidStartime);
    Startime = platform::timeToDayFraction(c.Startime);
    // The last script and the play colours.
    LastFile = c.LastFile;
    FormColor = c.FormColor;
    DisPlaColor = c.DisPlaColor;
    // The second read of the count-down decides. Loop Mode goes to the menu item, then, after
    // "Stop @ End", to the check box, so that with both stored loop play wins.
    UseCountDown->setChecked(c.UseCountDownLate);
    usecolorbars->setChecked(c.UseColorBars);
    LoopMode1->setChecked(c.LoopMode);
    stopatend->setChecked(c.StopAtEnd);
    LoopCheckBox->setChecked(c.LoopMode);
    CtrMarkerCheckbox->setChecked(c.CenterMarker);
    Nopausecheckbox->setChecked(c.NoPause);
    StartfromCursor1->setChecked(c.StartfromCursor);
    WordWrap1->setChecked(c.WordWrap);
    Wantreturn->setChecked(c.WantReturns);
    // The "CBars" button is down exactly when "Use &Color Bars" is checked.
    ColorBarsButton->setChecked(usecolorbars->isChecked());
    // Mirror, bold, and the speed over what "Slower x10" computed.
    ReverseButton->setChecked(c.UseReverse);
    Bold2->setChecked(c.UseBold);
    Delay = c.Delay;
    DelayFactor = static_cast<qint8>(c.DelayFactor);
    // Which panels the menu marks as shown.
    DelayControl1->setChecked(c.DelayControl);
    PixelControl1->setChecked(c.PixelControl);
    ScreenOutputResolution1->setChecked(c.ScreenOutputResolution);
    Calibrate1->setChecked(c.Calibrate);
    TextEditPanel1->setChecked(c.TextEditPanel);
    AutoTimer1->setChecked(c.AutoTimer);
    SpeedBar1->setChecked(c.SpeedBar);

    applyConfiguration(*this, !read.windowBounds);
}

void TForm1::ReadTheIniFile(const QString &name) {
    // A missing or unreadable file reads as empty: every key takes its default.
    const platform::IniFile ini =
        platform::IniFile::load(platform::resolveConfigPath(name, configFolder(WindowsDir)));
    const app::ConfigurationRead read = app::readConfiguration(ini, platform::Screen::size());
    configurationToControls(read);
}

bool TForm1::WriteTheIniFile(const QString &name) {
    const QString path = platform::resolveConfigPath(name, configFolder(WindowsDir));
    platform::IniFile ini = platform::IniFile::load(path);
    app::writeConfiguration(ini, configurationFromControls());
    // The file is replaced whole or not at all: a refused write leaves it as it was.
    if (!ini.save(path)) {
        platform::MessageBoxes::error(app::unableToWrite(path));
        return false;
    }
    return true;
}

void TForm1::SaveDefaultConfiguration1Click() {
    WriteTheIniFile(QString::fromLatin1(platform::kDefaultConfigName));
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
