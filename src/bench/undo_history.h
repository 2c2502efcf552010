#pragma once

#include "bench/circuit_snapshot.h"
#include "model/text.h"

#include <deque>
#include <optional>

namespace voltaro {

// One step the pupil took: the circuit of one side of it and the step's name for the Edit
// menu ("Bulb #1", "Number in Series").
struct UndoStep {
    CircuitSnapshot circuit;
    Text name;
};

// The steps that can be undone, the newest last, and those undone that can be done again.
class UndoHistory {
public:
    static constexpr std::size_t kLimit = 100; // the oldest step goes beyond this many

    // A step done: the circuit before it, under its name. Nothing undone can be redone now.
    void record(CircuitSnapshot before, Text name);
    // Nothing before the present circuit can be undone or redone any more.
    void clear();

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    const Text& undoName() const { return m_undo.back().name; }
    const Text& redoName() const { return m_redo.back().name; }
    std::size_t undoCount() const { return m_undo.size(); }

    // The circuit to put back to undo the newest step, or nothing; `now` is kept to redo it.
    std::optional<CircuitSnapshot> undo(CircuitSnapshot now);
    // The circuit to put back to redo the step undone last, or nothing; `now` is kept to undo it.
    std::optional<CircuitSnapshot> redo(CircuitSnapshot now);

private:
    std::deque<UndoStep> m_undo;
    std::deque<UndoStep> m_redo;
};

} // namespace voltaro
