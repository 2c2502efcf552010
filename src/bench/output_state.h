#pragma once

#include "view/picture.h"

#include <string>

namespace voltaro {

// The selection of "C&opy Select" and the name on the printed page.
struct OutputState {
    // The corners of the selection in picture pixels: X0, Y0 where the press was, X1, Y1 where
    // the mouse is.
    int X0 = 0;
    int Y0 = 0;
    int X1 = 0;
    int Y1 = 0;
    Picture Image1;   // the buffer the selected rectangle goes through to the clipboard
    std::string name; // the name last left in the name dialog
};

} // namespace voltaro
