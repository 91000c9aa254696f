#include "voice/VoiceSteering.h"

#include <algorithm>
#include <cmath>

namespace {
// While the text follows a reader who reads on, its speed is looked at this often, and changed
// only when the wanted speed differs from it by more than the dead band, each second by the
// smallest share of itself, or by a part of the difference, but by no more than the largest
// share: the picture's pace stays even, and the speed follows the reader slowly: a reader's
// pace varies from sentence to sentence, and a text held at a steady speed stays within a line
// of the reader (a steady speed changed now and then by a little is what the eye reads as
// even). A change is made a tenth at a time, every tenth of a second: the picture's pace slides
// to the new one rather than steps.
constexpr double kCruiseStep = 1.0;
constexpr double kCruiseChange = 0.002;
constexpr double kCruiseDeadBand = 0.01;
constexpr double kCruisePart = 0.2;
constexpr double kMostCruiseChange = 0.04;
// Starting from standing, braking for a pause, or wanting a speed further off than this share,
// the speed changes every tenth of a second by a tenth of itself, until it has reached the
// speed wanted. A text slower than the start share of the reader's speed speeds up by a tenth
// of that, so that it starts; a pause brakes by a tenth of the speed it found, so that the text
// stands within a second. The play asks at each row, and a slow text's row can take most of a
// second: the speed then changes by as many tenths as have gone by, up to the most steps.
constexpr double kQuickStep = 0.1;
constexpr double kQuickChange = 0.1;
constexpr double kStartShare = 0.5;
constexpr double kQuickBeyond = 0.25;
constexpr double kMostSteps = 5.0;
// The reader's pace: the words heard over the last this many seconds spoken (a step longer than
// a reader says in its time, and than the few words that the recogniser's words are now and then
// placed ahead and then put right, is a jump: its words do not count), with a first guess of 150
// words a minute that weighs as this many seconds of them at first and as nothing once the guess's
// seconds are heard, half the seconds of finding the pace (kSettled), so that the speed has
// the rest of them to come to the pace heard. Words are counted by their length, as words of
// the script's average length.
constexpr double kPaceWindow = 60.0;
constexpr double kGuessedPace = 2.5; // words a second
constexpr double kGuessWeight = 5.0;
constexpr double kGuessFor = 4.0;
constexpr double kLongestStep = 12.0; // words, and as many as the fastest pace says in the time
constexpr double kFastestPace = 5.0;  // words a second
// The reader's speed follows the pace by at most this share of itself a second; after the
// first seconds heard, by at most the settled share.
constexpr double kEarlyPaceChange = 0.1;
constexpr double kSettled = 8.0;
constexpr double kPaceChange = 0.002;
// The text's place off the reader's is smoothed over this many seconds. Beyond the band (in
// lines) the text leans towards the place, the error taken away over the settling seconds but
// by at most a share of the reader's speed, until it is back within the inner band; beyond the
// far lines for the far seconds (a skipped paragraph) the further error is taken away over the
// catch-up seconds. While the voice goes on the text moves at least at a share of the reader's
// speed (a place heard far behind is more often misheard than read again).
constexpr double kErrorSmoothing = 1.0;
constexpr double kBand = 1.25;
constexpr double kInnerBand = 0.25;
// With short lines the bands are at least these seconds of reading: the recogniser hears a
// word a second late or early now and then.
constexpr double kBandSeconds = 2.5;
constexpr double kInnerBandSeconds = 0.5;
// The place must stand beyond the band this long (after the pace is found) for a lean to begin.
constexpr double kBandFor = 3.0;
constexpr double kSettle = 15.0;
constexpr double kHeldBeyond = 0.03;
constexpr double kMostLean = 0.03;
constexpr double kFar = 2.5;
constexpr double kCatchUp = 2.0;
constexpr double kFarFor = 1.5;
// While the first seconds heard find the reader's speed, the text leans beyond the inner band,
// by up to this share, taking the error away over these seconds: the place is found by the time
// the speed settles.
constexpr double kFindingLean = 0.03;
constexpr double kFindingSettle = 2.0;
constexpr double kSlowestShare = 0.5;
// In a pause the text goes to its place, by this much a second for every row; before the
// first word it comes to the first line slowing by this many rows a second each second.
constexpr double kGain = 0.5;
constexpr double kArrival = 40.0;
// In the first seconds after the first word heard the speed goes at the quick pace to the
// reader's, as the first words tell it.
constexpr double kFinding = 12.0;
// The reader pauses when the voice detector has heard no speech for this long of the sound and
// the input has been quiet this long (the detector hears a breath between sentences as most of
// a second's silence; the input is quiet for a few tenths); where the room is never quiet, when
// the detector has heard none for the longer while. Both are counted in the sound's time, so
// that a moment the recogniser is busy adds nothing. The text then stands within the brake's
// seconds.
constexpr double kPauseAfter = 0.7;
constexpr double kQuietPause = 0.6;
constexpr double kPauseInNoise = 1.2;
constexpr double kBrake = 1.0;
// How far beyond the last word heard the place runs on while the voice goes on.
constexpr double kRunOn = 4.0;
// The reader's place is told by the words heard over the last this many seconds spoken.
constexpr double kPlaceWindow = 6.0;
// The place heard moves on at most this many times the reader's speed, and back at most at
// this share of it.
constexpr double kPlaceSlew = 3.0;
constexpr double kPlaceBack = 0.5;
// The text never runs faster than this many times the reader's speed.
constexpr double kFastest = 12.0;
// Rows a second below which the text stands.
constexpr double kSlowest = 1.0;
// How long `holds` has held, counted from `since` (-1: it did not hold at the last look),
// which it keeps up to date.
double heldFor(bool holds, double &since, double now) {
    if (!holds)
        since = -1.0;
    else if (since < 0.0)
        since = now;
    return holds ? now - since : 0.0;
}
} // namespace

