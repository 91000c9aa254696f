#pragma once

#include "media/MediaPlayer.h"
#include "platform/FileDialogs.h"
#include "platform/TextCodec.h"
#include "platform/TrackBar.h"
#include "play/PlayHost.h"
#include "play/PlayOptions.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace app {
struct Configuration;
struct ConfigurationRead;
} // namespace app
namespace platform {
class FindDialog;
}

class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QSlider;
class QTimer;
class QToolBar;
class QToolButton;
class RadioGroup;
class ScriptEditor;
class StatusBar;
struct StartTimeChoice;
struct FadeSetupResult;
struct OutputWindowResult;

// The main window: the operator's console and the owner of every setting.
//
// One class whose command groups live in several files, each in its subsystem's folder:
//   app/Mainform.cpp          life cycle (FormCreate, FormShow, FormActivate), fade defaults
//   app/MainformUi.cpp        building the menus, tool bar, panels and status bar
//   app/ConfigFile.cpp        configuration values to and from the controls, its commands
//   app/Exit.cpp              closing and the exit commands
//   app/Panels.cpp            track bars, play options, pixel and screen groups, layout, status
//   app/TimedWait.cpp         Startdelay
//   app/AutoStart.cpp         screen clock and auto start, and their dialogs
//   app/PrerollOptions.cpp    colour bars, count-down, chroma check, 10-second background
//   app/PlayCommand.cpp       the Play command and the PlayHost the play window asks
//   app/OptionDialogs.cpp     "Fade Titles ..." and the output window dialog
//   editor/ScriptFiles.cpp    New, Open, Save, Save As
//   editor/Centering.cpp      "Center Text" and the "Center" tool button
//   editor/EditCommands.cpp   the Edit menu: undo, clipboard, find and replace
//   editor/FontCommands.cpp   the Font menu: font chooser, colours, styles, check marks
//   app/ConfigureKeys.cpp     the key increments dialog
//   editor/ReadingTime.cpp    the reading-time estimate
//   media/MediaPlayers.cpp    the video and sound players, their arming and their dialogs
//   editor/Printing.cpp       Print and Print Setup
//   sysinfo/SysinfoCommands.cpp  "Under my Hood ...", About and Help
class TForm1 : public QMainWindow, public PlayHost {
    Q_OBJECT
    Q_PROPERTY(bool fadesetupcheckbox1 READ getfadesetupcheckbox1 WRITE setfadesetupcheckbox1)
    Q_PROPERTY(bool fadesetupcheckbox2 READ getfadesetupcheckbox2 WRITE setfadesetupcheckbox2)
    Q_PROPERTY(bool fadesetupcheckbox3 READ getfadesetupcheckbox3 WRITE setfadesetupcheckbox3)
    Q_PROPERTY(bool fadesetupcheckbox4 READ getfadesetupcheckbox4 WRITE setfadesetupcheckbox4)
    Q_PROPERTY(int s_left READ getleft WRITE setleft)
    Q_PROPERTY(int s_top READ gettop WRITE settop)
    Q_PROPERTY(int s_right READ getright WRITE setright)
    Q_PROPERTY(int s_bottom READ getbottom WRITE setbottom)

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // ---- Settings held as fields -------------------------------------------------------
    int S_Left = 0, S_Top = 0, S_Right = 0, S_Bottom = 0; // the output (play) rectangle
    bool FadeTitles = false;
    bool FadeTwoline = false;
    bool FadeTVTitle = false;
    bool FadeAnti = false;
    bool LowerThird = false;
    bool CenterFade = false;
    int FadeHoldTime = 0;
    int ArrowAmt = 0;
    int PgJumpAmt = 0;
    int ProcessType = 0;
    int DisPlaysize = 0;
    int Delay = 0;
    qint8 DelayFactor = 1;
    int CbarTime = 0;
    double Startime = 0.0; // time of day as a day fraction; 0 disables auto start
    int WordPerMinute = 0;
    bool Centering = false;
    QString LastFile;
    int FormColor = 0;
    int DisPlaColor = 0;
    int MainColor = 0;
    QString Ver = QStringLiteral("01.24A");
    QString WindowsDir;
    bool StartedWithFile = false;
    QString LastConfigFile;
    quint16 RetracePort = 0;
    int DelayLeft = 0;
    qint8 BarCount = 0;

