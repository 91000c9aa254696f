#include "play/PresentSchedule.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr size_t kKeptRows = 4096;            // arrival times remembered
constexpr qint64 kLearnNs = 200'000'000;      // start-up: rows over this long tell the pace
constexpr qint64 kLearnRows = 4;              // ... and at least this many
constexpr qint64 kRateSpanNs = 2'000'000'000; // the pace is measured over this long
constexpr qint64 kChangeSpanNs = 300'000'000; // a change of pace shows over this long
constexpr double kChanged = 0.3;              // ... as a rate this far from the long one
// k rows a showing while the rows come at up to k + kTolerance a refresh: rows at the
// refresh rate, measured a hair above it, are still shown one a refresh (a showing of two
// now and then keeps the trail within its bound). A k is left for one row fewer only when
// the rate is kHysteresis rows a refresh below that one's limit, so that a rate measured
// at the limit does not make the showings alternate.
constexpr double kTolerance = 0.03;
constexpr double kHysteresis = 0.02;
// A showing later than this behind its time restarts the cadence from itself.
constexpr qint64 kLateNs = 2'000'000;
// The newest row's wait is brought back to its target over this long, the interval between
// showings changed by at most this share of itself.
constexpr double kTrailSettleNs = 4e9;
constexpr double kMostNudge = 0.005;

} // namespace

PresentSchedule::PresentSchedule(qint64 refreshNs)
    : m_arrivals(kKeptRows, 0), m_paceSums(kKeptRows, 0) {
    setRefreshNs(refreshNs);
}

void PresentSchedule::setRefreshNs(qint64 ns) {
    m_refreshNs = ns > 0 ? ns : 16'666'667;
}

void PresentSchedule::restart(qint64 count) {
    m_shown = m_newest = m_first = m_unpaced = count;
    m_steady = false;
    m_newestWanted = false;
    m_nextNs = kNever;
}

void PresentSchedule::rowArrived(qint64 atNs, qint64 paceNs) {
    const qint64 sumBefore = m_paceSums[static_cast<size_t>(m_newest) % m_paceSums.size()];
    ++m_newest;
    m_arrivals[static_cast<size_t>(m_newest) % m_arrivals.size()] = atNs;
    m_paceSums[static_cast<size_t>(m_newest) % m_paceSums.size()] =
        sumBefore + std::max<qint64>(0, paceNs);
    if (paceNs <= 0)
        m_unpaced = m_newest;
    m_first = std::max(m_first, m_newest - static_cast<qint64>(m_arrivals.size()));
}

void PresentSchedule::showNewest() {
    m_newestWanted = m_newest > m_shown;
    // After a pause or an end the rows' pace is learnt afresh.
    m_steady = false;
    m_first = m_newest;
}

bool PresentSchedule::known(qint64 count) const {
    return count > m_first && count <= m_newest;
}

qint64 PresentSchedule::arrival(qint64 count) const {
    return m_arrivals[static_cast<size_t>(count) % m_arrivals.size()];
}

qint64 PresentSchedule::dueAt() const {
    if (m_newest == m_shown)
        return kNever;
    const qint64 earliest = m_lastShowNs + (m_steady ? steadyIntervalNs() : m_refreshNs);
    // The oldest row waiting; an unknown one (forgotten with a restart) is overdue.
    const qint64 oldest = known(m_shown + 1) ? arrival(m_shown + 1) : earliest;
    if (m_newestWanted)
        return earliest;
    if (m_follow)
        return oldest;
    if (!m_steady)
        return std::max(earliest, oldest);
    const qint64 deadline = std::max(earliest, oldest + kMaxTrailNs);
    // A whole showing at its time; a part of one only when its oldest row must go.
    if (m_shown + m_k > m_newest)
        return deadline;
    return std::max(earliest, std::min(m_nextNs, deadline));
}

qint64 PresentSchedule::awaitedRow() const {
    if (!m_steady || m_follow || m_newestWanted || m_shown + m_k <= m_newest)
        return kNever;
    return m_shown + m_k;
}

double PresentSchedule::rowsPerSecond(qint64 spanNs) const {
    if (m_newest - m_first < 2)
        return 0.0;
    const qint64 end = arrival(m_newest);
    // The earliest known row inside the span.
    qint64 lo = m_first + 1;
    qint64 hi = m_newest;
    while (lo < hi) {
        const qint64 mid = lo + (hi - lo) / 2;
        if (arrival(mid) < end - spanNs)
            lo = mid + 1;
        else
            hi = mid;
    }
    const qint64 rows = m_newest - lo;
    const qint64 ns = end - arrival(lo);
    if (rows < 2 || ns <= 0)
        return 0.0;
    // Rows that told their pace: the newest row's, as far as the rows kept their paces.
    if (m_unpaced < m_newest && lo >= m_unpaced) {
        const auto sum = [this](qint64 c) {
            return m_paceSums[static_cast<size_t>(c) % m_paceSums.size()];
        };
        const qint64 newestPace = sum(m_newest) - sum(m_newest - 1);
        return 1e9 / double(newestPace) * double(sum(m_newest) - sum(lo)) / double(ns);
    }
    return rows * 1e9 / ns;
}

