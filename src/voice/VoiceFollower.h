#pragma once

#include "platform/SpeechRecognizer.h"
#include "voice/VoiceSteering.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <mutex>

class VoiceTracker;
struct ScriptWords;

// Follows the reader's voice through the text of a scrolling play: the recogniser listens on
// a thread of its own for the script's words, and places each new hypothesis in the script
// there (VoiceTracker); on the play's thread the speed is steered (VoiceSteering) so that the
// word being said stays at the reading line. Nothing is loaded before start(); stop() frees
// it all.
//
// Positions are pixel rows the text has moved since its first line entered at the bottom.
class VoiceFollower {
public:
    struct Layout {
        int firstLine = 0;         // the display line the text starts with
        int lineHeight = 1;        // rows of a line
        int rowsToReadingLine = 0; // rows from the entry row up to the reading line
    };
    using Failure = platform::SpeechRecognizer::Failure;

    VoiceFollower();
    ~VoiceFollower();
    VoiceFollower(const VoiceFollower &) = delete;
    VoiceFollower &operator=(const VoiceFollower &) = delete;

    // Starts listening for the script's display lines. `rows`: where the text stands now;
    // `rowsPerSecond`: the speed it moves at; `nowNs`: the monotonic clock. The reader is
    // expected at the word standing at the reading line. `inputFile`: a sound file in place
    // of the sound input (empty: the input LECTOSCOPE_VOICE_INPUT names, or the default).
    void start(const QStringList &lines, const Layout &layout, double rows, double rowsPerSecond,
               qint64 nowNs, const QString &inputFile = QString());
    void stop();
    bool running() const { return m_recognizer != nullptr; }

    // The speed the text should move at now, rows a second (0 holds it still), with the text
    // at `rows`. While `steering` is false the reader is only followed, the speed not set.
    double steer(double rows, qint64 nowNs);
    // Following recorded words without a recogniser (the benchmark replays a recording):
    // follow() sets up as start() does, hear() takes a hypothesis, and steerHeard() steers as
    // steer() does, told when the sound began (monotonic clock) and what is heard now.
    void follow(const QStringList &lines, const Layout &layout, double rows, double rowsPerSecond,
                qint64 nowNs);
    void hear(const platform::SpeechRecognizer::Hypothesis &hypothesis);
    double steerHeard(double rows, qint64 nowNs, qint64 soundStartNs, const Hearing &hearing);

    // Speed steering starts afresh from `rowsPerSecond` (the operator handed it back).
    void restartSteering(double rowsPerSecond, qint64 nowNs);

    // Why the voice cannot be followed (None while it can); final once set.
    Failure failure() const;
    // The sound input's level 0..100, and whether speech is heard now.
    int level() const;
    bool speaking() const;
    // The script word heard last (-1 before the first).
    int heardWord() const;
    // The position at which script word `word` stands at the reading line.
    double targetOf(int word) const;
    // The position at which the place `along` words (of average length) into the script
    // stands at the reading line, between the words' own.
    double targetAt(double along) const;

private:
    void follow(const ScriptWords &script, const Layout &layout, double rows, double rowsPerSecond,
                qint64 nowNs);
    double secondsSince(qint64 nowNs) const;
    // Rows of text per word of average length around script word `word`.
    double rowsPerWordNear(int word);

    std::unique_ptr<platform::SpeechRecognizer> m_recognizer;
    std::unique_ptr<VoiceTracker> m_tracker;
    std::unique_ptr<VoiceSteering> m_steering;
    QList<double> m_targets; // each script word's position at the reading line
    QList<double> m_along;   // how far along the script each word ends, in average words
    double m_lineHeight = 1.0;
    double m_rowsPerWord = 1.0;
    int m_nearWord = -1; // the word rowsPerWordNear() last worked out, and its answer
    double m_nearRowsPerWord = 1.0;
    double m_firstTarget = 0.0;
    double m_startAlong = -1.0; // where the word at the reading line begins, in average words
    qint64 m_startNs = 0;
    // Where the words heard last put the reader: whether any word of the script was heard, the
    // script word heard last (before the first, the one before the expected first word), and
    // when it ended, in seconds of the sound. Set on the recogniser's thread.
    struct HeardPlace {
        bool any = false;
        int word = -1;
        double at = 0.0;
    };
    HeardPlace heard() const;
    mutable std::mutex m_mutex; // guards m_heard
    HeardPlace m_heard;
};
