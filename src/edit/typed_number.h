#pragma once

#include "model/widgets.h"

#include <optional>

namespace voltaro {

struct Workbench;

// The number typed in an edit (C locale, a point). Text that is not a finite number is
// reported through the platform, the focus goes back to the edit for correction, and the
// result is empty.
std::optional<double> readTypedReal(Workbench& bench, WidgetId edit);

} // namespace voltaro
