#include "app/step_recorder.h"

#include "app/undo_commands.h"
#include "bench/workbench.h"

namespace voltaro {

namespace {

bool introWaits(const Workbench& bench) {
    return bench.widget(WidgetId::Panel3).visible;
}

bool takesNoStep(const StepEvent& event) {
    return event.source == StepEvent::Source::Menu &&
           (event.menu == MenuId::Undo1 || event.menu == MenuId::Redo1);
}

void keepStep(Workbench& bench, CircuitSnapshot before, const StepEvent& event) {
    if (readsCircuit(event) && !bench.model.menus.optionsEnabled())
        bench.history.clear();
    else
        bench.history.record(std::move(before), stepName(bench, event));
    showHistory(bench);
}

} // namespace

CircuitSnapshot snapshotOf(Workbench& bench) {
    StepRecording& r = bench.recording;
    if (r.listBeforeIntro)
        return takeSnapshot(bench, r.listBeforeIntro);
    if (!r.lastList || !sameCircuits(*r.lastList, bench.circuits))
        r.lastList = std::make_shared<const CircuitList>(bench.circuits);
    return takeSnapshot(bench, r.lastList);
}

StepStart beginStep(Workbench& bench, const StepEvent& event) {
    finishDrag(bench);
    if (takesNoStep(event))
        return std::nullopt;
    return snapshotOf(bench);
}

void endStep(Workbench& bench, StepStart start, const StepEvent& event) {
    if (!start)
        return;
    StepRecording& r = bench.recording;
    if (!introWaits(bench))
        r.listBeforeIntro.reset();
    const CircuitSnapshot after = snapshotOf(bench);
    if (sameCircuit(*start, after))
        return;
    if (introWaits(bench) && !r.listBeforeIntro && sameBoard(*start, after)) {
        // A lesson or worksheet has put its circuits in the list and waits for Ok.
        r.listBeforeIntro = start->circuits;
        return;
    }
    keepStep(bench, std::move(*start), event);
}

void startDrag(Workbench& bench, std::optional<MarkerRef> pressed) {
    finishDrag(bench);
    bench.recording.drag = PendingDrag{snapshotOf(bench), pressed};
}

void finishDrag(Workbench& bench) {
    std::optional<PendingDrag> drag = std::move(bench.recording.drag);
    bench.recording.drag.reset();
    if (drag)
        endStep(bench, std::move(drag->before), StepEvent::ofPointer(drag->target));
}

void cancelWaitingIntro(Workbench& bench) {
    if (!introWaits(bench))
        return;
    bench.widget(WidgetId::Panel3).visible = false;
    bench.widget(WidgetId::Savepl).visible = false;
    StepRecording& r = bench.recording;
    if (r.listBeforeIntro)
        bench.circuits = *r.listBeforeIntro;
    r.listBeforeIntro.reset();
}

} // namespace voltaro
