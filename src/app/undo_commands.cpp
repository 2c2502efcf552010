#include "app/undo_commands.h"

#include "app/history_texts.h"
#include "app/step_recorder.h"
#include "bench/workbench.h"

namespace voltaro {

namespace {

using HistoryMove = std::optional<CircuitSnapshot> (UndoHistory::*)(CircuitSnapshot);

void moveThroughHistory(Workbench& bench, HistoryMove move) {
    finishDrag(bench);
    bench.widget(WidgetId::rvgb).visible = false;
    bench.widget(WidgetId::battgb).visible = false;
    cancelWaitingIntro(bench);
    if (const std::optional<CircuitSnapshot> circuit = (bench.history.*move)(snapshotOf(bench)))
        putBack(bench, *circuit);
    showHistory(bench);
}

void showEntry(MenuEntry& entry, MenuId id, bool possible, const Phrase& caption,
               const Text& name) {
    entry.enabled = possible;
    entry.caption = possible ? Text(caption).arg(name) : designCaption(id);
}

} // namespace

void Undo1Click(Workbench& bench, MenuId) {
    moveThroughHistory(bench, &UndoHistory::undo);
}

void Redo1Click(Workbench& bench, MenuId) {
    moveThroughHistory(bench, &UndoHistory::redo);
}

void showHistory(Workbench& bench) {
    const UndoHistory& h = bench.history;
    showEntry(bench.menu(MenuId::Undo1), MenuId::Undo1, h.canUndo(), kUndoStepCaption,
              h.canUndo() ? h.undoName() : Text());
    showEntry(bench.menu(MenuId::Redo1), MenuId::Redo1, h.canRedo(), kRedoStepCaption,
              h.canRedo() ? h.redoName() : Text());
}

void startHistoryAfresh(Workbench& bench) {
    bench.history.clear();
    showHistory(bench);
}

const std::vector<MenuBinding>& historyMenuBindings() {
    static const std::vector<MenuBinding> bindings = {
        {MenuId::Undo1, Undo1Click},
        {MenuId::Redo1, Redo1Click},
    };
    return bindings;
}

} // namespace voltaro
