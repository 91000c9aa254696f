// Following the reader's voice, measured: a 300-word news script is spoken by espeak-ng at
// 110, 150 and 190 words a minute into a sound file, with a 10-second silence in its second
// paragraph and its fourth paragraph left out (the reader skips it). Each sentence is spoken
// on its own and the pieces joined, so the time of every word is known (a sentence's voiced
// time shared among its words by their letters). The recogniser decodes each file as fast as
// it can (the processor time it needs per second of sound is its share of one processor at
// real time), and its hypotheses, each at the sound time it came out, are replayed through the
// voice follower steering a simulated play: rows paced by the Delay the follower sets (the
// row wait of the program), held still while it answers 0, steered at most every 20 ms.
//
// It prints one line a speed: the share of the time (after the first 5 s) the line at the
// reading line is the spoken line or one next to it, the median lag of the tracked word behind
// the spoken word, how long after the silence began the text stood still and how long after
// the voice came back it moved, how long after the skip the reader was found again, and the
// recogniser's processor share. "--keep FOLDER" keeps the sound files and the script
// (voice-150.wav, script.txt) for bench/voice_pace.sh; VOICE_BENCH_TRACE=1 prints, once a
// second, the line at the reading line, the spoken line, the tracked line and the speed;
// VOICE_BENCH_WPM=150 measures that speed alone. Under each speed's line: the reader's own speed
// over each 5 s of the first minute. The last line: how long a 1 MB script's words take to work
// out and to number, and one search of them all.

#include "BenchScript.h"
#include "platform/SpeechRecognizer.h"
#include "play/RowSchedule.h"
#include "voice/RecognitionFiles.h"
#include "voice/ScriptWords.h"
#include "voice/VoiceFollower.h"
#include "voice/WordAligner.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <mutex>

using platform::SpeechRecognizer;

namespace {

// Five paragraphs, 300 words.
const char *const kParagraphs[] = {
    "Good evening and welcome to the news at six. The city council voted tonight to close the "
    "old bridge for repairs that will take most of the summer. Drivers should expect long "
    "delays on the river road, and the ferry will run every twenty minutes from Monday. The "
    "mayor said the work could not wait another year.",
    "Engineers found cracks in two of the steel beams during an inspection last month. They "
    "say the bridge is safe for now, but only for light traffic. Trucks and buses have been "
    "sent on a long detour through the north of the town. Shop owners near the bridge fear "
    "that fewer people will stop on their way home. The council will meet again next week to "
    "decide how the repairs should be paid for.",
    "In other news, the school board has approved a plan to build a new library next to the "
    "park. The building will have room for children to read and study after school, and a "
    "small theatre for plays and music. Work is expected to begin in the spring, if the "
    "weather is kind.",
    "The weather this week will be mild and dry, with sunny mornings and a light wind from "
    "the west. Farmers say they would welcome some rain before the harvest begins. The "
    "weekend should stay warm, although a few clouds may gather over the hills on Sunday "
    "evening.",
    "In sport, the home team won its third game in a row with a late goal from the captain. "
    "The crowd stood and cheered for several minutes after the final whistle. The coach "
    "thanked the supporters and said the players had carried them through a difficult "
    "season. Next week the team plays away in the capital. That is all from us tonight. Thank you "
    "for watching, and good night.",
};
constexpr int kSkippedParagraph = 3;
constexpr int kSilenceParagraph = 1;
constexpr double kSilenceSeconds = 10.0;
// The play's layout: 1080 rows, a line 60 rows high, the reading line a third down.
constexpr int kLineHeight = 60;
constexpr int kRowsToReadingLine = 1079 - 360;
constexpr int kWordsPerLine = 8;

struct Sound {
    int rate = 22050;
    QByteArray samples; // 16-bit mono
    double seconds() const { return double(samples.size()) / 2.0 / rate; }
};

Sound readWav(const QString &path) {
    QFile f(path);
    Sound s;
    if (!f.open(QIODevice::ReadOnly))
        return s;
    const QByteArray b = f.readAll();
    qsizetype pos = 12;
    while (pos + 8 <= b.size()) {
        const QByteArray id = b.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(b.constData() + pos + 4);
        if (id == "fmt ")
            s.rate = int(qFromLittleEndian<quint32>(b.constData() + pos + 12));
        if (id == "data") {
            s.samples = b.mid(pos + 8, std::min<qsizetype>(size, b.size() - pos - 8));
            break;
        }
        pos += 8 + size + (size & 1);
    }
    return s;
}

void writeWav(const QString &path, const Sound &s) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return;
    QDataStream out(&f);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 data = quint32(s.samples.size());
    out.writeRawData("RIFF", 4);
    out << quint32(36 + data);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(s.rate) << quint32(s.rate * 2)
        << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << data;
    out.writeRawData(s.samples.constData(), int(data));
}

