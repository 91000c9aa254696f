#pragma once

#include "play/PresentSchedule.h"

#include <QImage>
#include <QRect>
#include <QRgb>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class PlaySurface;
class QPainter;

// Puts the play picture on screen.
//
// The scrolling pass runs on the user-interface thread and spends nearly all its time in
// the wait between rows, which sets the pace of the text. A present made from inside that
// loop lands in a row interval and makes it late, and a present made whenever a row happens
// to be ready shows one row, then two, then one, as the rows' jitter falls.
// So the rows of the pass are handed over here as they are finished (rowScrolledIn: the
// entry row, copied into a small ring of finished rows), and shown by PresentSchedule's
// rules: after a short start-up, the same number of rows at every present at an even
// cadence, at most one present a display refresh, the picture trailing the newest row by
// no more than PresentSchedule::kMaxTrailNs.
//
// The presenter keeps the picture that is on screen (the picture): the play surface as it
// was some rows ago. A present moves its scroll area up by the rows it shows and writes
// them in from the ring, then hands the scroll area to the target. With a thread of its own
// (the target can be drawn into from any thread: the X11 window), the presents happen
// there, between the rows, and cost the rows nothing; the user-interface thread only copies
// each finished row into the ring. Without one (other platforms, the tests) poll() after
// each row makes the presents that are due, on the caller's thread.
//
// Everything else that changes the surface (an erase, the centre marker, colour bars, the
// reverse scroll) is taken over whole with adopt() and shown by the window at once; rows
// still waiting are then dropped, since the surface already holds them. A run of whole
// pictures that must reach the screen evenly and whole (the frames of a fade) goes through
// showFrame(), by the same target and thread as the rows. showNewest() shows every
// finished row at the next refresh (pause, end, exit). The window's own paints paint the
// picture, so that an expose never shows rows the presents have not reached yet.
class ScreenPresenter {
public:
    // Where presents go: the picture's part rect, put on screen at the same place. The
    // picture does not change until show() returns.
    class Target {
    public:
        virtual ~Target() = default;
        virtual void show(const QImage &picture, const QRect &rect) = 0;
        // A target that can take a picture ahead of its showing copies the part rect into a
        // buffer of its own and answers true; commit() then puts it on screen. One that
        // cannot answers false and is shown with show() at the showing's time.
        virtual bool stage(const QImage &, const QRect &) { return false; }
        virtual void commit() {}
    };

    ScreenPresenter();
    ~ScreenPresenter();
    ScreenPresenter(const ScreenPresenter &) = delete;
    ScreenPresenter &operator=(const ScreenPresenter &) = delete;

    // The target of the rows' presents, and whether a thread of the presenter's own calls
    // it (otherwise poll() does). nullptr: rows are not presented. The previous target is
    // no longer called once this returns.
    void setTarget(Target *target, bool ownThread);
    bool hasThread() const { return m_thread.joinable(); }
    // The display's refresh rate (0 or less: 60 Hz), and whether each row is shown as it
    // comes (the rows wait for the vertical blank themselves).
    void setRefreshHz(double hz);
    void setFollowRows(bool on);
    // Where the display offers a wait for its vertical blank: the presents of the thread go
    // out right after a blank, at most one a blank. Empty: presents follow the clock.
    void setVerticalBlank(std::function<void()> wait);

    // The surface's pixels inside rect become the picture's (the caller shows them). When
    // rect touches the scroll area, the whole area is taken and waiting rows are dropped.
    void adopt(const PlaySurface &surface, const QRect &rect);

    // A whole new picture inside rect shown through the target: by the thread a refresh
    // after its last present (at the next vertical blank where there is one), or at once
    // when polled. A picture handed over while the one before still waits is held until
    // that one is out, so a run of them (the frames of a fade) reaches the screen whole,
    // one a refresh at most, none skipped. rect lies inside the output rectangle: the
    // window's own controls, which only the window paints, lie outside it.
    void showFrame(const PlaySurface &surface, const QRect &rect);

    // The scrolling pass: from now on the surface's scroll area takes rows at its bottom;
    // the picture takes the surface as it is.
    void beginRows(const PlaySurface &surface);
    // A row was written onto the entry row and the area scrolled up by one (count pixels
    // from the area's left edge), paceNs after the row before it was due (the row wait;
    // 0 where that is not known).
    void rowScrolledIn(const QRgb *pixels, int count, qint64 paceNs = 0);
    // Every finished row is to be shown, at the next refresh.
    void showNewest();
    // Without a thread: makes the present that is due now, if any.
    void poll();

    // The picture as it is on screen.
    void paintOnto(QPainter &painter, const QRect &rect) const;
    QImage picture() const;
    QSize pictureSize() const;
    // The picture made small for a preview: `size`, each pixel the mean of up to 2 x 2 of
    // the picture's around its place, turned left to right when `mirrored`. It is read a
    // band of rows at a time, so that a present never waits more than one band's reading
    // (some tens of microseconds); a band may be a row or two later than the one above it.
    QImage previewPicture(QSize size, bool mirrored) const;
    // Waits until the next present has gone out, or timeoutNs has passed: whether one did.
    // The preview puts its picture right after a present, so that the display server has
    // done with it long before the next one.
    bool waitForPresent(qint64 timeoutNs) const;
    // Rows finished and rows shown since beginRows().
    qint64 rowsFinished() const;
    qint64 rowsShown() const;

    // Steady nanoseconds, as the schedule counts them.
    static qint64 nowNs();

private:
    void run();
    void adoptLocked(const PlaySurface &surface, const QRect &rect);
    void beginRowsLocked(const PlaySurface &surface);
    void takeArrivals();
    // Makes the present due at nowNs under m_mutex; the rectangle to show (empty: none).
    QRect presentDue(qint64 nowNs);
    void writeRows(qint64 from, qint64 to);
    void stopThread();

    mutable std::mutex m_mutex; // the picture, the schedule, the target
    std::condition_variable m_wake;
    std::condition_variable m_frameOut;          // a waiting whole picture went out
    mutable std::condition_variable m_presented; // a present went out
    quint64 m_presents = 0;                      // counts them
    QRect m_frame;                               // a whole picture waiting for the thread
    qint64 m_lastPresentNs = 0;                  // the thread's last present
    std::thread m_thread;
    bool m_quit = false;
    quint64 m_generation = 0; // counts the changes of the picture other than its rows
    Target *m_target = nullptr;
    QImage m_picture;
    QRect m_area;
    bool m_rows = false;
    PresentSchedule m_schedule;
    std::function<void()> m_verticalBlank;

    // The ring of finished rows: row n at line n % capacity, written by the user-interface
    // thread, read by the presents.
    mutable std::mutex m_ringMutex;
    QImage m_ring;
    std::vector<qint64> m_ringTimes;
    std::vector<qint64> m_ringPaces;
    qint64 m_finished = 0;                      // rows finished
    qint64 m_taken = 0;                         // rows the schedule has been told of
    qint64 m_awaited = PresentSchedule::kNever; // the row the thread waits for
    bool m_follow = false;
};
