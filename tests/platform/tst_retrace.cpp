#include "../play/PlayTestSupport.h"

#include "platform/DrmVblank.h"
#include "platform/Retrace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestRetrace : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { platform::Retrace::setBackend(nullptr); }

    void backendDecides_data() {
        QTest::addColumn<bool>("available");
        QTest::addColumn<int>("waits");
        QTest::newRow("available: waits") << true << 1;
        QTest::newRow("unavailable: returns at once") << false << 0;
    }

    void backendDecides() {
        QFETCH(bool, available);
        QFETCH(int, waits);
        playtest::FakeRetrace fake;
        fake.isAvailable = available;
        platform::Retrace::setBackend(&fake);
        QCOMPARE(platform::Retrace::available(), available);
        platform::Retrace::wait();
        QCOMPARE(fake.waits, waits);
    }

    void realDetectionWithoutCards() {
        if (QDir(QStringLiteral("/dev/dri")).exists())
            QSKIP("this machine has DRM cards; detection depends on them");
        QVERIFY(!platform::Retrace::available());
        platform::Retrace::wait(); // returns at once
        platform::DrmVblank drm;
        QVERIFY(!drm.open());
        QVERIFY(!drm.waitNext());
    }

    void cardsThatAreNoDisplay_data() {
        QTest::addColumn<QStringList>("files");
        QTest::newRow("no directory") << QStringList();
        QTest::newRow("empty directory") << QStringList{QStringLiteral(".")};
        QTest::newRow("card files that reject the wait")
            << QStringList{QStringLiteral("card0"), QStringLiteral("card1")};
        QTest::newRow("render node only") << QStringList{QStringLiteral("renderD128")};
    }

    void cardsThatAreNoDisplay() {
        QFETCH(QStringList, files);
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        QString dir = tmp.filePath(QStringLiteral("dri"));
        if (!files.isEmpty()) {
            QVERIFY(QDir().mkpath(dir));
            for (const QString &name : files) {
                if (name == QLatin1String("."))
                    continue;
                QFile f(dir + QLatin1Char('/') + name);
                QVERIFY(f.open(QIODevice::WriteOnly));
            }
        }
        platform::DrmVblank drm(dir);
        QVERIFY(!drm.open());
        QVERIFY(!drm.isOpen());
        QVERIFY(drm.cardPath().isEmpty());
        QVERIFY(!drm.waitNext());
    }
};

QTEST_MAIN(TestRetrace)
#include "tst_retrace.moc"
