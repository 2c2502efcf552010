#pragma once

#include "bench/bindings.h"

#include <vector>

namespace voltaro {

// The handlers of element placement, the branch tree and the source, bound to their menu
// entries, markers and widgets.
const std::vector<MenuBinding>& editMenuBindings();
const std::vector<MarkerBinding>& editMarkerBindings();
const std::vector<WidgetBinding>& editWidgetBindings();

} // namespace voltaro
