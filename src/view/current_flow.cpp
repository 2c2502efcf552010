#include "view/current_flow.h"

#include "model/numbers.h"
#include "view/canvas.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace voltaro {

namespace {

constexpr double kFastestDots = 120.0; // pixels a second

double distance(Point a, Point b) {
    return std::hypot(double(b.x) - a.x, double(b.y) - a.y);
}

// A phase brought back into 0 <= phase < kDotSpacing; 0 for one that is no number.
double wrapped(double phase) {
    if (!std::isfinite(phase))
        return 0.0;
    const double p = std::fmod(phase, kDotSpacing);
    return p < 0.0 ? p + kDotSpacing : p;
}

Point pointBetween(Point a, Point b, double t) {
    const auto at = [t](int from, int to) {
        return truncToInt(std::floor(from + t * (double(to) - from) + 0.5));
    };
    return {at(a.x, b.x), at(a.y, b.y)};
}

// The dots of one segment that starts `walked` pixels along its path, as far as it lies within
// the picture.
void segmentDots(Point a, Point b, double walked, double phase, int width, int height,
                 std::vector<Point>& centres) {
    const double length = distance(a, b);
    Point from = a;
    Point to = b;
    if (length == 0.0 || !cutToPicture(from, to, width, height))
        return;
    const double first = walked + distance(a, from);
    const double last = walked + distance(a, to);
    double s = phase + std::ceil((first - phase) / kDotSpacing) * kDotSpacing;
    for (; s < last; s += kDotSpacing) {
        const Point p = pointBetween(a, b, (s - walked) / length);
        if (p.x >= 1 && p.x < width - 1 && p.y >= 1 && p.y < height - 1)
            centres.push_back(p);
    }
}

} // namespace

double dotSpeed(double amperes) {
    const double magnitude = std::abs(amperes);
    if (!(magnitude >= kLeastShownCurrent))
        return 0.0;
    return std::min(kFastestDots, 25.0 * std::log10(1.0 + magnitude / 1e-3));
}

void restartFlow(CurrentFlow& flow, const std::vector<CurrentPath>& paths, bool electronFlow) {
    std::map<PathPiece, double> phases;
    for (const DotPath& path : flow.paths)
        phases.emplace(path.piece, path.phase);
    flow.paths.clear();
    const double sense = electronFlow ? -1.0 : 1.0;
    for (const CurrentPath& path : paths) {
        const double speed = dotSpeed(path.current);
        if (speed == 0.0)
            continue;
        const auto kept = phases.find(path.piece);
        flow.paths.push_back({path.piece, path.points,
                              path.current < 0.0 ? -sense * speed : sense * speed,
                              kept == phases.end() ? 0.0 : kept->second});
    }
}

void advanceFlow(CurrentFlow& flow, double seconds) {
    for (DotPath& path : flow.paths)
        path.phase = wrapped(path.phase + path.velocity * seconds);
}

void dotCentres(const CurrentFlow& flow, int width, int height, std::vector<Point>& centres) {
    centres.clear();
    for (const DotPath& path : flow.paths) {
        double walked = 0.0;
        for (std::size_t i = 1; i < path.points.size(); ++i) {
            const Point a = path.points[i - 1];
            const Point b = path.points[i];
            segmentDots(a, b, walked, path.phase, width, height, centres);
            walked += distance(a, b);
        }
    }
}

} // namespace voltaro
