#pragma once

#include "model/colour.h"

#include <cstddef>
#include <vector>

namespace voltaro {

// A picture as plain pixels, row by row from the top: a small one copied onto the board (the
// ohm sign), or a rectangle read back from the board for the clipboard and the printer.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    bool isEmpty() const { return width <= 0 || height <= 0; }
};

} // namespace voltaro
