#pragma once

namespace platform {
class Bitmap;
}

// One frame of a fade title: level k (0 .. 32) of the source into the work bitmap. Every
// source pixel whose blue, green and red are not all 0 sets the work pixel's three
// channels to source channel x k shr 5 (in 32 bits the fourth byte becomes 0); a black
// source pixel leaves the work pixel as it is, so the background around the letters is
// never touched. At k = 32 the work pixel equals the source, at k = 0 it is black.
//
// Both bitmaps hold 24 or 32 bits per pixel, in the same format; the part they share is
// computed. Returns false, changing nothing, for any other format or a format mismatch.
bool fadeFrame(const platform::Bitmap &source, platform::Bitmap &work, int k);

// The levels of a fade: 33 frames, 0 up to 32 for a fade in, 32 down to 0 for a fade out.
inline constexpr int kFadeLevels = 33;
inline int fadeLevel(bool fadeIn, int frame) {
    return fadeIn ? frame : kFadeLevels - 1 - frame;
}
