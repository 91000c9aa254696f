#include "platform/ThreadScheduling.h"

#include <QFile>
#include <QtTest>

#include <algorithm>
#include <thread>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
// The calling thread's turn on the processor in nanoseconds, as the scheduler reports it (0
// where it does not).
qint64 turnNs() {
    QFile sched(QStringLiteral("/proc/thread-self/sched"));
    if (!sched.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : sched.readAll().split('\n'))
        if (line.startsWith("se.slice"))
            return line.split(':').value(1).trimmed().toLongLong();
    return 0;
}
} // namespace

class TestThreadScheduling : public QObject {
    Q_OBJECT
private slots:
    void backgroundThread() {
        // On a thread of its own, as the recogniser's: niced, and in long turns where the
        // scheduler can be asked; the process's other threads keep theirs.
        const auto thisThread = [] {
            return id_t(syscall(SYS_gettid));
        };
        const int mainNice = getpriority(PRIO_PROCESS, thisThread());
        const int wanted = std::min(19, mainNice + 5);
        int nice = -1;
        qint64 before = 0, after = 0;
        std::thread([&] {
            before = turnNs();
            platform::runInBackground(wanted);
            after = turnNs();
            nice = getpriority(PRIO_PROCESS, thisThread());
        }).join();
        QCOMPARE(nice, wanted);
        QCOMPARE(getpriority(PRIO_PROCESS, thisThread()), mainNice);
        if (before == 0 || after == before)
            QSKIP("this kernel gives no turns of their own to ordinary threads");
        QCOMPARE(after, qint64(20'000'000));
        QCOMPARE(turnNs(), before);
    }
};

QTEST_GUILESS_MAIN(TestThreadScheduling)
#include "tst_threadscheduling.moc"
