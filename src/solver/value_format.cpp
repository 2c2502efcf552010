#include "solver/value_format.h"

#include "model/numbers.h"

#include <charconv>
#include <cmath>

namespace voltaro {

namespace {

constexpr int kShownDigits = 3;
constexpr int kSmallestPrefixExponent = -12;
constexpr int kLargestPrefixExponent = 9;

// The prefixes from 10^-12 to 10^9, a thousand apart.
const char* const kPrefixes[] = {"p", "n", "\u00B5", "m", "", "k", "M", "G"};

// Whole thousands below an exponent: -1 for -3 .. -1, 0 for 0 .. 2.
int thousandsBelow(int exponent) {
    return exponent >= 0 ? exponent / 3 : -((-exponent + 2) / 3);
}

} // namespace

const char* unitSymbol(Unit unit) {
    switch (unit) {
    case Unit::Volt:
        return "V";
    case Unit::Ampere:
        return "A";
    case Unit::Ohm:
        return "\u03A9";
    case Unit::Watt:
        return "W";
    }
    return "";
}

int decimalsForDigits(double magnitude, int digits) {
    int integerDigits = 1;
    for (double m = std::fabs(magnitude); m >= 10.0 && integerDigits < digits; m /= 10.0)
        ++integerDigits;
    return digits - integerDigits;
}

std::string formatWithPrefix(double value, Unit unit) {
    if (!std::isfinite(value))
        return "-";
    const std::string symbol = unitSymbol(unit);
    if (value == 0.0)
        return "0 " + symbol;
    // The exponent of the value rounded to its shown digits: 999.6 is 1.00e+03.
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::scientific, kShownDigits - 1);
    const std::string scientific(buffer, written.ptr);
    const int exponent = std::stoi(scientific.substr(scientific.find('e') + 1));
    if (exponent < kSmallestPrefixExponent || exponent >= kLargestPrefixExponent + 3)
        return scientific + " " + symbol;
    const int thousands = thousandsBelow(exponent);
    const double scaled = value / std::pow(10.0, 3 * thousands);
    const int decimals = decimalsForDigits(std::pow(10.0, exponent - 3 * thousands), kShownDigits);
    return formatFixed(scaled, decimals) + " " +
           kPrefixes[thousands - kSmallestPrefixExponent / 3] + symbol;
}

} // namespace voltaro
