#pragma once

#include "model/markers.h"
#include "solver/results.h"

#include <optional>

namespace voltaro {

// The multimeter's state besides its widgets, and the break that puts it in series. Index 1 is
// the black lead (`vpos`), index 2 the red lead (`vneg`).
struct MeterState {
    Table1<double, 2> leadPotential{0.0, kOpenSentinel, kOpenSentinel}; // -999.0: not on a point
    Table1<int, 2> leadSlot{0, -999, -999}; // 0: on the break marker; -999: on no point
    int leadIndex = 1;                      // the lead the last potential was computed for
    double reading = kOpenSentinel;         // volts or amperes; -999.0: none
    // The marker each lead was snapped onto, which it follows when the layout moves; none
    // while the lead lies anywhere else.
    Table1<std::optional<MarkerRef>, 2> leadPoint{};
    // Set while a circuit is being read: the paints of its half-read states park no lead whose
    // point the circuit may still bring.
    bool leadsAwaitCircuit = false;

    int breakCount = 0;      // 0 or 1
    int breakSlot = 0;       // the current slot when the break was made
    MarkerRef breakShape;    // the marker whose menu made the break
    int breakMarkerLeft = 0; // where `ampsh` lies from the break shape, kept when the loop moves
    int breakMarkerTop = 0;

    // Neither lead on a point any more.
    void takeLeadsOffPoints() {
        for (int lead = 1; lead <= 2; ++lead) {
            leadSlot[lead] = -999;
            leadPotential[lead] = kOpenSentinel;
        }
    }
};

} // namespace voltaro
