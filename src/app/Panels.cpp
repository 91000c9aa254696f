// The main window's controls that set play parameters, their couplings, the Window menu,
// the layout rule and the status texts.
#include "app/Mainform.h"

#include "app/Forms.h"
#include "app/RadioGroup.h"
#include "app/StatusBar.h"
#include "dialogs/FontChooser.h"
#include "editor/MainLayout.h"
#include "editor/ScriptEditor.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "play/BlackScroll.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>

int TForm1::editorFontSize() const {
    return Memo1->font().pointSize();
}

void TForm1::setEditorFontSize(int points) {
    QFont f = Memo1->font();
    f.setPointSize(qMax(1, points));
    Memo1->setFont(f);
}

void TForm1::TrackBar1Change() {
    setEditorFontSize(TrackBar1->value());
    if (fontChooser)
        fontChooser->showSize(TrackBar1->value());
    if (Form4)
        Form4->setCanvasFontSize(2 * editorFontSize());
    Label10->setText(Memo1->font().family());
    Label6->setText(QString::number(editorFontSize()));
}

void TForm1::TrackBar2Change() {
    Delay = TrackBar2->value() * DelayFactor;
    delayLabel->setText(QString::number(Delay));
}

void TForm1::CheckBox1Click() {
    DelayFactor = CheckBox1->isChecked() ? 10 : 1;
    TrackBar2Change();
}

void TForm1::RadioGroup1Click() {
    if (RadioGroup1->itemIndex() >= 0)
        ProcessType = RadioGroup1->itemIndex();
}

void TForm1::RadioGroup2Click() {
    const QSize screen = platform::Screen::size();
    if (const auto r = mainlayout::screenResRect(RadioGroup2->itemIndex(), screen.width(),
                                                 screen.height(), CtrMarkerCheckbox->isChecked())) {
        S_Left = r->left;
        S_Top = r->top;
        S_Right = r->right;
        S_Bottom = r->bottom;
    }
    MainFormResize();
    ShowStats();
}

// "Loop Mode" and "&Loop Mode - Repeat" mirror each other; loop and "Stop @ End" exclude
// each other.
void TForm1::LoopCheckBoxClick() {
    LoopMode1->setChecked(LoopCheckBox->isChecked());
    if (LoopCheckBox->isChecked())
        stopatend->setChecked(false);
}

void TForm1::LoopMode1Click() {
    LoopMode1->setChecked(!LoopMode1->isChecked());
    LoopCheckBox->setChecked(LoopMode1->isChecked());
}

void TForm1::stopatendClick() {
    if (stopatend->isChecked())
        LoopCheckBox->setChecked(false);
}

void TForm1::NopausecheckboxClick() {
    NoPauseDuringLoop1->setChecked(Nopausecheckbox->isChecked());
}

void TForm1::NoPauseDuringLoop1Click() {
    NoPauseDuringLoop1->setChecked(!NoPauseDuringLoop1->isChecked());
    Nopausecheckbox->setChecked(NoPauseDuringLoop1->isChecked());
}

void TForm1::VideoMode1Click() {
    VideoMode1->setChecked(!VideoMode1->isChecked());
    videomodebutton->setChecked(VideoMode1->isChecked());
}

void TForm1::videomodebuttonClick() {
    VideoMode1Click();
}

void TForm1::ReverseButtonClick() {
    RadioGroup1->setEnabled(!(ReverseButton->isChecked() && platform::Screen::depth() == 24));
    ReversMirrorText1Click();
}

void TForm1::ReversMirrorText1Click() {
    ReversMirrorText1->setChecked(!ReversMirrorText1->isChecked());
    ReverseButton->setChecked(ReversMirrorText1->isChecked());
}

void TForm1::applyPanelToggle(QAction *item, QWidget *control) {
    control->setVisible(item->isChecked());
    if (item == SpeedBar1)
        MainFormResize();
}

void TForm1::ShowAll1Click() {
    Memo1->show();
    if (StartbyAutoTimer1->isChecked())
        Panel1->show();
    calibratPanel->show();
    for (QWidget *w : {static_cast<QWidget *>(delaypanel), static_cast<QWidget *>(GroupBox1),
                       static_cast<QWidget *>(RadioGroup1), static_cast<QWidget *>(RadioGroup2),
                       static_cast<QWidget *>(ToolBar1)})
        w->show();
    for (QAction *a : {Calibrate1, AutoTimer1, DelayControl1, PixelControl1,
                       ScreenOutputResolution1, SpeedBar1, TextEditPanel1, PlayOptions1})
        a->setChecked(true);
    MainFormResize();
}

void TForm1::HideAll1Click() {
    for (QWidget *w : {static_cast<QWidget *>(Memo1), static_cast<QWidget *>(Panel1),
                       static_cast<QWidget *>(delaypanel), static_cast<QWidget *>(RadioGroup1),
                       static_cast<QWidget *>(RadioGroup2), static_cast<QWidget *>(GroupBox1),
                       static_cast<QWidget *>(calibratPanel), static_cast<QWidget *>(ToolBar1)})
        w->hide();
    for (QAction *a : {Calibrate1, AutoTimer1, DelayControl1, PixelControl1,
                       ScreenOutputResolution1, SpeedBar1, TextEditPanel1, PlayOptions1})
        a->setChecked(false);
    MainFormResize();
}

