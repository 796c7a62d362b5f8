// Places and headings on the town's whole-number grid (y grows upward).
#pragma once

#include <cstdint>

// A heading held as a plain int: any int can be stored, only 0..3 are headings.
using Direction = int;
inline constexpr Direction North = 0;  // y + 1
inline constexpr Direction East = 1;   // x + 1
inline constexpr Direction South = 2;  // y - 1
inline constexpr Direction West = 3;   // x - 1

bool isValidDirection(int d);
// Values outside 0..3 give North.
Direction opposite(Direction d);
Direction nextClockwise(Direction d);

class Point {
public:
    Point() = default;
    Point(int x, int y) : x_(x), y_(y) {}

    int x() const { return x_; }
    int y() const { return y_; }

    // Moves by distance along d; any other heading leaves the point where it is.
    void advance(Direction d, int distance);
    // Turns the point clockwise about the pivot by d quarter turns, so that a
    // shape drawn facing North comes to face d. A value outside 0..3 turns nothing.
    Point& rotateAbout(int pivotX, int pivotY, Direction d);

    bool operator==(const Point&) const = default;

private:
    int x_ = 0;
    int y_ = 0;
};

// The largest whole number whose square does not exceed the squared distance;
// exact for every pair of 32-bit points, hence the 64-bit result.
std::int64_t wholeDistance(Point a, Point b);
