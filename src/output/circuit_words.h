#pragma once

#include "model/menus.h"
#include "model/text.h"

#include <vector>

namespace voltaro {

struct Workbench;

// The circuit on the board in words, one line each: the source and its current, each side's
// lanes, blocks and branches with their parts in series (each with its label, voltage and
// current), the bulbs that glow, the meter's reading and where its leads are, a break, and
// whether the circuit is locked.
std::vector<Text> circuitInWords(const Workbench& bench);

// Help > "&Describe Circuit": those lines on a page of their own.
void DescribeCircuit1Click(Workbench& bench, MenuId);

} // namespace voltaro
