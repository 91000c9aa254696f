#include "play/PaceCalibration.h"

#include "play/BusyWait.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

namespace {

// The probe: about half a millisecond on a current processor; seven runs of it.
constexpr int kProbe = 1000;
constexpr int kRuns = 7;
constexpr int kFactor = 10; // "Slower x10"
constexpr int kSlowest = 1500 * kFactor;
constexpr int kFastest = 8 * kFactor;

BusyWaitTiming &standIn() {
    static BusyWaitTiming timing;
    return timing;
}

} // namespace

int calibratedDelay(double rowsPerSecond, const BusyWaitTiming &timing) {
    const double seconds = timing ? timing(kProbe) : 0.0;
    if (!(seconds > 0.0) || !std::isfinite(seconds) || !(rowsPerSecond > 0.0))
        return kSlowest;
    // seconds per unit of n (n + 1); the Delay n whose busy-wait lasts one row's time.
    const double perUnit = seconds / (static_cast<double>(kProbe) * (kProbe + 1));
    const double rowSeconds = 1.0 / rowsPerSecond;
    const double n = (std::sqrt(1.0 + 4.0 * rowSeconds / perUnit) - 1.0) / 2.0;
    const double rounded = std::round(n / kFactor) * kFactor;
    return static_cast<int>(std::clamp(rounded, double(kFastest), double(kSlowest)));
}

double measureBusyWait(int n) {
    using Clock = std::chrono::steady_clock;
    std::vector<double> runs;
    runs.reserve(kRuns);
    for (int i = 0; i < kRuns; ++i) {
        const Clock::time_point start = Clock::now();
        vdelayit(n);
        runs.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    }
    std::nth_element(runs.begin(), runs.begin() + kRuns / 2, runs.end());
    return runs[kRuns / 2];
}

double busyWaitSeconds(int n) {
    return standIn() ? standIn()(n) : measureBusyWait(n);
}

void setBusyWaitTiming(BusyWaitTiming timing) {
    standIn() = std::move(timing);
}
