#pragma once

#include "model/text.h"

#include <optional>
#include <string>
#include <string_view>

namespace voltaro {

// A real cut toward zero into an int, saturating at the int range; NaN gives 0.
int truncToInt(double value);

// Fixed notation with `decimals` decimals and a point, right-aligned in at least `width`
// characters, whatever the system locale: formatFixed(5.0, 2, 6) is "  5.00".
std::string formatFixed(double value, int decimals, int width = 0);

// The shortest decimal form that reads back to the same double: 1.5 gives "1.5", 3.0 gives "3".
std::string formatShortest(double value);

// The longest number a file holds in its fixed form. A description's lines stay well below the
// 200 characters after which a loaded file starts a new chunk, which would cut a side in two.
constexpr std::size_t kLongestFixedNumber = 24;

// formatFixed, unless that would be longer than kLongestFixedNumber characters (beyond about
// 1e21): then the shortest form ("1e+200"), which reads back the same.
std::string formatFixedOrShortest(double value, int decimals, int width);

// A decimal real with a point: optional sign, digits, optional exponent; blanks before and after
// are skipped. Anything else, and anything that is not a finite number, is refused.
std::optional<double> parseReal(std::string_view text);

// A decimal integer with an optional sign; refused when it does not fit an int.
std::optional<int> parseInteger(std::string_view text);

// A text in single quotes for a message: at most 40 characters of it, then "…".
std::string quoteInMessage(std::string_view text);

// The messages of a refused conversion, with the text that was refused.
Text invalidRealMessage(std::string_view text);
Text invalidIntegerMessage(std::string_view text);

} // namespace voltaro
