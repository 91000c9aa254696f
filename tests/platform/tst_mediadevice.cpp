// The GStreamer media device with real files made for the test: which files open for a
// video and for a sound, the picture's natural size, playing, holding and rewinding, the
// end of a medium, a file cut short, and sound with no audio output. The test runs twice:
// with no sound server, and beside a private PulseAudio server with a null sink.
#include "platform/MediaDevice.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using platform::MediaDevice;
using Kind = MediaDevice::Kind;
using Mode = MediaDevice::Mode;

Q_DECLARE_METATYPE(MediaDevice::Kind)

namespace {
constexpr int kPatience = 30000; // a loaded machine decodes slowly
// A file name with spaces, a character URIs reserve and letters outside ASCII.
const QString kAccentedName = QStringLiteral("Nachrichten #1 \u00dcbersicht caf\u00e9.avi");

// A MIDI file of three half-second notes: the header, then one track.
QByteArray midiTune() {
    return QByteArray::fromHex("4d546864000000060000000100604d54726b0000001f00c00000903c6460803c40"
                               "0090406460804040009043646080434000ff2f00");
}
} // namespace

class TestMediaDevice : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString file(const QString &name) const { return dir.filePath(name); }

    bool ffmpeg(const QStringList &args) {
        QProcess p;
        p.start(QStringLiteral("ffmpeg"),
                QStringList{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y")} +
                    args);
        return p.waitForFinished(120000) && p.exitCode() == 0;
    }
    bool writeFile(const QString &name, const QByteArray &bytes) {
        QFile f(file(name));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
    std::unique_ptr<MediaDevice> opened(Kind kind, const QString &name) {
        auto d = MediaDevice::create(kind);
        if (!d->open(file(name)))
            return nullptr;
        return d;
    }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty())
            QSKIP("ffmpeg makes the test media and is not installed");
        QVERIFY(ffmpeg({"-f", "lavfi", "-i", "testsrc=size=176x144:rate=25", "-t", "3", "-c:v",
                        "mjpeg", file(QStringLiteral("clip.avi"))}));
        QVERIFY(ffmpeg({"-f", "lavfi", "-i", "sine=frequency=440:duration=1.5",
                        file(QStringLiteral("tone.wav"))}));
        QVERIFY(writeFile(QStringLiteral("tune.mid"), midiTune()));
        QVERIFY(writeFile(QStringLiteral("letter.avi"), "Dear operator,\nthis is no video.\n"));
        QFile clip(file(QStringLiteral("clip.avi")));
        QVERIFY(clip.open(QIODevice::ReadOnly));
        QVERIFY(writeFile(QStringLiteral("cut.avi"), clip.read(clip.size() / 3)));
        QVERIFY(QFile::copy(file(QStringLiteral("clip.avi")), file(kAccentedName)));
    }

    void open_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size"); // empty: opens with no picture; invalid: refused
        QTest::newRow("video") << Kind::Video << "clip.avi" << QSize(176, 144);
        QTest::newRow("spaces, # and accents") << Kind::Video << kAccentedName << QSize(176, 144);
        QTest::newRow("wave") << Kind::Sound << "tone.wav" << QSize(0, 0);
        QTest::newRow("midi") << Kind::Sound << "tune.mid" << QSize(0, 0);
        QTest::newRow("sound as video") << Kind::Video << "tone.wav" << QSize();
        QTest::newRow("silent video as sound") << Kind::Sound << "clip.avi" << QSize();
        QTest::newRow("text as video") << Kind::Video << "letter.avi" << QSize();
        QTest::newRow("text as sound") << Kind::Sound << "letter.avi" << QSize();
        QTest::newRow("missing") << Kind::Video << "gone.avi" << QSize();
    }
    void open() {
        QFETCH(Kind, kind);
        QFETCH(QString, name);
        QFETCH(QSize, size);
        auto d = MediaDevice::create(kind);
        QCOMPARE(d->open(file(name)), size.isValid());
        QCOMPARE(d->isOpen(), size.isValid());
        QCOMPARE(d->mode(), size.isValid() ? Mode::Stopped : Mode::NotOpen);
        if (size.isValid())
            QCOMPARE(d->naturalSize(), size.isEmpty() ? QSize() : size);
    }

    // Playing moves the position on; pause and stop hold it; a seek to 0 rewinds.
    void playHoldRewind_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("name");
        // Run beside a sound server and without one: the automatic sink falls back by itself.
        QTest::newRow("video") << Kind::Video << "clip.avi";
        QTest::newRow("wave") << Kind::Sound << "tone.wav";
        QTest::newRow("midi") << Kind::Sound << "tune.mid";
    }
    void playHoldRewind() {
        QFETCH(Kind, kind);
        QFETCH(QString, name);
        auto d = opened(kind, name);
        QVERIFY(d);
        QVERIFY(d->length() > 1000);
        d->play();
        QCOMPARE(d->mode(), Mode::Playing);
        QTRY_VERIFY_WITH_TIMEOUT(d->position() > 200, kPatience);
        d->pause();
        QCOMPARE(d->mode(), Mode::Paused);
        d->stop();
        QCOMPARE(d->mode(), Mode::Stopped);
        d->seek(0);
        QVERIFY(d->position() < 100);
        d->close();
        QCOMPARE(d->mode(), Mode::NotOpen);
    }

    // A medium that reaches its end stops by itself; Play then starts it from the beginning.
    void endOfMedium() {
        auto d = opened(Kind::Sound, QStringLiteral("tone.wav"));
        QVERIFY(d);
        d->seek(1200);
        d->play();
        QTRY_COMPARE_WITH_TIMEOUT(d->mode(), Mode::Stopped, kPatience);
        QVERIFY(d->ended());
        d->play();
        QCOMPARE(d->mode(), Mode::Playing);
        QVERIFY(!d->ended());
        QVERIFY(d->position() < 1200);
    }

    // A file cut short either refuses to open or plays what it has and stops.
    void cutShort() {
        auto d = MediaDevice::create(Kind::Video);
        if (!d->open(file(QStringLiteral("cut.avi"))))
            return;
        d->play();
        QTRY_COMPARE_WITH_TIMEOUT(d->mode(), Mode::Stopped, kPatience);
    }
};

QTEST_GUILESS_MAIN(TestMediaDevice)
#include "tst_mediadevice.moc"
