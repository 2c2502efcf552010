#pragma once

#include "model/circuit_list.h"
#include "model/circuit_tables.h"
#include "model/layout_state.h"
#include "model/markers.h"
#include "model/menus.h"
#include "model/source_settings.h"
#include "model/text.h"

#include <array>
#include <memory>

namespace voltaro {

struct Workbench;

// Where a break opens the circuit for the ammeter, besides the record it opens.
struct BreakPlace {
    int count = 0;
    int slot = 0;
    MarkerRef shape;
    int markerLeft = 0;
    int markerTop = 0;
};

// The menu entries that hold the source: its kind and the cells in series and in parallel.
constexpr MenuId kSourceEntries[] = {MenuId::Source1, MenuId::Numser1, MenuId::NumPar1};

// The circuit as the pupil has built it and the window shows it: what an undo puts back. The
// meter (its leads, range, fuse and panel), the view flags and the open boxes are not part of
// it. About 50 kB; the circuit list is shared with every snapshot that holds the same list.
struct CircuitSnapshot {
    CircuitTables tables;
    SourceSettings source;
    LayoutState layout;
    Markers markers; // the meter's own markers are neither compared nor put back
    std::array<MenuEntry, std::size(kSourceEntries)> sourceEntries{};
    bool locked = false; // the Options menu disabled
    BreakPlace breakPlace;
    std::shared_ptr<const CircuitList> circuits;
    bool stepArrowsShown = false;
    Text circuitNumber; // the label beside the step arrows
    Text caption;
};

// The workbench's circuit, with `circuits` standing for its circuit list.
CircuitSnapshot takeSnapshot(const Workbench& bench, std::shared_ptr<const CircuitList> circuits);

// Whether two snapshots hold the same board: everything but the circuit list.
bool sameBoard(const CircuitSnapshot& a, const CircuitSnapshot& b);
// Whether they hold the same circuit, the list included.
bool sameCircuit(const CircuitSnapshot& a, const CircuitSnapshot& b);

// Puts the circuit back on the workbench with its layout, then solves and paints it as after any
// change; the meter follows its leads' points.
void putBack(Workbench& bench, const CircuitSnapshot& snapshot);

} // namespace voltaro
