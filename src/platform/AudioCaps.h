#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// The capability records of the audio devices and how they are made from what the system
// reports: the sound server's devices (through the toolkit) and the ports of the ALSA
// sequencer. The live queries are in AudioDevices.h.
namespace platform {

enum class AudioClass { WaveOut, MidiOut, WaveIn, MidiIn };

// One device's capabilities. Each class uses its own fields: wave devices the formats and
// channels (and wave output the support bits), MIDI output the technology, voices, notes,
// channel mask and support bits, MIDI input the support bits.
struct AudioCaps {
    int manufacturerId = 0;
    int productId = 0;
    int driverVersion = 0; // major version in the high byte, minor in the low byte
    QString productName;
    quint32 formats = 0;
    int channels = 0;
    quint32 support = 0;
    int technology = 0;
    int voices = 0;
    int notes = 0;
    int channelMask = 0;
};

// A sound device as the sound server describes it.
struct AudioEndpoint {
    QString name;
    int minRate = 0;
    int maxRate = 0;
    int minChannels = 0;
    int maxChannels = 0;
    bool eightBit = false;
    bool sixteenBit = false;
};

// A port of the ALSA sequencer.
struct SequencerPort {
    int client = 0;
    int port = 0;
    QString name;
    bool readable = false; // others can subscribe to what it sends: a MIDI input
    bool writable = false; // others can subscribe to send to it: a MIDI output
};

// Product identifiers of the mappers.
inline constexpr int kMidiMapperProduct = 1;
inline constexpr int kWaveMapperProduct = 2;
// MIDI output technologies.
inline constexpr int kMidiPort = 1;
inline constexpr int kMidiMapperTechnology = 5;
inline constexpr int kSoftwareSynth = 7;
// Wave output support: volume control.
inline constexpr quint32 kWaveVolume = 0x04;
// MIDI support: volume control.
inline constexpr quint32 kMidiVolume = 0x1;

inline int versionWord(int major, int minor) {
    return (major & 0xFF) << 8 | (minor & 0xFF);
}

// A wave device's record: a format bit for each of 11.025, 22.05 and 44.1 kHz, mono and
// stereo, 8 and 16 bits that the device takes; channels 1 or 2.
AudioCaps waveCapsOf(const AudioEndpoint &device, bool output, int driverVersion);
// The ports of /proc/asound/seq/clients that others may subscribe to, without the system
// client's timer and announcements.
QList<SequencerPort> parseSequencerClients(QStringView text);
AudioCaps midiCapsOf(const SequencerPort &port, bool output, int driverVersion);
// The built-in software synthesizer as a MIDI output device.
AudioCaps softwareSynthCaps(int driverVersion);
// The version in /proc/asound/version ("... Driver Version k6.1.0-18-amd64."), 0 if none.
int alsaDriverVersion(QStringView text);
// Whether the class has a mapper (every class but MIDI input), and the mapper's record,
// which routes to the first device.
bool hasMapper(AudioClass c);
AudioCaps mapperCaps(AudioClass c, const AudioCaps &firstDevice);

} // namespace platform
