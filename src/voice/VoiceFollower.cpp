#include "voice/VoiceFollower.h"

#include "voice/RecognitionFiles.h"
#include "voice/ScriptWords.h"
#include "voice/VoiceSteering.h"
#include "voice/VoiceTracker.h"

#include <algorithm>
#include <numeric>

using platform::SpeechRecognizer;

namespace {
// Each word's place is the mean of the places of the words this many before and after it (fewer
// near the ends, as many on either side): an empty line between paragraphs comes into the
// places over the words around it, about half a paragraph's either side, so that a text held
// at one speed stays near the reader through a paragraph and its turn alike instead of running
// to make up a line when the reader reaches the turn.
constexpr int kGapSpread = 30;
// A word's length: its letters and this many for the gap after it.
constexpr double kWordGap = 1.0;

void spreadGaps(QList<double> &places) {
    const int n = int(places.size());
    QList<double> sums(n + 1, 0.0);
    for (int i = 0; i < n; ++i)
        sums[i + 1] = sums[i] + places[i];
    for (int i = 0; i < n; ++i) {
        const int r = std::min({kGapSpread, i, n - 1 - i});
        places[i] = (sums[i + r + 1] - sums[i - r]) / double(2 * r + 1);
    }
}
} // namespace

VoiceFollower::VoiceFollower() = default;

VoiceFollower::~VoiceFollower() {
    stop();
}

double VoiceFollower::secondsSince(qint64 nowNs) const {
    return double(nowNs - m_startNs) / 1e9;
}

void VoiceFollower::start(const QStringList &lines, const Layout &layout, double rows,
                          double rowsPerSecond, qint64 nowNs, const QString &inputFile) {
    const ScriptWords script = scriptWords(lines);
    follow(script, layout, rows, rowsPerSecond, nowNs);
    m_recognizer = std::make_unique<SpeechRecognizer>();
    m_recognizer->start(recognizerSetupFor(script, inputFile),
                        [this](const SpeechRecognizer::Hypothesis &h) { hear(h); });
}

void VoiceFollower::follow(const QStringList &lines, const Layout &layout, double rows,
                           double rowsPerSecond, qint64 nowNs) {
    follow(scriptWords(lines), layout, rows, rowsPerSecond, nowNs);
}

void VoiceFollower::follow(const ScriptWords &script, const Layout &layout, double rows,
                           double rowsPerSecond, qint64 nowNs) {
    stop();
    m_startNs = nowNs;
    m_lineHeight = std::max(1, layout.lineHeight);
    // How long each word takes to say, near enough: its letters and a gap (a long word takes
    // longer, and fills more of its line).
    QList<double> lengths;
    lengths.reserve(script.size());
    for (const QString &word : script.words)
        lengths << double(word.size()) + kWordGap;
    // Each word's place: its line's rows, and its share of the line by its length.
    m_targets.clear();
    m_along.clear();
    m_nearWord = -1;
    m_targets.reserve(script.size());
    for (qsizetype i = 0; i < script.size();) {
        qsizetype end = i;
        double lineLength = 0.0;
        for (; end < script.size() && script.lines[end] == script.lines[i]; ++end)
            lineLength += lengths[end];
        const double lineStart =
            double(script.lines[i] - layout.firstLine) * m_lineHeight + layout.rowsToReadingLine;
        double before = 0.0;
        for (qsizetype k = i; k < end; ++k) {
            m_targets << lineStart + (before + 0.5 * lengths[k]) / lineLength * m_lineHeight;
            before += lengths[k];
        }
        i = end;
    }
    // How far along the script each word ends, in words of the script's average length.
    const double total = std::accumulate(lengths.cbegin(), lengths.cend(), 0.0);
    const double average = script.isEmpty() ? 1.0 : total / double(script.size());
    double along = 0.0;
    m_along.reserve(script.size());
    for (double length : lengths)
        m_along << (along += length / average);
    spreadGaps(m_targets);
    int firstWord = 0;
    while (firstWord < script.size() && m_targets[firstWord] < rows)
        ++firstWord;
    m_firstTarget = firstWord < script.size()
                        ? m_targets[firstWord]
                        : double(layout.rowsToReadingLine) + 0.5 * m_lineHeight;
    m_startAlong = firstWord > 0 ? m_along[firstWord - 1] : 0.0;
    const int spanLines = script.isEmpty() ? 1 : script.lines.last() - script.lines.first() + 1;
    m_rowsPerWord =
        script.isEmpty() ? m_lineHeight : spanLines * m_lineHeight / double(script.size());
    m_tracker = std::make_unique<VoiceTracker>(script.words, firstWord);
    m_steering = std::make_unique<VoiceSteering>(0.0, rowsPerSecond);
    std::lock_guard lock(m_mutex);
    m_heard = {false, m_tracker->position(), 0.0};
}

void VoiceFollower::stop() {
    m_recognizer.reset(); // ends its thread
    m_steering.reset();
    m_tracker.reset();
}

