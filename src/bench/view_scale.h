#pragma once

namespace voltaro {

// The window's zoom: every rule of the board works in board pixels, and the window shows them
// `percent` / 100 times as large. A board coordinate is an edge between pixels; the board pixel
// under a window pixel is the one its centre lies in, so a box of board pixels covers exactly
// the window pixels from toView(left) to toView(left + width), as a painter fills it.
struct ViewScale {
    int percent = 100;

    double factor() const { return percent / 100.0; }
    // The first window pixel whose centre lies beyond a board edge.
    int toView(int board) const;
    // The board pixel under a window pixel.
    int toBoard(int view) const;
};

// The scales the window offers, smallest first.
inline constexpr int kViewScales[] = {100, 125, 150, 200};

} // namespace voltaro
