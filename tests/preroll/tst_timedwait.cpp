// The timed wait: ticks of Timer2, nesting, and what it leaves behind.
#include "TestSupport.h"

#include "app/Mainform.h"
#include "platform/Platform.h"

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
        connect(f->Timer2, &QTimer::timeout, this, [this] { ++ticks; });
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
        f->Startdelay(seconds);
        QCOMPARE(ran, seconds > 0);
        QCOMPARE(ticks, expectedTicks);
        QVERIFY(!f->Timer2->isActive());
        QVERIFY(f->DelayLeft <= 0);
        if (seconds > 0)
            QCOMPARE(f->DelayLeft, 0);
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
        f->Startdelay(1);
        QCOMPARE(ticks, 1);
        QCOMPARE(f->DelayLeft, 0);
    }

    // A one-second wait started inside a ten-second wait ends both at its tick.
    void nestedWaitEndsBoth() {
        int innerTicks = -1;
        connect(f->Timer2, &QTimer::timeout, this, [&] {
            if (ticks == 1) {
                QTimer::singleShot(0, this, [&] {
                    const int before = ticks;
                    f->Startdelay(1);
                    innerTicks = ticks - before;
                });
            }
        });
        f->Startdelay(10);
        QCOMPARE(innerTicks, 1);
        QCOMPARE(ticks, 2);
        QCOMPARE(f->DelayLeft, 0);
        QVERIFY(!f->Timer2->isActive());
    }

    // The wait follows the length of a second from the platform.
    void lengthOfASecond() {
        platform::setSecondMs(40);
        QElapsedTimer t;
        t.start();
        f->Startdelay(3);
        QVERIFY(t.elapsed() >= 3 * 40 - 5);
    }
};

QTEST_MAIN(TestTimedWait)
#include "tst_timedwait.moc"
