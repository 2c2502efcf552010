#pragma once

#include "app/dispatch.h"
#include "model/widgets.h"

#include <array>
#include <vector>

namespace voltaro {

struct Workbench;

// The five range buttons `arb`..`erb`, Tags 1..5.
const std::array<WidgetId, 5>& meterRangeButtons();

// The range 1..5 of the selected range button (`arb`..`erb`); 1 when none is selected.
int selectedMeterRange(const Workbench& bench);

// The fuse is the colour of the display `currenteb`: white intact, black blown.
bool fuseBlown(const Workbench& bench);
void blowFuse(Workbench& bench);

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
