#pragma once

#include <QString>

// The texts of the audio device pages for the fields of a capability record. A line break
// ends each line of the multi-line texts; where several bits are set, the text of the
// highest bit comes first.
namespace sysinfo {

QString manufacturerText(int id);
QString productText(int id);
// "4.0", "1.12": the high and low byte of the version's low word.
QString driverVersionText(int version);
QString waveFormatsText(quint32 formats);
QString waveOutSupportText(quint32 support);
QString midiSupportText(quint32 support);
QString midiTechnologyText(int technology);

} // namespace sysinfo
