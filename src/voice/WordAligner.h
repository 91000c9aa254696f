#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Where in the script the reader is, from the words the recogniser heard last.
//
// The heard words are aligned with the script's words by a local alignment that lets words be
// misheard (another word in its place), left out (by the reader or the recogniser), said twice
// or added (an ad-lib): a heard word that matches the script gains, anything else costs. The
// alignment may begin anywhere in the heard words (older words that do not fit are let go)
// and ends with the last of them. Near the expected place the best alignment wins if a
// couple of words match; elsewhere in the script (a skipped paragraph, a new start) only a
// run of several matching words moves the reader there.
struct WordAlignment {
    bool found = false;
    int scriptIndex = -1; // the script word the last matched heard word is
    int heardIndex = -1;  // that heard word
    int matches = 0;      // heard words matched on the way
    int longMatches = 0;  // of them, words of four letters or more
};

// The script's spoken words as numbers, the same word the same number, so that the alignment
// compares numbers: a search of a long script's every word takes milliseconds, not tens.
// An empty string (a word the recogniser cannot hear) costs nothing to pass over.
class NumberedScript {
public:
    explicit NumberedScript(const QStringList &words);
    qsizetype size() const { return m_words.size(); }
    // Each script word's number; kUnheard for one the recogniser cannot hear.
    const QList<int> &words() const { return m_words; }
    // Heard words' numbers; kNotInScript for a word the script does not have.
    QList<int> numbersOf(const QStringList &heard) const;
    // Whether the word is of four letters or more, which common words seldom are.
    bool isLong(int number) const { return m_long[number]; }

    static constexpr int kUnheard = -1;
    static constexpr int kNotInScript = -2;

private:
    QList<int> m_words;
    QList<bool> m_long; // by number
    QHash<QString, int> m_numbers;
};

// expected: the script word the reader is thought to say next.
WordAlignment alignHeardWords(const NumberedScript &script, const QStringList &heard, int expected);
