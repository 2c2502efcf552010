#pragma once

#include "model/text.h"

namespace voltaro {

// The texts of the application shell that the user sees, in English; the window translates
// them.
// clang-format off
inline constexpr Phrase kResetQuestion = VOLTARO_TEXT("Shell", "Resetting the circuit.  Reset now?");
// %1 is the version.
inline constexpr Phrase kAboutText = VOLTARO_TEXT("Shell", "Product Name:Voltaro\nVersion %1\nA workbench for building and measuring direct-current circuits.");
// The label beside the step arrows; %1 is the number of the circuit on the board.
inline constexpr Phrase kCircuitNumberCaption = VOLTARO_TEXT("Shell", "Circuit #%1");
// clang-format on

} // namespace voltaro
