#include "platform/System.h"

#include "platform/Screen.h"

#include <QFile>
#include <QScreen>

#include <cmath>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/utsname.h>

namespace platform {
namespace {
QString g_procRoot;

utsname unameFields() {
    utsname u{};
    if (::uname(&u) != 0)
        return utsname{};
    return u;
}

// The size of the program's address space: its limit when one is set, else all that the
// kernel gives a user process (128 TiB on 64-bit systems, 3 GiB on 32-bit ones).
quint64 addressSpaceBytes() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        return limit.rlim_cur;
    return sizeof(void *) == 8 ? quint64(1) << 47 : quint64(3) << 30;
}
} // namespace

QString System::procRoot() {
    return g_procRoot.isEmpty() ? QStringLiteral("/proc") : g_procRoot;
}

void System::setProcRoot(const QString &folder) {
    g_procRoot = folder;
}

QString System::readProcFile(const QString &relativePath) {
    QFile file(procRoot() + QLatin1Char('/') + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

VersionInfo System::version() {
    const utsname u = unameFields();
    QString sysname = readProcFile(QStringLiteral("sys/kernel/ostype")).trimmed();
    QString release = readProcFile(QStringLiteral("sys/kernel/osrelease")).trimmed();
    if (sysname.isEmpty())
        sysname = QString::fromLocal8Bit(u.sysname);
    if (release.isEmpty())
        release = QString::fromLocal8Bit(u.release);
    if (sysname.isEmpty())
        sysname = QStringLiteral("Linux");
    return versionFromUname(sysname, release);
}

ProcessorInfo System::processor() {
    const utsname u = unameFields();
    return parseCpuinfo(readProcFile(QStringLiteral("cpuinfo")), QString::fromLatin1(u.machine));
}

MemoryStatus System::memoryStatus() {
    return withAddressSpace(parseMeminfo(readProcFile(QStringLiteral("meminfo"))),
                            addressSpaceBytes(), readProcFile(QStringLiteral("self/status")));
}

HeapStatus System::heapStatus() {
    const struct mallinfo2 m = ::mallinfo2();
    AllocatorFigures a;
    a.arena = m.arena;
    a.ordblks = m.ordblks;
    a.smblks = m.smblks;
    a.hblks = m.hblks;
    a.hblkhd = m.hblkhd;
    a.fsmblks = m.fsmblks;
    a.uordblks = m.uordblks;
    a.fordblks = m.fordblks;
    a.keepcost = m.keepcost;
    return heapStatusFrom(a);
}

DisplayCaps System::display(const QScreen *screen) {
    const QSize size = Screen::size();
    if (!screen)
        return displayCapsOf(Screen::depth(), size, size, QSize(), QSize(96, 96), 0);
    const QSizeF mm = screen->physicalSize();
    return displayCapsOf(Screen::depth(), size, screen->virtualSize(),
                         QSize(int(std::lround(mm.width())), int(std::lround(mm.height()))),
                         QSize(int(std::lround(screen->logicalDotsPerInchX())),
                               int(std::lround(screen->logicalDotsPerInchY()))),
                         int(std::lround(screen->refreshRate())));
}

} // namespace platform
