#pragma once

#include "bench/bindings.h"

#include <vector>

namespace voltaro {

struct Workbench;

// The gray handles `topsh` and `botsh` resize the loop: a press starts a drag, every move
// places the corners from the handles, re-anchors the sides and paints.
void handleMouseDown(Workbench& bench, MarkerRef handle, int x, int y);
void handleMouseMove(Workbench& bench, MarkerRef handle, int x, int y);
void handleMouseUp(Workbench& bench, MarkerRef handle, int x, int y);

// A move on the bottom-right corner `cor3` while a drag is held stretches the loop from it.
void cor3MouseMove(Workbench& bench, MarkerRef corner, int x, int y);

// A press on a corner opens the element menu with only "&Break" and "&Join".
void cornerMouseDown(Workbench& bench, MarkerRef corner, int x, int y);

// The meter panels' move handles `movesh` and `movesh2`: the handle follows the mouse and the
// panel follows the handle on release.
void moveshMouseDown(Workbench& bench, MarkerRef handle, int x, int y);
void moveshMouseMove(Workbench& bench, MarkerRef handle, int x, int y);
void moveshMouseUp(Workbench& bench, MarkerRef handle, int x, int y);

const std::vector<MarkerBinding>& handleMarkerBindings();

} // namespace voltaro
