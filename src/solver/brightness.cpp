#include "solver/brightness.h"

#include "model/numbers.h"

#include <climits>
#include <cmath>
#include <limits>

namespace voltaro {

int brightnessOf(double voltage, double current) {
    const double power = voltage * current;
    // A power too large for a double (an overflow, or what an overflow leaves) burns brightest.
    if (std::isnan(power) || power == std::numeric_limits<double>::infinity())
        return INT_MAX;
    if (!(power > 0.0))
        return 0;
    return truncToInt(200.0 * std::sqrt(power));
}

} // namespace voltaro
