#include "traffic/intersection.h"

#include "traffic/traffic_mode.h"
#include "vehicles/library_names.h"
#include "vehicles/shapes.h"
#include "vehicles/vehicle_kinds.h"

namespace {
bool isRole(int role) {
    return role == Incoming || role == Outgoing;
}

// The end of a lane that lies at the intersection it is attached to in this role.
LaneEnd endHere(LaneRole role) {
    return role == Incoming ? LaneFinish : LaneStart;
}
}  // namespace

Intersection::Intersection(Point centre) : position_(centre) {
    light_.setPosition(centre);
}

Intersection::~Intersection() {
    delete crossingVehicle_;
}

void Intersection::setPosition(Point centre) {
    position_ = centre;
    light_.setPosition(centre);
}

void Intersection::attachLane(Lane* lane, Direction side, LaneRole role) {
    if (!lane || !isValidDirection(side) || !isRole(role)) return;
    lanes_[side][role] = lane;
    const LaneEnd end = endHere(role);
    lane->setEndIntersection(this, end);
    // Worked out on the north side, then turned to the real one: an incoming
    // lane ends at the middle of the edge, an outgoing one starts at its corner.
    const int x = position_.x(), y = position_.y();
    Point p = role == Incoming ? Point(x, y + halfSize) : Point(x + halfSize, y + halfSize);
    lane->setEndPoint(p.rotateAbout(x, y, side), end);
}

Lane* Intersection::lane(Direction side, LaneRole role) const {
    return isValidDirection(side) && isRole(role) ? lanes_[side][role] : nullptr;
}

int Intersection::edgeCoordinate(Direction side) const {
    switch (side) {
        case North:
            return position_.y() + halfSize;
        case East:
            return position_.x() + halfSize;
        case South:
            return position_.y() - halfSize;
        case West:
            return position_.x() - halfSize;
        default:
            return 0;
    }
}

void Intersection::acceptVehicle(Vehicle* vehicle) {
    // A held vehicle that is replaced is never seen again.
    if (crossingVehicle_ != vehicle) delete crossingVehicle_;
    crossingVehicle_ = vehicle;
    if (vehicle) vehicle->setPosition(crossingEntryPoint(*vehicle));
    occupied_ = vehicle != nullptr;
}

Vehicle* Intersection::releaseVehicle() {
    Vehicle* v = crossingVehicle_;
    crossingVehicle_ = nullptr;
    occupied_ = false;
    return v;
}

Point Intersection::crossingEntryPoint(const Vehicle& vehicle) const {
    // The near edge of the square, keeping the place across the lane.
    const Point p = vehicle.position();
    switch (vehicle.heading()) {
        case West:
            return Point(edgeCoordinate(East), p.y());
        case East:
            return Point(edgeCoordinate(West), p.y());
        case North:
            return Point(p.x(), edgeCoordinate(South));
        case South:
            return Point(p.x(), edgeCoordinate(North));
        default:
            return p;
    }
}

bool Intersection::crossingComplete() const {
    if (!crossingVehicle_) return false;
    const Point p = crossingVehicle_->position();
    switch (crossingVehicle_->heading()) {
        case North:
            return p.y() >= position_.y() + halfSize;
        case East:
            return p.x() >= position_.x() + halfSize;
        case South:
            return p.y() <= position_.y() - halfSize;
        case West:
            return p.x() <= position_.x() - halfSize;
        default:
            return false;
    }
}

void Intersection::chooseExit(Lane* in, Lane*& out, Direction side) {
    const Vehicle* v = in ? in->front() : nullptr;
    if (!v) return;
    const Point p = v->position();
    const Point t = v->target();
    // Toward the target's side with a bias: a target exactly level turns west or
    // south, and only a difference of exactly 10 goes straight on.
    if (side == North || side == South) {
        const int difference = t.x() - p.x();
        if (difference > turnBias) {
            out = lanes_[East][Outgoing];
            exitDirection_ = East;
        } else if (difference < turnBias) {
            out = lanes_[West][Outgoing];
            exitDirection_ = West;
        }
    } else {
        const int difference = t.y() - p.y();
        if (difference > turnBias) {
            out = lanes_[North][Outgoing];
            exitDirection_ = North;
        } else if (difference < turnBias) {
            out = lanes_[South][Outgoing];
            exitDirection_ = South;
        }
    }
}

void Intersection::spawnVehicle(int tick, Direction side, int trafficMode, Lane* in) {
    // A new period on every call, whether or not anything can spawn here.
    const int period = trafficMode == Heavy ? randomInRange(300, 400) : randomInRange(300, 700);
    if (!in || tick % period != 0 || lanes_[opposite(side)][Outgoing]) return;
    Lane* entry = lanes_[side][Outgoing];
    if (!entry) return;  // no lane to put it on
    entry->enqueue(makeVehicle(randomInRange(1, 30)).release());
}

void Intersection::handOnCrossingVehicle() {
    ready_ = true;
    Lane* exit = lanes_[exitDirection_][Outgoing];
    if (!exit) {
        delete releaseVehicle();  // no road on that side: it leaves the town
    } else if (exit->acceptsVehicle()) {
        exit->enqueue(releaseVehicle());
    }
    // Otherwise it is held: drawn on the square, no longer moved, and the square counts as free.
}

void Intersection::moveCrossingVehicle(int& tick, int trafficMode) {
    if (crossingTicks_ >= ticksBeforeTurn) {
        crossingVehicle_->advance(1);
        crossingTicks_ = 0;
        return;
    }
    crossingVehicle_->advance(1);
    crossingVehicle_->update(tick, trafficMode);
    if (++crossingTicks_ == ticksBeforeTurn) crossingVehicle_->setHeading(exitDirection_);
}

void Intersection::update(int& tick, int trafficMode) {
    light_.update(tick, trafficMode);

    if (!ready_) {
        if (crossingComplete()) {
            if (occupied_) handOnCrossingVehicle();
        } else if (occupied_ && crossingVehicle_) {
            moveCrossingVehicle(tick, trafficMode);
        }
    }

    for (Direction d = North; d <= West; ++d) {
        Lane* in = lanes_[d][Incoming];
        spawnVehicle(tick, d, trafficMode, in);
        if (!in || !in->frontAtEnd()) continue;

        Lane* out = lanes_[opposite(d)][Outgoing];
        // Room is asked of the straight-on lane, whichever exit is then chosen.
        const bool go = (!out || out->acceptsVehicle()) && !light_.mustStop(d);
        if (!go) continue;
        chooseExit(in, out, d);
        if (light_.mustStop(exitDirection_)) return;  // the later sides wait for the next tick

        if (ready_ && out) {
            acceptVehicle(in->dequeue());
            ready_ = false;
        } else if (!out) {
            delete in->dequeue();  // no road on the chosen side: it leaves the town here
            ready_ = true;
        }
    }
}

void Intersection::draw(Display& display) {
    using namespace shapes;
    const int x = position_.x(), y = position_.y();
    display.drawRectangle(x - halfSize, y - halfSize, x + halfSize, y + halfSize, Black, 0);
    if (crossingVehicle_ && occupied_) crossingVehicle_->draw(display);
    light_.draw(display);
}
