#include "table_writers.h"

#include "json_writer.h"
#include "shown_values.h"
#include "solver/value_format.h"
#include "tool_failure.h"

#include <algorithm>
#include <array>

namespace voltaro::sheet {

namespace {

constexpr std::size_t kColumns = 16;
const std::array<const char*, kColumns> kElementColumns = {
    "slot", "side", "lane",  "block",      "branch",  "position", "code",  "switch",
    "open", "wire", "label", "resistance", "voltage", "current",  "power", "brightness"};
constexpr std::size_t kLabelColumn = 10;

using Row = std::array<std::string, kColumns>;

std::string flagText(std::uint8_t flag) {
    return flag != 0 ? "true" : "false";
}

Row elementCells(const CircuitAnswer& c, const ElementAnswer& e) {
    const ElementRecord& r = e.record;
    const ShownValues shown = shownValues(c, e);
    return {std::to_string(e.slot),
            std::to_string(e.at.side),
            std::to_string(e.at.lane),
            std::to_string(e.at.block),
            std::to_string(e.at.branch),
            std::to_string(e.at.position),
            std::to_string(r.kind),
            flagText(r.switchFlag),
            flagText(r.openFlag),
            flagText(r.wireFlag),
            e.label,
            resistanceText(r),
            formatWithPrefix(shown.voltage, Unit::Volt),
            formatWithPrefix(shown.current, Unit::Ampere),
            formatWithPrefix(shown.power, Unit::Watt),
            std::to_string(e.brightness)};
}

// A CSV cell, quoted when it holds a comma, a quote or a line break.
std::string csvCell(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// The width of a text on a terminal: its characters, not its bytes ("Ω" is one).
std::size_t shownWidth(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void pad(std::string& out, const std::string& cell, std::size_t width, bool left) {
    const std::string blanks(width - std::min(width, shownWidth(cell)), ' ');
    out += left ? cell + blanks : blanks + cell;
}

// The rows padded to the widest cell of each column: the label left-aligned, the rest
// right-aligned.
void appendAligned(std::string& out, const std::vector<Row>& rows) {
    std::array<std::size_t, kColumns> widths{};
    for (const Row& row : rows)
        for (std::size_t i = 0; i < kColumns; ++i)
            widths[i] = std::max(widths[i], shownWidth(row[i]));
    for (const Row& row : rows) {
        out += "  ";
        for (std::size_t i = 0; i < kColumns; ++i) {
            if (i > 0)
                out += ' ';
            pad(out, row[i], widths[i], i == kLabelColumn);
        }
        out += '\n';
    }
}

std::string totalsLine(const CircuitAnswer& c, int count) {
    return "Circuit " + std::to_string(c.number) + " of " + std::to_string(count) + ": supply " +
           formatWithPrefix(c.supplyVoltage, Unit::Volt) + ", total resistance " +
           totalResistanceText(c) + ", total current " +
           formatWithPrefix(shownTotalCurrent(c), Unit::Ampere) + "\n";
}

} // namespace

void CsvKeyWriter::beginSet(const CircuitSet& set) {
    m_source = csvCell(set.source.toStdString());
    if (m_headerWritten)
        return;
    m_headerWritten = true;
    m_out += m_severalSets ? "source,circuit" : "circuit";
    for (const char* column : kElementColumns)
        m_out += std::string(",") + column;
    m_out += '\n';
}

void CsvKeyWriter::addCircuit(const CircuitAnswer& c) {
    for (const ElementAnswer& e : c.elements) {
        if (m_severalSets)
            m_out += m_source + ",";
        m_out += std::to_string(c.number);
        for (const std::string& cell : elementCells(c, e))
            m_out += "," + csvCell(cell);
        m_out += '\n';
    }
}

void TextKeyWriter::beginSet(const CircuitSet& set) {
    if (m_severalSets)
        m_out += std::string(m_set ? "\n" : "") + "== " + set.source.toStdString() + " ==\n";
    m_set = &set;
}

void TextKeyWriter::addCircuit(const CircuitAnswer& c) {
    const int count = m_set ? m_set->list.count : 0;
    if (c.error) {
        m_out += "Circuit " + std::to_string(c.number) + " of " + std::to_string(count) +
                 ": error: " + c.error->reason.english() + "\n\n";
        return;
    }
    m_out += totalsLine(c, count);
    std::vector<Row> rows(1);
    std::copy(kElementColumns.begin(), kElementColumns.end(), rows[0].begin());
    for (const ElementAnswer& e : c.elements)
        rows.push_back(elementCells(c, e));
    appendAligned(m_out, rows);
    if (c.open)
        m_out += std::string("  ") + kOpenCircuitNote + "\n";
    m_out += '\n';
}

std::unique_ptr<KeyWriter> makeKeyWriter(KeyFormat format, bool severalSets) {
    switch (format) {
    case KeyFormat::Csv:
        return std::make_unique<CsvKeyWriter>(severalSets);
    case KeyFormat::Text:
        return std::make_unique<TextKeyWriter>(severalSets);
    case KeyFormat::Json:
        break;
    }
    return std::make_unique<JsonKeyWriter>(severalSets);
}

} // namespace voltaro::sheet