qint64 PresentSchedule::steadyIntervalNs() const {
    // k rows a showing at up to k + kTolerance rows a refresh come a hair more often than
    // the refresh: the showings keep the rows' pace rather than fall behind it and catch up
    // now and then with one row more. Where presents wait for the vertical blank, the blank
    // sets their pace anyway.
    return static_cast<qint64>(m_refreshNs / (1.0 + kTolerance));
}

double PresentSchedule::trailNudge(qint64 shownAt) const {
    // After a change of pace the rate measured over the last seconds lags the rows' own for a
    // while, and the newest row shown waits longer or shorter than kTargetTrailNs from then
    // on: a store of rows left full makes the showings come at each row's deadline, with its
    // lateness, and an empty one makes them wait for their rows. The interval is made a
    // little shorter or longer until the wait is back at its target, over kTrailSettleNs,
    // by at most kMostNudge: a change of speed on screen too small to see.
    if (!known(m_shown))
        return 1.0;
    const double off = double(shownAt - arrival(m_shown) - kTargetTrailNs) / kTrailSettleNs;
    return 1.0 - std::clamp(off, -kMostNudge, kMostNudge);
}

int PresentSchedule::rowsFor(double rate) const {
    const double perRefresh = rate * m_refreshNs / 1e9;
    const int least = std::max(1, static_cast<int>(std::ceil(perRefresh - kTolerance)));
    if (m_steady && m_k > least && perRefresh > m_k - 1 + kTolerance - kHysteresis)
        return m_k;
    return least;
}

void PresentSchedule::startSteady(qint64 nowNs, double rate) {
    m_k = rowsFor(rate);
    m_steady = true;
    m_periodNs = std::max(steadyIntervalNs(), static_cast<qint64>(m_k * 1e9 / rate));
    // The first steady showing lets the rows build up the trail.
    const qint64 from = known(m_shown) ? arrival(m_shown) : nowNs;
    m_nextNs = std::max(nowNs + m_refreshNs, from + m_periodNs + kTargetTrailNs);
}

qint64 PresentSchedule::takeShowing(qint64 count, qint64 nowNs) {
    m_shown = count;
    m_lastShowNs = nowNs;
    return count;
}

qint64 PresentSchedule::present(qint64 nowNs) {
    if (m_newest == m_shown)
        return m_shown;
    if (m_newestWanted || m_follow || !m_steady) {
        m_newestWanted = false;
        takeShowing(m_newest, nowNs);
        if (!m_follow && !m_steady && known(m_first + 1) && m_newest - m_first >= kLearnRows &&
            arrival(m_newest) - arrival(m_first + 1) >= kLearnNs) {
            const double rate = rowsPerSecond(kRateSpanNs);
            if (rate > 0.0)
                startSteady(nowNs, rate);
        }
        return m_shown;
    }

    // A change of pace (the operator's keys between lines): the rows before it no longer
    // tell the pace.
    double rate = rowsPerSecond(kRateSpanNs);
    const double recent = rowsPerSecond(kChangeSpanNs);
    if (recent > 0.0 && rate > 0.0 && std::abs(recent / rate - 1.0) > kChanged) {
        const qint64 end = arrival(m_newest);
        while (m_first + 1 < m_newest && arrival(m_first + 1) < end - kChangeSpanNs)
            ++m_first;
        rate = recent;
    }
    if (rate > 0.0)
        m_k = rowsFor(rate);

    // k rows, fewer only when the oldest waiting row has reached its deadline, more only
    // when a row would wait past it even with the next showing a refresh away.
    const bool early = nowNs < m_nextNs;
    const bool late = nowNs - m_nextNs > kLateNs;
    qint64 count = std::min(m_shown + m_k, m_newest);
    while (count < m_newest && known(count + 1) &&
           arrival(count + 1) + kMaxTrailNs < nowNs + m_refreshNs)
        ++count;
    // A showing on its time counts as made at its time: a thread woken a little late does
    // not push every later showing back by its lateness (until the rows come a showing
    // short, a hair faster than the refresh).
    const qint64 shownAt = early || late ? nowNs : m_nextNs;
    takeShowing(count, shownAt);

    // The next showing: k rows' time at the measured pace. The store of rows takes up the
    // rows' jitter; where it runs out, the showing waits for its rows, and where a
    // row would wait too long, the showing comes early (the deadline in dueAt()).
    if (rate > 0.0)
        m_periodNs = std::max(steadyIntervalNs(),
                              static_cast<qint64>(m_k * 1e9 / rate * trailNudge(shownAt)));
    // On the grid of showings, unless this one came late: then its rows came late, and
    // the next showing is a whole period after it rather than a hurried one to catch up.
    m_nextNs = early || late ? nowNs + m_periodNs : m_nextNs + m_periodNs;
    return m_shown;
}
