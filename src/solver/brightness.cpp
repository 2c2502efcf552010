#include "solver/brightness.h"

#include "model/numbers.h"

#include <cmath>

namespace voltaro {

int brightnessOf(double voltage, double current) {
    const double power = voltage * current;
    if (!(power > 0.0) || !std::isfinite(power))
        return 0;
    return truncToInt(200.0 * std::sqrt(power));
}

} // namespace voltaro
