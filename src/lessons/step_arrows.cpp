#include "lessons/step_arrows.h"

#include "bench/operations.h"
#include "bench/workbench.h"
#include "view/canvas.h"

#include <algorithm>

namespace voltaro {

namespace {

enum ArrowCell { FirstCell, PreviousCell, NextCell, LastCell };

// The number the cell steps to from `current`, kept within 1..count.
int steppedNumber(int cell, int current, int count) {
    const int last = std::max(count, 1);
    switch (cell) {
    case FirstCell:
        return 1;
    case PreviousCell:
        return std::clamp(current - 1, 1, last);
    case NextCell:
        return std::clamp(current + 1, 1, last);
    case LastCell:
        return last;
    default:
        return current;
    }
}

} // namespace

void paintStepArrows(Canvas& c, const StepArrowView& view) {
    const int h = view.height;
    c.setPenWidth(1);
    c.setPenColour(Colour::Black);
    c.setBrushColour(Colour::White);
    c.rectangle(0, 0, view.width, h);
    const int hoverCell = view.hover / kArrowCellWidth;
    for (int cell = FirstCell; cell <= LastCell; ++cell) {
        c.setBrushColour(cell == hoverCell ? Colour::Gray : Colour::White);
        c.rectangle(kArrowCellWidth * cell, 0, kArrowCellWidth * (cell + 1), h);
    }
    c.setPenColour(view.current > 1 ? Colour::Red : Colour::Gray);
    c.line({7, 3}, {7, h - 3});
    c.polyline({{22, 3}, {9, h / 2}, {22, h - 3}});
    c.polyline({{43, 3}, {30, h / 2}, {43, h - 3}});
    c.setPenColour(view.current < view.count ? Colour::Red : Colour::Gray);
    c.polyline({{57, 3}, {70, h / 2}, {57, h - 3}});
    c.line({93, 3}, {93, h - 3});
    c.polyline({{78, 3}, {91, h / 2}, {78, h - 3}});
}

void playbt(Workbench& bench) {
    if (!bench.arrowCanvas)
        return;
    const Widget& picture = bench.widget(WidgetId::cirplayim);
    paintStepArrows(*bench.arrowCanvas, {picture.width, picture.height, picture.tag,
                                         bench.circuits.current, bench.circuits.count});
    bench.arrowCanvas->finish();
}

void cirplayimMouseMove(Workbench& bench, WidgetId, int x, int) {
    bench.widget(WidgetId::cirplayim).tag = x;
    playbt(bench);
}

void cirplayimClick(Workbench& bench, WidgetId) {
    CircuitList& list = bench.circuits;
    const int cell = bench.widget(WidgetId::cirplayim).tag / kArrowCellWidth;
    list.current = steppedNumber(cell, list.current, list.count);
    cirbt(bench);
}

void leaveStepArrows(Workbench& bench) {
    Widget& picture = bench.widget(WidgetId::cirplayim);
    if (picture.tag == kNoArrowCell)
        return;
    picture.tag = kNoArrowCell;
    playbt(bench);
}

} // namespace voltaro
