#pragma once

#include "model/text.h"

namespace voltaro {

// The texts of the model that the user sees, in English as the program shows them; the window
// translates them. The captions of the menu and widget design tables are texts as well, each
// table under its own context: the text catalogue lists them for the translation tools.
inline constexpr const char* kMenuTexts = "Menus";
inline constexpr const char* kWidgetTexts = "Widgets";

// clang-format off
inline constexpr Phrase kNotProperFileMessage = VOLTARO_TEXT("Model", "This was not a proper file!");
inline constexpr Phrase kTooManyCircuitsMessage = VOLTARO_TEXT("Model", "This file holds more than %1 circuits. Only the first %1 were loaded.");
// A reason, then where the circuit came from: its number and the name of its file.
inline constexpr Phrase kReasonInCircuit = VOLTARO_TEXT("Model", "%1\nin circuit %2 of %3");
inline constexpr Phrase kLinesNotShown = VOLTARO_TEXT("Model", "\u2026 (%1 more lines not shown)");

// A refused conversion; %1 is the refused text in quotes.
inline constexpr Phrase kInvalidRealMessage = VOLTARO_TEXT("Model", "%1 is not a valid floating point value");
inline constexpr Phrase kInvalidIntegerMessage = VOLTARO_TEXT("Model", "%1 is not a valid integer value");
inline constexpr Phrase kInvalidCountMessage = VOLTARO_TEXT("Model", "%1 is not a valid count; a count is 0, 1, 2 or 3");

// The lane and branch menus' captions; %1 is the count.
inline constexpr Phrase kTopParallel = VOLTARO_TEXT("Model", "Top Parallel (%1)");
inline constexpr Phrase kMiddleParallel = VOLTARO_TEXT("Model", "Middle Parallel (%1)");
inline constexpr Phrase kBottomParallel = VOLTARO_TEXT("Model", "Bottom Parallel (%1)");
inline constexpr Phrase kLeftParallel = VOLTARO_TEXT("Model", "Left Parallel (%1)");
inline constexpr Phrase kRightParallel = VOLTARO_TEXT("Model", "Right Parallel (%1)");
// clang-format on

} // namespace voltaro
