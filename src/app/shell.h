#pragma once

#include "app/dispatch.h"

#include <string>
#include <vector>

namespace voltaro {

struct Workbench;

// The shell commands of the main window.
void Exit1Click(Workbench& bench, MenuId);
void About1Click(Workbench& bench, MenuId);

// What the about box says.
std::string aboutText();

const std::vector<MenuBinding>& shellMenuBindings();

} // namespace voltaro
