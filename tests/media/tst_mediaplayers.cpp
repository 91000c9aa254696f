// The media players of the main window over a stand-in device: loading a video and a sound,
// the arming by "Start w/Video", "Close", the menu commands and their messages, the players'
// buttons, and the start and stop points of a play.
#include "../play/PlayTestSupport.h"

#include "app/PlayCommands.h"
#include "media/MediaCommands.h"
#include "media/MediaPlayer.h"
#include "media/MediaRules.h"
#include "media/VideoWindow.h"
#include "platform/AudioDevices.h"
#include "platform/FileDialogs.h"
#include "platform/MediaDevice.h"
#include "platform/MessageBoxes.h"

#include <QCheckBox>
#include <QSlider>
#include <QTimer>

#include <QToolButton>
#include <optional>

using platform::MediaDevice;
using namespace playtest;

namespace {

// Every command the stand-in devices receive, as "video open clip.avi", "sound play" …
QStringList g_log;
// Media that end as soon as they start playing.
bool g_endAtOnce = false;

// Opens a file whose name starts with "ok" (a 320 x 240 picture for a video) and refuses
// anything else; the other commands only change the mode.
class FakeDevice : public MediaDevice {
public:
    explicit FakeDevice(Kind kind) : m_name(kind == Kind::Video ? "video " : "sound ") {}
    void setDisplayWindow(quintptr) override {}
    bool open(const QString &path) override {
        log(QStringLiteral("open ") + media::fileNameOf(path));
        m_mode = media::fileNameOf(path).startsWith(u"ok") ? Mode::Stopped : Mode::NotOpen;
        return isOpen();
    }
    void close() override { log(QStringLiteral("close"), Mode::NotOpen); }
    bool isOpen() const override { return m_mode != Mode::NotOpen; }
    QSize naturalSize() const override { return isOpen() ? QSize(320, 240) : QSize(); }
    void play() override {
        log(QStringLiteral("play"), Mode::Playing);
        m_ended = g_endAtOnce;
    }
    void pause() override { log(QStringLiteral("pause"), Mode::Paused); }
    void stop() override { log(QStringLiteral("stop"), Mode::Stopped); }
    void seek(qint64 ms) override {
        log(QStringLiteral("seek %1").arg(ms));
        m_ended = false;
    }
    qint64 position() const override { return 0; }
    qint64 length() const override { return 3000; }
    Mode mode() const override { return m_mode; }
    bool ended() const override { return m_ended; }
    void expose() override {}

private:
    void log(const QString &what, std::optional<Mode> mode = {}) {
        g_log << QLatin1String(m_name) + what;
        m_mode = mode.value_or(m_mode);
    }
    const char *m_name;
    Mode m_mode = Mode::NotOpen;
    bool m_ended = false;
};

} // namespace

class TestMediaPlayers : public QObject {
    Q_OBJECT
    std::unique_ptr<PlayFixture> fx;

    // A file in the sandbox; its name decides whether the stand-in opens it.
    QString media(const QString &name) const { return fx->sandbox.writeFile(name, "data"); }
    void loadVideo(const QString &name) { mainWindow->media().loadVideo(media(name)); }
    void loadSound(const QString &name) { mainWindow->media().loadSound(media(name)); }
    void pressStartWithVideo() { mainWindow->ui().startWithVideoButton->click(); }
    bool shown(QWidget *w) const { return !w->isHidden(); }
    // "video" and "sound" load a file that opens, "arm" presses "Start w/Video", "end at
    // once" makes the media end as soon as they play.
    void runSteps(const QStringList &steps) {
        for (const QString &step : steps) {
            if (step == QLatin1String("video"))
                loadVideo(QStringLiteral("ok clip.avi"));
            else if (step == QLatin1String("sound"))
                loadSound(QStringLiteral("ok tone.wav"));
            else if (step == QLatin1String("end at once"))
                g_endAtOnce = true;
            else
                pressStartWithVideo();
        }
    }

private slots:
    void init() {
        MediaDevice::setFactory(
            [](MediaDevice::Kind k) { return std::make_unique<FakeDevice>(k); });
        platform::AudioDevices::setOverride(platform::AudioClass::WaveOut, {platform::AudioCaps{}});
        fx = std::make_unique<PlayFixture>();
        g_log.clear();
        g_endAtOnce = false;
    }
    void cleanup() {
        fx.reset();
        MediaDevice::setFactory({});
        platform::AudioDevices::clearOverrides();
    }

