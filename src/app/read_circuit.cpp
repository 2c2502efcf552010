#include "app/read_circuit.h"

#include "app/shell_texts.h"
#include "bench/bench_texts.h"
#include "bench/circuit_lock.h"
#include "bench/handle_clamps.h"
#include "bench/operations.h"
#include "bench/platform.h"
#include "bench/workbench.h"
#include "edit/circuit_break.h"
#include "edit/source_config.h"
#include "model/description_reader.h"
#include "model/description_store.h"
#include "model/numbers.h"
#include "view/geometry.h"

#include <algorithm>

namespace voltaro {

namespace {

// The battery menu entries for 1..4 cells in series and in parallel.
constexpr MenuId kSeriesEntries[] = {MenuId::N110, MenuId::N210, MenuId::N310, MenuId::N41};
constexpr MenuId kParallelEntries[] = {MenuId::N111, MenuId::N211, MenuId::N311, MenuId::N42};

void showStepArrows(Workbench& bench) {
    Widget& arrows = bench.widget(WidgetId::cirplayim);
    arrows.visible = bench.circuits.count != 1;
    Widget& label = bench.widget(WidgetId::clb);
    label.visible = arrows.visible;
    label.caption = Text(kCircuitNumberCaption).arg(std::to_string(bench.circuits.current));
}

// The handles where the description puts them, kept on the board and apart as a drag keeps
// them, so that a file cannot put the loop anywhere a drag could not.
void placeHandles(Workbench& bench, const std::vector<int>& handles) {
    int* const fields[] = {&bench.marker(MarkerId::topsh).left, &bench.marker(MarkerId::topsh).top,
                           &bench.marker(MarkerId::botsh).left, &bench.marker(MarkerId::botsh).top};
    for (std::size_t i = 0; i < handles.size() && i < std::size(fields); ++i)
        *fields[i] = handles[i];
    keepHandleOnBoard(bench.marker(MarkerId::topsh));
    keepHandleOnBoard(bench.marker(MarkerId::botsh));
    keepHandlesApart(bench.model.markers, false);
}

// Counts 1..4 choose their battery menu entry; other counts choose nothing.
void chooseCount(Workbench& bench, const std::optional<int>& count, const MenuId (&entries)[4],
                 void (*handler)(Workbench&, MenuId)) {
    if (count && *count >= 1 && *count <= 4)
        handler(bench, entries[*count - 1]);
}

// The source as the pupil would set it: through the Source menu and the battery menu.
void chooseSource(Workbench& bench, const DescriptionReading& r) {
    if (!r.sourceKind)
        return;
    if (sourceKindOfCode(*r.sourceKind) == SourceKind::Variable) {
        if (!r.sourceValue)
            return;
        bench.model.source.variableSetting = *r.sourceValue;
        Variable1Click(bench, MenuId::Variable1);
        return;
    }
    Variable1Click(bench, MenuId::Cells1);
    if (!r.sourceValue)
        return;
    bench.widget(WidgetId::batteb).text = formatShortest(*r.sourceValue);
    acceptCellValue(bench, *r.sourceValue);
    chooseCount(bench, r.cellsInSeries, kSeriesEntries, N110Click);
    chooseCount(bench, r.cellsInParallel, kParallelEntries, N111Click);
}

void setViewFlags(Workbench& bench, int flags) {
    bench.menu(MenuId::ShowResistance1).checked = (flags & kShowResistanceBit) != 0;
    bench.menu(MenuId::Labelloads1).checked = (flags & kLabelLoadsBit) != 0;
    bench.menu(MenuId::ShowBright1).checked = (flags & kShowBrightnessBit) != 0;
}

void applyHeader(Workbench& bench, const DescriptionReading& r) {
    if (r.optionsFlag)
        bench.menu(MenuId::Options1).enabled = *r.optionsFlag == 1;
    placeHandles(bench, r.handles);
    chooseSource(bench, r);
    if (r.viewFlags)
        setViewFlags(bench, *r.viewFlags);
}

// The loop laid out again from the handles just read, then sized, solved and painted.
void layOutFromHandles(Workbench& bench) {
    recordAnchorOffsets(bench.model.markers, bench.model.layout);
    resizebt(bench);
    reanchorSides(bench);
    getsizebt(bench);
}

} // namespace

std::optional<Failure> readCurrentCircuit(Workbench& bench) {
    showStepArrows(bench);
    playbt(bench);
    // A break belongs to the circuit it was made in.
    endBreak(bench);
    bench.meter.leadsAwaitCircuit = true;
    resistrestbt(bench);
    bench.ui.caption = Text(kSetCaption).arg(bench.circuits.setName);
    const int current = std::clamp(bench.circuits.current, 1, kMaxCircuits);
    const DescriptionReading reading = readDescription(bench.circuits.chunks[current]);
    applyHeader(bench, reading);
    storeCircuitData(reading, bench.model.tables, bench.model.markers);
    bench.meter.leadsAwaitCircuit = false;
    if (reading.error)
        return reading.error;
    showLock(bench, !bench.menu(MenuId::Options1).enabled);
    layOutFromHandles(bench);
    bench.widget(WidgetId::Savepl).visible = false;
    return std::nullopt;
}

bool cirbt(Workbench& bench) {
    const std::optional<Failure> failure = readCurrentCircuit(bench);
    if (failure)
        bench.platform->error(inCurrentCircuit(failure->reason, bench.circuits));
    return !failure;
}

} // namespace voltaro
