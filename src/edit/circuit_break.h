#pragma once

#include "bench/bindings.h"
#include "model/markers.h"

#include <vector>

namespace voltaro {

struct Workbench;

// "&Break": breaks the circuit at the current slot's marker (a slot marker or a corner) so that
// the ammeter can be put in series there; shows the break marker `ampsh` 15 pixels away.
void Break1Click(Workbench& bench, MenuId);

// "&Join": ends the break when its marker or `ampsh` opened the menu; always puts the leads back
// at rest off every point.
void Join1Click(Workbench& bench, MenuId);

// No break any more: the count 0, `ampsh` hidden, "&Break" enabled and "&Join" disabled. The
// tables are left as they are; Join closes the break's record, a reset rewrites them all.
void endBreak(Workbench& bench);

// Where `ampsh` goes for a break made at `shape` on the current slot: beside a corner, or 15
// pixels along the side from the slot's marker, toward the branch for its end node and away
// from it otherwise.
struct BoardPoint {
    int left = 0;
    int top = 0;
};
BoardPoint breakMarkerPlace(const Workbench& bench, MarkerRef shape, int slot);

const std::vector<MenuBinding>& breakMenuBindings();

} // namespace voltaro