// The first and last loud sample of a piece, seconds.
std::pair<double, double> voicedSpan(const Sound &s) {
    const auto *v = reinterpret_cast<const qint16 *>(s.samples.constData());
    const qsizetype n = s.samples.size() / 2;
    qsizetype a = 0, b = n;
    while (a < n && std::abs(v[a]) < 500)
        ++a;
    while (b > a && std::abs(v[b - 1]) < 500)
        --b;
    return {double(a) / s.rate, double(b) / s.rate};
}

struct SpokenWord {
    int word = 0; // script word
    double start = 0.0, end = 0.0;
};

struct Recording {
    Sound sound;
    QList<SpokenWord> spoken;
    double silenceStart = 0.0, silenceEnd = 0.0;
    double skipResumes = 0.0; // when the first word after the skipped paragraph is said
    int firstAfterSkip = 0;   // that word
};

QStringList sentencesOf(const QString &paragraph) {
    QStringList out;
    QString current;
    for (const QString &w : paragraph.split(u' ', Qt::SkipEmptyParts)) {
        current += (current.isEmpty() ? QString() : QStringLiteral(" ")) + w;
        if (w.endsWith(u'.') || w.endsWith(u'?') || w.endsWith(u'!')) {
            out << current;
            current.clear();
        }
    }
    if (!current.isEmpty())
        out << current;
    return out;
}

Recording record(int wordsPerMinute, bool pauseAndSkip, const QString &folder) {
    Recording r;
    int word = 0;
    int piece = 0;
    for (int p = 0; p < int(std::size(kParagraphs)); ++p) {
        const QStringList sentences = sentencesOf(QString::fromLatin1(kParagraphs[p]));
        for (int k = 0; k < sentences.size(); ++k) {
            const ScriptWords words = scriptWords({sentences[k]});
            if (pauseAndSkip && p == kSkippedParagraph) {
                word += int(words.size());
                continue;
            }
            const QString path = folder + QStringLiteral("/piece%1.wav").arg(piece++);
            QProcess::execute(QStringLiteral("espeak-ng"),
                              {QStringLiteral("-s"), QString::number(wordsPerMinute),
                               QStringLiteral("-w"), path, sentences[k]});
            const Sound s = readWav(path);
            r.sound.rate = s.rate;
            const double offset = r.sound.seconds();
            if (pauseAndSkip && p == kSkippedParagraph + 1 && k == 0) {
                r.firstAfterSkip = word;
                r.skipResumes = offset + voicedSpan(s).first;
            }
            // The sentence's voiced time, shared by letters (and a pause's worth a word).
            const auto [a, b] = voicedSpan(s);
            double letters = 0;
            for (const QString &w : words.words)
                letters += w.size() + 2;
            double t = offset + a;
            for (const QString &w : words.words) {
                const double d = (b - a) * (w.size() + 2) / letters;
                r.spoken.append({word++, t, t + d});
                t += d;
            }
            r.sound.samples += s.samples;
            if (pauseAndSkip && p == kSilenceParagraph && k == sentences.size() / 2 - 1) {
                r.silenceStart = r.sound.seconds();
                r.sound.samples += QByteArray(int(kSilenceSeconds * r.sound.rate) * 2, '\0');
                r.silenceEnd = r.sound.seconds();
            }
        }
    }
    // The voice comes back at the first word after the silence.
    for (const SpokenWord &w : r.spoken)
        if (w.start >= r.silenceEnd) {
            r.silenceEnd = w.start;
            break;
        }
    return r;
}

struct Heard {
    double at = 0.0; // the sound second it came out at
    SpeechRecognizer::Hypothesis hypothesis;
};

