// The console's side of a play: the Play command, the options each pass reads, and the
// PlayHost the play window asks while a pass runs.
#include "app/Mainform.h"

#include "app/Forms.h"
#include "editor/ScriptEditor.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/Retrace.h"
#include "platform/Screen.h"
#include "platform/TrackBar.h"
#include "play/BlackScroll.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

PlayOptions TForm1::playOptions() const {
    PlayOptions o;
    o.left = S_Left;
    o.top = S_Top;
    o.bottom = S_Bottom;
    o.videoMode = VideoMode1->isChecked();
    // Window mode leaves room for the operator panel in this play only; the stored
    // rectangle keeps its right edge.
    o.right = o.videoMode ? S_Right : S_Right - 55;
    o.textColor = DisPlaColor;
    o.backColor = FormColor;
    o.editorFont = Memo1->font();
    o.processType = ProcessType;
    o.tvTitle = TVTitle1->isChecked();
    o.centreText = CenterText1->isChecked();
    o.mirror = ReverseButton->isChecked();
    o.calibrating = Calibrating;
    o.centering = ToolButton7->isChecked();
    o.colorBars = usecolorbars->isChecked();
    o.countDown = UseCountDown->isChecked();
    o.tenSecondBackground = Use10secondbackground1->isChecked();
    o.noPause = Nopausecheckbox->isChecked();
    o.centerMarker = CtrMarkerCheckbox->isChecked();
    o.stopAtEnd = stopatend->isChecked();
    o.startFromCursor = StartfromCursor1->isChecked();
    o.caretLine = CaretLine;
    // The retrace wait only where the display offers one (RetracePort set at start).
    o.syncRetrace = SyncWRetrace1->isChecked() && RetracePort != 0;
    o.fadeTitles = FadeTitles;
    o.fadeTwoline = FadeTwoline;
    o.fadeTVTitle = FadeTVTitle;
    o.fadeAnti = FadeAnti;
    o.lowerThird = LowerThird;
    o.centerFade = CenterFade;
    o.fadeHoldTime = FadeHoldTime;
    o.arrowAmt = ArrowAmt;
    o.pgJumpAmt = PgJumpAmt;
    o.delayBarPosition = TrackBar2->value();
    o.slowerX10 = CheckBox1->isChecked();
    return o;
}

void TForm1::RunTelePrompter1Click() {
    LoopRunning = false;
    if (!checkmemo())
        return;
    TForm4 *w = Form4;
    if (!w)
        return;
    // Room for the centre marker, kept in the settings.
    if (S_Left == 0 && CtrMarkerCheckbox->isChecked())
        S_Left = 15;
    w->setOptions(playOptions());
    w->startPlay();

    if (!LoopMode1->isChecked()) {
        w->runPass();
        return;
    }
    LoopRunning = true;
    for (bool first = true; LoopRunning; first = false) {
        // Each pass reads the settings as they are when it starts.
        if (!first)
            w->setOptions(playOptions());
        w->runPass();
        // An operator exit ends the whole repetition at once.
        if (!LoopRunning)
            break;
        if (StartfromCursor1->isChecked())
            continue;
        if (!QFileInfo(LastFile).isFile())
            continue; // the next pass plays the editor's text as it is
        // Reloading replaces the editor's text: text the operator has changed and not
        // saved is played as it stands instead of being thrown away.
        if (Memo1->isModified())
            continue;
        Memo1->clear();
        if (!loadEditorFromFile(LastFile)) {
            platform::MessageBoxes::information(QStringLiteral("Cant reload txt file: ") +
                                                LastFile);
            Memo1->clear();
            LoopRunning = false;
            break;
        }
        Memo1->setModified(false);
        if (!checkmemo()) {
            LoopRunning = false;
            break;
        }
    }
}

void TForm1::PlaybuttonClick() {
    RunTelePrompter1Click();
}

void TForm1::chkcrt() {
    // Only where the display offers a real vertical-blank wait (RetracePort set at start).
    if (RetracePort == 0)
        return;
    platform::Retrace::wait();
}

// ---- What the play window asks while a pass runs ----------------------------------------

int TForm1::delay() const {
    return Delay;
}

void TForm1::setDelay(int delay) {
    Delay = delay;
}

int TForm1::delayFactor() const {
    return DelayFactor;
}

void TForm1::setSlowerX10(bool on) {
    DelayFactor = on ? 10 : 1;
    // The box's own rule runs when its state changes.
    CheckBox1->setChecked(on);
}

void TForm1::handBackSpeed(int delayBarPosition) {
    platform::setTrackBarPosition(TrackBar2, delayBarPosition);
    delayLabel->setText(QString::number(Delay));
}

void TForm1::holdColorBars(const std::function<bool()> &showing) {
    if (CbarTime == 0)
        CbarTime = 15;
    // The seconds are counted in a signed byte: a hold longer than it can count ends when
    // the count runs over instead of never.
    BarCount = 0;
    holdtimer->setInterval(platform::secondMs());
    holdtimer->start();
    while (BarCount >= 0 && BarCount < CbarTime && showing())
        platform::waitForMessages();
    holdtimer->stop();
}

int TForm1::lineCount() const {
    return LineCount;
}

QString TForm1::line(int index) const {
    return Memo1->line(index);
}

void TForm1::calibrated(double elapsedMs) {
    showEstimate(elapsedMs);
    Calibrating = false;
}

void TForm1::startArmedMedia() {
    if (SpeedButton2->isChecked() && WaveArmed)
        StartMediaPlayer();
}

void TForm1::startVideoWithText() {
    // A video armed with a sound is already running: the second play lets it run on.
    if (!AviStartsWithText)
        return;
    AviPlayer->show();
    AviPlayer->Play();
}

void TForm1::setPlayColors(int textColor, int backColor) {
    DisPlaColor = textColor;
    FormColor = backColor;
}

void TForm1::applyEditorFontSize(int points) {
    setEditorFontSize(points);
    platform::setTrackBarPosition(TrackBar1, editorFontSize());
}

void TForm1::playClosed() {
    // The players showing stop and go back to their start; they stay open for the next play.
    for (MediaPlayer *player : {waveplayer, AviPlayer}) {
        if (player->isHidden())
            continue;
        player->Stop();
        player->Rewind();
    }
    holdtimer->stop();
    LoopRunning = false;
    show();
}

void TForm1::runStartUpPlay() {
    if (!StartedWithFile)
        return;
    StartedWithFile = false;
    RunTelePrompter1Click();
}

bool TForm1::aviShowing() const {
    return !AviPlayer->isHidden();
}

void TForm1::setTitlePosition(int left, int top) {
    S_Left = left;
    S_Top = top;
}

void TForm1::startWaveWithTitles() {
    if (!AviStartsWithText)
        return;
    waveplayer->show();
    waveplayer->Play();
}
