// The spawner's table from a number 1..30 to a vehicle kind.
#pragma once

#include <memory>

#include "vehicles/vehicle.h"

// 1 ambulance, 2 fire truck, 3 police car, 4 motorcycle, 5 school bus,
// 6 yellow car, 7 metro bus, any other number a car (8..30 are drawn).
std::unique_ptr<Vehicle> makeVehicle(int kind);
