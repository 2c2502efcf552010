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
    text.m_filling = std::make_shared<Filling>(Filling{std::move(value), {}});
    return text;
}

const std::string& Text::value() const {
    static const std::string kNone;
    return m_filling ? m_filling->value : kNone;
}

const std::vector<Text>& Text::args() const {
    static const std::vector<Text> kNone;
    return m_filling ? m_filling->args : kNone;
}

Text& Text::arg(Text value) & {
    if (!m_filling)
        m_filling = std::make_shared<Filling>();
    else if (m_filling.use_count() > 1)
        m_filling = std::make_shared<Filling>(*m_filling);
    m_filling->args.push_back(std::move(value));
    return *this;
}

Text Text::arg(Text value) && {
    arg(std::move(value));
    return std::move(*this);
}

std::string Text::render(const Translator& translate) const {
    if (!m_phrase.english)
        return value();
    std::vector<std::string> values;
    values.reserve(args().size());
    for (const Text& value : args())
        values.push_back(value.render(translate));
    return fillPlaceholders(translate(m_phrase), values);
}

std::string Text::english() const {
    return render([](const Phrase& phrase) { return std::string(phrase.english); });
}

bool operator==(const Text& a, const Text& b) {
    return samePhrase(a.m_phrase, b.m_phrase) && a.value() == b.value() && a.args() == b.args();
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
