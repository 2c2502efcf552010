#pragma once

#include "bench/bindings.h"

#include <vector>

namespace voltaro {

// The menu entries of the lessons and worksheets, and the click on and moves over the step
// arrows.
const std::vector<MenuBinding>& lessonMenuBindings();
const std::vector<WidgetBinding>& lessonWidgetBindings();
const std::vector<PictureMoveBinding>& lessonPictureBindings();

} // namespace voltaro
