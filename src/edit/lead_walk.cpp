#include "edit/lead_walk.h"

#include "bench/workbench.h"
#include "edit/meter_probes.h"

#include <cstdlib>
#include <tuple>

namespace voltaro {

namespace {

// How far a point lies from the lead that way, and aside from that way; the point lies that
// way when `along` is above 0.
struct Offset {
    long long along;
    long long aside;
};

Offset offsetOf(const Marker& lead, const Marker& point, int dx, int dy) {
    const long long x = static_cast<long long>(point.left) - lead.left;
    const long long y = static_cast<long long>(point.top) - lead.top;
    return {x * dx + y * dy, std::llabs(x * dy) + std::llabs(y * dx)};
}

// Smaller is nearer: first whether the point lies outside the 45-degree cone, then the distance.
std::tuple<bool, long long> rank(const Offset& o) {
    return {o.aside > o.along, o.along + 2 * o.aside};
}

} // namespace

std::optional<MarkerRef> nextMeasuringPoint(const Workbench& bench, const Marker& lead, int dx,
                                            int dy) {
    std::vector<MarkerRef> points = measurementPoints(bench);
    if (bench.meter.hasBreak())
        points.push_back(MarkerRef::named(MarkerId::ampsh));
    std::optional<MarkerRef> best;
    std::tuple<bool, long long> bestRank;
    for (MarkerRef point : points) {
        const Offset o = offsetOf(lead, bench.model.markers.at(point), dx, dy);
        if (o.along <= 0)
            continue;
        if (!best || rank(o) < bestRank) {
            best = point;
            bestRank = rank(o);
        }
    }
    return best;
}

} // namespace voltaro
