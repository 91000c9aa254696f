#pragma once

#include "voice/WordAligner.h"

#include <QList>
#include <QString>
#include <QStringList>

// A word the recogniser heard, with its start and end in seconds of the sound.
struct HeardWord {
    QString text;
    double start = 0.0;
    double end = 0.0;
};

// Follows the reader through the script from the recogniser's results: each new hypothesis of
// an utterance (revised as the utterance goes on) is aligned, together with the last words of
// the utterances before it, with the script near where the reader was (alignHeardWords).
class VoiceTracker {
public:
    // The script's spoken words (an empty string for a word the recogniser cannot hear), and
    // the word the reader is expected to say first.
    explicit VoiceTracker(const QStringList &script, int firstWord = 0);

    // The words of utterance `utterance` so far; `ended` once the utterance is over. True when
    // the reader's place moved.
    bool hear(int utterance, const QList<HeardWord> &words, bool ended);

    // Whether a word of the script has been heard; the script word heard last (before the
    // first, the one before the expected first word) and when it ended.
    bool heardAny() const { return m_heardAny; }
    int position() const { return m_position; }
    double heardAt() const { return m_heardAt; }

private:
    NumberedScript m_script;
    QList<HeardWord> m_earlier; // the last words of the utterances that ended
    int m_utterance = -1;
    int m_position = -1;
    double m_heardAt = 0.0;
    bool m_heardAny = false;
    int m_candidate = -1; // a far place the reader may have jumped to, not yet confirmed
};
