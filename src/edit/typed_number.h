#pragma once

#include "edit/edit_texts.h"
#include "model/widgets.h"

#include <optional>

namespace voltaro {

struct Workbench;

// The numbers a box takes: none larger than `largest` either way, so that every value a pupil
// types saves into a file that loads again. A number outside is refused with `outOfRange`.
struct TypedRange {
    double largest;
    const char* largestText; // "1e15"
    Phrase outOfRange;
};

inline constexpr TypedRange kResistanceRange{1e15, "1e15", kResistanceOutOfRange};
inline constexpr TypedRange kCellValueRange{1e6, "1e6", kCellValueOutOfRange};

// The number typed in an edit (C locale, a point). Text that is not a finite number, or a number
// outside the range, is reported through the platform, the focus goes back to the edit for
// correction, and the result is empty.
std::optional<double> readTypedReal(Workbench& bench, WidgetId edit, const TypedRange& range);

} // namespace voltaro
