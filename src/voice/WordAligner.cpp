#include "voice/WordAligner.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kMatch = 3;
constexpr int kMismatch = -2;
constexpr int kSkipScript = -1; // a script word not heard
constexpr int kExtraHeard = -2; // a heard word not in the script

// How far around the expected word the near search looks, and what it needs.
constexpr int kNearBefore = 12;
constexpr int kNearAfter = 40;
constexpr int kNearMatches = 2;
// What the search of the whole script needs: a run of words that can hardly be chance.
constexpr int kFarMatches = 4;
constexpr int kFarScore = 4 * kMatch - 2;
// How far from the expected word an alignment may end before its distance costs.
constexpr int kFreeDistance = 3;
// The newest heard words, where a jump shows first; a run elsewhere must reach one of the
// last few of them.
constexpr int kTailWords = 7;
constexpr int kRecentWords = 3;
// A word this long is seldom a common one ("the", "and", "its").
constexpr int kLongWord = 4;

struct Cell {
    int score = 0;
    int matches = 0;
    int longMatches = 0; // of words of four letters or more, which common words seldom are
    int lastScript = -1; // the script word of the last match on the path
    int lastHeard = -1;
};

// The best alignment that ends with the last heard word, its script end inside [from, to).
// Each word its end lies away from the expected one, beyond a few, costs `distanceCost`: near
// the reader's place a short run of common words ("on the") far ahead is no evidence. Only
// ends at heard word `firstEndHeard` or later count.
WordAlignment bestIn(const NumberedScript &script, const QList<int> &heard, int from, int to,
                     int expected, int distanceCost, int firstEndHeard, int *scoreOut) {
    const int m = int(heard.size());
    const int width = to - from;
    if (m == 0 || width <= 0)
        return {};
    const QList<int> &words = script.words();
    // Rows: heard words 0..m; columns: script words from..to (column 0 is "before from").
    std::vector<Cell> prev(width + 1), cur(width + 1);
    for (int i = 1; i <= m; ++i) {
        cur[0] = Cell{}; // the path may start at any heard word
        for (int c = 1; c <= width; ++c) {
            const int j = from + c - 1;
            const int word = words[j];
            // Diagonal: heard word i-1 in place of script word j.
            Cell best;
            const Cell &d = prev[c - 1];
            if (word >= 0 && word == heard[i - 1]) {
                best = Cell{d.score + kMatch, d.matches + 1,
                            d.longMatches + (script.isLong(word) ? 1 : 0), j, i - 1};
            } else {
                best =
                    Cell{d.score + kMismatch, d.matches, d.longMatches, d.lastScript, d.lastHeard};
            }
            // Up: heard word i-1 is extra.
            const Cell &u = prev[c];
            if (u.score + kExtraHeard > best.score)
                best = Cell{u.score + kExtraHeard, u.matches, u.longMatches, u.lastScript,
                            u.lastHeard};
            // Left: script word j is not heard.
            const Cell &l = cur[c - 1];
            const int skip = word == NumberedScript::kUnheard ? 0 : kSkipScript;
            if (l.score + skip > best.score)
                best = Cell{l.score + skip, l.matches, l.longMatches, l.lastScript, l.lastHeard};
            // A local start: nothing before counts.
            if (best.score < 0)
                best = Cell{};
            cur[c] = best;
        }
        std::swap(prev, cur);
    }
    // The end: the row of the last heard word; ties go to the place nearest the expected one.
    WordAlignment out;
    int bestScore = 0;
    int bestDistance = 0;
    for (int c = 1; c <= width; ++c) {
        const Cell &cell = prev[c];
        if (cell.matches == 0 || cell.lastScript != from + c - 1 || cell.lastHeard < firstEndHeard)
            continue; // only ends at a matched word, recent enough
        const int distance = std::abs(cell.lastScript - expected);
        const int score = cell.score - distanceCost * std::max(0, distance - kFreeDistance);
        if (!out.found || score > bestScore || (score == bestScore && distance < bestDistance)) {
            out = WordAlignment{true, cell.lastScript, cell.lastHeard, cell.matches,
                                cell.longMatches};
            bestScore = score;
            bestDistance = distance;
        }
    }
    if (scoreOut)
        *scoreOut = bestScore;
    return out;
}

} // namespace

NumberedScript::NumberedScript(const QStringList &words) {
    m_words.reserve(words.size());
    for (const QString &word : words) {
        if (word.isEmpty()) {
            m_words << kUnheard;
            continue;
        }
        auto it = m_numbers.constFind(word);
        if (it == m_numbers.cend()) {
            it = m_numbers.insert(word, int(m_long.size()));
            m_long << (word.size() >= kLongWord);
        }
        m_words << it.value();
    }
}

QList<int> NumberedScript::numbersOf(const QStringList &heard) const {
    QList<int> out;
    out.reserve(heard.size());
    for (const QString &word : heard)
        out << m_numbers.value(word, kNotInScript);
    return out;
}

WordAlignment alignHeardWords(const NumberedScript &script, const QStringList &heardWords,
                              int expected) {
    const int n = int(script.size());
    if (n == 0 || heardWords.isEmpty())
        return {};
    const QList<int> heard = script.numbersOf(heardWords);
    expected = std::clamp(expected, 0, n - 1);
    int nearScore = 0;
    const int from = std::max(0, expected - kNearBefore);
    const int to = std::min(n, expected + kNearAfter);
    WordAlignment near = bestIn(script, heard, from, to, expected, 1, 0, &nearScore);
    // At the very start a single word heard where it is expected is enough.
    const bool nearEnough =
        near.found &&
        (near.matches >= kNearMatches ||
         (heard.size() == 1 && near.scriptIndex - expected <= 2 && near.scriptIndex >= expected));
    // A jump shows first in the newest words: the whole script is searched only when they do
    // not fit near the expected place, and there only they count.
    const int tailStart = std::max(0, int(heard.size()) - kTailWords);
    const QList<int> tail = heard.mid(tailStart);
    int tailNearScore = 0;
    const WordAlignment tailNear = bestIn(script, tail, from, to, expected, 1, 0, &tailNearScore);
    if (nearEnough && tailNear.matches * 2 >= int(tail.size()) && tailNear.longMatches > 0)
        return near;
    int farScore = 0;
    WordAlignment far =
        bestIn(script, tail, 0, n, expected, 0, int(tail.size()) - kRecentWords, &farScore);
    far.heardIndex += tailStart;
    // Going back takes more: readers seldom do, and a script repeats its common phrases.
    const int needed = far.scriptIndex < expected ? kFarMatches + 2 : kFarMatches;
    const bool farStrong = far.found && far.matches >= needed &&
                           farScore >= kFarScore + (needed - kFarMatches) * kMatch;
    if (farStrong && (!nearEnough || farScore >= tailNearScore + 2 * kMatch))
        return far;
    if (nearEnough)
        return near;
    return {};
}
