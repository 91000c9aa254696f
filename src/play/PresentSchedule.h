#pragma once

#include <QtGlobal>

#include <limits>
#include <vector>

// Decides when the play picture is shown and how far it has moved at each showing, from the
// times at which the scrolling pass finished its rows. It owns no clock: every call is told
// the time, so that a test can run it on made-up times.
//
// The rows come on a schedule of the clock, but each is finished a little early or late (a
// line drawn, messages let run, a thread woken late on a busy machine). Showing each row as
// it comes would hand that unevenness to the reader. So once the pace is known, the
// picture is shown at an even cadence with the same number of rows each time, and trails
// the newest row by about kTargetTrailNs: a short store of rows evens out the jitter. The
// cadence follows the rows' own pace (the speed on screen is the row wait's and nothing
// else's): the interval is the row count of a showing divided by the row rate, nudged a
// little, and only a little, towards keeping the trail at its target. Where the rows tell
// their pace (the wait before each), the rate is the newest row's, scaled by how well the
// rows kept their pace over the last seconds: a change of speed reaches the showings with
// the row that brings it, and the store of rows stays as it was. Else the rate is measured
// over the last seconds, and a change of speed moves the trail until the nudge brings it back. A
// row never waits longer than kMaxTrailNs; if the rows run ahead that far (the speed changed, the
// machine stalled) a showing takes more rows. If the rows fall behind, a showing waits for its
// rows.
//
//   start-up   the first rows of a run are shown as they come, at most one showing a
//              refresh, until about a fifth of a second of rows tells the pace;
//   steady     k rows a showing, k the least that keeps the showings at most one a display
//              refresh (one row a refresh up to the refresh rate), at intervals of k rows'
//              time; a showing whose rows come late goes out as its last row arrives, and
//              the cadence starts again from there, so that late rows slow the picture
//              evenly instead of holding it for a whole refresh and then catching up;
//   newest     after showNewest() (a pause, the end of the text, an exit) the next showing
//              takes every row there is, at once (one refresh after the last at the
//              earliest); the pace is then learnt afresh;
//   follow     with the vertical-blank wait the rows already come one a refresh: each is
//              shown as it comes.
class PresentSchedule {
public:
    static constexpr qint64 kNever = std::numeric_limits<qint64>::max();
    // Longest and usual time between a row's arrival and its showing.
    static constexpr qint64 kMaxTrailNs = 50'000'000;
    static constexpr qint64 kTargetTrailNs = 20'000'000;

    explicit PresentSchedule(qint64 refreshNs = 16'666'667);

    // The display's refresh interval; 0 or less means 60 Hz.
    void setRefreshNs(qint64 ns);
    qint64 refreshNs() const { return m_refreshNs; }

    // A new run of rows: the screen shows the picture after row `count` and nothing waits.
    // The pace is learnt afresh.
    void restart(qint64 count);
    // Row newest() + 1 was finished at atNs (times never go backwards), paceNs after the row
    // before it was due (0: not known).
    void rowArrived(qint64 atNs, qint64 paceNs = 0);
    // The next showing takes the newest row, as soon as a refresh allows.
    void showNewest();
    // Each row is shown as it comes (the rows wait for the vertical blank themselves).
    void setFollowRows(bool on) { m_follow = on; }

    // When the next showing is due: kNever while there is nothing to show.
    qint64 dueAt() const;
    // The row whose arrival completes the next steady showing while it still lacks rows
    // (kNever otherwise): a showing that is due goes out as soon as that row is there,
    // not at the next look for rows.
    qint64 awaitedRow() const;
    // The showing at nowNs (at or after dueAt()): the row count the picture is to show. It
    // counts as shown; a count equal to the previous one means nothing is to be shown.
    qint64 present(qint64 nowNs);

    qint64 shown() const { return m_shown; }
    qint64 newest() const { return m_newest; }
    bool steady() const { return m_steady; }
    int rowsPerPresent() const { return m_k; }
    qint64 periodNs() const { return m_periodNs; }

private:
    qint64 arrival(qint64 count) const;
    bool known(qint64 count) const;
    // Rows a second over the last few seconds of arrivals; 0 while too few are known.
    double rowsPerSecond(qint64 spanNs) const;
    // Rows a showing for this rate: the least k that keeps the showings a refresh apart,
    // changed only when the rate has moved clearly.
    int rowsFor(double rate) const;
    // The share of the measured interval that brings the newest row's wait back to its target.
    double trailNudge(qint64 shownAt) const;
    // The shortest time between two steady showings.
    qint64 steadyIntervalNs() const;
    void startSteady(qint64 nowNs, double rate);
    qint64 takeShowing(qint64 count, qint64 nowNs);

    qint64 m_refreshNs = 16'666'667;
    std::vector<qint64> m_arrivals; // arrival time of row c at c % size
    std::vector<qint64> m_paceSums; // the paces of the rows up to row c, at c % size
    qint64 m_unpaced = 0;           // the newest row whose pace is not known
    qint64 m_first = 0;             // rows after this one have known arrival times
    qint64 m_shown = 0;
    qint64 m_newest = 0;
    qint64 m_lastShowNs = std::numeric_limits<qint64>::min() / 2;
    qint64 m_nextNs = kNever; // the next steady showing
    qint64 m_periodNs = 0;
    int m_k = 1;
    bool m_steady = false;
    bool m_newestWanted = false;
    bool m_follow = false;
};