VoiceSteering::VoiceSteering(double now, double startSpeed)
    : m_speed(std::max(0.0, startSpeed)), m_nextChange(now), m_askedAt(now) {}

double VoiceSteering::paceOfWordsHeard() const {
    // The slope of the word heard over the time the reader spoke, over every word of the
    // window: a guess a few words on and taken back, or a stretch the recogniser was slow to
    // hear and then heard at once, moves it little. A jump's words are left out.
    // A word heard as ending before the one heard ahead of it (the recogniser revised its
    // times) takes the time of that one: the time runs on only from the latest word.
    double t = 0.0, w = 0.0, latest = m_words.isEmpty() ? 0.0 : m_words.first().x();
    QList<QPointF> run{QPointF(0.0, 0.0)};
    for (qsizetype i = 1; i < m_words.size(); ++i) {
        const double dt = m_words[i].x() - latest;
        const double moved = m_words[i].y() - m_words[i - 1].y();
        if (std::abs(moved) <= kLongestStep + kFastestPace * std::max(0.0, dt))
            w += moved;
        // Words given the same time are one place: the last.
        if (dt <= 0.0) {
            run.last() = QPointF(t, w);
        } else {
            t += dt;
            latest = m_words[i].x();
            run.append(QPointF(t, w));
        }
    }
    // The median of the slopes between every two places a second or more apart: a few
    // places misheard move it not at all.
    QList<double> slopes;
    for (qsizetype i = 0; i < run.size(); ++i)
        for (qsizetype k = i + 1; k < run.size(); ++k)
            if (run[k].x() - run[i].x() >= 1.0)
                slopes << (run[k].y() - run[i].y()) / (run[k].x() - run[i].x());
    // The guess weighs less the longer the words heard span (from the voice's start, when
    // the reader began at the reading line).
    const double known = m_words.isEmpty() ? 0.0 : m_words.last().x() - m_words.first().x();
    const double guess = kGuessWeight * std::max(0.0, 1.0 - known / kGuessFor);
    double fitted = kGuessedPace;
    if (!slopes.isEmpty()) {
        const auto middle = slopes.begin() + slopes.size() / 2;
        std::nth_element(slopes.begin(), middle, slopes.end());
        fitted = std::clamp(*middle, 0.0, kFastestPace);
    }
    return guess + t > 0.0 ? (kGuessedPace * guess + fitted * t) / (guess + t) : kGuessedPace;
}

