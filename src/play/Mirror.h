#pragma once

namespace platform {
class Bitmap;
}

// The mirror step on an 8-bit strip of W pixels (bytes) a row and H rows: for r = 1 .. H - 1,
// row r - 1 byte x becomes row r byte W - 1 - x. The mirrored copy of each row thus lands
// one row higher; the last row keeps what was drawn, and a strip one row high is left as
// it is. Returns false, changing nothing, when the rows cannot be reached as 8-bit pixel
// memory (a null bitmap or another pixel format); the caller then reports the problem.
bool mirrorStrip(platform::Bitmap &strip);
