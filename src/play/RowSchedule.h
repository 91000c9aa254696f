#pragma once

#include <QtGlobal>

#include <optional>

// The pace of the text. After each scrolled pixel row the play waits (N² + N) × 25 ns for
// Delay N, nothing for N of 0 or less: Delay 1000 is 25.0 ms a row, about 40 rows a second,
// and 500 is 160. Delay is still a count of wait units, grown with its square as ever; a
// unit is a fixed time rather than a turn of a processor's loop, so the text has the same
// speed on every machine, however busy it is.

// The wait after a row at Delay `delay`, in nanoseconds of a second `secondMs` milliseconds
// long (1000 in the program; tests shorten it). Never negative; a Delay too large to mean
// anything gives a wait of centuries rather than an overflow.
qint64 rowWaitNs(int delay, int secondMs = 1000);

// The rows a second of Delay `delay` (none at Delay 0 or less: no wait), and the Delay whose
// rows come nearest `rowsPerSecond` (at least 1), its inverse for whoever steers the speed by
// rows a second.
std::optional<double> rowsPerSecondAt(int delay);
int delayForRowsPerSecond(double rowsPerSecond);

// The rows' deadlines on a monotonic clock. Each row's deadline is the previous one plus
// the wait, so the time spent between the waits (copying a row, drawing the next line,
// letting messages run) comes out of the wait instead of adding to it; a new wait (a speed
// key, the voice's steering) acts at the next row, counted from the last deadline as well, so
// that a change of speed leaves no uneven row. The schedule starts again from the row's own
// time at its first row, after rows that did not wait (Delay 0), and when it has fallen more
// than two rows' time behind (a pause, a long message pump, a machine that stalled): rows that
// are late are not made up in a burst.
// It owns no clock: it is told the time, so that a test can run it on made-up times.
class RowSchedule {
public:
    // The deadline of the next row, asked at nowNs once the row before it is finished, with
    // the wait of the Delay read at that row.
    qint64 next(qint64 nowNs, qint64 waitNs);
    // The time from the deadline before the last one to the last one: the wait, while the rows
    // keep their schedule; 0 where the schedule started again (no wait, a stall, the first row).
    qint64 paceNs() const { return m_paceNs; }

private:
    qint64 m_deadline = 0;
    qint64 m_waitNs = 0;
    qint64 m_paceNs = 0;
    bool m_running = false;
};
