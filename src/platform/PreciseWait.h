#pragma once

#include <QtGlobal>

namespace platform {

// Nanoseconds of the monotonic clock (the steady clock the presenter counts in too).
qint64 monotonicNs();

// Returns when the monotonic clock has reached deadlineNs, at once for one that has passed.
// It sleeps (an absolute-time sleep of the clock, so a late wake-up is not added to the
// next wait) until a fraction of a millisecond before the deadline and spins only that
// last stretch, for precision: a wait costs the processor almost nothing.
void waitUntilNs(qint64 deadlineNs);

} // namespace platform
