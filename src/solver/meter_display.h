#pragma once

#include "solver/meter_ranges.h"

#include <string>

namespace voltaro {

// The display's texts for no reading and for one beyond the full scale.
inline const char* const kNoReadingText = "---";
inline const char* const kOverRangeText = "--O--";

// What the meter's display shows for a reading, and whether showing it blows the fuse.
struct MeterDisplay {
    std::string text;
    bool blowsFuse = false;
};

// A reading (volts or amperes; kOpenSentinel for none) on a range of a mode: "---" for none and
// for a reading that is not a number, "--O--" beyond the full scale, otherwise the value in the
// range's unit with the decimals its full scale allows, right-aligned in 4 characters. In
// current mode a reading beyond 10000 times the full scale blows the fuse.
MeterDisplay formatReading(double reading, MeterMode mode, int range);

// Decimals shown on a full scale: 1 for 200, 2 for 20, 3 for 2.
int decimalsForFullScale(double fullScale);

} // namespace voltaro
