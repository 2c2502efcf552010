#include "json_writer.h"

#include "tool_failure.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>

namespace voltaro::sheet {

namespace {

using namespace std::string_view_literals;

// The most bytes a number takes in its shortest form.
constexpr std::size_t kLongestNumber = 32;

// A whole number whose shortest form is its digits (100, -42, not 1e+06), which the integer
// conversion writes the same and several times faster; nothing for any other value.
std::optional<long long> writtenWhole(double value) {
    constexpr double kLargestExact = 1e15;
    if (value == 0.0)
        return std::signbit(value) ? std::nullopt : std::optional<long long>(0);
    if (std::fabs(value) >= kLargestExact || std::trunc(value) != value)
        return std::nullopt;
    const auto whole = static_cast<long long>(value);
    long long magnitude = whole < 0 ? -whole : whole;
    int trailingZeros = 0;
    while (magnitude % 10 == 0) {
        magnitude /= 10;
        ++trailingZeros;
    }
    int significant = 0;
    for (; magnitude > 0; magnitude /= 10)
        ++significant;
    // The scientific form "d.ddde+XX" against the fixed one; fixed wins a tie.
    const int fixedLength = significant + trailingZeros;
    const int scientificLength = (significant == 1 ? 1 : significant + 1) + 4;
    if (fixedLength > scientificLength)
        return std::nullopt;
    return whole;
}

// The most bytes a text takes as a JSON string: every byte escaped as \u00XX, and the quotes.
std::size_t jsonStringRoom(std::string_view text) {
    return 6 * text.size() + 2;
}

// A text as a JSON string at `at`, which has jsonStringRoom() bytes; returns the end.
char* writeJsonString(char* at, std::string_view text) {
    static const char kHex[] = "0123456789abcdef";
    *at++ = '"';
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            *at++ = '\\';
            *at++ = c;
        } else if (u < 0x20) {
            for (const char e : {'\\', 'u', '0', '0', kHex[u >> 4], kHex[u & 15]})
                *at++ = e;
        } else {
            *at++ = c;
        }
    }
    *at++ = '"';
    return at;
}

// Characters put one after another into a buffer that is large enough for them.
class Chars {
public:
    explicit Chars(char* at) : m_at(at) {}
    char* end() const { return m_at; }

    void put(std::string_view text) {
        std::memcpy(m_at, text.data(), text.size());
        m_at += text.size();
    }
    void put(int value) { m_at = std::to_chars(m_at, m_at + kLongestNumber, value).ptr; }
    void put(double value) {
        if (!std::isfinite(value))
            put("null"sv);
        else if (const std::optional<long long> whole = writtenWhole(value))
            m_at = std::to_chars(m_at, m_at + kLongestNumber, *whole).ptr;
        else
            m_at = std::to_chars(m_at, m_at + kLongestNumber, value).ptr;
    }
    void put(bool flag) { put(flag ? "true"sv : "false"sv); }
    void putJsonString(std::string_view text) { m_at = writeJsonString(m_at, text); }

private:
    char* m_at;
};

// A label that is written within the element's line; a longer one is appended on its own.
constexpr std::size_t kShortLabel = 64;

// One line of the key per element, in the order of the man page, made in a buffer.
void appendElement(std::string& out, const ElementAnswer& e) {
    const ElementRecord& r = e.record;
    char buffer[1024]; // the longest line: 170 characters, 11 numbers and a short label
    Chars line(buffer);
    line.put("{\"slot\": "sv);
    line.put(e.slot);
    line.put(", \"side\": "sv);
    line.put(e.at.side);
    line.put(", \"lane\": "sv);
    line.put(e.at.lane);
    line.put(", \"block\": "sv);
    line.put(e.at.block);
    line.put(", \"branch\": "sv);
    line.put(e.at.branch);
    line.put(", \"position\": "sv);
    line.put(e.at.position);
    line.put(", \"code\": "sv);
    line.put(static_cast<int>(r.kind));
    line.put(", \"switch\": "sv);
    line.put(r.switchFlag != 0);
    line.put(", \"open\": "sv);
    line.put(r.openFlag != 0);
    line.put(", \"wire\": "sv);
    line.put(r.wireFlag != 0);
    line.put(", \"label\": "sv);
    if (e.label.size() <= kShortLabel) { // always so for the program's own labels
        line.putJsonString(e.label);
    } else {
        out.append(buffer, line.end());
        appendJsonString(out, e.label);
        line = Chars(buffer);
    }
    line.put(", \"resistance\": "sv);
    line.put(r.resistance);
    line.put(", \"voltage\": "sv);
    line.put(r.voltage);
    line.put(", \"current\": "sv);
    line.put(r.current);
    line.put(", \"power\": "sv);
    line.put(e.power());
    line.put(", \"brightness\": "sv);
    line.put(e.brightness);
    line.put("}"sv);
    out.append(buffer, line.end());
}

