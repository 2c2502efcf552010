#pragma once

#include <string>

namespace voltaro {

enum class Unit { Volt, Ampere, Ohm, Watt };

// The unit's symbol: "V", "A", "Ω", "W".
const char* unitSymbol(Unit unit);

// The decimals that show `digits` significant digits of a number as large as `magnitude`: 2
// for 4.29 with 3 digits, 0 for 429; never fewer than 0. The meter's display shows 4 digits of
// its full scale, a value read by a person 3 of itself.
int decimalsForDigits(double magnitude, int digits);

// A value as a person reads it, the way the meter shows a reading in the unit of its range:
// three significant digits, in the unit with the prefix (p, n, µ, m, k, M, G) that puts 1 to 999
// before the point: "4.29 mA", "1.80 V", "12.0 Ω", "-360 mW". A value rounded to 1000 of a
// prefix takes the next one ("1.00 A" for 0.9996 A). Exactly 0 is "0 V"; a value beyond the
// prefixes keeps its exponent ("1.00e-15 A"); one that is not a finite number is "-".
std::string formatWithPrefix(double value, Unit unit);

} // namespace voltaro
