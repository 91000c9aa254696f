#pragma once

#include <functional>

// The pace of a first play. The text's speed is a busy-wait count (Delay) per pixel row,
// so a speed in pixels a second depends on the processor: the first start measures the
// busy-wait and picks the Delay that gives a pace a person can read.

// Seconds one busy-wait vdelayit(n) takes.
using BusyWaitTiming = std::function<double(int n)>;

// About 40 pixel rows a second: the default 24-point font (a 48-point play font, about 55
// pixels a line) at well under a line and a half a second.
inline constexpr double kReadableRowsPerSecond = 40.0;

// The Delay, for "Slower x10", at which the busy-wait makes rowsPerSecond rows a second: a
// multiple of 10 the delay bar shows (its positions 8 to 1500 give 80 to 15000). timing is
// asked about one short busy-wait; its time grows with n (n + 1) (n empty loops of n + 1
// steps). A timing of no time (or none at all) gives the slowest Delay.
int calibratedDelay(double rowsPerSecond, const BusyWaitTiming &timing);

// The real timing: the median of several runs of vdelayit(n) on the steady clock.
double measureBusyWait(int n);

// The timing the first start uses: measureBusyWait, unless a stand-in is set (tests set
// one, so that a first start takes no time and gives the same Delay on every machine).
double busyWaitSeconds(int n);
void setBusyWaitTiming(BusyWaitTiming timing); // empty: the real timing again
