#include "sysinfo/SystemTexts.h"

namespace sysinfo {

QString versionText(int kind, const platform::VersionInfo &version,
                    const platform::ProcessorInfo &processor) {
    switch (kind) {
    case 1:
        return QStringLiteral("%1.%2")
            .arg(version.major)
            .arg(version.minor, 2, 10, QLatin1Char('0'));
    case 3:
        switch (processor.processorType) {
        case 386:
            return QStringLiteral("80386");
        case 486:
            return QStringLiteral("80486");
        case 586:
            return QStringLiteral("Pentium");
        default:
            return QStringLiteral("Unknown (%1)").arg(processor.processorType);
        }
    case 4:
        return QString::number(processor.processors);
    case 5:
        return QString::number(processor.level);
    case 6:
        return QString::number(processor.revision);
    default:
        return version.platform;
    }
}

int deviceCaps(int kind, const platform::DisplayCaps &c) {
    switch (kind) {
    case 0:
    case 17:
        return c.bitsPixel;
    case 1:
        return c.colorRes;
    case 2:
        return c.sizePalette;
    case 3:
        return c.numReserved;
    case 4:
        return c.vRefresh;
    case 5:
        return c.desktopHorzRes;
    case 6:
        return c.desktopVertRes;
    case 8:
        return c.aspectX;
    case 9:
        return c.aspectY;
    case 11:
        return c.horzSizeMm;
    case 12:
        return c.vertSizeMm;
    case 13:
        return c.horzRes;
    case 14:
        return c.vertRes;
    case 15:
        return c.logPixelsX;
    case 16:
        return c.logPixelsY;
    case 18:
        return c.planes;
    case 19:
        return c.numBrushes;
    case 20:
        return c.numPens;
    default:
        return 0;
    }
}

QString grouped(quint64 n, const QLocale &locale) {
    QLocale l = locale;
    l.setNumberOptions(l.numberOptions() & ~QLocale::OmitGroupSeparator);
    return l.toString(qulonglong(n));
}

QString kbText(quint64 bytes, const QLocale &locale) {
    return grouped(bytes / 1024, locale) + QStringLiteral(" KB");
}

QString heapText(quint64 n, const QLocale &locale) {
    return n == 0 ? QString() : grouped(n, locale);
}

QString memoryLoadText(int percent) {
    return QString::number(percent) + QLatin1Char('%');
}

QString aboutPhysicalMemoryText(quint64 bytes, const QLocale &locale) {
    return QStringLiteral("Physical Memory ") + grouped((bytes + 512) / 1024, locale) +
           QStringLiteral(" KB");
}

QString aboutMemoryLoadText(int percent) {
    return QStringLiteral("Memory Load     %1 %").arg(percent);
}

} // namespace sysinfo
