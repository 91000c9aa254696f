#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

// Decides, row by row, whether the play surface may be shown on screen now: never more
// often than the display refreshes. A row that may not be shown yet is not lost: the next
// present shows the whole surface, and the play window presents the last row of a line as
// soon as the pacer allows (msUntilDue), so the picture is whole once the line is in.
class PresentPacer {
public:
    explicit PresentPacer(double refreshHz = 60.0);

    // Refresh rate of the display; values of 0 or less mean 60 Hz.
    void setRefreshHz(double hz);
    qint64 intervalNs() const { return m_intervalNs; }

    // True when a present may happen now: the first one after reset(), or a refresh
    // interval or more since the last present. A true answer counts as a present at that
    // time. nowNs is a steady time in nanoseconds.
    bool due(qint64 nowNs);
    // The same with the pacer's own steady clock.
    bool due();
    // Nanoseconds until due() answers true; 0 when it does now.
    qint64 nsUntilDue() const;
    // Milliseconds (rounded up) until due() answers true; 0 when it does now.
    int msUntilDue(qint64 nowNs) const;
    int msUntilDue() const;

    // Forgets the last present (the next row is presented).
    void reset() { m_havePresented = false; }

private:
    qint64 m_intervalNs = 0;
    qint64 m_lastNs = 0;
    bool m_havePresented = false;
    QElapsedTimer m_clock;
};
