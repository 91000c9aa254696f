// The timed wait: ticks of waitTimer, nesting, and what it leaves behind.
#include "TestSupport.h"

#include "app/MainWindow.h"
#include "platform/Platform.h"
#include "preroll/TimedWait.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

class TestTimedWait : public QObject, testsupport::MainWindowFixture {
    Q_OBJECT
    int ticks = 0;

private slots:
    void init() {
        openForm();
        ticks = 0;
        connect(f->ui().waitTimer, &QTimer::timeout, this, [this] { ++ticks; });
    }
    void cleanup() { closeForm(); }

    void waitsForItsTicks_data() {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("expectedTicks");
        QTest::newRow("zero returns at once") << 0 << 0;
        QTest::newRow("negative returns at once") << -4 << 0;
        QTest::newRow("one") << 1 << 1;
        QTest::newRow("three") << 3 << 3;
    }
    void waitsForItsTicks() {
        QFETCH(int, seconds);
        QFETCH(int, expectedTicks);
        bool ran = false; // messages run during the wait
        QTimer::singleShot(0, this, [&] { ran = true; });
        f->timedWait().wait(seconds);
        QCOMPARE(ran, seconds > 0);
        QCOMPARE(ticks, expectedTicks);
        QVERIFY(!f->ui().waitTimer->isActive());
        QVERIFY(f->timedWait().secondsLeft() <= 0);
        if (seconds > 0)
            QCOMPARE(f->timedWait().secondsLeft(), 0);
    }

    // A handler that pumps messages while the wait runs, and is slow (a loaded machine):
    // the wait's own tick arrives inside it, and no second tick follows before the wait
    // returns.
    void noTickAfterTheWaitEnds() {
        platform::setSecondMs(5);
        QTimer::singleShot(0, this, [] {
            for (int i = 0; i < 3; ++i) {
                QTest::qSleep(20);
                platform::pumpMessages();
            }
        });
        f->timedWait().wait(1);
        QCOMPARE(ticks, 1);
        QCOMPARE(f->timedWait().secondsLeft(), 0);
    }

    // A one-second wait started inside a ten-second wait ends both at its tick.
    void nestedWaitEndsBoth() {
        int innerTicks = -1;
        connect(f->ui().waitTimer, &QTimer::timeout, this, [&] {
            if (ticks == 1) {
                QTimer::singleShot(0, this, [&] {
                    const int before = ticks;
                    f->timedWait().wait(1);
                    innerTicks = ticks - before;
                });
            }
        });
        f->timedWait().wait(10);
        QCOMPARE(innerTicks, 1);
        QCOMPARE(ticks, 2);
        QCOMPARE(f->timedWait().secondsLeft(), 0);
        QVERIFY(!f->ui().waitTimer->isActive());
    }

    // The wait follows the length of a second from the platform.
    void lengthOfASecond() {
        platform::setSecondMs(40);
        QElapsedTimer t;
        t.start();
        f->timedWait().wait(3);
        QVERIFY(t.elapsed() >= 3 * 40 - 5);
    }
};

QTEST_MAIN(TestTimedWait)
#include "tst_timedwait.moc"
