// The traffic mode that the main loop hands every town object's update: the last result
// of the buttons' hit test. The town spawns vehicles more often in heavy traffic and
// treats every other number (no selection, or a click right of the buttons) as light.
#pragma once

enum TrafficMode : int { NoSelection = -1, Heavy = 0, Light = 1 };
