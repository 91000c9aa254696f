#pragma once

#include <QtGlobal>

namespace platform {
class Bitmap;
}

// The antialias filter of the fade titles and its colour helpers.
//
// The filter works in place on a 24-bit (Anti) or 32-bit (Anti32) strip. Each pixel
// becomes the weighted sum of its 3 x 3 neighbourhood (weight kernel[2 + dx][2 + dy] for
// the neighbour at dx, dy; a neighbour outside the strip is black) divided by 6, channel by
// channel, with no clamping: with the designed weights (adding up to 12) a uniform area of
// value c becomes 2c, and the ninth bit of red falls into the lowest bit of green, that of
// green into the lowest bit of blue (white comes out as red 254, green 255, blue 255).
// Only rows 2 .. H - 1 and columns 0 .. W - 2 are written back; rows 0 and 1 and the last
// column keep what was drawn. Kernel weights are 0 .. 255.

// The designed weights: centre 8, the four diagonal neighbours 1, the rest of the inner
// 3 x 3 part 0 (the outer ring is never read).
inline constexpr quint8 kAntiKernelBytes[5][5] = {
    {1, 0, 1, 0, 1}, {0, 1, 0, 1, 0}, {1, 0, 8, 0, 1}, {0, 1, 0, 1, 0}, {1, 0, 1, 0, 1}};

using AntialiasKernel = int[5][5];
// The designed weights copied into a table of integers, as the filter reads them.
void copyAntialiasKernel(AntialiasKernel &weights);

// A 24-bit pixel value (blue in bits 0-7, green 8-15, red 16-23) as a colour value: red in
// bits 0-7, green 8-15, blue 16-23, and bit 25 set.
quint32 colorValueOf24(quint32 pixel);
quint32 colorValueOf32(quint32 pixel);

// A colour value (red in bits 0-7, green 8-15, blue 16-23) as a 3-byte pixel, stored blue,
// green, red.
struct RGBTriple {
    quint8 rgbtBlue = 0;
    quint8 rgbtGreen = 0;
    quint8 rgbtRed = 0;
};
RGBTriple rgbTriple(quint32 colour);
// The same colour value as a 32-bit pixel value: red shl 16 or green shl 8 or blue.
quint32 rgbQuad(quint32 colour);

// The filter, reading whole rows at a time. A strip of another pixel format is left as it
// is. Throws NotEnoughMemory when the strip's pixel array cannot be had.
platform::Bitmap &antialias(platform::Bitmap &strip, const AntialiasKernel &kernel);
platform::Bitmap &antialias32(platform::Bitmap &strip, const AntialiasKernel &kernel);

// The same filter element by element through two 1-based pixel arrays (source and
// result), as the arrays are meant to be used; it gives the same bytes as Anti and Anti32
// and is kept to prove it.
platform::Bitmap &antiOneBased(platform::Bitmap &strip, const AntialiasKernel &kernel);
platform::Bitmap &anti32OneBased(platform::Bitmap &strip, const AntialiasKernel &kernel);
