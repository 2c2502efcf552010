#include "edit/typed_number.h"

#include "bench/workbench.h"
#include "model/failure.h"
#include "model/numbers.h"

#include <cmath>

namespace voltaro {

namespace {

Outcome<double> typedReal(const std::string& text, const TypedRange& range) {
    const std::optional<double> value = parseReal(text);
    if (!value)
        return Failure{invalidRealMessage(text)};
    if (std::fabs(*value) > range.largest)
        return Failure{Text(range.outOfRange).arg(quoteInMessage(text)).arg(range.largestText)};
    return *value;
}

} // namespace

std::optional<double> readTypedReal(Workbench& bench, WidgetId edit, const TypedRange& range) {
    const Outcome<double> value = typedReal(bench.widget(edit).text, range);
    if (value)
        return *value;
    bench.platform->error(value.failure().reason);
    bench.ui.focus = edit;
    return std::nullopt;
}

} // namespace voltaro
