// The operator's controls during play: the keys and their limits, pause, the mouse
// buttons with the reverse scroll and the resume, restart, and the window-mode panel.
#include "PlayTestSupport.h"

#include "app/PlayCommands.h"
#include "editor/ScriptFileCommands.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

using namespace playtest;

namespace {

// Acts once when the play window is paused: the operator at the keyboard.
class PauseRobot {
public:
    explicit PauseRobot(std::function<void()> act) : m_act(std::move(act)) {
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (playWindow->state().paused && !m_done) {
                m_done = true;
                m_act();
            }
        });
        m_timer.start();
    }
    bool acted() const { return m_done; }

private:
    std::function<void()> m_act;
    QTimer m_timer;
    bool m_done = false;
};

// The rightmost column holding a text pixel in rows [top, top + count) of the picture, or
// -1 when the rows are empty.
int rightmostInk(const QImage &img, int top, int count) {
    return inkRect(img.copy(0, top, img.width(), count)).right();
}

} // namespace

class TestOperatorControls : public QObject {
    Q_OBJECT
    std::unique_ptr<PlayFixture> fx;

    void playOneLine() {
        fx->setScript(QStringLiteral("ready"));
        mainWindow->playCommands().play();
    }

private slots:
    void init() { fx = std::make_unique<PlayFixture>(); }
    void cleanup() { fx.reset(); }

