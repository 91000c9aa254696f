#include "platform/SpeechRecognizer.h"

#include "platform/PreciseWait.h"
#include "platform/QuietDetector.h"
#include "platform/ThreadScheduling.h"

#include <QByteArray>
#include <QFileInfo>
#include <QUrl>

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <pocketsphinx.h>
#include <sphinxbase/cmn.h>
#include <sphinxbase/err.h>
#include <sphinxbase/feat.h>

#include <dlfcn.h>
#include <pthread.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <type_traits>
#include <vector>

namespace platform {

namespace {

constexpr int kRate = 16000;
// The recogniser's thread, and the input's threads it starts, yield the processor to the
// play's and give way at once to any thread that wakes: the scroll's rows are due every few
// milliseconds and the display server must put them on screen, while the recogniser can
// fall behind a moment and catch up.
constexpr int kNiceness = 10;
constexpr double kFrameSeconds = 0.01;
// The sound is decoded in pieces of this many samples (32 ms).
constexpr qsizetype kPieceSamples = 512;
// A hypothesis is asked for at most this often while an utterance goes on.
constexpr double kHypothesisEvery = 0.1;
// Without a first sample in this long, the input is taken to be missing.
constexpr double kNoInputAfter = 4.0;

double threadProcessorSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

// Level 0..100 of 16-bit samples: their loudness from -60 dB (0) to full scale (100).
int levelOf(const qint16 *samples, qsizetype count) {
    const double rms = loudnessOf(samples, count) / 32768.0;
    const double db = rms > 0 ? 20.0 * std::log10(rms) : -100.0;
    return int(std::clamp((db + 60.0) / 60.0 * 100.0, 0.0, 100.0));
}

// PocketSphinx, loaded at the first play that follows a voice rather than at the program's
// start (it brings its numerical libraries with it): its functions, or null when it is not
// installed.
struct PocketSphinx {
    decltype(&ps_args) args = nullptr;
    decltype(&ps_init) init = nullptr;
    decltype(&ps_free) free = nullptr;
    decltype(&cmd_ln_init) configure = nullptr;
    decltype(&cmd_ln_free_r) freeConfiguration = nullptr;
    decltype(&err_set_logfp) setLog = nullptr;
    decltype(&ps_start_utt) startUtterance = nullptr;
    decltype(&ps_end_utt) endUtterance = nullptr;
    decltype(&ps_process_raw) process = nullptr;
    decltype(&ps_get_in_speech) inSpeech = nullptr;
    decltype(&ps_seg_iter) firstSegment = nullptr;
    decltype(&ps_seg_next) nextSegment = nullptr;
    decltype(&ps_seg_word) segmentWord = nullptr;
    decltype(&ps_seg_frames) segmentFrames = nullptr;
    decltype(&ps_get_feat) features = nullptr;
    decltype(&cmn_live_get) getMean = nullptr;
    decltype(&cmn_live_set) setMean = nullptr;
};

const PocketSphinx *pocketSphinx() {
    static const PocketSphinx *const loaded = []() -> const PocketSphinx * {
        void *library = dlopen("libpocketsphinx.so.3", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return nullptr;
        static PocketSphinx p;
        bool all = true;
        const auto find = [library, &all](auto &function, const char *name) {
            function =
                reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(library, name));
            all = all && function;
        };
        find(p.args, "ps_args");
        find(p.init, "ps_init");
        find(p.free, "ps_free");
        find(p.configure, "cmd_ln_init");
        find(p.freeConfiguration, "cmd_ln_free_r");
        find(p.setLog, "err_set_logfp");
        find(p.startUtterance, "ps_start_utt");
        find(p.endUtterance, "ps_end_utt");
        find(p.process, "ps_process_raw");
        find(p.inSpeech, "ps_get_in_speech");
        find(p.firstSegment, "ps_seg_iter");
        find(p.nextSegment, "ps_seg_next");
        find(p.segmentWord, "ps_seg_word");
        find(p.segmentFrames, "ps_seg_frames");
        find(p.features, "ps_get_feat");
        find(p.getMean, "cmn_live_get");
        find(p.setMean, "cmn_live_set");
        return all ? &p : nullptr;
    }();
    return loaded;
}

struct Decoder {
    const PocketSphinx *api = nullptr;
    cmd_ln_t *config = nullptr;
    ps_decoder_t *ps = nullptr;
    ~Decoder() {
        if (ps)
            api->free(ps);
        if (config)
            api->freeConfiguration(config);
    }
};

struct Pipeline {
    GstElement *pipeline = nullptr;
    GstElement *sink = nullptr;
    ~Pipeline() {
        if (pipeline) {
            gst_element_set_state(pipeline, GST_STATE_NULL);
            gst_object_unref(sink);
            gst_object_unref(pipeline);
        }
    }
};

QByteArray sourceDescription(const QString &file, const QString &source) {
    if (!file.isEmpty())
        return "uridecodebin uri=\"" + QUrl::fromLocalFile(file).toEncoded() + '"';
    if (!source.isEmpty())
        return source.toUtf8();
    return "autoaudiosrc";
}

// The words of the best hypothesis. The decoder counts its frames from the first utterance on,
// through the silences it leaves out, so a word's frames are its time in the sound.
QList<SpeechRecognizer::Word> hypothesisWords(const PocketSphinx &api, ps_decoder_t *ps,
                                              double soundNow) {
    QList<SpeechRecognizer::Word> words;
    for (ps_seg_t *seg = api.firstSegment(ps); seg; seg = api.nextSegment(seg)) {
        QString text = QString::fromUtf8(api.segmentWord(seg));
        if (text.startsWith(u'<') || text.startsWith(u'[') || text.isEmpty())
            continue; // silence, noise, sentence marks
        if (const qsizetype paren = text.indexOf(u'('); paren > 0)
            text.truncate(paren); // "word(2)": another pronunciation
        int sf = 0, ef = 0;
        api.segmentFrames(seg, &sf, &ef);
        words.append({text, std::min(sf * kFrameSeconds, soundNow),
                      std::min((ef + 1) * kFrameSeconds, soundNow)});
    }
    return words;
}

} // namespace

SpeechRecognizer::SpeechRecognizer() = default;

SpeechRecognizer::~SpeechRecognizer() {
    stop();
}

QString SpeechRecognizer::installedAcousticModel() {
    return QStringLiteral("/usr/share/pocketsphinx/model/en-us/en-us");
}

QString SpeechRecognizer::installedDictionary() {
    return QStringLiteral("/usr/share/pocketsphinx/model/en-us/cmudict-en-us.dict");
}

QString SpeechRecognizer::inputFromEnvironment() {
    return qEnvironmentVariable("LECTOSCOPE_VOICE_INPUT");
}

void SpeechRecognizer::start(const Setup &setup, Listener listener) {
    stop();
    m_stop = false;
    m_listening = false;
    m_finished = false;
    m_failure = Failure::None;
    m_inSpeech = false;
    m_level = 0;
    m_silentFor = 0.0;
    m_quietFor = 0.0;
    m_soundSeconds = 0.0;
    m_processorSeconds = 0.0;
    m_firstSampleNs = 0;
    m_thread = std::thread([this, setup, listener = std::move(listener)] { run(setup, listener); });
}

void SpeechRecognizer::stop() {
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

void SpeechRecognizer::run(Setup setup, const Listener &listener) {
    pthread_setname_np(pthread_self(), "voice");
    platform::runInBackground(kNiceness);
    const auto finish = [this](Failure failure) {
        m_failure = failure;
        m_listening = false;
        m_inSpeech = false;
        m_level = 0;
        m_processorSeconds = threadProcessorSeconds();
        m_finished = true;
    };
    const auto stopped = [this] {
        return m_stop.load();
    };
    if (setup.prepare && !setup.prepare(setup, stopped)) {
        finish(stopped() ? Failure::None : Failure::NoWords);
        return;
    }
    if (stopped()) {
        finish(Failure::None);
        return;
    }
    // The decoder, quiet: its log goes nowhere.
    const PocketSphinx *api = pocketSphinx();
    if (!api) {
        finish(Failure::NoModel);
        return;
    }
    api->setLog(nullptr);
    const QByteArray hmm = setup.acousticModel.toLocal8Bit();
    const QByteArray lm = setup.languageModel.toLocal8Bit();
    const QByteArray dict = setup.dictionary.toLocal8Bit();
    if (!QFileInfo(setup.acousticModel).isDir()) {
        finish(Failure::NoModel);
        return;
    }
    Decoder decoder;
    decoder.api = api;
    decoder.config =
        api->configure(nullptr, api->args(), TRUE, "-hmm", hmm.constData(), "-lm", lm.constData(),
                       "-dict", dict.constData(), "-dither", "yes", "-logfn", "/dev/null", nullptr);
    if (decoder.config)
        decoder.ps = api->init(decoder.config);
    if (!decoder.ps) {
        finish(Failure::NoModel);
        return;
    }

    if (!gst_init_check(nullptr, nullptr, nullptr)) {
        finish(Failure::NoInput);
        return;
    }
    // The environment names a sound file or a GStreamer source.
    QString file = setup.inputFile;
    QString source = inputFromEnvironment();
    if (file.isEmpty() && QFileInfo(source).isFile()) {
        file = source;
        source.clear();
    }
    const QByteArray description =
        sourceDescription(file, source) +
        " ! audioconvert ! audioresample ! audio/x-raw,format=S16LE,channels=1,rate=16000"
        " ! appsink name=sink max-buffers=50 sync=" +
        (setup.paced && !file.isEmpty() ? "true" : "false");
    Pipeline p;
    GError *error = nullptr;
    p.pipeline = gst_parse_launch(description.constData(), &error);
    if (error)
        g_error_free(error);
    if (!p.pipeline) {
        finish(Failure::NoInput);
        return;
    }
    p.sink = gst_bin_get_by_name(GST_BIN(p.pipeline), "sink");
    if (!p.sink ||
        gst_element_set_state(p.pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        finish(Failure::NoInput);
        return;
    }
    GstBus *bus = gst_element_get_bus(p.pipeline);

    const auto opened = std::chrono::steady_clock::now();
    // The decoder takes the mean of the sound's features over each utterance it ends as the
    // mean it hears the next one against. A noise that its detector took for speech (at the
    // start, while it learns the room) and in which it heard no word would set that mean to the
    // room's: the reader's first sentences would then be misheard for seconds. Such an
    // utterance leaves the mean as it was.
    feat_t *const computed = api->features(decoder.ps);
    cmn_t *const features = computed ? computed->cmn_struct : nullptr;
    std::vector<mfcc_t> mean(features ? size_t(features->veclen) : 0);
    if (features)
        api->getMean(features, mean.data());
    api->startUtterance(decoder.ps);
    bool inUtterance = false;
    int utterance = 0;
    qint64 samples = 0;
    QuietDetector quiet;
    double lastSpeech = 0.0;
    double lastHypothesis = 0.0;
    Failure failure = Failure::None;
    // After each piece of sound: the utterance's state, its hypotheses and its end.
    const auto decodedPiece = [&](double now) {
        m_soundSeconds = now;
        const bool speech = api->inSpeech(decoder.ps);
        m_inSpeech = speech;
        if (speech)
            lastSpeech = now;
        m_silentFor = now - lastSpeech;
        if (speech && !inUtterance) {
            inUtterance = true;
            lastHypothesis = now;
        }
        if (inUtterance && !speech) {
            // The utterance is over: its final words, and a new one begins.
            api->endUtterance(decoder.ps);
            const QList<Word> words = hypothesisWords(*api, decoder.ps, now);
            if (features && words.isEmpty())
                api->setMean(features, mean.data());
            else if (features)
                api->getMean(features, mean.data());
            listener(Hypothesis{utterance, words, true});
            api->startUtterance(decoder.ps);
            ++utterance;
            inUtterance = false;
        } else if (inUtterance && now - lastHypothesis >= kHypothesisEvery) {
            lastHypothesis = now;
            listener(Hypothesis{utterance, hypothesisWords(*api, decoder.ps, now), false});
        }
    };
    while (!m_stop) {
        // An error of the input (no device, a file it cannot read) ends the listening.
        // (The end of a file is seen at the sink, once every sample is taken.)
        if (GstMessage *msg = gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR)) {
            gst_message_unref(msg);
            failure = Failure::NoInput;
            break;
        }
        GstSample *sample = gst_app_sink_try_pull_sample(GST_APP_SINK(p.sink), 100 * GST_MSECOND);
        if (!sample) {
            if (gst_app_sink_is_eos(GST_APP_SINK(p.sink)))
                break;
            if (samples == 0 && std::chrono::steady_clock::now() - opened >
                                    std::chrono::duration<double>(kNoInputAfter)) {
                failure = Failure::NoInput;
                break;
            }
            continue;
        }
        GstBuffer *buffer = gst_sample_get_buffer(sample);
        GstMapInfo map;
        if (buffer && gst_buffer_map(buffer, &map, GST_MAP_READ)) {
            const auto *data = reinterpret_cast<const qint16 *>(map.data);
            const qsizetype count = qsizetype(map.size / sizeof(qint16));
            m_level = levelOf(data, count);
            if (samples == 0 && count > 0)
                m_firstSampleNs = monotonicNs() - count * 1000000000LL / kRate;
            // In short pieces, so that no utterance begins and ends unseen inside one buffer.
            for (qsizetype from = 0; from < count; from += kPieceSamples) {
                const qsizetype n = std::min<qsizetype>(kPieceSamples, count - from);
                api->process(decoder.ps, data + from, size_t(n), FALSE, FALSE);
                quiet.take(data + from, n, double(n) / kRate);
                m_quietFor = quiet.quietFor();
                samples += n;
                decodedPiece(double(samples) / kRate);
            }
            gst_buffer_unmap(buffer, &map);
            m_listening = true;
        }
        gst_sample_unref(sample);
        m_processorSeconds = threadProcessorSeconds();
    }
    if (inUtterance) {
        api->endUtterance(decoder.ps);
        listener(
            Hypothesis{utterance, hypothesisWords(*api, decoder.ps, m_soundSeconds.load()), true});
    }
    gst_object_unref(bus);
    finish(failure);
}

} // namespace platform