void VoiceSteering::heard(double at, double along, double startAlong) {
    // On the clock of the time spoken: the word ended this long before now.
    at = m_spoken - std::max(0.0, m_spokenAt - at);
    // The reader began at the word at the reading line as the voice began: the first word
    // heard, a couple of seconds later, tells the pace at once. (A reader who began elsewhere
    // is a jump, which the pace leaves out.)
    if (m_words.isEmpty() && startAlong >= 0.0 && m_voiceAt >= 0.0 && m_voiceAt < at)
        m_words.append(QPointF(m_voiceAt, startAlong));
    if (m_firstHeardAt < 0.0)
        m_firstHeardAt = at;
    m_words.append(QPointF(at, along));
    while (m_words.size() > 2 && m_words.first().x() < at - kPaceWindow)
        m_words.removeFirst();
    // Worked out once a word, not at every step of the speed.
    m_pace = paceOfWordsHeard();
    m_placeAtZero = placeAtZero();
}

double VoiceSteering::cruise(const SteeringInput &in) {
    const double wanted = (m_pace < 0.0 ? kGuessedPace : m_pace) * in.rowsPerWord;
    if (m_cruise < 0.0) {
        m_cruise = wanted;
    } else {
        // While the text leans towards the reader's place, a pace heard that would move it the
        // same way is taken at once: the place and the pace both say the speed is off.
        const double known = m_words.isEmpty() ? 0.0 : m_words.last().x() - m_firstHeardAt;
        const bool agreed = m_leaning && (wanted - m_cruise) * m_error > 0.0;
        const double share = known < kSettled || agreed ? kEarlyPaceChange : kPaceChange;
        const double most = share * (in.now - m_cruiseAt) * m_cruise;
        m_cruise += std::clamp(wanted - m_cruise, -most, most);
    }
    m_cruiseAt = in.now;
    return m_cruise;
}

double VoiceSteering::placeAtZero() const {
    // Each word heard over the last seconds tells a place: its own, run on (or back) at the
    // reader's pace. The reader is at the middle one of them: a few words placed lines off and
    // put right a moment later, as the recogniser's words often are at a paragraph's turn, move
    // it not at all, and a reader who skipped on is there as soon as most of the words heard
    // say so. Told at the time spoken 0, so that the places run on alike.
    const double latest = m_words.last().x();
    QList<double> places;
    for (const QPointF &word : m_words)
        if (word.x() >= latest - kPlaceWindow)
            places << word.y() - m_pace * word.x();
    const auto middle = places.begin() + places.size() / 2;
    std::nth_element(places.begin(), middle, places.end());
    return *middle;
}

double VoiceSteering::placeAlong(const SteeringInput &in) const {
    // The place runs on at the reader's pace, but no further than a few seconds past the last
    // word: the recogniser is often seconds late with a stretch of words, but a reader who says
    // what is not written is not reading on.
    if (m_words.isEmpty())
        return in.heardAlong;
    return m_placeAtZero + m_pace * std::min(m_spoken, m_words.last().x() + kRunOn);
}

