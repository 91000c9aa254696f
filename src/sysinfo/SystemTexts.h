#pragma once

#include "platform/SystemInfo.h"

#include <QLocale>
#include <QString>

// The texts the system information dialog and the About box show for the system's figures.
namespace sysinfo {

// What the version and processor queries say, by kind: 1 the version ("6.01"), 2 the
// platform name, 3 the processor type ("Pentium", "Unknown (8664)"), 4 the number of
// processors, 5 the processor level, 6 the processor revision; 0 and any other kind the
// platform name.
QString versionText(int kind, const platform::VersionInfo &version,
                    const platform::ProcessorInfo &processor);
// One display capability by kind (0 and 17 bits per pixel, 1 colour resolution, 2 palette
// size, 3 reserved palette entries, 4 refresh rate, 5 and 6 the virtual desktop, 8 and 9 the
// pixel aspect, 11 and 12 the size in millimetres, 13 and 14 in pixels, 15 and 16 the
// logical dots per inch, 18 colour planes, 19 brushes, 20 pens); 0 for any other kind.
int deviceCaps(int kind, const platform::DisplayCaps &caps);

// A count grouped in thousands with the locale's separator, even where the locale
// leaves grouping out.
QString grouped(quint64 n, const QLocale &locale);
// Bytes in kilobytes (rounded down), grouped, with " KB": "65,012 KB".
QString kbText(quint64 bytes, const QLocale &locale);
// A heap figure grouped; 0 shows as an empty text.
QString heapText(quint64 n, const QLocale &locale);
// "45%".
QString memoryLoadText(int percent);
// The About box's lines: "Physical Memory 65,012 KB" (kilobytes rounded to the nearest)
// and "Memory Load     45 %".
QString aboutPhysicalMemoryText(quint64 bytes, const QLocale &locale);
QString aboutMemoryLoadText(int percent);

} // namespace sysinfo
