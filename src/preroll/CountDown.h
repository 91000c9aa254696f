#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QSize>
#include <QString>

class QPainter;

// The count-down's text for n: n in decimal, no leading blanks, then three blanks (which
// cover what is left of a wider number drawn before).
QString countDownText(int n);

// Top-left corner of the count-down text in a client area of width x height:
// (width / 2 - 50, height / 2 - 50), integer division towards zero.
QPoint countDownOrigin(int width, int height);

// Draws the count-down text for n opaquely: its cell (the text's advance by the font's
// height) is filled with fill first, then the text is drawn in ink with its top-left corner
// at countDownOrigin(client).
void drawCountDown(QPainter &painter, const QFont &font, const QColor &ink, const QColor &fill,
                   QSize client, int n);
