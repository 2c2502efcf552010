#include "model/description_writer.h"

#include "model/description.h"
#include "model/numbers.h"

namespace voltaro {

namespace {

std::string joined(std::initializer_list<int> numbers) {
    std::string text;
    for (int n : numbers) {
        if (!text.empty())
            text += ' ';
        text += std::to_string(n);
    }
    return text;
}

std::string sourceLine(const Model& model) {
    if (model.menus.sourceKind() == SourceKind::Variable)
        return formatFixedOrShortest(model.source.supplyVoltage, 2, 4);
    return cellValueText(model) + " " + std::to_string(model.menus.cellsInSeries()) + " " +
           std::to_string(model.menus.cellsInParallel());
}

int viewFlags(const Menus& menus) {
    return (menus.showResistance() ? kShowResistanceBit : 0) |
           (menus.labelLoads() ? kLabelLoadsBit : 0) |
           (menus.showBrightness() ? kShowBrightnessBit : 0);
}

std::string laneLine(const CircuitTables& tables) {
    std::string text;
    for (int side = 1; side <= kSides; ++side)
        for (int lane = 1; lane <= kLanes; ++lane) {
            if (!text.empty())
                text += ' ';
            text += std::to_string(tables.blocksInUse(side, lane));
        }
    return text;
}

int bit(std::uint8_t flag) {
    return flag != 0 ? 1 : 0;
}

std::string branchLine(const CircuitTables& tables, int side, int lane, int block, int branch) {
    const int count = tables.elementsInUse(side, lane, block, branch);
    std::string text = std::to_string(count);
    for (int position = 1; position <= count; ++position) {
        const ElementRecord& r = tables.record(side, lane, block, branch, position);
        text += ' ' + joined({bit(r.switchFlag), bit(r.openFlag), bit(r.wireFlag)}) + ' ' +
                formatFixedOrShortest(r.resistance, 2, 6) + ' ' +
                std::to_string(static_cast<std::int32_t>(r.kind));
    }
    return text;
}

} // namespace

std::string cellValueText(const Model& model) {
    const std::string& typed = model.widgets[WidgetId::batteb].text;
    if (typed.size() <= kLongestFixedNumber && parseReal(typed))
        return typed;
    return formatShortest(model.source.cellValue);
}

std::string describeCircuit(const Model& model, bool optionsFlag) {
    const Marker& top = model.markers[MarkerId::topsh];
    const Marker& bottom = model.markers[MarkerId::botsh];
    std::string text;
    const auto line = [&text](const std::string& content) { text += content + kLineEnd; };
    line(optionsFlag ? "1" : "0");
    line(joined({top.left, top.top, bottom.left, bottom.top}));
    line(std::to_string(static_cast<int>(model.menus.sourceKind())));
    line(sourceLine(model));
    line(std::to_string(viewFlags(model.menus)) + " 0 0");
    line(laneLine(model.tables));
    const CircuitTables& tables = model.tables;
    for (int side = 1; side <= kSides; ++side)
        for (int lane = 1; lane <= kLanes; ++lane)
            for (int block = 1; block <= tables.blocksInUse(side, lane); ++block)
                for (int branch = 1; branch <= kBranches; ++branch)
                    line(branchLine(tables, side, lane, block, branch));
    line(" *");
    return text;
}

} // namespace voltaro
