#pragma once

#include "model/markers.h"

#include <optional>

namespace voltaro {

// A control of the board that the keyboard reaches: a marker, or one of the four cells of the
// step arrows (1 first, 2 previous, 3 next, 4 last circuit).
struct BoardControl {
    MarkerRef marker;
    int arrowCell = 0; // 0: the control is the marker

    static BoardControl of(MarkerRef ref) { return {ref, 0}; }
    static BoardControl stepArrow(int cell) { return {MarkerRef{}, cell}; }
    bool isStepArrow() const { return arrowCell != 0; }

    friend bool operator==(const BoardControl& a, const BoardControl& b) {
        return a.arrowCell == b.arrowCell && (a.arrowCell != 0 || a.marker == b.marker);
    }
    friend bool operator!=(const BoardControl& a, const BoardControl& b) { return !(a == b); }
};

// The board's keyboard focus: the control the keys act on, kept while a box or menu that it
// opened has the keyboard, and whether the window draws its ring (after a key; a click moves
// the focus without it).
struct BoardFocus {
    std::optional<BoardControl> control;
    bool ringShown = false;
};

} // namespace voltaro
