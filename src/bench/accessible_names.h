#pragma once

#include "bench/board_focus.h"
#include "model/text.h"

#include <optional>

namespace voltaro {

struct Workbench;

// What a screen reader says of the board, from the model, the solver's results and the meter:
// the window hands these texts to the accessibility of its controls, translated.

// The name of a control: "Top side, lane 1, point 2", "Battery, negative terminal", "Red lead".
Text accessibleName(const Workbench& bench, const BoardControl& control);
// What it is or holds, with the values the meter or Show Resistance would give a sighted pupil:
// "Bulb #1, 1.50 V, 0.300 A, glowing", "2 cells of 1.5 V in series, 1 in parallel: 3.00 V".
Text accessibleDescription(const Workbench& bench, const BoardControl& control);

// The name of the point a slot's marker stands for: its side, lane, and its block and branch
// when the lane or block has more than one, then its position.
Text pointName(const Workbench& bench, int slot);
// The part that starts at a slot's node, with its voltage and current: "Wire, 0.00 V, 0.300 A".
Text partInWords(const Workbench& bench, int slot);
// The name of a side: "Top side".
Text sideName(int side);

// Values as the screen reader and the circuit's words say them: "1.50" volts, "0.300" amperes.
std::string volts(double v);
std::string amperes(double a);

// The number the meter's display shows; none with the meter off, the fuse blown, "---" or
// "--O--". And the full scale of its range.
std::optional<double> shownReading(const Workbench& bench);
double meterFullScale(const Workbench& bench);

// The meter's display in words: "1.80 volts, 20 volt range", "no reading, 2 volt range",
// "over range, ...", "fuse blown", "meter off".
Text spokenReading(const Workbench& bench);

} // namespace voltaro
