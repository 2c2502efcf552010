#include "view/board_paint.h"

#include "view/geometry.h"
#include "view/side_paint.h"
#include "view/source_paint.h"

namespace voltaro {

namespace {

void drawSource(Canvas& canvas, const Model& model) {
    const Menus& menus = model.menus;
    const ShownSource source = shownSource(menus);
    if (source == ShownSource::Cells)
        drawCells(canvas, model.markers[MarkerId::battneg].top, menus.cellsInSeries(),
                  menus.cellsInParallel());
    else if (source == ShownSource::VariableSupply)
        drawVariableSupply(canvas, model.markers, model.source.supplyVoltage);
}

// The black and the red lead from their probes to the meter panel's centre.
void drawMeterLeads(Canvas& canvas, const Model& model) {
    const Widget& panel = model.widgets[WidgetId::meterpl];
    const Point centre{panel.left + panel.width / 2, panel.top + panel.height / 2};
    canvas.setPenWidth(2);
    canvas.setPenColour(Colour::Black);
    canvas.line(anchorOf(model.markers[MarkerId::vpos]), centre + Point{-8, -8});
    canvas.setPenColour(Colour::Red);
    canvas.line(anchorOf(model.markers[MarkerId::vneg]), centre + Point{-8, 8});
    canvas.setPenWidth(1);
}

// A white gap from the marker where the break was made to the break marker.
void drawBreakMark(Canvas& canvas, const Model& model, const MeterState& meter) {
    canvas.setPenWidth(2);
    canvas.setPenColour(Colour::White);
    if (meter.breakShape.isValid())
        canvas.line(anchorOf(model.markers.at(meter.breakShape)),
                    anchorOf(model.markers[MarkerId::ampsh]));
    canvas.setPenColour(Colour::Black);
    canvas.setPenWidth(1);
}

} // namespace

LoopWires loopWires(const Model& model) {
    const Markers& markers = model.markers;
    const int negativeTop = markers[MarkerId::battneg].top;
    const int series = model.menus.cellsInSeries();
    const Point p1 = anchorOf(markers[MarkerId::p1]);
    const Point p2 = anchorOf(markers[MarkerId::p2]);
    const Point p4 = anchorOf(markers[MarkerId::p4]);
    const int topLength = model.layout.sideLength[kTopSide];
    const int rightLength = model.layout.sideLength[kRightSide];
    return {{{30, batteryTopRailY(negativeTop, series) + 10}, {30, p1.y}, p1},
            {{30, batteryBottomRailY(negativeTop, series)}, {30, p4.y}, {50, p4.y}},
            {{p1.x + topLength, p1.y}, {p2.x, p1.y}, p2},
            {{p2.x, p2.y + rightLength}, {p2.x, p4.y}, p4}};
}

int branchSpacing(const Menus& menus) {
    return menus[MenuId::reisitor1].checked ? 35 : 45;
}

void paintCircuit(Model& model, Canvas& canvas) {
    LabelCounters counters;
    canvas.setPenColour(Colour::White);
    canvas.setBrushColour(Colour::White);
    canvas.setPenWidth(1);
    canvas.rectangle(0, 0, canvas.width(), canvas.height());

    canvas.setPenColour(Colour::Red);
    drawSource(canvas, model);
    const LoopWires wires = loopWires(model);
    for (const auto* wire :
         {&wires.batteryToTop, &wires.batteryToBottom, &wires.topToRight, &wires.rightToBottom})
        canvas.polyline(*wire);

    const Menus& menus = model.menus;
    SidePaintOptions options;
    options.spacing = branchSpacing(menus);
    options.meterOff = menus.meterOff();
    options.showResistance = menus.showResistance();
    options.labelLoads = menus.labelLoads();
    options.brightnessHidden = !menus.showBrightness();
    for (int side : {kTopSide, kRightSide, kBottomSide})
        paintSide(model, side, options, counters, canvas);
}

void paintMeterWires(const Model& model, const MeterState& meter, Canvas& canvas) {
    if (!model.menus.meterOff())
        drawMeterLeads(canvas, model);
    if (meter.hasBreak())
        drawBreakMark(canvas, model, meter);
    canvas.finish();
}

} // namespace voltaro
