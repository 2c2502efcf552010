#include "solver/meter_ranges.h"

namespace voltaro {

const MeterRange& meterRange(MeterMode mode, int range) {
    // clang-format off
    static const MeterRange kVoltage[kMeterRanges] = {
        {VOLTARO_TEXT("Meter", " 200 V"), 1, 200},
        {VOLTARO_TEXT("Meter", "  20 V"), 1, 20},
        {VOLTARO_TEXT("Meter", "   2 V"), 1, 2},
        {VOLTARO_TEXT("Meter", "200 mV"), 1000, 200},
        {VOLTARO_TEXT("Meter", " 20 mV"), 1000, 20},
    };
    // The last current range reads to 20 on its scale although its label says 200.
    static const MeterRange kCurrent[kMeterRanges] = {
        {VOLTARO_TEXT("Meter", "  20 A"), 1, 20},
        {VOLTARO_TEXT("Meter", "200 mA"), 1000, 200},
        {VOLTARO_TEXT("Meter", " 20 mA"), 1000, 20},
        {VOLTARO_TEXT("Meter", "  2 mA"), 1000, 2},
        {VOLTARO_TEXT("Meter", "200 \u00B5" "A"), 1000000, 20},
    };
    // clang-format on
    const int i = (range >= 1 && range <= kMeterRanges) ? range - 1 : 0;
    return mode == MeterMode::Current ? kCurrent[i] : kVoltage[i];
}

} // namespace voltaro
