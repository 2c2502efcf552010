#pragma once

#include "app/dispatch.h"
#include "model/text.h"

#include <vector>

namespace voltaro {

struct Workbench;

// The shell commands of the main window.

// "&Reset": after the pupil confirms, the default circuit, the handles at their design places,
// no break, no worksheet, the meter off and the Options menu enabled.
void Reset1Click(Workbench& bench, MenuId);
void Exit1Click(Workbench& bench, MenuId);
void About1Click(Workbench& bench, MenuId);
// "&Keyboard": a page listing the keys of the board and the window.
void Keyboard1Click(Workbench& bench, MenuId);

// What the about box says.
Text aboutText();

const std::vector<MenuBinding>& shellMenuBindings();

} // namespace voltaro
