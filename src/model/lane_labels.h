#pragma once

#include "model/text.h"

namespace voltaro {

// Caption of lane (or branch) k of a side in the lane and branch menus with its count, such as
// "Top Parallel (2)"; no text for the hidden side and for numbers outside the tables.
Text laneCaption(int side, int k, int count);

} // namespace voltaro
