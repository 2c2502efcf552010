#pragma once

#include "model/markers.h"
#include "solver/results.h"

namespace voltaro {

// The multimeter's state besides its widgets, and the break that puts it in series. Index 1 is
// the black lead (`vpos`), index 2 the red lead (`vneg`).
struct MeterState {
    Table1<double, 2> leadPotential{0.0, kOpenSentinel, kOpenSentinel}; // -999.0: not on a point
    Table1<int, 2> leadSlot{0, -999, -999}; // 0: on the break marker; -999: on no point
    int leadIndex = 1;                      // the lead the last potential was computed for
    double reading = kOpenSentinel;         // volts or amperes; -999.0: none

    int breakCount = 0;   // 0 or 1
    int breakSlot = 0;    // the current slot when the break was made
    MarkerRef breakShape; // the marker whose menu made the break

    // Neither lead on a point any more.
    void takeLeadsOffPoints() {
        for (int lead = 1; lead <= 2; ++lead) {
            leadSlot[lead] = -999;
            leadPotential[lead] = kOpenSentinel;
        }
    }
};

} // namespace voltaro
