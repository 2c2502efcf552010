#pragma once

#include "bench/bindings.h"

namespace voltaro {

struct Workbench;

// Options > "&Zoom": the window shows the board at 100, 125, 150 or 200 %. The scale is the
// Tag of `Zoom1`, the check mark on its entry. Nothing of the board's own changes, but the board
// and the step arrows are painted again, so that the window's canvases draw them afresh at the
// new scale. Zoom In at the
// largest scale and Zoom Out at the smallest are disabled.
void setViewScale(Workbench& bench, int percent);
// Paints the board and the step arrows again, for the window's canvases to draw them at a new
// scale, or for a screen of another resolution.
void repaintForTheScreen(Workbench& bench);
// A scale's entry (Tag its percent), "Zoom &In", "Zoom &Out", "&Actual Size".
void zoomScaleClick(Workbench& bench, MenuId entry);
void ZoomIn1Click(Workbench& bench, MenuId);
void ZoomOut1Click(Workbench& bench, MenuId);
void ActualSize1Click(Workbench& bench, MenuId);

} // namespace voltaro