QStringList displayLines() {
    QStringList lines;
    for (const char *p : kParagraphs) {
        const QStringList words = QString::fromLatin1(p).split(u' ', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < words.size(); i += kWordsPerLine)
            lines << words.mid(i, kWordsPerLine).join(u' ');
        lines << QString();
    }
    return lines;
}

double median(QList<double> v) {
    if (v.isEmpty())
        return NAN;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// The spread of speeds over their mean.
double cvOf(const QList<double> &speeds) {
    double sum = 0.0, squares = 0.0;
    for (double v : speeds) {
        sum += v;
        squares += v * v;
    }
    const double n = std::max<double>(1, speeds.size()), mean = sum / n;
    return mean > 0 ? std::sqrt(std::max(0.0, squares / n - mean * mean)) / mean : 0.0;
}

} // namespace

struct Sample {
    double t, rows;
    int tracked;
    double speed; // rows a second
};

struct Replay {
    QList<Sample> samples;
    double cpu = 0.0; // processor seconds per second of sound
    // The speed of each row from 8 s to 23 s: its lowest and highest, rows a second, and its CV
    // (framepace's measure); and the CV from 30 s to 60 s, once the reader's pace is known.
    double slowest = 0.0, fastest = 0.0, cv = 0.0, steadyCv = 0.0;
};

