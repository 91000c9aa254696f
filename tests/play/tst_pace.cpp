// The pace of a play on screen: when the scrolled rows are shown and how many at a time (on
// made-up times), the pictures the presenter shows, and the rows' wait and deadlines.
#include "play/PlaySurface.h"
#include "play/PresentSchedule.h"
#include "play/RowSchedule.h"
#include "play/ScreenPresenter.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>
#include <vector>

namespace {

constexpr qint64 kMs = 1'000'000;
constexpr qint64 kRefresh = 16'666'667;

// The showings of a run of rows.
struct Showings {
    std::vector<qint64> at;
    std::vector<qint64> rows;
    qint64 longestWait = 0;    // from a row's arrival to its showing
    std::vector<qint64> waits; // the newest row's wait at each showing
};

// Rows at `rate` a second on the clock's schedule (at `newRate` from `changeAt` seconds on),
// each finished late by up to `jitter` of an interval (a line drawn, a thread woken late), for
// `seconds`; a showing whenever the schedule says one is due. With `toldPace` each row tells
// the wait before it, as the play's rows do.
Showings simulate(PresentSchedule &s, double rate, double jitter, quint32 seed, double seconds,
                  double newRate = 0.0, double changeAt = 0.0, bool toldPace = false) {
    QRandomGenerator rng(seed);
    double due = 0.0;
    qint64 pace = 0;
    auto nextArrival = [&] {
        const double r = newRate > 0.0 && due >= changeAt * 1e9 ? newRate : rate;
        pace = toldPace ? std::llround(1e9 / r) : 0;
        due += 1e9 / r;
        return static_cast<qint64>(due + 1e9 / r * jitter * rng.generateDouble());
    };
    Showings out;
    std::vector<qint64> arrivals;
    qint64 nextRow = nextArrival();
    const qint64 end = static_cast<qint64>(seconds * 1e9);
    while (nextRow < end || s.dueAt() < end) {
        const qint64 due = s.dueAt();
        if (nextRow < end && nextRow <= due) {
            s.rowArrived(nextRow, pace);
            arrivals.push_back(nextRow);
            nextRow = nextArrival();
            continue;
        }
        const qint64 before = s.shown();
        const qint64 after = s.present(due);
        if (after == before)
            continue;
        out.at.push_back(due);
        out.rows.push_back(after - before);
        out.waits.push_back(due - arrivals[after - 1]);
        for (qint64 n = before + 1; n <= after; ++n)
            out.longestWait = std::max(out.longestWait, due - arrivals[n - 1]);
    }
    return out;
}

// What a present shows: a copy of the picture each time. A staging target copies it ahead
// and shows the copy when committed.
struct RecordingTarget : ScreenPresenter::Target {
    std::mutex mutex;
    std::vector<QImage> pictures;
    bool staging = false;
    QImage staged;
    void show(const QImage &picture, const QRect &) override {
        std::lock_guard lock(mutex);
        pictures.push_back(picture.copy());
    }
    bool stage(const QImage &picture, const QRect &) override {
        staged = picture.copy();
        return staging;
    }
    void commit() override {
        std::lock_guard lock(mutex);
        pictures.push_back(staged);
    }
    std::vector<QImage> taken() {
        std::lock_guard lock(mutex);
        return pictures;
    }
};

std::vector<QRgb> row(int n, int width) {
    std::vector<QRgb> px(width);
    for (int x = 0; x < width; ++x)
        px[x] = qRgb(n % 251, (n / 251) % 251, x);
    return px;
}

} // namespace