void appendNumber(std::string& out, double value) {
    char buffer[kLongestNumber];
    Chars number(buffer);
    number.put(value);
    out.append(buffer, number.end());
}

void appendInteger(std::string& out, int value) {
    char buffer[kLongestNumber];
    Chars number(buffer);
    number.put(value);
    out.append(buffer, number.end());
}

// Room for a circuit's text, so that a long key grows in few steps.
constexpr std::size_t kBytesPerElement = 320;

} // namespace

void appendJsonString(std::string& out, std::string_view text) {
    const std::size_t start = out.size();
    out.resize(start + jsonStringRoom(text));
    out.resize(static_cast<std::size_t>(writeJsonString(out.data() + start, text) - out.data()));
}

void JsonKeyWriter::beginSet(const CircuitSet& set) {
    if (m_severalSets)
        m_out += m_firstSet ? "[\n" : ",\n";
    m_firstSet = false;
    m_out += "{\n  \"source\": ";
    appendJsonString(m_out, set.source.toStdString());
    m_out += ",\n  \"explanation\": [";
    for (qsizetype i = 0; i < set.explanation.size(); ++i) {
        m_out += i == 0 ? "\n    " : ",\n    ";
        appendJsonString(m_out, set.explanation[i].toStdString());
    }
    m_out += set.explanation.isEmpty() ? "],\n" : "\n  ],\n";
    m_out += "  \"circuits\": [";
    m_firstCircuit = true;
}

void JsonKeyWriter::addCircuit(const CircuitAnswer& c) {
    const std::size_t needed = m_out.size() + (c.elements.size() + 1) * kBytesPerElement;
    if (needed > m_out.capacity())
        m_out.reserve(std::max(needed, 2 * m_out.capacity()));
    m_out += m_firstCircuit ? "\n    {\"number\": "sv : ",\n    {\"number\": "sv;
    m_firstCircuit = false;
    appendInteger(m_out, c.number);
    if (c.error) {
        m_out += ", \"error\": "sv;
        appendJsonString(m_out, c.error->reason.english());
        m_out += '}';
        return;
    }
    const std::pair<std::string_view, double> totals[] = {
        {", \"supply_voltage\": "sv, c.supplyVoltage},
        {", \"total_resistance\": "sv, c.totalResistance},
        {", \"total_current\": "sv, c.totalCurrent}};
    for (const auto& [key, value] : totals) {
        m_out += key;
        appendNumber(m_out, value);
    }
    m_out += ", \"elements\": ["sv;
    for (std::size_t i = 0; i < c.elements.size(); ++i) {
        m_out += i == 0 ? "\n      "sv : ",\n      "sv;
        appendElement(m_out, c.elements[i]);
    }
    m_out += c.elements.empty() ? "]}"sv : "\n    ]}"sv;
}

std::unique_ptr<KeyWriter> JsonKeyWriter::continued() const {
    auto writer = std::make_unique<JsonKeyWriter>(*this);
    writer->m_firstCircuit = false;
    return writer;
}

void JsonKeyWriter::endSet() {
    m_out += m_firstCircuit ? "]\n}" : "\n  ]\n}";
    if (!m_severalSets)
        m_out += "\n";
}

void JsonKeyWriter::finish() {
    if (m_severalSets)
        m_out += "\n]\n";
}

} // namespace voltaro::sheet
