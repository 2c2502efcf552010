#include "edit/typed_number.h"

#include "app/platform.h"
#include "app/workbench.h"
#include "model/numbers.h"

namespace voltaro {

std::optional<double> readTypedReal(Workbench& bench, WidgetId edit) {
    const std::string& text = bench.widget(edit).text;
    const std::optional<double> value = parseReal(text);
    if (!value) {
        if (bench.platform)
            bench.platform->error(invalidRealMessage(text));
        bench.ui.focus = edit;
    }
    return value;
}

} // namespace voltaro
