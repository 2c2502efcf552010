#pragma once

namespace voltaro {

// The source on the battery's edge. The numbers are its code in a description and the Tags of
// `Variable1`, `Cells1` and `Source1`.
enum class SourceKind { Variable = 1, Cells = 2 };

// A description's source code: 1 the variable supply, any other cells.
constexpr SourceKind sourceKindOfCode(int code) {
    return code == static_cast<int>(SourceKind::Variable) ? SourceKind::Variable
                                                          : SourceKind::Cells;
}

// The values of the source that are not kept in menu entries. The source kind, cells in series
// and cells in parallel are the Tags of `Source1`, `Numser1` and `NumPar1` (see Menus).
struct SourceSettings {
    double cellValue = 1.5;       // EMF of one cell, volts
    double variableSetting = 5.0; // the variable supply's voltage when it is chosen
    double supplyVoltage = 3.0;   // the EMF the solver uses
};

} // namespace voltaro
