#pragma once

#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// Speech heard from a sound input, recognised by PocketSphinx in a thread of its own.
//
// GStreamer brings the sound (the default input, or what LECTOSCOPE_VOICE_INPUT names: a
// sound file, played in real time as a microphone would deliver it, or a GStreamer source
// such as "pulsesrc" or "alsasrc device=hw:1") as 16 kHz mono samples; the decoder finds
// words in them against the given language model and dictionary. Nothing is stored or sent:
// the samples live only in the decoder's buffers. Nothing is loaded until start(); stop()
// (or the destructor) ends the thread and frees the model and the pipeline.
namespace platform {

class SpeechRecognizer {
public:
    struct Word {
        QString text;
        double start = 0.0; // seconds of the sound since the input started
        double end = 0.0;
    };
    // The words of one utterance so far (revised as it goes on); `ended` once it is over.
    struct Hypothesis {
        int utterance = 0;
        QList<Word> words;
        bool ended = false;
    };
    enum class Failure { None, NoInput, NoModel, NoWords };
    struct Setup {
        QString acousticModel; // the model's folder
        QString languageModel; // an ARPA file
        QString dictionary;
        // A sound file in place of the sound input, played in real time unless `paced` is
        // false (then as fast as the decoder takes it).
        QString inputFile;
        bool paced = true;
        // Run first on the thread (it may write the model's files and fill in their names);
        // false: there is nothing to listen for. `stopped` tells when stop() has been asked
        // for: a long preparation gives up then, so that stop() does not wait for it.
        std::function<bool(Setup &, const std::function<bool()> &stopped)> prepare;
    };
    using Listener = std::function<void(const Hypothesis &)>;

    SpeechRecognizer();
    ~SpeechRecognizer();
    SpeechRecognizer(const SpeechRecognizer &) = delete;
    SpeechRecognizer &operator=(const SpeechRecognizer &) = delete;

    // Starts the thread: it loads the model, opens the input and calls `listener` (on its own
    // thread) with every new hypothesis. `setup` names what the thread loads.
    void start(const Setup &setup, Listener listener);
    void stop();

    // What any thread may read while it runs: whether it has loaded its model and receives
    // sound, why it stopped, whether speech is heard and for how long it has not been (seconds
    // of sound), the input's level 0..100, how long the input has been quiet (seconds of
    // sound: a breath is a few tenths, see QuietDetector), how much sound it has taken
    // (seconds) and the processor time its thread has used (seconds).
    bool listening() const { return m_listening.load(); }
    bool finished() const { return m_finished.load(); }
    Failure failure() const { return m_failure.load(); }
    bool inSpeech() const { return m_inSpeech.load(); }
    int level() const { return m_level.load(); }
    double silentFor() const { return m_silentFor.load(); }
    double quietFor() const { return m_quietFor.load(); }
    double soundSeconds() const { return m_soundSeconds.load(); }
    double processorSeconds() const { return m_processorSeconds.load(); }
    // When the first sample was taken, on the monotonic clock (0 before): sound second t was
    // heard at firstSampleNs() + t.
    qint64 firstSampleNs() const { return m_firstSampleNs.load(); }

    // The model installed with the system's PocketSphinx, its dictionary, and the input the
    // environment names (LECTOSCOPE_VOICE_INPUT), empty for the default.
    static QString installedAcousticModel();
    static QString installedDictionary();
    static QString inputFromEnvironment();

private:
    void run(Setup setup, const Listener &listener);

    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_listening{false};
    std::atomic<bool> m_finished{false};
    std::atomic<Failure> m_failure{Failure::None};
    std::atomic<bool> m_inSpeech{false};
    std::atomic<int> m_level{0};
    std::atomic<double> m_silentFor{0.0};
    std::atomic<double> m_quietFor{0.0};
    std::atomic<double> m_soundSeconds{0.0};
    std::atomic<double> m_processorSeconds{0.0};
    std::atomic<qint64> m_firstSampleNs{0};
};

} // namespace platform
