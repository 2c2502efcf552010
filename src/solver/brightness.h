#pragma once

namespace voltaro {

// How brightly an element burns: Trunc(200 * sqrt(voltage * current)); 0 when the power is
// not a positive finite number, and at most the int range.
int brightnessOf(double voltage, double current);

} // namespace voltaro
