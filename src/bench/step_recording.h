#pragma once

#include "bench/circuit_snapshot.h"
#include "model/circuit_list.h"
#include "model/markers.h"

#include <memory>
#include <optional>

namespace voltaro {

// A press on the board whose drag is one step: the circuit before the press, and what was
// pressed (a marker, or none for the bare picture).
struct PendingDrag {
    CircuitSnapshot before;
    std::optional<MarkerRef> target;
};

// What the recording of the pupil's steps keeps from one event to the next.
struct StepRecording {
    std::optional<PendingDrag> drag;
    // The circuit list as the last snapshot took it, shared by the snapshots that hold the same.
    std::shared_ptr<const CircuitList> lastList;
    // While a lesson's or worksheet's introduction waits for Ok, its circuits are in the list
    // already, but the board still comes from the list before them: the one a step keeps.
    std::shared_ptr<const CircuitList> listBeforeIntro;
};

} // namespace voltaro
