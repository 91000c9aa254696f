#pragma once

#include <QSize>
#include <QString>
#include <QStringView>

// The records the system queries fill, and the readers that fill them from the text the
// system gives (the files under /proc, the fields of uname, the C library's allocator
// statistics). The live queries are in System.h.
namespace platform {

// Memory status; byte counts.
struct MemoryStatus {
    int memoryLoad = 0; // percent of physical memory in use
    quint64 totalPhys = 0;
    quint64 availPhys = 0;
    quint64 totalVirtual = 0; // the program's address space
    quint64 availVirtual = 0; // the part of it not yet mapped
};

struct ProcessorInfo {
    int processorType = 0; // 386, 486, 586 (Pentium and its x86 successors), 8664 (x86-64)
    int processors = 0;
    int level = 0;    // the processor family
    int revision = 0; // model in the high byte, stepping in the low byte
};

struct VersionInfo {
    QString platform; // the system's name, "Linux"
    int major = 0;
    int minor = 0;
};

// The heap figures under the labels the dialog shows.
struct HeapStatus {
    quint64 totalAddrSpace = 0;
    quint64 totalUncommitted = 0;
    quint64 totalCommitted = 0;
    quint64 totalAllocated = 0;
    quint64 totalFree = 0;
    quint64 freeSmall = 0;
    quint64 freeBig = 0;
    quint64 unused = 0;
    quint64 overhead = 0;
    quint64 heapErrorCode = 0;
    quint64 allocMemCount = 0;
    quint64 allocMemSize = 0;
};

// The C library allocator's statistics (mallinfo2), field by field.
struct AllocatorFigures {
    quint64 arena = 0;    // bytes taken from the system by growing the heap
    quint64 ordblks = 0;  // free chunks
    quint64 smblks = 0;   // free fast-bin chunks
    quint64 hblks = 0;    // blocks mapped on their own
    quint64 hblkhd = 0;   // bytes in those blocks
    quint64 fsmblks = 0;  // bytes in free fast-bin chunks
    quint64 uordblks = 0; // bytes in use in the heap
    quint64 fordblks = 0; // free bytes in the heap
    quint64 keepcost = 0; // free bytes at the top of the heap, never handed out since
};

// The display's capabilities.
struct DisplayCaps {
    int bitsPixel = 0;
    int colorRes = 0;
    int sizePalette = 0;
    int numReserved = 0;
    int vRefresh = 0;
    int desktopHorzRes = 0;
    int desktopVertRes = 0;
    int aspectX = 0;
    int aspectY = 0;
    int horzSizeMm = 0;
    int vertSizeMm = 0;
    int horzRes = 0;
    int vertRes = 0;
    int logPixelsX = 0;
    int logPixelsY = 0;
    int planes = 0;
    int numBrushes = 0;
    int numPens = 0;
};

// /proc/meminfo: total and available physical memory and the load. The virtual figures
// stay 0 (see withAddressSpace).
MemoryStatus parseMeminfo(QStringView text);
// The virtual figures: an address space of `total` bytes of which /proc/self/status's
// VmSize is in use.
MemoryStatus withAddressSpace(MemoryStatus status, quint64 total, QStringView procSelfStatus);
// /proc/cpuinfo and uname's machine field.
ProcessorInfo parseCpuinfo(QStringView text, QStringView machine);
// uname's system name and release ("6.1.0-18-amd64" is 6.1).
VersionInfo versionFromUname(QStringView sysname, QStringView release);
HeapStatus heapStatusFrom(const AllocatorFigures &a);
// A screen of the given depth (bits per pixel), size and virtual desktop size in pixels,
// physical size in millimetres, logical dots per inch and refresh rate in Hz.
DisplayCaps displayCapsOf(int depth, QSize size, QSize desktop, QSize millimetres, QSize dpi,
                          int refreshHz);

} // namespace platform
