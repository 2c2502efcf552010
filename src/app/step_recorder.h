#pragma once

#include "app/step_names.h"
#include "bench/circuit_snapshot.h"

#include <optional>

namespace voltaro {

struct Workbench;

// The recording of the pupil's steps for undo and redo. The dispatch runs every menu and
// widget handler as a step: the circuit is taken before it and compared after it, and a change
// is kept under the step's name. A press on the board starts a drag that is one step up to its
// release. Meter, view flags and boxes are no part of the circuit, so they make no step.

// The circuit before an event's handler; nothing for an event that takes no step of its own
// (undo and redo move through the steps). A drag still open ends first, as a step of its own.
using StepStart = std::optional<CircuitSnapshot>;
StepStart beginStep(Workbench& bench, const StepEvent& event);
// After the handler: a changed circuit is a step. A circuit read that leaves a locked circuit on
// the board ends the history: the reading of a locked circuit is never undone.
void endStep(Workbench& bench, StepStart start, const StepEvent& event);

template <typename Handler>
void runAsStep(Workbench& bench, const StepEvent& event, const Handler& handler) {
    StepStart start = beginStep(bench, event);
    handler();
    endStep(bench, std::move(start), event);
}

// A press on the board: its drag, up to the release, is one step.
void startDrag(Workbench& bench, std::optional<MarkerRef> pressed);
// The release, or any other step coming first.
void finishDrag(Workbench& bench);

// The workbench's circuit, its list shared with the last snapshot that holds the same one.
CircuitSnapshot snapshotOf(Workbench& bench);

// An introduction that waits for Ok is closed; a lesson's or worksheet's circuits go out of the
// list again, back to those the board shows.
void cancelWaitingIntro(Workbench& bench);

} // namespace voltaro
