// The main window's life cycle: creation steps, show, activation, and the fade defaults.
#include "app/Mainform.h"

#include "app/DefaultConfiguration.h"
#include "app/Errors.h"
#include "app/Forms.h"
#include "app/RadioGroup.h"
#include "app/StatusBar.h"
#include "editor/ScriptEditor.h"
#include "platform/IniFile.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/Retrace.h"
#include "platform/Screen.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QShowEvent>
#include <QSlider>
#include <QToolButton>

bool TForm1::FormCreate() {
    // The screen must be at least 640 pixels wide.
    const int sw = platform::Screen::width();
    if (sw < 640) {
        platform::MessageBoxes::information(
            QStringLiteral("LectoScope-32 does support your current screen resolution : %1")
                .arg(sw));
        platform::terminateProgram(0);
        return false;
    }
    initialiseSettings();
    // The default configuration; a first start gets the shipped one. A conversion error
    // ends the creation steps here.
    platform::pumpMessages();
    app::installDefaultConfiguration(WindowsDir);
    try {
        ReadTheIniFile(QString::fromLatin1(platform::kDefaultConfigName));
    } catch (const ConversionError &e) {
        platform::MessageBoxes::error(e.message());
        return true;
    }
    // The command-line script replaces whatever the configuration opened.
    if (StartedWithFile) {
        const QString arg = CommandLine.first();
        Memo1->clear();
        if (loadEditorFromFile(arg)) {
            // Loaded as plain text, not opened: a change of the editor text like any other,
            // so the menu bar's "E&xit" asks before it is lost.
            Memo1->setModified(true);
            LastFile = arg;
        } else {
            StartedWithFile = false;
            Memo1->clear();
            LastFile.clear();
            platform::MessageBoxes::information(QStringLiteral("Could not open ") + arg);
        }
    }
    // The status bar names the current script.
    StatusBar1->setPanelText(4, QFileInfo(LastFile).fileName());
    return true;
}

// The start-up values of the settings, before the configuration file is read.
void TForm1::initialiseSettings() {
    const int sw = platform::Screen::width();
    // A script named on the command line is played at once.
    StartedWithFile = false;
    FindNextLine = 0;
    if (!CommandLine.isEmpty() && QFileInfo(CommandLine.first()).isFile()) {
        StartedWithFile = true;
        LastFile = CommandLine.first();
    }
    // The speed factor, and the folder of the configuration file.
    DelayFactor = 1;
    WindowsDir = platform::windowsDirectory().trimmed();
    // Waiting for the vertical retrace is offered only where the display has a real
    // vertical-blank wait (and never on a platform that calls itself "Windows NT").
    const bool retrace =
        platform::platformName() != QLatin1String("Windows NT") && platform::Retrace::available();
    SyncWRetrace1->setEnabled(retrace);
    RetracePort = retrace ? 0x3DA : 0;
    // No CD player; the version goes into the caption.
    cd1->setVisible(false);
    Ver = QStringLiteral("01.24A");
    setWindowTitle(QString::fromLatin1(app::kApplicationTitle) + QStringLiteral(" PRO ") + Ver);
    // Speed, output rectangle, colour-bar time and media flags start afresh.
    Delay = 0;
    S_Left = 0;
    S_Top = 0;
    S_Right = sw;
    S_Bottom = platform::Screen::height();
    DelayLeft = 0;
    CbarTime = 15;
    Label10->setText(Memo1->font().family());
    WaveArmed = false;
    AviStartsWithText = false;
    // Fade hold time; the auto-timer panel and its parts stay hidden until armed.
    FadeHoldTime = 3;
    Panel1->hide();
    AutoStarttimelabel->hide();
    ProgressBar1->hide();
    StaticText1->hide();
    StaticText2->hide();
    // Colours, key steps, fade placement and the pixel format.
    DisPlaColor = 0xFFFFFF;
    ArrowAmt = 50;
    PgJumpAmt = 100;
    LowerThird = false;
    CenterFade = false;
    ProcessType = 0;
}

void TForm1::FormShow() {
    FadeTitles1->setEnabled(backgroundcolorisBlack());
    Label6->setText(QString::number(editorFontSize()));
    delayLabel->setText(QString::number(Delay));
    setTrackBarPosition(TrackBar2, CheckBox1->isChecked() ? Delay / 10 : Delay);
    ShowStats();
}

void TForm1::FormActivate() {
    if (!StartfromCursor1->isChecked())
        return;
    Memo1->scrollLines(CaretLine);
    Memo1->scrollCaret();
    platform::pumpMessages();
}

bool TForm1::backgroundcolorisBlack() {
    const bool black = FormColor == 0;
    FadeTitles1->setEnabled(black);
    return black;
}

void TForm1::setfadedefaults() {
    const bool fading = FadeTitles;
    FadeTitles1->setChecked(fading);
    Adjustoutputwindowsize1->setText(fading ? QStringLiteral("Ad&just Fading text position...")
                                            : QStringLiteral("Ad&just output window size..."));
    calibratPanel->setEnabled(!fading);
    RadioGroup1->setEnabled(!fading);
    videomodebutton->setEnabled(!fading);
    RadioGroup2->setEnabled(!fading);
    AVI1->setEnabled(!fading);
}

void TForm1::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm1::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}
