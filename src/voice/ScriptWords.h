#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The words of a script as a reader says them: lower case, without punctuation, numbers in
// words ("1999" is "nineteen ninety nine", "3rd" is "third", "2.5" is "two point five"), each
// with the display line it stands on. The recogniser hears these words and the aligner
// matches them.
struct ScriptWords {
    QStringList words;
    QList<int> lines;        // the display line of each word
    QList<bool> sentenceEnd; // the word ends a sentence (., ! or ?)

    qsizetype size() const { return words.size(); }
    bool isEmpty() const { return words.isEmpty(); }
};

// The spoken words of the script's display lines.
ScriptWords scriptWords(const QStringList &lines);

// The spoken words of one written token ("don't", "1,200", "21st", "well-known", "$5").
QStringList spokenWords(const QString &token);

// A whole number in words ("one hundred twenty three"); negative numbers start with "minus".
QStringList numberInWords(qint64 n);
