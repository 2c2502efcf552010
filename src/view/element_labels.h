#pragma once

#include "model/circuit_tables.h"
#include "model/markers.h"
#include "view/canvas.h"

#include <array>
#include <string>
#include <vector>

namespace voltaro {

// Numbers of the element labels; they run across the whole paint.
struct LabelCounters {
    int loads = 0;
    int switches = 0;
};

// The label of an element beside its glyph: a name ("R1", "L2", "S1") and a value ("= 100"),
// either of them possibly empty. The value is followed by the ohm sign.
struct ElementLabel {
    std::string name;
    std::string value;
};

// The label of one element, counting it: loads (resistors and bulbs) and switches have counters
// of their own that run across the whole paint. Plain wires, and every element while neither
// option is on, get no label and are not counted.
ElementLabel elementLabel(const ElementRecord& record, bool showResistance, bool labelLoads,
                          LabelCounters& counters);

// The names that "Label loads" gives the elements of a walk over the elements in use
// (elementsInWalkOrder), one for each in its order ("" for none): counted across sides 1, 2
// and 4 in the order the board paints them. Wires and the hidden side have no name.
std::vector<std::string> loadLabelNames(const CircuitTables& tables,
                                        const std::vector<SlotAddress>& walk);

// Writes a label between the slot markers `first` and `next` of its element (their raw Left and
// Top taken as picture pixels): on one line beside a horizontal side, the value under the name
// on the right side.
void drawElementLabel(Canvas& canvas, int side, const Marker& first, const Marker& next,
                      const ElementLabel& label);

} // namespace voltaro
