// Readable Points in test failure messages.
#pragma once

#include <ostream>

#include "vehicles/geometry.h"

inline void PrintTo(const Point& p, std::ostream* os) {
    *os << "(" << p.x() << "," << p.y() << ")";
}
