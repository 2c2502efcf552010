#pragma once

#include "bench/workbench.h"
#include "support/scripted_platform.h"

#include <string>

namespace voltaro::test {

// A workbench after the start-up sequence, talking to a scripted platform.
struct StartedBench {
    ScriptedPlatform platform;
    Workbench bench;

    StartedBench();
    StartedBench(const StartedBench&) = delete;
    StartedBench& operator=(const StartedBench&) = delete;
};

// Whether two element records agree in what the pupil builds (flags, resistance, kind).
bool sameElement(const ElementRecord& a, const ElementRecord& b);

// The first difference between two workbenches in the circuit the pupil sees: tables, source,
// menu entries (but undo and redo), widgets, marker places and visibility, and the caption;
// empty when none.
std::string firstDifference(const Workbench& a, const Workbench& b);

} // namespace voltaro::test
