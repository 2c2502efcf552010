#pragma once

#include "model/markers.h"
#include "model/menus.h"

namespace voltaro {

struct Workbench;

// The shape of the circuit tree: the red side squares set the blocks of each lane of a side
// (lane menu `firstpu`), the green branch markers the elements of each branch of a block
// (branch menu `parpu`).

// p1MouseDown: a press on a side square; the current slot becomes the side number.
void p1MouseDown(Workbench& bench, MarkerRef square, int x, int y);
// N03Click, N02Click, N01Click: a block count for lane 1, 2 or 3 of that side.
void N03Click(Workbench& bench, MenuId entry);
void N02Click(Workbench& bench, MenuId entry);
void N01Click(Workbench& bench, MenuId entry);

// c11MouseDown: a press on a branch marker; the current slot becomes its block's first node.
void c11MouseDown(Workbench& bench, MarkerRef marker, int x, int y);
// N07Click, N08Click, N09Click: an element count for branch 1, 2 or 3 of that block.
void N07Click(Workbench& bench, MenuId entry);
void N08Click(Workbench& bench, MenuId entry);
void N09Click(Workbench& bench, MenuId entry);

// Sets the block count of a lane and shows the slot markers of its branches in use; blocks
// beyond the count keep their contents. Runs the lane sizing, which paints.
void setLaneBlocks(Workbench& bench, int side, int lane, int count);
// Sets the element count of a branch; the records cut off become closed conductors holding
// 100.0. Runs the lane sizing, which paints.
void setBranchElements(Workbench& bench, int side, int lane, int block, int branch, int count);

} // namespace voltaro
