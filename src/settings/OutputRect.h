#pragma once

// The output (play) rectangle in screen pixels, right and bottom exclusive.
struct OutputRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const OutputRect &) const = default;
};
