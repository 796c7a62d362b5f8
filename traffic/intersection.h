// A 40 x 40 square where up to four roads meet, with a traffic light at its
// centre. It lets one vehicle at a time cross and, at the town's edge, spawns
// new vehicles onto the lanes that lead into the town.
#pragma once

#include "traffic/lane.h"
#include "traffic/town_object.h"
#include "traffic/traffic_light.h"
#include "vehicles/geometry.h"
#include "vehicles/vehicle.h"

// Incoming: the lane's finish (LaneFinish) lies here; Outgoing: its start (LaneStart).
enum LaneRole : int { Incoming = 0, Outgoing = 1 };

class Intersection : public RoadElement {
public:
    Intersection() : Intersection(Point(0, 0)) {}
    explicit Intersection(Point centre);
    // Deletes the vehicle on the square.
    ~Intersection() override;
    Intersection(const Intersection&) = delete;
    Intersection& operator=(const Intersection&) = delete;

    void draw(Display& display) override;
    void update(int& tick, int trafficMode) override;
    virtual void setPosition(Point centre);
    // Joins a lane at a side; a side outside 0..3 or another role is ignored.
    virtual void attachLane(Lane* lane, Direction side, LaneRole role);
    virtual int edgeCoordinate(Direction side) const;
    virtual Point position() const { return position_; }
    // Takes the vehicle onto the square, replacing (and deleting) a held one.
    virtual void acceptVehicle(Vehicle* vehicle);
    // Hands the vehicle on the square (and its ownership) out.
    virtual Vehicle* releaseVehicle();

    void spawnVehicle(int tick, Direction side, int trafficMode, Lane* in);
    void chooseExit(Lane* in, Lane*& out, Direction side);
    bool crossingComplete() const;
    Point crossingEntryPoint(const Vehicle& vehicle) const;

    Lane* lane(Direction side, LaneRole role) const;
    Vehicle* crossingVehicle() const { return crossingVehicle_; }
    bool isOccupied() const { return occupied_; }
    bool isReady() const { return ready_; }
    int crossingTicks() const { return crossingTicks_; }
    Direction exitDirection() const { return exitDirection_; }
    const TrafficLight& light() const { return light_; }

    static constexpr int halfSize = 20;
    static constexpr int ticksBeforeTurn = 35;
    static constexpr int turnBias = 10;

private:
    void moveCrossingVehicle(int& tick, int trafficMode);
    void handOnCrossingVehicle();

    Point position_;
    TrafficLight light_;
    Vehicle* crossingVehicle_ = nullptr;
    bool occupied_ = false;
    bool ready_ = true;
    int crossingTicks_ = 0;
    Direction exitDirection_ = North;
    Lane* lanes_[4][2] = {};
};
