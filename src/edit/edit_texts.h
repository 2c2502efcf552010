#pragma once

#include "model/text.h"

namespace voltaro {

// The texts of the pupil's handlers that the user sees, in English as the program shows them
// (its own spelling kept: "Ciruit", "explaination"); the window translates them.
// clang-format off

// The save panel.
inline constexpr Phrase kSavePanelCaption = VOLTARO_TEXT("Edit", "Save the Ciruit");
inline constexpr Phrase kLoadPanelCaption = VOLTARO_TEXT("Edit", "Load a Circuit");
inline constexpr Phrase kSaveButton = VOLTARO_TEXT("Edit", "&Save");
inline constexpr Phrase kLoadButton = VOLTARO_TEXT("Edit", "&Load");
inline constexpr Phrase kExplanationPrompt = VOLTARO_TEXT("Edit", "Type in explaination here!");
inline constexpr Phrase kChooseFilePrompt = VOLTARO_TEXT("Edit", "Click load to choose a file!");
// The file dialogs; a filter is "label|patterns" pairs.
inline constexpr Phrase kSaveDialogTitle = VOLTARO_TEXT("Edit", "Save circuit");
inline constexpr Phrase kSaveDialogFilter = VOLTARO_TEXT("Edit", "circuits(*.cir)|*.cir");
inline constexpr Phrase kOpenDialogTitle = VOLTARO_TEXT("Edit", "Open Circuit");
inline constexpr Phrase kOpenDialogFilter = VOLTARO_TEXT("Edit", "Circuits(*.cir)|*.cir");
// %1 is the file's path, %2 the reason.
inline constexpr Phrase kFileNotRead = VOLTARO_TEXT("Edit", "The file %1 could not be read: %2");
inline constexpr Phrase kCircuitNotSaved = VOLTARO_TEXT("Edit", "The circuit could not be saved to %1: %2");

// "Recent &Files": %1 is the place in the list (1..8), %2 the file's name.
inline constexpr Phrase kRecentFileCaption = VOLTARO_TEXT("Edit", "&%1 %2");
// %1 is why a file chosen there could not be read.
inline constexpr Phrase kRecentFileGone = VOLTARO_TEXT("Edit", "%1\nIt has been taken off the list of recent files.");
// %1 is the reason.
inline constexpr Phrase kFilesNotRemembered = VOLTARO_TEXT("Edit", "The list of recent files cannot be kept for the next start: %1");

// A number typed out of its box's range: %1 is the text typed in quotes, %2 the largest number.
inline constexpr Phrase kResistanceOutOfRange = VOLTARO_TEXT("Edit", "%1 is out of range: a resistance lies between -%2 and %2 ohms");
inline constexpr Phrase kCellValueOutOfRange = VOLTARO_TEXT("Edit", "%1 is out of range: a cell's voltage lies between -%2 and %2 volts");

// Menu captions rebuilt by the handlers; %1 is a count or the caption of the entry chosen.
inline constexpr Phrase kSourceCaption = VOLTARO_TEXT("Edit", "Source (%1)");
inline constexpr Phrase kCellsInSeriesCaption = VOLTARO_TEXT("Edit", "Number in &Series (%1)");
inline constexpr Phrase kCellsInParallelCaption = VOLTARO_TEXT("Edit", "Number in &Parallel (%1)");
inline constexpr Phrase kSwitchCaption = VOLTARO_TEXT("Edit", "Switch (%1)");
// clang-format on

} // namespace voltaro