void TForm1::MainFormResize() {
    if (m_inResize)
        return;
    m_inResize = true;
    QWidget *client = centralWidget();
    ToolBar1->setGeometry(0, 0, client->width(), ToolBar1->sizeHint().height());

    mainlayout::LayoutInput in;
    in.output = {S_Left, S_Top, S_Right, S_Bottom};
    // A control counts as shown unless it was hidden, whether or not the window is on screen.
    in.editorVisible = !Memo1->isHidden();
    in.toolBarVisible = !ToolBar1->isHidden();
    in.toolBarBottom = ToolBar1->geometry().bottom() + 1;
    in.panel1Width = Panel1->width();
    in.statusBarHeight = StatusBar1->isHidden() ? 0 : StatusBar1->height();
    in.clientHeight = client->height() + in.statusBarHeight;
    const mainlayout::LayoutResult r = mainlayout::computeLayout(in);

    for (QWidget *w : {static_cast<QWidget *>(Panel1), static_cast<QWidget *>(delaypanel),
                       static_cast<QWidget *>(calibratPanel), static_cast<QWidget *>(waveplayer),
                       static_cast<QWidget *>(AviPlayer)})
        w->move(r.middleX, w->y());
    // "Start w/Video" stands 2 pixels right of the player shown (the video's when both
    // are), and "Close" 2 pixels right of it.
    if (QWidget *player = !AviPlayer->isHidden()    ? static_cast<QWidget *>(AviPlayer)
                          : !waveplayer->isHidden() ? static_cast<QWidget *>(waveplayer)
                                                    : nullptr) {
        SpeedButton2->move(player->geometry().right() + 1 + 2, SpeedButton2->y());
        SpeedButton1->move(SpeedButton2->geometry().right() + 1 + 2, SpeedButton1->y());
    }
    for (QWidget *w : {static_cast<QWidget *>(GroupBox1), static_cast<QWidget *>(RadioGroup1),
                       static_cast<QWidget *>(RadioGroup2)})
        w->move(r.rightX, w->y());
    Memo1->setGeometry(r.editorLeft, r.editorTop, qMax(0, r.editorWidth), qMax(0, r.editorHeight));
    platform::pumpMessages();
    m_inResize = false;
}

void TForm1::fitToScreen() {
    mainlayout::FitInput in;
    in.layout.output = {S_Left, S_Top, S_Right, S_Bottom};
    in.layout.editorVisible = !Memo1->isHidden();
    in.layout.toolBarVisible = !ToolBar1->isHidden();
    in.layout.toolBarBottom = ToolBar1->sizeHint().height(); // the tool bar stands at the top
    in.layout.panel1Width = Panel1->width();
    for (QWidget *w : {static_cast<QWidget *>(Panel1), static_cast<QWidget *>(delaypanel),
                       static_cast<QWidget *>(calibratPanel), static_cast<QWidget *>(waveplayer),
                       static_cast<QWidget *>(AviPlayer), static_cast<QWidget *>(GroupBox1),
                       static_cast<QWidget *>(RadioGroup1), static_cast<QWidget *>(RadioGroup2)}) {
        if (!w->isHidden())
            in.panels.push_back(
                {w == GroupBox1 || w == RadioGroup1 || w == RadioGroup2, w->y(), w->size()});
    }
    in.toolBarWidth = in.layout.toolBarVisible ? ToolBar1->sizeHint().width() : 0;
    in.menuBarWidth = menuBar()->sizeHint().width();
    const QSize client = mainlayout::fittingClientSize(in);
    const int bars = menuBar()->sizeHint().height() +
                     (StatusBar1->isHidden() ? 0 : StatusBar1->sizeHint().height());
    const mainlayout::WindowPlacement placed = mainlayout::placeWindow(
        QSize(client.width(), client.height() + bars), platform::Screen::availableGeometry());
    if (!placed.maximised)
        setWindowState(windowState() & ~Qt::WindowMaximized);
    move(placed.geometry.topLeft());
    resize(placed.geometry.size());
    if (placed.maximised)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TForm1::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    MainFormResize();
}

void TForm1::ShowStats() {
    mainlayout::StatsInput in;
    in.output = {S_Left, S_Top, S_Right, S_Bottom};
    in.fadeTitlesChecked = FadeTitles1->isChecked();
    in.fadeTitles = FadeTitles;
    in.fadeAnti = FadeAnti;
    in.fadeTwoline = FadeTwoline;
    in.fadeTVTitle = FadeTVTitle;
    const mainlayout::StatsTexts t = mainlayout::computeStats(in);
    StatusBar1->setPanelText(3, t.panel3);
    StaticText6->setText(t.staticText6);
    StaticText5->setText(t.staticText5);
    StaticText8->setText(t.staticText8);
    StaticText9->setText(t.staticText9);
    StaticText10->setText(t.staticText10);
    StaticText7->setText(t.staticText7);
    StaticText3->setText(t.staticText3);
}

int TForm1::GetCurrentLineNumber() {
    if (Memo1->lineCount() == 0)
        return 0;
    const int n = Memo1->caretLine();
    StatusBar1->setPanelText(0, QStringLiteral("Line: %1").arg(n));
    StatusBar1->setPanelText(1, QStringLiteral("Lines: %1").arg(Memo1->lineCount()));
    CaretLine = n;
    return n;
}

void TForm1::Memo1Change() {
    Memo1->setModified(true);
    GetCurrentLineNumber();
    LoopCheckBox->setChecked(false);
}
