// The recogniser over a short script spoken by espeak-ng at test time: it loads the model built
// from the script, hears the words, and the tracker follows the reader to the end; without
// words or without an input it says why; a quiet room before the reader leaves the first words
// heard. The input goes quiet at a pause, not at a breath. Stopped while it prepares, it gives up
// at once (espeak-ng's pronunciations too).
#include "platform/QuietDetector.h"
#include "platform/SpeechRecognizer.h"
#include "voice/RecognitionFiles.h"
#include "voice/ScriptWords.h"
#include "voice/VoiceTracker.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QtEndian>

#include <cmath>
#include <mutex>
#include <random>

using platform::SpeechRecognizer;

namespace {
const QStringList kScript = {
    QStringLiteral("Good evening and welcome to the news at six. The city council voted"),
    QStringLiteral("tonight to close"),
    QStringLiteral("the old bridge for repairs that will take most of the summer."),
    QStringLiteral("Drivers should expect long delays on the river road.")};

struct Run {
    std::mutex mutex;
    QList<SpeechRecognizer::Hypothesis> hypotheses; // as they came, revisions and ends
};

// Starts `recognizer` over `file` (as fast as it decodes) for `lines`, collecting its
// hypotheses into `run`.
void listen(SpeechRecognizer &recognizer, Run &run, const QStringList &lines, const QString &file) {
    SpeechRecognizer::Setup setup = recognizerSetupFor(scriptWords(lines), file);
    setup.paced = false;
    recognizer.start(setup, [&run](const SpeechRecognizer::Hypothesis &h) {
        std::lock_guard lock(run.mutex);
        run.hypotheses.append(h);
    });
}

// Puts `seconds` of a quiet room's faint hiss before the sound of the 16-bit mono WAV `file`.
bool leadWithNoise(const QString &file, double seconds) {
    QFile f(file);
    if (!f.open(QIODevice::ReadWrite))
        return false;
    QByteArray wav = f.readAll();
    const qsizetype data = wav.indexOf("data");
    if (wav.size() < 44 || data < 0)
        return false;
    const quint32 rate = qFromLittleEndian<quint32>(wav.constData() + 24);
    std::mt19937 random(3);
    std::normal_distribution<double> hiss(0.0, 0.003 * 32768.0);
    QByteArray lead(qsizetype(seconds * rate) * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < lead.size(); i += 2)
        qToLittleEndian(qint16(hiss(random)), lead.data() + i);
    wav.insert(data + 8, lead);
    qToLittleEndian(quint32(wav.size() - 8), wav.data() + 4);
    qToLittleEndian(quint32(wav.size() - data - 8), wav.data() + data + 4);
    return f.seek(0) && f.write(wav) == wav.size();
}
} // namespace

class VoiceRecognitionTest : public QObject {
    Q_OBJECT
private slots:
    void followsASpokenScript_data();
    void followsASpokenScript();
    void saysWhyItCannotListen_data();
    void saysWhyItCannotListen();
    void hearsTheInputGoQuiet_data();
    void hearsTheInputGoQuiet();
    void givesUpWhenStopped();
};

void VoiceRecognitionTest::followsASpokenScript_data() {
    // Seconds of a quiet room before the reader: the recogniser's detector takes its first
    // moment for speech, which must not leave it mishearing the reader's first sentences.
    QTest::addColumn<double>("lead");
    QTest::newRow("from the first word") << 0.0;
    QTest::newRow("after a quiet room") << 5.0;
}

void VoiceRecognitionTest::followsASpokenScript() {
    QFETCH(double, lead);
    QTemporaryDir dir;
    const QString wav = dir.filePath(QStringLiteral("script.wav"));
    QProcess espeak;
    espeak.start(QStringLiteral("espeak-ng"), {QStringLiteral("-s"), QStringLiteral("150"),
                                               QStringLiteral("-w"), wav, kScript.join(u' ')});
    QVERIFY2(espeak.waitForFinished(60000) && espeak.exitCode() == 0, "espeak-ng is needed");
    QVERIFY(lead == 0.0 || leadWithNoise(wav, lead));

    SpeechRecognizer recognizer;
    Run run;
    listen(recognizer, run, kScript, wav);
    QTRY_VERIFY_WITH_TIMEOUT(recognizer.finished(), 120000);
    QCOMPARE(recognizer.failure(), SpeechRecognizer::Failure::None);
    QVERIFY(recognizer.soundSeconds() > 5.0);

    const ScriptWords script = scriptWords(kScript);
    VoiceTracker tracker(script.words);
    int heard = 0;
    double lastEnd = 0.0;
    double foundAt = -1.0; // seconds into the reading when the tracker first placed the reader
    // The tracker follows the hypotheses as the play does, revisions and all.
    for (const SpeechRecognizer::Hypothesis &h : run.hypotheses) {
        QList<HeardWord> words;
        for (const SpeechRecognizer::Word &w : h.words)
            words.append({w.text, w.start, w.end});
        const bool before = tracker.heardAny();
        tracker.hear(h.utterance, words, h.ended);
        if (!before && tracker.heardAny())
            foundAt = tracker.heardAt() - lead;
        if (!h.ended)
            continue;
        for (const SpeechRecognizer::Word &w : h.words) {
            // An utterance's words come in the order spoken, timed within the sound.
            QVERIFY(w.start >= lastEnd - 0.05 && w.end >= w.start);
            QVERIFY(w.end <= recognizer.soundSeconds() + 0.05);
            lastEnd = w.end;
            heard += script.words.contains(w.text) ? 1 : 0;
        }
    }
    // Most words are heard as written (the synthetic voice is hard on the first ones), and
    // the reader is followed to the last line.
    QVERIFY2(heard >= script.size() * 2 / 3, qPrintable(QString::number(heard)));
    QVERIFY(tracker.heardAny());
    // The reader is placed within two seconds of the first word, a quiet room before or not
    // (with the room's first moment taken for speech setting the decoder's mean, 2.1 s).
    QVERIFY2(foundAt >= 0.0 && foundAt <= 2.0, qPrintable(QString::number(foundAt)));
    QVERIFY2(tracker.position() >= script.size() - 3,
             qPrintable(QString::number(tracker.position())));
}

