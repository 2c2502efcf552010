#pragma once

#include "bench/bindings.h"
#include "model/menus.h"
#include "model/widgets.h"

#include <string>
#include <vector>

namespace voltaro {

struct Workbench;

// The save panel `Savepl`: saving the circuit to a new .cir file or adding it to one, and
// loading the circuits of a file after showing its explanation. `FileDialogs::panelMode` holds
// the panel's mode, the Tag of "&Save Circuit" the save mode (0 new file, 1 add to file).

// "New file": the panel in save mode, with an explanation box to type into.
void Newfile1Click(Workbench& bench, MenuId);
// "Add to file": saves at once, appending to the file chosen.
void Addtofile1Click(Workbench& bench, MenuId);
// "&Load Circuit": the panel in load mode.
void LoadCircuit1Click(Workbench& bench, MenuId);

// The action button: "&Save" or "&Load" by the panel's mode.
void nextbtClick(Workbench& bench, WidgetId);
// "&Yes": the file shown is the right one; its circuits are loaded and circuit 1 is read.
void ybtClick(Workbench& bench, WidgetId);

// What "&Load" does once a file is chosen: its explanation in the panel's box and the question
// "Is this the right Circuit?"; a file that cannot be read or is not proper gets its message.
// Whether the question is asked.
bool showFileToLoad(Workbench& bench, const std::string& path);
// What "&Yes" does: the file the panel shows loaded and its circuit 1 read. Whether that circuit
// was read whole (reading it closes the panel only then); a file read no more gives false too.
bool acceptOpenedFile(Workbench& bench);
// "&No", also when the button takes the focus: back to choosing a file.
void nbtClick(Workbench& bench, WidgetId);
void nbtEnter(Workbench& bench, WidgetId);
// The explanation box taking the focus in save mode drops its prompt line.
void expmemEnter(Workbench& bench, WidgetId);
void cancelsavebtClick(Workbench& bench, WidgetId);
// "&Ok" under a lesson's information: hides the panel and reads the current circuit.
void okdokeybtClick(Workbench& bench, WidgetId);

const std::vector<MenuBinding>& filePanelMenuBindings();
const std::vector<WidgetBinding>& filePanelWidgetBindings();

} // namespace voltaro
