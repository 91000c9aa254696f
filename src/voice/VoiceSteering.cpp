#include "voice/VoiceSteering.h"

#include <algorithm>
#include <cmath>

namespace {
// While the text follows a reader who reads on, its speed changes at most this often, by at
// most this share of itself, and only when the wanted speed differs from it by more than the
// dead band: the picture's pace stays even, and the speed follows the reader slowly.
constexpr double kCruiseStep = 0.5;
constexpr double kCruiseChange = 0.03;
constexpr double kCruiseDeadBand = 0.04;
// Starting from standing, or braking for a pause, the speed changes every tenth of a second by
// a tenth of the reader's speed (of the speed the pause found), so that it starts and stands
// within a second.
constexpr double kQuickStep = 0.1;
constexpr double kQuickChange = 0.1;
// A speed this far below or above the wanted one (starting, catching up with a reader who
// skipped, settling after that) changes at the quick pace too.
constexpr double kFarOff = 0.6;
// Beyond this share of a line off its place, the position error is taken away over this many
// seconds; beyond the far share, the further error over the catch-up seconds. While the
// voice goes on the text moves at least at a share of the reader's speed.
constexpr double kBand = 0.5;
constexpr double kSettle = 2.5;
constexpr double kFar = 1.0;
constexpr double kCatchUp = 2.0;
constexpr double kSlowestShare = 0.25;
// Before the first word and in a pause the text goes to its place, by this much a second for
// every row.
constexpr double kGain = 0.5;
// Silence this long is a pause of the reader.
constexpr double kPauseAfter = 0.35;
// How far beyond the last word heard the place runs on while the voice goes on.
constexpr double kRunOn = 1.5;
// The place heard moves on at most this many times the reader's speed.
constexpr double kPlaceSlew = 3.0;
// The reader's speed: the place's steps over the last this many seconds (steps further
// apart than the gap are a pause, steps longer than the longest share of a line are no
// reading), with a first guess of 150 words a minute worth this many seconds of them.
constexpr double kPaceWindow = 20.0;
constexpr double kGuessedPace = 2.5; // words a second
constexpr double kGuessWeight = 5.0;
constexpr double kLongestGap = 3.0;
constexpr double kLongestMove = 0.5;
// The reader's speed is smoothed over this many seconds (less in the first seconds heard).
constexpr double kSmoothing = 5.0;
// After this many seconds heard, the reader's speed changes by at most this share a second.
constexpr double kSettled = 10.0;
constexpr double kPaceChange = 0.04;
// The text never runs faster than this many times the reader's speed.
constexpr double kFastest = 12.0;
// Rows a second below which the text stands.
constexpr double kSlowest = 1.0;
} // namespace

VoiceSteering::VoiceSteering(double now, double startSpeed)
    : m_speed(std::max(0.0, startSpeed)), m_nextChange(now) {}

double VoiceSteering::placeSpeed() const {
    // The steps of the place from word to word, over their time: a pause, a jump or a
    // recogniser's second thought (a step back, or further on than a reader says in a
    // breath) counts neither rows nor time.
    double rows = 0.0, seconds = 0.0;
    for (qsizetype i = 1; i < m_places.size(); ++i) {
        const double dt = m_places[i].x() - m_places[i - 1].x();
        const double moved = m_places[i].y() - m_places[i - 1].y();
        if (dt > 0 && dt <= kLongestGap && moved > 0 && moved <= m_longestMove) {
            rows += moved;
            seconds += dt;
        }
    }
    return (m_speedBefore * kGuessWeight + rows) / (kGuessWeight + seconds);
}

void VoiceSteering::heard(double at, double place, double lineHeight) {
    m_longestMove = kLongestMove * lineHeight;
    if (m_firstHeardAt < 0.0)
        m_firstHeardAt = at;
    m_places.append(QPointF(at, place));
    while (m_places.size() > 2 && m_places.first().x() < at - kPaceWindow)
        m_places.removeFirst();
}

double VoiceSteering::place(const SteeringInput &in, double readerSpeed) {
    // The place heard goes back at once, but on no faster than a few times the reader's speed:
    // a place misheard lines on, and taken back a moment later, pulls the text little; a
    // skipped paragraph is caught up over a few seconds.
    if (m_placeAt < 0.0 || in.heardTarget <= m_place)
        m_place = in.heardTarget;
    else
        m_place =
            std::min(in.heardTarget, m_place + kPlaceSlew * readerSpeed * (in.now - m_placeAt));
    m_placeAt = in.now;
    // Held back, the place runs on no further; else it runs on from the last word heard.
    if (m_place < in.heardTarget)
        return m_place;
    return m_place + std::clamp(in.now - in.heardAt, 0.0, kRunOn) * readerSpeed;
}

