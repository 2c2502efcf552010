#pragma once

namespace voltaro {

// How brightly an element burns: Trunc(200 * sqrt(voltage * current)), at most the int range;
// 0 for no power or a negative one, the int range's top for an overflowing power (infinite or
// not a number).
int brightnessOf(double voltage, double current);

} // namespace voltaro
