#pragma once

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

// script: the script's spoken words, an empty string for a word the recogniser cannot hear
// (it costs nothing to pass over). expected: the script word the reader is thought to say
// next.
WordAlignment alignHeardWords(const QStringList &script, const QStringList &heard, int expected);
