#pragma once

#include "model/markers.h"
#include "solver/results.h"

#include <optional>

namespace voltaro {

constexpr int kNoLeadSlot = -999;   // the slot of a lead on no point
constexpr int kBreakMarkerSlot = 0; // the slot of a lead on the break marker `ampsh`

// The multimeter's state and the break that puts it in series. The mode is the check mark of
// `None1`, `Voltage1` or `current1` (`meterMode()`); the widgets show the rest of it: the
// display `currenteb` is black while the fuse is blown, the range button `arb`..`erb` of the
// range carries the check mark, the break marker `ampsh` is shown while a break exists and
// carries the break's slot as its Tag. Index 1 is the black lead (`vpos`), index 2 the red
// lead (`vneg`).
struct MeterState {
    Table1<double, 2> leadPotential{0.0, kOpenSentinel, kOpenSentinel}; // -999.0: not on a point
    Table1<int, 2> leadSlot{0, kNoLeadSlot, kNoLeadSlot}; // a slot, kBreakMarkerSlot or none
    int leadIndex = 1;              // the lead the last potential was computed for
    double reading = kOpenSentinel; // volts or amperes; -999.0: none
    int range = 1;                  // 1..5, the range switch
    bool fuseBlown = false;         // only "Change Fuse" mends it
    // The marker each lead was snapped onto, which it follows when the layout moves; none
    // while the lead lies anywhere else.
    Table1<std::optional<MarkerRef>, 2> leadPoint{};
    // Set while a circuit is being read: the paints of its half-read states park no lead whose
    // point the circuit may still bring.
    bool leadsAwaitCircuit = false;

    int breakCount = 0;      // 0 or 1
    int breakSlot = 0;       // the current slot when the break was made (the Tag of `ampsh`)
    MarkerRef breakShape;    // the marker whose menu made the break
    int breakMarkerLeft = 0; // where `ampsh` lies from the break shape, kept when the loop moves
    int breakMarkerTop = 0;

    bool hasBreak() const { return breakCount > 0; }

    // Neither lead on a point any more.
    void takeLeadsOffPoints() {
        for (int lead = 1; lead <= 2; ++lead) {
            leadSlot[lead] = kNoLeadSlot;
            leadPotential[lead] = kOpenSentinel;
        }
    }
};

} // namespace voltaro
