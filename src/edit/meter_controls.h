#pragma once

#include "bench/bindings.h"
#include "model/widgets.h"

#include <array>
#include <vector>

namespace voltaro {

struct Workbench;

// "On": toggles its check mark; on puts the meter into the mode the Volts/Amps buttons say.
void On1Click(Workbench& bench, MenuId);
// "Change Fuse": the display turns white again; nothing is measured.
void ChangeFuse1Click(Workbench& bench, MenuId);
// "On" of the second meter, which nothing shows: toggles its panel, leads and handle.
void On2Click(Workbench& bench, MenuId);

// The mode buttons of the panel.
void voltrbClick(Workbench& bench, WidgetId);
void amprbClick(Workbench& bench, WidgetId);
// A range button: selects it and shows the same reading on the new range.
void rangeButtonClick(Workbench& bench, WidgetId id);

const std::vector<MenuBinding>& meterMenuBindings();
const std::vector<WidgetBinding>& meterWidgetBindings();

} // namespace voltaro
