#include "play/BusyWait.h"

#include "platform/Clock.h"

void vdelayit(int n) {
    (void)platform::Clock::tickMs();
    for (int i = 0; i < n; ++i) {
        // 64-bit, so that counting up to the largest n cannot overflow.
        for (volatile long long j = 0; j <= n;)
            j = j + 1;
        (void)platform::Clock::tickMs();
    }
}
