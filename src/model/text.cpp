#include "model/text.h"

#include <cstring>

namespace voltaro {

namespace {

bool samePhrase(const Phrase& a, const Phrase& b) {
    const auto same = [](const char* x, const char* y) {
        return x == y || (x && y && std::strcmp(x, y) == 0);
    };
    return same(a.context, b.context) && same(a.english, b.english);
}

} // namespace

Text Text::verbatim(std::string value) {
    Text text;
    text.m_value = std::move(value);
    return text;
}

Text& Text::arg(Text value) & {
    m_args.push_back(std::move(value));
    return *this;
}

Text Text::arg(Text value) && {
    arg(std::move(value));
    return std::move(*this);
}

std::string Text::render(const Translator& translate) const {
    if (!m_phrase.english)
        return m_value;
    std::vector<std::string> values;
    values.reserve(m_args.size());
    for (const Text& value : m_args)
        values.push_back(value.render(translate));
    return fillPlaceholders(translate(m_phrase), values);
}

std::string Text::english() const {
    return render([](const Phrase& phrase) { return std::string(phrase.english); });
}

bool operator==(const Text& a, const Text& b) {
    return samePhrase(a.m_phrase, b.m_phrase) && a.m_value == b.m_value && a.m_args == b.m_args;
}

std::string fillPlaceholders(const std::string& pattern, const std::vector<std::string>& values) {
    std::string filled;
    filled.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t n = next >= '1' && next <= '9' ? std::size_t(next - '1') : values.size();
        if (pattern[i] == '%' && n < values.size()) {
            filled += values[n];
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

} // namespace voltaro
