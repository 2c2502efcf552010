#pragma once

#include "model/text.h"

namespace voltaro {

// The words a screen reader speaks for the board's controls and the meter, in English; the
// window translates them.
// clang-format off
inline constexpr Phrase kTopSideName = VOLTARO_TEXT("Speech", "Top side");
inline constexpr Phrase kRightSideName = VOLTARO_TEXT("Speech", "Right side");
inline constexpr Phrase kBottomSideName = VOLTARO_TEXT("Speech", "Bottom side");
// A point of the circuit: %1 the side, then its lane, (block and branch,) position.
inline constexpr Phrase kPointName = VOLTARO_TEXT("Speech", "%1, lane %2, point %3");
inline constexpr Phrase kPointInBlockName = VOLTARO_TEXT("Speech", "%1, lane %2, block %3, branch %4, point %5");
// The squares of the tree and what their menus set; %1 the side.
inline constexpr Phrase kLanesName = VOLTARO_TEXT("Speech", "%1, lanes");
inline constexpr Phrase kLanesDescription = VOLTARO_TEXT("Speech", "Blocks in series: lane 1 %1, lane 2 %2, lane 3 %3");
inline constexpr Phrase kBranchesName = VOLTARO_TEXT("Speech", "%1, lane %2, block %3, branches");
inline constexpr Phrase kBranchesDescription = VOLTARO_TEXT("Speech", "Parts in series: branch 1 %1, branch 2 %2, branch 3 %3");

// What lies between a point and the next; %1 the value or the name of the part.
inline constexpr Phrase kWire = VOLTARO_TEXT("Speech", "Wire");
inline constexpr Phrase kOpenSwitch = VOLTARO_TEXT("Speech", "Switch, open");
inline constexpr Phrase kClosedSwitch = VOLTARO_TEXT("Speech", "Switch, closed");
inline constexpr Phrase kResistor = VOLTARO_TEXT("Speech", "Resistor of %1 ohms");
inline constexpr Phrase kBulb1 = VOLTARO_TEXT("Speech", "Bulb #1");
inline constexpr Phrase kBulb2 = VOLTARO_TEXT("Speech", "Bulb #2");
inline constexpr Phrase kBulb3 = VOLTARO_TEXT("Speech", "Bulb #3");
inline constexpr Phrase kOtherPart = VOLTARO_TEXT("Speech", "Part of %1 ohms");
// A part with the voltage across it and the current through it.
inline constexpr Phrase kPartValues = VOLTARO_TEXT("Speech", "%1, %2 V, %3 A");
inline constexpr Phrase kGlowingBulb = VOLTARO_TEXT("Speech", "%1, %2 V, %3 A, glowing");
inline constexpr Phrase kDarkBulb = VOLTARO_TEXT("Speech", "%1, %2 V, %3 A, dark");
inline constexpr Phrase kBranchEnd = VOLTARO_TEXT("Speech", "End of the branch");

// The other controls.
inline constexpr Phrase kTopLeftCorner = VOLTARO_TEXT("Speech", "Top-left corner");
inline constexpr Phrase kTopRightCorner = VOLTARO_TEXT("Speech", "Top-right corner");
inline constexpr Phrase kBottomRightCorner = VOLTARO_TEXT("Speech", "Bottom-right corner");
inline constexpr Phrase kBottomLeftCorner = VOLTARO_TEXT("Speech", "Bottom-left corner");
inline constexpr Phrase kCornerDescription = VOLTARO_TEXT("Speech", "A measuring point; its menu breaks the loop here for the ammeter");
inline constexpr Phrase kNegativeTerminal = VOLTARO_TEXT("Speech", "Battery, negative terminal");
inline constexpr Phrase kPositiveTerminal = VOLTARO_TEXT("Speech", "Battery, positive terminal");
// %1 cells of %2 V in series, %3 in parallel, %4 V in all.
inline constexpr Phrase kCellsDescription = VOLTARO_TEXT("Speech", "%1 cells of %2 V in series, %3 in parallel: %4 V");
inline constexpr Phrase kVariableSupplyDescription = VOLTARO_TEXT("Speech", "Variable supply: %1 V; Up and Down change it");
inline constexpr Phrase kTopHandle = VOLTARO_TEXT("Speech", "Top handle");
inline constexpr Phrase kTopHandleDescription = VOLTARO_TEXT("Speech", "Moves the top edge of the loop");
inline constexpr Phrase kBottomHandle = VOLTARO_TEXT("Speech", "Bottom handle");
inline constexpr Phrase kBottomHandleDescription = VOLTARO_TEXT("Speech", "Moves the bottom and the right edge of the loop");
inline constexpr Phrase kMeterHandle = VOLTARO_TEXT("Speech", "Meter's square");
inline constexpr Phrase kMeterHandleDescription = VOLTARO_TEXT("Speech", "Moves the meter");
inline constexpr Phrase kBlackLead = VOLTARO_TEXT("Speech", "Black lead");
inline constexpr Phrase kRedLead = VOLTARO_TEXT("Speech", "Red lead");
// %1 the point the lead is on, %2 the meter's reading.
inline constexpr Phrase kLeadOnPoint = VOLTARO_TEXT("Speech", "On %1. The meter reads %2");
inline constexpr Phrase kLeadOnNoPoint = VOLTARO_TEXT("Speech", "On no point. The meter reads %1");
inline constexpr Phrase kBreakMarker = VOLTARO_TEXT("Speech", "Break");
inline constexpr Phrase kBreakMarkerDescription = VOLTARO_TEXT("Speech", "The meter's side of the break at %1");
inline constexpr Phrase kFirstCircuit = VOLTARO_TEXT("Speech", "First circuit");
inline constexpr Phrase kPreviousCircuit = VOLTARO_TEXT("Speech", "Previous circuit");
inline constexpr Phrase kNextCircuit = VOLTARO_TEXT("Speech", "Next circuit");
inline constexpr Phrase kLastCircuit = VOLTARO_TEXT("Speech", "Last circuit");
inline constexpr Phrase kCircuitOf = VOLTARO_TEXT("Speech", "Circuit %1 of %2");

// The meter's display: %1 the number shown, %2 the range.
inline constexpr Phrase kMeterDisplay = VOLTARO_TEXT("Speech", "Meter display");
inline constexpr Phrase kMeterOff = VOLTARO_TEXT("Speech", "meter off");
inline constexpr Phrase kFuseBlown = VOLTARO_TEXT("Speech", "fuse blown");
inline constexpr Phrase kNoReading = VOLTARO_TEXT("Speech", "no reading, %1");
inline constexpr Phrase kOverRange = VOLTARO_TEXT("Speech", "over range, %1");
inline constexpr Phrase kVoltsReading = VOLTARO_TEXT("Speech", "%1 volts, %2");
inline constexpr Phrase kMillivoltsReading = VOLTARO_TEXT("Speech", "%1 millivolts, %2");
inline constexpr Phrase kAmperesReading = VOLTARO_TEXT("Speech", "%1 amperes, %2");
inline constexpr Phrase kMilliamperesReading = VOLTARO_TEXT("Speech", "%1 milliamperes, %2");
inline constexpr Phrase kMicroamperesReading = VOLTARO_TEXT("Speech", "%1 microamperes, %2");
inline constexpr Phrase kVoltageRanges[] = {
    VOLTARO_TEXT("Speech", "200 volt range"),
    VOLTARO_TEXT("Speech", "20 volt range"),
    VOLTARO_TEXT("Speech", "2 volt range"),
    VOLTARO_TEXT("Speech", "200 millivolt range"),
    VOLTARO_TEXT("Speech", "20 millivolt range"),
};
inline constexpr Phrase kCurrentRanges[] = {
    VOLTARO_TEXT("Speech", "20 ampere range"),
    VOLTARO_TEXT("Speech", "200 milliampere range"),
    VOLTARO_TEXT("Speech", "20 milliampere range"),
    VOLTARO_TEXT("Speech", "2 milliampere range"),
    VOLTARO_TEXT("Speech", "200 microampere range"),
};
// clang-format on

} // namespace voltaro
