#pragma once

#include "model/markers.h"
#include "model/menus.h"
#include "view/canvas.h"

namespace voltaro {

// What stands on the left edge: the cells, the variable supply (only while the Options menu is
// enabled), or nothing but the loop wires.
enum class ShownSource { Nothing, Cells, VariableSupply };
ShownSource shownSource(const Menus& menus);

// The battery on the left edge: `parallel` columns 60 pixels apart of `series` cells stacked
// 20 pixels apart, each a long plate with a short plate above it, joined by a top and a bottom
// rail. `negativeTop` is the raw Top of `battneg`.
void drawCells(Canvas& canvas, int negativeTop, int series, int parallel);

constexpr double kVoltsPerPixel = 0.2; // along the variable supply's dial

// The variable supply: a dial whose needle shows `volts` (0.2 V per pixel), with its caption
// in bold; the bold style stays for every text drawn after it.
void drawVariableSupply(Canvas& canvas, const Markers& markers, double volts);

// The x of a column of cells, 1 being the leftmost, on the left edge x = 30.
int cellColumnX(int column);

// The y of the battery's top rail, and of the lowest cell's long plate, which the bottom rail
// reaches from 10 pixels below; the loop leaves the left edge x = 30 at these two heights.
int batteryTopRailY(int negativeTop, int series);
int batteryBottomRailY(int negativeTop, int series);

} // namespace voltaro
