#pragma once

#include "app/dispatch.h"
#include "bench/workbench.h"
#include "model/slot.h"
#include "support/recording_canvas.h"
#include "support/started_bench.h"

#include <string>

namespace voltaro::test {

// A started workbench whose step-arrow picture is a recording canvas.
struct LessonDesk {
    StartedBench started;
    Workbench& bench = started.bench;
    RecordingCanvas arrows;

    LessonDesk() { bench.arrowCanvas = &arrows; }

    // Chooses a lesson or worksheet from the menu, then presses Ok under its introduction.
    void open(MenuId entry) {
        triggerMenu(bench, entry);
        widgetEvent(bench, WidgetId::okdokeybt, WidgetEvent::Click);
    }
};

inline std::string elementWord(const ElementRecord& r) {
    if (r.wireFlag)
        return "wire";
    if (r.kind == ElementKind::Switch)
        return r.isOpen() ? "open switch" : "closed switch";
    if (isBulbKind(r.kind))
        return "bulb #" + std::to_string(r.kind - 1);
    return "resistor " + std::to_string(r.resistance);
}

// The circuit on the board, side by side: "open switch | bulb #1; bulb #1 | wire | wire", the
// elements of a branch in series, one branch after the other apart by ";".
inline std::string circuitInWords(const CircuitTables& t) {
    std::string text;
    for (int side = 1; side <= kSides; ++side) {
        std::string sideText;
        for (int lane = 1; lane <= kLanes; ++lane)
            for (int block = 1; block <= t.blocksInUse(side, lane); ++block)
                for (int branch = 1; branch <= kBranches; ++branch) {
                    const int n = t.elementsInUse(side, lane, block, branch);
                    if (n == 0)
                        continue;
                    sideText += sideText.empty() ? "" : "; ";
                    for (int e = 1; e <= n; ++e)
                        sideText += (e > 1 ? " " : "") +
                                    elementWord(t.record(slotNumber(side, lane, block, branch, e)));
                }
        text += (side > 1 ? " | " : "") + sideText;
    }
    return text;
}

} // namespace voltaro::test