class TestPace : public QObject {
    Q_OBJECT
private slots:
    // Rows late by up to a third of an interval, or 2% of one at the refresh rate: after a
    // second of start-up every showing takes the same number of rows (the least that keeps
    // them a refresh apart, one up to the refresh rate), at an even cadence, and no row
    // waits longer than the bound. The speed is the rows'.
    void steadyShowings_data() {
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("jitter");
        QTest::addColumn<int>("rowsEach");
        QTest::newRow("30 rows/s") << 30.0 << 0.3 << 1;
        QTest::newRow("60 rows/s") << 60.0 << 0.02 << 1;
        QTest::newRow("100 rows/s") << 100.0 << 0.3 << 2;
        QTest::newRow("120 rows/s") << 120.0 << 0.3 << 2;
        QTest::newRow("150 rows/s") << 150.0 << 0.3 << 3;
    }
    void steadyShowings() {
        QFETCH(double, rate);
        QFETCH(double, jitter);
        QFETCH(int, rowsEach);
        for (quint32 seed : {1u, 2u, 3u}) {
            PresentSchedule s(kRefresh);
            s.restart(0);
            const Showings run = simulate(s, rate, jitter, seed, 10.0);
            QVERIFY(run.longestWait <= PresentSchedule::kMaxTrailNs);
            std::vector<double> intervals, speeds;
            qint64 rows = 0;
            qint64 from = 0;
            for (size_t i = 1; i < run.at.size(); ++i) {
                if (run.at[i] < 1000 * kMs)
                    continue;
                if (from == 0)
                    from = run.at[i - 1];
                QCOMPARE(run.rows[i], qint64(rowsEach));
                const qint64 dt = run.at[i] - run.at[i - 1];
                QVERIFY(dt >= kRefresh / 1.03); // a hair more often than the refresh at most
                intervals.push_back(double(dt));
                speeds.push_back(rowsEach * 1e9 / dt);
                rows += run.rows[i];
            }
            QVERIFY(intervals.size() > 200);
            std::vector<double> sorted = intervals;
            std::sort(sorted.begin(), sorted.end());
            const double median = sorted[sorted.size() / 2];
            QVERIFY2(sorted.front() > 0.6 * median && sorted.back() < 1.4 * median,
                     qPrintable(QStringLiteral("intervals %1..%2 ms around %3")
                                    .arg(sorted.front() / 1e6)
                                    .arg(sorted.back() / 1e6)
                                    .arg(median / 1e6)));
            double mean = 0, var = 0;
            for (double v : speeds)
                mean += v / speeds.size();
            for (double v : speeds)
                var += (v - mean) * (v - mean) / speeds.size();
            QVERIFY2(std::sqrt(var) / mean < 0.08,
                     qPrintable(QString::number(std::sqrt(var) / mean)));
            const double seconds = (run.at.back() - from) / 1e9;
            QVERIFY(std::abs(rows / seconds / rate - 1.0) < 0.05);
        }
    }

    // After a change of the rows' pace (the operator's keys, the voice's steering) the newest
    // row's wait comes back to its target, the showings' interval changing by little: a wait
    // left long would make each showing come at its rows' deadline, a short one wait for them.
    // Rows that tell their pace keep the wait at its target throughout, one row a showing
    // (measured, a 4% change moved the wait by more than 3 ms for seconds).
    void waitBackAtItsTarget_data() {
        QTest::addColumn<double>("newRate");
        QTest::addColumn<bool>("toldPace");
        QTest::newRow("1% slower") << 27.72 << false;
        QTest::newRow("1% faster") << 28.28 << false;
        QTest::newRow("3% faster") << 28.84 << false;
        QTest::newRow("twice as fast") << 56.0 << false;
        QTest::newRow("4% faster, told") << 29.12 << true;
        QTest::newRow("4% slower, told") << 26.88 << true;
    }
    void waitBackAtItsTarget() {
        QFETCH(double, newRate);
        QFETCH(bool, toldPace);
        PresentSchedule s(kRefresh);
        s.restart(0);
        const Showings run = simulate(s, 28.0, 0.05, 1u, 30.0, newRate, 5.0, toldPace);
        for (size_t i = 2; i < run.at.size(); ++i) {
            if (run.at[i] < (toldPace ? 2'000 : 20'000) * kMs)
                continue;
            QVERIFY2(std::abs(run.waits[i] - PresentSchedule::kTargetTrailNs) < 3 * kMs,
                     qPrintable(QString::number(run.waits[i] / 1e6)));
            QCOMPARE(run.rows[i], qint64(1));
            const double change =
                double(run.at[i] - run.at[i - 1]) / double(run.at[i - 1] - run.at[i - 2]);
            if (!toldPace)
                QVERIFY2(std::abs(change - 1.0) < 0.01, qPrintable(QString::number(change)));
        }
    }