    // Fields of the editor and the play.
    int CaretLine = 0;
    int LineCount = 0;
    int ScriptWordCount = 0;
    int FindNextLine = 0;
    bool Calibrating = false;
    bool LoopRunning = false;
    // The media players' arming: the sound (and the video with it) starts before the
    // pre-roll, the video starts with the text.
    bool WaveArmed = false;
    bool AviArmed = false;
    bool AviStartsWithText = false;
    QStringList CommandLine; // program arguments without the program name
    // The media players' files (Stuff/Aviname, Stuff/Wavname), carried from run to run.
    QString AviPlayerFileName;
    QString waveplayerFileName;

    // The script file dialogs. Their file names are remembered between uses: the save
    // dialog's is the current save name. The configuration commands borrow both.
    platform::FileDialogRequest OpenDialog1 = scriptOpenDialog();
    platform::FileDialogRequest SaveDialog1 = scriptSaveDialog();
    static platform::FileDialogRequest scriptOpenDialog();
    static platform::FileDialogRequest scriptSaveDialog();
    // The media players' open dialogs: a video, and a sound.
    platform::FileDialogRequest OpenDialog3 = videoOpenDialog();
    platform::FileDialogRequest OpenDialog2 = soundOpenDialog();
    static platform::FileDialogRequest videoOpenDialog();
    static platform::FileDialogRequest soundOpenDialog();
    // The encoding the script was read in; it is saved back in the same one.
    platform::TextEncoding ScriptEncoding = platform::TextEncoding::Utf8;

    bool getfadesetupcheckbox1() const { return FadeTitles; }
    void setfadesetupcheckbox1(bool v) { FadeTitles = v; }
    bool getfadesetupcheckbox2() const { return FadeTwoline; }
    void setfadesetupcheckbox2(bool v) { FadeTwoline = v; }
    bool getfadesetupcheckbox3() const { return FadeTVTitle; }
    void setfadesetupcheckbox3(bool v) { FadeTVTitle = v; }
    bool getfadesetupcheckbox4() const { return FadeAnti; }
    void setfadesetupcheckbox4(bool v) { FadeAnti = v; }
    int getleft() const { return S_Left; }
    void setleft(int v) { S_Left = v; }
    int gettop() const { return S_Top; }
    void settop(int v) { S_Top = v; }
    int getright() const { return S_Right; }
    void setright(int v) { S_Right = v; }
    int getbottom() const { return S_Bottom; }
    void setbottom(int v) { S_Bottom = v; }

