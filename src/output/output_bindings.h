#pragma once

#include "bench/bindings.h"

#include <vector>

namespace voltaro {

// "&Copy", "C&opy Select", "&Print" and "&Describe Circuit", bound to their menu entries.
const std::vector<MenuBinding>& outputMenuBindings();

} // namespace voltaro
