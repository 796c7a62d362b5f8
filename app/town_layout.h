// The town's road network: 18 intersections and 54 lanes on a grid of
// two-lane roads with right-hand traffic.
#pragma once

class Town;

// Creates every intersection and lane on the heap, joins each lane to the
// intersections at its two ends and adds them to the town: the lanes first,
// then the intersections, so that intersections update and draw before lanes.
void buildTown(Town& town);

// Deletes every lane and intersection in the town, with the vehicles they still
// hold. The town keeps its list of (now dangling) entries: call this only just
// before the town itself goes away.
void releaseTown(Town& town);

// Vehicles in the town: those queued on lanes and those on intersection squares.
int vehiclesInTown(const Town& town);
