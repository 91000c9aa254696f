#include "voice/VoiceSteering.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kStep = 0.1;   // seconds between changes of the speed
constexpr double kChange = 0.1; // the largest change, a share of the speed
// Beyond this share of a line off its place, the speed leans towards the place, by this
// much a second for every row.
constexpr double kBand = 0.4;
constexpr double kGain = 0.5;
// Silence this long is a pause of the reader.
constexpr double kPauseAfter = 0.35;
// How far beyond the last word heard the place runs on while the voice goes on.
constexpr double kRunOn = 1.5;
// The reader's pace: the words heard over this many seconds, and a first guess of 150 words
// a minute worth this many seconds of them.
constexpr double kPaceWindow = 30.0;
constexpr double kGuessedPace = 2.5;
constexpr double kGuessWeight = 3.0;
// The text never runs faster than this many times the reader's speed.
constexpr double kFastest = 12.0;
// Rows a second below which the text stands.
constexpr double kSlowest = 1.0;
} // namespace

VoiceSteering::VoiceSteering(double now, double startSpeed)
    : m_speed(std::max(0.0, startSpeed)), m_nextChange(now) {}

double VoiceSteering::wordsPerSecond() const {
    double words = kGuessedPace * kGuessWeight;
    double seconds = kGuessWeight;
    for (qsizetype i = 1; i < m_words.size(); ++i) {
        const double dt = m_words[i].x() - m_words[i - 1].x();
        const double dw = m_words[i].y() - m_words[i - 1].y();
        // Neighbouring words of one stretch of reading; a pause or a jump is no pace.
        if (dw > 0 && dw <= 6 && dt > 0 && dt <= 3.0) {
            words += dw;
            seconds += dt;
        }
    }
    return words / seconds;
}

double VoiceSteering::steer(const SteeringInput &in) {
    if (in.now < m_nextChange)
        return m_speed;
    m_nextChange = in.now + kStep;
    if (in.heard && (m_words.isEmpty() || m_words.last().y() != in.heardWord)) {
        m_words.append(QPointF(in.heardAt, in.heardWord));
        while (!m_words.isEmpty() && m_words.first().x() < in.heardAt - kPaceWindow)
            m_words.removeFirst();
    }
    if (in.speaking)
        m_silentSince = -1.0;
    else if (m_silentSince < 0)
        m_silentSince = in.now;
    const bool paused = !in.speaking && in.now - m_silentSince >= kPauseAfter;
    // A pause brakes evenly from the speed it found, so the text stands within a second.
    if (!paused)
        m_pauseSpeed = 0.0;
    else if (m_pauseSpeed <= 0.0)
        m_pauseSpeed = m_speed;

    const double readerSpeed = wordsPerSecond() * in.rowsPerWord;
    const double band = kBand * in.lineHeight;
    const auto lean = [band](double error) {
        return error > band ? kGain * (error - band) : error < -band ? kGain * (error + band) : 0.0;
    };
    double wanted = 0.0;
    if (!in.heard) {
        // The first line goes to the reading line and waits for the reader.
        wanted = kGain * (in.firstTarget - in.position);
    } else if (paused) {
        // The text comes to rest at the last word heard.
        wanted = kGain * (in.heardTarget - in.position);
    } else {
        const double runOn = std::clamp(in.now - in.heardAt, 0.0, kRunOn);
        const double target = in.heardTarget + runOn * readerSpeed;
        wanted = readerSpeed + lean(target - in.position);
    }
    wanted = std::clamp(wanted, 0.0, kFastest * std::max(readerSpeed, 1.0));
    // Slower than a tenth of the reader's speed is standing still.
    if (wanted < kChange * readerSpeed)
        wanted = 0.0;

    const double step = kChange * std::max({m_speed, readerSpeed, m_pauseSpeed});
    double next = m_speed + std::clamp(wanted - m_speed, -step, step);
    // A pause's brake ends with the text standing where one more step would leave a row taking
    // longer than a tenth of a second's step (its last step two tenths of the speed it found);
    // a speed under a row a second is no scroll.
    if (next < kSlowest || (paused && next < 1.5 * kChange * m_pauseSpeed))
        next = 0.0;
    // A change of a hair is not worth a new pace of the rows.
    if (next > 0 && std::abs(next - m_speed) < 0.01 * m_speed)
        next = m_speed;
    m_speed = next;
    return m_speed;
}
