// The play command and the scrolling pass, read from the play window's surface: where a
// line ends, the start line, leaving with Esc, the checks before play, window mode, the
// mirror, the retrace wait, Loop Mode, the calibration run and the command-line play.
#include "PlayTestSupport.h"

#include "app/PlayCommands.h"
#include "editor/ReadingEstimate.h"
#include "editor/ReadingTimeCommands.h"
#include "editor/ScriptFileCommands.h"
#include "platform/Clock.h"
#include "platform/Colors.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

using namespace playtest;

namespace {

// Counts the ticks of the timed wait's timer while alive.
struct TickCounter {
    int ticks = 0;
    QMetaObject::Connection c;
    TickCounter() {
        c = QObject::connect(mainWindow->ui().waitTimer, &QTimer::timeout, [this] { ++ticks; });
    }
    ~TickCounter() { QObject::disconnect(c); }
};

// The line the pass left at the bottom of the output rectangle: strip row i on surface
// row B - 1 - H + i, and the last strip row once more on the entry row.
void verifyLineAtBottom(const QImage &strip) {
    const int h = strip.height();
    const int b = playWindow->options().bottom;
    QCOMPARE(surfaceRows(b - 1 - h, h), strip);
    QCOMPARE(surfaceRows(b - 1, 1), strip.copy(0, h - 1, strip.width(), 1));
}

} // namespace

class TestPlayWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<PlayFixture> fx;

