// The recogniser over a short script spoken by espeak-ng at test time: it loads the model built
// from the script, hears the words, and the tracker follows the reader to the end; without
// words or without an input it says why.
#include "platform/SpeechRecognizer.h"
#include "voice/RecognitionFiles.h"
#include "voice/ScriptWords.h"
#include "voice/VoiceTracker.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <mutex>

using platform::SpeechRecognizer;

namespace {
const QStringList kScript = {
    QStringLiteral("Good evening. The city council voted tonight to close"),
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
} // namespace

class VoiceRecognitionTest : public QObject {
    Q_OBJECT
private slots:
    void followsASpokenScript();
    void saysWhyItCannotListen_data();
    void saysWhyItCannotListen();
};

void VoiceRecognitionTest::followsASpokenScript() {
    QTemporaryDir dir;
    const QString wav = dir.filePath(QStringLiteral("script.wav"));
    QProcess espeak;
    espeak.start(QStringLiteral("espeak-ng"), {QStringLiteral("-s"), QStringLiteral("150"),
                                               QStringLiteral("-w"), wav, kScript.join(u' ')});
    QVERIFY2(espeak.waitForFinished(60000) && espeak.exitCode() == 0, "espeak-ng is needed");

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
    // The tracker follows the hypotheses as the play does, revisions and all.
    for (const SpeechRecognizer::Hypothesis &h : run.hypotheses) {
        QList<HeardWord> words;
        for (const SpeechRecognizer::Word &w : h.words)
            words.append({w.text, w.start, w.end});
        tracker.hear(h.utterance, words, h.ended);
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

QTEST_GUILESS_MAIN(VoiceRecognitionTest)
#include "tst_voicerecognition.moc"
