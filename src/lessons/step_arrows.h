#pragma once

#include "model/widgets.h"

namespace voltaro {

class Canvas;
struct Workbench;

// The step arrows of a set of circuits: the picture `cirplayim`, four cells 25 pixels wide
// (first, previous, next, last), and beside it the label `clb` with the circuit's number. The
// picture's Tag holds the x of the last mouse move over it, the hover position.

constexpr int kNoArrowCell = 125; // a hover position over no cell

// What the picture shows: the cell under the mouse and whether the set can still move
// backwards (current above 1) and forwards (current below the count).
struct StepArrowView {
    int width = 100;
    int height = 25;
    int hover = kNoArrowCell;
    int current = 1;
    int count = 1;
};

// Draws the picture: the hover cell filled gray, arrows that can move red, the others gray.
void paintStepArrows(Canvas& canvas, const StepArrowView& view);

// A mouse move over the picture: x becomes the hover position and the picture is redrawn.
void cirplayimMouseMove(Workbench& bench, WidgetId, int x, int y);
// A click on the picture steps to the first, previous, next or last circuit of the set, by the
// hover cell, and reads that circuit afresh, even when the number stays.
void cirplayimClick(Workbench& bench, WidgetId);
// A mouse move over the board: no cell is under the mouse any more.
void leaveStepArrows(Workbench& bench);

} // namespace voltaro
