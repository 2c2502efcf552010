#include "bench/undo_history.h"

namespace voltaro {

namespace {

// Takes the newest step of `from` to put its circuit back, and keeps `now` in `to` under the
// same name, so that the step can be taken the other way again.
std::optional<CircuitSnapshot> stepAcross(std::deque<UndoStep>& from, std::deque<UndoStep>& to,
                                          CircuitSnapshot now) {
    if (from.empty())
        return std::nullopt;
    UndoStep step = std::move(from.back());
    from.pop_back();
    to.push_back({std::move(now), step.name});
    return std::move(step.circuit);
}

} // namespace

void UndoHistory::record(CircuitSnapshot before, Text name) {
    m_redo.clear();
    m_undo.push_back({std::move(before), std::move(name)});
    if (m_undo.size() > kLimit)
        m_undo.pop_front();
}

void UndoHistory::clear() {
    m_undo.clear();
    m_redo.clear();
}

std::optional<CircuitSnapshot> UndoHistory::undo(CircuitSnapshot now) {
    return stepAcross(m_undo, m_redo, std::move(now));
}

std::optional<CircuitSnapshot> UndoHistory::redo(CircuitSnapshot now) {
    return stepAcross(m_redo, m_undo, std::move(now));
}

} // namespace voltaro
