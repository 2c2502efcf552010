#pragma once

#include "model/text.h"

namespace voltaro {

// The texts of the printed page that the user sees, in English; the window translates them.
// clang-format off
// The line above the board; %1 is the name typed in the name dialog.
inline constexpr Phrase kPrintedFor = VOLTARO_TEXT("Output", "Printed for %1");
// clang-format on

} // namespace voltaro
