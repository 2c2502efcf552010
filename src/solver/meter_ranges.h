#pragma once

#include "model/text.h"

namespace voltaro {

enum class MeterMode { Off, Voltage, Current };

// One of the five ranges of the meter in one mode: the label written on its range button, the
// multiplier that turns volts or amperes into the label's unit, and the full scale in that
// unit.
struct MeterRange {
    Phrase label;
    double multiplier;
    double fullScale;
};

constexpr int kMeterRanges = 5;

// The unit letter beside the display in each mode.
inline constexpr Phrase kVoltUnit = VOLTARO_TEXT("Meter", "V");
inline constexpr Phrase kAmpereUnit = VOLTARO_TEXT("Meter", "A");

// Range 1..5 of the voltage or the current mode; a range outside 1..5 is taken as range 1.
const MeterRange& meterRange(MeterMode mode, int range);

} // namespace voltaro
