#include "play/BusyWait.h"

#include "platform/Clock.h"

long long vdelayit(int n) {
    (void)platform::Clock::tickMs();
    long long done = 0;
    for (int i = 0; i < n; ++i) {
        // 64-bit, so that counting up to the largest n cannot overflow.
        volatile long long j = 0;
        while (j <= n)
            j = j + 1;
        done += j;
        (void)platform::Clock::tickMs();
    }
    return done;
}
