#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

// Decides, row by row, whether the play surface must be shown on screen now: never more
// often than the display refreshes, except that the last row of every line is always shown
// (the picture must be whole when messages run between lines).
class PresentPacer {
public:
    explicit PresentPacer(double refreshHz = 60.0);

    // Refresh rate of the display; values of 0 or less mean 60 Hz.
    void setRefreshHz(double hz);
    qint64 intervalNs() const { return m_intervalNs; }

    // True when the row just scrolled must be presented: the last row of a line, the first
    // row after reset(), or a refresh interval or more since the last present. A true answer
    // counts as a present at that time. nowNs is a steady time in nanoseconds.
    bool due(bool lastRowOfLine, qint64 nowNs);
    // The same with the pacer's own steady clock.
    bool due(bool lastRowOfLine);

    // Forgets the last present (the next row is presented).
    void reset() { m_havePresented = false; }

private:
    qint64 m_intervalNs = 0;
    qint64 m_lastNs = 0;
    bool m_havePresented = false;
    QElapsedTimer m_clock;
};
