#pragma once

#include "view/canvas.h"

namespace voltaro {

// The 8 x 8 ohm sign that follows a resistor's value, black on white.
const SmallPicture& ohmSign();

} // namespace voltaro
