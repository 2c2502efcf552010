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

// Solve and paint the whole board.
void placeRbt(Workbench& bench);

} // namespace voltaro
