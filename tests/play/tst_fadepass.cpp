// The fade-title pass on a stand-in console (its refusals, the titles it shows and holds,
// Esc, placement, antialiasing) and through the Play command in Loop Mode.
#include "FakeHost.h"
#include "PlayTestSupport.h"

#include "app/PlayCommands.h"
#include "play/Antialias.h"

#include <QTimer>

namespace {

// A play window on a stand-in console, white on black, no pauses, the output rectangle
// (0, 0)-(400, 300) on a 1024 x 768 screen of the given depth.
struct FadeRig {
    testsupport::Sandbox sandbox;
    FakeHost host;
    PlayWindow window{&host};
    PlayOptions o;

    explicit FadeRig(int depth = 32) {
        platform::Screen::setOverride(QSize(1024, 768), depth);
        host.window = &window;
        window.create();
        o.right = 400;
        o.bottom = 300;
        o.noPause = true;
        o.editorFont = QFont(QStringLiteral("Arial"), 10);
        o.fadeTitles = true;
    }
    ~FadeRig() { platform::Screen::clearOverride(); }

    void play() {
        window.setOptions(o);
        window.startPlay();
        window.runPass();
    }
    // The title as it stands on the play surface at its place.
    QImage shownTitle(QPoint at) const {
        const platform::Bitmap &b = window.strip().strip();
        return window.surface().image().copy(QRect(at, QSize(b.width(), b.height())));
    }
};

} // namespace

class TestFadePass : public QObject {
    Q_OBJECT
    void playHeld(bool anti, platform::Bitmap &drawn, QImage &held) {
        FadeRig rig;
        rig.host.lines = {QStringLiteral("Soft edges"), QStringLiteral("Two")};
        rig.o.centerFade = rig.o.lowerThird = true;
        rig.o.fadeAntialias = anti;
        rig.host.onWait = [&](int) {
            drawn = rig.window.strip().strip();
            held = rig.shownTitle(QPoint(312, 512));
            if (anti)
                QCOMPARE(rig.window.strip().titleImage().toRgb32(), drawn.toRgb32());
            QCoreApplication::postEvent(&rig.window,
                                        new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
        };
        rig.play();
        QCOMPARE(held, drawn.toRgb32());
        QCOMPARE(rig.host.titlePositions, QList<QPoint>{QPoint(312, 512)});
        QCOMPARE(rig.window.fadeFramesShown(), 33);
        QCOMPARE(rig.window.state().currentLine, 0);
        QCOMPARE(rig.host.closed, 1);
    }

private slots:
    // The checks before the titles, in their order (each row also fails every later
    // check): the first that fails is reported and the window closes before any title.
    void refusals_data() {
        QTest::addColumn<int>("failing"); // 0 .. 4: the first check that fails
        QTest::addColumn<QString>("message");
        QTest::newRow("48 bits") << 0 << "LectoScope-32 does not support BPP > 32.";
        QTest::newRow("AVI showing") << 1 << "Can not use Fading titles with AVI movies.";
        QTest::newRow("mirrored") << 2 << "Can not use Fading titles with mirror-reverse text.";
        QTest::newRow("background") << 3 << "Background color must be black to use fading.";
        QTest::newRow("same colours") << 4 << "Font color and background color are the same.";
    }
    void refusals() {
        QFETCH(int, failing);
        QFETCH(QString, message);
        FadeRig rig(failing == 0 ? 48 : 32);
        rig.host.lines = {QStringLiteral("Title")};
        rig.host.avi = failing <= 1;
        rig.o.mirror = failing <= 2;
        rig.host.black = failing > 3;
        rig.o.textColor = 0;
        rig.play();
        QCOMPARE(testsupport::shownTexts(), QStringList{message});
        QCOMPARE(rig.host.closed, 1);
        QCOMPARE(rig.window.fadeFramesShown(), 0);
    }

    // Each title fades in over 33 frames, is held at full strength for the hold time and
    // fades out over 33 frames, leaving the screen black; two-line titles take two lines a
    // title. After the last title Esc leaves the play.
    void titles_data() {
        QTest::addColumn<int>("depth");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("twoLine");
        QTest::addColumn<int>("hold");
        QTest::addColumn<int>("titles");
        QTest::newRow("one-line titles, 32 bits")
            << 32 << QStringList{"First title", "", "Third"} << false << 2 << 3;
        QTest::newRow("two-line titles, odd count")
            << 32 << QStringList{"Top", "Bottom", "Alone"} << true << 3 << 2;
        QTest::newRow("hold time 0") << 24 << QStringList{"Quick"} << false << 0 << 1;
    }
    void titles() {
        QFETCH(int, depth);
        QFETCH(QStringList, lines);
        QFETCH(bool, twoLine);
        QFETCH(int, hold);
        QFETCH(int, titles);
        FadeRig rig(depth);
        rig.host.lines = lines;
        rig.o.fadeTwoLines = twoLine;
        rig.o.fadeHoldSeconds = hold;
        QList<QImage> held, strips;
        rig.host.onWait = [&](int) {
            held.append(rig.shownTitle(QPoint(0, 0)));
            strips.append(rig.window.strip().strip().toRgb32());
        };
        rig.play();
        QCOMPARE(rig.host.waits, QList<int>(titles, hold));
        QCOMPARE(rig.window.fadeFramesShown(), titles * 2 * 33);
        QCOMPARE(held, strips); // the title at full strength during its hold
        QCOMPARE(rig.window.strip().strip().bitsPerPixel(), depth);
        QVERIFY(playtest::inkRect(strips.first()).isValid());
        QVERIFY(playtest::allOf(rig.window.surface().image(), qRgb(0, 0, 0)));
        QCOMPARE(rig.window.state().currentLine, twoLine ? 4 : int(lines.size()));
        QVERIFY(rig.window.state().stopRequested);
        QCOMPARE(rig.host.closed, 0);
        rig.window.operatorKey(27);
        QCOMPARE(rig.host.closed, 1);
    }

    // A title centred in the lower third stands there (the console keeps the position) at
    // full strength through its hold; Esc during the hold ends the pass before the fade
    // out. Antialiased, the title held and the copy it fades out from are the drawn title
    // through the filter with the window's weights.
    void heldTitle() {
        platform::Bitmap plain, soft;
        QImage plainHeld, softHeld;
        playHeld(false, plain, plainHeld);
        playHeld(true, soft, softHeld);
        int weights[5][5];
        copyAntialiasKernel(weights);
        antialias32(plain, weights);
        QVERIFY(softHeld != plainHeld);
        QCOMPARE(softHeld, plain.toRgb32());
    }

    // Loop Mode repeats the titles until Esc: a pass that ran to its end does not end the
    // next one.
    void loopModeRepeats() {
        playtest::PlayFixture fx;
        QVERIFY(fx.created);
        fx.setScript(QStringLiteral("Again and again"));
        mainWindow->settings().fadeTitles = true;
        mainWindow->settings().fadeHoldSeconds = 1;
        mainWindow->ui().startFromCursorAction->setChecked(true);
        mainWindow->ui().loopBox->setChecked(true);
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&watch] {
            if (playWindow->fadeFramesShown() < 3 * 66)
                return;
            watch.stop();
            playtest::postKey(Qt::Key_Escape);
        });
        watch.start(1);
        mainWindow->playCommands().play();
        QVERIFY(playWindow->fadeFramesShown() >= 3 * 66);
        QVERIFY(!mainWindow->playCommands().looping());
        QVERIFY(!playWindow->isVisible());
    }
};

QTEST_MAIN(TestFadePass)
#include "tst_fadepass.moc"