double VoiceSteering::place(const SteeringInput &in, double readerSpeed) {
    // Where the words heard put the reader.
    const double along = placeAlong(in);
    const double heard = in.targetAt(along);
    // The place followed runs on at the reader's pace while the words heard do, and goes to
    // them, but on no faster than a few times the reader's speed and back by no more than a
    // share of it: a place misheard lines on, or back, and put right a moment later, pulls the
    // text little; a skipped paragraph is caught up over a few seconds.
    if (m_placeAt < 0.0) {
        m_place = heard;
    } else {
        const double dt = in.now - m_placeAt;
        if (in.now - in.heardAt < kRunOn)
            m_place += readerSpeed * dt;
        m_place = std::clamp(heard, m_place - kPlaceBack * readerSpeed * dt,
                             m_place + kPlaceSlew * readerSpeed * dt);
    }
    // The error, smoothed: a word heard early or late moves it little.
    const double error = m_place - in.position;
    m_error = m_placeAt < 0.0 ? error
                              : m_error + (error - m_error) *
                                              std::min(1.0, (in.now - m_placeAt) / kErrorSmoothing);
    m_placeAt = in.now;
    return m_error;
}

double VoiceSteering::readingSpeed(const SteeringInput &in, double readerSpeed, bool finding) {
    const double error = place(in, readerSpeed);
    const double line = in.lineHeight;
    const double inner = std::max(kInnerBand * line, kInnerBandSeconds * readerSpeed);
    // A lean begun while finding, within the band when finding ends, ends with it.
    // Once the pace is found, a lean begins only when the place has stood beyond the band for
    // a few seconds: a reader through a run of short lines is beyond it for a moment and back.
    const bool beyond =
        std::abs(error) > (finding ? inner : std::max(kBand * line, kBandSeconds * readerSpeed));
    const double beyondFor = heldFor(beyond, m_beyondSince, in.now);
    if (beyond && (finding || beyondFor >= kBandFor))
        m_leaning = true;
    else if (!beyond && (std::abs(error) < inner || (m_finding && !finding)))
        m_leaning = false;
    m_finding = finding;
    const double most = (finding ? kFindingLean : kMostLean) * readerSpeed;
    // Within the band the speed is held where it was last set (at the end of finding, or when
    // the reader's speed has moved beyond the held share): a paragraph's turn, read in a moment,
    // puts the text a little behind, and the paragraph's lines bring it back. A lean is made on
    // top of the held speed, and the text comes back to it: a lean says the held speed was off
    // towards the place, and a pace heard meanwhile that differs from it by less than the held
    // share is no reason to move it (taken at the lean's end, it set the text slower after a
    // lean that had found it too slow).
    const double lean =
        m_leaning ? std::clamp(error / (finding ? kFindingSettle : kSettle), -most, most) : 0.0;
    if (finding || m_held < 0.0 || std::abs(readerSpeed - m_held) > kHeldBeyond * m_held)
        m_held = readerSpeed;
    // Far off for a while (not a moment's mishearing), the text catches up.
    const double far = kFar * line;
    const double farBeyond = error > far ? error - far : error < -far ? error + far : 0.0;
    const double farFor = heldFor(farBeyond != 0.0, m_farSince, in.now);
    const double catchUp = farBeyond != 0.0 && farFor >= kFarFor ? farBeyond : 0.0;
    return std::max(m_held + lean + catchUp / kCatchUp, kSlowestShare * readerSpeed);
}

