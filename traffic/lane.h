// One direction of travel on one road segment: a 20-unit-wide strip from a
// start point to a finish point, with a first-in first-out queue of vehicles.
#pragma once

#include <deque>

#include "traffic/town_object.h"
#include "vehicles/geometry.h"
#include "vehicles/vehicle.h"

class Intersection;

// The two ends of a lane, numbered as the end operations take them: vehicles travel
// from the start to the finish.
enum LaneEnd : int { LaneStart = 0, LaneFinish = 1 };

class Lane : public RoadElement {
public:
    Lane() = default;
    // Deletes the vehicles still queued.
    ~Lane() override;
    Lane(const Lane&) = delete;
    Lane& operator=(const Lane&) = delete;

    void draw(Display& display) override;
    void update(int& tick, int trafficMode) override;
    // end is a LaneEnd; other numbers are ignored.
    virtual void setEndIntersection(Intersection* intersection, int end);
    virtual void setEndPoint(Point p, int end);
    // The lane takes the vehicle over and places it on its entry point.
    virtual void enqueue(Vehicle* vehicle);
    virtual bool acceptsVehicle() const;
    // Hands the front vehicle (and its ownership) out; null when empty.
    virtual Vehicle* dequeue();
    virtual Vehicle* front() const;
    virtual bool frontAtEnd() const;

    bool isEmpty() const { return queue_.empty(); }
    Point entryPoint() const;
    bool hasReachedEnd(const Vehicle& vehicle) const;
    void steerTowardTarget(Vehicle& vehicle) const;

    int count() const { return static_cast<int>(queue_.size()); }
    Direction heading() const { return heading_; }
    Point endPoint(int end) const { return isEnd(end) ? endPoints_[end] : Point(); }
    bool endPointSet(int end) const { return isEnd(end) && endSet_[end]; }
    Intersection* endIntersection(int end) const { return isEnd(end) ? ends_[end] : nullptr; }

    static constexpr int endZone = 10;       // a vehicle waits this far before the finish
    static constexpr int followingGap = 25;  // the least distance to the vehicle ahead
    static constexpr int arrivalDistance =
        10;  // closer than this to its target, a vehicle has arrived
    static constexpr int steeringReach = 50;  // a target level and closer than this is turned to
    static constexpr int acceptReach = 62;    // accept while the newest is this near the start

private:
    static bool isEnd(int end) { return end == LaneStart || end == LaneFinish; }
    void computeHeading();

    Intersection* ends_[2] = {nullptr, nullptr};
    Point endPoints_[2];
    bool endSet_[2] = {false, false};
    Direction heading_ = North;
    std::deque<Vehicle*> queue_;  // front is the oldest, back the newest
};
