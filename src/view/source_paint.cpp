#include "view/source_paint.h"

#include "model/numbers.h"
#include "view/int_math.h"

namespace voltaro {

namespace {

constexpr int kLeftEdgeX = 30;
constexpr int kColumnPitch = 60;
constexpr int kCellPitch = 20;

} // namespace

ShownSource shownSource(const Menus& menus) {
    if (menus.sourceKind() == SourceKind::Cells)
        return ShownSource::Cells;
    return menus.optionsEnabled() ? ShownSource::VariableSupply : ShownSource::Nothing;
}

int cellColumnX(int column) {
    return kLeftEdgeX + kColumnPitch * (column - 1);
}

int batteryTopRailY(int negativeTop, int series) {
    return negativeTop + 52 - 15 * series;
}

int batteryBottomRailY(int negativeTop, int series) {
    return negativeTop + 52 + 5 * series;
}

void drawCells(Canvas& canvas, int negativeTop, int series, int parallel) {
    const int top = batteryTopRailY(negativeTop, series);
    const int bottom = batteryBottomRailY(negativeTop, series);
    for (int column = 1; column <= parallel; ++column) {
        const int x = cellColumnX(column);
        canvas.polyline({{kLeftEdgeX, top}, {x, top}, {x, top + 10}});
        canvas.polyline({{kLeftEdgeX, bottom + 10}, {x, bottom + 10}, {x, bottom}});
        for (int cell = 1; cell <= series; ++cell) {
            const int y = bottom - kCellPitch * (cell - 1);
            canvas.line({x, y}, {x, y + 10});
            canvas.line({x - 25, y}, {x + 25, y});
            canvas.line({x - 10, y - 10}, {x + 10, y - 10});
        }
    }
}

void drawVariableSupply(Canvas& canvas, const Markers& markers, double volts) {
    const int left = markers[MarkerId::battneg].left;
    const int bottom = markers[MarkerId::battpos].top;
    const int middle = (markers[MarkerId::battneg].top + bottom) / 2;
    canvas.setPenWidth(2);
    canvas.rectangle(left - 4, middle - 30, left + 55, bottom - 34);
    canvas.setPenWidth(1);
    canvas.line({left + 25, middle}, {left, middle - 30});
    canvas.line({left + 25, middle}, {left + 50, middle - 30});
    canvas.setPenWidth(2);
    canvas.setPenColour(Colour::Black);
    canvas.line({left + 25, middle},
                {addClamped(left, truncToInt(volts / kVoltsPerPixel)), middle - 30});
    canvas.line({left - 4, middle}, {left + 53, middle});
    canvas.setBold(true);
    canvas.text({35, middle + 2}, "V: " + formatFixed(volts, 1, 3) + " V");
    canvas.setPenWidth(1);
    canvas.setPenColour(Colour::Red);
}

} // namespace voltaro