private slots:
    void init() { fx = std::make_unique<PlayFixture>(); }
    void cleanup() { fx.reset(); }

    // A one-line script scrolls in for exactly stripHeight steps and stops at the bottom. At
    // one bit per pixel the pass plays white on black, and the settings keep it.
    void oneLineEndsAtBottom_data() {
        QTest::addColumn<int>("processType");
        QTest::addColumn<int>("text");
        QTest::addColumn<int>("back");
        QTest::addColumn<int>("backPlayed");
        QTest::newRow("32 bit") << 7 << 0xFFFFFF << 0 << 0;
        QTest::newRow("8 bit, blue on yellow") << 3 << 0xFF0000 << 0x00FFFF << 0x00FFFF;
        QTest::newRow("16 bit") << 5 << 0x00FF00 << 0x000080 << 0x000080;
        QTest::newRow("device") << 0 << 0xFFFFFF << 0 << 0;
        QTest::newRow("1 bit forces white on black") << 1 << 0x0000FF << 0x00FF00 << 0;
    }
    void oneLineEndsAtBottom() {
        QFETCH(int, processType);
        QFETCH(int, text);
        QFETCH(int, back);
        QFETCH(int, backPlayed);
        mainWindow->settings().pixelFormat = processType;
        mainWindow->settings().textColor = text;
        mainWindow->settings().backgroundColor = back;
        fx->setScript(QStringLiteral("Hello Wg"));
        mainWindow->playCommands().play();
        QCOMPARE(mainWindow->settings().backgroundColor, backPlayed);
        QCOMPARE(mainWindow->settings().textColor, processType == 1 ? 0xFFFFFF : text);
        QCOMPARE(fx->retrace.waits, playWindow->stripHeight());
        const QImage strip = expectedStrip(QStringLiteral("Hello Wg"));
        verifyLineAtBottom(strip);
        // Above the line: the background, cleared before the text.
        QVERIFY(allOf(surfaceRows(0, playWindow->options().bottom - 1 - strip.height()),
                      platform::toQColor(backPlayed).rgb()));
        // The pass ended: the window stays up and enabled with its picture.
        QVERIFY(playWindow->isVisible() && playWindow->isEnabled() &&
                !playWindow->state().scrolling);
    }

    void startFromCursor_data() {
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("rowsScrolled");
        QTest::newRow("last line") << 2 << 1;
        QTest::newRow("past the end") << 6 << 0;
    }
    void startFromCursor() {
        QFETCH(int, caret);
        QFETCH(int, rowsScrolled);
        fx->setScript(QStringLiteral("First line\r\nSecond line\r\nLast line"));
        mainWindow->ui().startFromCursorAction->setChecked(true);
        mainWindow->ui().tenSecondBackgroundAction->setChecked(true);
        mainWindow->scriptFiles().setCaretLine(caret);
        TickCounter ticks;
        mainWindow->playCommands().play();
        const int h = playWindow->stripHeight();
        QCOMPARE(fx->retrace.waits, rowsScrolled * h);
        // The lead-in and the end steps both ran: ten seconds each.
        QCOMPARE(ticks.ticks, 20);
        QCOMPARE(playWindow->state().currentLine, qMax(caret, 3));
        const int b = playWindow->options().bottom;
        if (rowsScrolled) {
            verifyLineAtBottom(expectedStrip(QStringLiteral("Last line"), false));
            QVERIFY(allOf(surfaceRows(0, b - 1 - h), qRgb(0, 0, 0)));
        } else {
            QVERIFY(allOf(surfaceRows(0, b), qRgb(0, 0, 0)));
        }
    }

    // Esc ends the pass after the line it came in, without the end steps.
    void escStopsAfterCurrentLine() {
        fx->setScript(QStringLiteral("one\r\ntwo\r\nthree\r\nfour\r\nfive"));
        mainWindow->ui().tenSecondBackgroundAction->setChecked(true);
        mainWindow->ui().stopAtEndBox->setChecked(true);
        fx->retrace.onWait = [](int n) {
            if (n == 1)
                postKey(Qt::Key_Escape);
        };
        TickCounter ticks;
        mainWindow->playCommands().play();
        QCOMPARE(fx->retrace.waits, playWindow->stripHeight());
        QCOMPARE(playWindow->state().currentLine, 1);
        QCOMPARE(ticks.ticks, 10); // the lead-in only
        QVERIFY(!playWindow->state().paused);
        QVERIFY(!playWindow->isVisible() && !playWindow->isEnabled() && mainWindow->isVisible());
    }

    // An empty editor, or text and background in one colour: a message, and the play
    // window is never shown.
    void refusedBeforePlay_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("background");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty editor") << QString() << 0 << "Open a text file and try again";
        QTest::newRow("same colours")
            << "text" << 0xFFFFFF << "Font color and background color are the same.";
    }
    void refusedBeforePlay() {
        QFETCH(QString, script);
        QFETCH(int, background);
        QFETCH(QString, message);
        fx->setScript(script);
        mainWindow->settings().backgroundColor = background;
        int shows = 0;
        struct ShowSpy : QObject {
            int *count;
            explicit ShowSpy(int *c) : count(c) {}
            bool eventFilter(QObject *, QEvent *e) override {
                *count += e->type() == QEvent::Show;
                return false;
            }
        } spy(&shows);
        playWindow->installEventFilter(&spy);
        mainWindow->playCommands().play();
        playWindow->removeEventFilter(&spy);
        QCOMPARE(messagesWith(message), 1);
        QCOMPARE(fx->retrace.waits, 0);
        QVERIFY(!playWindow->isVisible());
        if (script.isEmpty())
            QCOMPARE(shows, 0);
        else // the colours are checked in the shown window, which gives the main window back
            QVERIFY(mainWindow->isVisible());
    }

    void centreMarker_data() {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("leftAfter");
        QTest::newRow("0 makes room") << 0 << 15;
        QTest::newRow("already set") << 40 << 40;
    }
    void centreMarker() {
        QFETCH(int, left);
        QFETCH(int, leftAfter);
        mainWindow->settings().outputLeft = left;
        mainWindow->ui().centerMarkerBox->setChecked(true);
        mainWindow->settings().textColor = 0x00FFFF; // yellow
        fx->setScript(QStringLiteral("x"));
        for (int play = 0; play < 2; ++play) {
            mainWindow->playCommands().play();
            QCOMPARE(mainWindow->settings().outputLeft, leftAfter);
            QCOMPARE(playWindow->options().left, leftAfter);
        }
        // The triangle at the left edge, its tip at half height - 10, in the text colour.
        const int y = playWindow->height() / 2;
        QCOMPARE(playWindow->surface().pixel(1, y - 10), qRgb(255, 255, 0));
        QCOMPARE(playWindow->surface().pixel(1, y - 30), qRgb(0, 0, 0));
        QCOMPARE(playWindow->penColor(), 0x00FFFF);
    }

    // Window mode shortens each play's rectangle for the panel, never the stored one, and
    // the text never reaches the panel's side; video mode hides the panel and the cursor.
    void windowAndVideoMode_data() {
        QTest::addColumn<bool>("video");
        QTest::addColumn<int>("outRight");
        QTest::addColumn<Qt::CursorShape>("cursor");
        QTest::newRow("window mode") << false << 945 << Qt::DragMoveCursor;
        QTest::newRow("video mode") << true << 1000 << Qt::BlankCursor;
    }
    void windowAndVideoMode() {
        QFETCH(bool, video);
        QFETCH(int, outRight);
        QFETCH(Qt::CursorShape, cursor);
        mainWindow->ui().videoModeAction->setChecked(video);
        mainWindow->settings().outputRight = 1000;
        fx->setScript(QStringLiteral("w"));
        for (int play = 0; play < 3; ++play) {
            mainWindow->playCommands().play();
            QCOMPARE(mainWindow->settings().outputRight, 1000);
            QCOMPARE(playWindow->options().right, outRight);
            QCOMPARE(playWindow->strip().stripRect().width(), outRight);
        }
        QCOMPARE(playWindow->ui().operatorPanel->isVisible(), !video);
        QCOMPARE(playWindow->cursor().shape(), cursor);
        QCOMPARE(playWindow->geometry(), QRect(0, 0, 1024, 768));
        QVERIFY(allOf(playWindow->surface().image().copy(outRight, 0, 1024 - 50 - outRight, 768),
                      qRgb(0, 0, 0)));
        if (!video) {
            QCOMPARE(playWindow->ui().operatorPanel->geometry(), QRect(1024 - 50, 4, 50, 768 - 8));
            QCOMPARE(playWindow->ui().fontSizeLabel->text(), QStringLiteral("20"));
        }
    }

    // The strip is mirrored row by row into the row above before it scrolls in.
    void mirrorDuringPass() {
        mainWindow->mirrorButtonClicked();
        QVERIFY(mainWindow->ui().mirrorButton->isChecked());
        mainWindow->settings().pixelFormat =
            7; // a mirrored pass draws in 8 bits whatever is chosen
        fx->setScript(QStringLiteral("Mirror Wg"));
        mainWindow->playCommands().play();
        QCOMPARE(playWindow->strip().strip().bitsPerPixel(), 8);
        const QImage mirrored = expectedStrip(QStringLiteral("Mirror Wg"), true, true);
        verifyLineAtBottom(mirrored);
        QVERIFY(mirrored != expectedStrip(QStringLiteral("Mirror Wg"), true, false));
    }

    // A strip whose pixel memory cannot be reached ends the play with the driver message.
    void mirrorFailureIsReported() {
        mainWindow->mirrorButtonClicked();
        mainWindow->settings().outputLeft = 300;
        mainWindow->settings().outputRight = 300; // no width: the strip has no pixel memory
        fx->setScript(QStringLiteral("m"));
        mainWindow->playCommands().play();
        QCOMPARE(messagesWith(QStringLiteral("Native Video Driver problem.\rPlease change your "
                                             "system display settings and try again.")),
                 1);
        QVERIFY(!playWindow->isEnabled() && !playWindow->isVisible());
        QCOMPARE(playWindow->strip().strip().width(), 1);
    }

    // Loop Mode plays the text again; it reloads the file only over an unchanged editor.
    void loopMode_data() {
        QTest::addColumn<bool>("edited");
        QTest::addColumn<bool>("fromCursor");
        QTest::addColumn<QString>("secondPass");
        QTest::newRow("saved text is reloaded") << false << false << "Changed on disk";
        QTest::newRow("unsaved edits are kept") << true << false << "Edited here";
        QTest::newRow("start from cursor never reloads") << false << true << "Disk text";
        QTest::newRow("without a file the text plays as it is") << false << false << "";
    }
    void loopMode() {
        QFETCH(bool, edited);
        QFETCH(bool, fromCursor);
        QFETCH(QString, secondPass);
        const bool file = !secondPass.isEmpty();
        mainWindow->settings().scriptPath =
            file ? fx->sandbox.writeFile(QStringLiteral("loop.txt"), "Disk text")
                 : fx->sandbox.path(QStringLiteral("gone.txt"));
        if (!file)
            secondPass = QStringLiteral("Disk text");
        fx->setScript(QStringLiteral("Disk text"));
        if (edited) {
            mainWindow->ui().editor->setText(QStringLiteral("Edited here"));
            mainWindow->ui().editor->setModified(true);
        }
        mainWindow->ui().startFromCursorAction->setChecked(fromCursor);
        mainWindow->scriptFiles().setCaretLine(0);
        mainWindow->ui().loopBox->setChecked(true);
        QVERIFY(mainWindow->ui().loopAction->isChecked());
        QString seen;
        fx->retrace.onWait = [&](int n) {
            const int h = playWindow->stripHeight();
            if (n == 1 && file)
                fx->sandbox.writeFile(QStringLiteral("loop.txt"), "Changed on disk");
            if (n == h + 1) { // the second pass has begun
                seen = mainWindow->ui().editor->text();
                QVERIFY(mainWindow->playCommands().looping());
            }
            if (n == 2 * h) // Esc ends the whole repetition
                postKey(Qt::Key_Escape);
        };
        mainWindow->playCommands().play();
        QCOMPARE(seen, secondPass);
        QCOMPARE(fx->retrace.waits, 2 * playWindow->stripHeight());
        QVERIFY(!mainWindow->playCommands().looping());
        QCOMPARE(mainWindow->ui().editor->isModified(), edited);
        QVERIFY(!playWindow->isVisible());
    }

    // Waiting for the vertical blank: each scrolled row waits once where the display has
    // the wait; where it has none the item is off and nothing waits.
    void retraceWait_data() {
        QTest::addColumn<bool>("available");
        QTest::newRow("display with a vertical blank") << true;
        QTest::newRow("no vertical blank") << false;
    }
    void retraceWait() {
        QFETCH(bool, available);
        fx.reset();
        fx = std::make_unique<PlayFixture>(QStringList(), available);
        QCOMPARE(mainWindow->ui().syncRetraceAction->isEnabled(), available);
        QCOMPARE(int(mainWindow->settings().retracePort), available ? 0x3DA : 0);
        mainWindow->ui().syncRetraceAction->setChecked(true);
        fx->setScript(QStringLiteral("one\r\ntwo"));
        mainWindow->playCommands().play();
        QCOMPARE(fx->retrace.waits, available ? 2 * playWindow->stripHeight() : 0);
        QCOMPARE(playWindow->state().currentLine, 2);
    }

    // A calibration plays exactly one line, measures it and closes the window.
    void calibrationPlaysOneLine() {
        QStringList lines;
        for (int i = 0; i < 120; ++i)
            lines << QStringLiteral("five words on this line");
        fx->setScript(lines.join(QStringLiteral("\r\n")));
        mainWindow->scriptFiles().setWordCount(600);
        platform::Clock::setNow(QDateTime(QDate(2026, 12, 7), QTime(10, 0, 0)));
        fx->retrace.onWait = [](int) {
            platform::Clock::advance(4);
        };
        mainWindow->readingTime().estimateReadingTime();
        const int h = playWindow->stripHeight();
        QCOMPARE(fx->retrace.waits, h);
        QCOMPARE(playWindow->state().elapsedMs, 4.0 * h);
        QVERIFY(!mainWindow->readingTime().measuring());
        QVERIFY(!playWindow->isVisible() && !playWindow->isEnabled());
        const ReadingEstimate e = estimateReadingTime(120, 4.0 * h, 600);
        QCOMPARE(mainWindow->ui().readingTimeLabel->text(), e.approx);
        QCOMPARE(mainWindow->ui().estimateButton->text(), e.buttonCaption);
        QCOMPARE(mainWindow->ui().wordsPerMinuteLabel->text(), QString::number(e.wordsPerMinute));
        QVERIFY(!mainWindow->ui().wordsPerMinuteLabel->isHidden());
    }

    // With an empty editor the run does not start and stays due.
    void calibrationOnEmptyEditorStaysDue() {
        fx->setScript(QString());
        mainWindow->readingTime().estimateReadingTime();
        QVERIFY(mainWindow->readingTime().measuring());
        QCOMPARE(mainWindow->ui().wordsPerMinuteLabel->text(), QStringLiteral("Calibrat"));
        QCOMPARE(messagesWith(QStringLiteral("Open a text file and try again")), 1);
    }

    // A script named on the command line plays inside the play window's creation, before the
    // windows created after it exist and before the main window is shown.
    void playsAtCreation() {
        fx.reset(); // the windows are created anew with the script named
        QTemporaryDir dir;
        const QString script = dir.filePath(QStringLiteral("cli.txt"));
        QVERIFY(testsupport::writeBytes(script, "First line\r\nSecond line\r\nWg end"));
        // What the pass finds: later windows missing, the smoothing weights set, the main
        // window hidden.
        QList<bool> atPlay;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (playWindow && playWindow->state().scrolling && atPlay.isEmpty())
                atPlay = {outputAreaDialog == nullptr && systemInfoDialog == nullptr,
                          playWindow->antialiasKernel()[2][2] == 8 &&
                              playWindow->antialiasKernel()[0][0] == 1 &&
                              playWindow->antialiasKernel()[1][2] == 0,
                          !mainWindow->isVisible()};
        });
        watch.start(0);
        fx = std::make_unique<PlayFixture>(QStringList{script});
        watch.stop();
        QVERIFY(fx->created);
        QCOMPARE(atPlay, QList<bool>({true, true, true}));
        QVERIFY(!mainWindow->settings().playAtStart);
        QCOMPARE(mainWindow->settings().scriptPath, script);
        QCOMPARE(playWindow->state().currentLine, 3);
        QVERIFY(playWindow->isVisible());
        verifyLineAtBottom(expectedStrip(QStringLiteral("Wg end"), false));
    }
};

QTEST_MAIN(TestPlayWindow)
#include "tst_playwindow.moc"
