#pragma once

#include "model/circuit_tables.h"
#include "model/colour.h"
#include "view/canvas.h"

namespace voltaro {

// The symbol of one element between two neighbouring slot markers of a branch: from `start`
// (the first marker's anchor) `pitch` pixels in `direction` ((1, 0) top side, (0, 1) right
// side, (-1, 0) bottom side). The glyph first wipes the stretch of wire it owns, then draws in
// red; it leaves the pen red and 1 pixel wide and the brush white. Bulbs are filled by their
// brightness and get rays unless `brightnessHidden`.
void drawElementGlyph(Canvas& canvas, Point start, Point direction, int pitch,
                      const ElementRecord& record, int brightness, bool brightnessHidden);

// The size of one zig-zag stroke of a resistor at a pitch: (pitch - 30) div 10, at least 1,
// and 9 where that would exceed 10.
int resistorStrokeSize(int pitch);

// A bulb's fill: red and green both the brightness up to 255, full yellow above, white when
// brightness is hidden.
Rgb bulbFill(int brightness, bool brightnessHidden);

} // namespace voltaro