    // A video opens into the play window at its natural size, top-left or centred; the
    // title names the file whether or not it opens; the text starts 6 pixels below it.
    void loadVideo_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("centering");
        QTest::addColumn<bool>("present");
        QTest::addColumn<QRect>("picture");
        QTest::addColumn<int>("top");
        QTest::addColumn<QString>("message");
        QTest::newRow("top-left") << "ok clip.avi" << false << true << QRect(0, 0, 320, 240) << 246
                                  << QString();
        QTest::newRow("centred") << "ok clip.avi" << true << true << QRect(352, 0, 320, 240) << 246
                                 << QString();
        QTest::newRow("broken") << "broken.avi" << true << true << QRect() << 40
                                << media::videoBrokenMessage();
        QTest::newRow("missing") << "gone.avi" << false << false << QRect() << 40 << QString();
        QTest::newRow("spaces and accents")
            << "ok Nachrichten \u00dcbersicht caf\u00e9.avi" << false << true
            << QRect(0, 0, 320, 240) << 246 << QString();
    }
    void loadVideo() {
        QFETCH(QString, file);
        QFETCH(bool, centering);
        QFETCH(bool, present);
        QFETCH(QRect, picture);
        QFETCH(int, top);
        QFETCH(QString, message);
        mainWindow->settings().outputTop = 40;
        mainWindow->settings().centering = centering;
        const QString path = present ? media(file) : fx->sandbox.path(file);
        mainWindow->media().loadVideo(path);
        QCOMPARE(mainWindow->windowTitle(), file);
        QCOMPARE(mainWindow->ui().videoPlayer->displayRect(), picture);
        QCOMPARE(mainWindow->settings().outputTop, top);
        QCOMPARE(testsupport::shownTexts(),
                 message.isEmpty() ? QStringList() : QStringList{message});
        const bool opened = picture.isValid();
        // A broken video forgets its path; a missing one keeps it.
        QCOMPARE(mainWindow->settings().videoFile, message.isEmpty() ? path : QString());
        for (QWidget *w : {static_cast<QWidget *>(mainWindow->ui().videoPlayer),
                           static_cast<QWidget *>(mainWindow->ui().closePlayersButton),
                           static_cast<QWidget *>(mainWindow->ui().startWithVideoButton)})
            QCOMPARE(shown(w), opened);
        auto *video = playWindow->findChild<VideoWindow *>();
        QCOMPARE(video != nullptr && shown(video), opened);
        QCOMPARE(g_log.contains(QStringLiteral("video open ") + file), present);
    }

    // "Close" closes only armed media and hides every control; a closed armed video gives
    // the text its room back.
    void closing_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("closed");
        QTest::addColumn<int>("top");
        QTest::addColumn<bool>("aviStartsWithText");
        QTest::newRow("armed video")
            << QStringList{"video", "arm"} << QStringList{"video close"} << 0 << false;
        QTest::newRow("video never armed") << QStringList{"video"} << QStringList{} << 246 << false;
        QTest::newRow("sound after arming the video")
            << QStringList{"video", "arm", "sound"} << QStringList{"sound close"} << 246 << true;
        QTest::newRow("both armed") << QStringList{"sound", "video", "arm"}
                                    << QStringList{"sound close", "video close"} << 0 << false;
    }
    void closing() {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, closed);
        QFETCH(int, top);
        QFETCH(bool, aviStartsWithText);
        runSteps(steps);
        g_log.clear();
        mainWindow->ui().closePlayersButton->click();
        QCOMPARE(g_log, closed);
        QCOMPARE(mainWindow->settings().outputTop, top);
        QCOMPARE(mainWindow->media().videoStartsWithText(), aviStartsWithText);
        QVERIFY(!mainWindow->media().soundArmed() && !mainWindow->media().videoArmed() &&
                !mainWindow->ui().startWithVideoButton->isChecked());
        for (QWidget *w : {static_cast<QWidget *>(mainWindow->ui().videoPlayer),
                           static_cast<QWidget *>(mainWindow->ui().soundPlayer),
                           static_cast<QWidget *>(mainWindow->ui().closePlayersButton),
                           static_cast<QWidget *>(mainWindow->ui().startWithVideoButton)})
            QVERIFY(!shown(w));
        // No picture stays in the play window, and the fade pass may run again.
        auto *video = playWindow->findChild<VideoWindow *>();
        QVERIFY(video && !shown(video));
        QVERIFY(!mainWindow->media().videoShowing());
    }

    // "Wave and Midi" offers its dialog only where there is a sound output.
    void soundNeedsAnOutput() {
        for (int outputs : {0, 1}) {
            platform::AudioDevices::setOverride(platform::AudioClass::WaveOut,
                                                QList<platform::AudioCaps>(outputs));
            platform::FileDialogs::clearRequests();
            platform::MessageBoxes::clearShown();
            mainWindow->ui().soundPlayerAction->trigger();
            QCOMPARE(platform::FileDialogs::requests().size(), outputs);
            QCOMPARE(testsupport::shownTexts(),
                     outputs ? QStringList() : QStringList{media::noWaveOutputMessage()});
        }
    }

    // The players' buttons: a player without an open device says so, Pause resumes a paused
    // medium, and the video's Play before arming shows the play window over the screen.
    void playerButtons() {
        // A sound that cannot be played says so, disarms, and keeps its path and controls.
        loadSound(QStringLiteral("bad.wav"));
        QCOMPARE(testsupport::shownTexts(), QStringList{media::soundUnplayableMessage()});
        QVERIFY(!mainWindow->media().soundArmed() &&
                mainWindow->settings().soundFile.endsWith(u"bad.wav"));
        QVERIFY(shown(mainWindow->ui().soundPlayer) &&
                shown(mainWindow->ui().startWithVideoButton));
        g_log.clear();
        platform::MessageBoxes::clearShown();
        mainWindow->ui().soundPlayer->button(MediaPlayer::Button::Play)->click();
        QCOMPARE(testsupport::shownTexts(), QStringList{media::noDeviceOpenMessage()});
        QVERIFY(g_log.isEmpty());

        // The play window takes the settings before it shows: leaving it hands back the
        // console's own speed and x10.
        MainWindow::setTrackBarPosition(mainWindow->ui().delayBar, 25);
        mainWindow->ui().slowerBox->setChecked(true);
        QCOMPARE(mainWindow->settings().delay, 250);
        loadVideo(QStringLiteral("ok clip.avi"));
        QVERIFY(!playWindow->isVisible());
        g_log.clear();
        for (auto b :
             {MediaPlayer::Button::Play, MediaPlayer::Button::Pause, MediaPlayer::Button::Pause,
              MediaPlayer::Button::Next, MediaPlayer::Button::Prev, MediaPlayer::Button::Stop})
            mainWindow->ui().videoPlayer->button(b)->click();
        QCOMPARE(g_log, (QStringList{"video play", "video pause", "video play", "video seek 3000",
                                     "video seek 0", "video stop"}));
        QVERIFY(playWindow->isVisible() && playWindow->isEnabled());
        QCOMPARE(playWindow->size(), platform::Screen::size());
        // Esc leaves it, stopping and rewinding the video; the sound player, shown without an
        // open device, is skipped.
        g_log.clear();
        playWindow->operatorKey(27);
        QVERIFY(!playWindow->isVisible());
        QCOMPARE(g_log, (QStringList{"video stop", "video seek 0"}));
        QVERIFY(mainWindow->ui().slowerBox->isChecked());
        QCOMPARE(mainWindow->settings().delay, 250);
        QCOMPARE(mainWindow->ui().delayBar->value(), 25);
    }

    // A video needs the X display; elsewhere the player says so (the headless platform aside).
    void videoNeedsX11_data() {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("needs");
        QTest::newRow("xcb") << "xcb" << false;
        QTest::newRow("wayland") << "wayland" << true;
        QTest::newRow("eglfs") << "eglfs" << true;
        QTest::newRow("offscreen") << "offscreen" << false;
    }
    void videoNeedsX11() {
        QFETCH(QString, platform);
        QFETCH(bool, needs);
        QCOMPARE(media::videoNeedsX11(platform), needs);
    }

    // A message's lone carriage return shows as a line break; the recorded text keeps it.
    void messageLineBreaks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("lone CR") << "File format can not be\rplayed."
                                 << "File format can not be\nplayed.";
        QTest::newRow("CR LF") << "one\r\ntwo"
                               << "one\ntwo";
        QTest::newRow("LF") << "one\ntwo"
                            << "one\ntwo";
        QTest::newRow("CR CR") << "a\r\rb"
                               << "a\n\nb";
    }
    void messageLineBreaks() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(platform::MessageBoxes::displayText(text), shown);
    }

    // A play starts the armed sound (and the video armed with it) before the pre-roll, the
    // video with the text, and stops and rewinds the players shown when it closes. A sound
    // loaded after arming the video takes the video's start before the pre-roll away.
    void startAndStopPoints_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("expected");
        // A medium that has ended is not started again by the play.
        QTest::newRow("both, the video ended in the pre-roll")
            << QStringList{"sound", "video", "arm", "end at once"}
            << QStringList{"sound play",   "video play", "pre-roll",    "sound stop",
                           "sound seek 0", "video stop", "video seek 0"};
        QTest::newRow("video") << QStringList{"video", "arm"}
                               << QStringList{"pre-roll", "video play", "video stop",
                                              "video seek 0"};
        QTest::newRow("sound") << QStringList{"sound", "arm"}
                               << QStringList{"sound play", "pre-roll", "sound stop",
                                              "sound seek 0"};
        QTest::newRow("both") << QStringList{"sound", "video", "arm"}
                              << QStringList{"sound play", "video play",  "pre-roll",
                                             "video play", "sound stop",  "sound seek 0",
                                             "video stop", "video seek 0"};
        QTest::newRow("sound loaded after arming the video")
            << QStringList{"video", "arm", "sound"}
            << QStringList{"sound play",   "pre-roll",   "video play",  "sound stop",
                           "sound seek 0", "video stop", "video seek 0"};
        QTest::newRow("armed and released")
            << QStringList{"sound", "video", "arm", "arm"}
            << QStringList{"pre-roll", "sound stop", "sound seek 0", "video stop", "video seek 0"};
        QTest::newRow("loaded, not armed")
            << QStringList{"sound", "video"}
            << QStringList{"pre-roll", "sound stop", "sound seek 0", "video stop", "video seek 0"};
    }
    void startAndStopPoints() {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, expected);
        runSteps(steps);
        // Loading a sound arms it without "Start w/Video": only the button lets it start.
        if (!steps.contains(QStringLiteral("arm")))
            QVERIFY(mainWindow->media().soundArmed() &&
                    !mainWindow->ui().startWithVideoButton->isChecked());
        g_log.clear();
        // The 10-second background is the pre-roll; its first tick marks it in the log.
        mainWindow->ui().tenSecondBackgroundAction->setChecked(true);
        bool marked = false;
        const auto c = connect(mainWindow->ui().waitTimer, &QTimer::timeout, this, [&marked] {
            if (!std::exchange(marked, true))
                g_log << QStringLiteral("pre-roll");
        });
        fx->setScript(QStringLiteral("One line"));
        mainWindow->playCommands().play();
        disconnect(c);
        playWindow->operatorKey(27);
        QCOMPARE(g_log, expected);
        QCOMPARE(mainWindow->ui().videoPlayer->isHidden(),
                 !steps.contains(QStringLiteral("video")));
    }
};

QTEST_MAIN(TestMediaPlayers)
#include "tst_mediaplayers.moc"
