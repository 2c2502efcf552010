#pragma once

#include "model/text.h"

namespace voltaro {

// The texts of the workbench's own that the user sees, in English; the window translates them.
// clang-format off
// The window's caption: the program's name, after a load with the file's path, while a lesson,
// worksheet or file's circuits are on the board with the set's name.
inline constexpr Phrase kProgramCaption = VOLTARO_TEXT("Bench", "Voltaro");
inline constexpr Phrase kFileCaption = VOLTARO_TEXT("Bench", "Voltaro: %1");
inline constexpr Phrase kSetCaption = VOLTARO_TEXT("Bench", "Circuits: %1");

// Why the null platform cannot do what it is asked.
inline constexpr Phrase kNoFiles = VOLTARO_TEXT("Bench", "There are no files here");
inline constexpr Phrase kNoPrinter = VOLTARO_TEXT("Bench", "There is no printer here");
// clang-format on

} // namespace voltaro
