#include "preroll/CountDown.h"

#include <QFontMetrics>
#include <QPainter>

QString countDownText(int n) {
    return QString::number(n) + QStringLiteral("   ");
}

QPoint countDownOrigin(int width, int height) {
    return QPoint(width / 2 - 50, height / 2 - 50);
}

void drawCountDown(QPainter &p, const QFont &font, const QColor &ink, const QColor &fill,
                   QSize client, int n) {
    const QString text = countDownText(n);
    const QPoint origin = countDownOrigin(client.width(), client.height());
    const QFontMetrics fm(font, p.device());
    p.save();
    p.fillRect(QRect(origin, QSize(fm.horizontalAdvance(text), fm.height())), fill);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QPoint(origin.x(), origin.y() + fm.ascent()), text);
    p.restore();
}
