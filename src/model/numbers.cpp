#include "model/numbers.h"

#include "model/model_texts.h"
#include "model/text_lines.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <system_error>
#include <utility>

namespace voltaro {

namespace {

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// Drops a leading '+', which the standard conversions do not take; "+-1" stays refused.
std::string_view dropPlus(std::string_view text) {
    if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+')
        text.remove_prefix(1);
    return text;
}

bool onlyDecimalCharacters(std::string_view text) {
    for (char c : text) {
        const bool ok =
            (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
        if (!ok)
            return false;
    }
    return true;
}

// Whether the text starts with '-', and what follows it.
std::pair<bool, std::string_view> takeMinus(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    return {negative, negative ? text.substr(1) : text};
}

// The value of up to 9 decimal digits after an optional '-', which cannot overflow an int:
// the form nearly every number of a circuit file takes. Nothing for any other text.
std::optional<int> shortDecimal(std::string_view text) {
    const auto [negative, digits] = takeMinus(text);
    if (digits.empty() || digits.size() > 9)
        return std::nullopt;
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

// Up to 15 significant digits with one optional point, as most values are written ("4.7",
// "1000000"): the digits are exact in a double and so is a power of ten up to 1e22, so one
// division gives the correctly rounded value, the same as the standard conversion.
std::optional<double> shortDecimalReal(std::string_view text) {
    constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const auto [negative, digits] = takeMinus(text);
    std::int64_t mantissa = 0;
    int count = 0;
    int decimals = -1; // none until the point
    for (char c : digits) {
        if (c == '.' && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (c < '0' || c > '9' || ++count > 15)
            return std::nullopt;
        mantissa = mantissa * 10 + (c - '0');
        if (decimals >= 0)
            ++decimals;
    }
    if (count == 0)
        return std::nullopt;
    const double value = static_cast<double>(mantissa) / kPowersOfTen[decimals < 0 ? 0 : decimals];
    return negative ? -value : value;
}

} // namespace

int truncToInt(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

std::string formatFixed(double value, int decimals, int width) {
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text = result.ec == std::errc() ? std::string(buffer, result.ptr) : "";
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string formatShortest(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return result.ec == std::errc() ? std::string(buffer, result.ptr) : "";
}

std::string formatFixedOrShortest(double value, int decimals, int width) {
    std::string fixed = formatFixed(value, decimals, width);
    if (fixed.empty() || fixed.size() > kLongestFixedNumber)
        return formatShortest(value);
    return fixed;
}

std::optional<double> parseReal(std::string_view text) {
    if (const std::optional<double> value = shortDecimalReal(text))
        return value;
    const std::string_view digits = dropPlus(trimBlanks(text));
    // The character check keeps out the words the standard conversion knows ("inf", "nan").
    if (digits.empty() || !onlyDecimalCharacters(digits))
        return std::nullopt;
    double value = 0.0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                        std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size())
        return std::nullopt;
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> parseInteger(std::string_view text) {
    if (const std::optional<int> value = shortDecimal(text))
        return value;
    const std::string_view digits = dropPlus(trimBlanks(text));
    if (digits.empty())
        return std::nullopt;
    int value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value, 10);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

std::string quoteInMessage(std::string_view text) {
    constexpr std::size_t kLongest = 40;
    if (text.size() <= kLongest)
        return "'" + std::string(text) + "'";
    return "'" + cutAtCharacter(text, kLongest) + "\u2026'";
}

Text invalidRealMessage(std::string_view text) {
    return Text(kInvalidRealMessage).arg(quoteInMessage(text));
}

Text invalidIntegerMessage(std::string_view text) {
    return Text(kInvalidIntegerMessage).arg(quoteInMessage(text));
}

} // namespace voltaro
