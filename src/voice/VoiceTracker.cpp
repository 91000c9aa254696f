#include "voice/VoiceTracker.h"

#include "voice/WordAligner.h"

#include <algorithm>

namespace {
// How many heard words an alignment looks at, and how many of the ended utterances' words
// are kept for it.
constexpr int kAligned = 12;
// A place a few words back is a recogniser's second thought, not the reader going back.
constexpr int kRevision = 3;
// Further on than this is a jump, confirmed by a later alignment at most this much further.
constexpr int kNear = 24;
constexpr int kConfirmWithin = 20;
// Nearer on, the place moves at most this many words, and this many more a second of sound
// since the word heard before: faster than any reader. The recogniser's guesses at the newest
// words of an utterance often match common words ("of the", "an") a line or two on, and are
// revised a moment later; taken as they come, the place would run ahead in bursts and back.
constexpr int kStepWords = 2;
constexpr double kFastestPace = 4.0;
} // namespace

VoiceTracker::VoiceTracker(const QStringList &script, int firstWord)
    : m_script(script), m_position(firstWord - 1) {}

bool VoiceTracker::hear(int utterance, const QList<HeardWord> &words, bool ended) {
    QList<HeardWord> recent = m_earlier;
    recent += words;
    if (recent.size() > kAligned)
        recent = recent.mid(recent.size() - kAligned);
    if (ended) {
        m_earlier += words;
        if (m_earlier.size() > kAligned)
            m_earlier = m_earlier.mid(m_earlier.size() - kAligned);
    }
    m_utterance = utterance;
    QStringList heard;
    for (const HeardWord &w : recent)
        heard << w.text;
    const WordAlignment a = alignHeardWords(m_script, heard, m_position + 1);
    if (!a.found || a.scriptIndex == m_position)
        return false;
    if (a.scriptIndex < m_position && m_position - a.scriptIndex <= kRevision)
        return false;
    // A jump far from the reader's place (a skipped paragraph, a new start) is taken once the
    // reader is heard going on from there: a later alignment a little further on.
    const bool far = a.scriptIndex < m_position || a.scriptIndex - m_position > kNear;
    if (far) {
        const bool confirmed = m_candidate >= 0 && a.scriptIndex > m_candidate &&
                               a.scriptIndex - m_candidate <= kConfirmWithin;
        if (!confirmed) {
            m_candidate = a.scriptIndex;
            return false;
        }
    }
    // A far place not yet confirmed stays in view until the reader is followed past it.
    if (far || a.scriptIndex >= m_candidate)
        m_candidate = -1;
    const double at = recent[a.heardIndex].end;
    int place = a.scriptIndex;
    if (!far && m_heardAny)
        place = std::min(place, m_position + kStepWords +
                                    int(std::max(0.0, at - m_heardAt) * kFastestPace));
    m_position = place;
    m_heardAny = true;
    m_heardAt = at;
    return true;
}
