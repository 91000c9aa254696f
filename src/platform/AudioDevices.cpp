#include "platform/AudioDevices.h"

#include "platform/System.h"

#include <QAudioDevice>
#include <QDir>
#include <QMap>
#include <QMediaDevices>

namespace platform {
namespace {
QMap<AudioClass, QList<AudioCaps>> g_overrides;

// Sound fonts the software synthesizer plays with.
bool soundFontInstalled() {
    for (const QString &folder :
         {QStringLiteral("/usr/share/sounds/sf2"), QStringLiteral("/usr/share/soundfonts")}) {
        if (!QDir(folder).entryList({QStringLiteral("*.sf2")}, QDir::Files).isEmpty())
            return true;
    }
    return false;
}

QList<AudioCaps> waveDevices(bool output) {
    const QList<QAudioDevice> found =
        output ? QMediaDevices::audioOutputs() : QMediaDevices::audioInputs();
    const int version = versionWord(QT_VERSION_MAJOR, QT_VERSION_MINOR);
    QList<AudioCaps> out;
    for (const QAudioDevice &d : found) {
        AudioEndpoint e;
        e.name = d.description();
        e.minRate = d.minimumSampleRate();
        e.maxRate = d.maximumSampleRate();
        e.minChannels = d.minimumChannelCount();
        e.maxChannels = d.maximumChannelCount();
        const auto formats = d.supportedSampleFormats();
        e.eightBit = formats.contains(QAudioFormat::UInt8);
        e.sixteenBit = formats.contains(QAudioFormat::Int16);
        // The default device comes first, as the one the mapper routes to.
        if (d.isDefault())
            out.prepend(waveCapsOf(e, output, version));
        else
            out.append(waveCapsOf(e, output, version));
    }
    return out;
}

QList<AudioCaps> midiDevices(bool output) {
    QList<AudioCaps> out;
    if (output && soundFontInstalled()) {
        // The program's own version: the synthesizer is part of it.
        out << softwareSynthCaps(versionWord(1, 24));
    }
    const int version = alsaDriverVersion(System::readProcFile(QStringLiteral("asound/version")));
    const QString clients = System::readProcFile(QStringLiteral("asound/seq/clients"));
    for (const SequencerPort &p : parseSequencerClients(clients)) {
        if (output ? p.writable : p.readable)
            out << midiCapsOf(p, output, version);
    }
    return out;
}
} // namespace

QList<AudioCaps> AudioDevices::devices(AudioClass c) {
    QList<AudioCaps> out;
    if (g_overrides.contains(c)) {
        out = g_overrides.value(c);
    } else {
        switch (c) {
        case AudioClass::WaveOut:
            out = waveDevices(true);
            break;
        case AudioClass::WaveIn:
            out = waveDevices(false);
            break;
        case AudioClass::MidiOut:
            out = midiDevices(true);
            break;
        case AudioClass::MidiIn:
            out = midiDevices(false);
            break;
        }
    }
    if (out.size() > kMaxDevices)
        out.resize(kMaxDevices);
    return out;
}

void AudioDevices::setOverride(AudioClass c, const QList<AudioCaps> &devices) {
    g_overrides.insert(c, devices);
}

void AudioDevices::clearOverrides() {
    g_overrides.clear();
}

} // namespace platform
