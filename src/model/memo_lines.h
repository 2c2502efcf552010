#pragma once

#include "model/text.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace voltaro {

// The lines of a memo, with a count of its changes: the window copies a memo's text onto the
// screen only when the count has moved, so a long text costs nothing on every other update.
// A line is a text: one of the program's own (a prompt, a lesson's explanation), which the
// window translates, or one shown as it is (what the user typed, what a file holds).
class MemoLines {
public:
    MemoLines() = default;
    MemoLines(const MemoLines&) = default;
    // Taking another memo's lines is a change of this one whatever the other's count, so that
    // putting back an earlier state is seen as a change too.
    MemoLines& operator=(const MemoLines& other) {
        m_lines = other.m_lines;
        m_changes = std::max(m_changes, other.m_changes) + 1;
        return *this;
    }
    MemoLines& operator=(std::vector<Text> lines) {
        m_lines = std::move(lines);
        ++m_changes;
        return *this;
    }
    // Lines shown as they are.
    MemoLines& operator=(const std::vector<std::string>& lines) {
        std::vector<Text> texts;
        texts.reserve(lines.size());
        for (const std::string& line : lines)
            texts.push_back(Text::verbatim(line));
        return *this = std::move(texts);
    }
    void clear() { *this = std::vector<Text>(); }

    const std::vector<Text>& lines() const { return m_lines; }
    // The lines in English, as a file keeps them.
    std::vector<std::string> english() const {
        std::vector<std::string> lines;
        lines.reserve(m_lines.size());
        for (const Text& line : m_lines)
            lines.push_back(line.english());
        return lines;
    }
    std::uint64_t changes() const { return m_changes; }

    bool empty() const { return m_lines.empty(); }
    std::size_t size() const { return m_lines.size(); }
    const Text& operator[](std::size_t i) const { return m_lines[i]; }
    const Text& back() const { return m_lines.back(); }
    auto begin() const { return m_lines.begin(); }
    auto end() const { return m_lines.end(); }

    friend bool operator==(const MemoLines& a, const std::vector<std::string>& b) {
        return a.english() == b;
    }

private:
    std::vector<Text> m_lines;
    std::uint64_t m_changes = 0;
};

} // namespace voltaro
