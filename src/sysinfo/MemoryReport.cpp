#include "sysinfo/MemoryReport.h"

#include "editor/PrintDevice.h"
#include "sysinfo/SystemTexts.h"

namespace sysinfo {

QStringList memoryReportLines(const QString &title, const QString &dateTime,
                              const platform::HeapStatus &heap, const QStringList &memoryTexts,
                              const QLocale &locale) {
    const QString rule(27, QLatin1Char('_'));
    const std::pair<const char16_t *, quint64> figures[] = {
        {u"TotalAddrSpace", heap.totalAddrSpace},
        {u"TotalUncommitted", heap.totalUncommitted},
        {u"TotalCommitted", heap.totalCommitted},
        {u"TotalAllocated", heap.totalAllocated},
        {u"TotalFree", heap.totalFree},
        {u"FreeSmall", heap.freeSmall},
        {u"FreeBig", heap.freeBig},
        {u"Unused", heap.unused},
        {u"Overhead", heap.overhead},
        {u"HeapErrorCode", heap.heapErrorCode}};
    const auto label = [](const char16_t *name) {
        return QString::fromUtf16(name).leftJustified(17, QLatin1Char(' '));
    };
    QStringList lines;
    lines << QStringLiteral("Program: ") + title + QStringLiteral(" Information ") << dateTime
          << rule;
    for (const auto &[name, value] : figures)
        lines << label(name) + heapText(value, locale);
    lines << rule;
    const char16_t *memoryLabels[] = {u"TotalPhysMem", u"AvailPhysMem", u"TotalVirtMem",
                                      u"AvailVirtMem"};
    for (int i = 0; i < 4; ++i)
        lines << label(memoryLabels[i]) + memoryTexts.value(i);
    lines << rule;
    lines << label(u"AllocMemCount") + QString::number(heap.allocMemCount);
    lines << label(u"AllocMemSize") + QString::number(heap.allocMemSize);
    return lines;
}

void printMemoryReport(PrintDevice &device, const QStringList &lines) {
    device.selectFont(PrintDevice::Font::Report);
    const int step = device.textHeight() + 5;
    int y = 40;
    for (const QString &line : lines) {
        device.drawText(10, y, line);
        y += step;
    }
}

} // namespace sysinfo
