#pragma once

#include "bench/bindings.h"

#include <vector>

namespace voltaro {

// "&Copy", "C&opy Select" and "&Print", bound to their menu entries.
const std::vector<MenuBinding>& outputMenuBindings();

} // namespace voltaro
