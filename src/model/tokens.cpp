#include "model/tokens.h"

#include "model/numbers.h"

namespace voltaro {

namespace {

// Runs a reader over the view of a buffer, then removes from the buffer what it consumed.
template <typename Result, typename Read> Result consumed(std::string& buffer, Read read) {
    std::string_view rest = buffer;
    Result result = read(rest);
    buffer.erase(0, buffer.size() - rest.size());
    return result;
}

} // namespace

std::string_view takeToken(std::string_view& rest) {
    std::size_t start = 0;
    while (start < rest.size() && rest[start] == ' ')
        ++start;
    std::size_t end = start;
    while (end < rest.size() && rest[end] != ' ') // tokens are short: a plain loop beats find()
        ++end;
    const std::string_view token = rest.substr(start, end - start);
    rest.remove_prefix(end);
    return token;
}

std::string takeToken(std::string& buffer) {
    return consumed<std::string>(
        buffer, [](std::string_view& rest) { return std::string(takeToken(rest)); });
}

Token<int> readIntegerToken(std::string_view& rest) {
    const std::string_view text = takeToken(rest);
    return {std::string(text), parseInteger(text)};
}

Token<double> readRealToken(std::string_view& rest) {
    const std::string_view text = takeToken(rest);
    return {std::string(text), parseReal(text)};
}

Token<int> readIntegerToken(std::string& buffer) {
    return consumed<Token<int>>(buffer,
                                [](std::string_view& rest) { return readIntegerToken(rest); });
}

Token<double> readRealToken(std::string& buffer) {
    return consumed<Token<double>>(buffer,
                                   [](std::string_view& rest) { return readRealToken(rest); });
}

} // namespace voltaro
