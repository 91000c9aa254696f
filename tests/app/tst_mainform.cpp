// The main window: start-up states, the controls' captions, the couplings between check
// boxes, menu items and tool buttons, the Screen Res group, the layout rule and the
// summary texts.
#include "TestSupport.h"

#include "app/Forms.h"
#include "app/Mainform.h"
#include "app/RadioGroup.h"
#include "app/StatusBar.h"
#include "editor/ScriptEditor.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/Screen.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

class TestMainform : public QObject, testsupport::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { openForm(); }
    void cleanup() { closeForm(); }

    void startupFields() {
        // No vertical blank can be waited on here: the item is off and no port is set.
        expectSettings({"Delay=0",         "DelayFactor=1",  "S_Left=0",
                        "S_Top=0",         "S_Right=1024",   "S_Bottom=768",
                        "CbarTime=15",     "FadeHoldTime=3", "DisPlaColor=16777215",
                        "FormColor=0",     "ArrowAmt=50",    "PgJumpAmt=100",
                        "ProcessType=0",   "Ver=01.24A",     "StartedWithFile=0",
                        "SyncWRetrace1=0", "RetracePort=0",  "FontName=Arial",
                        "TrackBar1=8",     "TrackBar2=1"});
        QCOMPARE(f->WindowsDir, sandbox->configDir());
        QVERIFY(!f->SyncWRetrace1->isEnabled() && !f->cd1->isVisible());
        QVERIFY(f->Panel1->isHidden() && f->ProgressBar1->isHidden());
        QCOMPARE(f->Label10->text(), QStringLiteral("Arial"));
        QCOMPARE(f->Memo1->font().pointSize(), 14);
        QVERIFY(f->Memo1->font().bold());
        QCOMPARE(f->TrackBar1->minimum(), 2);
        QCOMPARE(f->TrackBar1->maximum(), 200);
        QCOMPARE(f->TrackBar2->maximum(), 1500);
    }

    // The check marks at start-up.
    void menuChecks() {
        expectSettings({"VideoMode1=1", "DelayControl1=1", "PlayOptions1=1", "StartbyAutoTimer1=0",
                        "ClockOn=0", "usecolorbars=0", "UseCountDown=0", "Use10secondbackground1=0",
                        "ReversMirrorText1=0", "LoopMode1=0", "NoPauseDuringLoop1=0",
                        "SyncWRetrace1=0", "FadeTitles1=0", "WordWrap1=0", "Wantreturn=0",
                        "AutoTimer1=0"});
    }

    void menuBarOrder() {
        QStringList titles;
        for (QAction *a : f->menuBar()->actions())
            titles << a->text();
        QCOMPARE(titles, (QStringList{"&File", "&Edit", " &Mode Configure", "F&ont", "&Play",
                                      "Me&dia Players", "&Window", "&Help", "E&xit"}));
    }

    void toolButtons() {
        const QStringList captions = {"Clear",  "Open",  "Save",   "FColor", "BColor",
                                      "Center", "Play",  "Save C", "Vmode",  "Reverse",
                                      "CBars",  "CDown", "Ccheck"};
        QList<QToolButton *> buttons;
        for (QAction *a : f->ToolBar1->actions())
            if (auto *b = qobject_cast<QToolButton *>(f->ToolBar1->widgetForAction(a)))
                buttons << b;
        QCOMPARE(buttons.size(), 13);
        for (int i = 0; i < 13; ++i) {
            QCOMPARE(buttons[i]->text(), captions[i]);
            QVERIFY(!buttons[i]->toolTip().isEmpty());
            QVERIFY(!buttons[i]->icon().isNull());
            QCOMPARE(buttons[i]->size(), QSize(47, 36));
        }
        QVERIFY(f->videomodebutton->isChecked());
    }

    // Hovering a tool button shows its hint as a tool tip only: the five status panels stay.
    void statusPanelsStayOnHover() {
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        f->StatusBar1->setPanelText(4, QStringLiteral("news.txt"));
        for (QToolButton *b : f->ToolBar1->findChildren<QToolButton *>()) {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), b->mapToGlobal(QPointF(5, 5)));
            QApplication::sendEvent(b, &enter);
            QVERIFY2(f->StatusBar1->currentMessage().isEmpty(), qPrintable(b->objectName()));
        }
        for (int i = 0; i < StatusBar::kPanels; ++i)
            QVERIFY(f->StatusBar1->panel(i)->isVisible());
        QCOMPARE(f->StatusBar1->panelText(4), QStringLiteral("news.txt"));
    }

    // Track bars moved from the program run no rule; moved by the operator they do.
    void trackBarRules() {
        TForm1::setTrackBarPosition(f->TrackBar2, 30);
        QCOMPARE(f->Delay, 0);
        TForm1::setTrackBarPosition(f->TrackBar2, 5000);
        QCOMPARE(f->TrackBar2->value(), 1500);
        f->TrackBar2->triggerAction(QSlider::SliderSingleStepAdd);
        QCOMPARE(f->TrackBar2->value(), 1500);
        f->TrackBar2->triggerAction(QSlider::SliderPageStepSub);
        QCOMPARE(f->Delay, 1450);
        QCOMPARE(f->delayLabel->text(), QStringLiteral("1450"));

        f->TrackBar1->triggerAction(QSlider::SliderToMinimum);
        f->TrackBar1->setValue(30);
        QCOMPARE(f->Memo1->font().pointSize(), 30);
        QCOMPARE(f->Label6->text(), QStringLiteral("30"));
        QCOMPARE(f->Label10->text(), f->Memo1->font().family());
    }

    void slowerTimesTen() {
        f->TrackBar2->setValue(30);
        f->CheckBox1->setChecked(true); // set from the program: the click rule runs
        QCOMPARE(int(f->DelayFactor), 10);
        QCOMPARE(f->Delay, 300);
        QCOMPARE(f->delayLabel->text(), QStringLiteral("300"));
        QTest::mouseClick(f->CheckBox1, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(int(f->DelayFactor), 1);
        QCOMPARE(f->Delay, 30);
    }

    void formShowDelayBar_data() {
        QTest::addColumn<bool>("slower");
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("position");
        QTest::newRow("x10, 125") << true << 125 << 12;
        QTest::newRow("plain, 125") << false << 125 << 125;
        QTest::newRow("plain, beyond the bar") << false << 4000 << 1500;
    }
    void formShowDelayBar() {
        QFETCH(bool, slower);
        QFETCH(int, delay);
        QFETCH(int, position);
        {
            const QSignalBlocker block(f->CheckBox1);
            f->CheckBox1->setChecked(slower);
        }
        f->Delay = delay;
        f->FormShow();
        QCOMPARE(f->TrackBar2->value(), position);
        QCOMPARE(f->Delay, delay);
        QCOMPARE(f->delayLabel->text(), QString::number(delay));
    }

    void fadeTitlesFollowBackground() {
        f->FormColor = 0x00FF00;
        f->FormShow();
        QVERIFY(!f->FadeTitles1->isEnabled());
        f->FormColor = 0;
        QVERIFY(f->backgroundcolorisBlack());
        QVERIFY(f->FadeTitles1->isEnabled());
    }

    void setfadedefaults() {
        f->FadeTitles = true;
        f->setfadedefaults();
        QVERIFY(f->FadeTitles1->isChecked());
        QCOMPARE(f->Adjustoutputwindowsize1->text(),
                 QStringLiteral("Ad&just Fading text position..."));
        QVERIFY(!f->RadioGroup1->isEnabled() && !f->RadioGroup2->isEnabled() &&
                !f->calibratPanel->isEnabled() && !f->videomodebutton->isEnabled() &&
                !f->AVI1->isEnabled());
        f->FadeTitles = false;
        f->setfadedefaults();
        QVERIFY(!f->FadeTitles1->isChecked());
        QCOMPARE(f->Adjustoutputwindowsize1->text(),
                 QStringLiteral("Ad&just output window size..."));
        QVERIFY(f->RadioGroup1->isEnabled() && f->calibratPanel->isEnabled() &&
                f->AVI1->isEnabled());
    }

    void loopAndStopCouplings() {
        f->LoopCheckBox->setChecked(true);
        f->stopatend->setChecked(true);
        expectSettings({"LoopCheckBox=0", "LoopMode1=0"});
        f->LoopMode1->trigger(); // the menu item sets the check box, which clears Stop @ End
        expectSettings({"LoopMode1=1", "LoopCheckBox=1", "stopatend=0"});
    }

    void typingClearsLoopMode() {
        f->LoopCheckBox->setChecked(true);
        f->show();
        f->Memo1->setFocus();
        QTest::keyClicks(f->Memo1, QStringLiteral("hello"));
        QVERIFY(!f->LoopCheckBox->isChecked());
        QVERIFY(!f->LoopMode1->isChecked());
        QVERIFY(f->Memo1->isModified());
        QCOMPARE(f->StatusBar1->panelText(1), QStringLiteral("Lines: 1"));
    }

    // A check box or tool button and its menu item show one state, whichever is used; a
    // Window menu item shows or hides its panel.
    void pairedControls_data() {
        QTest::addColumn<QString>("used");
        QTest::addColumn<QString>("other");
        const auto row = [](const char *name, const char *used, const char *other) {
            QTest::newRow(name) << QString::fromLatin1(used) << QString::fromLatin1(other);
        };
        row("video mode button", "videomodebutton", "VideoMode1");
        row("video mode item", "VideoMode1", "videomodebutton");
        row("centring button", "ToolButton7", "CenterText1");
        row("centring item", "CenterText1", "ToolButton7");
        row("count down button", "CountDownButton", "UseCountDown");
        row("colour bars item", "usecolorbars", "ColorBarsButton");
        row("loop item", "LoopMode1", "LoopCheckBox");
        row("no pause item", "NoPauseDuringLoop1", "Nopausecheckbox");
        row("no pause box", "Nopausecheckbox", "NoPauseDuringLoop1");
        row("delay panel", "DelayControl1", "delaypanel");
        row("pixel panel", "PixelControl1", "RadioGroup1");
        row("screen panel", "ScreenOutputResolution1", "RadioGroup2");
        row("calibrate panel", "Calibrate1", "calibratPanel");
        row("speed bar", "SpeedBar1", "ToolBar1");
        row("editor", "TextEditPanel1", "Memo1");
        row("auto timer panel", "AutoTimer1", "Panel1");
        row("play options panel", "PlayOptions1", "GroupBox1");
    }
    void pairedControls() {
        QFETCH(QString, used);
        QFETCH(QString, other);
        // A panel follows as shown or hidden, a control as checked or not.
        const auto state = [this](const QString &name) {
            auto *w = f->findChild<QWidget *>(name);
            return w && !qobject_cast<QAbstractButton *>(w) ? !w->isHidden()
                                                            : testsupport::isChecked(f, name);
        };
        const bool before = state(used);
        QCOMPARE(state(other), before);
        testsupport::toggle(f, used);
        QCOMPARE(state(used), !before);
        QCOMPARE(state(other), !before);
        if (used == QLatin1String("ToolButton7") || used == QLatin1String("CenterText1")) {
            QCOMPARE(f->Centering, !before);
            QCOMPARE(f->Memo1->isCentered(), !before);
        }
        testsupport::toggle(f, used);
        QCOMPARE(state(other), before);
    }

    void reverseAndPixelGroup_data() {
        QTest::addColumn<int>("depth");
        QTest::addColumn<bool>("groupEnabledWhenDown");
        QTest::newRow("24-bit display") << 24 << false;
        QTest::newRow("32-bit display") << 32 << true;
        QTest::newRow("16-bit display") << 16 << true;
    }
    void reverseAndPixelGroup() {
        QFETCH(int, depth);
        QFETCH(bool, groupEnabledWhenDown);
        platform::Screen::setOverride(QSize(1024, 768), depth);
        f->ReverseButton->click();
        expectSettings({"ReverseButton=1", "ReversMirrorText1=1"});
        QCOMPARE(f->RadioGroup1->isEnabled(), groupEnabledWhenDown);
        f->ReverseButton->click();
        expectSettings({"ReversMirrorText1=0"});
        QVERIFY(f->RadioGroup1->isEnabled());
        // The menu item alone leaves the group alone.
        f->ReversMirrorText1->trigger();
        expectSettings({"ReverseButton=1"});
        QVERIFY(f->RadioGroup1->isEnabled());
    }

    void pixelProcessing() {
        f->RadioGroup1->button(6)->click();
        QCOMPARE(f->ProcessType, 6);
        f->RadioGroup1->setItemIndex(2);
        QCOMPARE(f->ProcessType, 2);
    }

    void screenRes_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("marker");
        QTest::addColumn<QRect>("expected"); // left, top, right, bottom as x1,y1,x2,y2 fields
        QTest::addColumn<QString>("panel3");
        QTest::addColumn<int>("editorWidth");
        auto r = [](int l, int t, int rr, int b) {
            return QRect(QPoint(l, t), QPoint(rr, b));
        };
        QTest::newRow("Sw x 180, marker")
            << 5 << true << r(15, 294, 1024, 474) << " 1009 x 180" << 504;
        QTest::newRow("640 x 480") << 1 << false << r(192, 144, 832, 624) << " 640 x 480" << 320;
        QTest::newRow("640 x 480, marker")
            << 1 << true << r(207, 144, 832, 624) << " 625 x 480" << 312;
        QTest::newRow("500 x 420") << 2 << false << r(262, 174, 762, 594) << " 500 x 420" << 250;
        QTest::newRow("400 x 320") << 3 << false << r(312, 224, 712, 544) << " 400 x 320" << 200;
        QTest::newRow("320 x 180, marker")
            << 4 << true << r(367, 294, 672, 474) << " 305 x 180" << 152;
        QTest::newRow("Full Screen, marker")
            << 0 << true << r(15, 0, 1024, 768) << " 1009 x 768" << 504;
    }
    void screenRes() {
        QFETCH(int, index);
        QFETCH(bool, marker);
        QFETCH(QRect, expected);
        QFETCH(QString, panel3);
        QFETCH(int, editorWidth);
        f->CtrMarkerCheckbox->setChecked(marker);
        f->RadioGroup2->setItemIndex(-1);
        f->RadioGroup2->button(index)->click();
        QCOMPARE(QRect(QPoint(f->S_Left, f->S_Top), QPoint(f->S_Right, f->S_Bottom)), expected);
        QCOMPARE(f->StatusBar1->panelText(3), panel3);
        QCOMPARE(f->Memo1->width(), editorWidth);
    }

    void screenResNoneSelectedKeepsRectangle() {
        f->S_Left = 11;
        f->S_Right = 99;
        f->RadioGroup2->setItemIndex(-1);
        f->RadioGroup2Click();
        expectSettings({"S_Left=11", "S_Right=99"});
        QCOMPARE(f->StatusBar1->panelText(3), QStringLiteral(" 88 x 768"));
    }

    void layoutRule() {
        f->show();
        f->RadioGroup2->button(1)->click(); // 640 x 480: editor 320 wide
        const int panelWidth = f->Panel1->width();
        QCOMPARE(f->Memo1->x(), 10);
        QCOMPARE(f->Panel1->x(), 340);
        QCOMPARE(f->delaypanel->x(), 340);
        QCOMPARE(f->calibratPanel->x(), 340);
        QCOMPARE(f->GroupBox1->x(), 340 + panelWidth + 10);
        QCOMPARE(f->RadioGroup2->x(), 340 + panelWidth + 10);
        QCOMPARE(f->Memo1->y(), f->ToolBar1->geometry().bottom() + 1 + 10);
        QCOMPARE(f->Memo1->geometry().bottom() + 1, f->centralWidget()->height() - 10);
        QCOMPARE(f->delaypanel->y(), 124);
        QCOMPARE(f->GroupBox1->y(), 40);

        // Hiding the editor alone leaves the panels until the next re-layout.
        f->TextEditPanel1->trigger();
        QVERIFY(f->Memo1->isHidden());
        QCOMPARE(f->Panel1->x(), 340);
        f->resize(f->width() + 20, f->height());
        QCOMPARE(f->Panel1->x(), 10);
        QCOMPARE(f->GroupBox1->x(), 20 + panelWidth);

        // Without the tool bar the editor starts at the top.
        f->TextEditPanel1->trigger();
        f->SpeedBar1->trigger();
        QVERIFY(f->ToolBar1->isHidden());
        QCOMPARE(f->Memo1->y(), 0);
    }

    void hideAllShowAll() {
        f->show();
        f->HideAll1Click();
        const QStringList items{
            "Calibrate1", "AutoTimer1",     "DelayControl1", "PixelControl1",
            "SpeedBar1",  "TextEditPanel1", "PlayOptions1",  "ScreenOutputResolution1"};
        expectSettings(QStringList(items).replaceInStrings(QRegularExpression("$"), "=0"));
        QVERIFY(f->Memo1->isHidden() && f->ToolBar1->isHidden() && f->GroupBox1->isHidden());
        QCOMPARE(f->Panel1->x(), 10);

        f->ShowAll1Click();
        expectSettings(QStringList(items).replaceInStrings(QRegularExpression("$"), "=1"));
        QVERIFY(!f->Memo1->isHidden() && !f->ToolBar1->isHidden() && !f->RadioGroup1->isHidden());
        QVERIFY(f->Panel1->isHidden()); // only with auto start armed
        f->HideAll1Click();
        f->StartbyAutoTimer1->setChecked(true);
        f->ShowAll1Click();
        QVERIFY(!f->Panel1->isHidden());
    }

    void showStats_data() {
        QTest::addColumn<bool>("fade");
        QTest::addColumn<bool>("anti");
        QTest::addColumn<bool>("two");
        QTest::addColumn<bool>("tv");
        QTest::newRow("none") << false << false << false << false;
        QTest::newRow("all") << true << true << true << true;
        QTest::newRow("fade and tv") << true << false << false << true;
    }
    void showStats() {
        QFETCH(bool, fade);
        QFETCH(bool, anti);
        QFETCH(bool, two);
        QFETCH(bool, tv);
        f->S_Left = 15;
        f->S_Top = 294;
        f->S_Right = 1024;
        f->S_Bottom = 474;
        f->FadeTitles = fade;
        f->FadeAnti = anti;
        f->FadeTwoline = two;
        f->FadeTVTitle = tv;
        f->setfadedefaults();
        f->ShowStats();
        QCOMPARE(f->StatusBar1->panelText(3),
                 fade ? QStringLiteral("Left 15 Top 294") : QStringLiteral(" 1009 x 180"));
        QCOMPARE(f->StaticText6->text(), QStringLiteral("Window 1009 x 180"));
        QCOMPARE(f->StaticText7->text(), QStringLiteral("Left  :15 Top :294"));
        QCOMPARE(f->StaticText3->text(), QStringLiteral("Right :1024 Bottom:474"));
        QCOMPARE(f->StaticText5->text(), fade ? QStringLiteral("Fading On") : QString());
        QCOMPARE(f->StaticText8->text(), anti ? QStringLiteral("Antialias On") : QString());
        QCOMPARE(f->StaticText9->text(), two ? QStringLiteral("Two line On") : QString());
        QCOMPARE(f->StaticText10->text(), tv ? QStringLiteral("TVTitle On") : QString());
    }

    void caretLineAndStatus() {
        f->show();
        QCOMPARE(f->GetCurrentLineNumber(), 0); // empty editor: nothing changes
        QCOMPARE(f->StatusBar1->panelText(0), QString());
        f->Memo1->setText(QStringLiteral("one\ntwo\nthree"));
        QTextCursor c = f->Memo1->textCursor();
        c.movePosition(QTextCursor::End);
        f->Memo1->setTextCursor(c);
        QCOMPARE(f->GetCurrentLineNumber(), 2);
        QCOMPARE(f->CaretLine, 2);
        QCOMPARE(f->StatusBar1->panelText(0), QStringLiteral("Line: 2"));
        QCOMPARE(f->StatusBar1->panelText(1), QStringLiteral("Lines: 3"));
    }

    void checkmemoAndVerify() {
        QVERIFY(!f->checkmemo());
        QVERIFY(!f->Verify_Current_File());
        const auto &shown = platform::MessageBoxes::shown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].text, QStringLiteral("Open a text file and try again"));
        QCOMPARE(shown[1].text, QStringLiteral("Nothing To Save"));
        f->Memo1->setText(QStringLiteral("a\nb\n"));
        QVERIFY(f->checkmemo());
        QCOMPARE(f->LineCount, 2);
    }
};

