#pragma once

#include "model/text.h"

namespace voltaro {

// The texts of the printed page that the user sees, in English; the window translates them.
// clang-format off
// The line above the board; %1 is the name typed in the name dialog.
inline constexpr Phrase kPrintedFor = VOLTARO_TEXT("Output", "Printed for %1");

// The circuit in words (Help > "&Describe Circuit"): its title, then one line for the source,
// each side, lane, block and branch, the bulbs that glow and the meter.
inline constexpr Phrase kDescribeTitle = VOLTARO_TEXT("Output", "The circuit in words");
inline constexpr Phrase kCellsSource = VOLTARO_TEXT("Output", "Source: %1 cells of %2 V in series, %3 in parallel, %4 V in all.");
inline constexpr Phrase kVariableSource = VOLTARO_TEXT("Output", "Source: a variable supply at %1 V.");
inline constexpr Phrase kTotalCurrent = VOLTARO_TEXT("Output", "Current from the source: %1 A.");
inline constexpr Phrase kSideOneLane = VOLTARO_TEXT("Output", "%1: one lane.");
inline constexpr Phrase kSideLanes = VOLTARO_TEXT("Output", "%1: %2 lanes in parallel.");
inline constexpr Phrase kLaneOneBlock = VOLTARO_TEXT("Output", "  Lane %1: one block.");
inline constexpr Phrase kLaneBlocks = VOLTARO_TEXT("Output", "  Lane %1: %2 blocks in series.");
inline constexpr Phrase kBlockOneBranch = VOLTARO_TEXT("Output", "    Block %1: %2.");
inline constexpr Phrase kBlockBranches = VOLTARO_TEXT("Output", "    Block %1: %2 branches in parallel.");
inline constexpr Phrase kBranchParts = VOLTARO_TEXT("Output", "      Branch %1: %2.");
// Parts in series: the ones before, then the next.
inline constexpr Phrase kThen = VOLTARO_TEXT("Output", "%1; then %2");
// A part with its label, as Label loads names it: "L1: Bulb #1, ...".
inline constexpr Phrase kLabelledPart = VOLTARO_TEXT("Output", "%1: %2");
inline constexpr Phrase kGlowingBulbs = VOLTARO_TEXT("Output", "Bulbs that glow: %1.");
inline constexpr Phrase kAndAlso = VOLTARO_TEXT("Output", "%1, %2");
inline constexpr Phrase kNoBulbGlows = VOLTARO_TEXT("Output", "No bulb glows.");
inline constexpr Phrase kMeterReads = VOLTARO_TEXT("Output", "Meter: %1. Black lead: %2. Red lead: %3.");
inline constexpr Phrase kLeadOnNothing = VOLTARO_TEXT("Output", "on no point");
inline constexpr Phrase kBrokenAt = VOLTARO_TEXT("Output", "The circuit is broken at %1 for the ammeter.");
inline constexpr Phrase kLockedCircuit = VOLTARO_TEXT("Output", "The circuit is locked: only its switches can be changed.");
// clang-format on

} // namespace voltaro
