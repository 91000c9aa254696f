// The wave pages on a real sound server: PulseAudio with a null sink and a null source,
// started by this test in a private runtime folder.
#include "TestSupport.h"

#include "platform/AudioDevices.h"
#include "sysinfo/SystemInfoDialog.h"

#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

class TestAudioDevices : public QObject {
    Q_OBJECT

    QTemporaryDir m_runtime;
    bool m_started = false;

    static bool run(const QString &program, const QStringList &arguments) {
        QProcess p;
        p.start(program, arguments);
        return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit &&
               p.exitCode() == 0;
    }

public:
    // Before the application exists: the media back end the program uses.
    static void initMain() { qputenv("QT_MEDIA_BACKEND", "gstreamer"); }

private slots:
    void initTestCase() {
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
        qputenv("PULSE_RUNTIME_PATH", QFile::encodeName(m_runtime.path() + "/pulse"));
        QVERIFY2(run("pulseaudio", {"-D", "--exit-idle-time=-1", "--disallow-exit=no"}),
                 "pulseaudio did not start");
        m_started = true;
        QVERIFY(run("pactl", {"load-module", "module-null-sink", "sink_name=lecto_out",
                              "sink_properties=device.description=LectoOut"}));
        QVERIFY(run("pactl", {"load-module", "module-null-source", "source_name=lecto_in",
                              "description=LectoIn"}));
    }
    void cleanupTestCase() {
        if (m_started)
            run("pactl", {"exit"});
    }

    void wavePages() {
        testsupport::Sandbox sandbox;
        SystemInfoDialog hood;
        // The server's devices reach the toolkit a moment after they were made.
        QTRY_VERIFY_WITH_TIMEOUT(
            !platform::AudioDevices::devices(platform::AudioClass::WaveIn).isEmpty(), 20000);
        hood.ui().pages->setCurrentIndex(0);
        QCOMPARE(hood.ui().pages->tabText(0), QStringLiteral("Wave Out 1"));
        QCOMPARE(hood.ui().waveOutList->count(), 2);
        QCOMPARE(hood.ui().waveOutList->item(0)->text(), QStringLiteral("Wave Mapper"));
        QCOMPARE(hood.ui().waveOutList->item(1)->text(), QStringLiteral("LectoOut"));
        const auto field = [&](const char *name) {
            return hood.findChild<QLabel *>(QString::fromLatin1(name))->text();
        };
        QCOMPARE(field("WaveOutDriverID"), QStringLiteral("-1"));
        QCOMPARE(field("WaveOutChannels"), QStringLiteral("2"));
        QVERIFY(
            field("WaveOutFormats").startsWith(QStringLiteral(" 44.1   kHz, Stereo, 16-bit\n")));
        QCOMPARE(field("WaveOutSupport"), QStringLiteral("Supports volume control\n"));

        hood.ui().pages->setCurrentIndex(2);
        QCOMPARE(hood.ui().pages->tabText(2), QStringLiteral("Wave In 1"));
        hood.waveInDeviceClicked(1);
        QCOMPARE(field("WaveInProductName"), QStringLiteral("LectoIn"));
        QCOMPARE(field("WaveInOutputDeviceID"), QStringLiteral("0"));
    }
};

QTEST_MAIN(TestAudioDevices)
#include "tst_audiodevices.moc"
