#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

struct ScriptWords;

// What the recogniser is told to expect: a language model of the script's own words, so that
// it hears what is written, and the pronunciations of those words.

// The pronunciations of words, each a list of the acoustic model's phones ("HH AH L OW").
using Pronunciations = QHash<QString, QStringList>;

// The pronunciations of `wanted` in a dictionary text in the CMU format (a word, then its
// phones; "word(2)" holds a second pronunciation; ";;;" starts a comment).
Pronunciations readPronunciations(const QByteArray &dictionary, const QSet<QString> &wanted);

// An IPA transcription (as espeak-ng --ipa writes it) in the model's phones; empty when a sound
// has no counterpart.
QString phonesFromIpa(const QString &ipa);

// The dictionary file for the recogniser: one line a pronunciation, in the words' order.
QByteArray dictionaryText(const Pronunciations &pronunciations);

// A bigram model in the ARPA format over the script's words that have a pronunciation: every
// word's own share of the script (with a little smoothing), every pair of neighbouring words
// (a word the recogniser cannot hear is passed over), and sentence starts and ends. Backing
// off from a bigram to a unigram costs what the pairs' discount left, so that the reader may
// start and stop anywhere.
QByteArray languageModelText(const ScriptWords &script, const Pronunciations &pronunciations);
