#pragma once

#include <QFont>
#include <QStaticText>
#include <QTransform>

#include <cstddef>
#include <string>
#include <unordered_map>

namespace voltaro {

// A plain text laid out once in a font for drawing through `transform`.
QStaticText preparedText(const std::string& text, const QTransform& transform, const QFont& font);

// Texts laid out once and kept, as the board repaints the same labels again and again; past a
// few thousand the store starts afresh.
template <typename Laid> class LaidOutTexts {
public:
    template <typename Layout> const Laid& get(const std::string& text, const Layout& layout) {
        const auto found = m_texts.find(text);
        if (found != m_texts.end())
            return found->second;
        if (m_texts.size() >= kMost)
            m_texts.clear();
        return m_texts.emplace(text, layout(text)).first->second;
    }

private:
    static constexpr std::size_t kMost = 4096;
    std::unordered_map<std::string, Laid> m_texts;
};

} // namespace voltaro