double VoiceSteering::steer(const SteeringInput &in) {
    const double sinceAsked = in.now - m_askedAt;
    m_askedAt = in.now;
    const Hearing &sound = in.hearing;
    const bool paused = (sound.silentFor >= kPauseAfter && sound.quietFor >= kQuietPause) ||
                        sound.silentFor >= kPauseInNoise;
    // The time spoken runs while the reader does not pause.
    if (m_spokenAt >= 0.0 && !paused)
        m_spoken += in.now - m_spokenAt;
    m_spokenAt = in.now;
    // Before the first word: when the voice began (a sound that a pause follows was not it).
    if (m_words.isEmpty() && paused)
        m_voiceAt = -1.0;
    else if (m_words.isEmpty() && sound.speaking && m_voiceAt < 0.0)
        m_voiceAt = m_spoken;
    if (in.heard && (m_words.isEmpty() || m_words.last().y() != in.heardAlong))
        heard(in.heardAt, in.heardAlong, in.startAlong);
    if (in.heard && m_firstHeardNow < 0.0)
        m_firstHeardNow = in.now;
    // A pause, or the voice coming back to a standing text, is answered at once.
    const bool turn = paused != m_paused || (m_speed <= 0.0 && sound.speaking);
    if (in.now < m_nextChange && !turn)
        return m_speed;
    if (paused && !m_paused)
        m_pausedSince = in.now;
    m_paused = paused;
    // A pause brakes evenly from the speed it found, so the text stands within a second.
    if (!paused)
        m_pauseSpeed = 0.0;
    else if (m_pauseSpeed <= 0.0)
        m_pauseSpeed = m_speed;

    const double readerSpeed = cruise(in);
    const bool finding = in.heard && in.now - m_firstHeardNow < kFinding;
    double wanted = 0.0;
    if (!in.heard) {
        // The first line goes to the reading line, slowing evenly as it nears it, and waits
        // for the reader. Once the voice is heard it moves on at least at the guessed pace: the
        // recogniser's first words come seconds after the reader's, and they will tell the pace.
        const double way = in.firstTarget - in.position;
        wanted = way > 0.0 ? std::sqrt(2.0 * kArrival * way) : 0.0;
        if (sound.speaking)
            wanted = std::max(wanted, readerSpeed);
    } else if (paused) {
        // The text comes to rest at the last word heard, or short of it if that takes longer
        // than the brake; the place is taken afresh after.
        const double braking = 1.0 - (in.now - m_pausedSince) / kBrake;
        wanted =
            std::min(kGain * (in.heardTarget - in.position), m_pauseSpeed * std::max(0.0, braking));
        m_placeAt = -1.0;
        m_leaning = false;
        m_beyondSince = -1.0;
    } else {
        wanted = readingSpeed(in, readerSpeed, finding);
    }
    wanted = std::clamp(wanted, 0.0, kFastest * std::max(readerSpeed, 1.0));
    // Slower than a tenth of the reader's speed is standing still.
    if (wanted < kQuickChange * readerSpeed)
        wanted = 0.0;

    // Far from the speed wanted, the speed goes there at the quick pace and all the way.
    const double scale = std::max({m_speed, readerSpeed, 1.0});
    if (paused || !in.heard || std::abs(wanted - m_speed) > kQuickBeyond * scale ||
        (finding && std::abs(wanted - m_speed) > kCruiseDeadBand * scale))
        m_quick = true;
    double next = m_speed;
    bool sliding = false;
    if (m_quick) {
        const double steps = std::clamp(sinceAsked / kQuickStep, 1.0, kMostSteps);
        const double up =
            steps * kQuickChange * std::max({m_speed, kStartShare * readerSpeed, m_pauseSpeed});
        const double down = paused ? up : steps * kQuickChange * m_speed;
        next = m_speed + std::clamp(wanted - m_speed, -down, up);
        m_quick = next != wanted;
    } else if (std::abs(wanted - m_speed) > kCruiseDeadBand * m_speed) {
        const double step =
            std::min(std::max(kCruiseChange * m_speed, kCruisePart * std::abs(wanted - m_speed)),
                     kMostCruiseChange * m_speed) *
            kQuickStep / kCruiseStep;
        next = m_speed + std::clamp(wanted - m_speed, -step, step);
        sliding = true;
    }
    // A pause's brake ends with the text standing where one more step would leave a row taking
    // longer than a tenth of a second's step (its last step two tenths of the speed it found);
    // a speed under a row a second is no scroll: a text starting goes to it at once.
    if (paused && next < 1.5 * kQuickChange * m_pauseSpeed)
        next = 0.0;
    else if (next < kSlowest)
        next = wanted > m_speed && wanted >= kSlowest ? kSlowest : 0.0;
    m_nextChange = in.now + (m_quick || sliding ? kQuickStep : kCruiseStep);
    m_speed = next;
    return m_speed;
}
