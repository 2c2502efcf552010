#include "edit/source_config.h"

#include "bench/operations.h"
#include "bench/workbench.h"
#include "edit/edit_texts.h"
#include "edit/popups.h"
#include "edit/typed_number.h"
#include "model/numbers.h"
#include "view/source_paint.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace voltaro {

namespace {

constexpr int kDialWidth = 50; // the needle's dial spans 50 pixels from `battneg`'s Left

void updateCellSupply(Workbench& bench) {
    bench.model.source.supplyVoltage =
        bench.model.menus.cellsInSeries() * bench.model.source.cellValue;
}

// The cell value as its box shows it, in six characters: with one decimal ("   1.5") when that
// reads back to the value, else in the shortest form that does ("  0.07"), so Ok keeps it.
std::string cellValueShown(double value) {
    const std::string oneDecimal = formatFixed(value, 1, 6);
    if (parseReal(oneDecimal) == value)
        return oneDecimal;
    std::string shortest = formatShortest(value);
    if (shortest.size() < 6)
        shortest.insert(0, 6 - shortest.size(), ' ');
    return shortest;
}

} // namespace

void Variable1Click(Workbench& bench, MenuId entry) {
    MenuEntry& source = bench.menu(MenuId::Source1);
    const SourceKind kind = sourceKindOfCode(bench.menu(entry).tag);
    source.tag = static_cast<int>(kind);
    source.caption = Text(kSourceCaption).arg(bench.menu(entry).caption);
    setCellsInSeries(bench, kind == SourceKind::Variable ? 2 : 1);
    setCellsInParallel(bench, 1);
    if (kind == SourceKind::Variable)
        bench.model.source.supplyVoltage = bench.model.source.variableSetting;
    if (!bench.widget(WidgetId::Savepl).visible)
        placeRbt(bench);
}

void battnegMouseDown(Workbench& bench, MarkerRef terminal, int, int) {
    if (!bench.model.menus.optionsEnabled() || bench.model.menus.sourceKind() != SourceKind::Cells)
        return;
    requestPopupAt(bench, MenuId::battpu, bench.model.markers.at(terminal));
}

void N110Click(Workbench& bench, MenuId entry) {
    setCellsInSeries(bench, bench.menu(entry).tag);
}

void N111Click(Workbench& bench, MenuId entry) {
    setCellsInParallel(bench, bench.menu(entry).tag);
}

void setCellsInSeries(Workbench& bench, int count) {
    MenuEntry& series = bench.menu(MenuId::Numser1);
    series.caption = Text(kCellsInSeriesCaption).arg(std::to_string(count));
    series.tag = count;
    updateCellSupply(bench);
    placeRbt(bench);
}

void setCellsInParallel(Workbench& bench, int count) {
    MenuEntry& parallel = bench.menu(MenuId::NumPar1);
    parallel.caption = Text(kCellsInParallelCaption).arg(std::to_string(count));
    parallel.tag = count;
    placeRbt(bench);
}

void CellValue1Click(Workbench& bench, MenuId) {
    bench.widget(WidgetId::battgb).visible = true;
    bench.widget(WidgetId::batteb).text = cellValueShown(bench.model.source.cellValue);
    bench.ui.focus = WidgetId::batteb;
}

void battokbtClick(Workbench& bench, WidgetId) {
    std::string& text = bench.widget(WidgetId::batteb).text;
    if (text.empty())
        text = "0.0"; // an empty box means no voltage
    const std::optional<double> value = readTypedReal(bench, WidgetId::batteb, kCellValueRange);
    if (value)
        acceptCellValue(bench, *value);
}

void acceptCellValue(Workbench& bench, double value) {
    bench.model.source.cellValue = value;
    updateCellSupply(bench);
    bench.widget(WidgetId::battgb).visible = false;
    placeRbt(bench);
}

void dragNeedle(Workbench& bench, int x, int y) {
    constexpr int kDialHalfWidth = kDialWidth / 2;
    constexpr double kDialRise = 20.0;       // its middle lies this far above the terminals'
    constexpr double kDialHalfHeight = 20.0; // a move this far from the middle is off the dial
    const Marker& negative = bench.marker(MarkerId::battneg);
    const Marker& positive = bench.marker(MarkerId::battpos);
    const int left = negative.left;
    if (std::abs(x - left - kDialHalfWidth) > kDialHalfWidth)
        return;
    const double dialMiddle = (negative.top + positive.top) / 2.0 - kDialRise;
    if (std::fabs(y - dialMiddle) >= kDialHalfHeight)
        return;
    bench.model.source.supplyVoltage = (x - left) * kVoltsPerPixel;
    placeRbt(bench);
}

void stepSupplyVoltage(Workbench& bench, double step) {
    if (bench.model.menus.sourceKind() != SourceKind::Variable)
        return;
    constexpr double kTenths = 10.0; // the steps land on tenths of a volt
    const double top = kDialWidth * kVoltsPerPixel;
    double& voltage = bench.model.source.supplyVoltage;
    voltage = std::clamp(std::round((voltage + step) * kTenths) / kTenths, 0.0, top);
    placeRbt(bench);
}

} // namespace voltaro
