#include "edit/typed_number.h"

#include "bench/platform.h"
#include "bench/workbench.h"
#include "model/numbers.h"

#include <cmath>

namespace voltaro {

namespace {

std::string outOfRangeMessage(const std::string& text, const TypedRange& range) {
    return quoteInMessage(text) + " is out of range: " + range.quantity + " lies between -" +
           range.largestText + " and " + range.largestText + " " + range.unit;
}

} // namespace

std::optional<double> readTypedReal(Workbench& bench, WidgetId edit, const TypedRange& range) {
    const std::string& text = bench.widget(edit).text;
    std::optional<double> value = parseReal(text);
    std::optional<std::string> refusal;
    if (!value)
        refusal = invalidRealMessage(text);
    else if (std::fabs(*value) > range.largest)
        refusal = outOfRangeMessage(text, range);
    if (refusal) {
        if (bench.platform)
            bench.platform->error(*refusal);
        bench.ui.focus = edit;
        value.reset();
    }
    return value;
}

} // namespace voltaro