// Decodes `rec` (written to `wav`) and replays its hypotheses through the follower.
Replay replay(const Recording &rec, const QString &wav, const QStringList &lines,
              const ScriptWords &script) {
    writeWav(wav, rec.sound);
    // Decode as fast as the recogniser goes, keeping each hypothesis and its time.
    SpeechRecognizer recognizer;
    std::mutex mutex;
    QList<Heard> heard;
    SpeechRecognizer::Setup setup = recognizerSetupFor(script, wav);
    setup.paced = false;
    recognizer.start(setup, [&](const SpeechRecognizer::Hypothesis &h) {
        std::lock_guard lock(mutex);
        heard.append({recognizer.soundSeconds(), h});
    });
    while (!recognizer.finished())
        QThread::msleep(50);
    const double cpu = recognizer.processorSeconds() / std::max(1.0, rec.sound.seconds());

    // Speech is heard as the recogniser's voice detector hears it: from a fifth of a second
    // into a word to half a second after the last. The input is quiet from the end of a word
    // to the start of the next.
    const auto speaking = [&rec](double t) {
        return std::any_of(rec.spoken.cbegin(), rec.spoken.cend(), [t](const SpokenWord &w) {
            return t >= w.start + 0.2 && t < w.end + 0.5;
        });
    };
    double spokeAt = 0.0;
    const auto quietFor = [&rec](double t) {
        double last = 0.0;
        for (const SpokenWord &w : rec.spoken) {
            if (w.start <= t && t < w.end)
                return 0.0;
            if (w.end <= t)
                last = std::max(last, w.end);
        }
        return t - last;
    };

    // The play, replayed: rows at the follower's Delay, held still while it answers 0.
    VoiceFollower follower;
    const VoiceFollower::Layout layout{0, kLineHeight, kRowsToReadingLine};
    const double startSpeed = 40.0;
    // The reader starts as the first line reaches the reading line.
    double rows = kRowsToReadingLine;
    follower.follow(lines, layout, rows, startSpeed, 0);
    double t = 0.0, nextSteer = 0.0, nextSample = 0.0;
    int delay = delayForRowsPerSecond(startSpeed);
    bool held = false;
    qsizetype next = 0;
    QList<Sample> samples;
    QList<double> rowSpeeds, steadySpeeds; // each row's speed from 8 s to 23 s, 30 s to 60 s
    const double end = rec.sound.seconds() + 2.0;
    while (t < end) {
        while (next < heard.size() && heard[next].at <= t)
            follower.hear(heard[next++].hypothesis);
        if (t >= nextSteer) {
            nextSteer = t + 0.02;
            const bool speech = speaking(t);
            spokeAt = speech ? t : spokeAt;
            const double speed =
                follower.steerHeard(rows, qint64(t * 1e9), 0, {speech, t - spokeAt, quietFor(t)});
            held = speed <= 0.0;
            if (!held)
                delay = delayForRowsPerSecond(speed);
        }
        if (held) {
            t += 0.01;
        } else {
            t += double(rowWaitNs(delay)) / 1e9;
            rows += 1;
            if (t >= 8.0 && t <= 23.0)
                rowSpeeds << 1e9 / double(rowWaitNs(delay));
            if (t >= 30.0 && t <= 60.0)
                steadySpeeds << 1e9 / double(rowWaitNs(delay));
        }
        while (nextSample <= t) {
            samples.append({nextSample, rows, follower.heardWord(),
                            held ? 0.0 : 1e9 / double(rowWaitNs(delay))});
            nextSample += 0.1;
        }
    }

    const auto [slowest, fastest] = std::minmax_element(rowSpeeds.cbegin(), rowSpeeds.cend());
    return {samples,
            cpu,
            rowSpeeds.isEmpty() ? 0.0 : *slowest,
            rowSpeeds.isEmpty() ? 0.0 : *fastest,
            cvOf(rowSpeeds),
            cvOf(steadySpeeds)};
}

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QString keep;
    const QStringList args = app.arguments();
    if (const qsizetype i = args.indexOf(QStringLiteral("--keep")); i >= 0 && i + 1 < args.size())
        keep = args[i + 1];
    QTemporaryDir folder;
    const QStringList lines = displayLines();
    const ScriptWords script = scriptWords(lines);
    if (!keep.isEmpty()) {
        QDir().mkpath(keep);
        QFile f(keep + QStringLiteral("/script.txt"));
        if (f.open(QIODevice::WriteOnly))
            f.write(lines.join(QStringLiteral("\r\n")).toUtf8());
    }
    std::printf("%-5s %-6s %-9s %-8s %-10s %-10s %-9s %-5s %s\n", "wpm", "words", "tracked",
                "lag s", "still s", "moves s", "found s", "cpu", "rows/s 8-23 s (cv), cv 30-60 s");
    QList<int> speeds{110, 150, 190};
    if (const int only = qEnvironmentVariableIntValue("VOICE_BENCH_WPM"); only > 0)
        speeds = {only};
    for (int wpm : speeds) {
        // The plain reading gives the tracking and the lag; the one with a silence and a
        // skipped paragraph the rest.
        const Recording rec = record(wpm, false, folder.path());
        const Recording events = record(wpm, true, folder.path());
        const QString wav = folder.filePath(QStringLiteral("voice-%1.wav").arg(wpm));
        const Replay plain = replay(rec, wav, lines, script);
        const Replay eventful = replay(
            events, folder.filePath(QStringLiteral("events-%1.wav").arg(wpm)), lines, script);
        if (!keep.isEmpty())
            QFile::copy(wav, keep + QStringLiteral("/voice-%1.wav").arg(wpm));
        const double cpu = std::max(plain.cpu, eventful.cpu);

        // The figures.
        const auto spokenAt = [&rec](double t) {
            int s = -1;
            for (qsizetype i = 0; i < rec.spoken.size() && rec.spoken[i].start <= t; ++i)
                s = int(i);
            return s;
        };
        const auto saidAt = [&rec](int word) {
            for (const SpokenWord &w : rec.spoken)
                if (w.word == word)
                    return w.start;
            return -1.0;
        };
        int inLine = 0, counted = 0;
        QList<double> lags;
        for (const Sample &s : plain.samples) {
            const int k = spokenAt(s.t);
            if (s.t < 5.0 || k < 0)
                continue;
            const SpokenWord &w = rec.spoken[k];
            const int spokenLine = script.lines[w.word];
            const int readingLine =
                int(std::floor((s.rows - kRowsToReadingLine) / double(kLineHeight)));
            ++counted;
            if (qEnvironmentVariableIsSet("VOICE_BENCH_TRACE") && int(s.t * 10) % 10 == 0)
                std::fprintf(stderr, "%d t=%.1f reading=%d spoken=%d tracked=%d speed=%.1f\n", wpm,
                             s.t, readingLine, spokenLine,
                             s.tracked >= 0 ? script.lines[s.tracked] : -1, s.speed);
            inLine += std::abs(readingLine - spokenLine) <= 1 ? 1 : 0;
            const bool voiced = s.t <= w.end + 0.3;
            if (voiced && s.tracked >= 0 && saidAt(s.tracked) >= 0)
                lags << w.start - saidAt(s.tracked);
        }
        // The silence: when the text last started standing before the voice came back, and
        // when it moved again after.
        const QList<Sample> &samples = eventful.samples;
        double stillAt = NAN, movedAt = NAN;
        for (qsizetype i = 1; i < samples.size(); ++i) {
            const Sample &s = samples[i];
            if (s.t > events.silenceStart && s.t <= events.silenceEnd &&
                s.rows != samples[i - 1].rows)
                stillAt = NAN;
            else if (s.t > events.silenceStart && s.t <= events.silenceEnd && std::isnan(stillAt))
                stillAt = samples[i - 1].t;
            if (s.t > events.silenceEnd && std::isnan(movedAt) && s.rows != samples[i - 1].rows)
                movedAt = samples[i - 1].t;
        }
        double foundAt = NAN;
        for (const Sample &s : samples)
            if (s.t >= events.skipResumes && s.tracked >= events.firstAfterSkip) {
                foundAt = s.t;
                break;
            }
        std::printf(
            "%-5d %-6lld %-9s %-8.2f %-10.1f %-10.1f %-9.1f %-5s %.0f-%.0f (%.3f), %.3f\n", wpm,
            (long long)script.size(),
            qPrintable(QStringLiteral("%1%").arg(100.0 * inLine / std::max(1, counted), 0, 'f', 1)),
            median(lags), stillAt - events.silenceStart, movedAt - events.silenceEnd,
            foundAt - events.skipResumes,
            qPrintable(QStringLiteral("%1%").arg(100.0 * cpu, 0, 'f', 0)), plain.slowest,
            plain.fastest, plain.cv, plain.steadyCv);
        // The reader's own speed: where the word being said stands at the reading line, moving
        // from each word's place to the next over the word's time, each 5 s of the first minute.
        VoiceFollower places;
        places.follow(lines, {0, kLineHeight, kRowsToReadingLine}, kRowsToReadingLine, 40.0, 0);
        const auto readerAt = [&](double t) {
            const int k = std::max(0, spokenAt(t));
            const SpokenWord &w = rec.spoken[k];
            if (k + 1 >= rec.spoken.size())
                return places.targetOf(w.word);
            const double share =
                std::clamp((t - w.start) / (rec.spoken[k + 1].start - w.start), 0.0, 1.0);
            return places.targetOf(w.word) +
                   share * (places.targetOf(rec.spoken[k + 1].word) - places.targetOf(w.word));
        };
        std::printf("      the reader's rows/s, each 5 s:");
        for (double t = 0.0; t < 60.0; t += 5.0)
            std::printf(" %.0f", (readerAt(t + 5.0) - readerAt(t)) / 5.0);
        std::printf("\n");
        std::fflush(stdout);
    }

    // A long script: the first megabyte of the benchmarks' large script. The play works out its
    // words at its start, and the recogniser's thread searches all of them when the newest words
    // heard fit nowhere near the reader's place (the reader says what is not written).
    const QStringList longLines =
        QString::fromLatin1(fiveMegabyteScript().left(1024 * 1024)).split(QStringLiteral("\r\n"));
    QElapsedTimer clock;
    clock.start();
    const ScriptWords longScript = scriptWords(longLines);
    const qint64 wordsNs = clock.nsecsElapsed();
    const NumberedScript numbered(longScript.words);
    const qint64 numberedNs = clock.nsecsElapsed();
    const QStringList unwritten = QStringLiteral("good evening and welcome to the news at six the "
                                                 "city council voted")
                                      .split(u' ');
    constexpr int kSearches = 20;
    for (int i = 0; i < kSearches; ++i)
        alignHeardWords(numbered, unwritten, 100);
    std::printf("1 MB script: %lld words worked out in %.0f ms, numbered in %.0f ms; a search of "
                "them all %.1f ms\n",
                (long long)longScript.size(), wordsNs / 1e6, (numberedNs - wordsNs) / 1e6,
                (clock.nsecsElapsed() - numberedNs) / 1e6 / kSearches);
    return 0;
}
