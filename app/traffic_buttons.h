// The two on-screen traffic-mode buttons, their hit test and the "Mode: " label.
#pragma once

#include <string>

#include "traffic/traffic_mode.h"
#include "vehicles/library_names.h"

void drawTrafficButtons(Display& display);
// The selection frame for mode 0 or 1, and that button's label in a random colour.
void highlightTrafficButton(Display& display, int mode);
// Hit test of a click against the button strip; shows the mode label.
int selectTrafficMode(Display& display, int x, int y);
void showModeLabel(Display& display, std::string text);
