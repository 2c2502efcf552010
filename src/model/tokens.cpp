#include "model/tokens.h"

#include "model/numbers.h"

namespace voltaro {

std::string takeToken(std::string& buffer) {
    std::size_t start = 0;
    while (start < buffer.size() && buffer[start] == ' ')
        ++start;
    std::size_t end = buffer.find(' ', start);
    if (end == std::string::npos)
        end = buffer.size();
    std::string token = buffer.substr(start, end - start);
    buffer.erase(0, end);
    return token;
}

Token<int> readIntegerToken(std::string& buffer) {
    Token<int> token{takeToken(buffer), std::nullopt};
    token.value = parseInteger(token.text);
    return token;
}

Token<double> readRealToken(std::string& buffer) {
    Token<double> token{takeToken(buffer), std::nullopt};
    token.value = parseReal(token.text);
    return token;
}

} // namespace voltaro
