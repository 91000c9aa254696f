#pragma once

// The busy-wait between two scrolled pixel rows: reads the tick count once, then n times
// counts an empty loop from 0 to n and reads the tick count again. The time it takes grows
// with n squared and depends on the processor; the loop really runs (its counter is
// volatile). n of 0 or less waits for nothing. Returns the number of empty iterations run,
// n * (n + 1), so that callers and tests can see the work was done.
long long vdelayit(int n);
