#pragma once

#include "view/current_paths.h"

#include <vector>

namespace voltaro {

// Pixels between neighbouring dots of a path, the same on every path: where a current splits,
// the dots of each branch move slower than those where the branches join.
constexpr double kDotSpacing = 12.0;

// How fast the dots of a current move, in pixels a second: 25 x log10(1 + |I| / 1 mA), at most
// 120, so that a microampere barely creeps and a short circuit races; 0 below the least shown
// current and for a current that is no number.
double dotSpeed(double amperes);

// The dots of one path: one every kDotSpacing pixels along its points, the first `phase` pixels
// past the first point, moving `velocity` pixels a second along the points (negative: back).
struct DotPath {
    PathPiece piece;
    std::vector<Point> points;
    double velocity = 0.0;
    double phase = 0.0; // 0 <= phase < kDotSpacing
};

// The current's dots on the board: one path for every stretch that carries current.
struct CurrentFlow {
    std::vector<DotPath> paths;
};

// The dots of a new solve. Each path moves with its current or, for electron flow, against it; a
// path of the same stretch as before keeps its dots where they were, so they do not jump.
void restartFlow(CurrentFlow& flow, const std::vector<CurrentPath>& paths, bool electronFlow);

// Every dot moved on by `seconds`.
void advanceFlow(CurrentFlow& flow, double seconds);

// Where every dot is now, in picture pixels: the centres of the 3 x 3 dots that lie wholly within
// a picture of `width` x `height`. `centres` is cleared first.
void dotCentres(const CurrentFlow& flow, int width, int height, std::vector<Point>& centres);

} // namespace voltaro
