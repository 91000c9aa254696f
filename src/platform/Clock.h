#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <optional>

namespace platform {

// Time as the program sees it: a steady tick count, the local date and time of day, and
// the system's texts for them. Tests may fix "now" and move it on by hand.
class Clock {
public:
    // Milliseconds since some fixed point, steadily increasing (the tick count).
    static qint64 tickMs();
    static QDateTime now();
    static QTime timeOfDay() { return now().time(); }
    // Milliseconds since midnight of the local time of day.
    static int msOfDay();

    // The system's long time text ("12:00:00"), and the short date text.
    static QString longTimeText(const QTime &t);
    static QString shortDateText(const QDate &d);
    // Parses hours, minutes and optional seconds separated by the time separator, with an
    // optional AM/PM marker. Nothing when the text is no valid time.
    static std::optional<QTime> parseTime(const QString &text);

    // Test seam: a fixed "now"; advance() moves it on (and the tick count with it).
    static void setNow(const QDateTime &fixed);
    static void advance(qint64 ms);
    static void useRealTime();
};

// A date-time value as a double counting days since 1899-12-30, whose fraction is the time.
double timeToDayFraction(const QTime &t);
QTime dayFractionToTime(double value);

} // namespace platform
