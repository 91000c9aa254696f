#include "sysinfo/AudioTexts.h"

namespace sysinfo {
namespace {

// The texts of the set bits, highest bit first; texts[i] belongs to bit i.
template <size_t N> QString bitTexts(quint32 bits, const char16_t *const (&texts)[N]) {
    QString out;
    for (size_t i = 0; i < N; ++i) {
        if (bits & (1u << i))
            out.prepend(QString::fromUtf16(texts[i]));
    }
    return out;
}

} // namespace

QString manufacturerText(int id) {
    switch (id) {
    case 1:
        return QStringLiteral("Microsoft");
    case 126:
        return QStringLiteral("Fast(AvMaster)");
    case 136:
        return QStringLiteral("D A L");
    default:
        return QStringLiteral("Unknow ") + QString::number(id);
    }
}

QString productText(int id) {
    static const char16_t *const names[] = {u"MIDI Mapper",
                                            u"Wave Mapper",
                                            u"Sound Blaster MIDI output port",
                                            u"Sound Blaster MIDI input port",
                                            u"Sound Blaster internal synthesizer",
                                            u"Sound Blaster waveform output",
                                            u"Sound Blaster waveform input",
                                            nullptr,
                                            u" Ad Lib-compatible synthesizer",
                                            u"MPU401-compatible MIDI output port",
                                            u"MPU401-compatible MIDI input port",
                                            u"Joystick adapter"};
    if (id >= 1 && id <= 12 && names[id - 1])
        return QString::fromUtf16(names[id - 1]);
    return QStringLiteral("Unknow or Unlisted Manufacturer");
}

QString driverVersionText(int version) {
    return QStringLiteral("%1.%2").arg((version >> 8) & 0xFF).arg(version & 0xFF);
}

QString waveFormatsText(quint32 formats) {
    static const char16_t *const texts[] = {
        u" 11.025 kHz, Mono,   8-bit \n", u" 11.025 kHz, Stereo, 8-bit \n",
        u" 11.025 kHz, Mono,   16-bit\n", u" 11.025 kHz, Stereo, 16-bit\n",
        u" 22.05  kHz, Mono,   8-bit \n", u" 22.05  kHz, Stereo, 8-bit \n",
        u" 22.05  kHz, Mono,   16-bit\n", u" 22.05  kHz, Stereo, 16-bit\n",
        u" 44.1   kHz, Mono,   8-bit \n", u" 44.1   kHz, Stereo,  8-bit\n",
        u" 44.1   kHz, Mono,   16-bit\n", u" 44.1   kHz, Stereo, 16-bit\n"};
    return bitTexts(formats, texts);
}

QString waveOutSupportText(quint32 support) {
    static const char16_t *const texts[] = {
        u"Supports pitch control\n",
        u"Supports playback rate control\n",
        u"Supports volume control\n",
        u"Supports separate left and\nright volume control.\n",
        u"The driver is synchronous\nand will block while \nplaying a buffer.\n",
        u"Returns sample-accurate\nposition information.\n",
        u"Direct Sound"};
    return bitTexts(support, texts);
}

QString midiSupportText(quint32 support) {
    static const char16_t *const texts[] = {
        u"Supports volume control\n", u"Separate left-right\nvolume control.\n", u"Can CACHE\n",
        u"Driver supports Midi\nStream Out directly.\n"};
    return bitTexts(support, texts);
}

QString midiTechnologyText(int technology) {
    switch (technology) {
    case 1:
        return QStringLiteral("Output port\n");
    case 2:
        return QStringLiteral("Generic internal synth\n");
    case 3:
        return QStringLiteral("Square wave internal synth\n");
    case 4:
        return QStringLiteral("FM internal synth\n");
    case 5:
        return QStringLiteral("MIDI mapper\n");
    default:
        return QString();
    }
}

} // namespace sysinfo