void VoiceFollower::hear(const SpeechRecognizer::Hypothesis &hypothesis) {
    // On the recogniser's thread: the words are placed in the script here, so that the play's
    // thread never waits for a search through a long script. Times stay in seconds of the sound.
    if (!m_tracker)
        return;
    QList<HeardWord> words;
    for (const SpeechRecognizer::Word &w : hypothesis.words)
        words.append({w.text, w.start, w.end});
    m_tracker->hear(hypothesis.utterance, words, hypothesis.ended);
    std::lock_guard lock(m_mutex);
    m_heard = {m_tracker->heardAny(), m_tracker->position(), m_tracker->heardAt()};
}

void VoiceFollower::restartSteering(double rowsPerSecond, qint64 nowNs) {
    if (m_steering)
        m_steering = std::make_unique<VoiceSteering>(secondsSince(nowNs), rowsPerSecond);
    m_startAlong = -1.0; // the reader is somewhere in the script
}

double VoiceFollower::steer(double rows, qint64 nowNs) {
    if (!m_recognizer)
        return 0.0;
    return steerHeard(
        rows, nowNs, m_recognizer->firstSampleNs(),
        {m_recognizer->inSpeech(), m_recognizer->silentFor(), m_recognizer->quietFor()});
}

double VoiceFollower::steerHeard(double rows, qint64 nowNs, qint64 soundStartNs,
                                 const Hearing &hearing) {
    if (!m_steering)
        return 0.0;
    const HeardPlace heardNow = heard();
    // Sound seconds on the follower's clock.
    const double soundStart = soundStartNs ? secondsSince(soundStartNs) : 0.0;
    SteeringInput in;
    in.now = secondsSince(nowNs);
    in.position = rows;
    in.lineHeight = m_lineHeight;
    in.firstTarget = m_firstTarget;
    in.startAlong = m_startAlong;
    in.heard = heardNow.any;
    const int word = heardNow.word;
    in.heardAlong = m_along.isEmpty() ? 0.0 : m_along[std::clamp(word, 0, int(m_along.size()) - 1)];
    in.rowsPerWord = rowsPerWordNear(in.heard ? word : 0);
    in.heardTarget = targetOf(word);
    in.heardAt = soundStart + heardNow.at;
    in.targetAt = [this](double along) {
        return targetAt(along);
    };
    in.hearing = hearing;
    return m_steering->steer(in);
}

double VoiceFollower::rowsPerWordNear(int word) {
    // Over the words a couple of paragraphs before and after, the nearer weighing more: a
    // paragraph's short last line and its gap come into the speed gradually, as the reader
    // nears them, and go as gradually, so that the speed hardly changes at each.
    // Worked out once for each word heard, not at every step of the speed.
    constexpr int kNear = 150;
    if (word == m_nearWord)
        return m_nearRowsPerWord;
    m_nearWord = word;
    const int last = int(m_targets.size()) - 1;
    const int from = std::max(0, word - kNear), to = std::min(last, word + kNear);
    if (to - from < kNear)
        return m_nearRowsPerWord = m_rowsPerWord;
    // Near the script's start or end the words on one side are missing: there the words weigh
    // alike, or the first paragraph, with no empty line before it, would weigh more than the
    // empty lines after it and the text would start slow.
    const bool cut = from > word - kNear || to < word + kNear;
    double rows = 0.0, words = 0.0;
    for (int k = from; k < to; ++k) {
        const double weight = cut ? 1.0 : 1.0 - std::abs(k - word) / double(kNear + 1);
        rows += weight * (m_targets[k + 1] - m_targets[k]);
        words += weight * (m_along[k + 1] - m_along[k]);
    }
    return m_nearRowsPerWord = rows / words;
}

double VoiceFollower::targetOf(int word) const {
    if (m_targets.isEmpty())
        return m_firstTarget;
    return m_targets[std::clamp(word, 0, int(m_targets.size()) - 1)];
}

double VoiceFollower::targetAt(double along) const {
    // Each word's place is where it ends along the script; beyond the first and the last
    // words the places run on at the script's rows a word.
    if (m_along.isEmpty())
        return m_firstTarget;
    const auto after = std::lower_bound(m_along.cbegin(), m_along.cend(), along);
    if (after == m_along.cbegin())
        return m_targets.first() + (along - m_along.first()) * m_rowsPerWord;
    if (after == m_along.cend())
        return m_targets.last() + (along - m_along.last()) * m_rowsPerWord;
    const qsizetype k = after - m_along.cbegin();
    const double share = (along - m_along[k - 1]) / (m_along[k] - m_along[k - 1]);
    return m_targets[k - 1] + share * (m_targets[k] - m_targets[k - 1]);
}

VoiceFollower::Failure VoiceFollower::failure() const {
    return m_recognizer ? m_recognizer->failure() : Failure::None;
}

int VoiceFollower::level() const {
    return m_recognizer ? m_recognizer->level() : 0;
}

bool VoiceFollower::speaking() const {
    return m_recognizer && m_recognizer->inSpeech();
}

VoiceFollower::HeardPlace VoiceFollower::heard() const {
    std::lock_guard lock(m_mutex);
    return m_heard;
}

int VoiceFollower::heardWord() const {
    const HeardPlace place = heard();
    return place.any ? place.word : -1;
}
