#pragma once

namespace voltaro {

// The board picture, in pixels; it lies at (7, 7) in the board coordinates of the markers.
constexpr int kBoardWidth = 770;
constexpr int kBoardHeight = 528;
constexpr int kBoardOriginX = 7;
constexpr int kBoardOriginY = 7;

// A point or a direction in picture pixels.
struct Point {
    int x = 0;
    int y = 0;

    friend Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
    friend Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
    friend Point operator*(int k, Point a) { return {k * a.x, k * a.y}; }
    friend bool operator==(Point a, Point b) { return a.x == b.x && a.y == b.y; }
    friend bool operator!=(Point a, Point b) { return !(a == b); }
};

} // namespace voltaro
