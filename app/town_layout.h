// The town's road network: 18 intersections and 54 lanes on a grid of
// two-lane roads with right-hand traffic.
#pragma once

#include <memory>
#include <vector>

class Intersection;
class Lane;
class Town;

// What builds the town keeps its pieces: the lanes and intersections live as long as
// the layout, and go with it, with the vehicles they still hold. The town only lists
// them, so a layout must outlive the town's last update and draw.
class TownLayout {
public:
    TownLayout();
    ~TownLayout();
    TownLayout(const TownLayout&) = delete;
    TownLayout& operator=(const TownLayout&) = delete;

    // Creates every intersection and lane, joins each lane to the intersections at its
    // two ends and adds them to the town: the lanes first, then the intersections, so
    // that intersections update and draw before lanes.
    void buildTown(Town& town);

    // Vehicles in the town: those queued on lanes and those on intersection squares.
    int vehiclesInTown() const;

private:
    std::vector<std::unique_ptr<Intersection>> intersections_;
    std::vector<std::unique_ptr<Lane>> lanes_;
};