void VoiceRecognitionTest::saysWhyItCannotListen_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("failure");
    QTest::newRow("a script of no words") << QStringList{QStringLiteral("-- ... !")} << QString()
                                          << int(SpeechRecognizer::Failure::NoWords);
    QTest::newRow("an input that cannot be read")
        << kScript << QStringLiteral("/nonexistent/sound.wav")
        << int(SpeechRecognizer::Failure::NoInput);
}

void VoiceRecognitionTest::saysWhyItCannotListen() {
    QFETCH(QStringList, lines);
    QFETCH(QString, input);
    QFETCH(int, failure);
    SpeechRecognizer recognizer;
    Run run;
    listen(recognizer, run, lines, input);
    QTRY_VERIFY_WITH_TIMEOUT(recognizer.finished(), 60000);
    QCOMPARE(int(recognizer.failure()), failure);
    QVERIFY(run.hypotheses.isEmpty());
}

void VoiceRecognitionTest::hearsTheInputGoQuiet_data() {
    QTest::addColumn<double>("voice"); // a voice's loudness, share of full scale
    QTest::addColumn<double>("noise"); // the room's
    QTest::addColumn<double>("gap");   // seconds without the voice after 5 s of it
    QTest::addColumn<double>("quiet"); // seconds of quiet heard at the gap's end
    QTest::newRow("a breath, digital silence") << 0.1 << 0.0 << 0.4 << 0.4;
    QTest::newRow("a pause in a quiet room") << 0.1 << 0.003 << 2.0 << 2.0;
    QTest::newRow("a soft voice in a noisy room") << 0.03 << 0.005 << 1.0 << 1.0;
    QTest::newRow("a voice no louder than the room") << 0.005 << 0.005 << 1.0 << 6.0;
}

void VoiceRecognitionTest::hearsTheInputGoQuiet() {
    QFETCH(double, voice);
    QFETCH(double, noise);
    QFETCH(double, gap);
    QFETCH(double, quiet);
    // A voice of syllables (a 200 Hz tone beating five times a second) in the room's noise,
    // then the noise alone, in the recogniser's pieces of 32 ms.
    constexpr int kRate = 16000, kPiece = 512;
    std::mt19937 random(7);
    std::normal_distribution<double> hiss(0.0, noise * 32768.0);
    platform::QuietDetector detector;
    QList<qint16> piece(kPiece);
    const int samples = int((5.0 + gap) * kRate);
    for (int from = 0; from + kPiece <= samples; from += kPiece) {
        for (int i = 0; i < kPiece; ++i) {
            const double t = double(from + i) / kRate;
            const double syllables = std::abs(std::sin(M_PI * 5.0 * t));
            const double v =
                t < 5.0 ? voice * 32768.0 * syllables * std::sin(2 * M_PI * 200 * t) : 0;
            piece[i] = qint16(std::clamp(v + hiss(random), -32768.0, 32767.0));
        }
        detector.take(piece.constData(), kPiece, double(kPiece) / kRate);
    }
    QVERIFY2(std::abs(detector.quietFor() - quiet) < 0.1,
             qPrintable(QString::number(detector.quietFor())));
}

void VoiceRecognitionTest::givesUpWhenStopped() {
    const QStringList unknown{QStringLiteral("zorblax"), QStringLiteral("quenvit")};
    QCOMPARE(pronunciationsFromSynthesizer(unknown).size(), 2);
    QVERIFY(pronunciationsFromSynthesizer(unknown, [] { return true; }).isEmpty());
    SpeechRecognizer recognizer;
    SpeechRecognizer::Setup setup;
    setup.prepare = [](SpeechRecognizer::Setup &, const std::function<bool()> &stopped) {
        while (!stopped())
            QThread::msleep(1);
        return false;
    };
    recognizer.start(setup, [](const SpeechRecognizer::Hypothesis &) {});
    recognizer.stop();
    QVERIFY(recognizer.finished());
    QCOMPARE(recognizer.failure(), SpeechRecognizer::Failure::None);
}

QTEST_GUILESS_MAIN(VoiceRecognitionTest)
#include "tst_voicerecognition.moc"