    // ---- Controls ---------------------------------------------------------------------
    // Menu bar.
    QMenu *File1 = nullptr, *Edit1 = nullptr, *ModeConfigure1 = nullptr, *Font1 = nullptr,
          *MediaPlayers1 = nullptr, *Window1 = nullptr, *Help1 = nullptr;
    // File.
    QAction *New1 = nullptr, *Open1 = nullptr, *Save1 = nullptr, *SaveAs1 = nullptr,
            *SaveDefaultConfiguration1 = nullptr, *LoadConfiguration1 = nullptr,
            *SaveConfigurationAs1 = nullptr, *Print1 = nullptr, *PrintSetup1 = nullptr,
            *Exit1 = nullptr;
    // Edit.
    QAction *Undo1 = nullptr, *Cut1 = nullptr, *Copy1 = nullptr, *Paste1 = nullptr,
            *Find1 = nullptr, *replacetext = nullptr;
    // Mode Configure.
    QAction *VideoMode1 = nullptr, *Adjustoutputwindowsize1 = nullptr, *StartbyAutoTimer1 = nullptr,
            *SetAutoStartTime1 = nullptr, *ClockOn = nullptr, *SetColorBarTime1 = nullptr,
            *usecolorbars = nullptr, *UseCountDown = nullptr, *Use10secondbackground1 = nullptr,
            *ConfigureKeys1 = nullptr, *ReversMirrorText1 = nullptr, *LoopMode1 = nullptr,
            *NoPauseDuringLoop1 = nullptr, *SyncWRetrace1 = nullptr;
    // Font.
    QAction *TypeansSize1 = nullptr, *Color3 = nullptr, *BackgroundColor1 = nullptr,
            *Bold2 = nullptr, *Underline1 = nullptr, *Italic1 = nullptr, *CenterText1 = nullptr,
            *StartfromCursor1 = nullptr, *FadeTitles1 = nullptr, *TVTitle1 = nullptr,
            *WordWrap1 = nullptr, *Wantreturn = nullptr;
    // Play, media, window, help, exit.
    QAction *RunTelePrompter1 = nullptr;
    QAction *AVI1 = nullptr, *WAVE1 = nullptr, *cd1 = nullptr;
    QAction *ShowAll1 = nullptr, *HideAll1 = nullptr, *NewWindow1 = nullptr,
            *DelayControl1 = nullptr, *PixelControl1 = nullptr, *ScreenOutputResolution1 = nullptr,
            *Calibrate1 = nullptr, *SpeedBar1 = nullptr, *TextEditPanel1 = nullptr,
            *AutoTimer1 = nullptr, *PlayOptions1 = nullptr;
    QAction *MenuHelp1 = nullptr, *About2 = nullptr;
    QAction *Exit2 = nullptr;

    // Tool bar.
    QToolBar *ToolBar1 = nullptr;
    QToolButton *ToolButton1 = nullptr, *ToolButton2 = nullptr, *ToolButton3 = nullptr,
                *ToolButton5 = nullptr, *ToolButton6 = nullptr, *ToolButton7 = nullptr,
                *Playbutton = nullptr, *ToolButton11 = nullptr, *videomodebutton = nullptr,
                *ReverseButton = nullptr, *ColorBarsButton = nullptr, *CountDownButton = nullptr,
                *Chromacheck = nullptr;

    // Editor.
    ScriptEditor *Memo1 = nullptr;

    // Delay panel.
    QFrame *delaypanel = nullptr;
    QLabel *Label10 = nullptr, *Label5 = nullptr, *Label6 = nullptr, *Label2 = nullptr,
           *delayLabel = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QSlider *TrackBar1 = nullptr; // font size 2..200
    QSlider *TrackBar2 = nullptr; // delay 0..1500

    // Reading-time panel.
    QFrame *calibratPanel = nullptr;
    QPushButton *SpeedButton3 = nullptr;
    QLabel *Approx = nullptr, *StaticText4 = nullptr, *calibrate = nullptr;

    // Auto-timer panel with the summary texts.
    QFrame *Panel1 = nullptr;
    QLabel *StaticText1 = nullptr, *StaticText2 = nullptr, *FrontClockLabel = nullptr,
           *AutoStarttimelabel = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QLabel *StaticText3 = nullptr, *StaticText5 = nullptr, *StaticText6 = nullptr,
           *StaticText7 = nullptr, *StaticText8 = nullptr, *StaticText9 = nullptr,
           *StaticText10 = nullptr;

    // Play options.
    QGroupBox *GroupBox1 = nullptr;
    QCheckBox *CtrMarkerCheckbox = nullptr, *LoopCheckBox = nullptr, *Nopausecheckbox = nullptr,
              *stopatend = nullptr;

    RadioGroup *RadioGroup1 = nullptr; // Pixel Processing
    RadioGroup *RadioGroup2 = nullptr; // Screen Res

