// The reading-time estimate from one measured line: total time, the button's rate per
// line and the words per minute.
#include "editor/ReadingEstimate.h"

#include <QTest>

class TestReadingTime : public QObject {
    Q_OBJECT
private slots:
    void estimate_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<double>("ms");
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("approx");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("hasRate");
        QTest::addColumn<int>("rate");
        QTest::newRow("120 lines at 250 ms")
            << 120 << 250.0 << 600 << 30 << "Read Time 0 Min 30 Sec"
            << "Calibrate 0250 msec per line" << true << 1200;
        QTest::newRow("1000 lines at 250 ms")
            << 1000 << 250.0 << 5000 << 250 << "Read Time 4 Min 10 Sec"
            << "Calibrate 0250 msec per line" << true << 1200;
        QTest::newRow("0 ms keeps the rate label")
            << 1 << 0.0 << 10 << 0 << "Read Time 0 Min 00 Sec"
            << "Calibrate 0000 msec per line" << false << 0;
        QTest::newRow("under a second in all") << 3 << 300.0 << 50 << 0 << "Read Time 0 Min 00 Sec"
                                               << "Calibrate 0300 msec per line" << false << 0;
        QTest::newRow("no words typed") << 60 << 1000.0 << 0 << 60 << "Read Time 1 Min 00 Sec"
                                        << "Calibrate 1000 msec per line" << true << 0;
        QTest::newRow("five digits") << 10 << 12345.0 << 100 << 123 << "Read Time 2 Min 03 Sec"
                                     << "Calibrate 12345 msec per line" << true << 48;
        // A line measured across midnight comes out negative; nothing is corrected.
        QTest::newRow("across midnight")
            << 10 << -86399000.0 + 200.0 << 100 << -863988 << "Read Time -14399 Min -48 Sec"
            << "Calibrate -86398800 msec per line" << false << 0;
        // A long script at a slow pace overflows 32 bits in lines x ms.
        QTest::newRow("no overflow")
            << 2000000 << 60000.0 << 4000000 << 120000000 << "Read Time 2000000 Min 00 Sec"
            << "Calibrate 60000 msec per line" << true << 2;
    }
    void estimate() {
        QFETCH(int, lines);
        QFETCH(double, ms);
        QFETCH(int, words);
        QFETCH(int, total);
        QFETCH(QString, approx);
        QFETCH(QString, caption);
        QFETCH(bool, hasRate);
        QFETCH(int, rate);
        const ReadingEstimate e = estimateReadingTime(lines, ms, words);
        QCOMPARE(e.totalSeconds, total);
        QCOMPARE(e.approx, approx);
        QCOMPARE(e.buttonCaption, caption);
        QCOMPARE(e.hasRate, hasRate);
        if (hasRate)
            QCOMPARE(e.wordsPerMinute, rate);
    }
};

QTEST_GUILESS_MAIN(TestReadingTime)
#include "tst_readingtime.moc"
