// The scenery painters: everything in the picture that is neither road nor button.
// They hold no state and are repainted every turn; their random colours are drawn anew.
#pragma once

#include "vehicles/library_names.h"

// The ten green blocks between the roads.
void drawLawns(Display& display);
// Paths, an outlined field and the pond in the lower-left block.
void drawPark(Display& display);
// Buildings, the stadium with its banner, the helipad with its parked helicopter, the lot.
void drawLandmarks(Display& display);
// "Fenn's Town" and its "WOOF!" along the bottom.
void drawTitle(Display& display);
