#include "vehicles/vehicle_kinds.h"

#include "vehicles/buses.h"
#include "vehicles/cars.h"
#include "vehicles/emergency_vehicles.h"

std::unique_ptr<Vehicle> makeVehicle(int kind) {
    switch (kind) {
        case 1:
            return std::make_unique<Ambulance>();
        case 2:
            return std::make_unique<FireTruck>();
        case 3:
            return std::make_unique<PoliceCar>();
        case 4:
            return std::make_unique<Motorcycle>();
        case 5:
            return std::make_unique<SchoolBus>();
        case 6:
            return std::make_unique<YellowCar>();
        case 7:
            return std::make_unique<MetroBus>();
        default:
            return std::make_unique<Car>();
    }
}
