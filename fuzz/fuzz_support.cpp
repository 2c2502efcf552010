#include "fuzz_support.h"

#include "bench/meter_queries.h"
#include "bench/workbench.h"
#include "model/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace voltaro::fuzz {

namespace {

bool near(int v, int size) {
    return v >= -kFarOutside && v <= size + kFarOutside;
}

void checkPoint(const char* what, int x, int y) {
    if (!near(x, kBoardWidth) || !near(y, kBoardHeight))
        fail(std::string(what) + " drawn at (" + std::to_string(x) + ", " + std::to_string(y) +
             ")");
}

void checkCounts(const CircuitTables& tables) {
    for (int side = 1; side <= kSides; ++side)
        for (int lane = 1; lane <= kLanes; ++lane) {
            if (tables.blocks(side, lane) < 0 || tables.blocks(side, lane) > 3)
                fail("block count " + std::to_string(tables.blocks(side, lane)));
            for (int block = 1; block <= kBlocks; ++block)
                for (int branch = 1; branch <= kBranches; ++branch) {
                    const int count = tables.elementCount(side, lane, block, branch);
                    if (count < 0 || count > 3)
                        fail("element count " + std::to_string(count));
                }
        }
}

void checkSlotMarkers(const Workbench& bench) {
    for (int slot = 1; slot <= kSlots; ++slot)
        if (bench.model.markers.slot(slot).visible &&
            !isNodeInUse(bench.model.tables, *decodeSlot(slot)))
            fail("slot marker " + std::to_string(slot) + " shown on no branch in use");
}

void checkMeterDisplay(const Workbench& bench) {
    const std::string& text = bench.widget(WidgetId::currenteb).text;
    if (text == "---" || text == "--O--")
        return;
    if (!parseReal(text))
        fail("meter display \"" + text + "\"");
    if (meterMode(bench) == MeterMode::Off)
        return;
    const double reading = bench.meter.reading;
    if (std::isinf(reading) || std::isnan(reading))
        fail("meter display \"" + text + "\" for a reading of " + std::to_string(reading));
}

} // namespace

void fail(const std::string& what) {
    std::fprintf(stderr, "fuzz invariant broken: %s\n", what.c_str());
    std::abort();
}

void BoundedCanvas::rectangle(int left, int top, int right, int bottom) {
    checkPoint("rectangle", left, top);
    checkPoint("rectangle", right, bottom);
    ++primitives;
}

void BoundedCanvas::ellipse(int left, int top, int right, int bottom) {
    checkPoint("ellipse", left, top);
    checkPoint("ellipse", right, bottom);
    ++primitives;
}

void BoundedCanvas::text(Point topLeft, const std::string&) {
    checkPoint("text", topLeft.x, topLeft.y);
    ++primitives;
}

int BoundedCanvas::textWidth(const std::string& text, bool bold) const {
    return static_cast<int>(text.size()) * (bold ? 7 : 6);
}

void BoundedCanvas::blit(Point topLeft, const SmallPicture&) {
    checkPoint("picture", topLeft.x, topLeft.y);
    ++primitives;
}

Picture BoundedCanvas::copyRect(int left, int top, int width, int height) {
    return NullCanvas().copyRect(left, top, width, height);
}

void BoundedCanvas::drawLine(Point from, Point to) {
    checkPoint("line", from.x, from.y);
    checkPoint("line", to.x, to.y);
    ++primitives;
}

void checkInvariants(const Workbench& bench) {
    checkCounts(bench.model.tables);
    checkSlotMarkers(bench);
    checkMeterDisplay(bench);
}

CircuitChunks chunksFromBytes(std::string_view bytes) {
    CircuitChunks chunks{};
    int index = 1;
    while (index < kMaxChunks) {
        const std::size_t end = bytes.find('\n');
        if (end == std::string_view::npos)
            break;
        chunks[index++] = std::string(bytes.substr(0, end));
        bytes.remove_prefix(end + 1);
    }
    chunks[index] = std::string(bytes);
    return chunks;
}

std::uint8_t ByteReader::byte() {
    return m_at < m_size ? m_data[m_at++] : 0;
}

std::uint16_t ByteReader::u16() {
    const std::uint16_t high = byte();
    return static_cast<std::uint16_t>(high << 8 | byte());
}

std::int32_t ByteReader::i32() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v = v << 8 | byte();
    return static_cast<std::int32_t>(v);
}

std::string ByteReader::text(std::size_t maxLength) {
    const std::size_t wanted = (maxLength > 0xFF ? u16() : byte()) % (maxLength + 1);
    const std::size_t at = std::min(m_at, m_size);
    const std::size_t length = std::min(wanted, m_size - at);
    m_at = at + length;
    return std::string(reinterpret_cast<const char*>(m_data) + at, length);
}

} // namespace voltaro::fuzz
