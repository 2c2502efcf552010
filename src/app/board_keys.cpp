#include "app/board_keys.h"

#include "app/dispatch.h"
#include "bench/focus_order.h"
#include "bench/workbench.h"
#include "edit/lead_walk.h"
#include "edit/source_config.h"

#include <algorithm>
#include <optional>

namespace voltaro {

namespace {

constexpr int kKeyDragStep = 5;
constexpr int kFineKeyDragStep = 1;
constexpr double kSupplyStep = 0.1;
constexpr double kCoarseSupplyStep = 1.0;

std::optional<Point> directionOf(BoardKey key) {
    switch (key) {
    case BoardKey::Left:
        return Point{-1, 0};
    case BoardKey::Right:
        return Point{1, 0};
    case BoardKey::Up:
        return Point{0, -1};
    case BoardKey::Down:
        return Point{0, 1};
    default:
        return std::nullopt;
    }
}

void showFocusOn(Workbench& bench, const FocusStop& stop) {
    bench.ui.boardFocus = {stop.control, true};
}

bool moveFocus(Workbench& bench, bool forward) {
    const std::vector<FocusStop> stops = focusOrder(bench);
    const std::optional<BoardControl>& focused = bench.ui.boardFocus.control;
    const auto at = std::find_if(stops.begin(), stops.end(), [&](const FocusStop& s) {
        return focused && s.control == *focused;
    });
    if (at == stops.end()) {
        if (stops.empty())
            return false;
        showFocusOn(bench, forward ? stops.front() : stops.back());
        return true;
    }
    if (forward ? at + 1 == stops.end() : at == stops.begin())
        return false;
    showFocusOn(bench, *(forward ? at + 1 : at - 1));
    return true;
}

// A drag as the mouse gives it: the press at the grip, one move to `to` (both relative to the
// marker where it lay at the press), the release where the pointer then lies on it.
void drag(Workbench& bench, MarkerRef ref, Point grip, Point to) {
    const Marker& m = bench.model.markers.at(ref);
    const Point pointer = Point{m.left, m.top} + to;
    markerMouseDown(bench, ref, grip.x, grip.y);
    markerMouseMove(bench, ref, to.x, to.y);
    markerMouseUp(bench, ref, pointer.x - m.left, pointer.y - m.top);
}

// A drag that puts the marker's top-left corner at a board point.
void dragTo(Workbench& bench, const FocusStop& stop, Point place) {
    const Marker& m = bench.model.markers.at(stop.control.marker);
    drag(bench, stop.control.marker, stop.grip, stop.grip + (place - Point{m.left, m.top}));
}

void click(Workbench& bench, const FocusStop& stop) {
    if (stop.control.isStepArrow()) {
        const Widget& arrows = bench.widget(WidgetId::cirplayim);
        const BoardBox cell = controlBox(bench, stop.control);
        pictureMouseMove(bench, WidgetId::cirplayim, cell.left - arrows.left + cell.width / 2,
                         cell.height / 2);
        widgetEvent(bench, WidgetId::cirplayim, WidgetEvent::Click);
        return;
    }
    const MarkerRef ref = stop.control.marker;
    const Marker& m = bench.model.markers.at(ref);
    const Point centre{m.width / 2, m.height / 2};
    markerMouseDown(bench, ref, centre.x, centre.y);
    markerMouseUp(bench, ref, centre.x, centre.y);
    if (bench.ui.popup)
        bench.ui.popup->byKeyboard = true;
}

bool arrowKey(Workbench& bench, const FocusStop& stop, Point way, bool shift) {
    switch (stop.role) {
    case KeyRole::Drag:
        drag(bench, stop.control.marker, stop.grip,
             stop.grip + (shift ? kFineKeyDragStep : kKeyDragStep) * way);
        return true;
    case KeyRole::Lead: {
        const Marker& lead = bench.model.markers.at(stop.control.marker);
        if (const std::optional<MarkerRef> point = nextMeasuringPoint(bench, lead, way.x, way.y)) {
            const Marker& at = bench.model.markers.at(*point);
            dragTo(bench, stop, {at.left, at.top});
        }
        return true;
    }
    case KeyRole::Source:
        if (way.y == 0 || bench.model.menus.sourceKind() != SourceKind::Variable)
            return false;
        stepSupplyVoltage(bench, -way.y * (shift ? kCoarseSupplyStep : kSupplyStep));
        return true;
    case KeyRole::Click:
        break;
    }
    return false;
}

// Escape parks a lead as a drop over the meter does.
bool escapeKey(Workbench& bench, const FocusStop& stop) {
    if (stop.role != KeyRole::Lead)
        return false;
    const Widget& panel = bench.widget(WidgetId::meterpl);
    const Marker& lead = bench.model.markers.at(stop.control.marker);
    dragTo(bench, stop,
           {panel.left + panel.width / 2 - lead.width / 2,
            panel.top + panel.height / 2 - lead.height / 2});
    return true;
}

} // namespace

bool boardKeyPress(Workbench& bench, BoardKey key, bool shift) {
    if (key == BoardKey::Tab || key == BoardKey::Backtab)
        return moveFocus(bench, key == BoardKey::Tab);
    const std::optional<FocusStop> stop = focusedStop(bench);
    if (!stop)
        return false;
    bench.ui.boardFocus.ringShown = true;
    if (const std::optional<Point> way = directionOf(key))
        return arrowKey(bench, *stop, *way, shift);
    if (key == BoardKey::Escape)
        return escapeKey(bench, *stop);
    click(bench, *stop);
    return true;
}

void enterBoardByTab(Workbench& bench, bool forward) {
    const std::vector<FocusStop> stops = focusOrder(bench);
    if (!stops.empty())
        showFocusOn(bench, forward ? stops.front() : stops.back());
}

void focusByPointer(Workbench& bench, MarkerRef marker) {
    if (focusStopOf(bench, BoardControl::of(marker)))
        bench.ui.boardFocus = {BoardControl::of(marker), false};
}

} // namespace voltaro
