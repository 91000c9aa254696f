#pragma once

#include <QList>
#include <QtGlobal>

namespace platform {

// The loudness of 16-bit samples: their root mean square, 0 to 32768.
double loudnessOf(const qint16 *samples, qsizetype count);

// Whether a sound input has gone quiet: the reader's breath between two sentences is a few
// tenths of a second of quiet, a pause longer. A piece of sound is voiced when it is well above
// the room's noise: the quietest piece of the last seconds, or a faint floor where the input is
// digital silence.
class QuietDetector {
public:
    // Takes the next piece of sound: 16-bit samples, `seconds` long.
    void take(const qint16 *samples, qsizetype count, double seconds);
    // Seconds of sound since the last voiced piece (all of it while none was).
    double quietFor() const { return m_quietFor; }

private:
    QList<double> m_quietest; // the quietest piece's loudness in each block of the last seconds
    double m_blockSeconds = 0.0;
    double m_quietFor = 0.0;
};

} // namespace platform
