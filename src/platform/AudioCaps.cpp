#include "platform/AudioCaps.h"

#include <QRegularExpression>

#include <algorithm>

namespace platform {

AudioCaps waveCapsOf(const AudioEndpoint &device, bool output, int driverVersion) {
    AudioCaps c;
    c.productName = device.name;
    c.driverVersion = driverVersion;
    c.channels = std::clamp(device.maxChannels, 0, 2);
    const int rates[] = {11025, 22050, 44100};
    for (int r = 0; r < 3; ++r) {
        if (rates[r] < device.minRate || rates[r] > device.maxRate)
            continue;
        for (int stereo = 0; stereo < 2; ++stereo) {
            if (1 + stereo < device.minChannels || 1 + stereo > device.maxChannels)
                continue;
            if (device.eightBit)
                c.formats |= 1u << (4 * r + stereo);
            if (device.sixteenBit)
                c.formats |= 1u << (4 * r + stereo + 2);
        }
    }
    if (output)
        c.support = kWaveVolume;
    return c;
}

QList<SequencerPort> parseSequencerClients(QStringView text) {
    // Client  14 : "Midi Through" [Kernel]
    //   Port   0 : "Midi Through Port-0" (RWe-)
    static const QRegularExpression client(QStringLiteral("^Client\\s+(\\d+)\\s*:"));
    static const QRegularExpression port(
        QStringLiteral("^\\s+Port\\s+(\\d+)\\s*:\\s*\"(.*)\"\\s*\\(([-rRwWeX]{4})\\)"));
    QList<SequencerPort> ports;
    int current = -1;
    for (QStringView line : text.tokenize(u'\n')) {
        if (const auto m = client.match(line); m.hasMatch()) {
            current = m.capturedView(1).toInt();
            continue;
        }
        const auto m = port.match(line);
        if (!m.hasMatch() || current <= 0) // client 0 is the system's timer and announcements
            continue;
        const QStringView flags = m.capturedView(3);
        SequencerPort p;
        p.client = current;
        p.port = m.capturedView(1).toInt();
        p.name = m.captured(2);
        p.readable = flags[0] == u'R';
        p.writable = flags[1] == u'W';
        if (flags[2] == u'e' && (p.readable || p.writable))
            ports << p;
    }
    return ports;
}

AudioCaps midiCapsOf(const SequencerPort &port, bool output, int driverVersion) {
    AudioCaps c;
    c.productName = port.name;
    c.driverVersion = driverVersion;
    if (output) {
        c.technology = kMidiPort;
        c.channelMask = 0xFFFF;
    }
    return c;
}

AudioCaps softwareSynthCaps(int driverVersion) {
    AudioCaps c;
    c.productName = QStringLiteral("Software Synthesizer");
    c.driverVersion = driverVersion;
    c.technology = kSoftwareSynth;
    c.voices = 16;
    c.notes = 256;
    c.channelMask = 0xFFFF;
    c.support = kMidiVolume;
    return c;
}

int alsaDriverVersion(QStringView text) {
    static const QRegularExpression version(QStringLiteral("Version\\s+k?(\\d+)\\.(\\d+)"));
    const auto m = version.match(text);
    return m.hasMatch() ? versionWord(m.capturedView(1).toInt(), m.capturedView(2).toInt()) : 0;
}

bool hasMapper(AudioClass c) {
    return c != AudioClass::MidiIn;
}

AudioCaps mapperCaps(AudioClass c, const AudioCaps &firstDevice) {
    AudioCaps m = firstDevice;
    if (c == AudioClass::MidiOut) {
        m.productName = QStringLiteral("MIDI Mapper");
        m.productId = kMidiMapperProduct;
        m.technology = kMidiMapperTechnology;
    } else {
        m.productName = QStringLiteral("Wave Mapper");
        m.productId = kWaveMapperProduct;
    }
    m.manufacturerId = 0;
    return m;
}

} // namespace platform
