#include "bench/focus_order.h"

#include "bench/workbench.h"

#include <algorithm>

namespace voltaro {

namespace {

enum class FocusGroup {
    Marker,     // one named marker
    Side,       // a side's red square, then its branch squares and slot markers in walk order
    StepArrows, // the four cells of the step arrows
};

struct FocusRow {
    FocusGroup group;
    MarkerId marker;
    KeyRole role;
    Point grip;
    int side;
};

using G = FocusGroup;
using R = KeyRole;
using M = MarkerId;
constexpr Point kCentreGrip{3, 3};
constexpr Point kResizeGrip{-4, -4};
constexpr Point kMoveGrip{4, 4};

// clang-format off
const FocusRow kFocusOrder[] = {
    {G::Marker,     M::battneg, R::Source, kCentreGrip, 0},
    {G::Marker,     M::battpos, R::Source, kCentreGrip, 0},
    {G::Marker,     M::cor1,    R::Click,  kCentreGrip, 0},
    {G::Side,       M::p1,      R::Click,  kCentreGrip, kTopSide},
    {G::Marker,     M::cor2,    R::Click,  kCentreGrip, 0},
    {G::Side,       M::p2,      R::Click,  kCentreGrip, kRightSide},
    {G::Marker,     M::cor3,    R::Click,  kCentreGrip, 0},
    {G::Side,       M::p4,      R::Click,  kCentreGrip, kBottomSide},
    {G::Marker,     M::cor4,    R::Click,  kCentreGrip, 0},
    {G::Marker,     M::ampsh,   R::Click,  kCentreGrip, 0},
    {G::Marker,     M::topsh,   R::Drag,   kResizeGrip, 0},
    {G::Marker,     M::botsh,   R::Drag,   kResizeGrip, 0},
    {G::Marker,     M::movesh,  R::Drag,   kMoveGrip,   0},
    {G::Marker,     M::vpos,    R::Lead,   kCentreGrip, 0},
    {G::Marker,     M::vneg,    R::Lead,   kCentreGrip, 0},
    {G::StepArrows, M::Count,   R::Click,  kCentreGrip, 0},
};
// clang-format on

class StopList {
public:
    StopList(const Workbench& bench, const FocusRow& row) : m_bench(bench), m_row(row) {}

    void add(MarkerRef ref, std::vector<FocusStop>& into) const {
        if (m_bench.model.markers.at(ref).visible)
            into.push_back({BoardControl::of(ref), m_row.role, m_row.grip});
    }

    void addSide(std::vector<FocusStop>& into) const {
        const CircuitTables& tables = m_bench.model.tables;
        const int side = m_row.side;
        add(MarkerRef::named(m_row.marker), into);
        for (int lane = 1; lane <= kLanes; ++lane)
            for (int block = 1; block <= tables.blocksInUse(side, lane); ++block) {
                add(MarkerRef::branch(side, lane, block), into);
                for (int branch = 1; branch <= kBranches; ++branch) {
                    const int n = tables.elementsInUse(side, lane, block, branch);
                    for (int position = 1; n > 0 && position <= n + 1; ++position)
                        add(MarkerRef::slot(slotNumber(side, lane, block, branch, position)), into);
                }
            }
    }

    void addStepArrows(std::vector<FocusStop>& into) const {
        if (!m_bench.widget(WidgetId::cirplayim).visible)
            return;
        for (int cell = 1; cell <= kArrowCells; ++cell)
            into.push_back({BoardControl::stepArrow(cell), m_row.role, m_row.grip});
    }

private:
    const Workbench& m_bench;
    const FocusRow& m_row;
};

} // namespace

std::vector<FocusStop> focusOrder(const Workbench& bench) {
    std::vector<FocusStop> stops;
    for (const FocusRow& row : kFocusOrder) {
        const StopList list(bench, row);
        switch (row.group) {
        case G::Marker:
            list.add(MarkerRef::named(row.marker), stops);
            break;
        case G::Side:
            list.addSide(stops);
            break;
        case G::StepArrows:
            list.addStepArrows(stops);
            break;
        }
    }
    return stops;
}

std::optional<FocusStop> focusStopOf(const Workbench& bench, const BoardControl& control) {
    const std::vector<FocusStop> stops = focusOrder(bench);
    const auto found = std::find_if(stops.begin(), stops.end(),
                                    [&](const FocusStop& s) { return s.control == control; });
    if (found == stops.end())
        return std::nullopt;
    return *found;
}

std::optional<FocusStop> focusedStop(const Workbench& bench) {
    if (!bench.ui.boardFocus.control)
        return std::nullopt;
    return focusStopOf(bench, *bench.ui.boardFocus.control);
}

BoardBox controlBox(const Workbench& bench, const BoardControl& control) {
    if (control.isStepArrow()) {
        const Widget& arrows = bench.widget(WidgetId::cirplayim);
        return {arrows.left + (control.arrowCell - 1) * kArrowCellWidth, arrows.top,
                kArrowCellWidth, arrows.height};
    }
    const Marker& m = bench.model.markers.at(control.marker);
    return {m.left, m.top, m.width, m.height};
}

std::optional<BoardBox> focusRingBox(const Workbench& bench) {
    if (!bench.ui.boardFocus.ringShown)
        return std::nullopt;
    const std::optional<FocusStop> stop = focusedStop(bench);
    if (!stop)
        return std::nullopt;
    return controlBox(bench, stop->control);
}

} // namespace voltaro
