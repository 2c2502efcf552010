#pragma once

namespace voltaro {

struct Workbench;

// The internal operations through which the parts of the program call each other. They take no
// arguments but the workbench and return nothing; they read and write its state.

// The start-up sequence of the main window: defaults, marker placement, reset, first paint.
void startUp(Workbench& bench);

// Reset to the default circuit; ends with the lane sizing, which paints.
void resistrestbt(Workbench& bench);

// Solve the network and stamp the measurement Tags of the corner and battery markers.
void getrtotalbt(Workbench& bench);

// Size the lanes, then paint.
void getsizebt(Workbench& bench);

// Place the corners of the loop from the two gray handles.
void resizebt(Workbench& bench);

// Re-anchor the side squares and recompute the side lengths after the corners moved, with the
// offsets the last handle drag recorded.
void reanchorSides(Workbench& bench);

// Solve and paint the whole board, then refresh the meter.
void placeRbt(Workbench& bench);

// Read the current circuit of the circuit list into the model and the window; a malformed one
// gets its message. Whether it was read whole.
bool cirbt(Workbench& bench);

// The potential of a slot's node for a lead (1 or 2; any other is left alone).
void measureLeadPotential(Workbench& bench, int lead, int slot);
// The potential of the current slot's node, for the lead given by the meter's lead index.
void getvbt(Workbench& bench);

// Take a meter reading and show it.
void meterbt(Workbench& bench);

// Format and show the meter's reading on its range.
void readingsbt(Workbench& bench);

// Draw the step arrows of a worksheet.
void playbt(Workbench& bench);

} // namespace voltaro
