#include "solver/meter_display.h"

#include "model/numbers.h"
#include "solver/results.h"
#include "solver/value_format.h"

#include <cmath>

namespace voltaro {

namespace {

constexpr double kFuseLimit = 10000.0; // multiples of the full scale that blow the fuse
constexpr int kDisplayDigits = 4;      // of the full scale: "1.999" on the 2 V range

} // namespace

int decimalsForFullScale(double fullScale) {
    return decimalsForDigits(fullScale, kDisplayDigits);
}

MeterDisplay formatReading(double reading, MeterMode mode, int range) {
    MeterDisplay display;
    if (reading == kOpenSentinel || std::isnan(reading)) {
        display.text = kNoReadingText;
        return display;
    }
    const MeterRange& r = meterRange(mode, range);
    const double x = reading * r.multiplier;
    if (std::fabs(x) > r.fullScale) {
        display.blowsFuse = mode == MeterMode::Current && std::fabs(x / r.fullScale) > kFuseLimit;
        display.text = kOverRangeText;
        return display;
    }
    display.text = formatFixed(x, decimalsForFullScale(r.fullScale), 4);
    return display;
}

} // namespace voltaro
