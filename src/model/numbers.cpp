#include "model/numbers.h"

#include "model/model_texts.h"
#include "model/text_lines.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <system_error>

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
