#include "platform/PreciseWait.h"

#include <cerrno>
#include <chrono>
#include <ctime>

namespace platform {
namespace {

// The stretch before a deadline that is spun rather than slept: more than the wake-up
// latency of a sleeping thread on a busy machine, a small part of any wait worth sleeping.
constexpr qint64 kSpinNs = 250'000;

} // namespace

qint64 monotonicNs() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

void waitUntilNs(qint64 deadlineNs) {
    const qint64 wakeNs = deadlineNs - kSpinNs;
    if (monotonicNs() < wakeNs) {
        timespec at{};
        at.tv_sec = static_cast<time_t>(wakeNs / 1'000'000'000);
        at.tv_nsec = static_cast<long>(wakeNs % 1'000'000'000);
        // A signal handler may cut the sleep short: sleep on to the same absolute time.
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr) == EINTR) {
        }
    }
    while (monotonicNs() < deadlineNs) {
#if defined(__x86_64__) || defined(__i386__)
        __builtin_ia32_pause();
#endif
    }
}

} // namespace platform
