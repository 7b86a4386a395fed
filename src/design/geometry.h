// Points and boxes in sheet units (signed 32-bit, y grows downwards).
#pragma once

#include <algorithm>
#include <climits>
#include <cmath>

namespace zeph {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Box {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool operator==(const Box&) const = default;
};

// Saturating: coordinates read from a damaged file may lie anywhere in the int range.
inline Point shifted(Point p, Point by) {
    auto add = [](int a, int b) {
        return static_cast<int>(std::clamp(static_cast<long long>(a) + b,
                                           static_cast<long long>(INT_MIN),
                                           static_cast<long long>(INT_MAX)));
    };
    return {add(p.x, by.x), add(p.y, by.y)};
}

// The distance from p to the nearest point of the segment a-b (hit-testing of lines).
inline double distance_to_segment(Point p, Point a, Point b) {
    double dx = static_cast<double>(b.x) - a.x;
    double dy = static_cast<double>(b.y) - a.y;
    double length_squared = dx * dx + dy * dy;
    double t = length_squared == 0
                   ? 0.0
                   : std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length_squared, 0.0, 1.0);
    return std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y);
}

} // namespace zeph
