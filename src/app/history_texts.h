#pragma once

#include "model/text.h"

namespace voltaro {

// The texts of the Edit menu's undo and redo that the user sees, in English; the window
// translates them. A step is named after what the pupil did; entries whose menu caption says it
// already ("Bulb #1", "Wire") are named by that caption.
// clang-format off
// %1 is the name of the step.
inline constexpr Phrase kUndoStepCaption = VOLTARO_TEXT("History", "&Undo %1");
inline constexpr Phrase kRedoStepCaption = VOLTARO_TEXT("History", "&Redo %1");

inline constexpr Phrase kBlocksStep = VOLTARO_TEXT("History", "Blocks in Series");
inline constexpr Phrase kPartsStep = VOLTARO_TEXT("History", "Parts in Series");
inline constexpr Phrase kCellsInSeriesStep = VOLTARO_TEXT("History", "Number in Series");
inline constexpr Phrase kCellsInParallelStep = VOLTARO_TEXT("History", "Number in Parallel");
inline constexpr Phrase kCellValueStep = VOLTARO_TEXT("History", "Cell Value");
inline constexpr Phrase kResistorValueStep = VOLTARO_TEXT("History", "Resistor Value");
inline constexpr Phrase kSupplyStep = VOLTARO_TEXT("History", "Variable Supply");
inline constexpr Phrase kResizeStep = VOLTARO_TEXT("History", "Resize");
inline constexpr Phrase kResetStep = VOLTARO_TEXT("History", "Reset");
inline constexpr Phrase kBreakStep = VOLTARO_TEXT("History", "Break");
inline constexpr Phrase kJoinStep = VOLTARO_TEXT("History", "Join");
// clang-format on

} // namespace voltaro
