#pragma once

#include <QImage>
#include <QPoint>
#include <QRgb>

// Fills with fill every pixel 4-connected to seed whose colour is not border, as a flood
// fill "up to the border" does. Works on 32-bit images (RGB32 / ARGB32); nothing happens
// when the seed lies outside the image or on the border colour. Returns the pixels filled.
int floodFillToBorder(QImage &image, QPoint seed, QRgb border, QRgb fill);
