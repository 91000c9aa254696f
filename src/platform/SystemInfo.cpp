#include "platform/SystemInfo.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

// The value after "key:" on the first line of text whose key matches, as text.
QStringView fieldText(QStringView text, QStringView key) {
    for (QStringView line : text.tokenize(u'\n')) {
        const qsizetype colon = line.indexOf(u':');
        if (colon > 0 && line.left(colon).trimmed() == key)
            return line.mid(colon + 1).trimmed();
    }
    return {};
}

// The leading number of a field ("16318284 kB", "0x1"), 0 when there is none.
quint64 fieldNumber(QStringView text, QStringView key, bool *found = nullptr) {
    QStringView value = fieldText(text, key);
    const qsizetype space = value.indexOf(u' ');
    if (space >= 0)
        value = value.left(space);
    bool ok = false;
    const quint64 n = value.toULongLong(&ok, 0);
    if (found)
        *found = ok;
    return ok ? n : 0;
}

int leadingInt(QStringView text, qsizetype *end) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isDigit())
        ++i;
    *end = i;
    return text.left(i).toInt();
}

} // namespace

MemoryStatus parseMeminfo(QStringView text) {
    MemoryStatus s;
    s.totalPhys = fieldNumber(text, u"MemTotal") * 1024;
    bool haveAvailable = false;
    s.availPhys = fieldNumber(text, u"MemAvailable", &haveAvailable) * 1024;
    if (!haveAvailable) // kernels before 3.14
        s.availPhys = (fieldNumber(text, u"MemFree") + fieldNumber(text, u"Buffers") +
                       fieldNumber(text, u"Cached")) *
                      1024;
    s.availPhys = std::min(s.availPhys, s.totalPhys);
    if (s.totalPhys > 0)
        s.memoryLoad = int(((s.totalPhys - s.availPhys) * 100 + s.totalPhys / 2) / s.totalPhys);
    return s;
}

MemoryStatus withAddressSpace(MemoryStatus status, quint64 total, QStringView procSelfStatus) {
    const quint64 used = fieldNumber(procSelfStatus, u"VmSize") * 1024;
    status.totalVirtual = total;
    status.availVirtual = total > used ? total - used : 0;
    return status;
}

ProcessorInfo parseCpuinfo(QStringView text, QStringView machine) {
    ProcessorInfo p;
    for (QStringView line : text.tokenize(u'\n')) {
        const qsizetype colon = line.indexOf(u':');
        if (colon > 0 && line.left(colon).trimmed() == u"processor")
            ++p.processors;
    }
    bool x86 = false;
    p.level = int(fieldNumber(text, u"cpu family", &x86));
    if (x86) {
        p.revision = int((fieldNumber(text, u"model") & 0xFF) << 8 |
                         (fieldNumber(text, u"stepping") & 0xFF));
    } else {
        p.level = int(fieldNumber(text, u"CPU architecture"));
        p.revision = int((fieldNumber(text, u"CPU variant") & 0xFF) << 8 |
                         (fieldNumber(text, u"CPU revision") & 0xFF));
    }
    if (machine == u"i386")
        p.processorType = 386;
    else if (machine == u"i486")
        p.processorType = 486;
    else if (machine == u"i586" || machine == u"i686")
        p.processorType = 586;
    else if (machine == u"x86_64" || machine == u"amd64")
        p.processorType = 8664;
    return p;
}

VersionInfo versionFromUname(QStringView sysname, QStringView release) {
    VersionInfo v;
    v.platform = sysname.toString();
    qsizetype end = 0;
    v.major = leadingInt(release, &end);
    if (end < release.size() && release[end] == u'.')
        v.minor = leadingInt(release.mid(end + 1), &end);
    return v;
}

HeapStatus heapStatusFrom(const AllocatorFigures &a) {
    HeapStatus h;
    // Everything the allocator took from the system is in use by it: nothing is reserved
    // without being committed.
    h.totalAddrSpace = a.arena + a.hblkhd;
    h.totalCommitted = h.totalAddrSpace;
    h.totalAllocated = a.uordblks + a.hblkhd;
    h.totalFree = a.fordblks;
    h.freeSmall = a.fsmblks;
    h.unused = std::min(a.keepcost, a.fordblks);
    h.freeBig = a.fordblks - h.unused - std::min(a.fsmblks, a.fordblks - h.unused);
    const quint64 accounted = h.totalAllocated + h.totalFree;
    h.overhead = h.totalCommitted > accounted ? h.totalCommitted - accounted : 0;
    // The allocator counts only the blocks it mapped on their own; their bytes and the heap's
    // bytes in use make the allocated size.
    h.allocMemCount = a.hblks;
    h.allocMemSize = h.totalAllocated;
    return h;
}

DisplayCaps displayCapsOf(int depth, QSize size, QSize desktop, QSize millimetres, QSize dpi,
                          int refreshHz) {
    DisplayCaps c;
    const bool palette = depth > 0 && depth <= 8;
    c.bitsPixel = depth;
    c.colorRes = std::min(depth, 24);
    c.sizePalette = palette ? 1 << depth : 0;
    c.numReserved = palette ? 20 : 0;
    c.vRefresh = refreshHz;
    c.desktopHorzRes = desktop.width();
    c.desktopVertRes = desktop.height();
    // Relative width and height of a pixel; 36 each for square pixels.
    c.aspectX = 36;
    c.aspectY = 36;
    if (millimetres.width() > 0 && millimetres.height() > 0 && size.width() > 0 &&
        size.height() > 0) {
        const double pixelW = double(millimetres.width()) / size.width();
        const double pixelH = double(millimetres.height()) / size.height();
        c.aspectY = int(std::lround(36.0 * pixelH / pixelW));
    }
    c.horzSizeMm = millimetres.width();
    c.vertSizeMm = millimetres.height();
    c.horzRes = size.width();
    c.vertRes = size.height();
    c.logPixelsX = dpi.width();
    c.logPixelsY = dpi.height();
    c.planes = 1;
    c.numBrushes = palette ? 1 << depth : -1; // -1: as many as wanted
    c.numPens = c.numBrushes;
    return c;
}

} // namespace platform
