#include "platform/Clock.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace platform {
namespace {
bool g_fixed = false;
QDateTime g_now;
qint64 g_fixedTicks = 0;

QElapsedTimer &steady() {
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer;
}

// The locale's long time format without the time-zone part ("HH:mm:ss t" -> "HH:mm:ss").
QString longTimeFormat() {
    QString f = QLocale().timeFormat(QLocale::LongFormat);
    f.remove(QRegularExpression(QStringLiteral("\\s*t+")));
    f = f.trimmed();
    return f.isEmpty() ? QStringLiteral("HH:mm:ss") : f;
}
} // namespace

qint64 Clock::tickMs() {
    return g_fixed ? g_fixedTicks : steady().elapsed();
}

QDateTime Clock::now() {
    return g_fixed ? g_now : QDateTime::currentDateTime();
}

int Clock::msOfDay() {
    return now().time().msecsSinceStartOfDay();
}

QString Clock::longTimeText(const QTime &t) {
    return QLocale().toString(t, longTimeFormat());
}

QString Clock::shortDateText(const QDate &d) {
    return QLocale().toString(d, QLocale::ShortFormat);
}

std::optional<QTime> Clock::parseTime(const QString &text) {
    const QLocale locale;
    QString s = text.trimmed();
    if (s.isEmpty())
        return std::nullopt;
    int addHours = 0;
    bool hasMarker = false;
    const QString am = locale.amText().isEmpty() ? QStringLiteral("AM") : locale.amText();
    const QString pm = locale.pmText().isEmpty() ? QStringLiteral("PM") : locale.pmText();
    for (const auto &[marker, add] :
         {std::pair{pm, 12}, std::pair{am, 0}, std::pair{QStringLiteral("PM"), 12},
          std::pair{QStringLiteral("AM"), 0}}) {
        if (s.endsWith(marker, Qt::CaseInsensitive)) {
            s.chop(marker.size());
            s = s.trimmed();
            addHours = add;
            hasMarker = true;
            break;
        }
    }
    static const QRegularExpression re(
        QStringLiteral("^(\\d{1,2})[:.](\\d{1,2})(?:[:.](\\d{1,2}))?$"));
    const auto m = re.match(s);
    if (!m.hasMatch())
        return std::nullopt;
    int h = m.captured(1).toInt();
    const int min = m.captured(2).toInt();
    const int sec = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
    if (hasMarker) {
        if (h < 1 || h > 12)
            return std::nullopt;
        h = (h % 12) + addHours;
    }
    if (h > 23 || min > 59 || sec > 59)
        return std::nullopt;
    return QTime(h, min, sec);
}

void Clock::setNow(const QDateTime &fixed) {
    if (!g_fixed)
        g_fixedTicks = steady().elapsed();
    g_fixed = true;
    g_now = fixed;
}

void Clock::advance(qint64 ms) {
    if (!g_fixed)
        setNow(QDateTime::currentDateTime());
    g_now = g_now.addMSecs(ms);
    g_fixedTicks += ms;
}

void Clock::useRealTime() {
    g_fixed = false;
}

double timeToDayFraction(const QTime &t) {
    return t.isValid() ? t.msecsSinceStartOfDay() / 86400000.0 : 0.0;
}

QTime dayFractionToTime(double value) {
    double frac = std::fabs(value - std::trunc(value));
    qint64 ms = std::llround(frac * 86400000.0);
    if (ms >= 86400000)
        ms = 0;
    return QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms));
}

} // namespace platform