    // Where the picture must show the newest row: a pause (or an exit, the end of the text)
    // shows it at the next refresh; when the rows stop at the end of a line it is shown
    // within the bound; with the retrace wait each row is shown as it comes.
    void newestRowShown_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("pause") << QStringLiteral("pause");
        QTest::newRow("end of a line") << QStringLiteral("line end");
        QTest::newRow("rows wait for the vertical blank") << QStringLiteral("follow");
    }
    void newestRowShown() {
        QFETCH(QString, how);
        PresentSchedule s(kRefresh);
        s.restart(0);
        s.setFollowRows(how == QStringLiteral("follow"));
        (void)simulate(s, 60.0, 0.1, 7, 3.0);
        const qint64 last = 3000 * kMs;
        s.rowArrived(last); // the newest row, with older rows still waiting
        QVERIFY(s.shown() < s.newest());
        if (how == QStringLiteral("pause"))
            s.showNewest();
        const qint64 due = s.dueAt();
        const qint64 bound = how == QStringLiteral("pause") ? last + kRefresh
                             : how == QStringLiteral("follow")
                                 ? last
                                 : last + PresentSchedule::kMaxTrailNs;
        QVERIFY(due <= bound);
        // Showings until nothing is due: the newest row is then on screen.
        for (qint64 t = std::max(due, last); s.dueAt() != PresentSchedule::kNever; t = s.dueAt())
            s.present(std::max(t, last));
        QCOMPARE(s.shown(), s.newest());
        if (how == QStringLiteral("pause"))
            QVERIFY(!s.steady()); // the pace is learnt afresh after it
    }

    // The presenter's picture is always the surface as it was some rows ago, whether it
    // presents from a thread of its own or when polled, and the newest when asked. Rows
    // that run further ahead than its ring holds are not lost: the next present shows the
    // newest picture.
    void picturesFollowTheSurface_data() {
        QTest::addColumn<bool>("thread");
        QTest::addColumn<bool>("staging");
        QTest::addColumn<int>("burst");
        QTest::newRow("polled") << false << false << 0;
        QTest::newRow("own thread") << true << false << 0;
        QTest::newRow("own thread, staged ahead") << true << true << 0;
        QTest::newRow("a burst beyond the ring") << false << false << 1500;
    }
    void picturesFollowTheSurface() {
        QFETCH(bool, thread);
        QFETCH(bool, staging);
        QFETCH(int, burst);
        const QRect area(6, 4, 50, 30);
        PlaySurface surface;
        surface.resize(QSize(64, 40), qRgb(0, 0, 40));
        surface.setScrollArea(area.left(), area.top(), area.right() + 1, area.bottom() + 1);
        RecordingTarget target;
        target.staging = staging;
        std::vector<QImage> states{surface.image()};
        ScreenPresenter presenter;
        presenter.setTarget(&target, thread);
        presenter.beginRows(surface);
        int n = 0;
        auto scrollIn = [&] {
            ++n;
            // A row narrower than the area keeps the rest of the row above it.
            const std::vector<QRgb> px = row(n, n % 7 == 0 ? 20 : area.width());
            surface.writeEntryRow(px.data(), int(px.size()));
            surface.scrollUp();
            presenter.rowScrolledIn(px.data(), int(px.size()));
        };
        while (n < 300) {
            scrollIn();
            presenter.poll();
            states.push_back(surface.image());
            QThread::usleep(1000);
        }
        if (burst > 0) {
            const size_t before = target.taken().size();
            const size_t burstFrom = states.size();
            for (int i = 0; i < burst; ++i) {
                scrollIn();
                states.push_back(surface.image());
            }
            // The next present, due within a refresh or two.
            for (int i = 0; i < 100 && target.taken().size() == before; ++i) {
                presenter.poll();
                QThread::usleep(500);
            }
            QCOMPARE(target.taken().size(), before + 1);
            // The surface as it was after the rows the present reached, in the burst.
            const qint64 reached = presenter.rowsShown();
            QVERIFY(reached >= qint64(burstFrom) && reached < qint64(states.size()));
            QCOMPARE(target.taken().back(), states[reached]);
            return;
        }
        const std::vector<QImage> shown = target.taken();
        QVERIFY(shown.size() >= 2);
        size_t state = 0;
        for (const QImage &picture : shown) {
            while (state < states.size() && states[state] != picture)
                ++state;
            QVERIFY2(state < states.size(), "a picture the surface never showed, or out of order");
        }
        presenter.showNewest();
        QTRY_COMPARE(presenter.rowsShown(), qint64(n));
        QTRY_COMPARE(target.taken().back(), surface.image());
        QCOMPARE(presenter.picture(), surface.image());
    }

    // A run of whole pictures (the frames of a fade) reaches the target whole, in order,
    // none skipped, from the thread or at once when polled.
    void framesShownWhole_data() {
        QTest::addColumn<bool>("thread");
        QTest::newRow("polled") << false;
        QTest::newRow("own thread") << true;
    }
    void framesShownWhole() {
        QFETCH(bool, thread);
        PlaySurface surface;
        surface.resize(QSize(40, 30), qRgb(0, 0, 0));
        const QRect title(5, 10, 30, 8);
        RecordingTarget target;
        ScreenPresenter presenter;
        presenter.setRefreshHz(1000); // a millisecond between presents keeps the test short
        presenter.setTarget(&target, thread);
        for (int k = 0; k <= 32; ++k) {
            surface.paint([&](QPainter &p) { p.fillRect(title, QColor(k * 7, k * 7, 255)); });
            presenter.showFrame(surface, title);
        }
        QTRY_COMPARE(target.taken().size(), size_t(33));
        presenter.setTarget(nullptr, false);
        const std::vector<QImage> shown = target.taken();
        for (int k = 0; k <= 32; ++k)
            QCOMPARE(shown[k].pixel(title.center()), qRgb(k * 7, k * 7, 255));
    }

    // The console's preview is the picture scaled down, and turned back when the play is
    // mirrored, as the reader sees it through the glass: a white left half stays on the left
    // of a plain preview and goes to the right of a mirrored one.
    void previewPicture_data() {
        QTest::addColumn<bool>("mirrored");
        QTest::addColumn<QSize>("size");
        QTest::newRow("plain, a quarter") << false << QSize(40, 30);
        QTest::newRow("mirrored, a quarter") << true << QSize(40, 30);
        QTest::newRow("mirrored, odd size") << true << QSize(33, 7);
    }
    void previewPicture() {
        QFETCH(bool, mirrored);
        QFETCH(QSize, size);
        PlaySurface surface;
        surface.resize(QSize(160, 120), qRgb(0, 0, 0));
        surface.paint([](QPainter &p) { p.fillRect(0, 0, 80, 120, Qt::white); });
        RecordingTarget target;
        ScreenPresenter presenter;
        presenter.setTarget(&target, false);
        presenter.showFrame(surface, QRect(0, 0, 160, 120));
        const QImage small = presenter.previewPicture(size, mirrored);
        presenter.setTarget(nullptr, false);
        QCOMPARE(small.size(), size);
        const int y = size.height() / 2;
        const QRgb left = small.pixel(1, y);
        const QRgb right = small.pixel(size.width() - 2, y);
        QCOMPARE(qGray(left) > 128, !mirrored);
        QCOMPARE(qGray(right) > 128, mirrored);
    }

    // Where the display has a vertical blank to wait for, the presenter's thread presents
    // right after one, never twice for the same blank.
    void presentsFollowTheVerticalBlank() {
        PlaySurface surface;
        surface.resize(QSize(32, 24), qRgb(0, 0, 0));
        surface.setScrollArea(0, 0, 32, 24);
        std::atomic<int> blanks{0};
        std::vector<int> blankAtShow;
        struct BlankTarget : ScreenPresenter::Target {
            std::atomic<int> *blanks;
            std::vector<int> *seen;
            void show(const QImage &, const QRect &) override { seen->push_back(*blanks); }
        } target;
        target.blanks = &blanks;
        target.seen = &blankAtShow;
        ScreenPresenter presenter;
        presenter.setVerticalBlank([&] {
            QThread::usleep(4000);
            ++blanks;
        });
        presenter.setTarget(&target, true);
        presenter.beginRows(surface);
        const std::vector<QRgb> px = row(1, 32);
        for (int n = 0; n < 200; ++n) {
            presenter.rowScrolledIn(px.data(), 32);
            QThread::usleep(1000);
        }
        presenter.showNewest();
        QTRY_COMPARE(presenter.rowsShown(), qint64(200));
        presenter.setTarget(nullptr, false);
        QVERIFY(blankAtShow.size() >= 5);
        QVERIFY(blankAtShow.front() > 0);
        for (size_t i = 1; i < blankAtShow.size(); ++i)
            QVERIFY(blankAtShow[i] > blankAtShow[i - 1]);
    }

    // The wait after a row is (N² + N) × 25 ns of Delay N, of the platform's second.
    void rowWait_data() {
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("secondMs");
        QTest::addColumn<qint64>("ns");
        QTest::newRow("1000: 25 ms, about 40 rows/s") << 1000 << 1000 << qint64(25'025'000);
        QTest::newRow("500: about 160 rows/s") << 500 << 1000 << qint64(6'262'500);
        QTest::newRow("the delay bar's end") << 1500 << 1000 << qint64(56'287'500);
        QTest::newRow("one") << 1 << 1000 << qint64(50);
        QTest::newRow("zero") << 0 << 1000 << qint64(0);
        QTest::newRow("negative") << -5 << 1000 << qint64(0);
        QTest::newRow("a test's short second") << 1000 << 5 << qint64(125'125);
        QTest::newRow("beyond any use, no overflow") << INT_MAX << 1000 << qint64(1e16);
    }
    void rowWait() {
        QFETCH(int, delay);
        QFETCH(int, secondMs);
        QFETCH(qint64, ns);
        QCOMPARE(rowWaitNs(delay, secondMs), ns);
    }

    // The rows' deadlines: each the last one plus the wait (a changed wait too), whatever the
    // time spent between them, unless the schedule is more than two rows' time behind or the
    // rows before did not wait; then from the row's own time. Each row is asked for `work` ms
    // after the last deadline (or after its own time, when that deadline had passed).
    void rowDeadlines_data() {
        QTest::addColumn<QList<int>>("delays");
        QTest::addColumn<QList<double>>("workMs");
        QTest::addColumn<QList<double>>("deadlineMs");
        constexpr double w = 25.025; // Delay 1000
        QTest::newRow("steady") << QList<int>{1000, 1000, 1000} << QList<double>{0, 0.2, 0.2}
                                << QList<double>{w, 2 * w, 3 * w};
        QTest::newRow("a slow line is absorbed")
            << QList<int>{1000, 1000, 1000} << QList<double>{0, 10, 0.1}
            << QList<double>{w, 2 * w, 3 * w};
        QTest::newRow("late by under two rows: no restart")
            << QList<int>{1000, 1000, 1000} << QList<double>{0, 60, 0}
            << QList<double>{w, 2 * w, 3 * w};
        QTest::newRow("a long stall restarts without a burst")
            << QList<int>{1000, 1000, 1000} << QList<double>{0, 80, 0}
            << QList<double>{w, w + 80 + w, w + 80 + 2 * w};
        // From the row's own time, the row's work would lengthen that one interval.
        QTest::newRow("a Delay change acts at the next row, in step")
            << QList<int>{1000, 500, 500} << QList<double>{0, 1, 0}
            << QList<double>{w, w + 6.2625, w + 2 * 6.2625};
        QTest::newRow("Delay 0 waits for nothing")
            << QList<int>{0, 0, 1000} << QList<double>{0, 3, 1} << QList<double>{0, 3, 4 + w};
    }
    void rowDeadlines() {
        QFETCH(QList<int>, delays);
        QFETCH(QList<double>, workMs);
        QFETCH(QList<double>, deadlineMs);
        RowSchedule schedule;
        const qint64 start = 7'000'000'000; // any time of the monotonic clock
        qint64 now = start, previous = start;
        for (qsizetype i = 0; i < delays.size(); ++i) {
            now += qint64(workMs[i] * kMs);
            const qint64 wait = rowWaitNs(delays[i]);
            const qint64 deadline = schedule.next(now, wait);
            QCOMPARE(deadline - start, qint64(std::llround(deadlineMs[i] * kMs)));
            // The pace told is the wait where the row keeps the schedule, else unknown.
            QCOMPARE(schedule.paceNs(), i > 0 && deadline - previous == wait ? wait : 0);
            previous = deadline;
            now = std::max(now, deadline); // the wait returns at the deadline
        }
    }
};

QTEST_GUILESS_MAIN(TestPace)
#include "tst_pace.moc"