double VoiceSteering::steer(const SteeringInput &in) {
    if (m_speedBefore < 0.0)
        m_speedBefore = kGuessedPace * in.rowsPerWord;
    if (in.heard && (m_places.isEmpty() || m_places.last().y() != in.heardTarget))
        heard(in.heardAt, in.heardTarget, in.lineHeight);
    if (in.speaking)
        m_silentSince = -1.0;
    else if (m_silentSince < 0)
        m_silentSince = in.now;
    const bool paused = !in.speaking && in.now - m_silentSince >= kPauseAfter;
    // A pause, or the voice coming back to a standing text, is answered at once.
    const bool turn = paused != m_paused || (m_speed <= 0.0 && in.speaking);
    if (in.now < m_nextChange && !turn)
        return m_speed;
    m_paused = paused;
    // A pause brakes evenly from the speed it found, so the text stands within a second.
    if (!paused)
        m_pauseSpeed = 0.0;
    else if (m_pauseSpeed <= 0.0)
        m_pauseSpeed = m_speed;

    // The reader's speed, smoothed: a word heard early or late moves it little.
    // After the first seconds heard it changes by at most a small share a second: a reader's
    // pace changes slowly, and a misheard place moves it little.
    const double rawSpeed = placeSpeed();
    const double known = m_places.isEmpty() ? 0.0 : m_places.last().x() - m_firstHeardAt;
    const double smoothing = kSmoothing * std::clamp(known / kPaceWindow, 0.1, 1.0);
    if (m_readerSpeed < 0.0) {
        m_readerSpeed = rawSpeed;
    } else {
        const double dt = in.now - m_smoothedAt;
        double change = (rawSpeed - m_readerSpeed) * std::min(1.0, dt / smoothing);
        if (known >= kSettled) {
            const double most = kPaceChange * dt * m_readerSpeed;
            change = std::clamp(change, -most, most);
        }
        m_readerSpeed += change;
    }
    m_smoothedAt = in.now;
    const double readerSpeed = m_readerSpeed;
    double wanted = 0.0;
    if (!in.heard) {
        // The first line goes to the reading line and waits for the reader.
        wanted = kGain * (in.firstTarget - in.position);
    } else if (paused) {
        // The text comes to rest at the last word heard.
        wanted = kGain * (in.heardTarget - in.position);
    } else {
        // The reader's pace, and the place: the last word heard, run on at that pace. An
        // error beyond the band is taken away slowly; running behind far, faster.
        const double error = place(in, readerSpeed) - in.position;
        const double band = kBand * in.lineHeight;
        const double beyond = error > band ? error - band : error < -band ? error + band : 0.0;
        // Beyond a line and a half (a paragraph's turn, a word misheard far on) it leans
        // harder, so the spoken line stays near the reading line.
        const double far = kFar * in.lineHeight;
        const double farBeyond = error > far ? error - far : error < -far ? error + far : 0.0;
        wanted = std::max(readerSpeed + beyond / kSettle + farBeyond / kCatchUp,
                          kSlowestShare * readerSpeed);
    }
    wanted = std::clamp(wanted, 0.0, kFastest * std::max(readerSpeed, 1.0));
    // Slower than a tenth of the reader's speed is standing still.
    if (wanted < kQuickChange * readerSpeed)
        wanted = 0.0;

    const bool quick =
        paused || !in.heard || m_speed < kFarOff * wanted || wanted < kFarOff * m_speed;
    double next = m_speed;
    if (quick) {
        const double step = kQuickChange * std::max({m_speed, readerSpeed, m_pauseSpeed});
        next = m_speed + std::clamp(wanted - m_speed, -step, step);
    } else if (std::abs(wanted - m_speed) > kCruiseDeadBand * m_speed) {
        const double step = kCruiseChange * m_speed;
        next = m_speed + std::clamp(wanted - m_speed, -step, step);
    }
    // A pause's brake ends with the text standing where one more step would leave a row taking
    // longer than a tenth of a second's step (its last step two tenths of the speed it found);
    // a speed under a row a second is no scroll.
    if (next < kSlowest || (paused && next < 1.5 * kQuickChange * m_pauseSpeed))
        next = 0.0;
    m_nextChange = in.now + (quick ? kQuickStep : kCruiseStep);
    m_speed = next;
    return m_speed;
}
