#pragma once

#include "platform/SpeechRecognizer.h"
#include "voice/LanguageModel.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QTemporaryDir;
struct ScriptWords;

// The files the recogniser loads for one play: the dictionary of the script's words and the
// language model over them, written into a private temporary folder that goes with the object.
// Pronunciations come from the installed dictionary; a word it lacks is asked of espeak-ng
// (when it is installed) and its sounds mapped to the model's phones; a word left without one
// is left out of both files, and the aligner passes over it.
class RecognitionFiles {
public:
    RecognitionFiles();
    ~RecognitionFiles();

    // False when no word of the script can be heard, or the files cannot be written, or
    // `stopped` says to give up.
    bool write(const ScriptWords &script, const QString &installedDictionary,
               const std::function<bool()> &stopped = {});

    QString languageModelPath() const;
    QString dictionaryPath() const;
    // The script's distinct words with a pronunciation.
    const Pronunciations &pronunciations() const { return m_pronunciations; }

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    Pronunciations m_pronunciations;
};

// The recogniser's setup for listening for `script` from `inputFile` (empty: the sound input):
// the installed model, and the script's files, written on the recogniser's thread so that a
// long script does not hold up the play.
platform::SpeechRecognizer::Setup recognizerSetupFor(const ScriptWords &script,
                                                     const QString &inputFile = QString());

// The pronunciations espeak-ng gives `words` (one transcription a word), in the model's
// phones; empty when espeak-ng is not installed or answers in another shape, takes longer than
// half a minute, or `stopped` says to give up while it works.
Pronunciations pronunciationsFromSynthesizer(const QStringList &words,
                                             const std::function<bool()> &stopped = {});