    // Media players: the video, whose picture shows in the play window, and the sound.
    MediaPlayer *AviPlayer = nullptr, *waveplayer = nullptr;
    QToolButton *SpeedButton2 = nullptr; // "Start w/Video"
    QToolButton *SpeedButton1 = nullptr; // "Close"

    StatusBar *StatusBar1 = nullptr;

    // One-second timers.
    QTimer *Timer1 = nullptr;    // screen clock and auto start
    QTimer *Timer2 = nullptr;    // the timed wait
    QTimer *holdtimer = nullptr; // colour-bar hold

    // ---- Life cycle -------------------------------------------------------------------
    // Runs the creation steps; false when the program is to end (screen too narrow).
    bool FormCreate();
    // Creation steps 2 to 11 (the settings' start-up values), also callable on their own.
    void initialiseSettings();
    void FormShow();
    void FormActivate();
    void setfadedefaults();
    bool backgroundcolorisBlack() override;

    // ---- Closing and exit ---------------------------------------------------------------
    bool FormCloseQuery();
    // Returns false when the program stays open.
    bool FormClose();
    void Exit1Click();
    // Returns false when the program stays open.
    bool Exit2Click();

    // ---- Panels, controls and layout ------------------------------------------------------
    void TrackBar1Change();
    void TrackBar2Change();
    void CheckBox1Click();
    void RadioGroup1Click();
    void RadioGroup2Click();
    void LoopCheckBoxClick();
    void LoopMode1Click();
    void stopatendClick();
    void NopausecheckboxClick();
    void NoPauseDuringLoop1Click();
    void VideoMode1Click();
    void videomodebuttonClick();
    void ReverseButtonClick();
    void ReversMirrorText1Click();
    void ShowAll1Click();
    void HideAll1Click();
    void MainFormResize();
    // Sizes the window to show the menu bar, the tool bar, the editor and every shown panel
    // wholly, within the screen's available area, or maximises it where that is too small.
    void fitToScreen();
    void ShowStats();
    int GetCurrentLineNumber();
    void Memo1Change();
    // Sets a track bar's position from the program: clamped, and no rule runs.
    static void setTrackBarPosition(QSlider *bar, int position) {
        platform::setTrackBarPosition(bar, position);
    }
    int editorFontSize() const;
    void setEditorFontSize(int points);

    // ---- Timed wait ---------------------------------------------------------------------
    void Startdelay(int seconds) override;
    void Timer2Timer();

    // ---- Script files (the script-files work fills these) --------------------------------
    void New1Click();
    void Open1Click();
    void Save1Click();
    // True when the text was written.
    bool SaveAs1Click();
    // False (nothing changed, error shown) when the file exists but cannot be read.
    bool openafile(const QString &path);
    bool Verify_Current_File();
    bool checkmemo();
    // Loads a script file into the editor as plain text; false (editor unchanged) on failure.
    bool loadEditorFromFile(const QString &path);

    // ---- Configuration file -------------------------------------------------------------
    void ReadTheIniFile(const QString &name);
    bool WriteTheIniFile(const QString &name);
    // The settings and control states as the configuration file holds them; the values that
    // are only written (program, date and time, tick count) are those of this moment.
    app::Configuration configurationFromControls() const;
    // Stores loaded values in the reading order, each at once (a check box runs its click
    // rule when its state changes), then applies them to the window; a file that holds no
    // window bounds has the window fitted to the screen. With an invalid start time, only
    // the values read before it are stored and the conversion error is thrown: later values
    // keep what they held and nothing is applied.
    void configurationToControls(const app::ConfigurationRead &read);
    void SaveDefaultConfiguration1Click();
    void LoadConfiguration1Click();
    void SaveConfigurationAs1Click();

    // ---- Clock and auto start -----------------------------------------------------------
    void Timer1Timer();
    int CalcBarTime();
    void ToggleScreenClockOnClick();
    void StartbyAutoTimer1Click();
    void SetAutoStartTime1Click();
    // Applies what the start time dialog handed back.
    void applyStartTimeChoice(const StartTimeChoice &choice);
    void SetColorBarTime1Click();
    // Where the clock's dialogs open: under the auto-timer panel.
    QPoint underAutoTimerPanel() const;

