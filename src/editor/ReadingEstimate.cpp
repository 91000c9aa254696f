#include "editor/ReadingEstimate.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A number with at least `digits` digits, leading zeros, and a minus sign in front when
// it is negative (as a "00" or "0000" format pattern writes it).
QString padded(long long value, int digits) {
    const QString magnitude =
        QString::number(value < 0 ? -value : value).rightJustified(digits, QLatin1Char('0'));
    return value < 0 ? QLatin1Char('-') + magnitude : magnitude;
}

int clampToInt(long long v) {
    return static_cast<int>(
        std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

ReadingEstimate estimateReadingTime(int lineCount, double elapsedMs, int wordCount) {
    ReadingEstimate e;
    const double whole = std::trunc(elapsedMs);
    const long long m =
        std::isfinite(whole) ? static_cast<long long>(std::clamp(whole, -1e12, 1e12)) : 0;
    const long long total = static_cast<long long>(lineCount) * m / 1000;
    e.totalSeconds = clampToInt(total);
    const long long minutes = total / 60;
    const long long seconds = total % 60;
    e.approx = QStringLiteral("Read Time ") + QString::number(minutes) + QStringLiteral(" Min ") +
               padded(seconds, 2) + QStringLiteral(" Sec");
    e.buttonCaption =
        QStringLiteral("Calibrate ") + padded(m, 4).trimmed() + QStringLiteral(" msec per line");
    if (total > 0) {
        e.hasRate = true;
        e.wordsPerMinute = clampToInt(static_cast<long long>(wordCount) * 60 / total);
    }
    return e;
}
