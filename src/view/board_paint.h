#pragma once

#include "model/model.h"
#include "solver/meter_state.h"
#include "view/canvas.h"

#include <vector>

namespace voltaro {

// Distance between neighbouring branches of a block and between lanes: 35 pixels while the
// hidden Options item `reisitor1` is checked, else 45.
int branchSpacing(const Menus& menus);

// The wires of the loop outside the sides, as the paint draws them: from the battery's top rail
// up to the top side's origin, from its bottom rail down to the bottom side's end, from the top
// side's end to the right side's origin and from the right side's end to the bottom side's.
struct LoopWires {
    std::vector<Point> batteryToTop;
    std::vector<Point> batteryToBottom;
    std::vector<Point> topToRight;
    std::vector<Point> rightToBottom;
};
LoopWires loopWires(const Model& model);

// The board in two steps. First the circuit from scratch over a solved model: the source, the
// loop wires, sides 1, 2 and 4 with their elements and labels; on its way it moves every branch
// marker of a block in use and every slot marker of a branch in use to its place, and shows the
// branch markers while the meter is off. Then, once the leads and the break marker are where
// the markers put them, the meter leads and the break mark over it, which end the paint.
void paintCircuit(Model& model, Canvas& canvas);
void paintMeterWires(const Model& model, const MeterState& meter, Canvas& canvas);

} // namespace voltaro
