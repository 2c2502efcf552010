#include "edit/meter_probes.h"

#include "bench/meter_queries.h"
#include "bench/operations.h"
#include "bench/workbench.h"
#include "edit/meter_controls.h"
#include "edit/meter_mode.h"
#include "solver/results.h"

#include <algorithm>
#include <cstdlib>

namespace voltaro {

namespace {

constexpr int kSnapDistance = 4; // a lead snaps onto a point less than this far in both axes
constexpr int kParkMargin = 15;  // how far around the panel a released lead is parked
constexpr int kLeadGrip = 3;     // the pointer holds a lead by its centre pixel

bool isLead(const Workbench& bench, MarkerRef lead) {
    if (!lead.is(MarkerId::vpos) && !lead.is(MarkerId::vneg))
        return false;
    const int tag = bench.model.markers.at(lead).tag;
    return tag == 1 || tag == 2;
}

bool withinSnap(const Marker& a, const Marker& b) {
    return std::abs(a.top - b.top) < kSnapDistance && std::abs(a.left - b.left) < kSnapDistance;
}

bool strictlyBetween(int value, int low, int high) {
    return value > low && value < high;
}

// Snaps the lead onto every point within reach, in search order, so that the last one wins;
// each snap measures the potential there.
void snapOntoPoints(Workbench& bench, Marker& lead, int index) {
    const bool noBreak = !bench.meter.hasBreak();
    for (MarkerRef point : measurementPoints(bench)) {
        const Marker& candidate = bench.model.markers.at(point);
        if (!withinSnap(candidate, lead))
            continue;
        lead.left = candidate.left;
        lead.top = candidate.top;
        bench.meter.leadPoint[index] = point;
        if (noBreak)
            bench.ui.currentSlot = candidate.tag;
        bench.meter.leadSlot[index] = bench.ui.currentSlot;
        getvbt(bench);
    }
}

// The break marker stands for the meter's own side of a break: slot 0 at potential 0.
void snapOntoBreakMarker(Workbench& bench, Marker& lead, int index) {
    const Marker& breakMarker = bench.marker(MarkerId::ampsh);
    if (!withinSnap(breakMarker, lead))
        return;
    lead.left = breakMarker.left;
    lead.top = breakMarker.top;
    // Without a break the hidden break marker is no point to follow.
    bench.meter.leadPoint[index].reset();
    if (bench.meter.hasBreak())
        bench.meter.leadPoint[index] = MarkerRef::named(MarkerId::ampsh);
    bench.meter.leadSlot[index] = kBreakMarkerSlot;
    bench.meter.leadPotential[index] = 0.0;
}

bool pointExists(const Workbench& bench, MarkerRef point) {
    if (point.is(MarkerId::ampsh))
        return bench.meter.hasBreak();
    const std::vector<MarkerRef> points = measurementPoints(bench);
    return std::find(points.begin(), points.end(), point) != points.end();
}

// The break marker keeps its place beside the marker where the break was made.
void keepBreakMarkerBesideItsShape(Workbench& bench) {
    const MeterState& meter = bench.meter;
    Marker& breakMarker = bench.marker(MarkerId::ampsh);
    if (!meter.hasBreak() || !meter.breakShape.isValid())
        return;
    const Marker& shape = bench.model.markers.at(meter.breakShape);
    breakMarker.left = shape.left + meter.breakMarkerLeft;
    breakMarker.top = shape.top + meter.breakMarkerTop;
}

// A lead on a point goes where the point now is and, without a break, measures the point's
// slot (the Tags of the corners and the battery follow the layout); a lead whose point is gone
// is parked at rest on no point.
void keepLeadOnItsPoint(Workbench& bench, int index) {
    MeterState& meter = bench.meter;
    const std::optional<MarkerRef> point = meter.leadPoint[index];
    if (!point)
        return;
    if (!pointExists(bench, *point)) {
        if (meter.leadsAwaitCircuit)
            return;
        parkLeadAtRest(bench, index);
        return;
    }
    const Marker& at = bench.model.markers.at(*point);
    Marker& lead = bench.marker(index == 1 ? MarkerId::vpos : MarkerId::vneg);
    lead.left = at.left;
    lead.top = at.top;
    if (!meter.hasBreak())
        meter.leadSlot[index] = at.tag;
}

} // namespace

std::vector<MarkerRef> measurementPoints(const Workbench& bench) {
    const CircuitTables& tables = bench.model.tables;
    std::vector<MarkerRef> points;
    for (int side : {kTopSide, kRightSide, kBottomSide})
        for (int lane = 1; lane <= kLanes; ++lane)
            for (int block = 1; block <= tables.blocksInUse(side, lane); ++block)
                for (int branch = 1; branch <= kBranches; ++branch) {
                    const int n = tables.elementsInUse(side, lane, block, branch);
                    for (int position = 1; n > 0 && position <= n + 1; ++position)
                        points.push_back(
                            MarkerRef::slot(slotNumber(side, lane, block, branch, position)));
                }
    for (MarkerId id : {MarkerId::battneg, MarkerId::cor1, MarkerId::cor2, MarkerId::cor3,
                        MarkerId::cor4, MarkerId::battpos})
        points.push_back(MarkerRef::named(id));
    return points;
}

void keepMeterOnItsPoints(Workbench& bench) {
    keepBreakMarkerBesideItsShape(bench);
    keepLeadOnItsPoint(bench, 1);
    keepLeadOnItsPoint(bench, 2);
}

void leadMouseDown(Workbench& bench, MarkerRef, int, int) {
    bench.ui.mouseHeld = true;
}

void leadMouseMove(Workbench& bench, MarkerRef ref, int x, int y) {
    const MeterMode mode = meterMode(bench);
    if (!bench.ui.mouseHeld || mode == MeterMode::Off || !isLead(bench, ref))
        return;
    MeterState& meter = bench.meter;
    Marker& lead = bench.model.markers.at(ref);
    meter.reading = kOpenSentinel;
    lead.top += y - kLeadGrip;
    lead.left += x - kLeadGrip;
    const int index = lead.tag;
    meter.leadIndex = index;
    meter.leadPoint[index].reset();
    meter.leadSlot[index] = kNoLeadSlot;
    meter.leadPotential[index] = kOpenSentinel;
    snapOntoPoints(bench, lead, index);
    snapOntoBreakMarker(bench, lead, index);
    meterbt(bench);
    placeRbt(bench);
    const bool bothOnPoints =
        meter.leadPotential[1] != kOpenSentinel && meter.leadPotential[2] != kOpenSentinel;
    if (bothOnPoints && !meter.hasBreak() && mode == MeterMode::Current)
        blowFuse(bench);
}

void leadMouseUp(Workbench& bench, MarkerRef ref, int, int) {
    bench.ui.mouseHeld = false;
    if (!isLead(bench, ref))
        return;
    const Widget& panel = bench.widget(WidgetId::meterpl);
    Marker& lead = bench.model.markers.at(ref);
    const bool overPanel = strictlyBetween(lead.top, panel.top - kParkMargin,
                                           panel.top + panel.height + kParkMargin) &&
                           strictlyBetween(lead.left, panel.left - kParkMargin,
                                           panel.left + panel.width + kParkMargin);
    if (!overPanel)
        return;
    lead.top = panel.top - kLeadRestRise;
    lead.left = lead.tag * (panel.width / 3) + panel.left;
    bench.meter.leadPoint[lead.tag].reset();
    meterbt(bench);
    placeRbt(bench);
}

const std::vector<MarkerBinding>& meterProbeBindings() {
    static const std::vector<MarkerBinding> bindings = {
        {MarkerFamily::Named, static_cast<int>(MarkerId::vpos), leadMouseDown, leadMouseMove,
         leadMouseUp},
        {MarkerFamily::Named, static_cast<int>(MarkerId::vneg), leadMouseDown, leadMouseMove,
         leadMouseUp},
    };
    return bindings;
}

} // namespace voltaro
