#include "output/circuit_words.h"

#include "bench/accessible_names.h"
#include "bench/meter_queries.h"
#include "bench/platform.h"
#include "bench/workbench.h"
#include "model/numbers.h"
#include "output/output_texts.h"
#include "solver/brightness.h"
#include "view/element_labels.h"

#include <array>
#include <string>

namespace voltaro {

namespace {

// One after the other: "a; then b; then c", or "a, b, c" with `join` kAndAlso.
Text joined(const std::vector<Text>& parts, const Phrase& join) {
    Text all = parts.empty() ? Text() : parts.front();
    for (std::size_t i = 1; i < parts.size(); ++i)
        all = Text(join).arg(all).arg(parts[i]);
    return all;
}

// The "Label loads" names of the elements in use, by slot number ("" for none).
std::array<std::string, kSlots + 1> labelsBySlot(const CircuitTables& tables) {
    const std::vector<SlotAddress> walk = elementsInWalkOrder(tables);
    std::vector<std::string> names = loadLabelNames(tables, walk);
    std::array<std::string, kSlots + 1> bySlot;
    for (std::size_t i = 0; i < walk.size(); ++i)
        bySlot[static_cast<std::size_t>(slotNumber(walk[i]))] = std::move(names[i]);
    return bySlot;
}

class CircuitWords {
public:
    explicit CircuitWords(const Workbench& bench)
        : m_bench(bench), m_tables(bench.model.tables), m_labels(labelsBySlot(m_tables)) {}

    std::vector<Text> lines() {
        source();
        for (int side : {kTopSide, kRightSide, kBottomSide})
            this->side(side);
        glowingBulbs();
        meter();
        if (!m_bench.model.menus.optionsEnabled())
            m_lines.emplace_back(kLockedCircuit);
        return m_lines;
    }

private:
    const Workbench& m_bench;
    const CircuitTables& m_tables;
    std::array<std::string, kSlots + 1> m_labels;
    std::vector<Text> m_lines;
    std::vector<Text> m_glowing;

    void source() {
        const Menus& menus = m_bench.model.menus;
        const SourceSettings& s = m_bench.model.source;
        const std::string supply = volts(s.supplyVoltage);
        if (menus.sourceKind() == SourceKind::Variable)
            m_lines.push_back(Text(kVariableSource).arg(supply));
        else
            m_lines.push_back(Text(kCellsSource)
                                  .arg(menus.cellsInSeries())
                                  .arg(formatShortest(s.cellValue))
                                  .arg(menus.cellsInParallel())
                                  .arg(supply));
        m_lines.push_back(Text(kTotalCurrent).arg(amperes(m_bench.results.totalCurrent)));
    }

    void side(int side) {
        const int lanes = lanesInUse(m_tables, side);
        m_lines.push_back(lanes == 1 ? Text(kSideOneLane).arg(sideName(side))
                                     : Text(kSideLanes).arg(sideName(side)).arg(lanes));
        for (int lane = 1; lane <= kLanes; ++lane) {
            const int blocks = m_tables.blocksInUse(side, lane);
            if (blocks == 0)
                continue;
            m_lines.push_back(blocks == 1 ? Text(kLaneOneBlock).arg(lane)
                                          : Text(kLaneBlocks).arg(lane).arg(blocks));
            for (int block = 1; block <= blocks; ++block)
                this->block(side, lane, block);
        }
    }

    void block(int side, int lane, int block) {
        const int branches = branchesInUse(m_tables, side, lane, block);
        if (branches == 1) {
            for (int branch = 1; branch <= kBranches; ++branch)
                if (m_tables.elementsInUse(side, lane, block, branch) > 0)
                    m_lines.push_back(
                        Text(kBlockOneBranch).arg(block).arg(parts(side, lane, block, branch)));
            return;
        }
        m_lines.push_back(Text(kBlockBranches).arg(block).arg(branches));
        for (int branch = 1; branch <= kBranches; ++branch)
            if (m_tables.elementsInUse(side, lane, block, branch) > 0)
                m_lines.push_back(
                    Text(kBranchParts).arg(branch).arg(parts(side, lane, block, branch)));
    }

    // The parts of a branch in series, each with its label; the glowing bulbs noted.
    Text parts(int side, int lane, int block, int branch) {
        std::vector<Text> words;
        const int n = m_tables.elementsInUse(side, lane, block, branch);
        for (int position = 1; position <= n; ++position) {
            const int slot = slotNumber(side, lane, block, branch, position);
            const std::string& label = m_labels[static_cast<std::size_t>(slot)];
            const Text part = partInWords(m_bench, slot);
            words.push_back(label.empty() ? part : Text(kLabelledPart).arg(label).arg(part));
            const ElementRecord& r = m_tables.record(slot);
            if (r.isBulb() && brightnessOf(r.voltage, r.current) > 0)
                m_glowing.push_back(Text::verbatim(label));
        }
        return joined(words, kThen);
    }

    void glowingBulbs() {
        m_lines.push_back(m_glowing.empty() ? Text(kNoBulbGlows)
                                            : Text(kGlowingBulbs).arg(joined(m_glowing, kAndAlso)));
    }

    Text leadPlace(int lead) const {
        const std::optional<MarkerRef>& point = m_bench.meter.leadPoint[lead];
        return point ? accessibleName(m_bench, BoardControl::of(*point)) : Text(kLeadOnNothing);
    }

    void meter() {
        if (meterMode(m_bench) == MeterMode::Off)
            return;
        m_lines.push_back(
            Text(kMeterReads).arg(spokenReading(m_bench)).arg(leadPlace(1)).arg(leadPlace(2)));
        const MeterState& meter = m_bench.meter;
        if (meter.hasBreak() && meter.breakShape.isValid())
            m_lines.push_back(
                Text(kBrokenAt).arg(accessibleName(m_bench, BoardControl::of(meter.breakShape))));
    }
};

} // namespace

std::vector<Text> circuitInWords(const Workbench& bench) {
    return CircuitWords(bench).lines();
}

void DescribeCircuit1Click(Workbench& bench, MenuId) {
    bench.platform->showPage(kDescribeTitle, circuitInWords(bench));
}

} // namespace voltaro
