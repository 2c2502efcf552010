#pragma once

#include "bench/bindings.h"

#include <vector>

namespace voltaro {

// The menu entries of the lessons and worksheets, and the click on the step arrows.
const std::vector<MenuBinding>& lessonMenuBindings();
const std::vector<WidgetBinding>& lessonWidgetBindings();

} // namespace voltaro