// Start-up through the real creation order, on screens of several widths.
class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void screenWidth_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("starts");
        QTest::newRow("639") << 639 << false;
        QTest::newRow("640") << 640 << true;
        QTest::newRow("600") << 600 << false;
        QTest::newRow("1024") << 1024 << true;
    }
    void screenWidth() {
        QFETCH(int, width);
        QFETCH(bool, starts);
        testsupport::Sandbox sandbox;
        platform::Screen::setOverride(QSize(width, 480), 32);
        QCOMPARE(testsupport::createWindows(), starts);
        QCOMPARE(platform::terminateRequested(), !starts);
        if (!starts) {
            QCOMPARE(platform::MessageBoxes::shown().size(), 1);
            QCOMPARE(
                platform::MessageBoxes::shown()[0].text,
                QStringLiteral("LectoScope-32 does support your current screen resolution : %1")
                    .arg(width));
            QVERIFY(!Form4);
        } else {
            QVERIFY(Form1 && fadingOptionsDialog && startTimeDialog && colorBarTimeDialog &&
                    fontChooser && Form4 && systemInfoDialog && keyStepsDialog && outputAreaDialog);
            QCOMPARE(Form1->windowTitle(), QStringLiteral("ZAL LectoScope-32 PRO 01.24A"));
        }
    }

    // A script named on the command line is loaded into the editor as a change of its text,
    // so that the menu bar's "E&xit" asks before it is lost; one opened as the configuration's
    // last file is not.
    void startScriptModified_data() {
        QTest::addColumn<bool>("commandLine");
        QTest::newRow("named on the command line") << true;
        QTest::newRow("the configuration's last file") << false;
    }
    void startScriptModified() {
        QFETCH(bool, commandLine);
        testsupport::Sandbox sandbox;
        const QString script = sandbox.writeFile(QStringLiteral("cli.txt"), "one line");
        QVERIFY(testsupport::writeBytes(sandbox.configDir() + QStringLiteral("/ZALSCROL.INI"),
                                        "[Options]\r\nNoPause=1\r\n[Stuff]\r\nDisPlaColor=255\r\n"
                                        "LastFile=" +
                                            script.toUtf8() + "\r\n"));
        QVERIFY(testsupport::createWindows(commandLine ? QStringList{script} : QStringList{}));
        QCOMPARE(Form1->Memo1->text(), QStringLiteral("one line"));
        QCOMPARE(Form1->Memo1->isModified(), commandLine);
        platform::MessageBoxes::queueAnswer(platform::Answer::Cancel);
        QCOMPARE(Form1->Exit2Click(), !commandLine);
    }

    void missingCommandLineFileIsIgnored() {
        testsupport::Sandbox sandbox;
        QVERIFY(testsupport::createWindows({sandbox.path("no-such-script.txt")}));
        QVERIFY(!Form1->StartedWithFile);
        QVERIFY(platform::MessageBoxes::shown().isEmpty());
    }
};

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    int status = 0;
    {
        TestMainform t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestStartup t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}

#include "tst_mainform.moc"
