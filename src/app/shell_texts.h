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

// The page of Help > "&Keyboard": its title and its lines.
inline constexpr Phrase kKeyboardTitle = VOLTARO_TEXT("Shell", "Keyboard");
inline constexpr Phrase kKeyboardLines[] = {
    VOLTARO_TEXT("Shell", "Tab, Shift+Tab: from control to control of the board; a dotted ring shows which one has the focus."),
    VOLTARO_TEXT("Shell", "Enter, Space or the menu key: what a click on the control does, such as opening its menu."),
    VOLTARO_TEXT("Shell", "In a menu: the arrow keys choose, Enter takes the entry, Escape closes the menu."),
    VOLTARO_TEXT("Shell", "Arrow keys on a gray square (the loop's handles, the meter's square): move it 5 pixels, with Shift 1 pixel."),
    VOLTARO_TEXT("Shell", "Arrow keys on a meter lead: move it to the next measuring point that way. Escape puts it back above the meter."),
    VOLTARO_TEXT("Shell", "Up, Down on the battery while the source is variable: 0.1 V more or less, with Shift 1 V."),
    VOLTARO_TEXT("Shell", "Ctrl+C: copy the board. Ctrl+P: print it. Ctrl+D: the circuit described in words."),
    VOLTARO_TEXT("Shell", "Ctrl++, Ctrl+-, Ctrl+0: zoom in, zoom out, actual size."),
};
// clang-format on

} // namespace voltaro