    // The keys change Delay only, never to 0 or below, and not on once 6000 is reached; the
    // console's delay bar follows when the play ends.
    void keyLimits_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("afterOne");
        QTest::addColumn<int>("afterTwo");
        QTest::newRow("up from 60") << 60 << int(Qt::Key_Up) << 10 << 10;
        QTest::newRow("page down from 5999") << 5999 << int(Qt::Key_PageDown) << 6099 << 6099;
        QTest::newRow("page up from 150") << 150 << int(Qt::Key_PageUp) << 50 << 50;
        QTest::newRow("down from 5990") << 5990 << int(Qt::Key_Down) << 6040 << 6040;
        QTest::newRow("page up at the step") << 100 << int(Qt::Key_PageUp) << 100 << 100;
        QTest::newRow("other key") << 300 << int(Qt::Key_A) << 300 << 300;
    }
    void keyLimits() {
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, afterOne);
        QFETCH(int, afterTwo);
        playOneLine();
        const int bar = playWindow->ui().delayBar->value();
        mainWindow->settings().delay = start;
        QTest::keyClick(playWindow, Qt::Key(key));
        QCOMPARE(mainWindow->settings().delay, afterOne);
        QTest::keyClick(playWindow, Qt::Key(key));
        QCOMPARE(mainWindow->settings().delay, afterTwo);
        QCOMPARE(playWindow->ui().delayBar->value(), bar);
        QVERIFY(playWindow->isVisible());
        // Leaving the play puts the console's bar at Delay (held within its range) without
        // running its change handler: Delay stays as the keys left it.
        QTest::keyClick(playWindow, Qt::Key_Escape);
        QVERIFY(!playWindow->isVisible());
        QCOMPARE(mainWindow->settings().delay, afterTwo);
        QCOMPARE(mainWindow->ui().delayBar->value(), qMin(afterTwo, 1500));
        QCOMPARE(mainWindow->ui().delayLabel->text(), QString::number(afterTwo));
    }

    // Space pauses between lines; a second Space goes on.
    void spacePausesBetweenLines() {
        fx->setScript(QStringLiteral("one\r\ntwo\r\nthree"));
        fx->retrace.onWait = [](int n) {
            if (n == 1)
                postKey(Qt::Key_Space);
        };
        int rowsAtPause = -1;
        PauseRobot robot([&] {
            rowsAtPause = fx->retrace.waits;
            postKey(Qt::Key_Space);
        });
        mainWindow->playCommands().play();
        QVERIFY(robot.acted());
        QCOMPARE(rowsAtPause, playWindow->stripHeight());
        QCOMPARE(fx->retrace.waits, 3 * playWindow->stripHeight());
        QVERIFY(!playWindow->state().paused);
    }

    // "Stop @ End" pauses after the last line; leaving the play ends that pause too.
    void stopAtEndPauseEndsOnExit() {
        mainWindow->ui().stopAtEndBox->setChecked(true);
        PauseRobot robot([] { postKey(Qt::Key_Escape); });
        playOneLine();
        QVERIFY(robot.acted() && !playWindow->state().paused && !playWindow->isVisible());
    }

    // The right button brings lines back at the top, never past the caret line, then
    // pauses; Space goes on from the current line, a left click starts after the back line.
    void reverseScroll_data() {
        QTest::addColumn<bool>("leftClick");
        QTest::addColumn<int>("linesAfter");
        QTest::newRow("space continues from the current line") << false << 4;
        QTest::newRow("left click starts after the back line") << true << 3;
    }
    void reverseScroll() {
        QFETCH(bool, leftClick);
        QFETCH(int, linesAfter);
        fx->setScript(QStringLiteral("MMMMMMMMMMMMMMMMMMMMMMMMMMMMMM\r\ni\r\niiii\r\niiiiiiii"));
        mainWindow->scriptFiles().setCaretLine(1);
        fx->retrace.onWait = [](int n) {
            if (n == 2 * playWindow->stripHeight() + 1) // line 2 is scrolling
                postMouse(QEvent::MouseButtonPress, Qt::RightButton);
        };
        QImage atPause;
        int backLine = -1, currentLine = -1;
        PauseRobot robot([&] {
            atPause = playWindow->surface().image();
            backLine = playWindow->state().backLine;
            currentLine = playWindow->state().currentLine;
            if (leftClick)
                postMouse(QEvent::MouseButtonPress, Qt::LeftButton);
            else
                postKey(Qt::Key_Space);
        });
        mainWindow->playCommands().play();
        QVERIFY(robot.acted());
        const int h = playWindow->stripHeight();
        // Lines 3, 2 and 1 came back; line 0 (the caret is on 1) did not.
        QCOMPARE(backLine, 0);
        QCOMPARE(currentLine, 0);
        const int top = playWindow->options().top;
        const int first = rightmostInk(atPause, top, h + 2);
        const int second = rightmostInk(atPause, top + h + 2, h);
        const int third = rightmostInk(atPause, top + 2 * h + 2, h);
        QVERIFY(first >= 0);
        QVERIFY(first < second);
        QVERIFY(second < third);
        QVERIFY(rightmostInk(atPause, top, 3 * h + 2) < 200); // no trace of the wide line 0
        QCOMPARE(fx->retrace.waits, (3 + linesAfter) * h);
        QVERIFY(!playWindow->state().scrolling);
    }

    void buttonsThatDoNothing_data() {
        QTest::addColumn<int>("button");
        QTest::newRow("right before a line started") << int(Qt::RightButton);
        QTest::newRow("middle") << int(Qt::MiddleButton);
    }
    void buttonsThatDoNothing() {
        QFETCH(int, button);
        playOneLine();
        playWindow->state().scrolling = true;
        playWindow->state().lineActive = false;
        playWindow->mouseButtonDown(Qt::MouseButton(button));
        playWindow->mouseButtonUp(Qt::MouseButton(button));
        QVERIFY(!playWindow->state().reversed);
        QVERIFY(!playWindow->state().paused);
        QVERIFY(playWindow->isVisible() && playWindow->isEnabled());
    }

    // A left click leaves the play; on the panel it does not.
    void leftClickLeaves() {
        mainWindow->ui().videoModeAction->setChecked(false);
        playOneLine();
        QTest::mouseClick(playWindow->ui().operatorPanel, Qt::LeftButton, {}, QPoint(25, 300));
        QTest::mouseClick(playWindow->ui().delayCaption, Qt::LeftButton);
        QVERIFY(playWindow->isVisible());
        QTest::mouseClick(playWindow, Qt::LeftButton, {}, QPoint(300, 300));
        QVERIFY(!playWindow->isVisible() && !playWindow->isEnabled() && mainWindow->isVisible());
    }

    // During fade titles Esc and the first left click only ask the fade pass to end.
    void exitsDuringFade_data() {
        QTest::addColumn<bool>("useEsc");
        QTest::newRow("Esc") << true;
        QTest::newRow("left button") << false;
    }
    void exitsDuringFade() {
        QFETCH(bool, useEsc);
        playOneLine();
        playWindow->state().fadeRunning = true;
        if (useEsc)
            playWindow->operatorKey(27);
        else
            playWindow->mouseButtonDown(Qt::LeftButton);
        QVERIFY(playWindow->state().stopRequested);
        QVERIFY(playWindow->isVisible());
        if (useEsc)
            return;
        playWindow->mouseButtonDown(Qt::LeftButton); // a second click closes at once
        QVERIFY(!playWindow->isVisible());
        QVERIFY(!playWindow->state().stopRequested);
        QVERIFY(!playWindow->state().fadeRunning);
    }

    // Restart runs a pass nested in the running one; the outer pass then finds the script
    // played and ends.
    void restartNestsAPass() {
        fx->setScript(QStringLiteral("one\r\ntwo\r\nthree"));
        fx->retrace.onWait = [](int n) {
            if (n == 1)
                QTimer::singleShot(0, playWindow, &PlayWindow::restartButtonClicked);
        };
        mainWindow->playCommands().play();
        QCOMPARE(fx->retrace.waits, 4 * playWindow->stripHeight());
        QCOMPARE(playWindow->state().currentLine, 3);
    }

    // The show step copies the main window's speed (with "Slower x10" stored with it), its
    // steps and x10 into the panel, its bar held within 8..1500; the operator's changes go
    // back to the main window, and the close step hands the bar back.
    void panelSpeed_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("panelBar");
        QTest::newRow("1 x 10 held at 8") << 1 << 8;
        QTest::newRow("125 x 10 kept") << 125 << 125;
    }
    void panelSpeed() {
        QFETCH(int, position);
        QFETCH(int, panelBar);
        mainWindow->settings().arrowStep = 30;
        mainWindow->settings().pageStep = 70;
        MainWindow::setTrackBarPosition(mainWindow->ui().delayBar, position);
        mainWindow->ui().slowerBox->setChecked(true);
        QCOMPARE(mainWindow->settings().delay, 10 * position);
        playOneLine();
        QCOMPARE(int(mainWindow->settings().delayFactor), 10);
        QCOMPARE(mainWindow->settings().delay, 10 * panelBar);
        QVERIFY(playWindow->ui().slowerBox->isChecked());
        QCOMPARE(playWindow->ui().delayBar->value(), panelBar);
        QCOMPARE(playWindow->ui().delayBar->singleStep(), 30);
        QCOMPARE(playWindow->ui().delayBar->pageStep(), 70);
        playWindow->ui().delayBar->setValue(40); // the operator moves it
        QCOMPARE(mainWindow->settings().delay, 400);
        QCOMPARE(playWindow->ui().delayLabel->text(), QStringLiteral("400"));
        playWindow->ui().slowerBox->click(); // x10 off
        QCOMPARE(int(mainWindow->settings().delayFactor), 1);
        QCOMPARE(mainWindow->settings().delay, 40);
        QVERIFY(!mainWindow->ui().slowerBox->isChecked());
        playWindow->ui().exitButton->click(); // "E&xit"
        QVERIFY(!playWindow->isVisible());
        QCOMPARE(mainWindow->ui().delayBar->value(), 40);
        QCOMPARE(mainWindow->ui().delayLabel->text(), QStringLiteral("40"));
        QVERIFY(!mainWindow->ui().slowerBox->isChecked());
    }

    // The font-size bar sets the editor's size and lays the strip out afresh.
    void fontSizeBar() {
        mainWindow->ui().videoModeAction->setChecked(false);
        playOneLine();
        const int before = playWindow->stripHeight();
        playWindow->ui().fontSizeBar->setValue(20);
        QCOMPARE(mainWindow->editorFontSize(), 20);
        QCOMPARE(mainWindow->ui().fontSizeBar->value(), 20);
        QCOMPARE(playWindow->ui().fontSizeLabel->text(), QStringLiteral("40"));
        QCOMPARE(playWindow->canvasFont().pointSize(), 20); // twice the size before the change
        QVERIFY(playWindow->stripHeight() > before);
        mainWindow->ui().fontSizeBar->setValue(
            17); // the main window's bar sets the drawing font too
        QCOMPARE(playWindow->canvasFont().pointSize(), 34);
    }

    // The vertical bars, the main window's and the play panel's, have their minimum at the
    // top: Up, Page Up and Left move the thumb up (the value down), Down, Page Down and
    // Right move it down.
    void verticalBarKeys_data() {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("direction");
        const std::pair<const char *, int> keys[] = {
            {"Up", Qt::Key_Up},     {"Page Up", Qt::Key_PageUp},     {"Left", Qt::Key_Left},
            {"Down", Qt::Key_Down}, {"Page Down", Qt::Key_PageDown}, {"Right", Qt::Key_Right}};
        for (const char *bar : {"mainWindow/fontSizeBar", "mainWindow/delayBar",
                                "playWindow/delayBar", "playWindow/fontSizeBar"}) {
            for (int i = 0; i < 6; ++i)
                QTest::addRow("%s %s", bar, keys[i].first)
                    << QString::fromLatin1(bar) << keys[i].second << (i < 3 ? -1 : 1);
        }
    }
    void verticalBarKeys() {
        QFETCH(QString, bar);
        QFETCH(int, key);
        QFETCH(int, direction);
        QWidget *window =
            bar.startsWith(u"mainWindow") ? static_cast<QWidget *>(mainWindow) : playWindow;
        window->setEnabled(true);
        auto *slider = window->findChild<QSlider *>(bar.section(u'/', 1));
        QVERIFY(slider && slider->invertedAppearance());
        const int middle = (slider->minimum() + slider->maximum()) / 2;
        slider->setValue(middle);
        QTest::keyClick(slider, Qt::Key(key));
        QCOMPARE(slider->value() < middle ? -1 : slider->value() > middle ? 1 : 0, direction);
    }

    // The pause button pauses while down; restart is offered only while it is up.
    void pauseButton() {
        playOneLine();
        bool restartOffered = true;
        PauseRobot robot([&] {
            restartOffered = playWindow->ui().restartButton->isEnabled();
            QTimer::singleShot(0, playWindow->ui().pauseButton, &QToolButton::click);
        });
        QTimer::singleShot(0, playWindow->ui().pauseButton, &QToolButton::click);
        QTRY_VERIFY(robot.acted());
        QTRY_VERIFY(!playWindow->ui().pauseButton->isChecked());
        QVERIFY(!restartOffered);
        QVERIFY(playWindow->ui().restartButton->isEnabled());
        QVERIFY(!playWindow->state().paused);
    }
};

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    TestOperatorControls t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_operatorcontrols.moc"
