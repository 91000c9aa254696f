#include "app/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace toolicons {
namespace {

constexpr int S = 24;

void page(QPainter &p) {
    QPainterPath path;
    path.moveTo(5, 2);
    path.lineTo(15, 2);
    path.lineTo(20, 7);
    path.lineTo(20, 22);
    path.lineTo(5, 22);
    path.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.drawLine(QPointF(15, 2), QPointF(15, 7));
    p.drawLine(QPointF(15, 7), QPointF(20, 7));
}

void floppy(QPainter &p, const QColor &body) {
    p.setPen(QPen(QColor(30, 30, 60), 1.2));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 3, 10, 6));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(6, 13, 12, 8));
}

void textLines(QPainter &p, bool centred) {
    p.setPen(QPen(QColor(30, 30, 30), 2));
    const int widths[] = {16, 10, 14, 8};
    for (int i = 0; i < 4; ++i) {
        const int w = widths[i];
        const int x = centred ? (S - w) / 2 : 4;
        p.drawLine(x, 5 + i * 5, x + w, 5 + i * 5);
    }
}

QPixmap draw(int index) {
    QPixmap pm(S, S);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case 0: // Clear: an empty page
        page(p);
        break;
    case 1: { // Open: a folder
        p.setPen(QPen(QColor(120, 90, 20), 1.2));
        p.setBrush(QColor(240, 200, 90));
        QPainterPath path;
        path.moveTo(2, 6);
        path.lineTo(9, 6);
        path.lineTo(11, 8);
        path.lineTo(21, 8);
        path.lineTo(21, 20);
        path.lineTo(2, 20);
        path.closeSubpath();
        p.drawPath(path);
        p.setBrush(QColor(250, 220, 120));
        QPolygonF front({QPointF(4, 11), QPointF(23, 11), QPointF(21, 20), QPointF(2, 20)});
        p.drawPolygon(front);
        break;
    }
    case 2: // Save: a floppy disk
        floppy(p, QColor(60, 90, 170));
        break;
    case 3: { // FColor: a red letter A over a colour bar
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(16);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(20, 20, 20));
        p.drawText(QRect(0, 0, S, 18), Qt::AlignCenter, QStringLiteral("A"));
        p.fillRect(QRect(3, 18, 18, 4), QColor(220, 30, 30));
        break;
    }
    case 4: // BColor: a filled background with a light letter
        p.setPen(QPen(QColor(30, 30, 30), 1));
        p.setBrush(QColor(20, 40, 140));
        p.drawRect(QRectF(3, 3, 18, 18));
        p.setPen(Qt::white);
        p.drawLine(7, 9, 17, 9);
        p.drawLine(7, 13, 15, 13);
        p.drawLine(7, 17, 16, 17);
        break;
    case 5: // Center: centred lines
        textLines(p, true);
        break;
    case 6: { // Play: a green triangle
        p.setPen(QPen(QColor(0, 90, 0), 1.2));
        p.setBrush(QColor(40, 170, 60));
        p.drawPolygon(QPolygonF({QPointF(6, 3), QPointF(20, 12), QPointF(6, 21)}));
        break;
    }
    case 7: { // Save C: a floppy disk with a gear-like C
        floppy(p, QColor(110, 110, 110));
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(10);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(180, 20, 20));
        p.drawText(QRect(6, 12, 12, 10), Qt::AlignCenter, QStringLiteral("C"));
        break;
    }
    case 8: // Vmode: a monitor
        p.setPen(QPen(QColor(40, 40, 40), 1.2));
        p.setBrush(QColor(30, 30, 30));
        p.drawRoundedRect(QRectF(2, 3, 20, 14), 1.5, 1.5);
        p.fillRect(QRectF(4, 5, 16, 10), QColor(90, 160, 230));
        p.setBrush(QColor(90, 90, 90));
        p.drawRect(QRectF(9, 17, 6, 2));
        p.drawRect(QRectF(6, 19, 12, 2));
        break;
    case 9: { // Reverse: a letter and its mirror image
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(15);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(20, 20, 20));
        p.drawText(QRect(0, 3, 12, 18), Qt::AlignCenter, QStringLiteral("R"));
        p.save();
        p.translate(24, 0);
        p.scale(-1, 1);
        p.setPen(QColor(150, 150, 150));
        p.drawText(QRect(0, 3, 12, 18), Qt::AlignCenter, QStringLiteral("R"));
        p.restore();
        p.setPen(QPen(QColor(90, 90, 200), 1, Qt::DashLine));
        p.drawLine(12, 2, 12, 22);
        break;
    }
    case 10: { // CBars: colour bars
        const QColor colours[] = {Qt::white,   Qt::yellow, Qt::cyan, Qt::green,
                                  Qt::magenta, Qt::blue,   Qt::red};
        for (int i = 0; i < 7; ++i)
            p.fillRect(QRectF(2 + i * 20.0 / 7, 3, 20.0 / 7 + 0.5, 18), colours[i]);
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(2, 3, 20, 18));
        break;
    }
    case 11: { // CDown: a count-down dial
        p.setPen(QPen(QColor(30, 30, 30), 1.5));
        p.setBrush(QColor(250, 250, 250));
        p.drawEllipse(QRectF(2, 2, 20, 20));
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(10);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRect(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("10"));
        break;
    }
    case 13: { // Voice: a microphone
        p.setPen(QPen(QColor(40, 40, 40), 1.6));
        p.setBrush(QColor(90, 90, 110));
        p.drawRoundedRect(QRectF(9, 3, 6, 11), 3, 3);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(6, 6, 12, 11), 180 * 16, 180 * 16);
        p.drawLine(QPointF(12, 17), QPointF(12, 21));
        p.drawLine(QPointF(8, 21), QPointF(16, 21));
        break;
    }
    case 12: // Ccheck: green screen with a key mark
    default:
        p.fillRect(QRectF(3, 3, 18, 18), QColor(0, 200, 0));
        p.setPen(QPen(QColor(20, 20, 20), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(3, 3, 18, 18));
        p.setPen(QPen(Qt::white, 2.2));
        p.drawLine(QPointF(7, 12), QPointF(11, 16));
        p.drawLine(QPointF(11, 16), QPointF(18, 7));
        break;
    }
    return pm;
}
} // namespace

QIcon icon(int index) {
    return QIcon(draw(index));
}

} // namespace toolicons
