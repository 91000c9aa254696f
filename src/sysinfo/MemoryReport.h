#pragma once

#include "platform/SystemInfo.h"

#include <QLocale>
#include <QString>
#include <QStringList>

class PrintDevice;

namespace sysinfo {

// The memory print-out: the title line, the date and time, a rule, the ten heap figures,
// a rule, the four memory texts as the dialog shows them (total and available physical,
// total and available virtual), a rule, and the two block counts in plain decimal.
QStringList memoryReportLines(const QString &title, const QString &dateTime,
                              const platform::HeapStatus &heap, const QStringList &memoryTexts,
                              const QLocale &locale);
// Prints the lines on one page in the report font: each at x = 10, the first at y = 40 and
// each next one the height of "Hg" plus 5 lower.
void printMemoryReport(PrintDevice &device, const QStringList &lines);

} // namespace sysinfo
