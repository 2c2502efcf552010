#include "model/text_lines.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace voltaro {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Windows-1252 code points of the bytes 0x80..0x9F; the five bytes it leaves unassigned keep
// their Latin-1 meaning.
constexpr std::uint16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string fromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80)
            out += c;
        else if (b < 0xA0)
            appendUtf8(out, kCp1252High[b - 0x80]);
        else
            appendUtf8(out, b);
    }
    return out;
}

bool isContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence at `i` (no overlong forms, no surrogates, nothing
// above U+10FFFF), or 0.
std::size_t sequenceLength(std::string_view s, std::size_t i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        low = b0 == 0xE0 ? 0xA0 : 0x80;
        high = b0 == 0xED ? 0x9F : 0xBF;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        low = b0 == 0xF0 ? 0x90 : 0x80;
        high = b0 == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > s.size())
        return 0;
    const auto b1 = static_cast<unsigned char>(s[i + 1]);
    if (b1 < low || b1 > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (!isContinuation(static_cast<unsigned char>(s[i + k])))
            return 0;
    return length;
}

} // namespace

bool isValidUtf8(std::string_view bytes) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    for (std::size_t i = 0; i < bytes.size();) {
        // Plain ASCII, nearly all of a circuit file, eight bytes at a time.
        std::uint64_t word = 0;
        if (i + sizeof word <= bytes.size()) {
            std::memcpy(&word, bytes.data() + i, sizeof word);
            if ((word & kHighBits) == 0) {
                i += sizeof word;
                continue;
            }
        }
        const std::size_t length = sequenceLength(bytes, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string decodeFileText(std::string bytes) {
    if (!isValidUtf8(bytes))
        return fromWindows1252(bytes);
    if (std::string_view(bytes).substr(0, kByteOrderMark.size()) == kByteOrderMark)
        bytes.erase(0, kByteOrderMark.size());
    return bytes;
}

LineViews splitLines(std::string_view text) {
    LineViews lines;
    lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos)
            end = text.size();
        std::size_t length = end - start;
        if (length > 0 && text[start + length - 1] == '\r')
            --length;
        lines.push_back(text.substr(start, length));
        start = next;
    }
    return lines;
}

std::string cutAtCharacter(std::string_view text, std::size_t bytes) {
    if (text.size() <= bytes)
        return std::string(text);
    std::size_t cut = bytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut; // a continuation byte: the character began before it
    return std::string(text.substr(0, cut));
}

} // namespace voltaro
