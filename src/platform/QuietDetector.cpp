#include "platform/QuietDetector.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {
// The room's noise is the quietest piece of the last blocks; a piece is voiced this many times
// louder than that (10 dB), over a faint floor of -60 dB of full scale (digital silence).
constexpr double kBlockSeconds = 1.0;
constexpr int kBlocks = 10;
constexpr double kVoicedOver = 3.16;
constexpr double kFaintest = 32768.0 / 1000.0;
} // namespace

double loudnessOf(const qint16 *samples, qsizetype count) {
    if (count <= 0)
        return 0.0;
    double sum = 0.0;
    for (qsizetype i = 0; i < count; ++i)
        sum += double(samples[i]) * double(samples[i]);
    return std::sqrt(sum / double(count));
}

void QuietDetector::take(const qint16 *samples, qsizetype count, double seconds) {
    if (count <= 0)
        return;
    const double loudness = loudnessOf(samples, count);
    if (m_quietest.isEmpty() || m_blockSeconds >= kBlockSeconds) {
        m_quietest.append(loudness);
        m_blockSeconds = 0.0;
        if (m_quietest.size() > kBlocks)
            m_quietest.removeFirst();
    }
    m_quietest.last() = std::min(m_quietest.last(), loudness);
    m_blockSeconds += seconds;
    const double noise = *std::min_element(m_quietest.cbegin(), m_quietest.cend());
    m_quietFor = loudness > kVoicedOver * std::max(noise, kFaintest) ? 0.0 : m_quietFor + seconds;
}

} // namespace platform
