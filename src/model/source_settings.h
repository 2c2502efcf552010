#pragma once

namespace voltaro {

// The values of the source that are not kept in menu entries. The source kind, cells in series
// and cells in parallel are the Tags of `Source1`, `Numser1` and `NumPar1` (see Menus).
struct SourceSettings {
    double cellValue = 1.5;       // EMF of one cell, volts
    double variableSetting = 5.0; // the variable supply's voltage when it is chosen
    double supplyVoltage = 3.0;   // the EMF the solver uses
};

constexpr int kVariableSupply = 1;
constexpr int kCells = 2;

} // namespace voltaro
