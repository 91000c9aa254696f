#pragma once

#include "platform/AudioCaps.h"

#include <QList>

namespace platform {

// The system's audio devices by class, as capability records: wave output and input are
// the sound server's devices (seen through the toolkit's media devices), MIDI output and
// input the ports of the ALSA sequencer where it exists, and MIDI output also the built-in
// software synthesizer where its sound font is installed. At most 128 devices a class;
// the mapper is not among them (see mapperCaps). Tests may set a class's devices.
class AudioDevices {
public:
    static constexpr int kMaxDevices = 128;

    static QList<AudioCaps> devices(AudioClass c);

    static void setOverride(AudioClass c, const QList<AudioCaps> &devices);
    static void clearOverrides();
};

} // namespace platform
