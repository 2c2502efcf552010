#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace voltaro {

// The lines of a memo, with a count of its changes: the window copies a memo's text onto the
// screen only when the count has moved, so a long text costs nothing on every other update.
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
    MemoLines& operator=(std::vector<std::string> lines) {
        m_lines = std::move(lines);
        ++m_changes;
        return *this;
    }
    void clear() { *this = std::vector<std::string>(); }

    operator const std::vector<std::string>&() const { return m_lines; }
    const std::vector<std::string>& lines() const { return m_lines; }
    std::uint64_t changes() const { return m_changes; }

    bool empty() const { return m_lines.empty(); }
    std::size_t size() const { return m_lines.size(); }
    const std::string& operator[](std::size_t i) const { return m_lines[i]; }
    const std::string& back() const { return m_lines.back(); }
    auto begin() const { return m_lines.begin(); }
    auto end() const { return m_lines.end(); }

    friend bool operator==(const MemoLines& a, const std::vector<std::string>& b) {
        return a.m_lines == b;
    }

private:
    std::vector<std::string> m_lines;
    std::uint64_t m_changes = 0;
};

} // namespace voltaro
