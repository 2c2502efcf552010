#pragma once

#include <string>

namespace voltaro {

// Caption prefix of lane (or branch) k of a side in the lane and branch menus, such as
// "Top Parallel ("; empty for the hidden side and for numbers outside the tables.
std::string laneLabel(int side, int k);

} // namespace voltaro
