// The main window: start-up states, the controls' captions, the couplings between check
// boxes, menu items and tool buttons, the Screen Res group, the layout rule and the
// summary texts.
#include "TestSupport.h"

#include "app/MainWindow.h"
#include "app/ProgramWindows.h"
#include "editor/ScriptEditor.h"
#include "editor/ScriptFileCommands.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/RadioGroup.h"
#include "platform/Screen.h"
#include "platform/StatusBar.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
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
        expectSettings({"Delay=0",
                        "DelayFactor=1",
                        "S_Left=0",
                        "S_Top=0",
                        "S_Right=1024",
                        "S_Bottom=768",
                        "CbarTime=15",
                        "FadeHoldTime=3",
                        "DisPlaColor=16777215",
                        "FormColor=0",
                        "ArrowAmt=50",
                        "PgJumpAmt=100",
                        "ProcessType=0",
                        "Ver=01.24A",
                        "playAtStart=0",
                        "syncRetraceAction=0",
                        "retracePort=0",
                        "FontName=Arial",
                        "fontSizeBar=8",
                        "delayBar=1"});
        QCOMPARE(f->settings().configFolder, sandbox->configDir());
        QVERIFY(!f->ui().syncRetraceAction->isEnabled() && !f->ui().cdPlayerAction->isVisible());
        QVERIFY(f->ui().autoTimerPanel->isHidden() && f->ui().startProgress->isHidden());
        QCOMPARE(f->ui().fontFaceLabel->text(), QStringLiteral("Arial"));
        QCOMPARE(f->ui().editor->font().pointSize(), 14);
        QVERIFY(f->ui().editor->font().bold());
        QCOMPARE(f->ui().fontSizeBar->minimum(), 2);
        QCOMPARE(f->ui().fontSizeBar->maximum(), 200);
        QCOMPARE(f->ui().delayBar->maximum(), 1500);
    }

    // The check marks at start-up.
    void menuChecks() {
        expectSettings({"videoModeAction=1", "delayPanelAction=1", "playOptionsAction=1",
                        "autoStartAction=0", "clockAction=0", "colorBarsAction=0",
                        "countDownAction=0", "tenSecondBackgroundAction=0", "mirrorAction=0",
                        "loopAction=0", "noPauseAction=0", "syncRetraceAction=0",
                        "fadeTitlesAction=0", "wordWrapAction=0", "noReturnsAction=0",
                        "autoTimerAction=0"});
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
        for (QAction *a : f->ui().toolBar->actions())
            if (auto *b = qobject_cast<QToolButton *>(f->ui().toolBar->widgetForAction(a)))
                buttons << b;
        QCOMPARE(buttons.size(), 13);
        for (int i = 0; i < 13; ++i) {
            QCOMPARE(buttons[i]->text(), captions[i]);
            QVERIFY(!buttons[i]->toolTip().isEmpty());
            QVERIFY(!buttons[i]->icon().isNull());
            QCOMPARE(buttons[i]->size(), QSize(47, 36));
        }
        QVERIFY(f->ui().videoModeButton->isChecked());
    }

    // Hovering a tool button shows its hint as a tool tip only: the five status panels stay.
    void statusPanelsStayOnHover() {
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        f->ui().statusBar->setPanelText(4, QStringLiteral("news.txt"));
        for (QToolButton *b : f->ui().toolBar->findChildren<QToolButton *>()) {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), b->mapToGlobal(QPointF(5, 5)));
            QApplication::sendEvent(b, &enter);
            QVERIFY2(f->ui().statusBar->currentMessage().isEmpty(), qPrintable(b->objectName()));
        }
        for (int i = 0; i < StatusBar::kPanels; ++i)
            QVERIFY(f->ui().statusBar->panel(i)->isVisible());
        QCOMPARE(f->ui().statusBar->panelText(4), QStringLiteral("news.txt"));
    }

    // A panel keeps its designed width and grows when its text needs more.
    void statusPanelWidths_data() {
        QTest::addColumn<int>("panel");
        QTest::addColumn<QString>("text");
        QTest::newRow("Line: 0") << 0 << "Line: 0";
        QTest::newRow("Lines: 168375") << 1 << "Lines: 168375";
        QTest::newRow("Words: 12345678") << 2 << "Words: 12345678";
        QTest::newRow("a long file name") << 4 << "the evening news, second edition.txt";
    }
    void statusPanelWidths() {
        QFETCH(int, panel);
        QFETCH(QString, text);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QLabel *label = f->ui().statusBar->panel(panel);
        f->ui().statusBar->setPanelText(panel, text);
        const int designed = StatusBar::kWidths[panel];
        const int needed = label->fontMetrics().horizontalAdvance(text) + 2 * label->frameWidth();
        QTRY_VERIFY2(label->width() >= qMax(designed, needed),
                     qPrintable(QStringLiteral("%1 < %2").arg(label->width()).arg(needed)));
        if (needed + 10 < designed)
            QCOMPARE(label->width(), designed);
    }

    // Track bars moved from the program run no rule; moved by the operator they do.
    void trackBarRules() {
        MainWindow::setTrackBarPosition(f->ui().delayBar, 30);
        QCOMPARE(f->settings().delay, 0);
        MainWindow::setTrackBarPosition(f->ui().delayBar, 5000);
        QCOMPARE(f->ui().delayBar->value(), 1500);
        f->ui().delayBar->triggerAction(QSlider::SliderSingleStepAdd);
        QCOMPARE(f->ui().delayBar->value(), 1500);
        f->ui().delayBar->triggerAction(QSlider::SliderPageStepSub);
        QCOMPARE(f->settings().delay, 1450);
        QCOMPARE(f->ui().delayLabel->text(), QStringLiteral("1450"));

        f->ui().fontSizeBar->triggerAction(QSlider::SliderToMinimum);
        f->ui().fontSizeBar->setValue(30);
        QCOMPARE(f->ui().editor->font().pointSize(), 30);
        QCOMPARE(f->ui().fontSizeLabel->text(), QStringLiteral("30"));
        QCOMPARE(f->ui().fontFaceLabel->text(), f->ui().editor->font().family());
    }

    void slowerTimesTen() {
        f->ui().delayBar->setValue(30);
        f->ui().slowerBox->setChecked(true); // set from the program: the click rule runs
        QCOMPARE(int(f->settings().delayFactor), 10);
        QCOMPARE(f->settings().delay, 300);
        QCOMPARE(f->ui().delayLabel->text(), QStringLiteral("300"));
        QTest::mouseClick(f->ui().slowerBox, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(int(f->settings().delayFactor), 1);
        QCOMPARE(f->settings().delay, 30);
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
            const QSignalBlocker block(f->ui().slowerBox);
            f->ui().slowerBox->setChecked(slower);
        }
        f->settings().delay = delay;
        f->refreshOnShow();
        QCOMPARE(f->ui().delayBar->value(), position);
        QCOMPARE(f->settings().delay, delay);
        QCOMPARE(f->ui().delayLabel->text(), QString::number(delay));
    }

    void fadeTitlesFollowBackground() {
        f->settings().backgroundColor = 0x00FF00;
        f->refreshOnShow();
        QVERIFY(!f->ui().fadeTitlesAction->isEnabled());
        f->settings().backgroundColor = 0;
        QVERIFY(f->backgroundIsBlack());
        QVERIFY(f->ui().fadeTitlesAction->isEnabled());
    }

    void fadeMode() {
        f->settings().fadeTitles = true;
        f->applyFadeMode();
        QVERIFY(f->ui().fadeTitlesAction->isChecked());
        QCOMPARE(f->ui().outputAreaAction->text(),
                 QStringLiteral("Ad&just Fading text position..."));
        QVERIFY(!f->ui().pixelProcessingGroup->isEnabled() &&
                !f->ui().screenResGroup->isEnabled() && !f->ui().readingTimePanel->isEnabled() &&
                !f->ui().videoModeButton->isEnabled() && !f->ui().videoPlayerAction->isEnabled());
        f->settings().fadeTitles = false;
        f->applyFadeMode();
        QVERIFY(!f->ui().fadeTitlesAction->isChecked());
        QCOMPARE(f->ui().outputAreaAction->text(), QStringLiteral("Ad&just output window size..."));
        QVERIFY(f->ui().pixelProcessingGroup->isEnabled() &&
                f->ui().readingTimePanel->isEnabled() && f->ui().videoPlayerAction->isEnabled());
    }

    void loopAndStopCouplings() {
        f->ui().loopBox->setChecked(true);
        f->ui().stopAtEndBox->setChecked(true);
        expectSettings({"loopBox=0", "loopAction=0"});
        f->ui().loopAction->trigger(); // the menu item sets the check box, which clears Stop @ End
        expectSettings({"loopAction=1", "loopBox=1", "stopAtEndBox=0"});
    }

    void typingClearsLoopMode() {
        f->ui().loopBox->setChecked(true);
        f->show();
        f->ui().editor->setFocus();
        QTest::keyClicks(f->ui().editor, QStringLiteral("hello"));
        QVERIFY(!f->ui().loopBox->isChecked());
        QVERIFY(!f->ui().loopAction->isChecked());
        QVERIFY(f->ui().editor->isModified());
        QCOMPARE(f->ui().statusBar->panelText(1), QStringLiteral("Lines: 1"));
    }

    // A check box or tool button and its menu item show one state, whichever is used; a
    // Window menu item shows or hides its panel.
    void pairedControls_data() {
        QTest::addColumn<QString>("used");
        QTest::addColumn<QString>("other");
        const auto row = [](const char *name, const char *used, const char *other) {
            QTest::newRow(name) << QString::fromLatin1(used) << QString::fromLatin1(other);
        };
        row("video mode button", "videoModeButton", "videoModeAction");
        row("video mode item", "videoModeAction", "videoModeButton");
        row("centring button", "centerButton", "centerTextAction");
        row("centring item", "centerTextAction", "centerButton");
        row("count down button", "countDownButton", "countDownAction");
        row("colour bars item", "colorBarsAction", "colorBarsButton");
        row("loop item", "loopAction", "loopBox");
        row("no pause item", "noPauseAction", "noPauseBox");
        row("no pause box", "noPauseBox", "noPauseAction");
        row("delay panel", "delayPanelAction", "delayPanel");
        row("pixel panel", "pixelProcessingAction", "pixelProcessingGroup");
        row("screen panel", "screenResAction", "screenResGroup");
        row("calibrate panel", "readingTimeAction", "readingTimePanel");
        row("speed bar", "toolBarAction", "toolBar");
        row("editor", "editorAction", "editor");
        row("auto timer panel", "autoTimerAction", "autoTimerPanel");
        row("play options panel", "playOptionsAction", "playOptionsGroup");
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
        if (used == QLatin1String("centerButton") || used == QLatin1String("centerTextAction")) {
            QCOMPARE(f->settings().centering, !before);
            QCOMPARE(f->ui().editor->isCentered(), !before);
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
        f->ui().mirrorButton->click();
        expectSettings({"mirrorButton=1", "mirrorAction=1"});
        QCOMPARE(f->ui().pixelProcessingGroup->isEnabled(), groupEnabledWhenDown);
        f->ui().mirrorButton->click();
        expectSettings({"mirrorAction=0"});
        QVERIFY(f->ui().pixelProcessingGroup->isEnabled());
        // The menu item alone leaves the group alone.
        f->ui().mirrorAction->trigger();
        expectSettings({"mirrorButton=1"});
        QVERIFY(f->ui().pixelProcessingGroup->isEnabled());
    }

    void pixelProcessing() {
        f->ui().pixelProcessingGroup->button(6)->click();
        QCOMPARE(f->settings().pixelFormat, 6);
        f->ui().pixelProcessingGroup->setItemIndex(2);
        QCOMPARE(f->settings().pixelFormat, 2);
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
        f->ui().centerMarkerBox->setChecked(marker);
        f->ui().screenResGroup->setItemIndex(-1);
        f->ui().screenResGroup->button(index)->click();
        QCOMPARE(QRect(QPoint(f->settings().outputLeft, f->settings().outputTop),
                       QPoint(f->settings().outputRight, f->settings().outputBottom)),
                 expected);
        QCOMPARE(f->ui().statusBar->panelText(3), panel3);
        QCOMPARE(f->ui().editor->width(), editorWidth);
    }

    void screenResNoneSelectedKeepsRectangle() {
        f->settings().outputLeft = 11;
        f->settings().outputRight = 99;
        f->ui().screenResGroup->setItemIndex(-1);
        f->screenResChosen();
        expectSettings({"S_Left=11", "S_Right=99"});
        QCOMPARE(f->ui().statusBar->panelText(3), QStringLiteral(" 88 x 768"));
    }

    void layoutRule() {
        f->show();
        f->ui().screenResGroup->button(1)->click(); // 640 x 480: editor 320 wide
        const int panelWidth = f->ui().autoTimerPanel->width();
        QCOMPARE(f->ui().editor->x(), 10);
        QCOMPARE(f->ui().autoTimerPanel->x(), 340);
        QCOMPARE(f->ui().delayPanel->x(), 340);
        QCOMPARE(f->ui().readingTimePanel->x(), 340);
        QCOMPARE(f->ui().playOptionsGroup->x(), 340 + panelWidth + 10);
        QCOMPARE(f->ui().screenResGroup->x(), 340 + panelWidth + 10);
        QCOMPARE(f->ui().editor->y(), f->ui().toolBar->geometry().bottom() + 1 + 10);
        QCOMPARE(f->ui().editor->geometry().bottom() + 1, f->centralWidget()->height() - 10);
        QCOMPARE(f->ui().delayPanel->y(), 124);
        QCOMPARE(f->ui().playOptionsGroup->y(), 40);

        // Hiding the editor alone leaves the panels until the next re-layout.
        f->ui().editorAction->trigger();
        QVERIFY(f->ui().editor->isHidden());
        QCOMPARE(f->ui().autoTimerPanel->x(), 340);
        f->resize(f->width() + 20, f->height());
        QCOMPARE(f->ui().autoTimerPanel->x(), 10);
        QCOMPARE(f->ui().playOptionsGroup->x(), 20 + panelWidth);

        // Without the tool bar the editor starts at the top.
        f->ui().editorAction->trigger();
        f->ui().toolBarAction->trigger();
        QVERIFY(f->ui().toolBar->isHidden());
        QCOMPARE(f->ui().editor->y(), 0);
    }

    void hideAllShowAll() {
        f->show();
        f->hideAllPanels();
        const QStringList items{"readingTimeAction",     "autoTimerAction", "delayPanelAction",
                                "pixelProcessingAction", "toolBarAction",   "editorAction",
                                "playOptionsAction",     "screenResAction"};
        expectSettings(QStringList(items).replaceInStrings(QRegularExpression("$"), "=0"));
        QVERIFY(f->ui().editor->isHidden() && f->ui().toolBar->isHidden() &&
                f->ui().playOptionsGroup->isHidden());
        QCOMPARE(f->ui().autoTimerPanel->x(), 10);

        f->showAllPanels();
        expectSettings(QStringList(items).replaceInStrings(QRegularExpression("$"), "=1"));
        QVERIFY(!f->ui().editor->isHidden() && !f->ui().toolBar->isHidden() &&
                !f->ui().pixelProcessingGroup->isHidden());
        QVERIFY(f->ui().autoTimerPanel->isHidden()); // only with auto start armed
        f->hideAllPanels();
        f->ui().autoStartAction->setChecked(true);
        f->showAllPanels();
        QVERIFY(!f->ui().autoTimerPanel->isHidden());
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
        f->settings().outputLeft = 15;
        f->settings().outputTop = 294;
        f->settings().outputRight = 1024;
        f->settings().outputBottom = 474;
        f->settings().fadeTitles = fade;
        f->settings().fadeAntialias = anti;
        f->settings().fadeTwoLines = two;
        f->settings().fadeTvTitle = tv;
        f->applyFadeMode();
        f->showSummary();
        QCOMPARE(f->ui().statusBar->panelText(3),
                 fade ? QStringLiteral("Left 15 Top 294") : QStringLiteral(" 1009 x 180"));
        QCOMPARE(f->ui().windowSizeText->text(), QStringLiteral("Window 1009 x 180"));
        QCOMPARE(f->ui().leftTopText->text(), QStringLiteral("Left  :15 Top :294"));
        QCOMPARE(f->ui().rightBottomText->text(), QStringLiteral("Right :1024 Bottom:474"));
        QCOMPARE(f->ui().fadingText->text(), fade ? QStringLiteral("Fading On") : QString());
        QCOMPARE(f->ui().antialiasText->text(), anti ? QStringLiteral("Antialias On") : QString());
        QCOMPARE(f->ui().twoLinesText->text(), two ? QStringLiteral("Two line On") : QString());
        QCOMPARE(f->ui().tvTitleText->text(), tv ? QStringLiteral("TVTitle On") : QString());
    }

    void caretLineAndStatus() {
        f->show();
        QCOMPARE(f->scriptFiles().showCaretLine(), 0); // empty editor: nothing changes
        QCOMPARE(f->ui().statusBar->panelText(0), QString());
        f->ui().editor->setText(QStringLiteral("one\ntwo\nthree"));
        QTextCursor c = f->ui().editor->textCursor();
        c.movePosition(QTextCursor::End);
        f->ui().editor->setTextCursor(c);
        QCOMPARE(f->scriptFiles().showCaretLine(), 2);
        QCOMPARE(f->scriptFiles().caretLine(), 2);
        QCOMPARE(f->ui().statusBar->panelText(0), QStringLiteral("Line: 2"));
        QCOMPARE(f->ui().statusBar->panelText(1), QStringLiteral("Lines: 3"));
    }

    void checkmemoAndVerify() {
        QVERIFY(!f->scriptFiles().checkScript());
        QVERIFY(!f->scriptFiles().hasTextToSave());
        const auto &shown = platform::MessageBoxes::shown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].text, QStringLiteral("Open a text file and try again"));
        QCOMPARE(shown[1].text, QStringLiteral("Nothing To Save"));
        f->ui().editor->setText(QStringLiteral("a\nb\n"));
        QVERIFY(f->scriptFiles().checkScript());
        QCOMPARE(f->scriptFiles().lineCount(), 2);
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
            QVERIFY(!playWindow);
        } else {
            QVERIFY(mainWindow && fadingOptionsDialog && startTimeDialog && colorBarTimeDialog &&
                    fontChooser && playWindow && systemInfoDialog && keyStepsDialog &&
                    outputAreaDialog);
            QCOMPARE(mainWindow->windowTitle(), QStringLiteral("ZAL LectoScope-32 PRO 01.24A"));
        }
    }

    // A script named on the command line is opened as Open opens one: it is shown, counted,
    // named in the status bar and the configuration, saved over itself (not over the
    // configuration's last file), and the exit asks only after an edit.
    void startScriptOpened_data() {
        QTest::addColumn<bool>("commandLine");
        QTest::newRow("named on the command line") << true;
        QTest::newRow("the configuration's last file") << false;
    }
    void startScriptOpened() {
        QFETCH(bool, commandLine);
        testsupport::Sandbox sandbox;
        const QString remembered = sandbox.writeFile(QStringLiteral("a.txt"), "one two three");
        const QString named = sandbox.writeFile(QStringLiteral("b.txt"), "four five\r\nsix seven");
        const QString ini = sandbox.configDir() + QStringLiteral("/ZALSCROL.INI");
        QVERIFY(testsupport::writeBytes(ini, "[Options]\r\nNoPause=1\r\n[Stuff]\r\n"
                                             "DisPlaColor=255\r\nLastFile=" +
                                                 remembered.toUtf8() + "\r\n"));
        QVERIFY(testsupport::createWindows(commandLine ? QStringList{named} : QStringList{}));
        const QString shown = commandLine ? named : remembered;
        const QString other = commandLine ? remembered : named;
        const QByteArray otherBytes = testsupport::readFile(other);
        const MainWindow *w = mainWindow;
        QCOMPARE(w->ui().editor->text().toUtf8(), testsupport::readFile(shown));
        QVERIFY(!w->ui().editor->isModified());
        QCOMPARE(w->settings().scriptPath, shown);
        QCOMPARE(w->ui().statusBar->panelText(1), commandLine ? "Lines: 2" : "Lines: 1");
        QCOMPARE(w->ui().statusBar->panelText(2), commandLine ? "Words: 4" : "Words: 3");
        QCOMPARE(w->ui().statusBar->panelText(4), QFileInfo(shown).fileName());
        QVERIFY(testsupport::readFile(ini).contains("LastFile=" + shown.toUtf8()));
        QVERIFY(mainWindow->exitAfterSaveQuestion());
        QVERIFY(platform::MessageBoxes::shown().isEmpty());

        w->ui().editor->setText(QStringLiteral("edited words"));
        w->ui().saveAction->trigger();
        QCOMPARE(testsupport::readFile(shown), QByteArray("edited words"));
        QCOMPARE(testsupport::readFile(other), otherBytes);
    }

    void missingCommandLineFileIsIgnored() {
        testsupport::Sandbox sandbox;
        QVERIFY(testsupport::createWindows({sandbox.path("no-such-script.txt")}));
        QVERIFY(!mainWindow->settings().playAtStart);
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
