// lectoscope_bench_burst: work done in bursts in the background, as the speech recogniser
// decodes: two threads at niceness 10, each spinning 2 ms of every 10 ms, until killed.
// With --long-turns they run as platform::runInBackground() makes the recogniser's thread
// run; without it they are only niced, as it was before.
#include "platform/ThreadScheduling.h"

#include <chrono>
#include <cstring>
#include <thread>

#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int kNiceness = 10;
constexpr auto kBurst = std::chrono::milliseconds(2);
constexpr auto kRest = std::chrono::milliseconds(8);

[[noreturn]] void burstForever(bool longTurns) {
    if (longTurns)
        platform::runInBackground(kNiceness);
    else
        setpriority(PRIO_PROCESS, id_t(gettid()), kNiceness);
    for (;;) {
        const auto end = std::chrono::steady_clock::now() + kBurst;
        while (std::chrono::steady_clock::now() < end) {
        }
        std::this_thread::sleep_for(kRest);
    }
}

} // namespace

int main(int argc, char **argv) {
    const bool longTurns = argc > 1 && std::strcmp(argv[1], "--long-turns") == 0;
    std::thread other([longTurns] { burstForever(longTurns); });
    burstForever(longTurns);
}
