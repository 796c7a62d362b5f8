#include "app/town_layout.h"

#include <array>

#include "traffic/intersection.h"
#include "traffic/lane.h"
#include "traffic/town.h"

namespace {

// Intersection centres, I1..I18.
constexpr std::array<std::array<int, 2>, 18> centres{{
    {0, 0},
    {0, 100},
    {0, 225},
    {-100, 100},
    {275, 100},
    {275, 225},
    {275, 0},
    {150, 0},
    {-100, 225},
    {-100, 0},
    {-275, 225},
    {-275, 100},
    {-275, 0},
    {-275, -190},
    {-100, -190},
    {0, -190},
    {150, -190},
    {275, -190},
}};

// A lane starts where it is attached as outgoing and ends where it is attached
// as incoming; intersections are numbered from 1 as I1..I18.
struct LaneEnds {
    int from;
    Direction fromSide;
    int to;
    Direction toSide;
};

// L1..L54.
constexpr std::array<LaneEnds, 54> laneEnds{{
    {1, North, 2, South},   {2, North, 3, South},   {2, South, 1, North},   {3, South, 2, North},
    {4, East, 2, West},     {2, West, 4, East},     {2, East, 5, West},     {5, West, 2, East},
    {1, East, 8, West},     {8, West, 1, East},     {1, West, 10, East},    {10, East, 1, West},
    {10, North, 4, South},  {4, South, 10, North},  {4, North, 9, South},   {9, South, 4, North},
    {9, East, 3, West},     {3, West, 9, East},     {3, East, 6, West},     {6, West, 3, East},
    {6, South, 5, North},   {5, North, 6, South},   {5, South, 7, North},   {7, North, 5, South},
    {7, West, 8, East},     {8, East, 7, West},     {9, West, 11, East},    {11, East, 9, West},
    {4, West, 12, East},    {12, East, 4, West},    {10, West, 13, East},   {13, East, 10, West},
    {11, South, 12, North}, {12, North, 11, South}, {12, South, 13, North}, {13, North, 12, South},
    {13, South, 14, North}, {14, North, 13, South}, {10, South, 15, North}, {15, North, 10, South},
    {1, South, 16, North},  {16, North, 1, South},  {8, South, 17, North},  {17, North, 8, South},
    {7, South, 18, North},  {18, North, 7, South},  {14, East, 15, West},   {15, West, 14, East},
    {15, East, 16, West},   {16, West, 15, East},   {16, East, 17, West},   {17, West, 16, East},
    {17, East, 18, West},   {18, West, 17, East},
}};

}  // namespace

TownLayout::TownLayout() = default;
TownLayout::~TownLayout() = default;

void TownLayout::buildTown(Town& town) {
    // The layout owns the pieces; these arrays name them by their table numbers.
    std::array<Intersection*, centres.size()> intersections{};
    for (std::size_t i = 0; i < centres.size(); ++i) {
        intersections_.push_back(
            std::make_unique<Intersection>(Point(centres[i][0], centres[i][1])));
        intersections[i] = intersections_.back().get();
    }
    std::array<Lane*, laneEnds.size()> lanes{};
    for (Lane*& lane : lanes) {
        lanes_.push_back(std::make_unique<Lane>());
        lane = lanes_.back().get();
    }

    for (std::size_t i = 0; i < laneEnds.size(); ++i) {
        const LaneEnds& e = laneEnds[i];
        intersections[e.from - 1]->attachLane(lanes[i], e.fromSide, Outgoing);
        intersections[e.to - 1]->attachLane(lanes[i], e.toSide, Incoming);
    }

    // The town puts each new object first: intersections end up ahead of lanes.
    for (Lane* lane : lanes) town.add(lane);
    for (Intersection* intersection : intersections) town.add(intersection);
}

int TownLayout::vehiclesInTown() const {
    int n = 0;
    for (const auto& lane : lanes_) n += lane->count();
    for (const auto& i : intersections_)
        if (i->crossingVehicle()) ++n;
    return n;
}
