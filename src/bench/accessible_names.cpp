#include "bench/accessible_names.h"

#include "bench/meter_queries.h"
#include "bench/speech_texts.h"
#include "bench/workbench.h"
#include "model/numbers.h"
#include "solver/brightness.h"
#include "solver/meter_display.h"

namespace voltaro {

std::string volts(double v) {
    return formatFixedOrShortest(v, 2, 0);
}

std::string amperes(double a) {
    return formatFixedOrShortest(a, 3, 0);
}

namespace {

Text partKind(const ElementRecord& r) {
    if (r.switchFlag != 0) {
        if (r.isOpen())
            return kOpenSwitch;
        return r.wireFlag != 0 ? Text(kWire) : Text(kClosedSwitch);
    }
    switch (r.kind) {
    case ElementKind::Resistor:
        return Text(kResistor).arg(formatShortest(r.resistance));
    case ElementKind::Bulb1:
        return kBulb1;
    case ElementKind::Bulb2:
        return kBulb2;
    case ElementKind::Bulb3:
        return kBulb3;
    default:
        return Text(kOtherPart).arg(formatShortest(r.resistance));
    }
}

Text cornerName(MarkerId id) {
    switch (id) {
    case MarkerId::cor1:
        return kTopLeftCorner;
    case MarkerId::cor2:
        return kTopRightCorner;
    case MarkerId::cor3:
        return kBottomRightCorner;
    default:
        return kBottomLeftCorner;
    }
}

Text stepArrowName(int cell) {
    const Phrase names[] = {kFirstCircuit, kPreviousCircuit, kNextCircuit, kLastCircuit};
    return names[(cell - 1) & 3];
}

Text slotName(const Workbench& bench, const MarkerRef& ref) {
    if (ref.family == MarkerFamily::Slot)
        return pointName(bench, ref.index);
    const int firstSlot = bench.model.markers.at(ref).tag;
    const SlotAddress at = decodeSlot(firstSlot).value_or(SlotAddress{});
    return Text(kBranchesName).arg(sideName(at.side)).arg(at.lane).arg(at.block);
}

Text slotDescription(const Workbench& bench, const MarkerRef& ref) {
    const CircuitTables& tables = bench.model.tables;
    if (ref.family == MarkerFamily::Slot)
        return partInWords(bench, ref.index);
    const SlotAddress at = decodeSlot(bench.model.markers.at(ref).tag).value_or(SlotAddress{});
    Text counts(kBranchesDescription);
    for (int branch = 1; branch <= kBranches; ++branch)
        counts.arg(tables.elementsInUse(at.side, at.lane, at.block, branch));
    return counts;
}

Text sourceDescription(const Workbench& bench) {
    const Menus& menus = bench.model.menus;
    const SourceSettings& source = bench.model.source;
    if (menus.sourceKind() == SourceKind::Variable)
        return Text(kVariableSupplyDescription).arg(volts(source.supplyVoltage));
    return Text(kCellsDescription)
        .arg(menus.cellsInSeries())
        .arg(formatShortest(source.cellValue))
        .arg(menus.cellsInParallel())
        .arg(volts(source.supplyVoltage));
}

Text leadDescription(const Workbench& bench, int lead) {
    const std::optional<MarkerRef>& point = bench.meter.leadPoint[lead];
    if (!point)
        return Text(kLeadOnNoPoint).arg(spokenReading(bench));
    const BoardControl on = BoardControl::of(*point);
    return Text(kLeadOnPoint).arg(accessibleName(bench, on)).arg(spokenReading(bench));
}

Text sideSquareDescription(const Workbench& bench, int side) {
    Text counts(kLanesDescription);
    for (int lane = 1; lane <= kLanes; ++lane)
        counts.arg(bench.model.tables.blocksInUse(side, lane));
    return counts;
}

Text namedDescription(const Workbench& bench, MarkerId id) {
    switch (id) {
    case MarkerId::battneg:
    case MarkerId::battpos:
        return sourceDescription(bench);
    case MarkerId::p1:
    case MarkerId::p2:
    case MarkerId::p4:
        return sideSquareDescription(bench, bench.marker(id).tag);
    case MarkerId::topsh:
        return kTopHandleDescription;
    case MarkerId::botsh:
        return kBottomHandleDescription;
    case MarkerId::movesh:
        return kMeterHandleDescription;
    case MarkerId::vpos:
        return leadDescription(bench, 1);
    case MarkerId::vneg:
        return leadDescription(bench, 2);
    case MarkerId::ampsh:
        return Text(kBreakMarkerDescription)
            .arg(accessibleName(bench, BoardControl::of(bench.meter.breakShape)));
    default:
        return isCornerMarker(id) ? Text(kCornerDescription) : Text();
    }
}

Text namedName(const Workbench& bench, MarkerId id) {
    switch (id) {
    case MarkerId::battneg:
        return kNegativeTerminal;
    case MarkerId::battpos:
        return kPositiveTerminal;
    case MarkerId::p1:
    case MarkerId::p2:
    case MarkerId::p4:
        return Text(kLanesName).arg(sideName(bench.marker(id).tag));
    case MarkerId::topsh:
        return kTopHandle;
    case MarkerId::botsh:
        return kBottomHandle;
    case MarkerId::movesh:
        return kMeterHandle;
    case MarkerId::vpos:
        return kBlackLead;
    case MarkerId::vneg:
        return kRedLead;
    case MarkerId::ampsh:
        return kBreakMarker;
    default:
        return isCornerMarker(id) ? cornerName(id) : Text();
    }
}

Text readingWithUnit(const MeterRange& range, MeterMode mode, const std::string& shown,
                     const Text& rangeWords) {
    constexpr double kMilli = 1000.0;
    const bool volt = mode == MeterMode::Voltage;
    Phrase words = volt ? kVoltsReading : kAmperesReading;
    if (range.multiplier > kMilli)
        words = kMicroamperesReading;
    else if (range.multiplier == kMilli)
        words = volt ? kMillivoltsReading : kMilliamperesReading;
    return Text(words).arg(shown).arg(rangeWords);
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

} // namespace

Text sideName(int side) {
    if (side == kRightSide)
        return kRightSideName;
    return side == kBottomSide ? kBottomSideName : kTopSideName;
}

Text pointName(const Workbench& bench, int slot) {
    const std::optional<SlotAddress> at = decodeSlot(slot);
    if (!at)
        return {};
    const CircuitTables& tables = bench.model.tables;
    const bool plain = tables.blocksInUse(at->side, at->lane) <= 1 &&
                       branchesInUse(tables, at->side, at->lane, at->block) <= 1;
    if (plain)
        return Text(kPointName).arg(sideName(at->side)).arg(at->lane).arg(at->position);
    return Text(kPointInBlockName)
        .arg(sideName(at->side))
        .arg(at->lane)
        .arg(at->block)
        .arg(at->branch)
        .arg(at->position);
}

Text partInWords(const Workbench& bench, int slot) {
    const std::optional<SlotAddress> at = decodeSlot(slot);
    if (!at)
        return {};
    const CircuitTables& tables = bench.model.tables;
    if (at->position > tables.elementsInUse(at->side, at->lane, at->block, at->branch))
        return kBranchEnd;
    const ElementRecord& r = tables.record(slot);
    Phrase values = kPartValues;
    if (r.isBulb())
        values = brightnessOf(r.voltage, r.current) > 0 ? kGlowingBulb : kDarkBulb;
    return Text(values).arg(partKind(r)).arg(volts(r.voltage)).arg(amperes(r.current));
}

Text accessibleName(const Workbench& bench, const BoardControl& control) {
    if (control.isStepArrow())
        return stepArrowName(control.arrowCell);
    if (!control.marker.isValid())
        return {};
    if (control.marker.family != MarkerFamily::Named)
        return slotName(bench, control.marker);
    return namedName(bench, static_cast<MarkerId>(control.marker.index));
}

Text accessibleDescription(const Workbench& bench, const BoardControl& control) {
    if (control.isStepArrow())
        return Text(kCircuitOf).arg(bench.circuits.current).arg(bench.circuits.count);
    if (!control.marker.isValid())
        return {};
    if (control.marker.family != MarkerFamily::Named)
        return slotDescription(bench, control.marker);
    return namedDescription(bench, static_cast<MarkerId>(control.marker.index));
}

std::optional<double> shownReading(const Workbench& bench) {
    if (fuseBlown(bench) || meterMode(bench) == MeterMode::Off)
        return std::nullopt;
    return parseReal(bench.widget(WidgetId::currenteb).text);
}

double meterFullScale(const Workbench& bench) {
    return meterRange(meterMode(bench), selectedMeterRange(bench)).fullScale;
}

Text spokenReading(const Workbench& bench) {
    const MeterMode mode = meterMode(bench);
    if (mode == MeterMode::Off)
        return kMeterOff;
    if (fuseBlown(bench))
        return kFuseBlown;
    const int range = selectedMeterRange(bench);
    const Text rangeWords =
        (mode == MeterMode::Voltage ? kVoltageRanges : kCurrentRanges)[(range - 1) % kMeterRanges];
    const std::string shown = trimmed(bench.widget(WidgetId::currenteb).text);
    if (shown == kNoReadingText)
        return Text(kNoReading).arg(rangeWords);
    if (shown == kOverRangeText)
        return Text(kOverRange).arg(rangeWords);
    return readingWithUnit(meterRange(mode, range), mode, shown, rangeWords);
}

} // namespace voltaro