    // ---- Option dialogs: fading options and the output window -------------------------
    void FadeTitles1Click();
    void Adjustoutputwindowsize1Click();
    // Apply what the dialogs handed back.
    void applyFadeSetup(const FadeSetupResult &result);
    void applyOutputWindow(const OutputWindowResult &result);

    // ---- Pre-roll options ---------------------------------------------------------------
    void usecolorbarsClick();
    void ColorBarsButtonClick();
    void UseCountDown2Click();
    void CountDownButtonClick();
    void ChromacheckClick();
    void Use10secondbackground1Click();
    void holdtimerTimer();

    // ---- Editing commands ------------------------------------------------------------------
    // The modeless find and replace dialogs of the Edit menu.
    platform::FindDialog *FindDialog1 = nullptr;
    platform::FindDialog *ReplaceDialog1 = nullptr;
    void Undo1Click();
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void Find1Click();
    void FindDialog1Find();
    void FindDialog1Close();
    void replacetextClick();
    void ReplaceDialog1Replace();
    void TypeansSize1Click();
    void Color3Click();
    void BackgroundColor1Click();
    void Bold2Click();
    void Underline1Click();
    void Italic1Click();
    void CenterText1Click();
    void ToolButton7Click();
    void StartfromCursor1Click();
    void TVTitle1Click();
    void WordWrap1Click();
    void WantreturnClick();
    void SyncWRetrace1Click();
    void ConfigureKeys1Click();
    // The editor takes the stored check marks "Bold", "Word Wrap" and "No Returns (CR)".
    void applyEditorCheckMarks();

    // ---- Media players --------------------------------------------------------------------
    void AVI1Click();
    void waveplayerClick();
    void CD1Click();
    void setupavi(const QString &path);
    void setupwave(const QString &path);
    void SpeedButton2Click();
    void SpeedButton1Click();
    void StartMediaPlayer();
    void AviPlayerClick(MediaPlayer::Button button);
    // ---- Printing, system information, About and help ----------------------------------
    void Print1Click();
    void PrintSetup1Click();
    void NewWindow1Click();
    void About2Click();
    void MenuHelp1Click();

    // ---- Play ---------------------------------------------------------------------------
    void RunTelePrompter1Click();
    void PlaybuttonClick();
    void SpeedButton3Click();
    // The reading-time display, after a line measured at elapsedMs.
    void showEstimate(double elapsedMs);
    void chkcrt();
    // What a pass reads once: the settings and switches as they are now.
    PlayOptions playOptions() const;

    // ---- The play host: what the play window asks while a pass runs --------------------
    int delay() const override;
    void setDelay(int delay) override;
    int delayFactor() const override;
    void setSlowerX10(bool on) override;
    void handBackSpeed(int delayBarPosition) override;
    void holdColorBars(const std::function<bool()> &showing) override;
    int lineCount() const override;
    QString line(int index) const override;
    void calibrated(double elapsedMs) override;
    void startArmedMedia() override;
    void startVideoWithText() override;
    void setPlayColors(int textColor, int backColor) override;
    void applyEditorFontSize(int points) override;
    void playClosed() override;
    void runStartUpPlay() override;
    bool aviShowing() const override;
    void setTitlePosition(int left, int top) override;
    void startWaveWithTitles() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildPanels();
    void buildStatusBar();
    void buildMediaPlayers(QWidget *client);
    void connectControls();
    void applyPanelToggle(QAction *item, QWidget *control);
    void applyCenteringState();
    void setEditorColor(QPalette::ColorRole role, int colorValue);
    void applyEditorFace(const QString &face);
    void applyEditorSize(int points);

    bool m_inResize = false;
    // The second (since the epoch) in which auto start last ran the play.
    qint64 m_autoStartedSecond = -1;
};
