#pragma once

#include <QColor>

class QPainter;

// The colour-bar test pattern for a screen of width x height pixels, drawn with the painter
// (which must not antialias). With b = width / 8 and h = height / 10: seven full-height bars
// white, yellow, cyan, green, magenta, blue, red, each b wide; the eighth column (7b to 8b)
// in blocks of h: maroon, green, olive, navy, purple, teal, grey, then silver to the bottom,
// the silver block hatched over in black; a black strip y from height - 32 to height across
// the whole width; in it a grey ramp of rectangles i = 0 .. width / 8, x from 16 i to
// i (width / 16), grey 3 i modulo 256, later ones covering earlier ones.
//
// Every rectangle runs from its left/top up to, not including, its right/bottom, is filled
// with its colour and outlined with a 1-pixel pen of the given colour (the canvas's current
// pen). Rectangles given with right < left are drawn between the same edges, as the
// screen's rectangle call does; empty ones draw nothing. Columns right of 8b are left as
// they were.
void drawColorBars(QPainter &painter, int width, int height, const QColor &pen);
