#include "view/element_labels.h"

#include "model/numbers.h"
#include "view/ohm_sign.h"

#include <charconv>
#include <cmath>
#include <string>

namespace voltaro {

namespace {

void writeText(Canvas& canvas, Point at, const std::string& text) {
    if (!text.empty())
        canvas.text(at, text);
}

// The resistance cut toward zero with every digit, beyond the int range too ("-0.5" gives "0").
// What is not a finite number, which no box or file can store, is saturated as an int.
std::string wholeOhms(double resistance) {
    if (!std::isfinite(resistance))
        return formatFixed(truncToInt(resistance), 0);
    return formatFixed(std::trunc(resistance) + 0.0, 0);
}

// "R3", "S1": a letter and a count, built in place (labels are made for every element).
std::string numbered(char letter, int number) {
    char text[16] = {letter};
    return std::string(text, std::to_chars(text + 1, text + sizeof text, number).ptr);
}

} // namespace

ElementLabel elementLabel(const ElementRecord& record, bool showResistance, bool labelLoads,
                          LabelCounters& counters) {
    ElementLabel label;
    if ((!showResistance && !labelLoads) || record.wireFlag != 0)
        return label;
    if (record.switchFlag == 1) {
        label.name = numbered('S', ++counters.switches);
    } else if (record.switchFlag == 0) {
        const int number = ++counters.loads;
        const bool resistor = record.kind == ElementKind::Resistor;
        if (showResistance && resistor)
            label.value = "= " + wholeOhms(record.resistance);
        if (labelLoads)
            label.name = numbered(resistor ? 'R' : 'L', number);
    }
    return label;
}

std::vector<std::string> loadLabelNames(const CircuitTables& tables,
                                        const std::vector<SlotAddress>& walk) {
    std::vector<std::string> names(walk.size());
    LabelCounters counters;
    for (std::size_t i = 0; i < walk.size(); ++i)
        if (walk[i].side != kHiddenSide)
            names[i] = elementLabel(tables.record(slotNumber(walk[i])), false, true, counters).name;
    return names;
}

void drawElementLabel(Canvas& canvas, int side, const Marker& first, const Marker& next,
                      const ElementLabel& label) {
    // The ohm sign is placed by the width of the text in bold, whatever the board font's style.
    if (side == kRightSide) {
        const Point at{first.left + 5, (first.top + next.top) / 2};
        writeText(canvas, at, label.name);
        writeText(canvas, at + Point{0, 15}, label.value);
        if (!label.value.empty())
            canvas.blit({first.left + 6 + canvas.textWidth(label.value, true), at.y + 18},
                        ohmSign());
        return;
    }
    const Point at{(first.left + next.left) / 2, first.top + 4};
    const std::string text = label.name + label.value;
    writeText(canvas, at, text);
    if (!label.value.empty())
        canvas.blit({at.x + canvas.textWidth(text, true) + 1, first.top + 7}, ohmSign());
}

} // namespace voltaro
