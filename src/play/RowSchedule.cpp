#include "play/RowSchedule.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kUnitNs = 25.0;
// About three hundred years: far beyond any wait anyone sets, far below overflow.
constexpr double kLongestNs = 1e19 / 1000.0;
} // namespace

qint64 rowWaitNs(int delay, int secondMs) {
    if (delay <= 0 || secondMs <= 0)
        return 0;
    const double n = delay;
    const double ns = (n * n + n) * kUnitNs * secondMs / 1000.0;
    return static_cast<qint64>(std::llround(std::min(ns, kLongestNs)));
}

std::optional<double> rowsPerSecondAt(int delay) {
    const qint64 wait = rowWaitNs(delay);
    if (wait <= 0)
        return std::nullopt;
    return 1e9 / double(wait);
}

int delayForRowsPerSecond(double rowsPerSecond) {
    constexpr int kSlowest = 1000000;
    if (!(rowsPerSecond > 0))
        return kSlowest;
    // (N² + N) × unit = 1 / speed, solved for N.
    const double units = 1e9 / (rowsPerSecond * kUnitNs);
    const double n = (std::sqrt(1.0 + 4.0 * units) - 1.0) / 2.0;
    return int(std::clamp(std::llround(n), 1LL, (long long)kSlowest));
}

qint64 RowSchedule::next(qint64 nowNs, qint64 waitNs) {
    qint64 from = m_deadline;
    // A new wait counts from the last deadline too, so that a change of speed (a key, or the
    // voice's steering every second or so) adds no row's work time to one row's interval.
    // After rows that did not wait (Delay 0), and when behind by more than two rows' time:
    // from now, not a burst of rows to catch up.
    const bool restart = !m_running || m_waitNs == 0 || nowNs - (from + waitNs) > 2 * waitNs;
    if (restart)
        from = nowNs;
    m_paceNs = restart ? 0 : waitNs;
    m_running = true;
    m_waitNs = waitNs;
    m_deadline = from + waitNs;
    return m_deadline;
}
