#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace voltaro {

// A token of a circuit description as read: its text, and its value when the text converts.
template <typename T> struct Token {
    std::string text;
    std::optional<T> value;
};

// Takes the next token off the front of `buffer`: spaces are skipped, the token runs to the next
// space or the end, and everything up to the token's end is removed, so the buffer then starts
// at the space after it (or is empty). An exhausted buffer gives an empty token.
std::string takeToken(std::string& buffer);
// The same over a view of the rest of a buffer, which moves past the token.
std::string_view takeToken(std::string_view& rest);

// The next token as a decimal integer; an empty or malformed token has no value.
Token<int> readIntegerToken(std::string& buffer);
Token<int> readIntegerToken(std::string_view& rest);

// The next token as a decimal real with a point; an empty or malformed token, "nan" and "inf"
// have no value.
Token<double> readRealToken(std::string& buffer);
Token<double> readRealToken(std::string_view& rest);

} // namespace voltaro
