#include "traffic/lane.h"

#include <cstdlib>

#include "vehicles/library_names.h"
#include "vehicles/shapes.h"

Lane::~Lane() {
    for (Vehicle* v : queue_) delete v;
}

void Lane::setEndIntersection(Intersection* intersection, int end) {
    if (isEnd(end)) ends_[end] = intersection;
}

void Lane::setEndPoint(Point p, int end) {
    if (!isEnd(end)) return;
    endPoints_[end] = p;
    endSet_[end] = true;
    if (endSet_[LaneStart] && endSet_[LaneFinish]) computeHeading();
}

void Lane::computeHeading() {
    const int dx = endPoints_[LaneFinish].x() - endPoints_[LaneStart].x();
    const int dy = endPoints_[LaneFinish].y() - endPoints_[LaneStart].y();
    // The start is one corner of the strip, the finish the middle of the far edge.
    if (dx > 0 && dy > 0) {
        heading_ = East;
    } else if (dx > 0 && dy < 0) {
        heading_ = South;
    } else if (dx < 0 && dy < 0) {
        heading_ = West;
    } else {
        heading_ = North;
    }
}

Point Lane::entryPoint() const {
    const Point& start = endPoints_[LaneStart];
    const Point& finish = endPoints_[LaneFinish];
    if (heading_ == East || heading_ == West) return Point(start.x(), (start.y() + finish.y()) / 2);
    return Point((start.x() + finish.x()) / 2, start.y());
}

void Lane::enqueue(Vehicle* vehicle) {
    if (!vehicle) return;
    queue_.push_back(vehicle);
    vehicle->setPosition(entryPoint());
    vehicle->setHeading(heading_);
}

bool Lane::acceptsVehicle() const {
    // Near the start, not far from it: a lane backed up to its start still accepts.
    return queue_.empty() || queue_.back()->distanceTo(endPoints_[LaneStart]) <= acceptReach;
}

Vehicle* Lane::dequeue() {
    if (queue_.empty()) return nullptr;
    Vehicle* v = queue_.front();
    queue_.pop_front();
    return v;
}

Vehicle* Lane::front() const {
    return queue_.empty() ? nullptr : queue_.front();
}

bool Lane::frontAtEnd() const {
    return !queue_.empty() && hasReachedEnd(*queue_.front());
}

bool Lane::hasReachedEnd(const Vehicle& vehicle) const {
    const Point p = vehicle.position();
    const Point& finish = endPoints_[LaneFinish];
    switch (heading_) {
        case North:
            return p.y() >= finish.y() - endZone;
        case East:
            return p.x() >= finish.x() - endZone;
        case South:
            return p.y() <= finish.y() + endZone;
        case West:
            return p.x() <= finish.x() + endZone;
        default:
            return false;
    }
}

void Lane::steerTowardTarget(Vehicle& vehicle) const {
    const Point p = vehicle.position();
    const Point t = vehicle.target();
    const Direction h = vehicle.heading();
    if (h == East || h == West) {
        if (p.x() == t.x() && std::abs(t.y() - p.y()) < steeringReach)
            vehicle.setHeading(t.y() - p.y() < 0 ? South : North);
    } else if (p.y() == t.y() && std::abs(t.x() - p.x()) < steeringReach) {
        vehicle.setHeading(t.x() - p.x() < 0 ? West : East);
    }
}

void Lane::update(int& tick, int trafficMode) {
    if (queue_.empty()) return;

    // The front vehicle moves freely until the end zone, where its intersection takes it.
    Vehicle* f = queue_.front();
    Point ahead = f->position();
    std::size_t next = 1;
    if (!hasReachedEnd(*f)) {
        if (f->distanceTo(f->target()) < arrivalDistance) {
            f->advance(0);
            delete dequeue();  // arrived: it leaves the town here
            // The followers measure from where it left, and the newest waits this tick.
            next = 0;
        } else {
            steerTowardTarget(*f);
            f->advance(1);
            f->update(tick, trafficMode);
            ahead = f->position();
        }
    }

    const std::size_t followers = queue_.empty() ? 0 : queue_.size() - 1;
    for (std::size_t i = next; i < next + followers; ++i) {
        Vehicle* v = queue_[i];
        if (hasReachedEnd(*v)) break;
        if (v->distanceTo(v->target()) < arrivalDistance) {
            // Arrived behind others: it waits until it is the front vehicle.
            v->advance(0);
            ahead = v->position();
            continue;
        }
        steerTowardTarget(*v);
        if (v->distanceTo(ahead) < followingGap) break;
        v->advance(1);
        v->update(tick, trafficMode);
        ahead = v->position();
    }
}

void Lane::draw(Display& display) {
    using namespace shapes;
    drawRectangle(display, endPoints_[LaneStart], endPoints_[LaneFinish], Gray50, 0);
    drawRectangle(display, endPoints_[LaneStart], endPoints_[LaneFinish], White, 1);
    if (queue_.empty()) return;
    // The newest first, then the front and the rest up to the second-newest.
    queue_.back()->draw(display);
    for (std::size_t i = 0; i + 1 < queue_.size(); ++i) queue_[i]->draw(display);
}
