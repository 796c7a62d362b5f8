// The helicopter that flies across the town again and again, and its drawing.
#pragma once

#include "vehicles/library_names.h"

// One helicopter seen from above, its body centred on (x, y); the rotor pose and
// the tail light are drawn at random.
void drawHelicopter(Display& display, int x, int y, int colour);
// Starts a new flight from the bottom of the town at a random x, in a random colour.
void launchHelicopter(int& x, int& y, int& colour);
// Advances the flight by one tick; once the helicopter has left the area it waits
// for the next tick that is a multiple of 300 and starts the next flight.
void moveHelicopter(int& x, int& y, int& flightCount, int& colour, int tick);
