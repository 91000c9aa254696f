#include "voice/RecognitionFiles.h"

#include "voice/ScriptWords.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// How long espeak-ng may take over the words, and how often the wait looks whether to give up.
constexpr qint64 kLongestWaitMs = 30000;
constexpr int kLookEveryMs = 50;

bool writeFile(const QString &path, const QByteArray &bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

RecognitionFiles::RecognitionFiles() = default;
RecognitionFiles::~RecognitionFiles() = default;

QString RecognitionFiles::languageModelPath() const {
    return m_folder ? m_folder->filePath(QStringLiteral("script.lm")) : QString();
}

QString RecognitionFiles::dictionaryPath() const {
    return m_folder ? m_folder->filePath(QStringLiteral("script.dict")) : QString();
}

bool RecognitionFiles::write(const ScriptWords &script, const QString &installedDictionary,
                             const std::function<bool()> &stopped) {
    m_folder.reset();
    m_pronunciations.clear();
    const QSet<QString> wanted(script.words.cbegin(), script.words.cend());
    if (wanted.isEmpty())
        return false;
    QFile dictionary(installedDictionary);
    if (dictionary.open(QIODevice::ReadOnly))
        m_pronunciations = readPronunciations(dictionary.readAll(), wanted);
    QStringList missing;
    for (const QString &w : wanted)
        if (!m_pronunciations.contains(w))
            missing << w;
    const Pronunciations made = pronunciationsFromSynthesizer(missing, stopped);
    if (stopped && stopped())
        return false;
    for (auto it = made.cbegin(); it != made.cend(); ++it)
        m_pronunciations.insert(it.key(), it.value());
    if (m_pronunciations.isEmpty())
        return false;
    m_folder = std::make_unique<QTemporaryDir>();
    if (!m_folder->isValid() || !writeFile(dictionaryPath(), dictionaryText(m_pronunciations)) ||
        !writeFile(languageModelPath(), languageModelText(script, m_pronunciations))) {
        m_folder.reset();
        return false;
    }
    return true;
}

platform::SpeechRecognizer::Setup recognizerSetupFor(const ScriptWords &script,
                                                     const QString &inputFile) {
    using platform::SpeechRecognizer;
    SpeechRecognizer::Setup setup;
    setup.acousticModel = SpeechRecognizer::installedAcousticModel();
    setup.inputFile = inputFile;
    auto files = std::make_shared<RecognitionFiles>();
    setup.prepare = [files, script](SpeechRecognizer::Setup &s,
                                    const std::function<bool()> &stopped) {
        if (!files->write(script, SpeechRecognizer::installedDictionary(), stopped))
            return false;
        s.languageModel = files->languageModelPath();
        s.dictionary = files->dictionaryPath();
        return true;
    };
    return setup;
}

Pronunciations pronunciationsFromSynthesizer(const QStringList &words,
                                             const std::function<bool()> &stopped) {
    Pronunciations out;
    if (words.isEmpty())
        return out;
    const QString program = QStandardPaths::findExecutable(QStringLiteral("espeak-ng"));
    if (program.isEmpty())
        return out;
    QProcess espeak;
    espeak.start(program, {QStringLiteral("-q"), QStringLiteral("--ipa"), QStringLiteral("-v"),
                           QStringLiteral("en-us")});
    if (!espeak.waitForStarted(5000))
        return out;
    // One word a line: espeak-ng answers with one transcription a line.
    espeak.write(words.join(u'\n').toUtf8() + '\n');
    espeak.closeWriteChannel();
    // At most half a minute, and not a moment once the recogniser is stopped.
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if ((stopped && stopped()) || waited.elapsed() > kLongestWaitMs) {
            espeak.kill();
            espeak.waitForFinished(1000);
            return out;
        }
        if (espeak.waitForFinished(kLookEveryMs) || espeak.state() == QProcess::NotRunning)
            break;
    }
    if (espeak.exitStatus() != QProcess::NormalExit || espeak.exitCode() != 0)
        return out;
    const QStringList lines =
        QString::fromUtf8(espeak.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    if (lines.size() != words.size())
        return out; // the answer does not line up with the words
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString phones = phonesFromIpa(lines[i].trimmed());
        if (!phones.isEmpty())
            out.insert(words[i], {phones});
    }
    return out;
}
